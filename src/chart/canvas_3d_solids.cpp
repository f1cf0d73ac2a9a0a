// The solids of the chart canvas: cube, cylinder, pyramid, ellipse and pie slice at depth, arrow.
// Faces are flat polygons of projected points, drawn back to front where the shape needs it; a face is
// shown when its projected outline runs the way that faces the viewer (positive signed area below).
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/canvas_3d.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

constexpr double DegToRad = std::numbers::pi / 180.0;

// Twice the signed area in screen coordinates (y down); positive: the face looks at the viewer.
double SignedArea(std::span<const Point> pts) {
    double s = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point& a = pts[i];
        const Point& b = pts[(i + 1) % pts.size()];
        s += double(a.X) * b.Y - double(b.X) * a.Y;
    }
    return s;
}

int Half(int a, int b) { return int((std::int64_t(a) + b) / 2); }
int HalfSpan(int a, int b) { return int((std::int64_t(b) - a) / 2); }

}  // namespace

void TChartCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, bool dark) {
    TColor base = FaceBaseColor();
    Poly({Project(left, top, z0), Project(right, top, z0), Project(right, bottom, z0), Project(left, bottom, z0)});
    if (dark) SetFaceColor(base, 128);
    Poly({Project(right, top, z0), Project(right, top, z1), Project(right, bottom, z1), Project(right, bottom, z0)});
    if (dark) SetFaceColor(base, 64);
    Poly({Project(left, top, z0), Project(right, top, z0), Project(right, top, z1), Project(left, top, z1)});
    // The next shape starts from the colour it was given, not from this one's darkest face.
    if (dark) SetFaceColor(base, 0);
}

void TChartCanvas3D::Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) {
    TColor base = FaceBaseColor();
    int cz = Half(z0, z1), hd = HalfSpan(z0, z1);
    struct Rim { Point near, far; };  // a rim point on the end ellipse and its partner at the other end
    std::vector<Rim> rim;
    std::vector<Point> end;
    if (vertical) {
        int cx = Half(left, right), hw = HalfSpan(left, right);
        int y0 = std::min(top, bottom), y1 = std::max(top, bottom);
        for (int i = 1; i <= 16; ++i) {
            double a = (i - 4) * 22.5 * DegToRad;
            int x = cx + RoundPixel(std::sin(a) * hw), z = cz - RoundPixel(std::cos(a) * hd);
            rim.push_back({Project(x, y0, z), Project(x, y1, z)});
        }
    } else {
        int cy = Half(top, bottom), hh = HalfSpan(top, bottom);
        int x0 = std::max(left, right), x1 = std::min(left, right);
        for (int i = 1; i <= 16; ++i) {
            double a = (i + 5) * 22.5 * DegToRad;
            int y = cy + RoundPixel(std::sin(a) * hh), z = cz - RoundPixel(std::cos(a) * hd);
            rim.push_back({Project(x0, y, z), Project(x1, y, z)});
        }
    }
    int panels = vertical ? 15 : 13, drawn = 0;
    for (int i = 0; i < panels; ++i) {
        const Rim& a = rim[i];
        const Rim& b = rim[i + 1];
        // A panel faces the viewer when the rim runs rightwards (upright) or downwards (lying) across it.
        bool facing = vertical ? b.near.X > a.near.X : b.near.Y > a.near.Y;
        if (!facing) continue;
        if (dark) SetFaceColor(base, 16 * drawn);
        Poly({a.near, b.near, b.far, a.far});
        ++drawn;
    }
    for (const Rim& r : rim) end.push_back(r.near);
    SetFaceColor(base, dark ? 64 : 0);
    Polygon(end);
    if (dark) SetFaceColor(base, 0);
}

void TChartCanvas3D::Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) {
    TColor base = FaceBaseColor();
    int zc = Half(z0, z1);
    if (vertical) {
        if (top == bottom) {
            if (dark) SetFaceColor(base, 64);
            RectangleHorizZ(left, right, bottom, z0, z1);
        } else {
            Point apex = Project(Half(left, right), top, zc);
            Poly({Project(left, bottom, z0), Project(right, bottom, z0), apex});
            if (dark) SetFaceColor(base, 128);
            Poly({Project(right, bottom, z0), apex, Project(right, bottom, z1)});
            if (top < bottom) {
                // The back face shows only when the view looks down past the apex.
                Point backLeft = Project(left, bottom, z1);
                if (backLeft.Y < apex.Y) Poly({apex, backLeft, Project(right, bottom, z1)});
            } else {
                if (dark) SetFaceColor(base, 64);
                RectangleHorizZ(left, right, bottom, z0, z1);
            }
        }
    } else if (left != right) {
        Point apex = Project(right, Half(top, bottom), zc);
        Poly({Project(left, top, z0), Project(left, bottom, z0), apex});
        if (dark) SetFaceColor(base, 64);
        Poly({Project(left, top, z0), Project(left, top, z1), apex});
        if (left > right) {
            if (dark) SetFaceColor(base, 128);
            RectangleSideZ(left, top, bottom, z0, z1);
        }
    }
    if (dark) SetFaceColor(base, 0);
}

void TChartCanvas3D::EllipseZ(int x1, int y1, int x2, int y2, int z) {
    if (OrthogonalView) {
        Point a = Project(x1, y1, z), b = Project(x2, y2, z);
        canvas->Ellipse(a.X, a.Y, b.X, b.Y);
        return;
    }
    if (!Is3D) {
        canvas->Ellipse(x1, y1, x2, y2);
        return;
    }
    int cx = Half(x1, x2), cy = Half(y1, y2), hx = HalfSpan(x1, x2), hy = HalfSpan(y1, y2);
    std::vector<Point> outline;
    for (int k = 0; k < 32; ++k) {
        // 20 steps of 18 degrees close the outline; the rest repeat its start.
        double a = k * 18 * DegToRad;
        outline.push_back(Project(cx + RoundPixel(std::sin(a) * hx), cy + RoundPixel(std::cos(a) * hy), z));
    }
    if (canvas->GetBrush().Style != BrushStyle::Clear) {
        Point centre = Project(cx, cy, z);
        CanvasStateGuard guard(*canvas);
        Pen none = canvas->GetPen();
        none.Style = PenStyle::Clear;
        canvas->SetPen(none);
        for (int k = 0; k < 30; ++k) Poly({centre, outline[k], outline[k + 1]});
    }
    if (canvas->GetPen().Style != PenStyle::Clear) canvas->Polyline(outline);
}

void TChartCanvas3D::PieSliceZ(int cx, int cy, int xRadius, int yRadius, double startAngle, double endAngle, int z0,
                               int z1, bool side, bool dark) {
    TColor base = FaceBaseColor();
    double step = (endAngle - startAngle) / 31;
    std::vector<Point> front(32), back(32);
    for (int k = 0; k < 32; ++k) {
        double a = startAngle + k * step;
        int x = AddPixels(cx, RoundPixel(xRadius * std::cos(a))), y = SubPixels(cy, RoundPixel(yRadius * std::sin(a)));
        front[k] = Project(x, y, z0);
        back[k] = Project(x, y, z1);
    }
    Point c0 = Project(cx, cy, z0), c1 = Project(cx, cy, z1);
    if (side) {
        // The wall at the start angle looks back against the turn, the one at the end angle along it.
        Point startWall[] = {c0, front[0], back[0], c1};
        Point endWall[] = {front[31], c0, c1, back[31]};
        if (dark) SetFaceColor(base, 32);
        if (SignedArea(startWall) > 0) Polygon(startWall);
        if (SignedArea(endWall) > 0) Polygon(endWall);
        if (dark) SetFaceColor(base, 0);
    }
    std::vector<Point> face{c0};
    face.insert(face.end(), front.begin(), front.end());
    Polygon(face);
    // The outer wall, one polygon per run of arc steps that face the viewer.
    if (dark) SetFaceColor(base, 32);
    int k = 0;
    while (k < 31) {
        auto facing = [&](int i) {
            Point q[] = {front[i], front[i + 1], back[i + 1], back[i]};
            return SignedArea(q) > 0;
        };
        if (!facing(k)) {
            ++k;
            continue;
        }
        int j = k;
        while (j < 31 && facing(j)) ++j;
        std::vector<Point> wall(front.begin() + k, front.begin() + j + 1);
        for (int i = j; i >= k; --i) wall.push_back(back[i]);
        Polygon(wall);
        k = j;
    }
    if (dark) SetFaceColor(base, 0);
}

void TChartCanvas3D::ArrowZ(bool filled, Point from, Point to, int headLength, int headWidth, int z) {
    double dx = double(to.X) - from.X, dy = double(to.Y) - from.Y;
    double length = std::hypot(dx, dy);
    if (length == 0) return;
    double head = std::min(double(RoundPixel(length)), double(headLength));
    double ux = dx / length, uy = dy / length;  // along the arrow
    double nx = -uy, ny = ux;                   // across it
    auto at = [&](double along, double across) {
        return Project(RoundPixel(from.X + ux * along + nx * across), RoundPixel(from.Y + uy * along + ny * across), z);
    };
    double baseAt = length - head, half = headWidth / 2.0, quarter = headWidth / 4.0;
    Point tip = Project(to.X, to.Y, z);
    if (!filled) {
        Point start = Project(from.X, from.Y, z), c1 = at(baseAt, half), c2 = at(baseAt, -half);
        canvas->Line(start.X, start.Y, tip.X, tip.Y);
        canvas->Line(tip.X, tip.Y, c1.X, c1.Y);
        canvas->Line(tip.X, tip.Y, c2.X, c2.Y);
        return;
    }
    Poly({at(0, quarter), at(baseAt, quarter), at(baseAt, half), tip, at(baseAt, -half), at(baseAt, -quarter),
          at(0, -quarter)});
}

}  // namespace fv
