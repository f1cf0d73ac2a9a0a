// TabControl: a row of tabs without pages. Setting TabIndex from code fires nothing; the user's pick
// fires OnChange.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv {

class TabControl : public Control {
public:
    TabControl(Component* owner, std::string name = {});
    const char* Kind() const override { return "TabControl"; }
    std::vector<std::string> Tabs;
    // Tells the view that Tabs changed after the control was shown.
    void TabsChanged() { Changed(Property::Items); }
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i);  // fires nothing
    void UserSelectTab(int i);  // fires OnChange
    NotifyEvent OnChange;

private:
    int tabIndex_ = -1;
};

}  // namespace fv
