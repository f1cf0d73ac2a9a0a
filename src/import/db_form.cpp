// The window "ODBC Database Connection"; its controls come with the work that gives it its behaviour.
#include "import/db_form.h"

namespace fv {

TDBForm::TDBForm(Component* owner, Program& program) : ProgramForm(owner, program, "DBForm") {
    SetCaption("ODBC Database Connection");
    SetBounds(0, 0, 560, 440);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
