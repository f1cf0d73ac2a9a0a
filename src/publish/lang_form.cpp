// The window "Multi-Lingual support settings..."; its controls come with the work that gives it its behaviour.
#include "publish/lang_form.h"

namespace fv {

TLangForm::TLangForm(Component* owner, Program& program) : ProgramForm(owner, program, "LangForm") {
    SetCaption("Multi-Lingual support settings...");
    SetBounds(0, 0, 520, 620);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
