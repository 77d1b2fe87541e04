#pragma once

// The toolbar along the top edge of the main window and the table that binds each of its buttons,
// by id, to a command.

#include <array>

class QImage;
class QString;
class QToolBar;
class QWidget;

namespace rowsmith {

class ColumnTable;

inline constexpr int commandSlotCount = 255;
inline constexpr int toolbarHeight = 28;

// A command: called with the id of the clicked button and the user value stored with it.
using CommandCallback = int (*)(int buttonId, ColumnTable& userValue);

class CommandBar final {
public:
    // An empty toolbar across the top of window: flat buttons, each label beside its icon.
    explicit CommandBar(QWidget* window);
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    // Appends a button (id 0 to 254) with that image and label at the right end and binds the
    // callback and user value to the id. Returns 0.
    int addButton(int id, const QImage& image, const QString& label, CommandCallback callback,
                  ColumnTable& userValue);
    // Appends a separator at the right end. Returns 0.
    int addSeparator();
    // Calls the command bound to the id and returns its result; 0 when none is bound.
    int dispatch(int id);

    QToolBar* toolBar() const { return toolBar_; }

private:
    struct CommandSlot {
        CommandCallback callback = nullptr;
        ColumnTable* userValue = nullptr;
    };

    std::array<CommandSlot, commandSlotCount> slots_{};
    QToolBar* toolBar_;
};

} // namespace rowsmith
