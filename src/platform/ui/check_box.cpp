// CheckBox: Checked and the click that toggles it.
#include "platform/ui/check_box.h"

namespace fv {

CheckBox::CheckBox(Component* owner, std::string name) : Control(owner, std::move(name)) { SetTabStop(true); }

void CheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(Property::Checked);
    Control::Click();
}

void CheckBox::Click() { SetChecked(!checked_); }

}  // namespace fv
