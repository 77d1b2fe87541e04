#include "app/exportprogressdialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace rowsmith {

ExportProgressDialog::ExportProgressDialog(QString text, std::chrono::milliseconds showAfter)
    : text_(std::move(text)), showAfter_(showAfter) {
    sinceStart_.start();
}

ExportProgressDialog::~ExportProgressDialog() = default;

namespace {
// Repainting more often than this shows nothing new and slows the build.
constexpr qint64 repaintEveryMilliseconds = 40;
} // namespace

bool ExportProgressDialog::rowsDone(std::int32_t done, std::int32_t total) {
    if (!dialog_) {
        if (sinceStart_.elapsed() < showAfter_.count())
            return true;
        open(total);
    } else if (sinceRepaint_.elapsed() < repaintEveryMilliseconds) {
        return true;
    }
    sinceRepaint_.start();
    dialog_->setLabelText(QStringLiteral("%1\n%2 of %3 rows").arg(text_).arg(done).arg(total));
    dialog_->setValue(done);
    // Repaints the dialog and delivers the click on Cancel.
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ExportProgressDialog::open(std::int32_t total) {
    dialog_ = std::make_unique<QProgressDialog>();
    dialog_->setWindowTitle(QStringLiteral("Export"));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setRange(0, total);
    dialog_->show();
}

} // namespace rowsmith
