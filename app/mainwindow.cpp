#include "app/mainwindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace rowsmith {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Rowsmith :: 2010 - test data for one database table"));
    setFixedSize(windowWidth, windowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    columnTable_ = std::make_unique<ColumnTable>(this, QRect(5, 30, 630, 450));
    columnTable_->addColumn();
}

MainWindow::~MainWindow() = default;

} // namespace rowsmith
