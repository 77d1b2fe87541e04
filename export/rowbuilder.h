#pragma once

// What the SQL and XML writers share: reading the column table once per export, and driving its
// generators row by row into one text.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rowsmith {

class ColumnObject;
class ExportProgress;
class ColumnTable;

// The fields of the column table as they stand when an export starts.
struct ExportInputs {
    std::string quantity;
    std::string tableName;
    std::vector<std::string> columnNames;
    std::vector<ColumnObject*> columns;
};

ExportInputs readExportInputs(const ColumnTable& table);

// The quantity text as a row count: parseInteger, cut to its low 32 bits, read as signed.
std::int32_t rowCountOf(std::string_view quantity);

using RowAppender = std::function<void(std::string& out, std::span<const std::string> values)>;

// The text of one export: opening, one row per count (none when it is 0 or negative), closing.
// Every row sends "getContent" to each column in order and hands the values to appendRow. Then
// every column gets "exported" exactly once, also when building fails; the failure (std::bad_alloc
// from a generator or for a text that would not fit in memory) goes on to the caller. Once the
// first row is built, the text is reserved for all rows, so that a count whose text cannot fit is
// refused at once instead of after a long build. With progress, every progressInterval rows are
// reported; when it answers that the user cancelled, the build throws ExportCancelled.
std::string buildRows(std::span<ColumnObject* const> columns, std::int32_t rowCount,
                      std::string_view opening, const RowAppender& appendRow,
                      std::string_view closing, ExportProgress* progress);

} // namespace rowsmith
