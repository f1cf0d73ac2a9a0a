// The window "Search Engine Setup"; its controls come with the work that gives it its behaviour.
#include "publish/search_setup_form.h"

namespace fv {

TSearchSetup::TSearchSetup(Component* owner, Program& program) : ProgramForm(owner, program, "SearchSetup") {
    SetCaption("Search Engine Setup");
    SetBounds(0, 0, 480, 420);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
