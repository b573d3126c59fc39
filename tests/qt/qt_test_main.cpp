// Runs the window tests on Qt's offscreen platform: no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt_style.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests start a fresh copy of this program, with its own application.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    veltara::useExerciseStyle();
    return RUN_ALL_TESTS();
}
