// The window "RozizAForm"; its controls come with the work that gives it its behaviour.
#include "chartui/roziza_form.h"

namespace fv {

TRozizAForm::TRozizAForm(Component* owner, Program& program) : ProgramForm(owner, program, "RozizAForm") {
    SetCaption("RozizAForm");
    SetBounds(0, 0, 649, 400);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
