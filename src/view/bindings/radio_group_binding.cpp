// A radio group as a group box of radio items; a click on an item sets the model's ItemIndex.
#include "platform/ui/radio_group.h"
#include "view/bindings/binding_list.h"
#include "view/bindings/group_frame.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class RadioGroupBinding : public ControlBinding {
public:
    explicit RadioGroupBinding(RadioGroup& group) : ControlBinding(group), group_(group) {}

    void ShowText(BindingHost&) override { static_cast<QGroupBox*>(Widget())->setTitle(ToQString(group_.Text())); }
    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<RadioItems*>(Widget());
        q->SetItems(ToQStringList(group_.Items()), group_.Columns);
        q->SetChecked(group_.ItemIndex());
    }
    QRect AlignArea() const override { return InsideGroupFrame(*Widget()); }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<RadioItems>(host.Events(), parent);
        w->OnItemClicked = [&host, w](int index) {
            Input<RadioGroup>(host, w, [index](RadioGroup& g) { g.SetItemIndex(index); });
        };
        return w;
    }

private:
    RadioGroup& group_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindRadioGroup(Control& control) {
    return BindKind<RadioGroupBinding, RadioGroup>(control);
}

}  // namespace fv
