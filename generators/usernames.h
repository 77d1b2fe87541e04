#pragma once

// "Username (Unique)": pronounceable names strung together from a fixed table of syllables, with
// at most two underscores and a capital first letter. One registry for the whole program remembers
// the checksums of the names handed out; a candidate whose checksum is registered empties the
// registry and is replaced by a new candidate.

#include "columns/generator.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rowsmith {

class RandomSource;

// Slot 0 is empty: drawing it adds no letters but still counts as one of the syllables.
inline constexpr std::array<std::string_view, 29> usernameSyllables{
    "",   "tom", "bo",  "go", "mi",  "hon", "tim", "bi",  "gi", "mo",
    "er", "lu",  "bam", "em", "sam", "des", "ju",  "ja",  "jo", "je",
    "ji", "ra",  "ro",  "ri", "re",  "ran", "rum", "bie", "bou"};

struct RegistryEntry {
    // The name as registered: lower case, before its first letter became a capital.
    std::string name;
    std::int32_t checksum;
};

// The sum of b * b * 255 over the name's bytes, in wrapping 32-bit arithmetic.
std::int32_t usernameChecksum(std::string_view name);
// 1 (and the registry emptied) when a name with the same checksum was registered before;
// otherwise registers the name and answers 0.
int checkAndRegister(std::string_view name);
// A name of 2 to maxSyllables syllable draws that has just been registered.
std::string makeUsername(std::int32_t maxSyllables, RandomSource& random);

// The registry, oldest entry first.
const std::vector<RegistryEntry>& usernameRegistry();
// For tests: empty the registry, as at program start.
void clearUsernameRegistry();

std::string usernameGenerator(ColumnObject& column, std::string_view message);

} // namespace rowsmith
