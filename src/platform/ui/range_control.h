// RangeControl: a position within a range, shared by scroll bars, up-downs and track bars. Setting
// Position from code fires OnChange, and only when it changes.
#pragma once

#include "platform/ui/control.h"

namespace fv {

// Scroll bar, up-down and track bar share a position within a range, and fire OnChange when it moves.
class RangeControl : public Control {
public:
    using Control::Control;
    ~RangeControl() override = default;
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    virtual int Position() const { return position_; }
    virtual void SetPosition(int p);  // kept within Min..Max; fires OnChange when it changes
    NotifyEvent OnChange;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace fv
