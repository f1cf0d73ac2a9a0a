// CheckBox: setting Checked from code fires OnClick, as a user's click does, and only when it changes.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class CheckBox : public Control {
public:
    CheckBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "CheckBox"; }
    bool CanFocus() const override { return true; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);  // fires OnClick when the value changes
    void Click() override;    // the user's click toggles
    bool LabelOnLeft = false;

private:
    bool checked_ = false;
};

}  // namespace fv
