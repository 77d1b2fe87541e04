#include "export/sqlwriter.h"

#include "columns/columntable.h"
#include "export/rowbuilder.h"
#include "export/textedit.h"

namespace rowsmith {

namespace {

TextEdit sqlStringEdit(std::string_view text, std::size_t i) {
    switch (text[i]) {
    case '\'':
        return {"''"};
    case '\\':
        return {"\\\\"};
    default:
        return {};
    }
}

TextEdit sqlIdentifierEdit(std::string_view text, std::size_t i) {
    return {text[i] == '`' ? "``" : ""};
}

} // namespace

void appendSqlString(std::string& out, std::string_view value) {
    out += '\'';
    if (isPlain(value, [](char c) { return c == '\'' || c == '\\'; }))
        out.append(value);
    else
        appendEdited(out, value, sqlStringEdit);
    out += '\'';
}

void appendSqlIdentifier(std::string& out, std::string_view name) {
    out += '`';
    appendEdited(out, name, sqlIdentifierEdit);
    out += '`';
}

std::string sqlStatementHead(std::string_view table, const std::vector<std::string>& columns) {
    std::string head = "INSERT ";
    appendSqlIdentifier(head, table);
    head += " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            head += ',';
        appendSqlIdentifier(head, columns[i]);
    }
    head += ") VALUES(";
    return head;
}

void appendSqlStatement(std::string& out, std::string_view head,
                        std::span<const std::string> values) {
    out += head;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        appendSqlString(out, values[i]);
    }
    out += "); \r\n";
}

std::string ColumnTable::buildSql(ExportProgress* progress) {
    const ExportInputs inputs = readExportInputs(*this);
    const std::string head = sqlStatementHead(inputs.tableName, inputs.columnNames);
    return buildRows(inputs.columns, rowCountOf(inputs.quantity), {},
                     [&head](std::string& out, std::span<const std::string> values) {
                         appendSqlStatement(out, head, values);
                     },
                     {}, progress);
}

} // namespace rowsmith
