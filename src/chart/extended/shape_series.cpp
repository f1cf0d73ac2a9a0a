// The shape series: its rectangle, the fourteen figures flat and in 3D, the text inside, the hit test and
// its sample values.
#include "chart/extended/shape_series.h"

#include <cmath>

#include "chart/axis.h"
#include "chart/chart_units.h"
#include "chart/hit_tests.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TChartShape::TChartShape(Component* owner, std::string name)
    : TChartSeries(owner, std::move(name)), Brush([this] { Repaint(); }), Pen([this] { Repaint(); }),
      font_(DefaultChartFont()) {
    Brush.SetColor(ClWhite);
    TChartSeries::SetSeriesColor(Brush.GetColor());
    // The figure spans from one corner to the other; neither corner alone decides whether it shows.
    LimitToView = false;
    AddPoint(0, 0);
    AddPoint(100, 100);
}

void TChartShape::SetText(const std::vector<std::string>& lines) {
    text_ = lines;
    Repaint();
}

void TChartShape::SetSeriesColor(Color value) {
    TChartSeries::SetSeriesColor(value);
    Brush.SetColor(value);
}

bool TChartShape::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TChartShape*>(&other) != nullptr;
}

void TChartShape::CalcZOrder() {
    // A shape placed in pixels stands outside the axes' world and takes no depth slot of its own.
    if (UsesAxes()) TChartSeries::CalcZOrder();
}

TCanvas3D* TChartShape::ShapeCanvas() const {
    auto* chart = dynamic_cast<TAxisHost*>(ParentChart());
    return chart && chart->AxisCanvas().ReferenceCanvas() ? &chart->AxisCanvas() : nullptr;
}

PixelRect TChartShape::GetShapeRectangle() const {
    PixelRect r;
    switch (xyStyle_) {
    case xysPixels:
        r = {SaturateToInt(X0()), SaturateToInt(Y0()), SaturateToInt(X1()), SaturateToInt(Y1())};
        break;
    case xysAxis:
        r = {PointScreenX(0), PointScreenY(0), PointScreenX(1), PointScreenY(1)};
        break;
    case xysAxisOrigin:
        r.Left = PointScreenX(0);
        r.Top = PointScreenY(0);
        r.Right = SaturateToInt(std::int64_t(r.Left) + SaturateToInt(X1()));
        r.Bottom = SaturateToInt(std::int64_t(r.Top) + SaturateToInt(Y1()));
        break;
    }
    if (r.Top == r.Bottom) r.Bottom = r.Top + 1;
    else if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (r.Left == r.Right) r.Right = r.Left + 1;
    else if (r.Right < r.Left) std::swap(r.Left, r.Right);
    return r;
}

void TChartShape::DrawValue(int index) {
    if (Count() != 2 || index != 0) return;
    auto* chart = dynamic_cast<TAxisHost*>(ParentChart());
    if (!chart || !ShapeCanvas()) return;
    PixelRect r = GetShapeRectangle();
    PixelRect plot = chart->AxisChartRect();
    bool meets = r.Left < plot.Right && plot.Left < r.Right && r.Top < plot.Bottom && plot.Top < r.Bottom;
    if (!meets) return;
    DrawShape(chart->Chart3D(), r);
    DrawShapeText(r);
}

void TChartShape::DrawShape(bool is3D, const PixelRect& r) {
    TCanvas3D* canvas = ShapeCanvas();
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    canvas->AssignVisiblePen(Pen);
    fv::Brush brush = Brush.CanvasBrush();
    brush.BrushColor = ResolveColor(brush.BrushColor, SeriesColor());
    if (transparent_) brush.Style = BrushStyle::Clear;
    c.SetBrush(brush);
    c.SetBackMode(BackMode::Transparent);
    const int mx = MidPixel(r.Left, r.Right), my = MidPixel(r.Top, r.Bottom);
    const int z = SlotMiddleDepth, z0 = SlotStartDepth, z1 = SlotEndDepth;
    bool dark = !transparent_;
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (is3D) canvas->LineZ(x0, y0, x1, y1, z);
        else canvas->Line(x0, y0, x1, y1);
    };
    auto polygon = [&](std::initializer_list<Point> pts) {
        if (is3D && pts.size() == 3) canvas->TriangleZ(pts.begin()[0], pts.begin()[1], pts.begin()[2], z);
        else if (is3D) canvas->QuadrilateralZ(pts.begin()[0], pts.begin()[1], pts.begin()[2], pts.begin()[3], z);
        else canvas->Polygon(std::span<const Point>(pts.begin(), pts.size()));
    };
    auto cross = [&] {
        line(mx, r.Top, mx, r.Bottom);
        line(r.Left, my, r.Right, my);
    };
    auto diagCross = [&] {
        line(r.Left, r.Top, r.Right, r.Bottom);
        line(r.Left, r.Bottom, r.Right, r.Top);
    };
    switch (style_) {
    case chasRectangle:
        if (is3D) canvas->RectangleZ(r, z);
        else if (roundRectangle_) canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 12, 12);
        else canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        break;
    case chasCircle:
        if (is3D) canvas->EllipseZ(r.Left, r.Top, r.Right, r.Bottom, z);
        else canvas->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
        break;
    case chasVertLine: line(mx, r.Top, mx, r.Bottom); break;
    case chasHorizLine: line(r.Left, my, r.Right, my); break;
    case chasTriangle:
        polygon({{r.Left, r.Bottom}, {mx, r.Top}, {r.Right, r.Bottom}});
        break;
    case chasInvertTriangle:
        polygon({{r.Left, r.Top}, {mx, r.Bottom}, {r.Right, r.Top}});
        break;
    case chasPyramid:
        if (is3D) canvas->Pyramid(true, r.Left, r.Top, r.Right, r.Bottom, z0, z1, dark);
        else polygon({{r.Left, r.Bottom}, {mx, r.Top}, {r.Right, r.Bottom}});
        break;
    case chasInvertPyramid:
        if (is3D) canvas->Pyramid(true, r.Left, r.Bottom, r.Right, r.Top, z0, z1, dark);
        else polygon({{r.Left, r.Top}, {mx, r.Bottom}, {r.Right, r.Top}});
        break;
    case chasLine: line(r.Left, r.Top, r.Right, r.Bottom); break;
    case chasDiamond:
        polygon({{r.Left, my}, {mx, r.Top}, {r.Right, my}, {mx, r.Bottom}});
        break;
    case chasCube:
        if (is3D) canvas->Cube(r.Left, r.Right, r.Top, r.Bottom, z0, z1, dark);
        else canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        break;
    case chasCross: cross(); break;
    case chasDiagCross: diagCross(); break;
    case chasStar:
        cross();
        diagCross();
        break;
    }
}

void TChartShape::DrawShapeText(const PixelRect& r) {
    if (text_.empty()) return;
    TCanvas3D* canvas = ShapeCanvas();
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    Font f = font_;
    // Text in the colour of the fill would not show: black on black turns white, any other colour black.
    if (c.GetBrush().BrushColor == f.FontColor) f.FontColor = f.FontColor == ClBlack ? ClWhite : ClBlack;
    c.SetFont(f);
    c.SetTextAlign(TaLeft | TaTop);
    c.SetBackMode(BackMode::Transparent);
    int h = canvas->FontHeight();
    int mx = MidPixel(r.Left, r.Right), my = MidPixel(r.Top, r.Bottom);
    int y = my - RoundPixel(double(text_.size()) * h * 0.5);
    int penWidth = Pen.Visible() ? Pen.Width() : 0;
    for (const std::string& line : text_) {
        int w = canvas->TextWidth(line);
        int x = alignment_ == TAlignment::taLeftJustify ? r.Left + penWidth + 4
                : alignment_ == TAlignment::taCenter   ? mx - w / 2
                                                       : r.Right - penWidth - w - 4;
        canvas->TextOutZ(x, y, line, SlotStartDepth);
        y += h;
    }
}

void TChartShape::DrawLegendShape(int, const PixelRect& rect) { DrawShape(false, rect); }

int TChartShape::Clicked(int x, int y) {
    if (Count() != 2) return -1;
    // The figure's rectangle is in chart pixels at the front depth: the mouse is taken back there.
    if (TCanvas3D* canvas = ShapeCanvas(); canvas && ParentChart()->Chart3D())
        canvas->UnprojectPoint(x, y, SlotStartDepth);
    PixelRect r = GetShapeRectangle();
    int mx = MidPixel(r.Left, r.Right), my = MidPixel(r.Top, r.Bottom);
    PixelPoint p{x, y};
    bool hit;
    switch (style_) {
    case chasCircle: hit = EllipseContains(p, r.Left, r.Top, r.Right, r.Bottom); break;
    case chasVertLine: hit = SegmentContainsPoint(p, {mx, r.Top}, {mx, r.Bottom}); break;
    case chasHorizLine: hit = SegmentContainsPoint(p, {r.Left, my}, {r.Right, my}); break;
    case chasLine: hit = SegmentContainsPoint(p, {r.Left, r.Top}, {r.Right, r.Bottom}); break;
    case chasTriangle:
    case chasPyramid: hit = PointInPolygon(p, {{r.Left, r.Bottom}, {mx, r.Top}, {r.Right, r.Bottom}}); break;
    case chasInvertTriangle:
    case chasInvertPyramid: hit = PointInPolygon(p, {{r.Left, r.Top}, {mx, r.Bottom}, {r.Right, r.Top}}); break;
    case chasDiamond: hit = PointInPolygon(p, {{r.Left, my}, {mx, r.Top}, {r.Right, my}, {mx, r.Bottom}}); break;
    default: hit = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; break;
    }
    return hit ? 0 : -1;
}

void TChartShape::FillSampleValues(int) {
    Clear();
    double start, span, minY, rangeY, y0;
    RandomBounds(1, start, span, minY, rangeY, y0);
    if (span != 0) {
        AddPoint(start + span * 0.125, y0 * 0.5);
        AddPoint(start + span - span * 0.125, y0 + RandomSource().Random(RoundPixel(rangeY)));
    } else {
        AddPoint(0, 0);
        AddPoint(100, 100);
    }
    RefreshDependents();
}

void TChartShape::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    Font f = font_;
    f.FontColor = ClWhite;
    f.Size = 14;
    font_ = f;
    text_.clear();
    bool second = ParentChart() && ParentChart()->SeriesCount() > 1 && ParentChart()->GetSeries(1) == this;
    SetStyle(second ? chasCircle : chasTriangle);
    SetSeriesColor(enabled ? (second ? ClBlue : ClRed) : ClSilver);
    SetText({second ? "abc" : "123"});
}

void TChartShape::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TChartShape*>(&source)) {
        alignment_ = other->alignment_;
        Brush.Assign(other->Brush);
        font_ = other->font_;
        Pen.Assign(other->Pen);
        roundRectangle_ = other->roundRectangle_;
        style_ = other->style_;
        text_ = other->text_;
        transparent_ = other->transparent_;
        xyStyle_ = other->xyStyle_;
    }
    TChartSeries::Assign(source);
}

}  // namespace fv
