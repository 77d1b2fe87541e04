#include "tests/support/scriptedtypes.h"

#include "columns/typetable.h"

#include <new>

namespace rowsmith::test {

namespace {

std::string scriptedGenerator(ColumnObject& column, std::string_view message) {
    protocolLog().push_back({&column, std::string(message)});
    if (message == message::ctor) {
        column.setState(std::make_unique<ScriptedColumn>());
    } else if (message == message::release) {
        column.setState(nullptr);
    } else if (message == message::getContent) {
        auto& state = column.state<ScriptedColumn>();
        const std::size_t number = state.handedOut++;
        if (number == state.failAt)
            throw std::bad_alloc();
        return state.values[number % state.values.size()];
    }
    return {};
}

} // namespace

std::vector<ProtocolEntry>& protocolLog() {
    static std::vector<ProtocolEntry> log;
    return log;
}

const TypeTable& scriptedTypes() {
    static const TypeTable table = [] {
        TypeTable types = standardTypes();
        types[0] = {"Scripted", scriptedGenerator};
        return types;
    }();
    return table;
}

ScriptedColumn& scripted(const ColumnRow& row) {
    return row.column->state<ScriptedColumn>();
}

void scriptColumns(const ColumnTable& table, const std::vector<std::vector<std::string>>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        scripted(*table.rows().at(i)).values = values[i];
}

} // namespace rowsmith::test
