// A radio button as a QRadioButton. Exclusivity is the model's: it unchecks the other radio buttons of the
// same parent, so Qt's own is off.
#include <QRadioButton>

#include "platform/ui/radio_button.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class RadioButtonBinding : public ControlBinding {
public:
    explicit RadioButtonBinding(RadioButton& radio) : ControlBinding(radio), radio_(radio) {}

    void ShowText(BindingHost&) override { static_cast<QRadioButton*>(Widget())->setText(ToQString(radio_.Text())); }
    void ShowContent(BindingHost&, bool) override { static_cast<QRadioButton*>(Widget())->setChecked(radio_.Checked()); }
    bool TakesFocus() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QRadioButton>(host.Events(), parent);
        w->setAutoExclusive(false);
        QObject::connect(w, &QRadioButton::clicked, w, [&host, w] { host.UserAction(w, [](Control& c) { c.Click(); }); });
        return w;
    }

private:
    RadioButton& radio_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindRadioButton(Control& control) {
    return BindKind<RadioButtonBinding, RadioButton>(control);
}

}  // namespace fv
