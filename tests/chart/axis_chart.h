// A chart for axis tests: five real axes, a series list, and a 2D chart canvas that records on a
// recording canvas, with the chart rectangle and walls set by hand.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/chart_series.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {

class AxisChart : public TAxisHost {
public:
    explicit AxisChart(PixelRect chartRect = {100, 50, 300, 250}) : chartRect(chartRect) {
        canvas.SetBuffered(false);
        PixelRect draw{0, 0, 400, 300};
        canvas.SetupProjection(&rec, &options, draw, draw, false);
        canvas.SetCenterFromRect(0, draw);
    }
    ~AxisChart() override {
        while (!series.empty()) series.front()->SetParentChart(nullptr);
    }

    int SeriesCount() const override { return int(series.size()); }
    TChartSeries* GetSeries(int index) const override { return series.at(std::size_t(index)); }
    void Repaint() override { ++repaints; }
    void InsertSeries(TChartSeries& s) override {
        AdoptSeries(s, this);
        series.push_back(&s);
    }
    void RemoveSeries(TChartSeries& s) override {
        ForgetParent(s);
        series.erase(std::find(series.begin(), series.end(), &s));
    }
    bool IsLoading() const override { return loading; }

    TCustomChartAxis* TopAxis() const override { return const_cast<TChartAxis*>(&top); }
    TCustomChartAxis* BottomAxis() const override { return const_cast<TChartAxis*>(&bottom); }
    TCustomChartAxis* LeftAxis() const override { return const_cast<TChartAxis*>(&left); }
    TCustomChartAxis* RightAxis() const override { return const_cast<TChartAxis*>(&right); }

    TCanvas3D& AxisCanvas() override { return canvas; }
    PixelRect AxisChartRect() const override { return chartRect; }
    int AxisWallSize(TAxisSide side) const override { return walls[int(side)]; }
    int AxisHorizDepth() const override { return depth; }
    bool AxisShown(const TCustomChartAxis&) const override { return shown; }

    RecordingCanvas rec;
    TView3DOptions options;
    TChartCanvas3D canvas;
    PixelRect chartRect;
    int walls[5] = {};
    int depth = 0;
    bool shown = true, loading = false;
    int repaints = 0;
    std::vector<TChartSeries*> series;
    TChartAxis left{this, TAxisSide::Left}, top{this, TAxisSide::Top}, right{this, TAxisSide::Right},
        bottom{this, TAxisSide::Bottom};
    TChartDepthAxis depthAxis{this};

    TCustomChartAxis& AxisOn(TAxisSide side) {
        switch (side) {
        case TAxisSide::Left: return left;
        case TAxisSide::Top: return top;
        case TAxisSide::Right: return right;
        case TAxisSide::Bottom: return bottom;
        default: return depthAxis;
        }
    }
};

// The recording canvas' line height and character width in the default chart font.
constexpr int Lh = 11, Cw = 6;

// The texts drawn, in order.
inline std::vector<std::string> Texts(const RecordingCanvas& rec) {
    std::vector<std::string> texts;
    for (const CanvasCall& call : rec.Calls("Text")) texts.push_back(call.Text);
    return texts;
}

// The axis' limits and its extent along the chart rectangle, as a drawing leaves them.
inline void SetLimits(TCustomChartAxis& axis, double low, double high) {
    axis.SetRange(low, high);
    axis.AdjustMaxMin();
    axis.CalcExtent(static_cast<AxisChart*>(axis.ParentChart())->chartRect);
}

}  // namespace fv
