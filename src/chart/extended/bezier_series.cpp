// The Bezier series' curve: cubic segments flat, quadratic ones of straight pieces in 3D.
#include "chart/extended/bezier_series.h"

#include <algorithm>
#include <vector>

#include "chart/chart_exception.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TBezierSeries::TBezierSeries(Component* owner, std::string name) : TCustomSeries(owner, std::move(name)) {
    // The legend shows the curve's pen behind the marker; only markers answer clicks, the curve does not
    // run along the straight lines between the points.
    SetDrawLine(true);
    SetClickableLine(false);
}

void TBezierSeries::SetNumBezierPoints(int value) {
    if (value < 2) throw ChartException("Number of Bezier points should be > 1");
    Change(numBezierPoints_, value);
}

void TBezierSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TBezierSeries*>(&source); other && other != this)
        numBezierPoints_ = other->numBezierPoints_;
    TCustomSeries::Assign(source);
}

void TBezierSeries::SetSeriesColor(Color value) {
    TCustomSeries::SetSeriesColor(value);
    LinePen.SetColor(value);
}

void TBezierSeries::DrawAllValues() {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    const int n = std::min(MaxBezierPoints, Count());
    if (n == 0) return;
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) points[std::size_t(i)] = {PointScreenX(i), PointScreenY(i)};

    canvas->AssignVisiblePen(LinePen);
    SetBrushStyle(c, BrushStyle::Clear);
    const int groups = n / 3;
    if (canvas->Is3D) {
        const int z = SlotStartDepth;
        canvas->MoveToZ(points[0].X, points[0].Y, z);
        for (int k = 0; k < groups; ++k) {
            const Point& p0 = points[std::size_t(3 * k)];
            const Point& p1 = points[std::size_t(3 * k + 1)];
            const Point& p2 = points[std::size_t(3 * k + 2)];
            for (int j = 1; j <= numBezierPoints_; ++j) {
                double t = double(j) / numBezierPoints_, u = 1 - t;
                double a = u * u, b = 2 * t * u, d = t * t;
                canvas->LineToZ(RoundPixel(a * p0.X + b * p1.X + d * p2.X), RoundPixel(a * p0.Y + b * p1.Y + d * p2.Y), z);
            }
        }
    } else {
        canvas->MoveTo(points[0].X, points[0].Y);
        if (groups > 0) {
            // From point 0: each group gives the two control points and the end of one segment.
            std::vector<Point> curve;
            curve.reserve(std::size_t(groups) * 3 + 1);
            curve.push_back(points[0]);
            curve.insert(curve.end(), points.begin(), points.begin() + groups * 3);
            c.PolyBezier(curve);
        }
    }
    if (!Pointer.Visible()) return;
    for (int i = 0; i < n; ++i) {
        Color colour = ValueColor(i);
        if (colour == NoColour) continue;
        Pointer.PrepareCanvas(*canvas, colour);
        Pointer.Draw(points[std::size_t(i)].X, points[std::size_t(i)].Y, colour, Pointer.Style());
    }
}

void TBezierSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FillSampleValues(3);
    SetColorEachPoint(enabled);
    Pointer.SetDraw3D(false);
}

}  // namespace fv
