// buildSql and buildXml of a real column table whose columns give scripted values.
#include "columns/columntable.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedtypes.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::ProtocolEntry;
using test::protocolLog;
using test::scriptColumns;
using test::scripted;

enum class Writer { Sql, Xml };

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override { protocolLog().clear(); }

    void addColumns(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            table.addColumn();
            table.rows().back()->nameField->setText(QString::fromStdString(name));
        }
    }
    void setQuantity(const char* text) { table.quantityField()->setText(text); }
    void setTableName(const std::string& name) {
        table.tableNameField()->setText(QString::fromStdString(name));
    }
    std::string build(Writer writer) {
        return writer == Writer::Sql ? table.buildSql() : table.buildXml();
    }
    const ColumnObject* column(std::size_t i) { return table.rows().at(i)->column.get(); }
    std::vector<ProtocolEntry> exportMessages() {
        std::vector<ProtocolEntry> messages;
        for (const auto& entry : protocolLog()) {
            if (entry.message == "getContent" || entry.message == "exported")
                messages.push_back(entry);
        }
        return messages;
    }

    test::RecordingDialogs dialogs;
    QWidget window;
    ColumnTable table{&window, QRect(5, 30, 630, 450), test::scriptedTypes()};
};

TEST_F(WriterTest, SqlOfTwoRowsIsExactlyTwoStatements) {
    addColumns({"id", "name"});
    scriptColumns(table, {{"1", "2"}, {"Tom", "Bo"}});
    setQuantity("2");
    EXPECT_EQ(table.buildSql(), "INSERT `mytable` (`id`,`name`) VALUES('1','Tom'); \r\n"
                                "INSERT `mytable` (`id`,`name`) VALUES('2','Bo'); \r\n");
}

TEST_F(WriterTest, XmlOfTwoRowsIsExactlyOneLine) {
    addColumns({"Column 1", "Column 2"});
    scriptColumns(table, {{"1", "2"}, {"Tom", "Bo"}});
    setQuantity("2");
    EXPECT_EQ(table.buildXml(),
              "<mytable><line Column1=\"1\" Column2=\"Tom\" /><line Column1=\"2\" Column2=\"Bo\" "
              "/></mytable>");
}

TEST_F(WriterTest, WithoutColumnsEveryRowKeepsItsFrame) {
    setTableName("");
    setQuantity("2");
    EXPECT_EQ(table.buildSql(), "INSERT `` () VALUES(); \r\nINSERT `` () VALUES(); \r\n");
    EXPECT_EQ(table.buildXml(), "<_><line /><line /></_>");
}

TEST_F(WriterTest, NamesAreQuotedOrCleanedOncePerExport) {
    addColumns({"it's `x`", "1st", "a b", "ab"});
    setTableName("my `table`-2");
    setQuantity("1");
    EXPECT_EQ(table.buildSql(), "INSERT `my ``table``-2` (`it's ``x```,`1st`,`a b`,`ab`) "
                                "VALUES('v','v','v','v'); \r\n");
    EXPECT_EQ(table.buildXml(),
              "<mytable2><line itsx=\"v\" _1st=\"v\" ab=\"v\" ab_2=\"v\" /></mytable2>");
}

class RowCountTest : public WriterTest,
                     public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(RowCountTest, QuantityGivesTheRowsAndEveryColumnOneExportedAfterThem) {
    const auto [quantity, rows] = GetParam();
    addColumns({"a", "b"});
    setQuantity(quantity);
    for (Writer writer : {Writer::Sql, Writer::Xml}) {
        protocolLog().clear();
        const std::string text = build(writer);

        std::vector<ProtocolEntry> expected;
        for (int row = 0; row < rows; ++row) {
            expected.push_back({column(0), "getContent"});
            expected.push_back({column(1), "getContent"});
        }
        expected.push_back({column(0), "exported"});
        expected.push_back({column(1), "exported"});
        EXPECT_EQ(exportMessages(), expected) << quantity;
        if (writer == Writer::Sql) {
            std::string statements;
            for (int row = 0; row < rows; ++row)
                statements += "INSERT `mytable` (`a`,`b`) VALUES('v','v'); \r\n";
            EXPECT_EQ(text, statements) << quantity;
        } else {
            std::string elements;
            for (int row = 0; row < rows; ++row)
                elements += "<line a=\"v\" b=\"v\" />";
            EXPECT_EQ(text, "<mytable>" + elements + "</mytable>") << quantity;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Quantities, RowCountTest,
                         ::testing::Values(std::pair{"3", 3}, std::pair{"  12abc", 12},
                                           std::pair{"+7", 7}, std::pair{"", 0},
                                           std::pair{"abc", 0}, std::pair{"0", 0},
                                           std::pair{"-3", 0}, std::pair{"4294967298", 2},
                                           std::pair{"2147483648", 0}));

TEST_F(WriterTest, AFailingValueStillEndsTheExportForEveryColumnOnce) {
    addColumns({"a", "b", "c"});
    setQuantity("5");
    scripted(*table.rows()[1]).failAt = 2;
    for (Writer writer : {Writer::Sql, Writer::Xml}) {
        protocolLog().clear();
        scripted(*table.rows()[1]).handedOut = 0;
        EXPECT_THROW(build(writer), std::bad_alloc);
        const std::vector<ProtocolEntry> messages = exportMessages();
        ASSERT_EQ(messages.size(), 3u * 2 + 2 + 3);
        EXPECT_EQ(std::vector(messages.end() - 4, messages.end()),
                  (std::vector<ProtocolEntry>{{column(1), "getContent"},
                                              {column(0), "exported"},
                                              {column(1), "exported"},
                                              {column(2), "exported"}}));
    }
}

// Reads an exported document back with libxml2: the root name and, per row element, its
// attributes as (name, value) pairs in document order.
struct ParsedDocument {
    std::string root;
    std::vector<std::vector<std::pair<std::string, std::string>>> rows;
};

ParsedDocument parseXml(const std::string& text) {
    ParsedDocument parsed;
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) {
        ADD_FAILURE() << "not well-formed: " << text;
        return parsed;
    }
    const xmlNode* root = xmlDocGetRootElement(doc);
    parsed.root = reinterpret_cast<const char*>(root->name);
    for (const xmlNode* line = root->children; line; line = line->next) {
        EXPECT_STREQ(reinterpret_cast<const char*>(line->name), "line");
        auto& attributes = parsed.rows.emplace_back();
        for (const xmlAttr* attribute = line->properties; attribute; attribute = attribute->next) {
            xmlChar* value = xmlNodeListGetString(doc, attribute->children, 1);
            attributes.emplace_back(reinterpret_cast<const char*>(attribute->name),
                                    reinterpret_cast<const char*>(value));
            xmlFree(value);
        }
    }
    xmlFreeDoc(doc);
    return parsed;
}

TEST_F(WriterTest, HostileNamesAndValuesGiveAWellFormedDocumentThatReadsBackTheValues) {
    const std::vector<std::vector<std::string>> values = {
        {"a&b", "<tag attr=\"x\">", "it's \"quoted\"", "&amp; &#60;"},
        {"tab\there", "line\nbreak", "cr\r\nlf", "  blanks  "},
        {"Größe", "Côte d'Ivoire", "\xF0\x9F\x98\x80", ""},
    };
    addColumns({"a b", "ab", "1st", "Größe & <Co>"});
    table.addColumn();
    table.rows().back()->nameField->setText("\"x\"='y'");
    scriptColumns(table, values);
    setTableName("9 lives <&> \"table\"");
    setQuantity("4");

    const ParsedDocument parsed = parseXml(table.buildXml());

    EXPECT_EQ(parsed.root, "_9livestable");
    const std::vector<std::string> names = {"ab", "ab_2", "_1st", "GreCo", "xy"};
    ASSERT_EQ(parsed.rows.size(), 4u);
    for (std::size_t row = 0; row < 4; ++row) {
        ASSERT_EQ(parsed.rows[row].size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(parsed.rows[row][i].first, names[i]);
            const std::string expected =
                i < values.size() ? values[i][row % values[i].size()] : "v";
            EXPECT_EQ(parsed.rows[row][i].second, expected) << "row " << row << " column " << i;
        }
    }
}

} // namespace
} // namespace rowsmith
