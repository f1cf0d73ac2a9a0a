// Button: a push button. A click sets the form's ModalResult (when the button has one) before OnClick.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class Button : public Control {
public:
    Button(Component* owner, std::string name = {});
    const char* Kind() const override { return "Button"; }
    bool CanFocus() const override { return true; }
    // Sets the form's ModalResult (when not 0), then fires OnClick.
    void Click() override;
    int ModalResult = 0;
    bool Default = false;
    bool Cancel = false;

protected:
    // Return on the button that has the focus presses that button, whichever button is the form's default.
    void KeyAction(int& key, unsigned shift) override;
};

}  // namespace fv
