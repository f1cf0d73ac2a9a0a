// RadioButton: checking one unchecks the others of the same parent and fires OnClick; unchecking
// fires nothing.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class RadioButton : public Control {
public:
    RadioButton(Component* owner, std::string name = {});
    const char* Kind() const override { return "RadioButton"; }
    bool CanFocus() const override { return true; }
    bool Checked() const { return checked_; }
    // Checking unchecks the radio buttons of the same parent and fires OnClick; unchecking fires nothing.
    void SetChecked(bool v);
    void Click() override;  // the user's click checks

private:
    bool checked_ = false;
};

}  // namespace fv
