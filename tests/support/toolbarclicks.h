#pragma once

#include "app/mainwindow.h"

#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace rowsmith::test {

// The toolbar button that shows this label, or nullptr.
inline QToolButton* toolbarButton(MainWindow& window, const QString& label) {
    for (auto* button : window.commandBar().toolBar()->findChildren<QToolButton*>()) {
        if (button->text() == label)
            return button;
    }
    return nullptr;
}

// Clicks the toolbar button with this label as a user would.
inline void clickToolbarButton(MainWindow& window, const QString& label) {
    QToolButton* button = toolbarButton(window, label);
    ASSERT_NE(button, nullptr) << label.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace rowsmith::test
