// ProgressBar: the range and the position kept within it.
#include "platform/ui/progress_bar.h"

#include <algorithm>

namespace fv {

ProgressBar::ProgressBar(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Changed(Property::Range);
}

void ProgressBar::SetPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    Changed(Property::Position);
}

}  // namespace fv
