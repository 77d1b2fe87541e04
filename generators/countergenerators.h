#pragma once

// "Incremental" and "Decremental" count by one per value from the number typed into "Start from:"
// and start again from it in every export; "Free definable" repeats the text typed into
// "Content:". The two counters share their widgets and state record and differ in their step.

#include "columns/generator.h"

#include <cstdint>

class QLabel;
class QLineEdit;

namespace rowsmith {

struct CounterState final : GeneratorState {
    QLineEdit* startField = nullptr;
    QLabel* startLabel = nullptr;
    // false until the first value of an export has read the start value.
    bool started = false;
    // The value the next "getContent" returns.
    std::int32_t current = 0;
};

struct TextState final : GeneratorState {
    QLineEdit* contentField = nullptr;
    QLabel* contentLabel = nullptr;
};

// The start value of a typed text: parseInteger, cut to its low 32 bits.
std::int32_t counterStart(std::string_view text);
// The value after current, one step on, wrapping around in 32-bit two's complement.
std::int32_t stepCounter(std::int32_t current, std::int32_t step);

std::string incrementalGenerator(ColumnObject& column, std::string_view message);
std::string decrementalGenerator(ColumnObject& column, std::string_view message);
std::string freeDefinableGenerator(ColumnObject& column, std::string_view message);

} // namespace rowsmith
