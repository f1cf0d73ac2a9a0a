// The bindings of the control kinds. Each returns null when the control is not of its kind; MakeBinding
// tries them from the most derived kind down.
#pragma once

#include <memory>

namespace fv {

class Control;
class ControlBinding;

// A control that draws its own face, whatever its kind (tried first).
std::unique_ptr<ControlBinding> BindDrawn(Control& control);
// A form placed inside another control: a surface in that control rather than a window.
std::unique_ptr<ControlBinding> BindEmbeddedForm(Control& control);
std::unique_ptr<ControlBinding> BindLabel(Control& control);
std::unique_ptr<ControlBinding> BindEdit(Control& control);
std::unique_ptr<ControlBinding> BindMemo(Control& control);
std::unique_ptr<ControlBinding> BindButton(Control& control);
std::unique_ptr<ControlBinding> BindSpeedButton(Control& control);
std::unique_ptr<ControlBinding> BindCheckBox(Control& control);
std::unique_ptr<ControlBinding> BindRadioButton(Control& control);
std::unique_ptr<ControlBinding> BindGroupBox(Control& control);
std::unique_ptr<ControlBinding> BindRadioGroup(Control& control);
std::unique_ptr<ControlBinding> BindPanel(Control& control);
std::unique_ptr<ControlBinding> BindBevel(Control& control);
std::unique_ptr<ControlBinding> BindComboBox(Control& control);
std::unique_ptr<ControlBinding> BindListBox(Control& control);
std::unique_ptr<ControlBinding> BindImage(Control& control);
std::unique_ptr<ControlBinding> BindProgressBar(Control& control);
std::unique_ptr<ControlBinding> BindScrollBar(Control& control);
std::unique_ptr<ControlBinding> BindUpDown(Control& control);
std::unique_ptr<ControlBinding> BindPageControl(Control& control);
std::unique_ptr<ControlBinding> BindTabSheet(Control& control);
std::unique_ptr<ControlBinding> BindTabControl(Control& control);
std::unique_ptr<ControlBinding> BindStringGrid(Control& control);
std::unique_ptr<ControlBinding> BindStatusBar(Control& control);
std::unique_ptr<ControlBinding> BindShape(Control& control);

// The binding of T for a control of kind K, or null when the control is not one.
template <class B, class K> std::unique_ptr<ControlBinding> BindKind(Control& control) {
    auto* k = dynamic_cast<K*>(&control);
    return k ? std::make_unique<B>(*k) : nullptr;
}

}  // namespace fv
