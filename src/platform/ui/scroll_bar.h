// ScrollBar: a horizontal or vertical bar over a range.
#pragma once

#include <string>

#include "platform/ui/range_control.h"

namespace fv {

class ScrollBar : public RangeControl {
public:
    ScrollBar(Component* owner, std::string name = {});
    const char* Kind() const override { return "ScrollBar"; }
    bool Vertical = false;
    int SmallChange = 1;
    int LargeChange = 1;
    // The thumb's length in scroll units (0: the system's own); what a page of the view covers.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);

private:
    int pageSize_ = 0;
};

}  // namespace fv
