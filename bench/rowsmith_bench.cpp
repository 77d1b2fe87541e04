// Export benchmark: sets up the real window on the offscreen platform as one of a few column
// mixes, then runs the real export command (build, then file write or clipboard) for N rows and
// prints rows per second, MB per second and the peak resident memory.
//
//   rowsmith_bench MIX KIND ROWS TARGET [WORDLIST_FOLDER]
//     MIX     mixA | all15 | one
//     KIND    sql | xml
//     TARGET  a file path, or "clipboard"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/exportprogressdialog.h"
#include "app/mainwindow.h"
#include "export/exportcommand.h"
#include "generators/wordlists.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <sys/resource.h>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>

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

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5 || !mixes.contains(argv[1])) {
        std::fprintf(stderr, "usage: %s mixA|all15|one sql|xml ROWS FILE|clipboard [LISTS]\n",
                     argv[0]);
        return 2;
    }
    const std::string kind = argv[2];
    const long rows = std::atol(argv[3]);
    const std::string target = argv[4];
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    configureApplication(app);
    setWordListFolder(argc > 5 ? argv[5] : ROWSMITH_PROGRAM_DIR);

    MainWindow window;
    setUpMix(window.columnTable(), mixes.at(argv[1]), rows);
    const bool toClipboard = target == "clipboard";
    BenchDialogs answers(toClipboard ? SaveChoice{"", 1} : SaveChoice{target, 0});
    ScopedDialogs installed(answers);

    const auto start = std::chrono::steady_clock::now();
    exportCommand(kind == "xml" ? exportXml : exportSql, window.columnTable());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    const double bytes = toClipboard ? QApplication::clipboard()->text().toUtf8().size()
                                     : static_cast<double>(std::filesystem::file_size(target));
    std::printf("rows %ld bytes %.0f seconds %.3f rows/s %.0f MB/s %.1f peak_rss_mib %.1f\n", rows,
                bytes, elapsed.count(), rows / elapsed.count(), bytes / 1e6 / elapsed.count(),
                peakResidentKiB() / 1024.0);
    return 0;
}
