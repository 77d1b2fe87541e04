#pragma once

#include "columns/columnobject.h"
#include "columns/columntable.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace rowsmith::test {

// The state of a "Scripted" column: the values it gives, in turn and over again, and the number
// of the value (counted from 0 over the column's life) at which it throws std::bad_alloc instead.
struct ScriptedColumn final : GeneratorState {
    std::vector<std::string> values{"v"};
    std::size_t handedOut = 0;
    std::size_t failAt = std::numeric_limits<std::size_t>::max();
};

// Every message a "Scripted" column received, in order.
struct ProtocolEntry {
    const ColumnObject* column;
    std::string message;
    bool operator==(const ProtocolEntry&) const = default;
};
std::vector<ProtocolEntry>& protocolLog();

// The standard types with type 0, the type of every new row, replaced by "Scripted".
const TypeTable& scriptedTypes();

ScriptedColumn& scripted(const ColumnRow& row);
// Gives the rows of the table these values: row i the i-th list.
void scriptColumns(const ColumnTable& table, const std::vector<std::vector<std::string>>& values);

} // namespace rowsmith::test
