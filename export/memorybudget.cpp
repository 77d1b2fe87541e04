#include "export/memorybudget.h"

#include <fstream>
#include <new>
#include <string>

namespace rowsmith {

std::uint64_t availableMemoryBytes() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t kibibytes = 0;
    std::string unit;
    while (meminfo >> key >> kibibytes >> unit) {
        if (key == "MemAvailable:")
            return kibibytes * 1024;
    }
    return 0;
}

void requireMemoryFor(std::uint64_t bytes) {
    const std::uint64_t available = availableMemoryBytes();
    if (available != 0 && bytes > available)
        throw std::bad_alloc();
}

} // namespace rowsmith
