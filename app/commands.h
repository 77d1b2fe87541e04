#pragma once

// What the toolbar buttons do, and the buttons start-up puts on the toolbar.

namespace rowsmith {

class ColumnTable;
class CommandBar;

// Button ids of the toolbar; 0 and 1 are the export kinds of the export command.
inline constexpr int addColumnButton = 2;
inline constexpr int flushColumnsButton = 3;
inline constexpr int aboutButton = 4;

// The About box's seven lines, separated by CR LF.
extern const char* const aboutText;

// The command of "Add column", "Flush column list" and "About..."; any other id does nothing.
// Returns 0.
int tableCommand(int buttonId, ColumnTable& table);

// The five buttons and two separators, left to right, each with the table as its user value.
void addToolbarEntries(CommandBar& bar, ColumnTable& table);

} // namespace rowsmith
