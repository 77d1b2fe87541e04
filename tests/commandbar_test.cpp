// The toolbar of the main window, its buttons and what they do, and the images it shows.
#include "app/application.h"
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/pngimage.h"
#include "tests/support/recordingdialogs.h"
#include "tests/support/toolbarclicks.h"
#include "tests/support/widgetfinder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::clickToolbarButton;
using test::RecordingDialogs;
using test::ShownMessage;

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }
    ColumnTable& table() { return window.columnTable(); }
    std::vector<QString> rowNames() {
        std::vector<QString> names;
        for (const auto& row : table().rows())
            names.push_back(row->nameField->text());
        return names;
    }

    RecordingDialogs dialogs;
    MainWindow window;
};

// Transparent somewhere and opaque somewhere: drawn on a transparent ground.
bool hasTransparency(const QImage& image) {
    bool transparent = false;
    bool opaque = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            transparent = transparent || alpha == 0;
            opaque = opaque || alpha == 255;
        }
    }
    return transparent && opaque;
}

TEST_F(ToolbarTest, FiveButtonsAndTwoSeparatorsRunAlongTheTopLeftToRight) {
    QToolBar* bar = window.commandBar().toolBar();
    std::vector<QString> entries;
    int right = -1;
    for (QAction* action : bar->actions()) {
        QWidget* widget = bar->widgetForAction(action);
        ASSERT_NE(widget, nullptr);
        auto* button = qobject_cast<QToolButton*>(widget);
        entries.push_back(button ? button->text() : "|");
        EXPECT_TRUE(widget->isVisible());
        EXPECT_GT(widget->x(), right) << "left to right";
        right = widget->geometry().right();
        EXPECT_TRUE(bar->rect().contains(widget->geometry())) << entries.back().toStdString();
        if (action->isSeparator())
            continue;
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        EXPECT_FALSE(button->isCheckable());
        EXPECT_TRUE(button->autoRaise()) << "flat";
        EXPECT_TRUE(hasTransparency(action->icon().pixmap(16, 16).toImage()));
    }
    EXPECT_EQ(entries, (std::vector<QString>{"Export (SQL)", "Export (XML)", "|", "Add column",
                                             "Flush column list", "|", "About..."}));
    EXPECT_EQ(bar->iconSize(), QSize(16, 16));
    EXPECT_FALSE(bar->isMovable());
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(bar->width(), windowWidth);
    EXPECT_LT(bar->height(), 30);
    // The header labels below it stay clear and clickable.
    auto* header = test::widgetAt<QLabel>(&window, QPoint(60, 31));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(), "Column name");
}

TEST_F(ToolbarTest, AddColumnAppendsRowsUntilTheTableIsFull) {
    clickToolbarButton(window, "Add column");
    EXPECT_EQ(rowNames(), (std::vector<QString>{"Column 1", "Column 2"}));
    EXPECT_EQ(table().rows()[1]->typeList->currentText(), "Number range");
    for (int i = 2; i < maxColumns; ++i)
        clickToolbarButton(window, "Add column");
    EXPECT_EQ(table().rows().size(), 255u);
    EXPECT_TRUE(dialogs.messages.empty());

    clickToolbarButton(window, "Add column");
    EXPECT_EQ(table().rows().size(), 255u);
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{
                                    {MessageIcon::Error, "Error",
                                     "Sorry. It is not possible to add more than 255 columns"}}));
}

TEST_F(ToolbarTest, FlushColumnListLeavesOneFreshRow) {
    clickToolbarButton(window, "Add column");
    clickToolbarButton(window, "Add column");
    table().rows()[0]->typeList->setCurrentIndex(8);
    table().rows()[2]->nameField->setText("price");

    clickToolbarButton(window, "Flush column list");

    EXPECT_EQ(rowNames(), (std::vector<QString>{"Column 1"}));
    EXPECT_EQ(table().rows()[0]->typeList->currentText(), "Number range");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ToolbarTest, AboutShowsSevenLinesEndingWithTheVersionAndChangesNothing) {
    clickToolbarButton(window, "About...");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const ShownMessage& about = dialogs.messages[0];
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.title, "About...");
    const QStringList lines = QString::fromStdString(about.text).split("\r\n");
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].contains("2010"));
    EXPECT_TRUE(lines[3].contains("@example.org"));
    EXPECT_TRUE(lines[4].contains("example.org"));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Program version 1.00");
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains('\r') || line.contains('\n'));
    EXPECT_EQ(rowNames(), (std::vector<QString>{"Column 1"}));
}

// What the command of a test button was called with.
std::vector<std::pair<int, const ColumnTable*>> calls;

int recordCall(int buttonId, ColumnTable& table) {
    calls.emplace_back(buttonId, &table);
    return 10 * buttonId;
}

TEST_F(ToolbarTest, DispatchCallsTheBoundCommandAndAnEmptySlotDoesNothing) {
    calls.clear();
    CommandBar& bar = window.commandBar();
    bar.addButton(254, embeddedImage("about.png"), "Last", recordCall, table());

    clickToolbarButton(window, "Last");
    EXPECT_EQ(bar.dispatch(254), 2540);
    EXPECT_EQ(calls,
              (std::vector<std::pair<int, const ColumnTable*>>{{254, &table()}, {254, &table()}}));
    for (int empty : {5, 100, 253})
        EXPECT_EQ(bar.dispatch(empty), 0);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(rowNames(), (std::vector<QString>{"Column 1"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Application, CarriesItsVersionAndDescriptionAndIcon) {
    EXPECT_EQ(QApplication::applicationVersion(), "1.00");
    EXPECT_EQ(qApp->property(applicationDescriptionProperty).toString(),
              "Data generator for databases.");
    MainWindow window;
    EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32)}));
}

QByteArray embeddedBytes(const QString& name) {
    QFile file(":/icons/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::span<const unsigned char> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

TEST(EmbeddedImages, DecodeWithTheirTransparencyToWhatTheyHold) {
    const std::pair<const char*, int> images[] = {
        {"export-sql.png", 16},    {"export-xml.png", 16}, {"add-column.png", 16},
        {"flush-columns.png", 16}, {"about.png", 16},      {"rowsmith-32.png", 32},
    };
    for (const auto& [name, size] : images) {
        const QImage decoded = embeddedImage(name);
        ASSERT_EQ(decoded.size(), QSize(size, size)) << name;
        EXPECT_TRUE(hasTransparency(decoded)) << name;
        // Qt's own reader, which the program does not use, agrees pixel for pixel.
        const QImage reference = QImage::fromData(embeddedBytes(name), "PNG");
        EXPECT_EQ(decoded, reference.convertToFormat(decoded.format())) << name;
    }
}

TEST(EmbeddedImages, BytesThatAreNoWholePngGiveANullImage) {
    const QByteArray png = embeddedBytes("about.png");
    ASSERT_FALSE(png.isEmpty());
    EXPECT_TRUE(decodePng(bytesOf(png.left(png.size() / 2))).isNull());
    EXPECT_TRUE(decodePng(bytesOf(QByteArray("not a picture"))).isNull());
    EXPECT_TRUE(decodePng({}).isNull());
    EXPECT_TRUE(embeddedImage("missing.png").isNull());
}

} // namespace
} // namespace rowsmith
