// Entry point of the view tests: one QApplication on the off-screen platform, made before anything else,
// so that neither the tests nor their listing by the test runner need a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "view/desktop_look.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fv::ApplyDesktopLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
