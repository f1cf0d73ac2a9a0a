// The window "Overwrite Import File"; its controls come with the work that gives it its behaviour.
#include "import/overwrite_form.h"

namespace fv {

TOverwriteForm::TOverwriteForm(Component* owner, Program& program) : ProgramForm(owner, program, "OverwriteForm") {
    SetCaption("Overwrite Import File");
    SetBounds(0, 0, 340, 180);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
