#include "app/mainwindow.h"
#include "columns/columntable.h"
#include "columns/typetable.h"
#include "generators/rangegenerators.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/widgetfinder.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::RecordingDialogs;
using test::widgetAt;

// Protocol messages in the order the generators received them: (type index, message).
std::vector<std::pair<int, std::string>> protocolLog;

template <int index> std::string recordingGenerator(ColumnObject& column, std::string_view m) {
    protocolLog.emplace_back(index, std::string(m));
    return standardTypes()[index].generator(column, m);
}

template <std::size_t... i> TypeTable recordingTypes(std::index_sequence<i...>) {
    return TypeTable{{{standardTypes()[i].name, recordingGenerator<static_cast<int>(i)>}...}};
}

const TypeTable& recordingTable() {
    static const TypeTable table = recordingTypes(std::make_index_sequence<typeCount>());
    return table;
}

class ColumnTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        protocolLog.clear();
        window.setFixedSize(windowWidth, windowHeight);
        window.show();
    }

    QWidget* inner() { return table.scrollingArea()->widget(); }
    const ColumnRow& row(std::size_t i) { return *table.rows().at(i); }
    QLineEdit* fieldAt(int x, int y) { return widgetAt<QLineEdit>(inner(), QPoint(x, y)); }
    // The "From:" field of row i, found by its place on screen.
    QLineEdit* fromField(int i) { return fieldAt(attributeLeft + 45, i * rowHeight + 10); }
    void clickDeleteAt(int y) {
        auto* button = widgetAt<QPushButton>(inner(), QPoint(10, y));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::vector<std::string> names() {
        std::vector<std::string> result;
        for (const auto& r : table.rows())
            result.push_back(r->nameField->text().toStdString());
        return result;
    }

    RecordingDialogs dialogs;
    QWidget window;
    ColumnTable table{&window, QRect(5, 30, 630, 450), recordingTable()};
};

TEST_F(ColumnTableTest, StartsEmptyAndTheFirstRowIsANumberRange) {
    EXPECT_TRUE(table.rows().empty());
    EXPECT_EQ(inner()->height(), 0);
    ASSERT_EQ(table.addColumn(), 1);
    ASSERT_EQ(table.rows().size(), 1u);
    EXPECT_EQ(row(0).nameField->text(), "Column 1");
    EXPECT_EQ(row(0).typeList->currentIndex(), 0);
    EXPECT_EQ(row(0).typeList->currentText(), "Number range");
    EXPECT_EQ(row(0).column->typeIndex(), 0);
    EXPECT_EQ(table.quantityField()->text(), "100");
    EXPECT_EQ(table.tableNameField()->text(), "mytable");
    EXPECT_EQ(inner()->height(), 25);
    ASSERT_NE(fromField(0), nullptr);
    EXPECT_TRUE(fromField(0)->text().isEmpty());
    // The generator's widgets exist before the row's own ones.
    EXPECT_EQ(protocolLog, (decltype(protocolLog){{0, "ctor"}}));
}

TEST_F(ColumnTableTest, TypeListOffersTheFifteenTypesInOrder) {
    table.addColumn();
    const QStringList expected = {"Number range",  "Lorem ipsum",   "City",
                                  "Country",       "Hobbies",       "Free definable",
                                  "Incremental",   "Decremental",   "Random price",
                                  "Masculin name", "Feminin name",  "Prename",
                                  "Username (Unique)", "eMail",     "Name (Random gender)"};
    QStringList shown;
    for (int i = 0; i < row(0).typeList->count(); ++i)
        shown << row(0).typeList->itemText(i);
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(row(0).typeList->isEditable());
}

struct Geometry {
    const char* text;
    QRect rect;
    Qt::Alignment alignment;
};

TEST_F(ColumnTableTest, WindowWidgetsSitWhereTheyBelong) {
    const Geometry expected[] = {
        {"-", {5, 30, 25, 20}, Qt::AlignCenter},
        {"Column name", {30, 30, 80, 20}, Qt::AlignCenter},
        {"Data type", {110, 30, 160, 20}, Qt::AlignCenter},
        {"Attributes", {270, 30, 365, 20}, Qt::AlignCenter},
        {"Quantity:", {5, 455, 60, 20}, Qt::AlignLeft},
        {"Table name:", {125, 455, 60, 20}, Qt::AlignLeft},
    };
    for (const auto& e : expected) {
        auto* label = widgetAt<QLabel>(&window, e.rect.center());
        ASSERT_NE(label, nullptr) << e.text;
        EXPECT_EQ(label->text(), e.text);
        EXPECT_EQ(label->geometry(), e.rect) << e.text;
        EXPECT_TRUE(label->alignment() & e.alignment) << e.text;
        const bool framed = label->alignment() == Qt::AlignCenter;
        EXPECT_EQ(label->frameShadow() == QFrame::Raised, framed) << e.text;
    }
    EXPECT_EQ(table.scrollingArea()->geometry(), QRect(5, 50, 630, 395));
    EXPECT_EQ(table.scrollingArea()->verticalScrollBar()->singleStep(), 30);
    EXPECT_EQ(inner()->width(), 590);
    EXPECT_EQ(table.quantityField()->geometry(), QRect(65, 450, 50, 20));
    EXPECT_TRUE(table.quantityField()->alignment() & Qt::AlignRight);
    EXPECT_EQ(table.tableNameField()->geometry(), QRect(195, 450, 120, 20));
    EXPECT_TRUE(table.tableNameField()->alignment() & Qt::AlignLeft);
}

TEST_F(ColumnTableTest, RowsStackTwentyFivePixelsApart) {
    for (int i = 0; i < 3; ++i)
        table.addColumn();
    for (int i = 0; i < 3; ++i) {
        const int top = i * 25;
        EXPECT_EQ(row(i).deleteButton->geometry(), QRect(0, top, 25, 25));
        EXPECT_EQ(row(i).nameField->geometry(), QRect(25, top, 80, 25));
        EXPECT_EQ(row(i).typeList->geometry(), QRect(105, top, 160, 25));
        EXPECT_EQ(row(i).column->originX(), 265);
        EXPECT_EQ(row(i).column->originY(), top);
        EXPECT_EQ(row(i).nameField->text(), QString("Column %1").arg(i + 1));
        auto& range = row(i).column->state<RangeState>();
        EXPECT_EQ(range.fromLabel->geometry(), QRect(265, top + 5, 40, 20));
        EXPECT_EQ(range.fromField->geometry(), QRect(305, top, 40, 25));
        EXPECT_EQ(range.toLabel->geometry(), QRect(345, top + 5, 40, 20));
        EXPECT_EQ(range.toField->geometry(), QRect(385, top, 40, 25));
        EXPECT_TRUE(range.fromLabel->alignment() & Qt::AlignRight);
        EXPECT_TRUE(range.toField->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(inner()->height(), 75);
}

TEST_F(ColumnTableTest, TheTwoHundredFiftySixthRowIsRefused) {
    for (int i = 0; i < 255; ++i)
        ASSERT_EQ(table.addColumn(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(table.addColumn(), 0);
    EXPECT_EQ(table.rows().size(), 255u);
    EXPECT_EQ(inner()->height(), 255 * 25);
    EXPECT_EQ(row(254).nameField->text(), "Column 255");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (test::ShownMessage{MessageIcon::Error, "Error",
                                  "Sorry. It is not possible to add more than 255 columns"}));
}

TEST_F(ColumnTableTest, DeletingAMiddleRowMovesTheRestUpWithTheirText) {
    for (int i = 0; i < 4; ++i)
        table.addColumn();
    for (int i = 0; i < 4; ++i)
        QTest::keyClicks(fromField(i), QString::number(10 * (i + 1)));
    protocolLog.clear();

    clickDeleteAt(25 + 12);

    EXPECT_EQ(names(), (std::vector<std::string>{"Column 1", "Column 3", "Column 4"}));
    EXPECT_EQ(fromField(0)->text(), "10");
    EXPECT_EQ(fromField(1)->text(), "30");
    EXPECT_EQ(fromField(2)->text(), "40");
    EXPECT_EQ(inner()->height(), 75);
    EXPECT_EQ(row(1).typeList->y(), 25);
    // The deleted row's generator is released; every remaining row moves, also the first.
    EXPECT_EQ(protocolLog, (decltype(protocolLog){
                               {0, "release"}, {0, "move"}, {0, "move"}, {0, "move"}}));

    // A second click at the same place hits the row that moved up.
    clickDeleteAt(25 + 12);
    EXPECT_EQ(names(), (std::vector<std::string>{"Column 1", "Column 4"}));
    EXPECT_EQ(fromField(1)->text(), "40");
}

TEST_F(ColumnTableTest, NamesAreNotKeptUniqueAndAnEmptyTableStartsAgainAtTheTop) {
    for (int i = 0; i < 3; ++i)
        table.addColumn();
    clickDeleteAt(5);
    table.addColumn();
    EXPECT_EQ(names(), (std::vector<std::string>{"Column 2", "Column 3", "Column 3"}));
    for (int i = 0; i < 3; ++i)
        clickDeleteAt(5);
    EXPECT_TRUE(table.rows().empty());
    EXPECT_EQ(inner()->height(), 0);
    table.addColumn();
    EXPECT_EQ(names(), (std::vector<std::string>{"Column 1"}));
    EXPECT_EQ(row(0).deleteButton->y(), 0);
}

TEST_F(ColumnTableTest, FlushLeavesOneFreshRowAndKeepsTheFields) {
    for (int i = 0; i < 5; ++i)
        table.addColumn();
    row(0).typeList->setCurrentIndex(8);
    table.quantityField()->setText("7");
    table.tableNameField()->setText("people");
    protocolLog.clear();

    EXPECT_EQ(table.flushColumns(), 1);

    EXPECT_EQ(names(), (std::vector<std::string>{"Column 1"}));
    EXPECT_EQ(row(0).typeList->currentIndex(), 0);
    EXPECT_EQ(inner()->height(), 25);
    EXPECT_EQ(table.quantityField()->text(), "7");
    EXPECT_EQ(table.tableNameField()->text(), "people");
    EXPECT_EQ(protocolLog, (decltype(protocolLog){{8, "release"},
                                                  {0, "release"},
                                                  {0, "release"},
                                                  {0, "release"},
                                                  {0, "release"},
                                                  {0, "ctor"}}));
    // Only the new row's widgets remain in the scrolling area.
    EXPECT_EQ(inner()->findChildren<QLineEdit*>().size(), 3);
}

TEST_F(ColumnTableTest, ChoosingAnotherTypeReleasesTheOldGeneratorThenCreatesTheNew) {
    table.addColumn();
    QTest::keyClicks(fromField(0), "5");
    protocolLog.clear();

    row(0).typeList->setCurrentIndex(8);
    EXPECT_EQ(protocolLog, (decltype(protocolLog){{0, "release"}, {8, "ctor"}}));
    EXPECT_EQ(row(0).column->typeIndex(), 8);
    ASSERT_NE(fromField(0), nullptr);
    EXPECT_TRUE(fromField(0)->text().isEmpty()) << "new widgets start empty";

    row(0).typeList->setCurrentIndex(2);
    EXPECT_EQ(fromField(0), nullptr) << "a type without attributes leaves the area empty";
}

TEST_F(ColumnTableTest, ChoosingTheSelectedEntryKeepsTheWidgetsAndTheirText) {
    table.addColumn();
    QTest::keyClicks(fromField(0), "12");
    QLineEdit* before = fromField(0);
    protocolLog.clear();

    QComboBox* list = row(0).typeList;
    list->showPopup();
    list->hidePopup();
    list->setCurrentIndex(0);
    EXPECT_EQ(table.onWidgetEvent(list), 0);
    EXPECT_EQ(table.onWidgetEvent(row(0).nameField), 0);
    EXPECT_EQ(table.onWidgetEvent(table.quantityField()), 0);

    EXPECT_TRUE(protocolLog.empty());
    EXPECT_EQ(fromField(0), before);
    EXPECT_EQ(fromField(0)->text(), "12");
}

TEST_F(ColumnTableTest, ArrowKeysSwitchTheGeneratorAtEveryStep) {
    table.addColumn();
    QComboBox* list = row(0).typeList;
    list->setFocus();
    protocolLog.clear();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(protocolLog, (decltype(protocolLog){{0, "release"},
                                                  {1, "ctor"},
                                                  {1, "release"},
                                                  {2, "ctor"},
                                                  {2, "release"},
                                                  {1, "ctor"}}));
    EXPECT_EQ(row(0).column->typeIndex(), 1);
}

TEST_F(ColumnTableTest, FemininNameAndPrenameShareOneGenerator) {
    EXPECT_EQ(standardTypes()[10].generator, standardTypes()[11].generator);
}

TEST_F(ColumnTableTest, QuantityAcceptsOnlyDigitsWhileTableNameAcceptsAnything) {
    table.quantityField()->clear();
    QTest::keyClicks(table.quantityField(), "1 2-a+3");
    EXPECT_EQ(table.quantityField()->text(), "123");
    table.tableNameField()->clear();
    QTest::keyClicks(table.tableNameField(), "my table-2 'x'");
    EXPECT_EQ(table.tableNameField()->text(), "my table-2 'x'");
}

TEST(DeleteButton, ShowsACloseCrossFromAFontThatHasIt) {
    QWidget window;
    ColumnTable table(&window, QRect(5, 30, 630, 450));
    const QFontInfo resolved(table.deleteButtonFont());
    if (resolved.family() == "Marlett") {
        EXPECT_EQ(table.deleteButtonText(), "r");
    } else {
        ASSERT_EQ(table.deleteButtonText().size(), 1);
        EXPECT_TRUE(QFontMetrics(table.deleteButtonFont()).inFont(table.deleteButtonText()[0]));
    }
    EXPECT_EQ(table.deleteButtonFont().pointSize(), 11);
}

TEST(MainWindow, OpensFixedCentredWithOneRow) {
    MainWindow window;
    EXPECT_TRUE(window.windowTitle().startsWith("Rowsmith :: 2010"));
    EXPECT_EQ(window.minimumSize(), QSize(640, 480));
    EXPECT_EQ(window.maximumSize(), QSize(640, 480));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.columnTable().rows().size(), 1u);
    EXPECT_EQ(window.columnTable().rows()[0]->nameField->text(), "Column 1");
}

// Every fixed-size label must show its whole text in the application font.
TEST(MainWindow, EveryLabelTextFitsItsWidget) {
    MainWindow window;
    ColumnTable& table = window.columnTable();
    for (int type = 0; type < typeCount; ++type) {
        table.rows()[0]->typeList->setCurrentIndex(type);
        for (QLabel* label : window.findChildren<QLabel*>()) {
            const QRect available = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(label->text());
            EXPECT_LE(needed.width(), available.width()) << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().height(), available.height())
                << label->text().toStdString();
        }
    }
    for (int i = 0; i < table.rows()[0]->typeList->count(); ++i) {
        const QString name = table.rows()[0]->typeList->itemText(i);
        EXPECT_LE(table.rows()[0]->typeList->fontMetrics().horizontalAdvance(name), 160 - 30)
            << name.toStdString();
    }
}

} // namespace
} // namespace rowsmith
