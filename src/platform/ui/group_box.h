// GroupBox: a framed, captioned area that holds other controls.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class GroupBox : public Control {
public:
    GroupBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "GroupBox"; }
};

}  // namespace fv
