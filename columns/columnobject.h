#pragma once

#include "columns/generator.h"

#include <memory>
#include <string>

class QWidget;

namespace rowsmith {

// Binds one column row to the generator of its type and passes the generator its messages.
// Generators use only the state slot, the origin and the container in which they create widgets.
class ColumnObject final {
public:
    // Starts with no type and an empty slot, then switches to typeIndex (sending "ctor").
    ColumnObject(const TypeTable& types, QWidget* container, int x, int y, int typeIndex);
    ColumnObject(const ColumnObject&) = delete;
    ColumnObject& operator=(const ColumnObject&) = delete;

    // 0 when typeIndex is the current type and nothing was done; 1 after "release" to the old
    // generator and "ctor" to the new one.
    int changeType(int typeIndex);
    std::string getContent() { return generator_(*this, message::getContent); }
    std::string exported() { return generator_(*this, message::exported); }
    // Stores the new origin, then sends "move".
    int move(int x, int y);
    // Sends "release"; the owner destroys the object afterwards.
    int release();

    int typeIndex() const { return typeIndex_; }
    int originX() const { return x_; }
    int originY() const { return y_; }
    QWidget* container() const { return container_; }

    // The generator state slot: filled on "ctor", freed on "release".
    void setState(std::unique_ptr<GeneratorState> state) { state_ = std::move(state); }
    template <class State> State& state() const { return static_cast<State&>(*state_); }

private:
    const TypeTable& types_;
    QWidget* container_;
    int typeIndex_ = -1;
    Generator generator_ = nullptr;
    std::unique_ptr<GeneratorState> state_;
    int x_;
    int y_;
};

} // namespace rowsmith
