// Label: a text on a form, sized to its text unless AutoSize is off.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class Label : public Control {
public:
    Label(Component* owner, std::string name = {});
    const char* Kind() const override { return "Label"; }
    bool AutoSize = true;
    bool WordWrap = false;
    bool Transparent = false;
    enum class Alignment { Left, Right, Center } TextAlign = Alignment::Left;
};

}  // namespace fv
