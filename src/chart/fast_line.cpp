// Fast line drawing.
#include "chart/fast_line.h"

#include "chart/axis.h"

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

void TFastLineSeries::PrepareCanvas() {
    TCanvas3D* canvas = CanvasOf(*this);
    if (!canvas) return;
    LinePen.SetColor(SeriesColor());
    canvas->AssignVisiblePen(LinePen);
    if (Canvas* c = canvas->ReferenceCanvas()) {
        Brush b = c->GetBrush();
        b.Style = BrushStyle::Clear;
        c->SetBrush(b);
    }
}

void TFastLineSeries::DrawAllValues() {
    PrepareCanvas();
    TChartSeries::DrawAllValues();
}

void TFastLineSeries::DrawValue(int index) {
    TCanvas3D* canvas = CanvasOf(*this);
    if (!canvas) return;
    int x = PointScreenX(index), y = PointScreenY(index);
    if (index != FirstVisibleIndex) {
        // Many points fall on one pixel when the line is dense: a segment of no length draws nothing.
        if (x == previousX && y == previousY) return;
        canvas->LineTo(x, y);
    } else if (index == 0) {
        canvas->MoveTo(x, y);
    } else {
        // The line enters the view from the point before.
        canvas->Line(PointScreenX(index - 1), PointScreenY(index - 1), x, y);
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
    TCanvas3D* canvas = CanvasOf(*this);
    if (!canvas) return;
    canvas->AssignVisiblePen(LinePen);
    int from = index > 0 ? index - 1 : 0;
    canvas->MoveTo(PointScreenX(from), PointScreenY(from));
    previousX = PointScreenX(from);
    previousY = PointScreenY(from);
    int first = FirstVisibleIndex;
    FirstVisibleIndex = -1;  // the new point is never the first one of a drawing
    DrawValue(index);
    FirstVisibleIndex = first;
}

}  // namespace fv
