#pragma once

#include "columns/columntable.h"

#include <memory>

#include <QWidget>

namespace rowsmith {

inline constexpr int windowWidth = 640;
inline constexpr int windowHeight = 480;

// The one window: fixed 640 x 480 client area, centred, with the column table.
class MainWindow final : public QWidget {
public:
    MainWindow();
    ~MainWindow() override;

    ColumnTable& columnTable() { return *columnTable_; }

private:
    std::unique_ptr<ColumnTable> columnTable_;
};

} // namespace rowsmith
