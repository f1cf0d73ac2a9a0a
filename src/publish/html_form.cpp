// The window "HTML Page & Table Header & Footer options."; its controls come with the work that gives it its behaviour.
#include "publish/html_form.h"

namespace fv {

THTMLForm::THTMLForm(Component* owner, Program& program) : ProgramForm(owner, program, "HTMLForm") {
    SetCaption("HTML Page & Table Header & Footer options.");
    SetBounds(0, 0, 600, 520);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
