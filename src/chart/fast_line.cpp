// Fast line drawing, clicks and legend symbol.
#include "chart/fast_line.h"

#include "chart/axis.h"
#include "chart/hit_tests.h"

namespace fv {

namespace {

TCanvas3D* CanvasOf(const TChartSeries& series) {
    auto* chart = dynamic_cast<TAxisHost*>(series.ParentChart());
    return chart ? &chart->AxisCanvas() : nullptr;
}

}  // namespace

TFastLineSeries::TFastLineSeries(Component* owner, std::string name)
    : TChartSeries(owner, std::move(name)), LinePen([this] { Repaint(); }) {
    // A line runs on to the first point past the view's end.
    KeepLastOutsidePoint = true;
}

void TFastLineSeries::SetLinePen(const TChartPen& pen) {
    LinePen.Assign(pen);
    SetSeriesColor(pen.GetColor());
}

void TFastLineSeries::SetSeriesColor(Color value) {
    TChartSeries::SetSeriesColor(value);
    LinePen.SetColor(value);
}

void TFastLineSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TFastLineSeries*>(&source)) {
        AutoRepaint = other->AutoRepaint;
        LinePen.Assign(other->LinePen);
    }
    TChartSeries::Assign(source);
}

int TFastLineSeries::LineDepth() const {
    return ParentChart() && ParentChart()->Chart3D() ? SlotMiddleDepth : 0;
}

void TFastLineSeries::PrepareCanvas() {
    TCanvas3D* canvas = CanvasOf(*this);
    if (!canvas) return;
    // The line is drawn in the series colour; the pen itself already follows it, and setting it here
    // would ask for a repaint in the middle of drawing.
    TChartPen pen;
    pen.Assign(LinePen);
    pen.SetColor(SeriesColor());
    canvas->AssignVisiblePen(pen);
    if (Canvas* c = canvas->ReferenceCanvas()) {
        // A one-pixel line is a hairline on paper: a printer's pixel would make it all but vanish.
        auto* chart = dynamic_cast<TAxisHost*>(ParentChart());
        if (chart && chart->IsPrinting() && c->GetPen().Width == 1) {
            Pen pen = c->GetPen();
            pen.Width = 0;
            c->SetPen(pen);
        }
        Brush b = c->GetBrush();
        b.Style = BrushStyle::Clear;
        c->SetBrush(b);
    }
}

void TFastLineSeries::DrawAllValues() {
    PrepareCanvas();
    // Looked up once for all points: a million points must not ask the chart a million times.
    drawing = {CanvasOf(*this), LineDepth()};
    TChartSeries::DrawAllValues();
    drawing = {};
}

void TFastLineSeries::DrawValue(int index) {
    // Outside its own loop (series sharing a depth slot draw point by point, in turn) another series may
    // have moved the pen and changed it: the segment then starts from this line's own previous point.
    bool ownLoop = drawing.canvas != nullptr;
    if (!ownLoop) PrepareCanvas();
    TCanvas3D* canvas = ownLoop ? drawing.canvas : CanvasOf(*this);
    if (!canvas) return;
    int x = PointScreenX(index), y = PointScreenY(index);
    int z = ownLoop ? drawing.depth : LineDepth();
    if (index != FirstVisibleIndex) {
        // Many points fall on one pixel when the line is dense: a segment of no length draws nothing.
        if (x == previousX && y == previousY) return;
        if (ownLoop) canvas->LineToZ(x, y, z);
        else canvas->LineZ(previousX, previousY, x, y, z);
    } else if (index == 0) {
        canvas->MoveToZ(x, y, z);
    } else {
        // The line enters the view from the point before.
        canvas->LineZ(PointScreenX(index - 1), PointScreenY(index - 1), x, y, z);
    }
    previousX = x;
    previousY = y;
}

void TFastLineSeries::NotifyAdded(int index) {
    if (AutoRepaint) {
        TChartSeries::NotifyAdded(index);
        return;
    }
    // Live plotting: only the new segment, on the canvas as it stands.
    if (!CanvasOf(*this)) return;
    int from = index > 0 ? index - 1 : 0;
    previousX = PointScreenX(from);
    previousY = PointScreenY(from);
    int first = FirstVisibleIndex;
    FirstVisibleIndex = -1;  // the new point is never the first one of a drawing
    DrawValue(index);
    FirstVisibleIndex = first;
}

int TFastLineSeries::Clicked(int x, int y) {
    if (FirstVisibleIndex < 0) return -1;
    // The line lies at its middle depth: the mouse position is taken back onto that plane.
    if (TCanvas3D* canvas = CanvasOf(*this); canvas && ParentChart()->Chart3D())
        canvas->UnprojectPoint(x, y, SlotMiddleDepth);
    PixelPoint p{x, y}, previous;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex && i < Count(); ++i) {
        PixelPoint here{PointScreenX(i), PointScreenY(i)};
        if (here.X == x && here.Y == y) return i;
        if (i > FirstVisibleIndex && SegmentContainsPoint(p, previous, here)) return i - 1;
        previous = here;
    }
    return -1;
}

void TFastLineSeries::DrawLegendShape(int index, const PixelRect& rect) {
    PrepareCanvas();
    if (TCanvas3D* canvas = CanvasOf(*this)) canvas->HorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}

}  // namespace fv
