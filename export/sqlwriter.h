#pragma once

// The SQL script: one INSERT statement per generated row, loadable into MariaDB and MySQL whatever
// the names and values hold. ColumnTable::buildSql (sqlwriter.cpp) puts these pieces together.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rowsmith {

// Appends a string literal: the value between apostrophes, with every apostrophe and every
// backslash doubled (the server's default mode reads a backslash as an escape).
void appendSqlString(std::string& out, std::string_view value);

// Appends a quoted identifier: the name between backticks, with every backtick doubled.
void appendSqlIdentifier(std::string& out, std::string_view name);

// What every statement of one export begins with: "INSERT `table` (`a`,`b`) VALUES(".
std::string sqlStatementHead(std::string_view table, const std::vector<std::string>& columns);

// Appends one statement: the head, the values as string literals separated by commas, "); \r\n".
void appendSqlStatement(std::string& out, std::string_view head,
                        std::span<const std::string> values);

} // namespace rowsmith
