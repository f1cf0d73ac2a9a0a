// Hit tests in exact integer arithmetic: products of two pixel differences take 128 bits, so that no
// coordinate overflows them.
#include "chart/hit_tests.h"

#include <algorithm>
#include <cstdlib>

namespace fv {

namespace {
__extension__ typedef __int128 Wide;
}

bool SegmentHitTest(PixelPoint p, PixelPoint a, PixelPoint b, int tolerance) {
    long long dx = (long long)b.X - a.X, dy = (long long)b.Y - a.Y;
    long long m = std::max(std::llabs(dx), std::llabs(dy));
    Wide c = Wide((long long)p.X - a.X) * dy - Wide((long long)p.Y - a.Y) * dx;
    if ((c < 0 ? -c : c) >= m) return false;
    long long t = tolerance;
    return p.X >= std::min(a.X, b.X) - t && p.X <= std::max(a.X, b.X) + t && p.Y >= std::min(a.Y, b.Y) - t &&
           p.Y <= std::max(a.Y, b.Y) + t;
}

bool PointInPolygon(PixelPoint p, const std::vector<PixelPoint>& polygon) {
    bool inside = false;
    std::size_t n = polygon.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const PixelPoint& pi = polygon[i];
        const PixelPoint& pj = polygon[j];
        bool spans = (pi.Y <= p.Y && p.Y < pj.Y) || (pj.Y <= p.Y && p.Y < pi.Y);
        // Left of the edge's x at p.Y, compared without division.
        if (spans) {
            Wide lhs = Wide((long long)p.X - pi.X) * ((long long)pj.Y - pi.Y);
            Wide rhs = Wide((long long)pj.X - pi.X) * ((long long)p.Y - pi.Y);
            bool left = pj.Y > pi.Y ? lhs < rhs : lhs > rhs;
            if (left) inside = !inside;
        }
    }
    return inside;
}

bool TriangleContains(PixelPoint p, int x0, int x1, int y0, int y1) {
    return PointInPolygon(p, {{x0, y0}, {int(((long long)x0 + x1) / 2), y1}, {x1, y0}});
}

bool HorizTriangleContains(PixelPoint p, int y0, int y1, int x0, int x1) {
    return PointInPolygon(p, {{x1, y0}, {x0, int(((long long)y0 + y1) / 2)}, {x1, y1}});
}

bool EllipseContains(PixelPoint p, int left, int top, int right, int bottom) {
    long long rx = ((long long)right - left) / 2, ry = ((long long)bottom - top) / 2;
    if (rx == 0 || ry == 0) return false;
    long long cx = left + rx, cy = top + ry;
    double dx = double(p.X - cx), dy = double(p.Y - cy);
    return dx * dx / double(rx * rx) + dy * dy / double(ry * ry) <= 1;
}

}  // namespace fv
