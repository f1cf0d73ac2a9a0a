// The series pointer's shapes.
#include "chart/series/series_pointer.h"

#include <algorithm>

#include "chart/chart_exception.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TSeriesPointer::TSeriesPointer(TChartSeries* owner)
    : Brush([owner] { owner->Repaint(); }), Pen([owner] { owner->Repaint(); }), owner_(owner) {}

void TSeriesPointer::SetHorizSize(int value) {
    if (value < 1) throw ChartException("Pointer size must be greater than zero");
    Change(horizSize_, value);
}

void TSeriesPointer::SetVertSize(int value) {
    if (value < 1) throw ChartException("Pointer size must be greater than zero");
    Change(vertSize_, value);
}

void TSeriesPointer::InflateHorizMargins(int& left, int& right) const {
    if (!visible_ || !inflateMargins_) return;
    left = std::max(left, horizSize_ + 1);
    right = std::max(right, horizSize_ + 1);
}

void TSeriesPointer::InflateVertMargins(int& top, int& bottom) const {
    if (!visible_ || !inflateMargins_) return;
    top = std::max(top, vertSize_ + 1);
    bottom = std::max(bottom, vertSize_ + 1);
}

void TSeriesPointer::PrepareCanvas(TCanvas3D& canvas, Color colour) const {
    canvas.AssignVisiblePen(Pen);
    Canvas* c = canvas.ReferenceCanvas();
    if (!c) return;
    if (Pen.Visible() && Pen.GetColor() == AutomaticColour) SetPenColour(*c, colour);
    fv::Brush b = Brush.CanvasBrush();
    if (b.BrushColor == AutomaticColour) b.BrushColor = colour;
    c->SetBrush(b);
}

void TSeriesPointer::DrawPointer(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize, int vertSize,
                                 Color colour, TSeriesPointerStyle style) const {
    Canvas* c = canvas.ReferenceCanvas();
    if (!c) return;
    // Sizes and positions saturate at the int range: a point far off the picture stays far off it.
    const int left = SubPixels(x, horizSize), right = AddPixels(x, horizSize);
    const int top = SubPixels(y, vertSize), bottom = AddPixels(y, vertSize);
    const int right1 = AddPixels(right, 1), bottom1 = AddPixels(bottom, 1), top1 = SubPixels(top, 1);
    const int front = owner_->SlotStartDepth, back = owner_->SlotEndDepth;
    auto cross = [&] {
        if (is3D) {
            canvas.VertLineZ(x, top, bottom1, front);
            canvas.HorizLineZ(left, right1, y, front);
        } else {
            canvas.VertLine(x, top, bottom1);
            canvas.HorizLine(left, right1, y);
        }
    };
    auto diagonalCross = [&] {
        if (is3D) {
            canvas.LineZ(left, top, right1, bottom1, front);
            canvas.LineZ(left, bottom, right1, top1, front);
        } else {
            canvas.Line(left, top, right1, bottom1);
            canvas.Line(left, bottom, right1, top1);
        }
    };
    auto triangle = [&](int apexY, int baseY) {
        if (is3D && draw3D_) {
            canvas.Pyramid(true, left, apexY, right, baseY, front, back, dark3D_);
        } else if (is3D) {
            canvas.TriangleZ({left, baseY}, {right, baseY}, {x, apexY}, front);
        } else {
            Point pts[] = {{left, baseY}, {right, baseY}, {x, apexY}};
            canvas.Polygon(pts);
        }
    };
    switch (style) {
        case psRectangle:
            if (is3D && draw3D_) canvas.Cube(left, right, top, bottom, front, back, dark3D_);
            else if (is3D) canvas.RectangleZ({left, top, right1, bottom1}, front);
            else canvas.Rectangle(left, top, right1, bottom1);
            break;
        case psCircle:
            if (is3D) canvas.EllipseZ(left, top, right, bottom, front);
            else canvas.Ellipse(left, top, right, bottom);
            break;
        case psTriangle: triangle(top, bottom); break;
        case psDownTriangle: triangle(bottom, top); break;
        case psCross:
            SetPenColour(*c, colour);
            cross();
            break;
        case psDiagCross:
            SetPenColour(*c, colour);
            diagonalCross();
            break;
        case psStar:
            SetPenColour(*c, colour);
            cross();
            diagonalCross();
            break;
        case psDiamond:
            if (is3D) {
                canvas.QuadrilateralZ({left, y}, {x, top}, {right, y}, {x, bottom}, front);
            } else {
                Point pts[] = {{left, y}, {x, top}, {right, y}, {x, bottom}};
                canvas.Polygon(pts);
            }
            break;
        case psSmallDot:
            if (is3D) canvas.PixelZ(x, y, colour, front);
            else canvas.SetPixel(x, y, colour);
            break;
    }
}

void TSeriesPointer::Draw(int x, int y, Color colour, TSeriesPointerStyle style) const {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*owner_))
        DrawPointer(*canvas, canvas->Is3D, x, y, horizSize_, vertSize_, colour, style);
}

void TSeriesPointer::DrawLegendShape(Color colour, const PixelRect& rect, bool lineVisible) const {
    TChartCanvas3D* canvas = ChartCanvasOf(*owner_);
    if (!canvas) return;
    PrepareCanvas(*canvas, colour);
    int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    int limitX = lineVisible ? w / 3 : w / 2 + 1, limitY = lineVisible ? h / 3 : h / 2 + 1;
    DrawPointer(*canvas, false, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2,
                std::min(horizSize_, limitX), std::min(vertSize_, limitY), colour, style_);
}

void TSeriesPointer::Assign(const TSeriesPointer& other) {
    Brush.Assign(other.Brush);
    dark3D_ = other.dark3D_;
    draw3D_ = other.draw3D_;
    horizSize_ = other.horizSize_;
    inflateMargins_ = other.inflateMargins_;
    Pen.Assign(other.Pen);
    style_ = other.style_;
    vertSize_ = other.vertSize_;
    visible_ = other.visible_;
}

}  // namespace fv
