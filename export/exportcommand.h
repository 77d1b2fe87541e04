#pragma once

// The command of the two export buttons: asks in a save dialog where the text goes, has the column
// table build it, and puts it on the clipboard or into the chosen file.

#include <string>

namespace rowsmith {

class ColumnTable;

// The button ids of the two export buttons, which the command gets as its export kind.
inline constexpr int exportSql = 0;
inline constexpr int exportXml = 1;

// Runs one export of the kind (exportSql or exportXml); returns 0.
int exportCommand(int kind, ColumnTable& table);

// True while an export command runs, from its save dialog to the delivery of its text.
bool exportRunning();

// The folder the next save dialog opens in, ending with "/": the executable's folder at the first
// export, then the folder of the last file name chosen. Kept for the run only.
const std::string& rememberedFolder();
// Empties it again, as at start.
void forgetRememberedFolder();

} // namespace rowsmith
