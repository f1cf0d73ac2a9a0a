// The chart canvas: state, buffer, projection and the plain 2D operations.
#include "chart/canvas_3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/gfx/pixel_math.h"

namespace fv {

// ---- TChartCanvas ----

void TChartCanvas::ResetState() {
    if (!canvas) return;
    canvas->SetPen({ClBlack, 1, PenStyle::Solid, PenMode::Copy});
    canvas->SetBrush({ClWhite, BrushStyle::Solid, nullptr});
    Font f = canvas->GetFont();
    f.FontColor = ClBlack;
    f.Size = 10;
    canvas->SetFont(f);
    canvas->SetBackColor(ClWhite);
    canvas->SetBackMode(BackMode::Transparent);
}

void TChartCanvas::AssignVisiblePen(const TChartPen& pen) {
    if (!canvas) return;
    Pen p = pen.CanvasPen();
    if (!pen.Visible())
        p.Style = PenStyle::Clear;
    else if (pen.SmallDots() && p.Width == 1)
        p.Style = PenStyle::SmallDots;
    canvas->SetPen(p);
}

int TChartCanvas::TextWidth(std::string_view text) { return canvas ? canvas->TextWidth(text) : 0; }
int TChartCanvas::TextHeight(std::string_view text) { return canvas ? canvas->TextHeight(text) : 0; }

// ---- TChartCanvas3D: state and buffer ----

TColor TChartCanvas3D::GetBackColor() { return canvas->GetBackColor(); }
BackMode TChartCanvas3D::GetBackMode() { return canvas->GetBackMode(); }
unsigned TChartCanvas3D::GetTextAlign() { return canvas->GetTextAlign(); }
void TChartCanvas3D::SetBackColor(TColor c) { canvas->SetBackColor(c); }
void TChartCanvas3D::SetBackMode(BackMode m) { canvas->SetBackMode(m); }
void TChartCanvas3D::SetTextAlign(unsigned flags) { canvas->SetTextAlign(flags); }

void TChartCanvas3D::SetMonochrome(bool v) {
    if (monochrome == v) return;
    monochrome = v;
    BufferBitmap.reset();
    BufferDirty = true;
    if (RepaintOwner) RepaintOwner();
}

void TChartCanvas3D::SetBuffered(bool v) {
    buffered = v;
    if (!v) {
        BufferBitmap.reset();
        BufferDirty = true;
    }
}

void TChartCanvas3D::SetupProjection(Canvas* target, const TView3DOptions* options, PixelRect& drawRect,
                                     const PixelRect& chartRect, bool is3D) {
    Bounds = chartRect;
    View3DOptions = options;
    Is3D = is3D;
    OrthogonalView = false;
    ZoomFactor = 1.0;
    if (Is3D && options) {
        OrthogonalView = options->Orthogonal();
        ZoomFactor = options->Zoom() * 0.01;
        ZoomText = options->ZoomText();
        if (!OrthogonalView) CalcRotation(options);
    }
    if (!buffered) {
        AttachCanvas(target);
        drawRect = chartRect;
        return;
    }
    // The buffer keeps its size until the panel frees it on a change of its bounds.
    if (!BufferBitmap) BufferBitmap = target->CreateSurface(chartRect.Width(), chartRect.Height());
    AttachCanvas(&BufferBitmap->GetCanvas());
    drawRect = {0, 0, chartRect.Width(), chartRect.Height()};
}

void TChartCanvas3D::CalcRotation(const TView3DOptions* options) {
    const double toRad = std::numbers::pi / 180.0;
    double e = options->Elevation() * toRad, r = options->Rotation() * toRad, t = options->Tilt() * toRad;
    double sinE = std::sin(e), cosE = std::cos(e), sinR = std::sin(r), cosR = std::cos(r), sinT = std::sin(t),
           cosT = std::cos(t);
    // The two diagonal coefficients never reach 0, so the inverse projection can always divide by them.
    XFromX = std::max(sinR * sinE * sinT + cosR * cosT, 0.00001);
    XFromY = cosE * sinT;
    XFromZ = cosR * sinE * sinT - cosT * sinR;
    YFromX = cosT * sinR * sinE - cosR * sinT;
    YFromY = std::max(cosE * cosT, 0.00001);
    YFromZ = cosR * cosT * sinE + sinR * sinT;
}

void TChartCanvas3D::SetCenterFromRect(int depth, const PixelRect& r) {
    CenterX = int((std::int64_t(r.Left) + r.Right) / 2);
    CenterY = int((std::int64_t(r.Top) + r.Bottom) / 2);
    ShiftedCenterX = AddPixels(CenterX, View3DOptions ? View3DOptions->HorizOffset() : 0);
    ShiftedCenterY = AddPixels(CenterY, View3DOptions ? View3DOptions->VertOffset() : 0);
    CenterZ = depth / 2;
}

void TChartCanvas3D::FinishDrawing(Canvas* target, Canvas* own, const PixelRect& r) {
    if (buffered && BufferBitmap) {
        target->DrawSurface(r.Left, r.Top, *BufferBitmap, monochrome);
        BufferDirty = false;
    }
    AttachCanvas(own);
}

bool TChartCanvas3D::PaintFromBuffer() {
    if (BufferDirty || !BufferBitmap || !canvas) return false;
    canvas->DrawSurface(0, 0, *BufferBitmap, monochrome);
    return true;
}

void TChartCanvas3D::Disable3D() {
    SavedIs3D = Is3D;
    Is3D = false;
}

void TChartCanvas3D::Restore3D() { Is3D = SavedIs3D; }

// ---- Projection ----

void TChartCanvas3D::ProjectPoint(int x, int y, int z, Point& out) {
    // Worked out in double: a depth or a position near the int range must not wrap.
    if (OrthogonalView) {
        out.X = AddPixels(RoundPixel((double(x) - CenterX + z) * ZoomFactor), ShiftedCenterX);
        out.Y = AddPixels(RoundPixel((double(y) - CenterY - z) * ZoomFactor), ShiftedCenterY);
    } else if (Is3D) {
        double dx = double(x) - CenterX, dy = double(y) - CenterY, dz = double(z) - CenterZ;
        out.X = AddPixels(RoundPixel((dx * XFromX + dy * XFromY + dz * XFromZ) * ZoomFactor), ShiftedCenterX);
        out.Y = AddPixels(RoundPixel((dx * YFromX + dy * YFromY + dz * YFromZ) * ZoomFactor), ShiftedCenterY);
    } else {
        out = {x, y};
    }
}

void TChartCanvas3D::UnprojectPoint(int& x, int& y, int z) {
    if (ZoomFactor == 0) return;
    double f = 1.0 / ZoomFactor;
    if (OrthogonalView) {
        x = AddPixels(RoundPixel(f * (double(x) - ShiftedCenterX)), SubPixels(CenterX, z));
        y = AddPixels(RoundPixel(f * (double(y) - ShiftedCenterY)), AddPixels(CenterY, z));
    } else if (Is3D && XFromX != 0 && YFromY != 0) {
        // The other coordinate is unknown; its screen value stands in for it.
        double dz = double(z) - CenterZ, sx = x, sy = y;
        x = AddPixels(RoundPixel((f * (sx - ShiftedCenterX) - dz * XFromZ - (sy - CenterY) * XFromY) / XFromX), CenterX);
        y = AddPixels(RoundPixel((f * (sy - ShiftedCenterY) - dz * YFromZ - (sx - CenterX) * YFromX) / YFromY), CenterY);
    }
}

// ---- 2D operations ----

void TChartCanvas3D::SetPixel(int x, int y, TColor c) { canvas->SetPixel(x, y, c); }
void TChartCanvas3D::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { canvas->Arc(x1, y1, x2, y2, x3, y3, x4, y4); }
void TChartCanvas3D::Draw(int x, int y, const Bitmap& picture) { canvas->Draw(x, y, picture); }
void TChartCanvas3D::Ellipse(int x1, int y1, int x2, int y2) { canvas->Ellipse(x1, y1, x2, y2); }
void TChartCanvas3D::FillRect(const PixelRect& r) { canvas->FillRect(r); }
void TChartCanvas3D::LineTo(int x, int y) { canvas->LineTo(x, y); }
void TChartCanvas3D::MoveTo(int x, int y) { canvas->MoveTo(x, y); }
void TChartCanvas3D::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { canvas->Pie(x1, y1, x2, y2, x3, y3, x4, y4); }
void TChartCanvas3D::Rectangle(int x1, int y1, int x2, int y2) { canvas->Rectangle(x1, y1, x2, y2); }
void TChartCanvas3D::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) { canvas->RoundRect(x1, y1, x2, y2, x3, y3); }
void TChartCanvas3D::StretchDraw(const PixelRect& r, const Bitmap& picture) { canvas->StretchDraw(r, picture); }
void TChartCanvas3D::TextOut(int x, int y, std::string_view text) { canvas->TextOut(x, y, text); }
void TChartCanvas3D::ClipRectangle(const PixelRect& r) { canvas->ClipRect(r); }
void TChartCanvas3D::UnclipRectangle() { canvas->Unclip(); }
void TChartCanvas3D::Line(int x0, int y0, int x1, int y1) { canvas->Line(x0, y0, x1, y1); }
void TChartCanvas3D::Polygon(std::span<const Point> pts) { canvas->Polygon(pts); }

// ---- Text ----

void TChartCanvas3D::WriteText(Point p, std::string_view text, int angleTenths) {
    Font f = canvas->GetFont();
    f.Angle = angleTenths;
    if (ZoomText && ZoomFactor != 1.0) f.Size = std::max(1, RoundPixel(f.Size * ZoomFactor));
    if (f == canvas->GetFont()) {
        canvas->TextOut(p.X, p.Y, text);
        return;
    }
    CanvasStateGuard guard(*canvas);
    canvas->SetFont(f);
    canvas->TextOut(p.X, p.Y, text);
}

void TChartCanvas3D::TextOutZ(int x, int y, std::string_view text, int z) {
    // Text at depth keeps the font's own direction.
    WriteText(Project(x, y, z), text, canvas->GetFont().Angle);
}

void TChartCanvas3D::RotatedTextOut(int x, int y, int angle, std::string_view text) {
    Brush b = canvas->GetBrush();
    b.Style = BrushStyle::Clear;
    canvas->SetBrush(b);
    WriteText({x, y}, text, 10 * (angle > 360 ? angle - 360 : angle));
}

void TChartCanvas3D::RotatedTextOutZ(int x, int y, int angle, std::string_view text, int z) {
    Point p = Project(x, y, z);
    RotatedTextOut(p.X, p.Y, angle, text);
}

// ---- Lines and flat shapes at a depth ----

void TChartCanvas3D::PixelZ(int x, int y, TColor c, int z) {
    Point p = Project(x, y, z);
    if (canvas->GetPen().Width == 1) {
        canvas->SetPixel(p.X, p.Y, c);
    } else {
        canvas->MoveTo(p.X, p.Y);
        canvas->LineTo(p.X, p.Y);
    }
}

void TChartCanvas3D::HorizLineZ(int x0, int x1, int y, int z) { LineZ(x0, y, x1, y, z); }
void TChartCanvas3D::VertLineZ(int x, int y0, int y1, int z) { LineZ(x, y0, x, y1, z); }

void TChartCanvas3D::ZLine(int x, int y, int z0, int z1) {
    Point a = Project(x, y, z0), b = Project(x, y, z1);
    canvas->Line(a.X, a.Y, b.X, b.Y);
}

void TChartCanvas3D::LineZ(int x0, int y0, int x1, int y1, int z) {
    Point a = Project(x0, y0, z), b = Project(x1, y1, z);
    canvas->Line(a.X, a.Y, b.X, b.Y);
}

void TChartCanvas3D::MoveToZ(int x, int y, int z) {
    Point p = Project(x, y, z);
    canvas->MoveTo(p.X, p.Y);
}

void TChartCanvas3D::LineToZ(int x, int y, int z) {
    Point p = Project(x, y, z);
    canvas->LineTo(p.X, p.Y);
}

void TChartCanvas3D::SidePlaneZ(Point a, Point b, int z0, int z1) {
    Poly({Project(a.X, a.Y, z1), Project(b.X, b.Y, z1), Project(b.X, b.Y, z0), Project(a.X, a.Y, z0)});
}

void TChartCanvas3D::QuadrilateralZ(Point p0, Point p1, Point p2, Point p3, int z) {
    Poly({Project(p0.X, p0.Y, z), Project(p1.X, p1.Y, z), Project(p2.X, p2.Y, z), Project(p3.X, p3.Y, z)});
}

void TChartCanvas3D::PlaneWithDepths(Point p0, Point p1, Point p2, Point p3, int z0, int z1) {
    Poly({Project(p0.X, p0.Y, z0), Project(p1.X, p1.Y, z0), Project(p2.X, p2.Y, z1), Project(p3.X, p3.Y, z1)});
}

void TChartCanvas3D::RectangleZ(const PixelRect& r, int z) {
    QuadrilateralZ({r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, z);
}

void TChartCanvas3D::RectangleHorizZ(int left, int right, int y, int z0, int z1) {
    Poly({Project(left, y, z0), Project(right, y, z0), Project(right, y, z1), Project(left, y, z1)});
}

void TChartCanvas3D::RectangleSideZ(int x, int top, int bottom, int z0, int z1) {
    Poly({Project(x, top, z0), Project(x, top, z1), Project(x, bottom, z1), Project(x, bottom, z0)});
}

void TChartCanvas3D::TriangleZ(Point p0, Point p1, Point p2, int z) {
    Poly({Project(p0.X, p0.Y, z), Project(p1.X, p1.Y, z), Project(p2.X, p2.Y, z)});
}

namespace {

// The part of a polygon inside a rectangle (each edge of the rectangle cuts off what lies beyond it).
std::vector<Point> PolygonInsideRect(std::vector<Point> poly, const PixelRect& area) {
    auto cut = [&](auto inside, auto crossing) {
        std::vector<Point> out;
        for (std::size_t i = 0, n = poly.size(); i < n; ++i) {
            Point a = poly[i], b = poly[(i + 1) % n];
            bool inA = inside(a), inB = inside(b);
            if (inA) out.push_back(a);
            if (inA != inB) out.push_back(crossing(a, b));
        }
        poly = std::move(out);
    };
    // Where the edge a-b crosses the vertical line x = c or the horizontal line y = c.
    auto atX = [](Point a, Point b, int c) {
        double t = double(c - double(a.X)) / (double(b.X) - a.X);
        return Point{c, RoundPixel(a.Y + t * (double(b.Y) - a.Y))};
    };
    auto atY = [](Point a, Point b, int c) {
        double t = double(c - double(a.Y)) / (double(b.Y) - a.Y);
        return Point{RoundPixel(a.X + t * (double(b.X) - a.X)), c};
    };
    cut([&](Point p) { return p.X >= area.Left; }, [&](Point a, Point b) { return atX(a, b, area.Left); });
    cut([&](Point p) { return p.X <= area.Right; }, [&](Point a, Point b) { return atX(a, b, area.Right); });
    cut([&](Point p) { return p.Y >= area.Top; }, [&](Point a, Point b) { return atY(a, b, area.Top); });
    cut([&](Point p) { return p.Y <= area.Bottom; }, [&](Point a, Point b) { return atY(a, b, area.Bottom); });
    return poly;
}

}  // namespace

void TChartCanvas3D::ClipCubeWithin(const PixelRect& r, int z0, int z1, const PixelRect& area) {
    if (!Is3D) {
        PixelRect inner{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1};
        ClipRectangle({std::max(inner.Left, area.Left), std::max(inner.Top, area.Top),
                       std::min(inner.Right, area.Right), std::min(inner.Bottom, area.Bottom)});
        return;
    }
    std::vector<Point> outline = {Project(r.Left, r.Bottom, z0), Project(r.Left, r.Top, z0), Project(r.Left, r.Top, z1),
                                  Project(r.Right, r.Top, z1),   Project(r.Right, r.Bottom, z1), Project(r.Right, r.Bottom, z0)};
    std::vector<Point> inside = PolygonInsideRect(std::move(outline), area);
    // Nothing of the cube inside the area: an empty clip lets nothing through.
    if (inside.size() < 3) ClipRectangle({area.Left, area.Top, area.Left, area.Top});
    else canvas->ClipPolygon(inside);
}

void TChartCanvas3D::ClipCube(const PixelRect& r, int z0, int z1) {
    if (Is3D) {
        Point outline[] = {Project(r.Left, r.Bottom, z0), Project(r.Left, r.Top, z0), Project(r.Left, r.Top, z1),
                           Project(r.Right, r.Top, z1),   Project(r.Right, r.Bottom, z1), Project(r.Right, r.Bottom, z0)};
        canvas->ClipPolygon(outline);
    } else {
        ClipRectangle({r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    }
}

// ---- Darkened faces ----

TColor TChartCanvas3D::FaceBaseColor() {
    const Brush& b = canvas->GetBrush();
    return ResolveColor(b.Style == BrushStyle::Solid ? b.BrushColor : canvas->GetBackColor());
}

void TChartCanvas3D::SetFaceColor(TColor base, int darkness) {
    TColor c = RGB(std::max(0, RedOf(base) - darkness), std::max(0, GreenOf(base) - darkness),
                   std::max(0, BlueOf(base) - darkness));
    Brush b = canvas->GetBrush();
    if (b.Style == BrushStyle::Solid) {
        b.BrushColor = c;
        canvas->SetBrush(b);
    } else if (b.Style != BrushStyle::Clear) {
        canvas->SetBackColor(c);  // a hatch shows its darkening in the gaps
    }
}

}  // namespace fv
