// The window "Publish Font Colour/Size selection"; its controls come with the work that gives it its behaviour.
#include "publish/font_form.h"

namespace fv {

TFontForm::TFontForm(Component* owner, Program& program) : ProgramForm(owner, program, "FontForm") {
    SetCaption("Publish Font Colour/Size selection");
    SetBounds(0, 0, 360, 260);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
