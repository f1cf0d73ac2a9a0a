// Bevel: a raised or lowered box or line drawn on its parent, and the edge kinds panels share.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

enum class BevelKind { None, Lowered, Raised };

class Bevel : public Control {
public:
    Bevel(Component* owner, std::string name = {});
    const char* Kind() const override { return "Bevel"; }
    enum class Shape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine } BevelShape = Shape::Box;
    BevelKind Style = BevelKind::Lowered;
};

}  // namespace fv
