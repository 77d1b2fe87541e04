#pragma once

// Guards against texts too large for the machine: building one would otherwise end in an
// allocation failure deep inside the export, or in the system swapping itself to a halt.

#include <cstddef>
#include <cstdint>

namespace rowsmith {

// Memory the system can still hand out, in bytes (MemAvailable), or 0 when unknown.
std::uint64_t availableMemoryBytes();

// Asks the system to back a large block with huge pages where it offers them (Linux, madvise):
// a text of a few hundred MB is then filled with a few hundred page faults instead of tens of
// thousands. Only whole huge pages inside the block are touched; elsewhere it does nothing.
void adviseHugePages(void* block, std::size_t size);

// Throws std::bad_alloc when a text of this many bytes would not fit in the available memory.
// The export command catches it and tells the user.
void requireMemoryFor(std::uint64_t bytes);

} // namespace rowsmith
