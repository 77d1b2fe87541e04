#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QWidget>

namespace rowsmith::test {

// The visible widget of type W at a point of a parent's coordinates, or nullptr: finds widgets the
// way a user's click would.
template <class W> W* widgetAt(QWidget* parent, QPoint point) {
    for (QWidget* child = parent->childAt(point); child; child = child->parentWidget()) {
        if (auto* widget = qobject_cast<W*>(child))
            return widget;
        if (child == parent)
            break;
    }
    return nullptr;
}

} // namespace rowsmith::test
