#include "tests/support/scriptedrandom.h"

#include <stdexcept>
#include <string>

namespace rowsmith::test {

ScriptedRandomSource::ScriptedRandomSource(std::vector<std::uint64_t> answers) {
    script(std::move(answers));
}

void ScriptedRandomSource::script(std::vector<std::uint64_t> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

std::uint64_t ScriptedRandomSource::uniform(std::uint64_t max) {
    maxima_.push_back(max);
    if (answers_.empty())
        throw std::logic_error("unscripted draw with maximum " + std::to_string(max));
    const std::uint64_t answer = answers_.front();
    answers_.pop_front();
    if (answer > max)
        throw std::logic_error("scripted answer " + std::to_string(answer) +
                               " above maximum " + std::to_string(max));
    return answer;
}

} // namespace rowsmith::test
