// A font as controls and canvases describe it: face, size in points, colour and style.
#pragma once

#include <string>

#include "platform/gfx/color.h"

namespace fv {

enum FontStyle : unsigned { FsBold = 1, FsItalic = 2, FsUnderline = 4, FsStrikeOut = 8 };

struct Font {
    std::string Name = "Sans Serif";
    int Size = 8;  // points
    Color FontColor = ClWindowText;
    unsigned Style = 0;
    int Angle = 0;  // tenths of a degree, counter-clockwise

    bool operator==(const Font&) const = default;
};

}  // namespace fv
