#include "export/rowbuilder.h"

#include "columns/columnobject.h"
#include "columns/columntable.h"
#include "export/exportprogress.h"
#include "export/memorybudget.h"
#include "generators/numbers.h"

#include <limits>
#include <new>

#include <QLineEdit>

namespace rowsmith {

namespace {

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

void sendExported(std::span<ColumnObject* const> columns) {
    for (ColumnObject* column : columns)
        column->exported();
}

// Reserves the text for all rows, estimated from the first, with an eighth more for rows that
// come out longer. Throws std::bad_alloc when that would not fit in memory.
void reserveForAllRows(std::string& text, std::size_t openingSize, std::int32_t rowCount,
                       std::size_t closingSize) {
    const std::uint64_t rowBytes = text.size() - openingSize;
    const auto rows = static_cast<std::uint64_t>(rowCount);
    if (rowBytes > std::numeric_limits<std::uint64_t>::max() / 2 / rows)
        throw std::bad_alloc();
    const std::uint64_t estimate = openingSize + rowBytes * rows + closingSize;
    const std::uint64_t reserved = estimate + estimate / 8;
    requireMemoryFor(reserved);
    text.reserve(reserved);
    adviseHugePages(text.data(), text.capacity());
}

} // namespace

ExportInputs readExportInputs(const ColumnTable& table) {
    ExportInputs inputs{textOf(table.quantityField()), textOf(table.tableNameField()), {}, {}};
    for (const auto& row : table.rows()) {
        inputs.columnNames.push_back(textOf(row->nameField));
        inputs.columns.push_back(row->column.get());
    }
    return inputs;
}

std::int32_t rowCountOf(std::string_view quantity) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(parseInteger(quantity)));
}

std::string buildRows(std::span<ColumnObject* const> columns, std::int32_t rowCount,
                      std::string_view opening, const RowAppender& appendRow,
                      std::string_view closing, ExportProgress* progress) {
    std::string text(opening);
    try {
        std::vector<std::string> values(columns.size());
        for (std::int32_t row = 0; row < rowCount; ++row) {
            for (std::size_t i = 0; i < columns.size(); ++i)
                values[i] = columns[i]->getContent();
            appendRow(text, values);
            if (row == 0)
                reserveForAllRows(text, opening.size(), rowCount, closing.size());
            const std::int32_t done = row + 1;
            if (progress && done % progressInterval == 0 && !progress->rowsDone(done, rowCount))
                throw ExportCancelled();
        }
    } catch (...) {
        sendExported(columns);
        throw;
    }
    sendExported(columns);
    text.append(closing);
    return text;
}

} // namespace rowsmith
