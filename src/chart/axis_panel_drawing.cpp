// One chart picture of the axis panel: background, the series' depth slots, layout, walls, axes and
// series with their marks, in a fixed order; and the widest texts the axes make room for.
#include <algorithm>
#include <vector>

#include "chart/axis_panel.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

void TCustomAxisPanel::SetDepthSlots() {
    HighestDepthSlot = 0;
    bool perSeries = View3D() && DepthPerSeries;
    if (perSeries) {
        HighestDepthSlot = -1;
        for (TChartSeries* s : seriesList)
            if (s->Active()) s->CalcZOrder();
    }
    // The first series counted stands at the back: its slot is the deepest.
    for (TChartSeries* s : seriesList)
        if (s->Active()) s->AutoDepthSlot = perSeries ? HighestDepthSlot - s->DepthSlot() : 0;
}

void TCustomAxisPanel::DrawChartContents(const PixelRect& rect) {
    PaintBackground(rect);
    for (TChartSeries* s : seriesList)
        if (s->Active()) s->PrepareValues();
    CalcLegendAndPanelRect();
    ChartAreaRect = PlotRect;
    SetDepthSlots();
    CalcAxisRect();
    for (TChartSeries* s : seriesList) {
        if (!s->Active()) continue;
        s->SlotStartDepth = SlotWidth3D * s->AutoDepthSlot;
        s->SlotEndDepth = s->SlotStartDepth + SlotWidth3D;
        s->SlotMiddleDepth = MidPixel(s->SlotStartDepth, s->SlotEndDepth);
    }
    CalcSeriesMargins();
    TChartCanvas3D& canvas = Canvas3D();
    canvas.SetCenterFromRect(HorizDepth, PlotRect);
    canvas.ResetState();
    // Walls, each axis and each series leave the canvas as they found it: an axis' text alignment or a
    // series' pen does not reach the next part.
    DrawLeavingCanvasAsFound([&] { DrawWalls(); });
    if (axisVisible) {
        if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
        for (TCustomChartAxis* axis : {static_cast<TCustomChartAxis*>(&bottomAxis), static_cast<TCustomChartAxis*>(&topAxis),
                                       static_cast<TCustomChartAxis*>(&leftAxis), static_cast<TCustomChartAxis*>(&rightAxis),
                                       static_cast<TCustomChartAxis*>(&depthAxis)})
            if (AxisShown(*axis)) DrawLeavingCanvasAsFound([&] { axis->DrawAxis(true); });
    }
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    // A copy: a drawing handler may add or remove series.
    std::vector<TChartSeries*> drawing = seriesList;
    for (TChartSeries* s : drawing)
        if (s->Active()) DrawLeavingCanvasAsFound([&] { DrawSeries(*s); });
    if (Zoom.Active) DrawZoomRectangle();
    canvas.ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}

void TCustomAxisPanel::DrawLeavingCanvasAsFound(const std::function<void()>& draw) {
    Canvas* c = Canvas3D().ReferenceCanvas();
    if (!c) return draw();
    CanvasStateGuard guard(*c);
    draw();
}

bool TCustomAxisPanel::ClipToChart() {
    if (!CanClip()) return false;
    // Series never draw over the titles and the legend. With ClipPoints they are kept inside the chart
    // rectangle (in 3D inside the cube's outline, itself kept inside the chart area). Without it a flat or
    // plain orthogonal view lays the chart out inside the chart area and is not clipped; a rotated, moved
    // or zoomed view can carry the series anywhere, so it is kept inside the chart area.
    if (clipPoints) {
        if (View3D()) Canvas3D().ClipCubeWithin(PlotRect, 0, HorizDepth, ChartAreaRect);
        else Canvas3D().ClipRectangle(PlotRect);
        return true;
    }
    const TView3DOptions& o = View3DOptions();
    bool projected = View3D() && (!o.Orthogonal() || o.HorizOffset() != 0 || o.VertOffset() != 0 || o.Zoom() != 100);
    if (!projected) return false;
    Canvas3D().ClipRectangle(ChartAreaRect);
    return true;
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
    // In a flat chart every series has slot 0, so sharing a slot only groups series in 3D.
    if (View3D() && series.SharesZOrder()) {
        if (series.LeadsDepthSlot()) DrawSlotGroup(series);
        return;
    }
    series.FindVisibleRange();
    if (series.FirstVisibleIndex == -1) return;
    series.DoBeforeDrawValues();
    bool clipped = ClipToChart();
    series.DrawAllValues();
    if (clipped) Canvas3D().UnclipRectangle();
    DrawSeriesMarks(series);
    series.DoAfterDrawValues();
}

void TCustomAxisPanel::DrawSlotGroup(TChartSeries& leader) {
    std::vector<TChartSeries*> group;
    auto at = std::find(seriesList.begin(), seriesList.end(), &leader);
    for (auto it = at; it != seriesList.end(); ++it)
        if ((*it)->Active() && (*it)->DepthSlot() == leader.DepthSlot()) group.push_back(*it);
    // The group's range spans every member's visible points: starting at the largest first index would
    // leave out the first points of a member that enters the view earlier.
    int first = -1, last = -1;
    for (TChartSeries* s : group) {
        s->FindVisibleRange();
        s->DoBeforeDrawValues();
        if (s->FirstVisibleIndex < 0) continue;
        first = first < 0 ? s->FirstVisibleIndex : std::min(first, s->FirstVisibleIndex);
        last = std::max(last, s->LastVisibleIndex);
    }
    if (first >= 0) {
        bool clipped = ClipToChart();
        // Point by point across the group, so that the series of one slot interleave their shapes.
        auto drawPoint = [&](int i) {
            auto draw = [&](TChartSeries* s) {
                if (s->FirstVisibleIndex >= 0 && i >= s->FirstVisibleIndex && i <= s->LastVisibleIndex) s->DrawValue(i);
            };
            if (leader.DrawPointForward(i)) std::for_each(group.begin(), group.end(), draw);
            else std::for_each(group.rbegin(), group.rend(), draw);
        };
        if (leader.DrawValuesForward())
            for (int i = first; i <= last; ++i) drawPoint(i);
        else
            for (int i = last; i >= first; --i) drawPoint(i);
        if (clipped) Canvas3D().UnclipRectangle();
    }
    for (TChartSeries* s : group) {
        if (s->FirstVisibleIndex < 0) continue;
        DrawSeriesMarks(*s);
        s->DoAfterDrawValues();
    }
}

int TCustomAxisPanel::WidestPointLabel() {
    TChartCanvas3D& canvas = Canvas3D();
    int widest = 0;
    for (const TChartSeries* s : seriesList)
        for (int i = 0, n = s->Count(); i < n; ++i)
            if (s->HasLabel(i)) widest = std::max(widest, canvas.TextWidth(s->PointLabel(i)));
    return widest;
}

int TCustomAxisPanel::WidestMarkText() {
    TChartCanvas3D& canvas = Canvas3D();
    int widest = 0;
    for (const TChartSeries* s : seriesList) {
        if (!s->Active()) continue;
        for (int i = 0, n = s->Count(); i < n; ++i) widest = std::max(widest, canvas.TextWidth(SeriesMarkText(*s, i)));
    }
    return widest;
}

}  // namespace fv
