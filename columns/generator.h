#pragma once

// The generator protocol.
//
// Every column row owns a ColumnObject, which binds the row to the generator of its type. A
// generator is a free function picked by type index from a TypeTable; the column object calls it
// with one of five message texts, compared byte for byte:
//
//   "ctor"       the type was chosen: create the attribute widgets at the origin, in the
//                column's container, and store a state record in the column's state slot
//   "getContent" return the column's next value
//   "exported"   an export has finished: counters start again from their start value
//   "move"       the origin changed: move the widgets there, keeping their sizes
//   "release"    the type is left or the row deleted: destroy the widgets, free the state
//
// Every message but "getContent" is answered with the empty text, and so is any unknown text.

#include <array>
#include <string>
#include <string_view>

namespace rowsmith {

class ColumnObject;

using Generator = std::string (*)(ColumnObject& column, std::string_view message);

namespace message {
inline constexpr std::string_view ctor = "ctor";
inline constexpr std::string_view getContent = "getContent";
inline constexpr std::string_view exported = "exported";
inline constexpr std::string_view move = "move";
inline constexpr std::string_view release = "release";
} // namespace message

// Base of the state records generators keep in a column's state slot.
struct GeneratorState {
    virtual ~GeneratorState() = default;
};

struct TypeEntry {
    const char* name;
    Generator generator;
};

inline constexpr int typeCount = 15;
using TypeTable = std::array<TypeEntry, typeCount>;

} // namespace rowsmith
