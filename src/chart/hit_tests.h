// Hit tests on integer pixel points: is the mouse on a line, in a polygon, a bar's triangle or an ellipse.
#pragma once

#include <vector>

namespace fv {

struct PixelPoint {
    int X = 0, Y = 0;
};

// On the segment a-b: less than a pixel off the line (measured across its major direction) and not past
// either end by more than `tolerance` in x or y.
bool SegmentHitTest(PixelPoint p, PixelPoint a, PixelPoint b, int tolerance);
inline bool SegmentContainsPoint(PixelPoint p, PixelPoint a, PixelPoint b) { return SegmentHitTest(p, a, b, 0); }

// Even-odd rule over the polygon's points.
bool PointInPolygon(PixelPoint p, const std::vector<PixelPoint>& polygon);
// The triangle of a bar: base from x0 to x1 at y0, tip at the middle of the base at y1.
bool TriangleContains(PixelPoint p, int x0, int x1, int y0, int y1);
// The same lying on its side: base from y0 to y1 at x1, tip at x0.
bool HorizTriangleContains(PixelPoint p, int y0, int y1, int x0, int x1);
// The ellipse inside the rectangle; never for a rectangle without height or width.
bool EllipseContains(PixelPoint p, int left, int top, int right, int bottom);

}  // namespace fv
