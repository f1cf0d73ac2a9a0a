// TabControl: the selected tab.
#include "platform/ui/tab_control.h"

namespace fv {

TabControl::TabControl(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void TabControl::SetTabIndex(int i) {
    if (i == tabIndex_) return;
    tabIndex_ = i;
    Changed(Property::ItemIndex);
}

void TabControl::UserSelectTab(int i) {
    if (i == tabIndex_) return;
    SetTabIndex(i);
    if (OnChange) OnChange(this);
}

}  // namespace fv
