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
};

}  // namespace fv
