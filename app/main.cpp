#include "app/application.h"
#include "app/mainwindow.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>

namespace {

// Without a display Qt would abort; say so plainly instead.
bool displayAvailable() {
    const auto has = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return has("QT_QPA_PLATFORM") || has("DISPLAY") || has("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("Rowsmith needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    rowsmith::configureApplication(app);
    rowsmith::MainWindow window;
    window.show();
    return QApplication::exec();
}
