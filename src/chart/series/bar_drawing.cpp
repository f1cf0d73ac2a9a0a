// Bar series: drawing the bars in their seven styles, flat and in 3D, clicks and the legend symbol.
#include <algorithm>

#include "chart/hit_tests.h"
#include "chart/series/bar_series.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

void TCustomBarSeries::DrawAllValues() {
    CalcBarSize();
    TChartSeries::DrawAllValues();
}

void TCustomBarSeries::DrawValue(int index) {
    Color colour = ValueColor(index);
    if (colour == NoColour || !ChartCanvasOf(*this)) return;
    barColour_ = colour;
    PrepareBarCanvas(colour);
    int valueEnd = ValueEnd(index), originEnd = OriginEnd(index);
    DrawBar(index, std::min(valueEnd, originEnd), std::max(valueEnd, originEnd));
}

TBarStyle TCustomBarSeries::StyleOf(int index) {
    TBarStyle style = barStyle_;
    if (OnGetBarStyle) OnGetBarStyle(this, index, style);
    return style;
}

void TCustomBarSeries::PrepareBarCanvas(Color colour) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    canvas->AssignVisiblePen(BarPen);
    Brush b = BarBrush.CanvasBrush();
    if (b.Pattern) {
        c.SetBrush(b);
        return;
    }
    b.BrushColor = colour;
    c.SetBrush(b);
    // Hatches show the brush's own colour, or the chart's, between their lines.
    Color back = BarBrush.GetColor() == AutomaticColour ? ChartBackColorOf(*this) : BarBrush.GetColor();
    if (b.Style != BrushStyle::Solid && b.Style != BrushStyle::Clear) c.SetBackColor(back);
}

void TCustomBarSeries::DrawFlatRectangle(int left, int top, int right, int bottom) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    const Brush& b = c.GetBrush();
    if (b.Style == BrushStyle::Solid) {
        int width = right - left, height = bottom - top;
        int penWidth = BarPen.Visible() ? BarPen.Width() : 0;
        // A bar without width or height, or thinner than its pen, still shows in its own colour.
        if (width == 0 || height == 0 || width < penWidth || height < penWidth) {
            Pen p = c.GetPen();
            p.PenColor = b.BrushColor;
            if (p.Style == PenStyle::Clear) p.Style = PenStyle::Solid;
            c.SetPen(p);
            if (width != 0 && height != 0) SetBrushStyle(c, BrushStyle::Clear);
        }
    }
    canvas->Rectangle(left, top, right, bottom);
}

void TBarSeries::DrawBar(int index, int top, int bottom) {
    int left = BarStart(index);
    DrawBarShape(index, {left, top, left + BarSize(), bottom});
}

void THorizBarSeries::DrawBar(int index, int left, int right) {
    int top = BarStart(index);
    DrawBarShape(index, {left, top, right, top + BarSize()});
}

void TCustomBarSeries::DrawBarShape(int index, const PixelRect& bar) {
    TChartCanvas3D* drawing = ChartCanvasOf(*this);
    if (!drawing) return;
    TChartCanvas3D& canvas = *drawing;
    const int left = bar.Left, top = bar.Top, right = bar.Right, bottom = bar.Bottom;
    const int cx = MidPixel(left, right), cy = MidPixel(top, bottom);
    const int front = SlotStartDepth, middle = SlotMiddleDepth, back = SlotEndDepth;
    const bool is3D = canvas.Is3D, across = HorizontalBars();
    // Pyramids point up the value axis (right for horizontal bars); inverted ones back to the origin.
    auto pyramid = [&](bool inverted) {
        if (is3D) {
            if (across) canvas.Pyramid(false, inverted ? right : left, top, inverted ? left : right, bottom, front, back, Dark3D());
            else canvas.Pyramid(true, left, inverted ? bottom : top, right, inverted ? top : bottom, front, back, Dark3D());
            return;
        }
        Point apex = across ? Point{inverted ? left : right, cy} : Point{cx, inverted ? bottom : top};
        Point base0 = across ? Point{inverted ? right : left, top} : Point{left, inverted ? top : bottom};
        Point base1 = across ? Point{inverted ? right : left, bottom} : Point{right, inverted ? top : bottom};
        Point pts[] = {base0, apex, base1};
        canvas.Polygon(pts);
    };
    const TGradientDirection gradient = across ? TGradientDirection::gdLeftRight : TGradientDirection::gdBottomTop;
    switch (StyleOf(index)) {
        case bsRectangle:
            if (is3D) canvas.Cube(left, right, top, bottom, front, back, Dark3D());
            else DrawFlatRectangle(left, top, right, bottom);
            break;
        case bsCilinder:
            if (is3D) canvas.Cylinder(!across, left, top, right, bottom, front, back, Dark3D());
            else DrawFlatRectangle(left, top, right, bottom);
            break;
        case bsPyramid: pyramid(false); break;
        case bsInvPyramid: pyramid(true); break;
        case bsEllipse:
            if (is3D) canvas.EllipseZ(left, top, right, bottom, middle);
            else canvas.Ellipse(left, top, right, bottom);
            break;
        case bsArrow:
            if (across) canvas.ArrowZ(true, {left, cy}, {right, cy}, (bottom - top) / 2, bottom - top, is3D ? middle : 0);
            else canvas.ArrowZ(true, {cx, bottom}, {cx, top}, (right - left) / 2, right - left, is3D ? middle : 0);
            break;
        case bsRectGradient:
            if (is3D) {
                canvas.Cube(left, right, top, bottom, front, back, Dark3D());
                // The front face is a plain rectangle only in the orthogonal view.
                if (canvas.OrthogonalView) {
                    Point a = canvas.Project(left, top, front), b = canvas.Project(right, bottom, front);
                    int pen = BarPen.Visible() ? BarPen.Width() : 0;
                    PixelRect face = pen ? PixelRect{a.X + 1, a.Y + 1, b.X + 1 - pen, b.Y + 1 - pen} : PixelRect{a.X, a.Y, b.X, b.Y};
                    canvas.GradientFill(face, ClWhite, gradient, barColour_);
                }
            } else {
                canvas.GradientFill({left, top, right, bottom}, ClWhite, gradient, barColour_);
                if (BarPen.Visible()) {
                    SetBrushStyle(*canvas.ReferenceCanvas(), BrushStyle::Clear);
                    canvas.Rectangle(left, top, right, bottom);
                }
            }
            break;
    }
}

// ------------------------------------------------------------------------------------------- clicks

bool TCustomBarSeries::BarContains(int index, int x, int y) const { return false; }

bool TBarSeries::BarContains(int index, int x, int y) const {
    int left = BarStart(index);
    if (x < left || x > left + BarSize()) return false;
    int a = ValueEnd(index), b = OriginEnd(index), top = std::min(a, b), bottom = std::max(a, b);
    PixelPoint p{x, y};
    switch (BarStyle()) {
        case bsPyramid: return TriangleContains(p, left, left + BarSize(), bottom, top);
        case bsInvPyramid: return TriangleContains(p, left, left + BarSize(), top, bottom);
        case bsEllipse: return EllipseContains(p, left, top, left + BarSize(), bottom);
        default: return y >= top && y <= bottom;
    }
}

bool THorizBarSeries::BarContains(int index, int x, int y) const {
    int top = BarStart(index);
    if (y < top || y > top + BarSize()) return false;
    int a = ValueEnd(index), b = OriginEnd(index), left = std::min(a, b), right = std::max(a, b);
    PixelPoint p{x, y};
    switch (BarStyle()) {
        case bsPyramid: return HorizTriangleContains(p, top, top + BarSize(), right, left);
        case bsInvPyramid: return HorizTriangleContains(p, top, top + BarSize(), left, right);
        case bsEllipse: return EllipseContains(p, left, top, right, top + BarSize());
        default: return x >= left && x <= right;
    }
}

int TCustomBarSeries::Clicked(int x, int y) {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->UnprojectPoint(x, y, SlotStartDepth);
    int result = TChartSeries::Clicked(x, y);
    if (result != -1 || FirstVisibleIndex < 0) return result;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex && i < Count(); ++i)
        if (BarContains(i, x, y)) return i;
    return -1;
}

// ------------------------------------------------------------------------------------------- legend

void TCustomBarSeries::DrawLegendShape(int legendIndex, const PixelRect& rect) {
    if (const BitmapPtr& image = BarBrush.Image())
        if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) {
            Brush b = canvas->ReferenceCanvas()->GetBrush();
            b.Pattern = image;
            canvas->ReferenceCanvas()->SetBrush(b);
        }
    TChartSeries::DrawLegendShape(legendIndex, rect);
}

void TCustomBarSeries::GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->AssignVisiblePen(BarPen);
    style = BarBrush.Style();
    backColour = BarBrush.GetColor() == AutomaticColour ? ChartBackColorOf(*this) : BarBrush.GetColor();
}

}  // namespace fv
