#pragma once

// "Lorem ipsum": exactly as many words from the "randomWords" list as "Maximum of words:" holds,
// separated by single spaces.

#include "columns/generator.h"

#include <cstdint>

class QLabel;
class QLineEdit;

namespace rowsmith {

class RandomSource;
class WordList;

struct LoremState final : GeneratorState {
    QLineEdit* maxWordsField = nullptr;
    QLabel* maxWordsLabel = nullptr;
};

// count random picks from words joined by single spaces; the empty text for a count of 0 or less.
// Throws std::bad_alloc, before building anything, when the text might not fit in memory.
std::string loremWords(const WordList& words, std::int32_t count, RandomSource& random);

std::string loremIpsumGenerator(ColumnObject& column, std::string_view message);

} // namespace rowsmith
