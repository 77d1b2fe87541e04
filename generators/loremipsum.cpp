#include "generators/loremipsum.h"

#include "columns/columnobject.h"
#include "export/memorybudget.h"
#include "generators/attributewidgets.h"
#include "generators/numbers.h"
#include "generators/random.h"
#include "generators/wordlists.h"

#include <QLabel>
#include <QLineEdit>

namespace rowsmith {

namespace {

constexpr Placement maxWordsLabelAt{0, 5, 120, 20};
constexpr Placement maxWordsFieldAt{120, 0, 40, 25};

// Texts below this size cannot exhaust memory on their own, so they skip the (slower) check.
constexpr std::uint64_t memoryCheckFrom = std::uint64_t{1} << 20;

std::string loremIpsumValue(const LoremState& state) {
    // The list is asked for before the field is read, so a missing file is reported whatever
    // the field holds.
    const WordList& words = getWordList(wordlist::randomWords);
    const auto count = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(parseInteger(fieldText(state.maxWordsField))));
    return loremWords(words, count, randomSource());
}

} // namespace

std::string loremWords(const WordList& words, std::int32_t count, RandomSource& random) {
    std::string text;
    if (count <= 0)
        return text;
    const auto n = static_cast<std::uint64_t>(count);
    const std::uint64_t most = n * (words.longestLength() + 1);
    if (most >= memoryCheckFrom)
        requireMemoryFor(most);
    // Room for words of average length; a run of longer ones grows the text as it goes.
    const auto listed = static_cast<std::uint64_t>(words.count());
    const std::uint64_t averageLength = listed == 0 ? 0 : words.totalLength() / listed;
    text.reserve(n * (averageLength + 1));
    for (std::int32_t i = 0; i < count; ++i) {
        text += pickWord(words, random);
        text += ' ';
    }
    text.pop_back();
    return text;
}

std::string loremIpsumGenerator(ColumnObject& column, std::string_view message) {
    if (message == message::getContent)
        return loremIpsumValue(column.state<LoremState>());
    if (message == message::ctor) {
        auto state = std::make_unique<LoremState>();
        state->maxWordsLabel = createLabel(column, maxWordsLabelAt, "Maximum of words:");
        state->maxWordsField = createField(column, maxWordsFieldAt, Qt::AlignRight);
        column.setState(std::move(state));
    } else if (message == message::move) {
        auto& state = column.state<LoremState>();
        moveToOrigin(state.maxWordsLabel, column, maxWordsLabelAt);
        moveToOrigin(state.maxWordsField, column, maxWordsFieldAt);
    } else if (message == message::release) {
        auto& state = column.state<LoremState>();
        delete state.maxWordsField;
        delete state.maxWordsLabel;
        column.setState(nullptr);
    }
    return {};
}

} // namespace rowsmith
