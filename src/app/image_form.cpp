// The window "Image Selection "; its controls come with the work that gives it its behaviour.
#include "app/image_form.h"

namespace fv {

TImageForm::TImageForm(Component* owner, Program& program) : ProgramForm(owner, program, "ImageForm") {
    SetCaption("Image Selection ");
    SetBounds(0, 0, 500, 380);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
