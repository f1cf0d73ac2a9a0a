// RadioButton: checking one unchecks its siblings.
#include "platform/ui/radio_button.h"

namespace fv {

RadioButton::RadioButton(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void RadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(Property::Checked);
    if (!v) return;
    if (Parent())
        for (Control* c : Parent()->Controls())
            if (auto* r = dynamic_cast<RadioButton*>(c); r && r != this) r->SetChecked(false);
    Control::Click();
}

void RadioButton::Click() {
    if (!checked_) SetChecked(true);
    else Control::Click();
}

}  // namespace fv
