// TabSheet and the page control it belongs to.
#include "platform/ui/tab_sheet.h"

#include "platform/ui/page_control.h"

namespace fv {

TabSheet::TabSheet(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void TabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    Changed(Property::Style);
}

PageControl* TabSheet::PageControlOf() const { return dynamic_cast<PageControl*>(Parent()); }

}  // namespace fv
