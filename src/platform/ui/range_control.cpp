// RangeControl: the range and the position kept within it.
#include "platform/ui/range_control.h"

#include <algorithm>

namespace fv {

void RangeControl::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    Changed(Property::Range);
    SetPosition(position_);
}

void RangeControl::SetPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    Changed(Property::Position);
    if (OnChange) OnChange(this);
}

}  // namespace fv
