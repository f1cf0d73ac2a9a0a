// A form placed inside another control (a page of a dialog on one of its tabs, a series editor on the
// series page): no window of its own, but a surface inside the control, where its controls lie as they lie
// in its client area. Its controls stay its own; input on them reaches the model through the same user
// actions as on any control.
#include "platform/ui/form.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class EmbeddedFormBinding : public ControlBinding {
public:
    explicit EmbeddedFormBinding(Form& form) : ControlBinding(form), form_(form) {}

    bool ClickOnRelease() const override { return true; }
    // The surface is the client area: a border the form may still have is not drawn inside a control.
    QRect Placed(const QRect& bounds) const override {
        return QRect(bounds.left(), bounds.top(), form_.ClientWidth(), form_.ClientHeight());
    }
    QRect AlignArea() const override { return QRect(0, 0, form_.ClientWidth(), form_.ClientHeight()); }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override { return new ModelWidget<QWidget>(host.Events(), parent); }

private:
    Form& form_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindEmbeddedForm(Control& control) {
    auto* form = dynamic_cast<Form*>(&control);
    return form && form->Parent() ? std::make_unique<EmbeddedFormBinding>(*form) : nullptr;
}

}  // namespace fv
