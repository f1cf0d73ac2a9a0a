// ProgressBar: a position within a range, shown as a bar; it fires nothing.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class ProgressBar : public Control {
public:
    ProgressBar(Component* owner, std::string name = {});
    const char* Kind() const override { return "ProgressBar"; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    void SetPosition(int p);  // kept within Min..Max

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace fv
