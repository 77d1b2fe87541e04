#include "app/mainwindow.h"

#include "app/commands.h"
#include "app/pngimage.h"
#include "export/exportcommand.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

namespace rowsmith {

MainWindow::MainWindow(const TypeTable& types)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Rowsmith :: 2010 - test data for one database table"));
    setWindowIcon(QIcon(QPixmap::fromImage(embeddedImage(QStringLiteral("rowsmith-32.png")))));
    setFixedSize(windowWidth, windowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    columnTable_ = std::make_unique<ColumnTable>(this, QRect(5, 30, 630, 450), types);
    columnTable_->addColumn();
    commandBar_ = std::make_unique<CommandBar>(this);
    addToolbarEntries(*commandBar_, *columnTable_);
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exportRunning())
        event->ignore();
    else
        event->accept();
}

} // namespace rowsmith
