#include "export/exportcommand.h"

#include "app/dialogs.h"
#include "columns/columntable.h"
#include "export/exportprogress.h"
#include "export/memorybudget.h"

#include <new>

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

namespace rowsmith {

namespace {

struct ExportKindSettings {
    const char* initialFileName;
    const char* filterLabel;
    const char* filterPattern;
    const char* extension;
    const char* progressText;
    std::string (ColumnTable::*build)(ExportProgress*);
};

// The XML file name is spelled "unknkown.xml" on purpose; keep it.
constexpr ExportKindSettings sqlSettings{"unknown.sql", "SQL (*.sql)",      "*.sql",
                                         ".sql",        "Exporting SQL...", &ColumnTable::buildSql};
constexpr ExportKindSettings xmlSettings{"unknkown.xml",     "XML (*.xml)",         "*.xml", ".xml",
                                         "Exporting XML...", &ColumnTable::buildXml};
constexpr int clipboardFilter = 1;

bool running = false;

// Marks an export as running for its lifetime.
class RunningExport final {
public:
    RunningExport() { running = true; }
    ~RunningExport() { running = false; }
    RunningExport(const RunningExport&) = delete;
    RunningExport& operator=(const RunningExport&) = delete;
};

std::string& folderState() {
    static std::string folder;
    return folder;
}

// The path up to and including its last "/"; empty when it has none.
std::string folderOf(const std::string& path) {
    const auto separator = path.rfind('/');
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

SaveRequest saveRequestFor(const ExportKindSettings& kind) {
    // Both kinds share one dialog title.
    return {"Export SQL as...",
            rememberedFolder(),
            kind.initialFileName,
            {{kind.filterLabel, kind.filterPattern}, {"To CLIPBOARD", "c.c"}}};
}

void copyToClipboard(const std::string& text) {
    // The clipboard holds the text once more, in UTF-16.
    requireMemoryFor(2 * static_cast<std::uint64_t>(text.size()));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), text.size()));
}

// Writes through a temporary file that replaces the target only once every byte is on disk, so a
// failed write leaves any earlier file of that name as it was.
void writeFile(const std::string& path, const std::string& text) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        showError("Can't create file.\nDisk error.");
        return;
    }
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.commit())
        showError("Can't write file.\nDisk error.");
}

bool mayWrite(const std::string& path) {
    const QFileInfo target(QString::fromStdString(path));
    if (!target.exists() || target.isDir())
        return true;
    return dialogs().ask("Replace file", path + " already exists.\nDo you want to replace it?");
}

void deliver(const ExportKindSettings& kind, const SaveChoice& choice, const std::string& text) {
    if (choice.filterIndex == clipboardFilter) {
        copyToClipboard(text);
        return;
    }
    if (isBlank(choice.path))
        return;
    std::string path = choice.path;
    if (!path.ends_with(kind.extension))
        path += kind.extension;
    folderState() = folderOf(path);
    if (mayWrite(path))
        writeFile(path, text);
}

} // namespace

int exportCommand(int kind, ColumnTable& table) {
    if (kind != exportSql && kind != exportXml)
        return 0;
    const ExportKindSettings& settings = kind == exportSql ? sqlSettings : xmlSettings;
    if (folderState().empty())
        folderState() = folderOf(QCoreApplication::applicationFilePath().toStdString());
    const SaveChoice choice = dialogs().saveFile(saveRequestFor(settings));
    const RunningExport runningExport;
    try {
        // Built whatever the user chose: the build drives the generators, and that counts.
        std::string text;
        {
            const auto progress = dialogs().exportProgress(settings.progressText);
            text = (table.*settings.build)(progress.get());
        }
        deliver(settings, choice, text);
    } catch (const std::bad_alloc&) {
        showError("Not enough memory to export that many rows.");
    } catch (const ExportCancelled&) {
        // The user stopped the build: nothing is delivered.
    }
    return 0;
}

bool exportRunning() {
    return running;
}

const std::string& rememberedFolder() {
    return folderState();
}

void forgetRememberedFolder() {
    folderState().clear();
}

} // namespace rowsmith
