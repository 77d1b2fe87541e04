#include "generators/wordlists.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/wordlistsandbox.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::couldNotOpen;
using test::RecordingDialogs;
using test::ScriptedRandomSource;
using test::ShownMessage;
using test::WordListSandbox;

std::vector<std::string> words(const WordList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.count(); ++i)
        result.push_back(list.getItem(i));
    return result;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> words;
};

class LineRulesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRulesTest, SplitsTheBytesIntoWords) {
    EXPECT_EQ(words(parseWordList(GetParam().bytes)), GetParam().words);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRulesTest,
    ::testing::Values(LineCase{"LfLineEnds", "alpha\nbeta\n", {"alpha", "beta"}},
                      LineCase{"MixedLineEnds", "a\rb\nc\r\nd\r\n", {"a", "b", "c", "d"}},
                      LineCase{"CrLfThroughout", "a\r\nb\r\nc\r\nd\r\n", {"a", "b", "c", "d"}},
                      LineCase{"LastLineWithoutLineEnd", "a\nlast", {"a", "last"}},
                      LineCase{"EmptyAndSpaceLinesSkipped", "a\n\n   \r\n\r\rb", {"a", "b"}},
                      LineCase{"TabLineIsAWord", "\t\t\n", {"\t\t"}},
                      LineCase{"OtherWhiteSpaceIsContent", "\f\n\v\n", {"\f", "\v"}},
                      LineCase{"SpacesAroundAWordStay", "  two words \t \n", {"  two words \t "}},
                      LineCase{"DuplicateLinesCountTwice", "x\nx\n", {"x", "x"}},
                      LineCase{"NulEndsALineAndIsDropped", "a\0b\n\0\0c"s, {"a", "b", "c"}},
                      LineCase{"ByteOrderMarkIsPartOfTheFirstWord",
                               "\xEF\xBB\xBF"
                               "first\nsecond",
                               {"\xEF\xBB\xBF"
                                "first",
                                "second"}},
                      LineCase{"Utf8BytesAsTheyAre", "Zoë\nŁódź\n", {"Zoë", "Łódź"}},
                      LineCase{"EmptyFile", "", {}},
                      LineCase{"OnlyBlankLines", "  \r\n\r\n \n", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordList, GetItemOfAnEmptyListIsEmptyForAnyIndex) {
    const WordList list;
    EXPECT_EQ(list.count(), 0);
    for (int index : {-1, 0, 1, 1000})
        EXPECT_EQ(list.getItem(index), "") << index;
}

TEST(WordList, GetItemOutsideTheListIsEmpty) {
    const WordList list = parseWordList("a\nb\n");
    EXPECT_EQ(list.getItem(-1), "");
    EXPECT_EQ(list.getItem(2), "");
    EXPECT_EQ(list.item(1), "b");
}

TEST(WordList, ClearRemovesEveryWord) {
    WordList list = parseWordList("a\nbcd\n");
    EXPECT_EQ(list.longestLength(), 3u);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.getItem(0), "");
    EXPECT_EQ(list.longestLength(), 0u);
}

TEST(PickWord, DrawsAnIndexUpToTheLastWord) {
    const WordList list = parseWordList("a\nb\nc\n");
    ScriptedRandomSource random({2, 0});
    EXPECT_EQ(pickWord(list, random), "c");
    EXPECT_EQ(pickWord(list, random), "a");
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{2, 2}));
}

TEST(PickWord, AnEmptyListGivesTheEmptyTextWithoutADraw) {
    ScriptedRandomSource random;
    EXPECT_EQ(pickWord(WordList(), random), "");
    EXPECT_TRUE(random.maxima().empty());
}

class WordListCacheTest : public ::testing::Test {
protected:
    RecordingDialogs dialogs;
    WordListSandbox sandbox;
};

TEST_F(WordListCacheTest, ReadsTheFileOnceAndKeepsItsWordsForTheRun) {
    sandbox.write("cities.txt", "Lima\nOslo\n");
    WordList& first = getWordList("cities", "cities.txt");
    EXPECT_EQ(words(first), (std::vector<std::string>{"Lima", "Oslo"}));
    sandbox.write("cities.txt", "Quito\n");
    WordList& second = getWordList("cities", "cities.txt");
    EXPECT_EQ(&second, &first);
    EXPECT_EQ(words(second), (std::vector<std::string>{"Lima", "Oslo"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordListCacheTest, AMissingFileIsReportedOnceAndStaysEmptyForTheRun) {
    EXPECT_EQ(getWordList("femNames", "name_fem.txt").count(), 0);
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("name_fem.txt")}));
    sandbox.write("name_fem.txt", "Anna\n");
    EXPECT_EQ(getWordList("femNames", "name_fem.txt").count(), 0);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WordListCacheTest, AFolderInPlaceOfTheFileIsReported) {
    std::filesystem::create_directory(sandbox.path("hobbies.txt"));
    EXPECT_EQ(getWordList("hobbies", "hobbies.txt").count(), 0);
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("hobbies.txt")}));
}

TEST_F(WordListCacheTest, AnEmptyFileGivesAnEmptyListWithoutMessage) {
    sandbox.write("hobbies.txt", "");
    EXPECT_EQ(getWordList("hobbies", "hobbies.txt").count(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordListCacheTest, ACachedKeyIgnoresAnotherFileName) {
    sandbox.write("a.txt", "from a\n");
    sandbox.write("b.txt", "from b\n");
    WordList& first = getWordList("key", "a.txt");
    WordList& second = getWordList("key", "b.txt");
    EXPECT_EQ(&second, &first);
    EXPECT_EQ(words(second), (std::vector<std::string>{"from a"}));
}

TEST_F(WordListCacheTest, KeysAreCaseSensitive) {
    sandbox.write("cities.txt", "Lima\n");
    EXPECT_EQ(getWordList("cities", "cities.txt").count(), 1);
    EXPECT_EQ(getWordList("Cities", "missing.txt").count(), 0);
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("missing.txt")}));
}

TEST_F(WordListCacheTest, TheEntryExistsBeforeTheFailureIsShown) {
    // A lookup of the same key while the box is open finds the entry and shows nothing more.
    struct ReenteringDialogs final : Dialogs {
        void message(MessageIcon, const std::string&, const std::string&) override {
            ++shown;
            countWhileShown = getWordList("emailName", "email_name.txt").count();
        }
        SaveChoice saveFile(const SaveRequest&) override { return {}; }
        bool ask(const std::string&, const std::string&) override { return false; }
        int shown = 0;
        int countWhileShown = -1;
    } reentering;
    ScopedDialogs installed(reentering);
    getWordList("emailName", "email_name.txt");
    EXPECT_EQ(reentering.shown, 1);
    EXPECT_EQ(reentering.countWhileShown, 0);
}

TEST_F(WordListCacheTest, ClearedListStaysEmptyInTheCache) {
    sandbox.write("randomwords.txt", "lorem\n");
    getWordList("randomWords", "randomwords.txt").clear();
    EXPECT_EQ(getWordList("randomWords", "randomwords.txt").count(), 0);
}

} // namespace
} // namespace rowsmith
