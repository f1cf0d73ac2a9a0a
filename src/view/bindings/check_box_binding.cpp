// A check box as a QCheckBox; the model toggles it on the user's click.
#include <QCheckBox>

#include "platform/ui/check_box.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class CheckBoxBinding : public ControlBinding {
public:
    explicit CheckBoxBinding(CheckBox& check) : ControlBinding(check), check_(check) {}

    void ShowText(BindingHost&) override { static_cast<QCheckBox*>(Widget())->setText(ToQString(check_.Text())); }
    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QCheckBox*>(Widget());
        q->setChecked(check_.Checked());
        q->setLayoutDirection(check_.LabelOnLeft ? Qt::RightToLeft : Qt::LeftToRight);
    }
    bool TakesFocus() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QCheckBox>(host.Events(), parent);
        QObject::connect(w, &QCheckBox::clicked, w, [&host, w] { host.UserAction(w, [](Control& c) { c.Click(); }); });
        return w;
    }

private:
    CheckBox& check_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindCheckBox(Control& control) { return BindKind<CheckBoxBinding, CheckBox>(control); }

}  // namespace fv
