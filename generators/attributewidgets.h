#pragma once

// Helpers for the labels and fields that generators place in a column row's attribute area.
// Positions are offsets from the column object's attribute-area origin.

#include <string>

#include <Qt>

class QLabel;
class QLineEdit;
class QWidget;

namespace rowsmith {

class ColumnObject;

struct Placement {
    int dx;
    int dy;
    int width;
    int height;
};

// A right-aligned static label, created in the column's container.
QLabel* createLabel(const ColumnObject& column, Placement at, const char* text);
// An empty single-line field without length limit, created in the column's container.
QLineEdit* createField(const ColumnObject& column, Placement at, Qt::Alignment alignment);
// Moves a widget to its place for the column's current origin, keeping its size.
void moveToOrigin(QWidget* widget, const ColumnObject& column, Placement at);
// A field made by createField: its text as UTF-8 bytes, converted again only after the text
// changed. The reference stays valid until the next call.
const std::string& fieldText(const QLineEdit* field);

} // namespace rowsmith
