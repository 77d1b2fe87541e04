#include "generators/attributewidgets.h"

#include "columns/columnobject.h"

#include <limits>
#include <unordered_map>

#include <QLabel>
#include <QLineEdit>

namespace rowsmith {

namespace {

// UTF-8 copies of the fields' texts, made at the first read and dropped when a text changes or
// its field goes: an export reads the same unchanged fields for every row it builds.
std::unordered_map<const QLineEdit*, std::string>& fieldTexts() {
    static std::unordered_map<const QLineEdit*, std::string> texts;
    return texts;
}

void forgetFieldText(const QLineEdit* field) {
    fieldTexts().erase(field);
}

} // namespace

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
    QObject::connect(field, &QLineEdit::textChanged, field, [field] { forgetFieldText(field); });
    QObject::connect(field, &QObject::destroyed, [field] { forgetFieldText(field); });
    return field;
}

void moveToOrigin(QWidget* widget, const ColumnObject& column, Placement at) {
    widget->move(column.originX() + at.dx, column.originY() + at.dy);
}

const std::string& fieldText(const QLineEdit* field) {
    const auto [entry, added] = fieldTexts().try_emplace(field);
    if (added)
        entry->second = field->text().toStdString();
    return entry->second;
}

} // namespace rowsmith
