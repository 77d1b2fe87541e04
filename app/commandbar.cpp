#include "app/commandbar.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolBar>

namespace rowsmith {

CommandBar::CommandBar(QWidget* window) : toolBar_(new QToolBar(window)) {
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    // The window has no layout: the toolbar takes the top band, clear of the headers at y 30.
    toolBar_->setGeometry(0, 0, window->width(), toolbarHeight);
}

int CommandBar::addButton(int id, const QImage& image, const QString& label,
                          CommandCallback callback, ColumnTable& userValue) {
    slots_.at(static_cast<std::size_t>(id)) = {callback, &userValue};
    QAction* action = toolBar_->addAction(QIcon(QPixmap::fromImage(image)), label);
    // Shown as given: by default a toolbar drops a trailing "..." from the label.
    action->setIconText(label);
    QObject::connect(action, &QAction::triggered, toolBar_, [this, id] { dispatch(id); });
    return 0;
}

int CommandBar::addSeparator() {
    toolBar_->addSeparator();
    return 0;
}

int CommandBar::dispatch(int id) {
    if (id < 0 || id >= commandSlotCount)
        return 0;
    const CommandSlot& slot = slots_[static_cast<std::size_t>(id)];
    return slot.callback ? slot.callback(id, *slot.userValue) : 0;
}

} // namespace rowsmith
