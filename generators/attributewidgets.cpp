#include "generators/attributewidgets.h"

#include "columns/columnobject.h"

#include <limits>

#include <QLabel>
#include <QLineEdit>

namespace rowsmith {

QLabel* createLabel(const ColumnObject& column, Placement at, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), column.container());
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(column.originX() + at.dx, column.originY() + at.dy, at.width, at.height);
    label->show();
    return label;
}

QLineEdit* createField(const ColumnObject& column, Placement at, Qt::Alignment alignment) {
    auto* field = new QLineEdit(column.container());
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setAlignment(alignment | Qt::AlignVCenter);
    field->setGeometry(column.originX() + at.dx, column.originY() + at.dy, at.width, at.height);
    field->show();
    return field;
}

void moveToOrigin(QWidget* widget, const ColumnObject& column, Placement at) {
    widget->move(column.originX() + at.dx, column.originY() + at.dy);
}

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

} // namespace rowsmith
