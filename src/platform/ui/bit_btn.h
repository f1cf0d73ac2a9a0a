// BitBtn: a push button with a glyph, either a standard one by kind or a picture shipped with the program.
#pragma once

#include <string>

#include "platform/ui/button.h"

namespace fv {

// A button with a glyph. The glyph is a named resource picture; the view finds it under resources/.
class BitBtn : public Button {
public:
    BitBtn(Component* owner, std::string name = {});
    const char* Kind() const override { return "BitBtn"; }
    enum class BtnKind { Custom, Ok, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All } ButtonKind = BtnKind::Custom;
    std::string Glyph;
};

}  // namespace fv
