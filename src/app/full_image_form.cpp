// The window "Full Image"; its controls come with the work that gives it its behaviour.
#include "app/full_image_form.h"

namespace fv {

TFullImageForm::TFullImageForm(Component* owner, Program& program) : ProgramForm(owner, program, "FullImageForm") {
    SetCaption("Full Image");
    SetBounds(0, 0, 480, 400);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
