// A group box as a QGroupBox; its children lie inside the frame, below the title.
#include <QGroupBox>

#include "platform/ui/group_box.h"
#include "view/bindings/binding_list.h"
#include "view/bindings/group_frame.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class GroupBoxBinding : public ControlBinding {
public:
    explicit GroupBoxBinding(GroupBox& group) : ControlBinding(group) {}

    void ShowText(BindingHost&) override { static_cast<QGroupBox*>(Widget())->setTitle(ToQString(GetControl().Text())); }
    bool ClickOnRelease() const override { return true; }
    QRect AlignArea() const override { return InsideGroupFrame(*Widget()); }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override { return new ModelWidget<QGroupBox>(host.Events(), parent); }
};

}  // namespace

std::unique_ptr<ControlBinding> BindGroupBox(Control& control) { return BindKind<GroupBoxBinding, GroupBox>(control); }

}  // namespace fv
