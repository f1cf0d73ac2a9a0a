// Points, sizes and rectangles in whole pixels. A `PixelRect` is given by its edges (a control's bounds are
// a position and a size): it covers Left..Right-1 and Top..Bottom-1, as the drawing calls that fill it do,
// and may be given the wrong way round, which `Normalized` puts right.
#pragma once

#include <algorithm>

namespace fv {

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    bool operator==(const Size&) const = default;
};

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    PixelRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
    }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace fv
