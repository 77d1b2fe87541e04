#pragma once

// How a long export reports its progress: the builder tells every few thousand rows how far it
// is, and learns whether the user has cancelled.

#include <cstdint>

namespace rowsmith {

// Rows between two progress reports: rare enough to cost nothing, often enough to keep a window
// responsive.
inline constexpr std::int32_t progressInterval = 4096;

class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    // done of total rows are built; false when the user cancelled the export.
    virtual bool rowsDone(std::int32_t done, std::int32_t total) = 0;
};

// Thrown out of a build whose progress answered false; nothing of it is delivered.
struct ExportCancelled {};

} // namespace rowsmith
