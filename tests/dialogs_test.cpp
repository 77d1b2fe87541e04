// The production save dialog and question box, answered through their widgets as a user would.
#include "app/dialogs.h"

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

// Runs act on the modal dialog of type D once it shows, from within its event loop; act is to
// close it the way a user would.
template <class D> void whenModalShows(std::function<void(D&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        }
    });
    timer->start(10);
}

const SaveRequest request(const QTemporaryDir& folder) {
    return {"Export SQL as...",
            folder.path().toStdString() + "/",
            "unknown.sql",
            {{"SQL (*.sql)", "*.sql"}, {"To CLIPBOARD", "c.c"}}};
}

QComboBox* filterList(QFileDialog& dialog) {
    return dialog.findChild<QComboBox*>("fileTypeCombo");
}

QLineEdit* fileNameField(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>("fileNameEdit");
}

TEST(QtSaveDialog, OpensAsAskedAndReportsTheTypedNameAndTheChosenFilter) {
    QTemporaryDir folder;
    QStringList filters;
    QString shownName;
    whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Export SQL as...");
        EXPECT_EQ(dialog.directory().absolutePath(), folder.path());
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QComboBox* list = filterList(dialog);
        QLineEdit* name = fileNameField(dialog);
        if (!list || !name) {
            ADD_FAILURE() << "no filter list or name field";
            return;
        }
        for (int i = 0; i < list->count(); ++i)
            filters << list->itemText(i);
        EXPECT_EQ(list->currentIndex(), 0);
        shownName = name->text();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        // Emptying the field would select the folder itself, so type over the selected text.
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, "data");
        QTest::keyClick(name, Qt::Key_Return);
    });

    const SaveChoice choice = QtDialogs().saveFile(request(folder));

    EXPECT_EQ(filters, (QStringList{"SQL (*.sql)", "To CLIPBOARD"}));
    EXPECT_EQ(shownName, "unknown.sql");
    EXPECT_EQ(choice.path, folder.filePath("data").toStdString());
    EXPECT_EQ(choice.filterIndex, 1);
}

TEST(QtSaveDialog, DoesNotAskBeforeNamingAnExistingFile) {
    QTemporaryDir folder;
    QFile existing(folder.filePath("unknown.sql"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    whenModalShows<QFileDialog>(
        [](QFileDialog& dialog) { QTest::keyClick(fileNameField(dialog), Qt::Key_Return); });
    const SaveChoice choice = QtDialogs().saveFile(request(folder));
    EXPECT_EQ(choice.path, folder.filePath("unknown.sql").toStdString());
    EXPECT_EQ(choice.filterIndex, 0);
}

TEST(QtSaveDialog, CancelGivesNoPathAndNoFilter) {
    QTemporaryDir folder;
    whenModalShows<QFileDialog>(
        [](QFileDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    const SaveChoice choice = QtDialogs().saveFile(request(folder));
    EXPECT_EQ(choice.path, "");
    EXPECT_EQ(choice.filterIndex, -1);
}

class QtQuestionTest : public ::testing::TestWithParam<QMessageBox::StandardButton> {};

TEST_P(QtQuestionTest, AnswersWhatTheUserClicked) {
    whenModalShows<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Replace file");
        EXPECT_EQ(box.text(), "It exists.\nReplace it?");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
        QTest::mouseClick(box.button(GetParam()), Qt::LeftButton);
    });
    EXPECT_EQ(QtDialogs().ask("Replace file", "It exists.\nReplace it?"),
              GetParam() == QMessageBox::Yes);
}

INSTANTIATE_TEST_SUITE_P(YesAndNo, QtQuestionTest,
                         ::testing::Values(QMessageBox::Yes, QMessageBox::No));

} // namespace
} // namespace rowsmith
