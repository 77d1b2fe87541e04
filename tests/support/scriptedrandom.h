#pragma once

#include "generators/random.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace rowsmith::test {

// Answers draws from a script and records the maximum of every draw, so that tests check both
// the values produced and the exact draws requested. Installs itself for its lifetime.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<std::uint64_t> answers = {});
    std::uint64_t uniform(std::uint64_t max) override;

    void script(std::vector<std::uint64_t> answers);
    // Maxima of all draws so far, in order.
    const std::vector<std::uint64_t>& maxima() const { return maxima_; }
    // Draws left unanswered by the script.
    std::size_t remaining() const { return answers_.size(); }

private:
    std::deque<std::uint64_t> answers_;
    std::vector<std::uint64_t> maxima_;
    ScopedRandomSource installed_{*this};
};

} // namespace rowsmith::test
