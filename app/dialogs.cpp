#include "app/dialogs.h"

#include <QMessageBox>

namespace rowsmith {

namespace {
Dialogs* installedDialogs = nullptr;
}

void QtDialogs::message(MessageIcon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromUtf8(title), QString::fromUtf8(text), QMessageBox::Ok);
    box.exec();
}

Dialogs& dialogs() {
    if (installedDialogs)
        return *installedDialogs;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void showError(const std::string& text) { dialogs().message(MessageIcon::Error, "Error", text); }

ScopedDialogs::ScopedDialogs(Dialogs& replacement) : previous_(installedDialogs) {
    installedDialogs = &replacement;
}

ScopedDialogs::~ScopedDialogs() { installedDialogs = previous_; }

} // namespace rowsmith
