// The two export buttons, clicked on the real toolbar, with the save dialog answered by the test.
#include "app/mainwindow.h"
#include "export/exportcommand.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedtypes.h"
#include "tests/support/toolbarclicks.h"

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::clickToolbarButton;
using test::ProtocolEntry;
using test::protocolLog;
using test::RecordingDialogs;
using test::ShownMessage;

constexpr int toClipboard = 1;
const std::string twoSqlRows = "INSERT `mytable` (`id`,`name`) VALUES('1','Tom'); \r\n"
                               "INSERT `mytable` (`id`,`name`) VALUES('2','Bo'); \r\n";
const std::string twoXmlRows =
    "<mytable><line id=\"1\" name=\"Tom\" /><line id=\"2\" name=\"Bo\" /></mytable>";

struct Kind {
    const char* button;
    const char* extension;
    const std::string* twoRows;
    const char* noRows;
};
const Kind sql{"Export (SQL)", ".sql", &twoSqlRows, ""};
const Kind xml{"Export (XML)", ".xml", &twoXmlRows, "<mytable></mytable>"};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ExportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        forgetRememberedFolder();
        protocolLog().clear();
        QGuiApplication::clipboard()->setText("before");
        window.columnTable().rows()[0]->nameField->setText("id");
        window.columnTable().addColumn();
        window.columnTable().rows()[1]->nameField->setText("name");
        test::scriptColumns(window.columnTable(), {{"1", "2"}, {"Tom", "Bo"}});
        setQuantity("2");
    }

    void setQuantity(const char* text) {
        window.columnTable().quantityField()->clear();
        QTest::keyClicks(window.columnTable().quantityField(), text);
    }
    std::string inFolder(const std::string& name) const {
        return folder.path().toStdString() + "/" + name;
    }
    std::string folderPath() const { return folder.path().toStdString() + "/"; }
    // Clicks the button with the dialog answered by choice; returns the folder it opened in.
    std::string exportTo(const Kind& kind, SaveChoice choice) {
        dialogs.saveChoices.push_back(std::move(choice));
        clickToolbarButton(window, kind.button);
        return dialogs.saveRequests.empty() ? std::string() : dialogs.saveRequests.back().folder;
    }
    QStringList filesInFolder() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // The messages the export sent, in the order sent.
    std::vector<std::string> exportMessages() const {
        std::vector<std::string> messages;
        for (const auto& entry : protocolLog()) {
            if (entry.message != "ctor")
                messages.push_back(entry.message);
        }
        return messages;
    }
    std::string executableFolder() const {
        return QCoreApplication::applicationDirPath().toStdString() + "/";
    }

    RecordingDialogs dialogs;
    QTemporaryDir folder;
    MainWindow window{test::scriptedTypes()};
};

class ExportKindTest : public ExportCommandTest, public ::testing::WithParamInterface<Kind> {};

TEST_P(ExportKindTest, FirstDialogOpensInTheExecutablesFolderWithTheKindsSettings) {
    exportTo(GetParam(), {});
    const bool isSql = GetParam().extension == std::string(".sql");
    const SaveRequest expected{"Export SQL as...",
                               executableFolder(),
                               isSql ? "unknown.sql" : "unknkown.xml",
                               {{isSql ? "SQL (*.sql)" : "XML (*.xml)", isSql ? "*.sql" : "*.xml"},
                                {"To CLIPBOARD", "c.c"}}};
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0], expected);
}

TEST_P(ExportKindTest, CancellingStillBuildsTheTextButDeliversNothing) {
    exportTo(GetParam(), {"   ", -1});
    exportTo(GetParam(), {});
    EXPECT_EQ(exportMessages(),
              (std::vector<std::string>{"getContent", "getContent", "getContent", "getContent",
                                        "exported", "exported", "getContent", "getContent",
                                        "getContent", "getContent", "exported", "exported"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(rememberedFolder(), executableFolder());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(ExportKindTest, SavesExactlyTheTextIntoTheChosenFile) {
    exportTo(GetParam(), {inFolder("data"), 0});
    EXPECT_EQ(readFile(inFolder("data") + GetParam().extension), *GetParam().twoRows);
    EXPECT_EQ(filesInFolder().size(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(ExportKindTest, ClipboardGetsTheTextAndTheFileNameIsIgnored) {
    exportTo(GetParam(), {inFolder("data"), toClipboard});
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), *GetParam().twoRows);
    EXPECT_TRUE(filesInFolder().isEmpty());
    EXPECT_EQ(rememberedFolder(), executableFolder());
}

TEST_P(ExportKindTest, ZeroRowsAreDeliveredAsTheTextWithoutRows) {
    setQuantity("0");
    exportTo(GetParam(), {inFolder("empty"), 0});
    exportTo(GetParam(), {inFolder("ignored"), toClipboard});
    const QString written = QString("empty") + GetParam().extension;
    EXPECT_EQ(filesInFolder(), QStringList{written});
    EXPECT_EQ(readFile(inFolder(written.toStdString())), GetParam().noRows);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), GetParam().noRows);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExportKindTest, ::testing::Values(sql, xml));

struct ExtensionCase {
    const Kind* kind;
    const char* chosen;
    const char* written;
};

class ExtensionTest : public ExportCommandTest,
                      public ::testing::WithParamInterface<ExtensionCase> {};

TEST_P(ExtensionTest, TheExtensionIsAppendedUnlessTheNameEndsInItExactly) {
    exportTo(*GetParam().kind, {inFolder(GetParam().chosen), 0});
    EXPECT_EQ(filesInFolder(), QStringList{GetParam().written});
}

INSTANTIATE_TEST_SUITE_P(Names, ExtensionTest,
                         ::testing::Values(ExtensionCase{&sql, "data", "data.sql"},
                                           ExtensionCase{&sql, "data.sql", "data.sql"},
                                           ExtensionCase{&sql, "data.SQL", "data.SQL.sql"},
                                           ExtensionCase{&sql, "data.txt", "data.txt.sql"},
                                           ExtensionCase{&sql, "data.xml", "data.xml.sql"},
                                           ExtensionCase{&xml, "data", "data.xml"},
                                           ExtensionCase{&xml, "data.xml", "data.xml"},
                                           ExtensionCase{&xml, "data.XML", "data.XML.xml"},
                                           ExtensionCase{&xml, " data .sql ", " data .sql .xml"}));

TEST_F(ExportCommandTest, TheNextDialogOpensInTheFolderOfTheLastFileName) {
    QDir(folder.path()).mkdir("first");
    QDir(folder.path()).mkdir("second");
    exportTo(sql, {inFolder("first/a"), 0});
    EXPECT_EQ(exportTo(xml, {inFolder("second/ignored"), toClipboard}), inFolder("first/"));
    EXPECT_EQ(exportTo(sql, {}), inFolder("first/"));
    EXPECT_EQ(exportTo(xml, {inFolder("second/b"), 0}), inFolder("first/"));
    EXPECT_EQ(exportTo(sql, {}), inFolder("second/"));
}

TEST_F(ExportCommandTest, AFileThatCannotBeCreatedIsReportedAndItsFolderRemembered) {
    // A regular file in place of a folder: no user, root included, can create a file inside it.
    writeFile(inFolder("plain"), "x");
    exportTo(sql, {inFolder("plain/data"), 0});
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{{MessageIcon::Error, "Error",
                                                            "Can't create file.\nDisk error."}}));
    EXPECT_EQ(exportTo(sql, {}), inFolder("plain/"));
    EXPECT_EQ(readFile(inFolder("plain")), "x");
}

TEST_F(ExportCommandTest, AnExistingFileIsReplacedOnlyAfterAYes) {
    writeFile(inFolder("data.sql"), "earlier");
    dialogs.answers = {false, true};
    exportTo(sql, {inFolder("data"), 0});
    EXPECT_EQ(readFile(inFolder("data.sql")), "earlier");
    exportTo(sql, {inFolder("data.sql"), 0});
    EXPECT_EQ(readFile(inFolder("data.sql")), twoSqlRows);

    const test::AskedQuestion question{
        "Replace file", inFolder("data.sql") + " already exists.\nDo you want to replace it?"};
    EXPECT_EQ(dialogs.questions, (std::vector<test::AskedQuestion>{question, question}));
    EXPECT_EQ(filesInFolder(), QStringList{"data.sql"});
    EXPECT_TRUE(dialogs.messages.empty());
}

// Files of the process may not grow beyond a limit while it lives; writes beyond it fail the way
// they fail on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(ExportCommandTest, AFailedWriteIsReportedAndLeavesTheEarlierFileAsItWas) {
    writeFile(inFolder("data.sql"), "earlier");
    test::scriptColumns(window.columnTable(), {{std::string(1000, '1')}, {"x"}});
    setQuantity("100");
    dialogs.answers = {true};
    {
        const FileSizeLimit limit(16 * 1024);
        exportTo(sql, {inFolder("data.sql"), 0});
    }
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{{MessageIcon::Error, "Error",
                                                            "Can't write file.\nDisk error."}}));
    EXPECT_EQ(readFile(inFolder("data.sql")), "earlier");
    EXPECT_EQ(filesInFolder(), QStringList{"data.sql"});
}

class MemoryRefusalTest : public ExportCommandTest, public ::testing::WithParamInterface<int> {};

TEST_P(MemoryRefusalTest, TooManyRowsAreRefusedAfterOneRowAndNothingIsDelivered) {
    writeFile(inFolder("data.sql"), "earlier");
    test::scriptColumns(window.columnTable(), {{std::string(1000, '1')}, {"x"}});
    setQuantity("2147483647");
    dialogs.answers = {true};
    exportTo(sql, {inFolder("data.sql"), GetParam()});

    EXPECT_EQ(dialogs.messages,
              (std::vector<ShownMessage>{
                  {MessageIcon::Error, "Error", "Not enough memory to export that many rows."}}));
    EXPECT_EQ(exportMessages(),
              (std::vector<std::string>{"getContent", "getContent", "exported", "exported"}));
    EXPECT_EQ(readFile(inFolder("data.sql")), "earlier");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST_P(MemoryRefusalTest, AValueThatCannotBeHadEndsTheExportWithoutDelivering) {
    writeFile(inFolder("data.xml"), "earlier");
    test::scripted(*window.columnTable().rows()[1]).failAt = 1;
    dialogs.answers = {true};
    exportTo(xml, {inFolder("data.xml"), GetParam()});

    EXPECT_EQ(dialogs.messages,
              (std::vector<ShownMessage>{
                  {MessageIcon::Error, "Error", "Not enough memory to export that many rows."}}));
    EXPECT_EQ(exportMessages(), (std::vector<std::string>{"getContent", "getContent", "getContent",
                                                          "getContent", "exported", "exported"}));
    EXPECT_EQ(readFile(inFolder("data.xml")), "earlier");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

INSTANTIATE_TEST_SUITE_P(ToFileAndToClipboard, MemoryRefusalTest, ::testing::Values(0, 1));

} // namespace
} // namespace rowsmith
