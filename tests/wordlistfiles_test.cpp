// One format test for every word list the program ships: what the build copies beside the
// executable must be clean UTF-8 text, one entry a line, without duplicates.
#include "generators/wordlists.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

namespace fs = std::filesystem;

const fs::path sourceFolder = ROWSMITH_WORDLIST_SOURCE_DIR;
const fs::path programFolder = ROWSMITH_PROGRAM_DIR;

const std::vector<WordListFile> shippedLists{
    wordlist::femNames, wordlist::mascNames, wordlist::cities,      wordlist::countries,
    wordlist::hobbies,  wordlist::emailName, wordlist::emailDomain, wordlist::randomWords};

std::string readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream stream(bytes);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// Well-formed UTF-8 without overlong forms, surrogates or code points above U+10FFFF.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        if ((length == 3 && point < 0x800) || (length == 4 && point < 0x10000) ||
            (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

TEST(ShippedWordLists, TheFolderHoldsExactlyTheListsTheProgramAsksFor) {
    std::set<std::string> expected;
    for (const auto& list : shippedLists)
        expected.insert(std::string(list.fileName));
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(sourceFolder))
        found.insert(entry.path().filename().string());
    EXPECT_EQ(found, expected);
}

class ShippedWordListTest : public ::testing::TestWithParam<WordListFile> {
protected:
    std::string bytes = readBytes(sourceFolder / GetParam().fileName);
};

TEST_P(ShippedWordListTest, IsCleanUtf8WithOneEntryALineAndNoDuplicates) {
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(isUtf8(bytes));
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << "byte-order mark";
    EXPECT_TRUE(bytes.ends_with("\n"));
    EXPECT_EQ(bytes.find_first_of(std::string("\r\t\0", 3)), std::string::npos);
    std::set<std::string> seen;
    for (const auto& line : linesOf(bytes)) {
        EXPECT_FALSE(line.empty()) << "empty line";
        EXPECT_FALSE(line.starts_with(' ') || line.ends_with(' ')) << '"' << line << '"';
        EXPECT_TRUE(seen.insert(line).second) << "duplicate: " << line;
    }
    // Every line is a word for the program, in file order.
    const WordList list = parseWordList(bytes);
    ASSERT_EQ(list.count(), static_cast<int>(seen.size()));
    EXPECT_EQ(list.getItem(0), linesOf(bytes).front());
}

TEST_P(ShippedWordListTest, TheBuildCopiedItBesideTheProgram) {
    EXPECT_EQ(readBytes(programFolder / GetParam().fileName), bytes);
}

INSTANTIATE_TEST_SUITE_P(Lists, ShippedWordListTest, ::testing::ValuesIn(shippedLists),
                         [](const auto& info) { return std::string(info.param.key); });

TEST(ShippedWordLists, DomainsAreReservedForExamplesAndTests) {
    for (const auto& domain : linesOf(readBytes(sourceFolder / wordlist::emailDomain.fileName))) {
        const bool reserved = domain == "example.com" || domain == "example.net" ||
                              domain == "example.org" || domain.ends_with(".example.com") ||
                              domain.ends_with(".example.net") ||
                              domain.ends_with(".example.org") || domain.ends_with(".example") ||
                              domain.ends_with(".test");
        EXPECT_TRUE(reserved) << domain;
        EXPECT_EQ(domain.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-"),
                  std::string::npos)
            << domain;
    }
}

TEST(ShippedWordLists, EmailLocalPartsAreLowerCaseLettersDigitsAndInnerDots) {
    for (const auto& local : linesOf(readBytes(sourceFolder / wordlist::emailName.fileName))) {
        EXPECT_EQ(local.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789."),
                  std::string::npos)
            << local;
        EXPECT_FALSE(local.starts_with('.') || local.ends_with('.') ||
                     local.find("..") != std::string::npos)
            << local;
    }
}

} // namespace
} // namespace rowsmith
