#include "app/dialogs.h"

#include "app/exportprogressdialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace rowsmith {

namespace {

Dialogs* installedDialogs = nullptr;

// Qt's form of a filter, "label (pattern)"; the dialog shows only the label.
std::string qtFilterOf(const FileFilter& filter) {
    return filter.label + " (" + filter.pattern + ")";
}

// The dialog names its selected filter in Qt's form or, in some Qt versions, by its label.
int filterIndexOf(const std::string& selected, const std::vector<FileFilter>& filters) {
    for (std::size_t i = 0; i < filters.size(); ++i) {
        if (selected == qtFilterOf(filters[i]) || selected == filters[i].label)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

void QtDialogs::message(MessageIcon icon, const std::string& title, const std::string& text) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromUtf8(title), QString::fromUtf8(text), QMessageBox::Ok);
    box.exec();
}

SaveChoice QtDialogs::saveFile(const SaveRequest& request) {
    // Qt's own dialog on every desktop: it shows the filter labels as given, keeps quiet about
    // existing files and reports the selected filter in a form filterIndexOf knows.
    QFileDialog dialog(nullptr, QString::fromStdString(request.title),
                       QString::fromStdString(request.folder));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << QString::fromStdString(qtFilterOf(filter));
    dialog.setNameFilters(filters);
    dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().front().toStdString(),
            filterIndexOf(dialog.selectedNameFilter().toStdString(), request.filters)};
}

bool QtDialogs::ask(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::unique_ptr<ExportProgress> QtDialogs::exportProgress(const std::string& text) {
    return std::make_unique<ExportProgressDialog>(QString::fromStdString(text));
}

Dialogs& dialogs() {
    if (installedDialogs)
        return *installedDialogs;
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void showError(const std::string& text) {
    dialogs().message(MessageIcon::Error, "Error", text);
}

ScopedDialogs::ScopedDialogs(Dialogs& replacement) : previous_(installedDialogs) {
    installedDialogs = &replacement;
}

ScopedDialogs::~ScopedDialogs() {
    installedDialogs = previous_;
}

} // namespace rowsmith
