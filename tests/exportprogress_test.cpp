// Long exports: progress reports, the progress window, Cancel and the refused close.
#include "app/exportprogressdialog.h"
#include "app/mainwindow.h"
#include "export/exportcommand.h"
#include "export/exportprogress.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/toolbarclicks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::clickToolbarButton;
using test::RecordingDialogs;

constexpr int incremental = 6;

// Answers progress reports from a script and records them.
class ScriptedProgress final : public ExportProgress {
public:
    explicit ScriptedProgress(std::vector<bool> answers) : answers_(std::move(answers)) {}
    bool rowsDone(std::int32_t done, std::int32_t total) override {
        reports.emplace_back(done, total);
        return reports.size() <= answers_.size() ? answers_[reports.size() - 1] : true;
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> reports;

private:
    std::vector<bool> answers_;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

QProgressDialog* visibleProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// One "Incremental" column counting from 1.
class LongExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        forgetRememberedFolder();
        table().rows()[0]->nameField->setText("id");
        table().rows()[0]->typeList->setCurrentIndex(incremental);
        startField()->setText("1");
        setQuantity("3000000");
    }

    ColumnTable& table() { return window.columnTable(); }
    QLineEdit* startField() {
        for (auto* field : table().scrollingArea()->widget()->findChildren<QLineEdit*>()) {
            if (field->x() > attributeLeft)
                return field;
        }
        return nullptr;
    }
    void setQuantity(const char* text) { table().quantityField()->setText(text); }
    std::string path(const char* name) const { return folder.path().toStdString() + "/" + name; }

    RecordingDialogs dialogs;
    MainWindow window;
    QTemporaryDir folder;
};

TEST_F(LongExportTest, BuildReportsEveryFewThousandRowsWithTheTotal) {
    setQuantity("10000");
    ScriptedProgress progress({true, true});
    const std::string text = table().buildSql(&progress);
    using Reports = decltype(progress.reports);
    EXPECT_EQ(progress.reports, (Reports{{4096, 10000}, {8192, 10000}}));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10000);
}

TEST_F(LongExportTest, ACancelledBuildStillEndsTheExportForEveryColumn) {
    ScriptedProgress progress({true, false});
    EXPECT_THROW(table().buildXml(&progress), ExportCancelled);
    EXPECT_EQ(progress.reports.size(), 2u);
    // "exported" reached the counter: the next export starts again at the start value.
    setQuantity("2");
    EXPECT_EQ(table().buildXml(), "<mytable><line id=\"1\" /><line id=\"2\" /></mytable>");
}

TEST_F(LongExportTest, CancelInTheProgressWindowDeliversNothing) {
    dialogs.makeProgress = [](const std::string& text) {
        return std::make_unique<ExportProgressDialog>(QString::fromStdString(text),
                                                      std::chrono::milliseconds(0));
    };
    dialogs.saveChoices.push_back({path("data.sql"), 0});
    QString label;
    bool modal = false;
    bool closed = true;
    QTimer::singleShot(0, [&] {
        QProgressDialog* progress = visibleProgressDialog();
        ASSERT_NE(progress, nullptr);
        label = progress->labelText();
        modal = progress->isModal();
        closed = window.close();
        auto* cancel = progress->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    window.show();
    clickToolbarButton(window, "Export (SQL)");
    const std::string folderAfterCancel = rememberedFolder();

    EXPECT_TRUE(label.startsWith("Exporting SQL...")) << label.toStdString();
    EXPECT_TRUE(label.contains(" of 3000000 rows")) << label.toStdString();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(closed) << "the window must not close while an export runs";
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(std::filesystem::exists(path("data.sql")));
    EXPECT_NE(folderAfterCancel, folder.path().toStdString() + "/");
    EXPECT_TRUE(dialogs.messages.empty());

    // The counter starts again, and the next export delivers as usual.
    setQuantity("3");
    dialogs.saveChoices.push_back({path("data.sql"), 0});
    clickToolbarButton(window, "Export (SQL)");
    EXPECT_EQ(readFile(path("data.sql")), "INSERT `mytable` (`id`) VALUES('1'); \r\n"
                                          "INSERT `mytable` (`id`) VALUES('2'); \r\n"
                                          "INSERT `mytable` (`id`) VALUES('3'); \r\n");
    EXPECT_TRUE(window.close()) << "closing works again once the export is over";
}

TEST_F(LongExportTest, EachExportAsksForAProgressWindowOfItsKind) {
    dialogs.saveChoices.push_back({path("short.xml"), 0});
    setQuantity("5000");
    clickToolbarButton(window, "Export (XML)");
    EXPECT_EQ(dialogs.progressTexts, (std::vector<std::string>{"Exporting XML..."}));
    EXPECT_TRUE(std::filesystem::exists(path("short.xml")));
}

TEST(ExportProgressDialog, StaysHiddenWhileTheBuildIsShort) {
    ExportProgressDialog progress("Exporting SQL...");
    EXPECT_TRUE(progress.rowsDone(4096, 100000));
    EXPECT_EQ(visibleProgressDialog(), nullptr);
}

} // namespace
} // namespace rowsmith
