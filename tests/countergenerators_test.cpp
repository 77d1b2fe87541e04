#include "columns/columnobject.h"
#include "columns/typetable.h"
#include "generators/countergenerators.h"
#include "tests/support/scriptedrandom.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::ScriptedRandomSource;

constexpr int freeDefinable = 5;
constexpr int incremental = 6;
constexpr int decremental = 7;

// The widgets of the three types, whichever state record holds them.
struct AttributeWidgets {
    QLabel* label;
    QLineEdit* field;
};

AttributeWidgets widgetsOf(ColumnObject& column) {
    if (column.typeIndex() == freeDefinable) {
        auto& state = column.state<TextState>();
        return {state.contentLabel, state.contentField};
    }
    auto& state = column.state<CounterState>();
    return {state.startLabel, state.startField};
}

class CounterWidgetTest : public ::testing::TestWithParam<int> {
protected:
    AttributeWidgets widgets() { return widgetsOf(column); }

    QWidget container;
    ColumnObject column{standardTypes(), &container, 265, 50, GetParam()};
};

TEST_P(CounterWidgetTest, CreatesTheLabelThenAnEmptyLeftAlignedField) {
    const bool text = GetParam() == freeDefinable;
    EXPECT_EQ(widgets().label->text(), text ? "Content:" : "Start from:");
    EXPECT_EQ(widgets().label->geometry(), QRect(265, 55, 120, 20));
    EXPECT_TRUE(widgets().label->alignment() & Qt::AlignRight);
    EXPECT_EQ(widgets().field->geometry(), QRect(385, 50, text ? 200 : 50, 25));
    EXPECT_EQ(widgets().field->text(), "");
    EXPECT_TRUE(widgets().field->alignment() & Qt::AlignLeft);
    const auto children = container.findChildren<QWidget*>();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0], widgets().label);
    EXPECT_EQ(children[1], widgets().field);
}

TEST_P(CounterWidgetTest, MoveKeepsSizesAndTypedText) {
    QTest::keyClicks(widgets().field, "12");
    const QSize fieldSize = widgets().field->size();
    column.move(265, 0);
    EXPECT_EQ(widgets().label->geometry(), QRect(265, 5, 120, 20));
    EXPECT_EQ(widgets().field->pos(), QPoint(385, 0));
    EXPECT_EQ(widgets().field->size(), fieldSize);
    EXPECT_EQ(widgets().field->text(), "12");
}

TEST_P(CounterWidgetTest, ReleaseDestroysBothWidgets) {
    column.release();
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
}

TEST_P(CounterWidgetTest, SwitchingAwayAndBackGivesEmptyWidgets) {
    QTest::keyClicks(widgets().field, "9");
    column.changeType(0);
    column.changeType(GetParam());
    EXPECT_EQ(widgets().field->text(), "");
    EXPECT_EQ(container.findChildren<QWidget*>().size(), 2);
}

TEST_P(CounterWidgetTest, NeverDrawsARandomNumberAndIgnoresOtherMessages) {
    ScriptedRandomSource random;
    QTest::keyClicks(widgets().field, "3");
    const Generator generator = standardTypes()[static_cast<std::size_t>(GetParam())].generator;
    for (const char* m : {"ctor ", "GETCONTENT", "moved", ""})
        EXPECT_EQ(generator(column, m), "") << m;
    EXPECT_EQ(column.getContent(), "3");
    EXPECT_EQ(widgets().field->text(), "3");
    EXPECT_EQ(container.findChildren<QWidget*>().size(), 2);
    EXPECT_TRUE(random.maxima().empty());
}

INSTANTIATE_TEST_SUITE_P(Types, CounterWidgetTest,
                         ::testing::Values(freeDefinable, incremental, decremental));

struct CounterCase {
    const char* name;
    int type;
    const char* start;
    std::vector<std::string> values;
};

class CounterSequenceTest : public ::testing::TestWithParam<CounterCase> {};

// Two exports of the same length: both yield the whole sequence from the start value.
TEST_P(CounterSequenceTest, CountsFromTheStartValueInEveryExport) {
    const auto& c = GetParam();
    QWidget container;
    ColumnObject column(standardTypes(), &container, 265, 0, c.type);
    QTest::keyClicks(column.state<CounterState>().startField, c.start);
    for (int exportRun = 0; exportRun < 2; ++exportRun) {
        std::vector<std::string> values;
        for (std::size_t row = 0; row < c.values.size(); ++row)
            values.push_back(column.getContent());
        EXPECT_EQ(values, c.values) << "export " << exportRun;
        EXPECT_EQ(column.exported(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CounterSequenceTest,
    ::testing::Values(
        CounterCase{"IncrementalFromFive", incremental, "5", {"5", "6", "7"}},
        CounterCase{"DecrementalFromFive", decremental, "5", {"5", "4", "3"}},
        CounterCase{"IncrementalEmpty", incremental, "", {"0", "1", "2"}},
        CounterCase{"DecrementalEmpty", decremental, "", {"0", "-1", "-2"}},
        CounterCase{"IncrementalThroughZero", incremental, "-2", {"-2", "-1", "0", "1"}},
        CounterCase{"Hexadecimal", incremental, "$FF", {"255", "256"}},
        CounterCase{"BlanksAndTabsFirst", incremental, " \t7", {"7", "8"}},
        CounterCase{"TrailingLetters", incremental, "12abc", {"12", "13"}},
        CounterCase{"DecimalPoint", decremental, "7.9", {"7", "6"}},
        CounterCase{"IncrementalWraps",
                    incremental,
                    "2147483647",
                    {"2147483647", "-2147483648", "-2147483647"}},
        CounterCase{"DecrementalWraps", decremental, "-2147483648", {"-2147483648", "2147483647"}},
        CounterCase{"TwoToTheThirtySecond", incremental, "4294967296", {"0", "1"}},
        CounterCase{"FiveAboveTwoToTheThirtySecond", incremental, "4294967301", {"5", "6"}}),
    [](const auto& info) { return std::string(info.param.name); });

class CounterStateTest : public ::testing::Test {
protected:
    void typeStart(const char* text) {
        column.state<CounterState>().startField->clear();
        QTest::keyClicks(column.state<CounterState>().startField, text);
    }

    QWidget container;
    ColumnObject column{standardTypes(), &container, 265, 0, incremental};
};

TEST_F(CounterStateTest, AnExportWithoutRowsLeavesTheCounterWaiting) {
    typeStart("10");
    column.exported();
    EXPECT_EQ(column.getContent(), "10");
}

TEST_F(CounterStateTest, TheStartIsReadAtTheFirstValueOfEachExport) {
    typeStart("10");
    EXPECT_EQ(column.getContent(), "10");
    typeStart("50");
    EXPECT_EQ(column.getContent(), "11");
    column.exported();
    EXPECT_EQ(column.getContent(), "50");
}

TEST_F(CounterStateTest, TwoColumnsCountEachByItself) {
    typeStart("1");
    ColumnObject other(standardTypes(), &container, 265, 25, incremental);
    QTest::keyClicks(other.state<CounterState>().startField, "1");
    EXPECT_EQ(column.getContent(), "1");
    EXPECT_EQ(column.getContent(), "2");
    EXPECT_EQ(other.getContent(), "1");
    other.release();
}

TEST(CounterStep, WrapsInThirtyTwoBits) {
    EXPECT_EQ(stepCounter(5, 1), 6);
    EXPECT_EQ(stepCounter(5, -1), 4);
    EXPECT_EQ(stepCounter(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(stepCounter(INT32_MIN, -1), INT32_MAX);
    EXPECT_EQ(counterStart("4294967295"), -1);
    EXPECT_EQ(counterStart("-4294967297"), -1);
}

class FreeDefinableTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FreeDefinableTest, GivesTheTypedTextUnchangedInEveryRow) {
    QWidget container;
    ColumnObject column(standardTypes(), &container, 265, 0, freeDefinable);
    column.state<TextState>().contentField->setText(QString::fromUtf8(GetParam()));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(column.getContent(), GetParam());
    column.exported();
    EXPECT_EQ(column.getContent(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, FreeDefinableTest,
                         ::testing::Values("", "fixed", "  blanks around  ", "it's \"quoted\"",
                                           "<a href='x'>&amp;</a>", "Zoë; DROP TABLE t; --"));

} // namespace
} // namespace rowsmith
