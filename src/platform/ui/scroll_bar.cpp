// ScrollBar construction.
#include "platform/ui/scroll_bar.h"

namespace fv {

ScrollBar::ScrollBar(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

void ScrollBar::SetPageSize(int v) {
    if (v == pageSize_) return;
    pageSize_ = v;
    Changed(Property::Range);
}

}  // namespace fv
