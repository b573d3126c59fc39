// Runs the window tests on Qt's offscreen platform: no display is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "qt_style.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests start a fresh copy of this program, with its own application.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication app(argc, argv);
    veltara::useExerciseStyle();
    // Every test runs on a dark desktop, whose palette must not reach the
    // window: light text on dark faces, as a dark desktop theme gives.
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(dark);
    return RUN_ALL_TESTS();
}
