#include "generators/usernames.h"

#include "generators/random.h"

#include <algorithm>
#include <unordered_set>

namespace rowsmith {

namespace {

constexpr std::int32_t generatorSyllables = 7;
constexpr std::uint64_t maxUnderscores = 2;

// The ordered list of entries, with their checksums in a set beside it for lookups in O(1).
struct Registry {
    std::vector<RegistryEntry> entries;
    std::unordered_set<std::int32_t> checksums;

    void clear() {
        entries.clear();
        checksums.clear();
    }
};

Registry& registry() {
    static Registry instance;
    return instance;
}

// Names are made of ASCII letters and underscores only.
char capital(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string candidate(std::int32_t maxSyllables, std::uint64_t& underscores, RandomSource& random) {
    const auto extra = static_cast<std::uint64_t>(std::max(maxSyllables - 2, 0));
    const auto syllables = 2 + random.uniform(extra);
    std::string name;
    for (std::uint64_t i = 0; i < syllables; ++i) {
        name += usernameSyllables[random.uniform(usernameSyllables.size() - 1)];
        if (underscores > 0 && random.uniform(1) == 1) {
            name += '_';
            --underscores;
        }
    }
    return name;
}

std::string usernameValue() {
    return makeUsername(generatorSyllables, randomSource());
}

} // namespace

std::int32_t usernameChecksum(std::string_view name) {
    std::uint32_t sum = 0;
    for (const char c : name) {
        const auto b = static_cast<std::uint32_t>(static_cast<unsigned char>(c));
        sum += b * b * 255;
    }
    return static_cast<std::int32_t>(sum);
}

int checkAndRegister(std::string_view name) {
    Registry& r = registry();
    const std::int32_t checksum = usernameChecksum(name);
    if (r.checksums.contains(checksum)) {
        r.clear();
        return 1;
    }
    r.entries.push_back({std::string(name), checksum});
    r.checksums.insert(checksum);
    return 0;
}

std::string makeUsername(std::int32_t maxSyllables, RandomSource& random) {
    // The underscore budget is drawn once per name: a rejected candidate does not restore it.
    std::uint64_t underscores = random.uniform(maxUnderscores);
    std::string name = candidate(maxSyllables, underscores, random);
    while (checkAndRegister(name) == 1)
        name = candidate(maxSyllables, underscores, random);
    if (!name.empty())
        name[0] = capital(name[0]);
    return name;
}

const std::vector<RegistryEntry>& usernameRegistry() {
    return registry().entries;
}

void clearUsernameRegistry() {
    registry().clear();
}

std::string usernameGenerator(ColumnObject&, std::string_view message) {
    if (message == message::getContent)
        return usernameValue();
    return {};
}

} // namespace rowsmith
