#include "generators/countergenerators.h"

#include "columns/columnobject.h"
#include "generators/attributewidgets.h"
#include "generators/numbers.h"

#include <QLabel>
#include <QLineEdit>

namespace rowsmith {

namespace {

constexpr Placement startLabelAt{0, 5, 120, 20};
constexpr Placement startFieldAt{120, 0, 50, 25};
constexpr Placement contentLabelAt{0, 5, 120, 20};
constexpr Placement contentFieldAt{120, 0, 200, 25};

template <std::int32_t step> std::string counterValue(CounterState& state) {
    if (!state.started) {
        state.current = counterStart(fieldText(state.startField));
        state.started = true;
    }
    const std::int32_t value = state.current;
    state.current = stepCounter(value, step);
    return formatInteger(value);
}

std::string freeDefinableValue(const TextState& state) {
    return fieldText(state.contentField);
}

template <std::int32_t step>
std::string counterGenerator(ColumnObject& column, std::string_view message) {
    if (message == message::getContent)
        return counterValue<step>(column.state<CounterState>());
    if (message == message::ctor) {
        auto state = std::make_unique<CounterState>();
        state->startLabel = createLabel(column, startLabelAt, "Start from:");
        state->startField = createField(column, startFieldAt, Qt::AlignLeft);
        column.setState(std::move(state));
    } else if (message == message::exported) {
        column.state<CounterState>().started = false;
    } else if (message == message::move) {
        auto& state = column.state<CounterState>();
        moveToOrigin(state.startLabel, column, startLabelAt);
        moveToOrigin(state.startField, column, startFieldAt);
    } else if (message == message::release) {
        auto& state = column.state<CounterState>();
        delete state.startField;
        delete state.startLabel;
        column.setState(nullptr);
    }
    return {};
}

} // namespace

std::int32_t counterStart(std::string_view text) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(parseInteger(text)));
}

std::int32_t stepCounter(std::int32_t current, std::int32_t step) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(current) +
                                     static_cast<std::uint32_t>(step));
}

std::string incrementalGenerator(ColumnObject& column, std::string_view message) {
    return counterGenerator<1>(column, message);
}

std::string decrementalGenerator(ColumnObject& column, std::string_view message) {
    return counterGenerator<-1>(column, message);
}

std::string freeDefinableGenerator(ColumnObject& column, std::string_view message) {
    if (message == message::getContent)
        return freeDefinableValue(column.state<TextState>());
    if (message == message::ctor) {
        auto state = std::make_unique<TextState>();
        state->contentLabel = createLabel(column, contentLabelAt, "Content:");
        state->contentField = createField(column, contentFieldAt, Qt::AlignLeft);
        column.setState(std::move(state));
    } else if (message == message::move) {
        auto& state = column.state<TextState>();
        moveToOrigin(state.contentLabel, column, contentLabelAt);
        moveToOrigin(state.contentField, column, contentFieldAt);
    } else if (message == message::release) {
        auto& state = column.state<TextState>();
        delete state.contentField;
        delete state.contentLabel;
        column.setState(nullptr);
    }
    return {};
}

} // namespace rowsmith
