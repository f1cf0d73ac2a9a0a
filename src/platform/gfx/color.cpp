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
    case 0x10: return RGB(128, 128, 128);      // button shadow: the dark side of a bevel
    case 0x11: return RGB(128, 128, 128);      // grey text
    case 0x12: return ClBlack;                 // button text
    case 0x14: return ClWhite;                 // button highlight: the lit side of a bevel
    case 0x15: return RGB(64, 64, 64);         // 3D dark shadow
    default: return RGB(212, 208, 200);
    }
}


Color ResolveColor(Color c, Color automatic) {
    // An automatic default would loop; it falls back to the plain system reading.
    if (c == AutomaticColour && automatic != AutomaticColour) return ResolveColor(automatic);
    return ResolveColor(c);
}

}  // namespace fv
