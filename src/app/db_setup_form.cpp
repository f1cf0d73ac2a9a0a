// The window "DB Configuration"; its controls come with the work that gives it its behaviour.
#include "app/db_setup_form.h"

#include "platform/fs/files.h"

namespace fv {

TDBSetupForm::TDBSetupForm(Component* owner, Program& program) : ProgramForm(owner, program, "DBSetupForm") {
    SetCaption("DB Configuration");
    SetBounds(0, 0, 480, 360);
    Position = FormPosition::ScreenCenter;
    // The folder list starts in the folder the program starts in.
    P.DatabaseDirectory = CurrentDirectory();
}

}  // namespace fv
