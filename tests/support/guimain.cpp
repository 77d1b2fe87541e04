// Test entry for suites that need real widgets: a QApplication on the offscreen platform, set up
// like the program's own.
#include "app/application.h"

#include <cstdlib>

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    rowsmith::configureApplication(app);
    return RUN_ALL_TESTS();
}
