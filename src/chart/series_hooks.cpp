// The standard answers of a series to the chart's layout and legend: its depth slot and its legend symbol.
#include <algorithm>

#include "chart/axis_panel.h"
#include "chart/chart_series.h"

namespace fv {

void TChartSeries::CalcZOrder() {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
    if (!panel) return;
    if (ZOrder != -1) {
        panel->HighestDepthSlot = std::max(panel->HighestDepthSlot, ZOrder);
        return;
    }
    // A flat chart has one slot for all; in 3D each series without a fixed place takes the next one.
    auto* canvas = dynamic_cast<TChartCanvas3D*>(&panel->AxisCanvas());
    if (canvas && canvas->Is3D) AutoDepthSlot = ++panel->HighestDepthSlot;
    else AutoDepthSlot = 0;
}

void TChartSeries::DrawLegendShape(int legendIndex, const PixelRect& rect) {
    auto* host = dynamic_cast<TAxisHost*>(ParentChart());
    if (!host) return;
    Canvas* c = host->AxisCanvas().ReferenceCanvas();
    if (!c) return;
    c->Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
    // A symbol in the colour of what lies behind it would vanish: its frame is drawn once more.
    Color back = host->AxisBackColor();
    if (c->GetBrush().BrushColor == back) {
        Brush clear = c->GetBrush();
        clear.Style = BrushStyle::Clear;
        c->SetBrush(clear);
        Pen pen = c->GetPen();
        if (back == ClBlack) pen.PenColor = ClWhite;
        c->SetPen(pen);
        c->Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
    }
    Pen pen = c->GetPen();
    pen.PenColor = ClBlack;
    c->SetPen(pen);
}

}  // namespace fv
