// Gradients and bevel frames of the chart canvas.
//
// A gradient is bands of solid colour; step i of n is, channel by channel, first + MulDiv(i, second - first, n).
// A gradient with a single band (one pixel high or wide, or a 1 x 1 centre gradient) is all the first
// colour: there is no second step to divide towards. A bevel draws at most as many rings as the rectangle
// has pixels for, whatever width a stored chart asks for.
#include <algorithm>
#include <cmath>

#include "chart/canvas_3d.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

TColor GradientStep(TColor first, TColor second, int i, int n) {
    if (n <= 0) return first;
    auto channel = [&](int a, int b) { return a + MulDiv(i, b - a, n); };
    return RGB(channel(RedOf(first), RedOf(second)), channel(GreenOf(first), GreenOf(second)),
               channel(BlueOf(first), BlueOf(second)));
}

}  // namespace

void TChartCanvas3D::GradientFill(const PixelRect& rect, TColor firstColor, TGradientDirection direction,
                                  TColor secondColor) {
    PixelRect r = rect.Normalized();
    // Sizes in 64 bits first: a rectangle across the whole int range is wider than an int.
    if (std::int64_t(r.Right) - r.Left > INT32_MAX || std::int64_t(r.Bottom) - r.Top > INT32_MAX) return;
    const int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return;
    TColor first = ResolveColor(firstColor), second = ResolveColor(secondColor);
    CanvasStateGuard guard(*canvas);
    Brush band{first, BrushStyle::Solid, nullptr};
    bool haveBrush = false;
    auto fill = [&](TColor c, PixelRect part) {
        if (!haveBrush || band.BrushColor != c) {  // a new brush only when the colour changes
            band.BrushColor = c;
            canvas->SetBrush(band);
            haveBrush = true;
        }
        canvas->FillRect(part);
    };
    switch (direction) {
    case TGradientDirection::gdTopBottom:
    case TGradientDirection::gdBottomTop: {
        // The first colour at the bottom edge, the second at the top.
        int count = std::min(h, 256);
        for (int i = 0; i < count; ++i)
            fill(GradientStep(first, second, i, count - 1),
                 {r.Left, r.Bottom - MulDiv(i + 1, h, count), r.Right, r.Bottom - MulDiv(i, h, count)});
        break;
    }
    case TGradientDirection::gdLeftRight:
    case TGradientDirection::gdRightLeft: {
        // The first colour at the right edge, the second at the left.
        int count = std::min(w, 256);
        for (int i = 0; i < count; ++i)
            fill(GradientStep(first, second, i, count - 1),
                 {r.Right - MulDiv(i + 1, w, count), r.Top, r.Right - MulDiv(i, w, count), r.Bottom});
        break;
    }
    case TGradientDirection::gdFromCenter: {
        // Rings two pixels thick from the outside in, each over the last: the first colour outermost.
        int halfW = w / 2, halfH = h / 2, n = halfW + halfH;
        for (int k = 0;; k += 2) {
            int d = std::min(k, halfH), e = std::min(k, halfW);
            fill(GradientStep(first, second, d + e, n), {r.Left + e, r.Top + d, r.Right - e, r.Bottom - d});
            if (d == halfH && e == halfW) break;
        }
        break;
    }
    case TGradientDirection::gdFromTopLeft:
    case TGradientDirection::gdFromBottomLeft: {
        // L-shaped one-pixel strokes around the starting corner, which takes the first colour.
        int n = RoundPixel(std::sqrt(double(w) * w + double(h) * h));
        bool fromTop = direction == TGradientDirection::gdFromTopLeft;
        for (int j = 0; j < std::max(w, h); ++j) {
            TColor c = GradientStep(first, second, j, n);
            int row = fromTop ? r.Top + j : r.Bottom - 1 - j;
            if (j < h) fill(c, {r.Left, row, r.Left + std::min(j + 1, w), row + 1});
            if (j < w) {
                int reach = std::min(j, h);  // the column back to the starting edge, without the row's pixel
                if (reach > 0)
                    fill(c, fromTop ? PixelRect{r.Left + j, r.Top, r.Left + j + 1, r.Top + reach}
                                    : PixelRect{r.Left + j, r.Bottom - reach, r.Left + j + 1, r.Bottom});
            }
        }
        break;
    }
    }
}

void TChartCanvas3D::BevelFrame(const PixelRect& rect, TColor topLeft, int width, TColor bottomRight) {
    CanvasStateGuard guard(*canvas);
    Pen pen = canvas->GetPen();
    pen.Width = 1;
    PixelRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    // One ring per unit of width while the rectangle has pixels left for it.
    for (int i = 0; i < width && r.Left <= r.Right && r.Top <= r.Bottom; ++i) {
        pen.PenColor = topLeft;
        canvas->SetPen(pen);
        Point lit[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
        canvas->Polyline(lit);
        pen.PenColor = bottomRight;
        canvas->SetPen(pen);
        // Past the left edge by one: a line leaves out its last pixel, and the corner belongs to the shadow.
        Point shade[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
        canvas->Polyline(shade);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

}  // namespace fv
