// The text pieces of the SQL script and the XML document, without any widget.
#include "export/rowbuilder.h"
#include "export/sqlwriter.h"
#include "export/xmlwriter.h"

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

struct Rewrite {
    std::string in;
    std::string out;
};

using AppendFunction = void (*)(std::string&, std::string_view);

std::string appended(AppendFunction append, const std::string& text) {
    std::string out = "<";
    append(out, text);
    return out;
}

TEST(SqlText, StringLiteralsDoubleApostrophesAndBackslashesOnly) {
    const Rewrite cases[] = {
        {"", "<''"},
        {"plain text", "<'plain text'"},
        {"O'Brien", "<'O''Brien'"},
        {"Côte d'Ivoire", "<'Côte d''Ivoire'"},
        {"C:\\dir\\", "<'C:\\\\dir\\\\'"},
        {"\\'", "<'\\\\'''"},
        {"''", "<''''''"},
        {"a`b\"c;\r\n-- x", "<'a`b\"c;\r\n-- x'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(appended(appendSqlString, c.in), c.out) << c.in;
}

TEST(SqlText, IdentifiersDoubleBackticksOnly) {
    const Rewrite cases[] = {
        {"", "<``"},
        {"Column 1", "<`Column 1`"},
        {"a`b``", "<`a``b`````"},
        {"it's \\ Größe", "<`it's \\ Größe`"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(appended(appendSqlIdentifier, c.in), c.out) << c.in;
}

TEST(SqlText, StatementsKeepEveryPieceAlsoWithoutColumns) {
    std::string out;
    appendSqlStatement(out, sqlStatementHead("mytable", {"id", "name"}),
                       std::vector<std::string>{"1", "Tom"});
    appendSqlStatement(out, sqlStatementHead("", {}), {});
    EXPECT_EQ(out, "INSERT `mytable` (`id`,`name`) VALUES('1','Tom'); \r\n"
                   "INSERT `` () VALUES(); \r\n");
}

TEST(XmlText, SanitizeNameKeepsOnlyAsciiLettersDigitsAndUnderscores) {
    const Rewrite cases[] = {
        {"my table-2", "mytable2"}, {"Price (EUR)", "PriceEUR"},
        {"Größe", "Gre"},           {"1st", "1st"},
        {"a_b.c:d", "a_bcd"},       {" -.", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sanitizeName(c.in), c.out) << c.in;
}

TEST(XmlText, NamesThatCannotStartAnXmlNameGetAnUnderscore) {
    const Rewrite cases[] = {
        {"1st", "_1st"},         {"", "_"},        {"-.-", "_"},         {"_x", "_x"},
        {"my table", "mytable"}, {"Größe", "Gre"}, {"9 Größe", "_9Gre"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlName(c.in), c.out) << c.in;
}

TEST(XmlText, AttributeNamesThatComeOutTheSameGetNumberedInTableOrder) {
    struct Case {
        std::vector<std::string> columns;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {{"a b", "ab", "a-b"}, {"ab", "ab_2", "ab_3"}},
        {{"a", "a", "a_2"}, {"a", "a_2", "a_2_2"}},
        {{"a_2", "a", "a"}, {"a_2", "a", "a_3"}},
        {{"1st", "_1st", "", "!"}, {"_1st", "_1st_2", "_", "__2"}},
        {{"Column 1", "Column 2"}, {"Column1", "Column2"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlAttributeNames(c.columns), c.names) << c.columns.front();
}

TEST(XmlText, AttributeValuesEscapeMarkupAndReplaceWhatXmlCannotHold) {
    const std::string replacement = "\xEF\xBF\xBD";
    const Rewrite cases[] = {
        {"Tom", "<Tom"},
        {"a&b<c>d\"e'f", "<a&amp;b&lt;c&gt;d&quot;e'f"},
        {"&amp;", "<&amp;amp;"},
        {"\t\n\r", "<&#9;&#10;&#13;"},
        {"Größe \xF0\x9F\x98\x80 \x7F", "<Größe \xF0\x9F\x98\x80 \x7F"},
        {std::string("a\0b\x1F", 4), "<a" + replacement + "b" + replacement},
        {"\xC3", "<" + replacement},
        {"\xC3(", "<" + replacement + "("},
        {"\xC0\x80", "<" + replacement + replacement},
        {"\xED\xA0\x80", "<" + replacement + replacement + replacement},
        {"\xEF\xBF\xBE!", "<" + replacement + replacement + replacement + "!"},
        {"\xF4\x90\x80\x80", "<" + replacement + replacement + replacement + replacement},
    };
    for (const auto& c : cases)
        EXPECT_EQ(appended(appendXmlAttributeValue, c.in), c.out) << c.in;
}

TEST(XmlText, RowElementsEndEveryAttributeWithABlank) {
    std::string out;
    appendXmlRowElement(out, {"Column1", "Column2"}, std::vector<std::string>{"1", "<Tom>"});
    appendXmlRowElement(out, {}, {});
    EXPECT_EQ(out, "<line Column1=\"1\" Column2=\"&lt;Tom&gt;\" /><line />");
}

TEST(RowCount, IsTheQuantityCutToThirtyTwoBits) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"100", 100},
        {"  12abc", 12},
        {"+7", 7},
        {"", 0},
        {"abc", 0},
        {"-3", -3},
        {"$10", 16},
        {"4294967297", 1},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1},
    };
    for (const auto& [quantity, rows] : cases)
        EXPECT_EQ(rowCountOf(quantity), rows) << quantity;
}

} // namespace
} // namespace rowsmith
