#include "generators/random.h"

#include <chrono>
#include <random>

namespace rowsmith {

namespace {

std::uint64_t splitMix64(std::uint64_t& seed) {
    std::uint64_t z = (seed += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t timeVaryingSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<std::uint64_t>(ticks) ^ (std::uint64_t{device()} << 32) ^ device();
}

RandomSource* installedSource = nullptr;

} // namespace

SystemRandomSource::SystemRandomSource() : SystemRandomSource(timeVaryingSeed()) {}

SystemRandomSource::SystemRandomSource(std::uint64_t seed) {
    for (auto& word : state_)
        word = splitMix64(seed);
}

std::uint64_t SystemRandomSource::next() {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

std::uint64_t SystemRandomSource::uniform(std::uint64_t max) {
    if (max == UINT64_MAX)
        return next();
    // Lemire's multiply-and-reject: unbiased, and almost never loops.
    const std::uint64_t range = max + 1;
    unsigned __int128 product = static_cast<unsigned __int128>(next()) * range;
    auto low = static_cast<std::uint64_t>(product);
    if (low < range) {
        const std::uint64_t threshold = (0 - range) % range;
        while (low < threshold) {
            product = static_cast<unsigned __int128>(next()) * range;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<std::uint64_t>(product >> 64);
}

RandomSource& randomSource() {
    if (installedSource)
        return *installedSource;
    static SystemRandomSource systemSource;
    return systemSource;
}

ScopedRandomSource::ScopedRandomSource(RandomSource& source) : previous_(installedSource) {
    installedSource = &source;
}

ScopedRandomSource::~ScopedRandomSource() { installedSource = previous_; }

} // namespace rowsmith
