#pragma once

#include "export/exportprogress.h"

#include <chrono>
#include <memory>

#include <QElapsedTimer>
#include <QString>

class QProgressDialog;

namespace rowsmith {

// The progress of a long export as a modal window with Cancel. It appears once the build has run
// for half a second; from then on every report repaints it and lets the desktop know the program
// is alive. Being modal, it keeps the column table unchanged while the build runs.
class ExportProgressDialog final : public ExportProgress {
public:
    static constexpr std::chrono::milliseconds defaultDelay{500};

    explicit ExportProgressDialog(QString text, std::chrono::milliseconds showAfter = defaultDelay);
    ~ExportProgressDialog() override;

    bool rowsDone(std::int32_t done, std::int32_t total) override;

private:
    void open(std::int32_t total);

    QString text_;
    std::chrono::milliseconds showAfter_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceRepaint_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace rowsmith
