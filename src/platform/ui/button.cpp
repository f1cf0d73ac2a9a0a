// Button: the click that sets the form's modal result.
#include "platform/ui/button.h"

#include "platform/ui/form.h"

namespace fv {

Button::Button(Component* owner, std::string name) : Control(owner, std::move(name)) { SetTabStop(true); }

void Button::Click() {
    if (ModalResult != 0)
        if (Form* f = ParentForm()) f->SetModalResult(ModalResult);
    Control::Click();
}

void Button::KeyAction(int& key, unsigned shift) {
    if (key != KeyReturn || shift != 0) return;
    key = KeyNone;
    if (Enabled()) Click();
}

}  // namespace fv
