// The canvas' own part: state, mapping, clip and the hand-over of every primitive to the back end.
#include "platform/gfx/canvas.h"

#include <array>
#include <cstdlib>

#include "platform/gfx/pixel_math.h"

namespace fv {

std::span<const int> DashPattern(PenStyle style, int width) {
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    static constexpr std::array<int, 2> smallDots{1, 1};
    // Patterns belong to hairlines; a wider patterned pen draws solid.
    if (width > 1) return {};
    switch (style) {
    case PenStyle::Dot: return dot;
    case PenStyle::Dash: return dash;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::DashDotDot: return dashDotDot;
    case PenStyle::SmallDots: return smallDots;
    default: return {};
    }
}

bool ClipArea::IsRectangle() const {
    if (Polygon.size() != 4) return false;
    const Point *p = Polygon.data();
    return p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
}

PixelRect ClipArea::Bounds() const {
    if (Polygon.empty()) return {};
    PixelRect r{Polygon[0].X, Polygon[0].Y, Polygon[0].X, Polygon[0].Y};
    for (Point p : Polygon) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

bool Mapping::IsIdentity() const {
    return WindowOrg == Point{} && ViewportOrg == Point{} && WindowExt == ViewportExt;
}

void Canvas::RestoreState(const CanvasState& s) {
    bool clipChanged = !(s.Clip == state.Clip);
    state = s;
    ++version;
    if (clipChanged) ClipChanged();
}

namespace {

// From one origin and extent to another, the way both directions of a mapping go.
Point MapPoint(Point p, Point fromOrg, Size fromExt, Point toOrg, Size toExt) {
    return {AddPixels(MulDiv(SubPixels(p.X, fromOrg.X), toExt.Width, fromExt.Width), toOrg.X),
            AddPixels(MulDiv(SubPixels(p.Y, fromOrg.Y), toExt.Height, fromExt.Height), toOrg.Y)};
}

}  // namespace

Point Canvas::ToDevice(Point p) const {
    if (mapping.IsIdentity()) return p;
    return MapPoint(p, mapping.WindowOrg, mapping.WindowExt, mapping.ViewportOrg, mapping.ViewportExt);
}

Point Canvas::ToLogical(Point p) const {
    if (mapping.IsIdentity()) return p;
    return MapPoint(p, mapping.ViewportOrg, mapping.ViewportExt, mapping.WindowOrg, mapping.WindowExt);
}

std::vector<Point> Canvas::DevicePoints(std::span<const Point> pts) const {
    std::vector<Point> out(pts.begin(), pts.end());
    if (!mapping.IsIdentity())
        for (Point& p : out) p = ToDevice(p);
    return out;
}

PixelRect Canvas::DeviceRect(const PixelRect& r) const {
    Point a = ToDevice(Point{r.Left, r.Top}), b = ToDevice(Point{r.Right, r.Bottom});
    return {a.X, a.Y, b.X, b.Y};
}

Font Canvas::DeviceFont() const {
    Font f = state.CanvasFont;
    if (!mapping.IsIdentity()) f.Size = std::max(1, std::abs(MulDiv(f.Size, mapping.ViewportExt.Height, mapping.WindowExt.Height)));
    return f;
}

int Canvas::DevicePenWidth() const {
    int w = state.CanvasPen.Width;
    if (w <= 1 || mapping.IsIdentity()) return w;
    return std::max(1, std::abs(MulDiv(w, mapping.ViewportExt.Width, mapping.WindowExt.Width)));
}

void Canvas::ClipRect(const PixelRect& r) {
    PixelRect d = DeviceRect(r).Normalized();
    state.Clip = {true, {{d.Left, d.Top}, {d.Right, d.Top}, {d.Right, d.Bottom}, {d.Left, d.Bottom}}};
    ClipChanged();
}

void Canvas::ClipPolygon(std::span<const Point> pts) {
    state.Clip = {true, DevicePoints(pts)};
    ClipChanged();
}

void Canvas::Unclip() {
    if (!state.Clip.Active) return;
    state.Clip = {};
    ClipChanged();
}

void Canvas::SetPixel(int x, int y, Color c) { DoPixel(ToDevice(Point{x, y}), c); }

void Canvas::MoveTo(int x, int y) { position = {x, y}; }

void Canvas::LineTo(int x, int y) {
    Point seg[2] = {ToDevice(position), ToDevice(Point{x, y})};
    position = {x, y};
    DoPolyline(seg);
}

void Canvas::Polyline(std::span<const Point> pts) {
    if (pts.size() < 2) return;
    if (mapping.IsIdentity()) {
        DoPolyline(pts);
    } else {
        auto d = DevicePoints(pts);
        DoPolyline(d);
    }
}

void Canvas::Polygon(std::span<const Point> pts) {
    if (pts.size() < 2) return;
    auto d = DevicePoints(pts);
    DoPolygon(d);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) { DoRectangle(DeviceRect(PixelRect{x1, y1, x2, y2}).Normalized()); }

void Canvas::FillRect(const PixelRect& r) { DoFillRect(DeviceRect(r).Normalized()); }

void Canvas::Ellipse(int x1, int y1, int x2, int y2) { DoEllipse(DeviceRect(PixelRect{x1, y1, x2, y2}).Normalized()); }

void Canvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    Point c = ToDevice(Point{w, h}), o = ToDevice(Point{0, 0});
    DoRoundRect(DeviceRect(PixelRect{x1, y1, x2, y2}).Normalized(), {std::abs(c.X - o.X), std::abs(c.Y - o.Y)});
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DoArc(ArcKind::Arc, DeviceRect(PixelRect{x1, y1, x2, y2}).Normalized(), ToDevice(Point{x3, y3}), ToDevice(Point{x4, y4}));
}

void Canvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DoArc(ArcKind::Pie, DeviceRect(PixelRect{x1, y1, x2, y2}).Normalized(), ToDevice(Point{x3, y3}), ToDevice(Point{x4, y4}));
}

void Canvas::PolyBezier(std::span<const Point> pts) {
    if (pts.size() < 4) return;
    auto d = DevicePoints(pts.first(1 + (pts.size() - 1) / 3 * 3));
    DoBezier(d);
}

void Canvas::TextOut(int x, int y, std::string_view text) { DoText(ToDevice(Point{x, y}), text, DeviceFont()); }

Size Canvas::TextExtent(std::string_view text) {
    Size d = DoTextExtent(text, DeviceFont());
    if (mapping.IsIdentity()) return d;
    Point o = ToLogical(Point{0, 0}), e = ToLogical(Point{d.Width, d.Height});
    return {std::abs(e.X - o.X), std::abs(e.Y - o.Y)};
}

void Canvas::Draw(int x, int y, const Bitmap& picture) {
    Point p = ToDevice(Point{x, y});
    // A picture keeps its own size in device pixels, as a bit block copy does.
    DoImage({p.X, p.Y, AddPixels(p.X, picture.Width), AddPixels(p.Y, picture.Height)}, picture);
}

void Canvas::StretchDraw(const PixelRect& r, const Bitmap& picture) { DoImage(DeviceRect(r).Normalized(), picture); }

void Canvas::DrawSurface(int x, int y, const Surface& s, bool monochrome) { DoSurface(ToDevice(Point{x, y}), s, monochrome); }

}  // namespace fv
