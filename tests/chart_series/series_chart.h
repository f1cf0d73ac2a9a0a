// A chart for the series tests: an axis panel with a fixed chart rectangle that, when drawn, does what a
// chart does for its series (depth slots, margins left aside, the "Other" slice and the circle prepared,
// the visible range, the points), on a recording canvas or on the canvas a picture paints with.
#pragma once

#include <string>
#include <vector>

#include "chart/axis_panel.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {

class SeriesChart : public TCustomAxisPanel {
public:
    // Depth pixels each series' slot takes in 3D.
    static constexpr int SlotDepth = 20;

    explicit SeriesChart(bool is3D = false, PixelRect plot = {100, 50, 300, 250}) : TCustomAxisPanel(nullptr), plot(plot) {
        SetBounds(0, 0, 400, 300);
        SetView3D(is3D);
        SetBufferedDisplay(false);
        PlotRect = plot;
        SetLimits(*BottomAxis(), 0, 100);
        SetLimits(*LeftAxis(), 0, 100);
    }
    ~SeriesChart() override { DestroySeriesList(); }

    // Fixed limits, and the axis laid along the chart rectangle.
    void SetLimits(TCustomChartAxis& axis, double low, double high) {
        axis.SetRange(low, high);
        axis.AdjustMaxMin();
        axis.CalcExtent(plot);
    }

    void DrawChartContents(const PixelRect&) override {
        PlotRect = plot;
        for (TCustomChartAxis* axis : {BottomAxis(), LeftAxis(), TopAxis(), RightAxis()}) axis->CalcExtent(plot);
        TChartCanvas3D& canvas = Canvas3D();
        HighestDepthSlot = -1;
        for (int i = 0; i < SeriesCount(); ++i)
            if (GetSeries(i)->Active()) GetSeries(i)->CalcZOrder();
        // The first series stands at the back, so that drawing in list order goes back to front.
        for (int i = 0; i < SeriesCount(); ++i)
            if (View3D() && GetSeries(i)->Active()) GetSeries(i)->AutoDepthSlot = HighestDepthSlot - GetSeries(i)->DepthSlot();
        HorizDepth = VertDepth = View3D() ? (HighestDepthSlot + 1) * SlotDepth : 0;
        canvas.SetCenterFromRect(HorizDepth, Canvas3D().Bounds);
        if (drawAxes && AxisVisible())
            for (TCustomChartAxis* axis : {BottomAxis(), LeftAxis()}) axis->DrawAxis(true);
        for (int i = 0; i < SeriesCount(); ++i) {
            TChartSeries* s = GetSeries(i);
            if (!s->Active()) continue;
            int slot = s->DepthSlot();
            s->SlotStartDepth = View3D() ? slot * SlotDepth : 0;
            s->SlotEndDepth = View3D() ? (slot + 1) * SlotDepth : 0;
            s->SlotMiddleDepth = (s->SlotStartDepth + s->SlotEndDepth) / 2;
            int l = 0, r = 0, t = 0, b = 0;
            s->HorizMargins(l, r);
            s->VertMargins(t, b);
            s->PrepareValues();
            s->DoBeforeDrawValues();
            s->FindVisibleRange();
            s->DrawAllValues();
            s->DoAfterDrawValues();
        }
    }

    // One drawing on the recording canvas; every call it made.
    std::vector<std::string> Draw() {
        rec.Clear();
        DrawToCanvas(rec, {0, 0, 400, 300});
        return rec.Lines();
    }
    // The recorded calls of one kind, as text.
    std::vector<std::string> Drawn(const std::string& op) const {
        std::vector<std::string> result;
        for (const CanvasCall& c : rec.Calls(op)) result.push_back(c.ToString());
        return result;
    }

    RecordingCanvas rec;
    PixelRect plot;
    bool drawAxes = false;

private:
    void DestroySeriesList() {
        while (SeriesCount() > 0) GetSeries(0)->SetParentChart(nullptr);
    }
};

}  // namespace fv
