// The window "Modify Categories"; its controls come with the work that gives it its behaviour.
#include "app/category_form.h"

namespace fv {

TCategoryForm::TCategoryForm(Component* owner, Program& program) : ProgramForm(owner, program, "CategoryForm") {
    SetCaption("Modify Categories");
    SetBounds(0, 0, 320, 300);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
