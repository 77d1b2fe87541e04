#pragma once

#include "app/commandbar.h"
#include "columns/columntable.h"

#include <memory>

#include <QWidget>

namespace rowsmith {

inline constexpr int windowWidth = 640;
inline constexpr int windowHeight = 480;

// The one window: fixed 640 x 480 client area, centred, with the column table and the toolbar.
class MainWindow final : public QWidget {
public:
    explicit MainWindow(const TypeTable& types = standardTypes());
    ~MainWindow() override;

    ColumnTable& columnTable() { return *columnTable_; }
    CommandBar& commandBar() { return *commandBar_; }

protected:
    // Refused while an export runs: its build and its delivery need the window's columns.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<ColumnTable> columnTable_;
    std::unique_ptr<CommandBar> commandBar_;
};

} // namespace rowsmith
