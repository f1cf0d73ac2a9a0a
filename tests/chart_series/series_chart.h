// A chart for the series tests: an axis panel whose layout is a fixed chart rectangle, without walls and
// without clipping, drawn the way every chart draws (the "Other" slice prepared, depth slots, the
// series' margins asked, axes, then each series with its circle, visible range, points and, when asked,
// marks). The recording keeps the calls of the series only.
#pragma once

#include <string>
#include <vector>

#include "chart/axis_panel.h"
#include "chart/series_marks.h"
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
        SetClipPoints(false);
        PlotRect = plot;
        SetLimits(*BottomAxis(), 0, 100);
        SetLimits(*LeftAxis(), 0, 100);
        // What comes before the series (background, axes) is left out of the recording.
        OnBeforeDrawSeries = [this](Component*) { rec.Clear(); };
    }
    ~SeriesChart() override {
        while (SeriesCount() > 0) GetSeries(0)->SetParentChart(nullptr);
    }

    // Fixed limits, and the axis laid along the chart rectangle.
    void SetLimits(TCustomChartAxis& axis, double low, double high) {
        axis.SetRange(low, high);
        axis.AdjustMaxMin();
        axis.CalcExtent(plot);
    }

    void CalcLegendAndPanelRect() override {}
    void CalcAxisRect() override {
        PlotRect = plot;
        UpdatePlotSize();
        SlotWidth3D = SlotHeight3D = View3D() ? SlotDepth : 0;
        HorizDepth = VertDepth = View3D() ? (HighestDepthSlot + 1) * SlotDepth : 0;
        for (TCustomChartAxis* axis : {BottomAxis(), LeftAxis(), TopAxis(), RightAxis()}) {
            axis->CalcExtent(plot);
            axis->PlaceInRect(PlotRect, false);
        }
    }
    // The series are asked for their margins (bars work out their size then); the rectangle stays.
    void CalcSeriesMargins() override {
        for (int i = 0; i < SeriesCount(); ++i) {
            int left = 0, right = 0, top = 0, bottom = 0;
            GetSeries(i)->HorizMargins(left, right);
            GetSeries(i)->VertMargins(top, bottom);
        }
    }
    int WallSizeOfAxis(TAxisSide) const override { return 0; }
    void DrawWalls() override {}
    // Marks are drawn only when a test asks for them, as a chart draws them.
    void DrawSeriesMarks(TChartSeries& series) override {
        if (!drawMarks || !series.Marks().Visible()) return;
        series.Marks().MarksDepth = series.SlotMiddleDepth;
        DrawAllMarks(series);
    }

    // One drawing on the recording canvas; every call the series made.
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
    bool drawMarks = false;
};

}  // namespace fv
