// Panel: a surface with raised or lowered edges that holds other controls.
#pragma once

#include <string>

#include "platform/ui/bevel.h"

namespace fv {

class Panel : public Control {
public:
    Panel(Component* owner, std::string name = {});
    const char* Kind() const override { return "Panel"; }
    BevelKind BevelOuter = BevelKind::Raised;
    BevelKind BevelInner = BevelKind::None;
    int BorderWidth = 0;
};

}  // namespace fv
