#pragma once

#include "columns/generator.h"

namespace rowsmith {

// The fifteen data types in the order of every row's type list; the position is the type index.
const TypeTable& standardTypes();

} // namespace rowsmith
