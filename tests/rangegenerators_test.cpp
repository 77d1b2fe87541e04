#include "columns/columnobject.h"
#include "columns/typetable.h"
#include "generators/rangegenerators.h"
#include "tests/support/scriptedrandom.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::ScriptedRandomSource;

constexpr int numberRange = 0;
constexpr int randomPrice = 8;

class RangeGeneratorTest : public ::testing::TestWithParam<int> {
protected:
    RangeState& state() { return column.state<RangeState>(); }
    void type(QLineEdit* field, const char* text) {
        field->clear();
        QTest::keyClicks(field, text);
    }

    QWidget container;
    ColumnObject column{standardTypes(), &container, 265, 50, GetParam()};
};

TEST_P(RangeGeneratorTest, CreatesFromAndToWidgetsAtTheOrigin) {
    EXPECT_EQ(state().fromLabel->text(), "From:");
    EXPECT_EQ(state().toLabel->text(), "To:");
    EXPECT_EQ(state().fromLabel->geometry(), QRect(265, 55, 40, 20));
    EXPECT_EQ(state().fromField->geometry(), QRect(305, 50, 40, 25));
    EXPECT_EQ(state().toLabel->geometry(), QRect(345, 55, 40, 20));
    EXPECT_EQ(state().toField->geometry(), QRect(385, 50, 40, 25));
    EXPECT_EQ(container.findChildren<QWidget*>().size(), 4);
}

TEST_P(RangeGeneratorTest, MoveKeepsSizesAndTypedText) {
    type(state().fromField, "3");
    column.move(265, 0);
    EXPECT_EQ(state().fromLabel->geometry(), QRect(265, 5, 40, 20));
    EXPECT_EQ(state().toField->geometry(), QRect(385, 0, 40, 25));
    EXPECT_EQ(state().fromField->text(), "3");
}

TEST_P(RangeGeneratorTest, ReleaseDestroysEveryWidget) {
    column.release();
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
}

TEST_P(RangeGeneratorTest, UntouchedFieldsYieldZero) {
    ScriptedRandomSource random({0, 0});
    const std::string zero = GetParam() == numberRange ? "0" : "0.00";
    EXPECT_EQ(column.getContent(), zero);
    EXPECT_EQ(column.getContent(), zero);
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{0, 0}));
}

TEST_P(RangeGeneratorTest, OtherMessagesAnswerEmptyAndChangeNothing) {
    type(state().fromField, "1");
    for (const char* m : {"ctor ", "exported", "GETCONTENT", ""})
        EXPECT_EQ(numberRangeGenerator(column, m), "") << m;
    EXPECT_EQ(state().fromField->text(), "1");
    EXPECT_EQ(container.findChildren<QWidget*>().size(), 4);
}

INSTANTIATE_TEST_SUITE_P(BothTypes, RangeGeneratorTest,
                         ::testing::Values(numberRange, randomPrice));

struct TypedRange {
    int type;
    const char* from;
    const char* to;
    std::vector<std::uint64_t> answers;
    std::vector<std::uint64_t> maxima;
    std::vector<std::string> values;
};

class TypedRangeTest : public ::testing::TestWithParam<TypedRange> {};

TEST_P(TypedRangeTest, ReadsTheTypedBoundsForEveryValue) {
    const auto& c = GetParam();
    QWidget container;
    ColumnObject column(standardTypes(), &container, 265, 0, c.type);
    QTest::keyClicks(column.state<RangeState>().fromField, c.from);
    QTest::keyClicks(column.state<RangeState>().toField, c.to);
    ScriptedRandomSource random(c.answers);
    std::vector<std::string> values;
    for (std::size_t i = 0; i < c.answers.size(); ++i)
        values.push_back(column.getContent());
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(random.maxima(), c.maxima);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedRangeTest,
    ::testing::Values(
        TypedRange{numberRange, "5", "5", {0}, {0}, {"5"}},
        TypedRange{numberRange, "-3", "3", {0, 6, 3}, {6, 6, 6}, {"-3", "3", "0"}},
        TypedRange{numberRange, "$10", "$1F", {0, 15}, {15, 15}, {"16", "31"}},
        TypedRange{numberRange, " \t+4", "12abc", {0, 8}, {8, 8}, {"4", "12"}},
        TypedRange{numberRange, "- 4", "2", {0}, {2}, {"0"}},
        TypedRange{
            numberRange, "5000000000", "5000000002", {0, 2}, {2, 2}, {"5000000000", "5000000002"}},
        TypedRange{randomPrice, "9.99", "19.99", {0, 1000, 1}, {1000, 1000, 1000},
                   {"9.99", "19.99", "10.00"}},
        TypedRange{randomPrice, "5", "5", {0}, {0}, {"5.00"}},
        TypedRange{randomPrice, "-1", "1", {100, 0}, {200, 200}, {"0.00", "-1.00"}},
        TypedRange{randomPrice, "1.5e1", "20", {0, 500}, {500, 500}, {"15.00", "20.00"}},
        TypedRange{randomPrice, "4,50", "5", {0}, {100}, {"4.00"}}));

TEST(RangeGenerator, EditingABoundChangesTheNextValue) {
    QWidget container;
    ColumnObject column(standardTypes(), &container, 265, 0, numberRange);
    auto& state = column.state<RangeState>();
    QTest::keyClicks(state.fromField, "1");
    QTest::keyClicks(state.toField, "1");
    ScriptedRandomSource random({0, 0});
    EXPECT_EQ(column.getContent(), "1");
    column.exported();
    QTest::keyClicks(state.toField, "0");
    EXPECT_EQ(column.getContent(), "1");
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{0, 9}));
}

} // namespace
} // namespace rowsmith
