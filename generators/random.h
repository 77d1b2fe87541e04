#pragma once

// The one source of random integers. Generators reach it through randomSource(); tests install a
// scripted source with ScopedRandomSource.

#include <cstdint>

namespace rowsmith {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // An integer from 0 to max, both included, every value equally likely.
    virtual std::uint64_t uniform(std::uint64_t max) = 0;
};

// xoshiro256** seeded once from a time-varying value; unbiased bounded draws by rejection.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed);
    std::uint64_t uniform(std::uint64_t max) override;

private:
    std::uint64_t next();
    std::uint64_t state_[4];
};

RandomSource& randomSource();

// Replaces the process-wide source for its lifetime.
class ScopedRandomSource final {
public:
    explicit ScopedRandomSource(RandomSource& source);
    ~ScopedRandomSource();
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

private:
    RandomSource* previous_;
};

} // namespace rowsmith
