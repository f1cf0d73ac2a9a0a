// The window "Karvo Shopping Cart"; its controls come with the work that gives it its behaviour.
#include "publish/karvo_form.h"

namespace fv {

TKarvoForm::TKarvoForm(Component* owner, Program& program) : ProgramForm(owner, program, "KarvoForm") {
    SetCaption("Karvo Shopping Cart");
    SetBounds(0, 0, 420, 300);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
