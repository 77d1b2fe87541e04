#include "app/commands.h"

#include "app/commandbar.h"
#include "app/dialogs.h"
#include "app/pngimage.h"
#include "columns/columntable.h"
#include "export/exportcommand.h"

#include <QImage>
#include <QString>

namespace rowsmith {

const char* const aboutText = "Rowsmith - written by the Rowsmith authors, 2010\r\n"
                              "All rights reserved.\r\n"
                              "\r\n"
                              "Contact: rowsmith@example.org\r\n"
                              "Homepage: https://www.example.org/rowsmith\r\n"
                              "\r\n"
                              "Program version 1.00";

int tableCommand(int buttonId, ColumnTable& table) {
    switch (buttonId) {
    case addColumnButton:
        table.addColumn();
        break;
    case flushColumnsButton:
        table.flushColumns();
        break;
    case aboutButton:
        dialogs().message(MessageIcon::Information, "About...", aboutText);
        break;
    default:
        break;
    }
    return 0;
}

void addToolbarEntries(CommandBar& bar, ColumnTable& table) {
    const auto button = [&](int id, const char* icon, const char* label, CommandCallback command) {
        bar.addButton(id, embeddedImage(QString::fromLatin1(icon)), QString::fromLatin1(label),
                      command, table);
    };
    button(exportSql, "export-sql.png", "Export (SQL)", exportCommand);
    button(exportXml, "export-xml.png", "Export (XML)", exportCommand);
    bar.addSeparator();
    button(addColumnButton, "add-column.png", "Add column", tableCommand);
    button(flushColumnsButton, "flush-columns.png", "Flush column list", tableCommand);
    bar.addSeparator();
    button(aboutButton, "about.png", "About...", tableCommand);
}

} // namespace rowsmith
