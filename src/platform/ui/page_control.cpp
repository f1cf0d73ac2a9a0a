// PageControl: the pages and the one shown.
#include "platform/ui/page_control.h"

#include "platform/ui/tab_sheet.h"

namespace fv {

PageControl::PageControl(Component* owner, std::string name) : Control(owner, std::move(name)) {}

std::vector<TabSheet*> PageControl::Pages() const {
    std::vector<TabSheet*> pages;
    for (Control* c : Controls())
        if (auto* t = dynamic_cast<TabSheet*>(c)) pages.push_back(t);
    return pages;
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page == active_) return;
    active_ = page;
    for (TabSheet* t : Pages()) t->SetVisible(t == page);
    Changed(Property::ItemIndex);
}

void PageControl::UserSelectPage(TabSheet* page) {
    if (page == active_) return;
    if (page && !page->TabVisible()) return;  // a sheet without a tab cannot be picked
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) {
        Changed(Property::ItemIndex);  // the view goes back to the page still shown
        return;
    }
    SetActivePage(page);
    if (OnChange) OnChange(this);
}

}  // namespace fv
