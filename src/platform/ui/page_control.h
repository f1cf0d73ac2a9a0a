// PageControl: a set of tab sheets, one shown at a time. Setting ActivePage from code fires nothing;
// the user's pick asks OnChanging first (which may refuse it) and fires OnChange after it.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv {

class TabSheet;

class PageControl : public Control {
public:
    PageControl(Component* owner, std::string name = {});
    const char* Kind() const override { return "PageControl"; }
    std::vector<TabSheet*> Pages() const;
    TabSheet* ActivePage() const { return active_; }
    void SetActivePage(TabSheet* page);  // fires nothing
    // The user picks a tab: OnChanging may refuse it; else OnChange fires after the page changed.
    void UserSelectPage(TabSheet* page);
    NotifyEvent OnChange;
    std::function<void(Component* sender, bool& allowChange)> OnChanging;

private:
    TabSheet* active_ = nullptr;
};

}  // namespace fv
