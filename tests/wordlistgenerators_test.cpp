#include "columns/columnobject.h"
#include "columns/typetable.h"
#include "generators/wordlists.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/wordlistsandbox.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::couldNotOpen;
using test::RecordingDialogs;
using test::ScriptedRandomSource;
using test::ShownMessage;
using test::WordListSandbox;

constexpr int city = 2;
constexpr int country = 3;
constexpr int hobbies = 4;
constexpr int masculineName = 9;
constexpr int feminineName = 10;
constexpr int prename = 11;
constexpr int email = 13;
constexpr int randomGenderName = 14;

class WordListGeneratorTest : public ::testing::Test {
protected:
    std::unique_ptr<ColumnObject> column(int type) {
        return std::make_unique<ColumnObject>(standardTypes(), &container, 265, 0, type);
    }
    std::vector<std::string> values(ColumnObject& column, std::size_t count) {
        std::vector<std::string> result;
        for (std::size_t i = 0; i < count; ++i)
            result.push_back(column.getContent());
        return result;
    }

    RecordingDialogs dialogs;
    WordListSandbox sandbox;
    QWidget container;
};

struct SingleListCase {
    const char* name;
    int type;
    const char* fileName;
    std::vector<std::uint64_t> answers;
    std::vector<std::string> values;
};

class SingleListTest : public WordListGeneratorTest,
                       public ::testing::WithParamInterface<SingleListCase> {};

TEST_P(SingleListTest, PicksFromItsOwnListOnly) {
    const auto& c = GetParam();
    // Every file holds other words, so a value shows which file it came from.
    for (const char* fileName :
         {"cities.txt", "countries.txt", "hobbies.txt", "name_masc.txt", "name_fem.txt"})
        sandbox.write(fileName, std::string("first of ") + fileName + "\r\n\r\n" + "second of " +
                                    fileName + "\r\nthird of " + fileName);
    auto col = column(c.type);
    ScriptedRandomSource random(c.answers);
    EXPECT_EQ(values(*col, c.answers.size()), c.values);
    EXPECT_EQ(random.maxima(), std::vector<std::uint64_t>(c.answers.size(), 2));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(SingleListTest, AMissingFileIsReportedOnceAndGivesEmptyValues) {
    auto col = column(GetParam().type);
    ScriptedRandomSource random;
    EXPECT_EQ(values(*col, 3), std::vector<std::string>(3, ""));
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen(GetParam().fileName)}));
    EXPECT_TRUE(random.maxima().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Types, SingleListTest,
    ::testing::Values(
        SingleListCase{
            "City", city, "cities.txt", {1, 0}, {"second of cities.txt", "first of cities.txt"}},
        SingleListCase{"Country", country, "countries.txt", {2}, {"third of countries.txt"}},
        SingleListCase{"Hobbies", hobbies, "hobbies.txt", {0}, {"first of hobbies.txt"}},
        SingleListCase{
            "MasculinName", masculineName, "name_masc.txt", {1}, {"second of name_masc.txt"}},
        SingleListCase{"FemininName", feminineName, "name_fem.txt", {2}, {"third of name_fem.txt"}},
        SingleListCase{"Prename", prename, "name_fem.txt", {0}, {"first of name_fem.txt"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordListGeneratorTest, AOneWordListGivesThatWordEveryTime) {
    sandbox.write("hobbies.txt", "chess\n");
    auto col = column(hobbies);
    ScriptedRandomSource random({0, 0, 0});
    EXPECT_EQ(values(*col, 3), std::vector<std::string>(3, "chess"));
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{0, 0, 0}));
}

TEST_F(WordListGeneratorTest, FemininNamePrenameAndRandomGenderShareOneList) {
    sandbox.write("name_fem.txt", "Zoë\n");
    sandbox.write("name_masc.txt", "Jiří\n");
    auto feminine = column(feminineName);
    ScriptedRandomSource random({0, 0, 0, 0});
    EXPECT_EQ(feminine->getContent(), "Zoë");
    // The file is not read again: the other types see the words read first.
    sandbox.write("name_fem.txt", "Anna\n");
    EXPECT_EQ(column(prename)->getContent(), "Zoë");
    EXPECT_EQ(column(randomGenderName)->getContent(), "Zoë");
}

TEST_F(WordListGeneratorTest, SwitchingFemininNameToPrenameKeepsTheList) {
    sandbox.write("name_fem.txt", "Ayşe\n");
    auto col = column(feminineName);
    ScriptedRandomSource random({0, 0});
    EXPECT_EQ(col->getContent(), "Ayşe");
    EXPECT_EQ(col->changeType(prename), 1);
    EXPECT_EQ(col->getContent(), "Ayşe");
}

TEST_F(WordListGeneratorTest, EmailJoinsAPickFromEachListWithAnAt) {
    sandbox.write("email_name.txt", "anna \nbo\n");
    sandbox.write("email_domain.txt", "example.com\nmail.test\nExample.ORG\n");
    auto col = column(email);
    ScriptedRandomSource random({0, 0, 1, 2});
    EXPECT_EQ(values(*col, 2), (std::vector<std::string>{"anna @example.com", "bo@Example.ORG"}));
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{1, 2, 1, 2}));
}

TEST_F(WordListGeneratorTest, EmailWithBothFilesMissingReportsNameFileFirstAndGivesAnAt) {
    auto col = column(email);
    ScriptedRandomSource random;
    EXPECT_EQ(values(*col, 2), (std::vector<std::string>{"@", "@"}));
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("email_name.txt"),
                                                           couldNotOpen("email_domain.txt")}));
}

TEST_F(WordListGeneratorTest, EmailWithOneFileMissingKeepsTheOtherHalf) {
    sandbox.write("email_domain.txt", "example.net\n");
    auto col = column(email);
    ScriptedRandomSource random({0});
    EXPECT_EQ(col->getContent(), "@example.net");
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("email_name.txt")}));
}

TEST_F(WordListGeneratorTest, EmailWithTheDomainFileMissingEndsWithTheAt) {
    sandbox.write("email_name.txt", "bo\n");
    auto col = column(email);
    ScriptedRandomSource random({0});
    EXPECT_EQ(col->getContent(), "bo@");
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{0}));
}

TEST_F(WordListGeneratorTest, RandomGenderDrawsTheGenderBeforeTheName) {
    sandbox.write("name_fem.txt", "Anna\nEmma\n");
    sandbox.write("name_masc.txt", "Ivan\nLuka\nOmar\n");
    auto col = column(randomGenderName);
    ScriptedRandomSource random({0, 1, 1, 2});
    EXPECT_EQ(values(*col, 2), (std::vector<std::string>{"Emma", "Omar"}));
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{1, 1, 1, 2}));
}

TEST_F(WordListGeneratorTest, RandomGenderAsksForBothListsOnEveryValue) {
    sandbox.write("name_masc.txt", "Ivan\n");
    auto col = column(randomGenderName);
    ScriptedRandomSource random({1, 0, 0});
    EXPECT_EQ(col->getContent(), "Ivan");
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("name_fem.txt")}));
    // The feminine list is empty: that gender gives the empty text, without an index draw.
    EXPECT_EQ(col->getContent(), "");
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{1, 0, 1}));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WordListGeneratorTest, RandomGenderWithBothFilesMissingReportsFeminineFirst) {
    auto col = column(randomGenderName);
    ScriptedRandomSource random({1});
    EXPECT_EQ(col->getContent(), "");
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{couldNotOpen("name_fem.txt"),
                                                           couldNotOpen("name_masc.txt")}));
}

class WordListProtocolTest : public WordListGeneratorTest,
                             public ::testing::WithParamInterface<int> {};

TEST_P(WordListProtocolTest, OtherMessagesCreateNothingDrawNothingAndAnswerEmpty) {
    ScriptedRandomSource random;
    auto col = column(GetParam());
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(col->exported(), "");
    EXPECT_EQ(col->move(265, 25), 0);
    const Generator generator = standardTypes()[static_cast<std::size_t>(GetParam())].generator;
    for (const char* m : {"ctor", "move", "exported", "release", "getcontent", "getContent ", ""})
        EXPECT_EQ(generator(*col, m), "") << m;
    col->release();
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
    // No list was asked for: no file was read and nothing was reported.
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(random.maxima().empty());
}

INSTANTIATE_TEST_SUITE_P(Types, WordListProtocolTest,
                         ::testing::Values(city, country, hobbies, masculineName, feminineName,
                                           prename, email, randomGenderName));

TEST(WordListFolder, IsTheExecutablesFolderUnlessATestSetsAnother) {
    setWordListFolder({});
    EXPECT_EQ(wordListFolder(), QCoreApplication::applicationDirPath().toStdString());
    setWordListFolder("/somewhere");
    EXPECT_EQ(wordListFolder(), "/somewhere");
    setWordListFolder({});
}

} // namespace
} // namespace rowsmith
