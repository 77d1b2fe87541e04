#pragma once

// Guards against texts too large for the machine: building one would otherwise end in an
// allocation failure deep inside the export, or in the system swapping itself to a halt.

#include <cstdint>

namespace rowsmith {

// Memory the system can still hand out, in bytes (MemAvailable), or 0 when unknown.
std::uint64_t availableMemoryBytes();

// Throws std::bad_alloc when a text of this many bytes would not fit in the available memory.
// The export command catches it and tells the user.
void requireMemoryFor(std::uint64_t bytes);

} // namespace rowsmith
