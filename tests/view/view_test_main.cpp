// Entry point of the view tests: one QApplication on the off-screen platform, made before anything else,
// so that neither the tests nor their listing by the test runner need a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "view/desktop_look.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The off-screen platform says so each time a window asks for what only a real screen does, and Qt notes
// the missing runtime folder of a session without a desktop; both are expected here and would bury the
// test output.
void QuietExpectedNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(QuietExpectedNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fv::ApplyDesktopLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
