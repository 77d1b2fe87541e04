// One column of every type, described in the real window the way a user does it: "Add column" on
// the toolbar, each type picked from its row's type list, names and attributes typed into the
// fields. Both export buttons then write files; the SQL script is loaded into MariaDB and the XML
// document read with libxml2, and every value must have the shape its type and attributes promise.
#include "app/mainwindow.h"
#include "columns/columntable.h"
#include "export/exportcommand.h"
#include "generators/usernames.h"
#include "generators/wordlists.h"
#include "tests/support/mariadbserver.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/toolbarclicks.h"
#include "tests/support/widgetfinder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <map>
#include <set>
#include <sstream>
#include <unordered_set>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

constexpr int rowCount = 50;
constexpr const char* typedTableName = "people 2010";
constexpr const char* xmlRootName = "people2010";
// Typed into the "Free definable" column: everything the writers must escape or pass through.
constexpr const char* fixedText = "O'Hara \\ \"fish & chips\" <b> Größe café";

const std::filesystem::path shippedWordLists = ROWSMITH_WORDLIST_SOURCE_DIR;

// The entries of a shipped word list, read here on their own: one a line, blank lines skipped.
const std::set<std::string>& entriesOf(const std::string& fileName) {
    static std::map<std::string, std::set<std::string>> read;
    auto [found, added] = read.try_emplace(fileName);
    if (added) {
        std::ifstream file(shippedWordLists / fileName, std::ios::binary);
        EXPECT_TRUE(file) << fileName;
        for (std::string line; std::getline(file, line);) {
            if (line.find_first_not_of(' ') != std::string::npos)
                found->second.insert(line);
        }
    }
    return found->second;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

bool matches(const std::string& value, const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)))
        .match(QString::fromStdString(value))
        .hasMatch();
}

// Whether a value of row `row` (counted from 0) fits its column.
using Fits = std::function<bool(const std::string& value, int row)>;

Fits wholeNumberFrom(int low, int high) {
    return [=](const std::string& value, int) {
        return matches(value, "-?(0|[1-9][0-9]*)") && value != "-0" && std::stoi(value) >= low &&
               std::stoi(value) <= high;
    };
}

Fits priceInCents(int low, int high) {
    return [=](const std::string& value, int) {
        if (!matches(value, "[0-9]+\\.[0-9]{2}"))
            return false;
        const int cents = std::stoi(value.substr(0, value.size() - 3)) * 100 +
                          std::stoi(value.substr(value.size() - 2));
        return cents >= low && cents <= high;
    };
}

Fits counter(int start, int step) {
    return [=](const std::string& value, int row) {
        return value == std::to_string(start + step * row);
    };
}

Fits exactly(std::string text) {
    return [=](const std::string& value, int) { return value == text; };
}

Fits entryOf(std::vector<std::string> fileNames) {
    return [=](const std::string& value, int) {
        return std::any_of(fileNames.begin(), fileNames.end(), [&](const std::string& fileName) {
            return entriesOf(fileName).contains(value);
        });
    };
}

Fits loremWords(std::size_t count) {
    return [=](const std::string& value, int) {
        const std::vector<std::string> words = split(value, ' ');
        return words.size() == count &&
               std::all_of(words.begin(), words.end(), [](const std::string& word) {
                   return entriesOf("randomwords.txt").contains(word);
               });
    };
}

Fits emailAddress() {
    return [](const std::string& value, int) {
        const std::vector<std::string> parts = split(value, '@');
        return parts.size() == 2 && entriesOf("email_name.txt").contains(parts[0]) &&
               entriesOf("email_domain.txt").contains(parts[1]);
    };
}

// Two to seven syllables of the generator's table, each maybe followed by an underscore, at most
// two underscores in all, the first letter a capital. A name of nothing but empty syllables is
// empty, and one that starts with an underscore keeps it.
Fits username() {
    std::string syllables;
    for (const std::string_view syllable : usernameSyllables) {
        if (!syllable.empty())
            syllables += (syllables.empty() ? "" : "|") + std::string(syllable);
    }
    const std::string pattern = "((" + syllables + ")?_?){0,7}";
    return [=](const std::string& value, int) {
        if (value.empty())
            return true;
        std::string lowered = value;
        lowered[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowered[0])));
        return (std::isupper(static_cast<unsigned char>(value[0])) || value[0] == '_') &&
               value.size() <= 23 && std::count(value.begin(), value.end(), '_') <= 2 &&
               matches(lowered, pattern.c_str());
    };
}

// A field of a row's attribute area, found by its left edge as the user sees it, and the text
// typed into it.
struct TypedAttribute {
    int left;
    const char* text;
};

struct ColumnExpectation {
    const char* type;
    const char* name;
    // What the XML document calls the column.
    const char* xmlName;
    std::vector<TypedAttribute> attributes;
    Fits fits;
    // Drawn at random: fifty rows of one value would mean the draw is stuck.
    bool drawn;
};

// Attribute-field left edges within the row's attribute area.
constexpr int rangeFrom = 40;
constexpr int rangeTo = 120;
constexpr int afterLabel = 120;

const std::vector<ColumnExpectation>& columns() {
    static const std::vector<ColumnExpectation> table{
        {"Number range",
         "num range",
         "numrange",
         {{rangeFrom, "-5"}, {rangeTo, "5"}},
         wholeNumberFrom(-5, 5),
         true},
        {"Lorem ipsum", "lorem", "lorem", {{afterLabel, "3"}}, loremWords(3), true},
        {"City", "city", "city", {}, entryOf({"cities.txt"}), true},
        {"Country", "country", "country", {}, entryOf({"countries.txt"}), true},
        {"Hobbies", "hobby", "hobby", {}, entryOf({"hobbies.txt"}), true},
        {"Free definable",
         "it's `fixed`",
         "itsfixed",
         {{afterLabel, fixedText}},
         exactly(fixedText),
         false},
        {"Incremental", "id", "id", {{afterLabel, "10"}}, counter(10, 1), false},
        {"Decremental", "countdown", "countdown", {{afterLabel, "3"}}, counter(3, -1), false},
        {"Random price",
         "price",
         "price",
         {{rangeFrom, "9.99"}, {rangeTo, "19.99"}},
         priceInCents(999, 1999),
         true},
        {"Masculin name", "Männername", "Mnnername", {}, entryOf({"name_masc.txt"}), true},
        {"Feminin name", "feminine", "feminine", {}, entryOf({"name_fem.txt"}), true},
        {"Prename", "prename", "prename", {}, entryOf({"name_fem.txt"}), true},
        {"Username (Unique)", "login", "login", {}, username(), true},
        {"eMail", "e-mail", "email", {}, emailAddress(), true},
        {"Name (Random gender)",
         "name",
         "name",
         {},
         entryOf({"name_fem.txt", "name_masc.txt"}),
         true},
    };
    return table;
}

std::size_t usernameColumn() {
    const auto& all = columns();
    return static_cast<std::size_t>(
        std::find_if(all.begin(), all.end(),
                     [](const auto& c) { return c.type == std::string("Username (Unique)"); }) -
        all.begin());
}

// The registry holds the names handed out since it was last emptied, and those are the newest
// names of the export, with checksums that differ from each other.
void expectNewestUsernamesRegistered(const std::vector<std::vector<std::string>>& rows) {
    const std::vector<RegistryEntry>& registry = usernameRegistry();
    ASSERT_FALSE(registry.empty()) << "the last name handed out is always registered";
    const std::size_t newest = std::min(registry.size(), rows.size());
    std::vector<std::string> registered;
    std::vector<std::string> exported;
    for (std::size_t k = newest; k > 0; --k) {
        std::string name = registry[registry.size() - k].name;
        if (!name.empty())
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        registered.push_back(name);
        exported.push_back(rows[rows.size() - k][usernameColumn()]);
    }
    EXPECT_EQ(registered, exported);
    std::unordered_set<std::int32_t> checksums;
    for (const RegistryEntry& entry : registry)
        EXPECT_TRUE(checksums.insert(usernameChecksum(entry.name)).second) << entry.name;
}

// Every row holds one value per column, and every value fits its column.
void expectValuesFit(const std::vector<std::vector<std::string>>& rows) {
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(rowCount));
    for (std::size_t c = 0; c < columns().size(); ++c) {
        const ColumnExpectation& column = columns()[c];
        std::set<std::string> distinct;
        int misfits = 0;
        std::string firstMisfit;
        for (int row = 0; row < rowCount; ++row) {
            const auto& values = rows[static_cast<std::size_t>(row)];
            ASSERT_EQ(values.size(), columns().size()) << "row " << row;
            const std::string& value = values[c];
            distinct.insert(value);
            if (!column.fits(value, row) && misfits++ == 0)
                firstMisfit = "row " + std::to_string(row) + ": \"" + value + "\"";
        }
        EXPECT_EQ(misfits, 0) << column.type << " column \"" << column.name << "\", first in "
                              << firstMisfit;
        if (column.drawn) {
            EXPECT_GT(distinct.size(), 1u) << column.type << " gave one value in every row";
        }
    }
    expectNewestUsernamesRegistered(rows);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string sqlIdentifier(const std::string& name) {
    std::string quoted = "`";
    for (const char c : name)
        quoted += c == '`' ? std::string("``") : std::string(1, c);
    return quoted + "`";
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The root name, each row element's attribute names and each row's values, in document order.
struct XmlTable {
    std::string root;
    std::vector<std::string> elementNames;
    std::vector<std::vector<std::string>> attributeNames;
    std::vector<std::vector<std::string>> rows;
};

XmlTable readXmlTable(const std::string& document) {
    XmlTable table;
    xmlDocPtr doc =
        xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) {
        ADD_FAILURE() << "not well-formed XML";
        return table;
    }
    const auto text = [](const xmlChar* chars) {
        return std::string(reinterpret_cast<const char*>(chars));
    };
    const xmlNode* root = xmlDocGetRootElement(doc);
    table.root = text(root->name);
    for (const xmlNode* element = root->children; element; element = element->next) {
        table.elementNames.push_back(text(element->name));
        auto& names = table.attributeNames.emplace_back();
        auto& values = table.rows.emplace_back();
        for (const xmlAttr* attribute = element->properties; attribute;
             attribute = attribute->next) {
            names.push_back(text(attribute->name));
            xmlChar* value = xmlNodeListGetString(doc, attribute->children, 1);
            values.push_back(value ? text(value) : std::string());
            xmlFree(value);
        }
    }
    xmlFreeDoc(doc);
    return table;
}

class AllTypesTest : public ::testing::Test {
protected:
    void SetUp() override {
        clearWordListCache();
        setWordListFolder(shippedWordLists.string());
        clearUsernameRegistry();
        forgetRememberedFolder();
        window.show();
        describeTable();
    }

    void TearDown() override {
        setWordListFolder({});
        clearWordListCache();
    }

    ColumnTable& table() { return window.columnTable(); }

    // Types a text key by key. A letter beyond ASCII comes as the key of that letter carrying it
    // as its text, the way a keyboard layout with that key sends it.
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(widget, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, widget,
                                    static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                                    Qt::NoModifier);
            }
        }
    }

    // Replaces a field's text the way a user does: click, select all, type.
    static void retype(QLineEdit* field, const char* text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeText(field, QString::fromUtf8(text));
        ASSERT_EQ(field->text(), QString::fromUtf8(text));
    }

    // Opens the type list with a click, walks down it with the arrow keys to the entry and takes
    // it with Return.
    static void chooseType(QComboBox* list, const char* type) {
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView* popup = list->view();
        ASSERT_TRUE(popup->isVisible()) << "the type list did not open";
        for (int step = 0; popup->currentIndex().data().toString() != type; ++step) {
            ASSERT_LT(step, typeCount) << type << " is not in the type list";
            QTest::keyClick(popup, Qt::Key_Down);
        }
        QTest::keyClick(popup, Qt::Key_Return);
        ASSERT_FALSE(popup->isVisible());
        ASSERT_EQ(list->currentText(), type);
    }

    // The attribute field of a row whose left edge lies at this offset of the attribute area.
    QLineEdit* attributeField(const ColumnRow& row, int left) {
        QWidget* inner = table().scrollingArea()->widget();
        return test::widgetAt<QLineEdit>(inner,
                                         QPoint(attributeLeft + left + 5, row.typeList->y() + 10));
    }

    void describeTable() {
        for (std::size_t added = 1; added < columns().size(); ++added)
            test::clickToolbarButton(window, "Add column");
        ASSERT_EQ(table().rows().size(), columns().size());
        for (std::size_t i = 0; i < columns().size(); ++i) {
            const ColumnExpectation& column = columns()[i];
            const ColumnRow& row = *table().rows()[i];
            table().scrollingArea()->ensureWidgetVisible(row.typeList);
            ASSERT_NO_FATAL_FAILURE(chooseType(row.typeList, column.type));
            ASSERT_NO_FATAL_FAILURE(retype(row.nameField, column.name));
            for (const TypedAttribute& attribute : column.attributes) {
                QLineEdit* field = attributeField(row, attribute.left);
                ASSERT_NE(field, nullptr) << column.type << ": no field at " << attribute.left;
                ASSERT_NO_FATAL_FAILURE(retype(field, attribute.text));
            }
        }
        ASSERT_NO_FATAL_FAILURE(retype(table().quantityField(), std::to_string(rowCount).c_str()));
        ASSERT_NO_FATAL_FAILURE(retype(table().tableNameField(), typedTableName));
    }

    // Clicks an export button, answers the save dialog with a file of the temporary folder and
    // returns what was written there.
    std::string exportFile(const char* button, const std::string& fileName) {
        const std::string path = folder.filePath(QString::fromStdString(fileName)).toStdString();
        dialogs.saveChoices.push_back({path, 0});
        test::clickToolbarButton(window, button);
        EXPECT_TRUE(dialogs.saveChoices.empty()) << button << " showed no save dialog";
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
        return readFile(path);
    }

    test::RecordingDialogs dialogs;
    QTemporaryDir folder;
    MainWindow window;
};

TEST_F(AllTypesTest, SqlScriptLoadsIntoMariaDbWithEveryValueInShape) {
    const std::string script = exportFile("Export (SQL)", "people.sql");
    ASSERT_FALSE(script.empty());

    std::string definitions;
    std::string selected;
    for (const ColumnExpectation& column : columns()) {
        definitions += ", " + sqlIdentifier(column.name) + " TEXT";
        selected +=
            std::string(selected.empty() ? "" : ", ") + "HEX(" + sqlIdentifier(column.name) + ")";
    }
    auto& server = test::mariaDbServer();
    server.query({}, "CREATE DATABASE alltypes");
    server.query("alltypes", "CREATE TABLE " + sqlIdentifier(typedTableName) +
                                 " (seq INT AUTO_INCREMENT PRIMARY KEY" + definitions +
                                 ") CHARACTER SET utf8mb4");
    ASSERT_NO_THROW(server.load("alltypes", script));

    EXPECT_EQ(server.query("alltypes", "SELECT COUNT(*) FROM " + sqlIdentifier(typedTableName)),
              std::to_string(rowCount) + "\n");
    std::vector<std::vector<std::string>> rows;
    const std::string stored =
        server.query("alltypes", "SELECT " + selected + " FROM " + sqlIdentifier(typedTableName) +
                                     " ORDER BY seq");
    for (const std::string& line : split(stored, '\n')) {
        if (line.empty())
            continue;
        auto& values = rows.emplace_back();
        for (const std::string& hex : split(line, '\t'))
            values.push_back(fromHex(hex));
    }
    expectValuesFit(rows);
}

TEST_F(AllTypesTest, XmlDocumentParsesWithCleanedNamesAndEveryValueInShape) {
    const XmlTable document = readXmlTable(exportFile("Export (XML)", "people.xml"));

    EXPECT_EQ(document.root, xmlRootName);
    EXPECT_EQ(document.elementNames, std::vector<std::string>(rowCount, "line"));
    std::vector<std::string> names;
    for (const ColumnExpectation& column : columns())
        names.emplace_back(column.xmlName);
    EXPECT_EQ(document.attributeNames, std::vector<std::vector<std::string>>(rowCount, names));
    expectValuesFit(document.rows);
}

TEST_F(AllTypesTest, ASecondExportStartsTheCountersAgainAndStillFits) {
    exportFile("Export (SQL)", "first.sql");
    const XmlTable document = readXmlTable(exportFile("Export (XML)", "second.xml"));
    expectValuesFit(document.rows);
}

} // namespace
} // namespace rowsmith
