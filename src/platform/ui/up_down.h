// UpDown: a pair of arrows that step a position, usually beside an associated edit.
#pragma once

#include <string>

#include "platform/ui/range_control.h"

namespace fv {

class UpDown : public RangeControl {
public:
    UpDown(Component* owner, std::string name = {});
    const char* Kind() const override { return "UpDown"; }
    Control* Associate = nullptr;
};

}  // namespace fv
