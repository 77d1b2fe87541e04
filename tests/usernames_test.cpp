#include "columns/columnobject.h"
#include "columns/typetable.h"
#include "generators/random.h"
#include "generators/usernames.h"
#include "tests/support/scriptedrandom.h"

#include <algorithm>
#include <unordered_set>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::ScriptedRandomSource;

constexpr int username = 12;
constexpr std::uint64_t lastSlot = 28;

std::vector<std::string> registeredNames() {
    std::vector<std::string> names;
    for (const auto& entry : usernameRegistry())
        names.push_back(entry.name);
    return names;
}

// Every case starts, and leaves, the process-wide registry empty.
class UsernameTest : public ::testing::Test {
protected:
    void SetUp() override { clearUsernameRegistry(); }
    void TearDown() override { clearUsernameRegistry(); }
};

struct ChecksumCase {
    std::string name;
    std::int32_t checksum;
};

class UsernameChecksumTest : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(UsernameChecksumTest, AddsTheSquareOfEveryByteTimes255) {
    EXPECT_EQ(usernameChecksum(GetParam().name), GetParam().checksum);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsernameChecksumTest,
    ::testing::Values(ChecksumCase{"", 0}, ChecksumCase{"abc", 7347570},
                      ChecksumCase{"tombo", usernameChecksum("botom")},
                      ChecksumCase{"\xff", 255 * 255 * 255},
                      // 200 * 16581375 = 3316275000 wraps around to a negative value.
                      ChecksumCase{std::string(200, '\xff'), -978692296}));

TEST_F(UsernameTest, ANewNameIsRegisteredAndASameChecksumEmptiesTheRegistry) {
    EXPECT_EQ(checkAndRegister("tombo"), 0);
    EXPECT_EQ(checkAndRegister("bami"), 0);
    ASSERT_EQ(usernameRegistry().size(), 2u);
    EXPECT_EQ(usernameRegistry()[0].name, "tombo");
    EXPECT_EQ(usernameRegistry()[0].checksum, usernameChecksum("tombo"));
    EXPECT_EQ(checkAndRegister("botom"), 1);
    EXPECT_TRUE(usernameRegistry().empty());
    EXPECT_EQ(checkAndRegister("botom"), 0);
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"botom"}));
}

struct MakeCase {
    const char* name;
    std::vector<std::uint64_t> answers;
    std::vector<std::uint64_t> maxima;
    std::string username;
};

class MakeUsernameTest : public UsernameTest, public ::testing::WithParamInterface<MakeCase> {};

TEST_P(MakeUsernameTest, DrawsBudgetCountSlotsAndUnderscoresInOrder) {
    const auto& c = GetParam();
    ScriptedRandomSource random(c.answers);
    EXPECT_EQ(makeUsername(7, random), c.username);
    EXPECT_EQ(random.maxima(), c.maxima);
    ASSERT_EQ(usernameRegistry().size(), 1u);
    EXPECT_EQ(usernameRegistry()[0].checksum, usernameChecksum(usernameRegistry()[0].name));
}

// Answers: underscore budget (0 to 2), syllable count - 2 (0 to 5), then per syllable its slot
// (0 to 28) and, while the budget lasts, whether an underscore follows (0 or 1).
INSTANTIATE_TEST_SUITE_P(
    Cases, MakeUsernameTest,
    ::testing::Values(
        MakeCase{"TwoSyllables", {0, 0, 1, 2}, {2, 5, lastSlot, lastSlot}, "Tombo"},
        MakeCase{"UnderscoreInside",
                 {2, 1, 12, 0, 18, 1, 23, 0},
                 {2, 5, lastSlot, 1, lastSlot, 1, lastSlot, 1},
                 "Bamjo_ri"},
        MakeCase{"SevenSyllables",
                 {0, 5, 28, 27, 26, 25, 24, 23, 22},
                 {2, 5, lastSlot, lastSlot, lastSlot, lastSlot, lastSlot, lastSlot, lastSlot},
                 "Boubierumranreriro"},
        MakeCase{"EmptySlotMakesOneSyllable", {0, 0, 0, 1}, {2, 5, lastSlot, lastSlot}, "Tom"},
        MakeCase{"LeadingUnderscoreStays", {1, 0, 0, 1, 1}, {2, 5, lastSlot, 1, lastSlot}, "_tom"},
        MakeCase{"TwoUnderscoresInARowAtTheEnd",
                 {2, 0, 1, 1, 0, 1},
                 {2, 5, lastSlot, 1, lastSlot, 1},
                 "Tom__"},
        MakeCase{"EmptyName", {0, 0, 0, 0}, {2, 5, lastSlot, lastSlot}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UsernameTest, ACollisionEmptiesTheRegistryAndTheNextCandidateIsAccepted) {
    ScriptedRandomSource random({0, 0, 1, 2});
    EXPECT_EQ(makeUsername(7, random), "Tombo");
    // botom has tombo's checksum: rejected; gomi is then the only registered name.
    random.script({0, 0, 2, 1, 0, 3, 4});
    EXPECT_EQ(makeUsername(7, random), "Gomi");
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"gomi"}));
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{2, 5, lastSlot, lastSlot, 2, 5, lastSlot,
                                                           lastSlot, 5, lastSlot, lastSlot}));
}

TEST_F(UsernameTest, ARejectedCandidateDoesNotRestoreTheUnderscoreBudget) {
    checkAndRegister("tom_bo");
    // Budget 1, spent by bo_tom, which is rejected; the next candidate has no underscore draws.
    ScriptedRandomSource random({1, 0, 2, 1, 1, 0, 5, 6});
    EXPECT_EQ(makeUsername(7, random), "Hontim");
    EXPECT_EQ(random.maxima(),
              (std::vector<std::uint64_t>{2, 5, lastSlot, 1, lastSlot, 5, lastSlot, lastSlot}));
}

TEST_F(UsernameTest, TwoColumnsShareTheRegistryAcrossExports) {
    ColumnObject first(standardTypes(), nullptr, 265, 0, username);
    ColumnObject second(standardTypes(), nullptr, 265, 25, username);
    ScriptedRandomSource random({0, 0, 1, 2, 0, 0, 3, 4});
    EXPECT_EQ(first.getContent(), "Tombo");
    EXPECT_EQ(first.exported(), "");
    EXPECT_EQ(second.getContent(), "Gomi");
    second.exported();
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"tombo", "gomi"}));
    // The other column's earlier name is avoided: botom is rejected.
    random.script({0, 0, 2, 1, 0, 5, 6});
    EXPECT_EQ(second.getContent(), "Hontim");
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"hontim"}));
}

TEST_F(UsernameTest, OtherMessagesDoNothing) {
    ScriptedRandomSource random;
    checkAndRegister("tombo");
    ColumnObject column(standardTypes(), nullptr, 265, 0, username);
    EXPECT_EQ(column.exported(), "");
    EXPECT_EQ(column.move(265, 50), 0);
    for (const char* m : {"ctor", "release", "getcontent", ""})
        EXPECT_EQ(usernameGenerator(column, m), "") << m;
    column.release();
    EXPECT_EQ(registeredNames(), (std::vector<std::string>{"tombo"}));
    EXPECT_TRUE(random.maxima().empty());
}

TEST_F(UsernameTest, ManyNamesKeepTheShapeAndDistinctChecksumsSinceTheLastEmptying) {
    ColumnObject column(standardTypes(), nullptr, 265, 0, username);
    for (int i = 0; i < 20000; ++i) {
        const std::string name = column.getContent();
        ASSERT_LE(name.size(), 23u) << name;
        ASSERT_LE(std::count(name.begin(), name.end(), '_'), 2) << name;
        ASSERT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_"),
                  std::string::npos)
            << name;
        ASSERT_TRUE(name.empty() || name[0] < 'a' || name[0] > 'z') << name;
        ASSERT_EQ(name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1), std::string::npos) << name;
        ASSERT_FALSE(usernameRegistry().empty());
    }
    std::unordered_set<std::int32_t> checksums;
    for (const auto& entry : usernameRegistry())
        EXPECT_TRUE(checksums.insert(entry.checksum).second) << entry.name;
}

} // namespace
} // namespace rowsmith
