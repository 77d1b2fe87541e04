#pragma once

// The column editor of the main window: one row per database column (delete button, name field,
// type list, and the attribute area filled by the row's generator) in a scrolling area, plus the
// quantity and table-name fields below it.

#include "columns/columnobject.h"
#include "columns/typetable.h"

#include <memory>
#include <string>
#include <vector>

#include <QFont>
#include <QRect>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QWidget;

namespace rowsmith {

class ExportProgress;

inline constexpr int maxColumns = 255;
inline constexpr int rowHeight = 25;
inline constexpr int attributeLeft = 265;

// Attached to a row's delete button and type list: what a widget event on it means.
struct ActionTag {
    std::string action;
    ColumnObject* column;
};

struct ColumnRow {
    std::unique_ptr<ColumnObject> column;
    QLineEdit* nameField = nullptr;
    QPushButton* deleteButton = nullptr;
    QComboBox* typeList = nullptr;
    ActionTag deleteTag;
    ActionTag typeTag;
};

class ColumnTable final {
public:
    ColumnTable(QWidget* window, QRect rect, const TypeTable& types = standardTypes());
    ~ColumnTable();
    ColumnTable(const ColumnTable&) = delete;
    ColumnTable& operator=(const ColumnTable&) = delete;

    // Appends a row of type "Number range"; 0 and an error box when 255 rows exist.
    int addColumn();
    // Removes every row and adds a fresh first one.
    int flushColumns();
    // Moves every row to the top its position gives it.
    int relayout();
    QScrollArea* scrollingArea() const { return scrollingArea_; }
    // Acts on widgets that carry an action tag; every other widget is ignored.
    int onWidgetEvent(QWidget* widget);
    // The export texts, built from the fields and generators: the SQL script
    // (export/sqlwriter.cpp) and the XML document (export/xmlwriter.cpp).
    std::string buildSql(ExportProgress* progress = nullptr);
    std::string buildXml(ExportProgress* progress = nullptr);

    QLineEdit* quantityField() const { return quantityField_; }
    QLineEdit* tableNameField() const { return tableNameField_; }
    const std::vector<std::unique_ptr<ColumnRow>>& rows() const { return rows_; }
    const QFont& deleteButtonFont() const { return deleteFont_; }
    const QString& deleteButtonText() const { return deleteText_; }

private:
    QLabel* createHeader(QWidget* window, int left, int top, int width, const char* text);
    void destroyRowWidgets(ColumnRow& row);
    void setInnerHeight();

    const TypeTable& types_;
    QScrollArea* scrollingArea_ = nullptr;
    QWidget* inner_ = nullptr;
    QLineEdit* quantityField_ = nullptr;
    QLineEdit* tableNameField_ = nullptr;
    QFont deleteFont_;
    QString deleteText_;
    std::vector<std::unique_ptr<ColumnRow>> rows_;
};

} // namespace rowsmith
