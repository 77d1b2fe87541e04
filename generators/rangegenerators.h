#pragma once

// "Number range" and "Random price": a random value between the bounds typed into "From:" and
// "To:". Both share their widgets and state record and differ in how they draw and write a value.

#include "columns/generator.h"

#include <cstdint>

class QLabel;
class QLineEdit;

namespace rowsmith {

class RandomSource;

struct RangeState final : GeneratorState {
    QLineEdit* fromField = nullptr;
    QLineEdit* toField = nullptr;
    QLabel* fromLabel = nullptr;
    QLabel* toLabel = nullptr;
};

// A whole number between the bounds, both included, whatever their order and distance.
std::int64_t drawNumberInRange(std::int64_t from, std::int64_t to, RandomSource& random);
// A price in cents between the bounds, both included, whatever their order and distance.
double drawPrice(double from, double to, RandomSource& random);

std::string numberRangeGenerator(ColumnObject& column, std::string_view message);
std::string randomPriceGenerator(ColumnObject& column, std::string_view message);

} // namespace rowsmith
