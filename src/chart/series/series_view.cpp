// The chart as the standard series types see it.
#include "chart/series/series_view.h"

#include <algorithm>

namespace fv {

TChartCanvas3D* ChartCanvasOf(const TChartSeries& series) {
    auto* host = dynamic_cast<TAxisHost*>(series.ParentChart());
    if (!host) return nullptr;
    auto* canvas = dynamic_cast<TChartCanvas3D*>(&host->AxisCanvas());
    return canvas && canvas->ReferenceCanvas() ? canvas : nullptr;
}

bool ChartIs3D(const TChartSeries& series) {
    TChartCanvas3D* canvas = ChartCanvasOf(series);
    return canvas && canvas->Is3D;
}

bool ChartView3D(const TChartSeries& series) {
    TCustomAxisPanel* panel = AxisPanelOf(series);
    return panel ? panel->View3D() : ChartIs3D(series);
}

TCustomAxisPanel* AxisPanelOf(const TChartSeries& series) {
    return dynamic_cast<TCustomAxisPanel*>(series.ParentChart());
}

PixelRect ChartRectOf(const TChartSeries& series) {
    auto* host = dynamic_cast<TAxisHost*>(series.ParentChart());
    return host ? host->AxisChartRect() : PixelRect{};
}

Color ChartBackColorOf(const TChartSeries& series) {
    auto* host = dynamic_cast<TAxisHost*>(series.ParentChart());
    if (!host) return ClWhite;
    Color back = host->ChartBackColor();
    return back != AutomaticColour ? back : host->AxisBackColor();
}

int ChartDepthX(const TChartSeries& series) {
    if (TCustomAxisPanel* panel = AxisPanelOf(series)) return panel->HorizDepth;
    auto* host = dynamic_cast<TAxisHost*>(series.ParentChart());
    return host ? host->AxisHorizDepth() : 0;
}

int ChartDepthY(const TChartSeries& series) {
    if (TCustomAxisPanel* panel = AxisPanelOf(series)) return panel->VertDepth;
    return ChartDepthX(series);
}

int ChartMaxPointsPerPage(const TChartSeries& series) {
    TCustomAxisPanel* panel = AxisPanelOf(series);
    return panel ? panel->MaxPointsPerPage() : 0;
}

std::vector<TChartSeries*> AllSameKind(const TChartSeries& series) {
    std::vector<TChartSeries*> result;
    SeriesHost* chart = series.ParentChart();
    if (!chart) return {const_cast<TChartSeries*>(&series)};
    for (int i = 0, n = chart->SeriesCount(); i < n; ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (s == &series || s->SameKindAs(series)) result.push_back(s);
    }
    return result;
}

std::vector<TChartSeries*> ActiveSameKind(const TChartSeries& series) {
    std::vector<TChartSeries*> result = AllSameKind(series);
    std::erase_if(result, [](TChartSeries* s) { return !s->Active(); });
    return result;
}

void SetBrushColour(Canvas& canvas, Color colour) {
    Brush b = canvas.GetBrush();
    b.BrushColor = colour;
    canvas.SetBrush(b);
}

void SetBrushStyle(Canvas& canvas, BrushStyle style) {
    Brush b = canvas.GetBrush();
    b.Style = style;
    canvas.SetBrush(b);
}

void SetPenColour(Canvas& canvas, Color colour) {
    Pen p = canvas.GetPen();
    p.PenColor = colour;
    canvas.SetPen(p);
}

Color DarkerColour(Color colour, int amount) {
    Color c = ResolveColor(colour);
    return RGB(std::max(0, RedOf(c) - amount), std::max(0, GreenOf(c) - amount), std::max(0, BlueOf(c) - amount));
}

}  // namespace fv
