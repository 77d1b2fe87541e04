#include "columns/columnobject.h"

namespace rowsmith {

ColumnObject::ColumnObject(const TypeTable& types, QWidget* container, int x, int y,
                           int typeIndex)
    : types_(types), container_(container), x_(x), y_(y) {
    changeType(typeIndex);
}

int ColumnObject::changeType(int typeIndex) {
    if (typeIndex == typeIndex_)
        return 0;
    if (generator_)
        generator_(*this, message::release);
    generator_ = types_[static_cast<std::size_t>(typeIndex)].generator;
    generator_(*this, message::ctor);
    typeIndex_ = typeIndex;
    return 1;
}

int ColumnObject::move(int x, int y) {
    x_ = x;
    y_ = y;
    generator_(*this, message::move);
    return 0;
}

int ColumnObject::release() {
    generator_(*this, message::release);
    return 0;
}

} // namespace rowsmith
