// Exported SQL scripts loaded into a real MariaDB server.
#include "columns/columntable.h"
#include "generators/rangegenerators.h"
#include "tests/support/mariadbserver.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/scriptedtypes.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::mariaDbServer;

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char byte : bytes) {
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

class MariaDbLoadTest : public ::testing::Test {
protected:
    void addColumns(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            table.addColumn();
            table.rows().back()->nameField->setText(QString::fromStdString(name));
        }
    }

    test::RecordingDialogs dialogs;
    QWidget window;
    ColumnTable table{&window, QRect(5, 30, 630, 450), test::scriptedTypes()};
};

TEST_F(MariaDbLoadTest, HostileNamesAndValuesArriveByteForByte) {
    const std::vector<std::vector<std::string>> values = {
        {"O'Brien", "Côte d'Ivoire", "''", "'); DROP TABLE x; --"},
        {"C:\\dir\\", "\\'", "\\\\n", "ends with \\"},
        {"back`tick", "`", "/* not a comment */", "-- nor this"},
        {"  two  blanks  ", "tab\there", "cr\r\nlf", "a\r\nDELIMITER //\r\nb;"},
        {"Größe", "\xF0\x9F\x98\x80", "", "\"double\""},
    };
    addColumns({"it's", "back\\slash", "tick`tick", "two words", "Größe"});
    test::scriptColumns(table, values);
    table.tableNameField()->setText("it's `my` table");
    table.quantityField()->setText("8");

    auto& server = mariaDbServer();
    server.query({}, "CREATE DATABASE export_test");
    server.query("export_test", R"sql(
        CREATE TABLE `it's ``my`` table` (
            seq INT AUTO_INCREMENT PRIMARY KEY,
            `it's` TEXT, `back\slash` TEXT, `tick``tick` TEXT, `two words` TEXT, `Größe` TEXT
        ) CHARACTER SET utf8mb4)sql");
    server.load("export_test", table.buildSql());

    const std::string stored = server.query("export_test", R"sql(
        SELECT HEX(`it's`), HEX(`back\slash`), HEX(`tick``tick`), HEX(`two words`), HEX(`Größe`)
        FROM `it's ``my`` table` ORDER BY seq)sql");
    std::string expected;
    for (std::size_t row = 0; row < 8; ++row) {
        for (std::size_t column = 0; column < values.size(); ++column)
            expected += hex(values[column][row % 4]) + (column + 1 < values.size() ? "\t" : "\n");
    }
    EXPECT_EQ(stored, expected);
}

TEST_F(MariaDbLoadTest, EveryRowOfRandomPricesArrivesWithinItsBounds) {
    constexpr int randomPrice = 8;
    addColumns({"Column 1", "label"});
    table.rows()[0]->typeList->setCurrentIndex(randomPrice);
    auto& range = table.rows()[0]->column->state<RangeState>();
    range.fromField->setText("1.5");
    range.toField->setText("99.99");
    table.quantityField()->setText("2500");

    auto& server = mariaDbServer();
    server.query({}, "CREATE DATABASE prices");
    server.query("prices", "CREATE TABLE mytable (`Column 1` DECIMAL(10,2), label TEXT)");
    server.load("prices", table.buildSql());

    EXPECT_EQ(server.query("prices", "SELECT COUNT(*), MIN(`Column 1`) >= 1.5, "
                                     "MAX(`Column 1`) <= 99.99, SUM(label = 'v') FROM mytable"),
              "2500\t1\t1\t2500\n");
}

} // namespace
} // namespace rowsmith
