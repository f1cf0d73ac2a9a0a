// The parts of a binding that most kinds share, and the choice of a binding by the control's kind.
#include "view/control_binding.h"

#include "view/bindings/binding_list.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {

void ControlBinding::ShowColours(QPalette& palette, QWidget* target) const {
    ShowOwnColour(palette, target, false);
}

void ControlBinding::ShowOwnColour(QPalette& palette, QWidget* target, bool transparent) const {
    // Roles left unset follow the parent, which is how a control takes its parent's colour by default.
    const Color color = control_.GetColor();
    const bool own = color != ClBtnFace && color != ClDefault;
    if (own && !transparent) palette.setColor(QPalette::Window, ToQColor(color));
    target->setAutoFillBackground(own && !transparent);
}

void ControlBinding::ShowSurfaceColour(QPalette& palette, QWidget* target) const {
    palette.setColor(QPalette::Window, ToQColor(control_.GetColor()));
    target->setAutoFillBackground(true);
}

void ControlBinding::ShowRoleColour(QPalette& palette, QPalette::ColorRole role, Color standard) const {
    const Color color = control_.GetColor();
    if (color != standard && color != ClDefault) palette.setColor(role, ToQColor(color));
}

namespace {

// A control of a kind without a binding of its own: an empty widget that takes clicks.
class PlainBinding : public ControlBinding {
public:
    using ControlBinding::ControlBinding;
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        return new ModelWidget<QWidget>(host.Events(), parent);
    }
};

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(Control& control) {
    // Most derived kinds first: a memo is also an edit, a radio group also a group box.
    using Maker = std::unique_ptr<ControlBinding> (*)(Control&);
    static constexpr Maker makers[] = {
        BindDrawn, BindEmbeddedForm, BindMemo, BindEdit, BindButton, BindSpeedButton, BindCheckBox, BindRadioButton, BindRadioGroup,
        BindGroupBox, BindPanel, BindBevel, BindComboBox, BindListBox, BindImage, BindProgressBar,
        BindScrollBar, BindUpDown, BindPageControl, BindTabSheet, BindTabControl, BindStringGrid,
        BindStatusBar, BindShape, BindLabel,
    };
    for (Maker make : makers)
        if (std::unique_ptr<ControlBinding> b = make(control)) return b;
    return std::make_unique<PlainBinding>(control);
}

}  // namespace fv
