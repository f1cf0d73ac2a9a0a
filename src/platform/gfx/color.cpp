// System colour resolution.
#include "platform/gfx/color.h"

namespace fv {

Color ResolveColor(Color c) {
    if (c == ClDefault) return ClWhite;
    if (!IsSystemColor(c)) return c & 0xFFFFFF;
    switch (c & 0xFF) {
    case 0x05: return ClWhite;                 // window background
    case 0x08: return ClBlack;                 // window text
    case 0x0D: return RGB(0, 0, 128);          // highlight
    case 0x0F: return RGB(212, 208, 200);      // button face
    case 0x12: return ClBlack;                 // button text
    default: return RGB(212, 208, 200);
    }
}

}  // namespace fv
