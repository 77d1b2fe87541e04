#include "columns/columnobject.h"
#include "columns/typetable.h"
#include "generators/loremipsum.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/wordlistsandbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::couldNotOpen;
using test::RecordingDialogs;
using test::ScriptedRandomSource;
using test::ShownMessage;
using test::WordListSandbox;

constexpr int loremIpsum = 1;

class LoremIpsumTest : public ::testing::Test {
protected:
    LoremState& state() { return column.state<LoremState>(); }
    void typeWords(const char* text) {
        state().maxWordsField->clear();
        QTest::keyClicks(state().maxWordsField, text);
    }

    RecordingDialogs dialogs;
    WordListSandbox sandbox;
    QWidget container;
    ColumnObject column{standardTypes(), &container, 265, 50, loremIpsum};
};

TEST_F(LoremIpsumTest, CreatesTheLabelThenAnEmptyRightAlignedField) {
    EXPECT_EQ(state().maxWordsLabel->text(), "Maximum of words:");
    EXPECT_EQ(state().maxWordsLabel->geometry(), QRect(265, 55, 120, 20));
    EXPECT_TRUE(state().maxWordsLabel->alignment() & Qt::AlignRight);
    EXPECT_EQ(state().maxWordsField->geometry(), QRect(385, 50, 40, 25));
    EXPECT_EQ(state().maxWordsField->text(), "");
    EXPECT_TRUE(state().maxWordsField->alignment() & Qt::AlignRight);
    const auto children = container.findChildren<QWidget*>();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0], state().maxWordsLabel);
    EXPECT_EQ(children[1], state().maxWordsField);
}

TEST_F(LoremIpsumTest, MoveKeepsSizesOffsetsAndTypedText) {
    typeWords("4");
    column.move(265, 100);
    EXPECT_EQ(state().maxWordsLabel->geometry(), QRect(265, 105, 120, 20));
    EXPECT_EQ(state().maxWordsField->geometry(), QRect(385, 100, 40, 25));
    EXPECT_EQ(state().maxWordsField->text(), "4");
}

TEST_F(LoremIpsumTest, ReleaseDestroysBothWidgets) {
    column.release();
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
}

TEST_F(LoremIpsumTest, ANewColumnGivesTheEmptyTextButStillReadsTheList) {
    ScriptedRandomSource random;
    EXPECT_EQ(column.getContent(), "");
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{{MessageIcon::Error, "Error",
                                                            "Couldn't open randomwords.txt."}}));
    EXPECT_TRUE(random.maxima().empty());
}

TEST_F(LoremIpsumTest, WithoutTheFileThreeWordsAreTwoSpacesAndOneMessage) {
    typeWords("3");
    ScriptedRandomSource random;
    EXPECT_EQ(column.getContent(), "  ");
    EXPECT_EQ(column.getContent(), "  ");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(random.maxima().empty());
}

TEST_F(LoremIpsumTest, AnExportChangesNothing) {
    sandbox.write("randomwords.txt", "lorem\n");
    typeWords("2");
    ScriptedRandomSource random({0, 0, 0, 0});
    EXPECT_EQ(column.getContent(), "lorem lorem");
    EXPECT_EQ(column.exported(), "");
    EXPECT_EQ(state().maxWordsField->text(), "2");
    EXPECT_EQ(column.getContent(), "lorem lorem");
}

struct LoremCase {
    const char* name;
    const char* field;
    const char* words;
    std::vector<std::uint64_t> answers;
    std::vector<std::uint64_t> maxima;
    std::string value;
};

class LoremValueTest : public LoremIpsumTest, public ::testing::WithParamInterface<LoremCase> {};

TEST_P(LoremValueTest, GivesExactlyTheTypedNumberOfWords) {
    const auto& c = GetParam();
    sandbox.write("randomwords.txt", c.words);
    typeWords(c.field);
    ScriptedRandomSource random(c.answers);
    EXPECT_EQ(column.getContent(), c.value);
    EXPECT_EQ(random.maxima(), c.maxima);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoremValueTest,
    ::testing::Values(
        LoremCase{"OneWordWithoutSeparator", "1", "ipsum\ndolor\n", {1}, {1}, "dolor"},
        LoremCase{"ThreeWordsWithSingleSpaces",
                  "3",
                  "ipsum\ndolor\n",
                  {0, 1, 0},
                  {1, 1, 1},
                  "ipsum dolor ipsum"},
        LoremCase{"OneWordListRepeated", "3", "sit\n", {0, 0, 0}, {0, 0, 0}, "sit sit sit"},
        LoremCase{"Zero", "0", "sit\n", {}, {}, ""},
        LoremCase{"Negative", "-3", "sit\n", {}, {}, ""},
        LoremCase{"Letters", "abc", "sit\n", {}, {}, ""},
        LoremCase{"HexadecimalCount", "$2", "sit\n", {0, 0}, {0, 0}, "sit sit"},
        LoremCase{"LowThirtyTwoBitsOfTheCount", "4294967298", "sit\n", {0, 0}, {0, 0}, "sit sit"},
        LoremCase{"WordsWithSpacesStayWhole", "2", " a b\n", {0, 0}, {0, 0}, " a b  a b"},
        LoremCase{"OnlyOneTrailingSpaceRemoved", "2", "end \nx\n", {1, 0}, {1, 1}, "x end "}),
    [](const auto& info) { return std::string(info.param.name); });

// 2147483647 words of up to 100 bytes would need about 200 GiB: refused before the first draw.
TEST_F(LoremIpsumTest, AHugeTypedCountIsRefusedBeforeBuilding) {
    sandbox.write("randomwords.txt", std::string(100, 'x'));
    typeWords("2147483647");
    ScriptedRandomSource random;
    EXPECT_THROW(column.getContent(), std::bad_alloc);
    EXPECT_TRUE(random.maxima().empty());
}

} // namespace
} // namespace rowsmith
