#include "export/memorybudget.h"

#include <fstream>

#include <sys/mman.h>
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

void adviseHugePages(void* block, std::size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(hugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)block;
    (void)size;
#endif
}

void requireMemoryFor(std::uint64_t bytes) {
    const std::uint64_t available = availableMemoryBytes();
    if (available != 0 && bytes > available)
        throw std::bad_alloc();
}

} // namespace rowsmith
