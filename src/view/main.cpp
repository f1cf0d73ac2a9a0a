// The folivex program: the control model shown through Qt, on Qt's event loop.
#include <QApplication>

#include <cstdlib>

#include "app/startup.h"
#include "platform/app/application.h"
#include "program/program.h"
#include "view/desktop_look.h"
#include "view/desktop_sounds.h"
#include "view/qt_dialogs.h"
#include "view/qt_loop.h"
#include "view/qt_output.h"
#include "view/qt_services.h"
#include "view/qt_view.h"
#include "view/resources.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("folivex"));
    // Windows close through the model; the program ends only through Application::Terminate.
    QApplication::setQuitOnLastWindowClosed(false);
    fv::ApplyDesktopLook();

    fv::QtLoop loop;
    fv::DesktopSounds sounds;
    fv::QtMessages messages;
    messages.Sounds = &sounds;
    fv::QtCursors cursors;
    fv::QtImages images;
    fv::QtDialogs dialogs;
    fv::QtShell shell;
    fv::QtPrinter printer;
    fv::QtClipboard clipboard;
    fv::QtRaster raster;
    fv::Application app(loop);
    app.SetMessages(&messages);
    app.SetCursors(&cursors);
    app.SetImages(&images);
    app.SetDialogs(&dialogs);
    app.SetShell(&shell);
    app.SetPrinter(&printer);
    app.SetClipboard(&clipboard);
    app.SetRaster(&raster);
    fv::QtView view(app);
    fv::Program program(app);
    program.ResourceDirectory = fv::ResourceDirectory();

    // Terminate has run every form's OnDestroy by now; the process ends here, wherever the loop is
    // (a modal dialog's loop included): no code after the exit runs.
    app.ExitHook = [](int code) {
        QCoreApplication::quit();
        std::exit(code);
    };

    // Window titles are the forms' captions as they stand: no application name is appended to them.
    if (!fv::StartProgram(program)) return 0;
    app.Run();
    return app.ExitCode();
}
