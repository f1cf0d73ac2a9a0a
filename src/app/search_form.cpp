// The window "SearchForm"; its controls come with the work that gives it its behaviour.
#include "app/search_form.h"

namespace fv {

TSearchForm::TSearchForm(Component* owner, Program& program) : ProgramForm(owner, program, "SearchForm") {
    SetCaption("SearchForm");
    SetBounds(0, 0, 320, 140);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
