// Benchmarks of Rowsmith, on the offscreen platform with the real window and export path.
//
//   rowsmith_bench MIX KIND ROWS TARGET [WORDLIST_FOLDER]
//       sets the window up as a column mix, runs the export command (build, then file write or
//       clipboard) for ROWS rows; prints rows per second, MB per second, peak resident memory.
//       MIX: mixA | all15 | one; KIND: sql | xml; TARGET: a file path, or "clipboard"
//   rowsmith_bench window
//       seconds to build and show the window, to add 254 rows one by one, to flush them
//   rowsmith_bench wordlist LINES
//       seconds to read a word-list file of LINES lines (about 20 bytes each), and per lookup
//   rowsmith_bench usernames
//       nanoseconds per "Username (Unique)" value over the first 1,000 and 1,000,000 values

#include "app/application.h"
#include "app/dialogs.h"
#include "app/exportprogressdialog.h"
#include "app/mainwindow.h"
#include "export/exportcommand.h"
#include "generators/random.h"
#include "generators/usernames.h"
#include "generators/wordlists.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>

namespace {

using namespace rowsmith;

struct ColumnSpec {
    const char* name;
    const char* type;
    std::vector<const char*> attributes; // typed into the row's fields from left to right
};

const std::map<std::string, std::vector<ColumnSpec>> mixes = {
    {"mixA",
     {{"id", "Incremental", {"1"}},
      {"price", "Random price", {"9.99", "19.99"}},
      {"city", "City", {}},
      {"email", "eMail", {}},
      {"user", "Username (Unique)", {}},
      {"words", "Lorem ipsum", {"5"}},
      {"n", "Number range", {"-1000", "1000"}}}},
    {"all15",
     {{"n", "Number range", {"-1000", "1000"}},
      {"words", "Lorem ipsum", {"5"}},
      {"city", "City", {}},
      {"country", "Country", {}},
      {"hobby", "Hobbies", {}},
      {"fixed", "Free definable", {"O'Brien & <Sons>"}},
      {"up", "Incremental", {"1"}},
      {"down", "Decremental", {"1000000"}},
      {"price", "Random price", {"9.99", "19.99"}},
      {"masc", "Masculin name", {}},
      {"fem", "Feminin name", {}},
      {"pre", "Prename", {}},
      {"user", "Username (Unique)", {}},
      {"email", "eMail", {}},
      {"any", "Name (Random gender)", {}}}},
    {"one", {{"n", "Number range", {"-1000", "1000"}}}},
};

// Answers the save dialog with a fixed choice; any message box is a failure of the run.
class BenchDialogs final : public Dialogs {
public:
    explicit BenchDialogs(SaveChoice choice) : choice_(std::move(choice)) {}
    void message(MessageIcon, const std::string&, const std::string& text) override {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        std::exit(1);
    }
    SaveChoice saveFile(const SaveRequest&) override { return choice_; }
    bool ask(const std::string&, const std::string&) override { return true; }
    // The program's own progress window, so that its cost is measured too.
    std::unique_ptr<ExportProgress> exportProgress(const std::string& text) override {
        return std::make_unique<ExportProgressDialog>(QString::fromStdString(text));
    }

private:
    SaveChoice choice_;
};

// The row's attribute fields, left to right.
std::vector<QLineEdit*> attributeFields(ColumnTable& table, const ColumnRow& row) {
    std::vector<QLineEdit*> fields;
    for (auto* field : table.scrollingArea()->widget()->findChildren<QLineEdit*>()) {
        if (field->y() == row.nameField->y() && field->x() >= attributeLeft)
            fields.push_back(field);
    }
    std::sort(fields.begin(), fields.end(),
              [](const QLineEdit* a, const QLineEdit* b) { return a->x() < b->x(); });
    return fields;
}

void setUpMix(ColumnTable& table, const std::vector<ColumnSpec>& mix, long rows) {
    table.flushColumns();
    for (std::size_t i = 1; i < mix.size(); ++i)
        table.addColumn();
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const ColumnRow& row = *table.rows()[i];
        row.nameField->setText(QString::fromUtf8(mix[i].name));
        row.typeList->setCurrentText(QString::fromUtf8(mix[i].type));
        const auto fields = attributeFields(table, row);
        for (std::size_t f = 0; f < mix[i].attributes.size() && f < fields.size(); ++f)
            fields[f]->setText(QString::fromUtf8(mix[i].attributes[f]));
    }
    table.quantityField()->setText(QString::number(rows));
    table.tableNameField()->setText(QStringLiteral("mytable"));
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Bytes of the text in UTF-8, counted without making a copy of it.
double utf8Size(const QString& text) {
    double bytes = 0;
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 || c.isSurrogate() ? 2 : 3;
    return bytes;
}

// From the kernel's start time of this process (in clock ticks, 10 ms here) to now.
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field; // field 22: the start time
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 -
           std::stod(field) / ticks;
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int runExport(int argc, char** argv) {
    const std::string kind = argv[2];
    const long rows = std::atol(argv[3]);
    const std::string target = argv[4];
    setWordListFolder(argc > 5 ? argv[5] : ROWSMITH_PROGRAM_DIR);

    MainWindow window;
    setUpMix(window.columnTable(), mixes.at(argv[1]), rows);
    const bool toClipboard = target == "clipboard";
    BenchDialogs answers(toClipboard ? SaveChoice{"", 1} : SaveChoice{target, 0});
    ScopedDialogs installed(answers);

    const auto start = std::chrono::steady_clock::now();
    exportCommand(kind == "xml" ? exportXml : exportSql, window.columnTable());
    const double seconds = secondsSince(start);

    const double bytes = toClipboard ? utf8Size(QApplication::clipboard()->text())
                                     : static_cast<double>(std::filesystem::file_size(target));
    std::printf("rows %ld bytes %.0f seconds %.3f rows/s %.0f MB/s %.1f peak_rss_mib %.1f\n", rows,
                bytes, seconds, rows / seconds, bytes / 1e6 / seconds, peakResidentKiB() / 1024.0);
    return 0;
}

int runWindow() {
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    const double shown = secondsSinceProcessStart();
    auto start = std::chrono::steady_clock::now();
    start = std::chrono::steady_clock::now();
    while (window.columnTable().addColumn() == 1 && window.columnTable().rows().size() < 255)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const double added = secondsSince(start);
    start = std::chrono::steady_clock::now();
    window.columnTable().flushColumns();
    QCoreApplication::processEvents();
    const double flushed = secondsSince(start);
    std::printf(
        "window_shown_since_process_start_s %.2f add_254_rows_s %.3f flush_255_rows_s %.3f\n",
        shown, added, flushed);
    return 0;
}

int runWordList(long lines) {
    QTemporaryDir folder;
    {
        std::FILE* file = std::fopen((folder.path() + "/big.txt").toUtf8().constData(), "wb");
        for (long i = 0; i < lines; ++i)
            std::fprintf(file, "word%014ld\r\n", i);
        std::fclose(file);
    }
    setWordListFolder(folder.path().toStdString());
    auto start = std::chrono::steady_clock::now();
    const int count = getWordList("big", "big.txt").count();
    const double read = secondsSince(start);
    constexpr int lookups = 1000000;
    start = std::chrono::steady_clock::now();
    long found = 0;
    for (int i = 0; i < lookups; ++i)
        found += getWordList("big", "big.txt").count();
    const double perLookup = secondsSince(start) / lookups;
    std::printf("words %d bytes %ld read_s %.3f lookup_ns %.1f found %ld\n", count, lines * 20,
                read, perLookup * 1e9, found);
    return 0;
}

int runUsernames() {
    clearUsernameRegistry();
    std::string lastUsername;
    const auto nanosecondsPerValue = [&lastUsername](long values) {
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < values; ++i)
            lastUsername = makeUsername(7, randomSource());
        return secondsSince(start) * 1e9 / static_cast<double>(values);
    };
    const double first = nanosecondsPerValue(1000);
    const double million = nanosecondsPerValue(1000000);
    std::printf("username_ns_first_1000 %.1f username_ns_next_1000000 %.1f last %s\n", first,
                million, lastUsername.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    configureApplication(app);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window")
        return runWindow();
    if (mode == "wordlist" && argc > 2)
        return runWordList(std::atol(argv[2]));
    if (mode == "usernames")
        return runUsernames();
    if (argc >= 5 && mixes.contains(mode))
        return runExport(argc, argv);
    std::fprintf(stderr,
                 "usage: %s mixA|all15|one sql|xml ROWS FILE|clipboard [LISTS]\n"
                 "       %s window | wordlist LINES | usernames\n",
                 argv[0], argv[0]);
    return 2;
}
