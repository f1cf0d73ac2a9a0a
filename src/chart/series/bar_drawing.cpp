// Bar series: drawing the bars in their seven styles, flat and in 3D, clicks and the legend symbol.
#include <algorithm>

#include "chart/hit_tests.h"
#include "chart/series/bar_series.h"
#include "chart/series/series_view.h"

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
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    const int left = BarStart(index), right = left + BarSize(), centre = (left + right) / 2;
    const int front = SlotStartDepth, middle = SlotMiddleDepth, back = SlotEndDepth;
    const bool is3D = canvas.Is3D;
    switch (StyleOf(index)) {
        case bsRectangle:
        case bsCilinder:
            if (!is3D) DrawFlatRectangle(left, top, right, bottom);
            else if (StyleOf(index) == bsCilinder) canvas.Cylinder(true, left, top, right, bottom, front, back, Dark3D());
            else canvas.Cube(left, right, top, bottom, front, back, Dark3D());
            break;
        case bsPyramid:
            if (is3D) {
                canvas.Pyramid(true, left, top, right, bottom, front, back, Dark3D());
            } else {
                Point pts[] = {{left, bottom}, {centre, top}, {right, bottom}};
                canvas.Polygon(pts);
            }
            break;
        case bsInvPyramid:
            if (is3D) {
                canvas.Pyramid(true, left, bottom, right, top, front, back, Dark3D());
            } else {
                Point pts[] = {{left, top}, {centre, bottom}, {right, top}};
                canvas.Polygon(pts);
            }
            break;
        case bsEllipse:
            if (is3D) canvas.EllipseZ(left, top, right, bottom, middle);
            else canvas.Ellipse(left, top, right, bottom);
            break;
        case bsArrow:
            canvas.ArrowZ(true, {centre, bottom}, {centre, top}, (right - left) / 2, right - left, is3D ? middle : 0);
            break;
        case bsRectGradient:
            if (is3D) {
                canvas.Cube(left, right, top, bottom, front, back, Dark3D());
                // The front face is a plain rectangle only in the orthogonal view.
                if (canvas.OrthogonalView) {
                    Point a = canvas.Project(left, top, front), b = canvas.Project(right, bottom, front);
                    int shrink = BarPen.Visible() ? BarPen.Width() : 0;
                    PixelRect face{a.X, a.Y, b.X, b.Y};
                    if (shrink) face = {a.X + 1, a.Y + 1, b.X + 1 - shrink, b.Y + 1 - shrink};
                    canvas.GradientFill(face, ClWhite, TGradientDirection::gdBottomTop, barColour_);
                }
            } else {
                canvas.GradientFill({left, top, right, bottom}, ClWhite, TGradientDirection::gdBottomTop, barColour_);
                if (BarPen.Visible()) {
                    SetBrushStyle(*canvas.ReferenceCanvas(), BrushStyle::Clear);
                    canvas.Rectangle(left, top, right, bottom);
                }
            }
            break;
    }
}

void THorizBarSeries::DrawBar(int index, int left, int right) {
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    const int top = BarStart(index), bottom = top + BarSize(), centre = (top + bottom) / 2;
    const int front = SlotStartDepth, middle = SlotMiddleDepth, back = SlotEndDepth;
    const bool is3D = canvas.Is3D;
    switch (StyleOf(index)) {
        case bsRectangle:
        case bsCilinder:
            if (!is3D) DrawFlatRectangle(left, top, right, bottom);
            else if (StyleOf(index) == bsCilinder) canvas.Cylinder(false, left, top, right, bottom, front, back, Dark3D());
            else canvas.Cube(left, right, top, bottom, front, back, Dark3D());
            break;
        case bsPyramid:
            if (is3D) {
                canvas.Pyramid(false, left, top, right, bottom, front, back, Dark3D());
            } else {
                Point pts[] = {{left, top}, {right, centre}, {left, bottom}};
                canvas.Polygon(pts);
            }
            break;
        case bsInvPyramid:
            if (is3D) {
                canvas.Pyramid(false, right, top, left, bottom, front, back, Dark3D());
            } else {
                Point pts[] = {{right, top}, {left, centre}, {right, bottom}};
                canvas.Polygon(pts);
            }
            break;
        case bsEllipse:
            if (is3D) canvas.EllipseZ(left, top, right, bottom, middle);
            else canvas.Ellipse(left, top, right, bottom);
            break;
        case bsArrow:
            canvas.ArrowZ(true, {left, centre}, {right, centre}, (bottom - top) / 2, bottom - top, is3D ? middle : 0);
            break;
        case bsRectGradient:
            if (is3D) {
                canvas.Cube(left, right, top, bottom, front, back, Dark3D());
                if (canvas.OrthogonalView) {
                    Point a = canvas.Project(left, top, front), b = canvas.Project(right, bottom, front);
                    int shrink = BarPen.Visible() ? BarPen.Width() : 0;
                    PixelRect face{a.X, a.Y, b.X, b.Y};
                    if (shrink) face = {a.X + 1, a.Y + 1, b.X + 1 - shrink, b.Y + 1 - shrink};
                    canvas.GradientFill(face, ClWhite, TGradientDirection::gdLeftRight, barColour_);
                }
            } else {
                canvas.GradientFill({left, top, right, bottom}, ClWhite, TGradientDirection::gdLeftRight, barColour_);
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
