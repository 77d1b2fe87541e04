#include "columns/columntable.h"

#include "app/dialogs.h"

#include <algorithm>
#include <limits>

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVariant>

namespace rowsmith {

namespace {

constexpr const char* actionTagProperty = "rowsmithActionTag";
constexpr int innerWidthMargin = 40;
constexpr int scrollStep = 30;

ActionTag* actionTagOf(const QWidget* widget) {
    return static_cast<ActionTag*>(widget->property(actionTagProperty).value<void*>());
}

void attachActionTag(QWidget* widget, ActionTag& tag) {
    widget->setProperty(actionTagProperty, QVariant::fromValue(static_cast<void*>(&tag)));
}

// "Marlett" draws "r" as a close cross; without it, a cross character of an installed font.
void chooseDeleteGlyph(QFont& font, QString& text) {
    font = QFont(QStringLiteral("Marlett"), 11);
    if (QFontInfo(font).family() == QLatin1String("Marlett")) {
        text = QStringLiteral("r");
        return;
    }
    font = QFont(QApplication::font().family(), 11);
    const QChar cross(0x2715);
    text = QFontMetrics(font).inFont(cross) ? QString(cross) : QString(QChar(0x00D7));
}

} // namespace

ColumnTable::ColumnTable(QWidget* window, QRect rect, const TypeTable& types) : types_(types) {
    const int x = rect.x();
    const int y = rect.y();
    const int w = rect.width();
    const int h = rect.height();

    scrollingArea_ = new QScrollArea(window);
    scrollingArea_->setGeometry(x, y + 20, w, h - 55);
    scrollingArea_->setFrameStyle(QFrame::Box | QFrame::Plain);
    scrollingArea_->setLineWidth(1);
    scrollingArea_->setWidgetResizable(false);
    scrollingArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollingArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollingArea_->verticalScrollBar()->setSingleStep(scrollStep);
    scrollingArea_->horizontalScrollBar()->setSingleStep(scrollStep);
    inner_ = new QWidget;
    inner_->resize(w - innerWidthMargin, 0);
    scrollingArea_->setWidget(inner_);

    createHeader(window, x, y, 25, "-");
    createHeader(window, 30, y, 80, "Column name");
    createHeader(window, 110, y, 160, "Data type");
    createHeader(window, 270, y, w - 265, "Attributes");

    auto* quantityLabel = new QLabel(QStringLiteral("Quantity:"), window);
    quantityLabel->setGeometry(x, y + h - 25, 60, 20);
    quantityField_ = new QLineEdit(QStringLiteral("100"), window);
    quantityField_->setGeometry(65, y + h - 30, 50, 20);
    quantityField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    quantityField_->setMaxLength(std::numeric_limits<int>::max());
    quantityField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), window));

    auto* tableNameLabel = new QLabel(QStringLiteral("Table name:"), window);
    tableNameLabel->setGeometry(125, y + h - 25, 60, 20);
    tableNameField_ = new QLineEdit(QStringLiteral("mytable"), window);
    tableNameField_->setGeometry(195, y + h - 30, 120, 20);
    tableNameField_->setMaxLength(std::numeric_limits<int>::max());

    for (QLabel* label : {quantityLabel, tableNameLabel})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    chooseDeleteGlyph(deleteFont_, deleteText_);
}

// Rows are not released at shutdown: no generator gets a message, the widgets go with the window.
ColumnTable::~ColumnTable() = default;

QLabel* ColumnTable::createHeader(QWidget* window, int left, int top, int width,
                                  const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), window);
    label->setGeometry(left, top, width, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(1);
    return label;
}

int ColumnTable::addColumn() {
    if (rows_.size() >= maxColumns) {
        showError("Sorry. It is not possible to add more than 255 columns");
        return 0;
    }
    auto& row = *rows_.emplace_back(std::make_unique<ColumnRow>());
    const int n = static_cast<int>(rows_.size());
    const int top = (n - 1) * rowHeight;

    row.column = std::make_unique<ColumnObject>(types_, inner_, attributeLeft, top, 0);

    row.deleteButton = new QPushButton(inner_);
    row.deleteButton->setGeometry(0, top, 25, rowHeight);
    row.nameField = new QLineEdit(QStringLiteral("Column %1").arg(n), inner_);
    row.nameField->setGeometry(25, top, 80, rowHeight);
    row.nameField->setMaxLength(std::numeric_limits<int>::max());
    row.typeList = new QComboBox(inner_);
    row.typeList->setGeometry(105, top, 160, rowHeight);

    row.deleteButton->setFont(deleteFont_);
    row.deleteButton->setText(deleteText_);

    row.deleteTag = {"delete", row.column.get()};
    row.typeTag = {"changeType", row.column.get()};
    attachActionTag(row.deleteButton, row.deleteTag);
    attachActionTag(row.typeList, row.typeTag);

    for (const auto& type : types_)
        row.typeList->addItem(QString::fromUtf8(type.name));
    row.typeList->setCurrentIndex(0);

    QObject::connect(row.deleteButton, &QPushButton::clicked, row.deleteButton,
                     [this, button = row.deleteButton] { onWidgetEvent(button); });
    QObject::connect(row.typeList, &QComboBox::currentIndexChanged, row.typeList,
                     [this, list = row.typeList] { onWidgetEvent(list); });
    QObject::connect(row.nameField, &QLineEdit::textEdited, row.nameField,
                     [this, field = row.nameField] { onWidgetEvent(field); });

    for (QWidget* widget : {static_cast<QWidget*>(row.deleteButton),
                            static_cast<QWidget*>(row.nameField),
                            static_cast<QWidget*>(row.typeList)})
        widget->show();

    setInnerHeight();
    return 1;
}

int ColumnTable::flushColumns() {
    while (!rows_.empty()) {
        auto& row = *rows_.front();
        row.column->release();
        delete row.typeList;
        delete row.deleteButton;
        delete row.nameField;
        rows_.erase(rows_.begin());
    }
    return addColumn();
}

int ColumnTable::relayout() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        auto& row = *rows_[i];
        const int top = static_cast<int>(i) * rowHeight;
        row.column->move(attributeLeft, top);
        row.typeList->move(row.typeList->x(), top);
        row.deleteButton->move(row.deleteButton->x(), top);
        row.nameField->move(row.nameField->x(), top);
    }
    setInnerHeight();
    return 0;
}

int ColumnTable::onWidgetEvent(QWidget* widget) {
    const ActionTag* tag = actionTagOf(widget);
    if (!tag)
        return 0;
    if (tag->action == "changeType") {
        tag->column->changeType(static_cast<QComboBox*>(widget)->currentIndex());
        return 0;
    }
    if (tag->action == "delete") {
        const auto found = std::find_if(rows_.begin(), rows_.end(), [widget](const auto& row) {
            return row->deleteButton == widget;
        });
        if (found == rows_.end())
            return 0;
        auto& row = **found;
        // The button is the sender of the click being handled: it goes once control returns
        // to the event loop, and hidden until then so that it takes no further click.
        destroyRowWidgets(row);
        row.column->release();
        rows_.erase(found);
        relayout();
    }
    return 0;
}

void ColumnTable::destroyRowWidgets(ColumnRow& row) {
    row.deleteButton->hide();
    row.deleteButton->setProperty(actionTagProperty, QVariant());
    row.deleteButton->deleteLater();
    delete row.typeList;
    delete row.nameField;
}

void ColumnTable::setInnerHeight() {
    inner_->resize(inner_->width(), static_cast<int>(rows_.size()) * rowHeight);
}

} // namespace rowsmith
