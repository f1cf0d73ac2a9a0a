// The window "Browser Selection"; its controls come with the work that gives it its behaviour.
#include "app/browser_form.h"

namespace fv {

TBrowserForm::TBrowserForm(Component* owner, Program& program) : ProgramForm(owner, program, "BrowserForm") {
    SetCaption("Browser Selection");
    SetBounds(0, 0, 420, 320);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
