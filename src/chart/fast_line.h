// The fast line: a plain polyline with one pen, for many points. Points that land on the pixel of the
// one before are skipped; with AutoRepaint off, adding a point draws just its segment on the chart's
// canvas instead of repainting the chart. In 3D the line lies flat at the series' middle depth.
#pragma once

#include "chart/canvas_3d.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

class TFastLineSeries : public TChartSeries {
public:
    explicit TFastLineSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TFastLineSeries)

    bool AutoRepaint = true;
    TChartPen LinePen;
    void SetLinePen(const TChartPen& pen);
    void SetSeriesColor(Color value) override;
    // From another fast line: AutoRepaint and the pen; then the series' own settings and points.
    void Assign(TChartSeries& source) override;
    std::string EditorClassName() const override { return "TFastLineSeriesEditor"; }

    void DrawAllValues() override;
    void DrawValue(int index) override;
    // The visible point at (x, y), or the one that starts the segment through it; -1 when none.
    int Clicked(int x, int y) override;
    // A short stretch of the line across the middle of the symbol's rectangle.
    void DrawLegendShape(int index, const PixelRect& rect) override;

protected:
    void NotifyAdded(int index) override;

private:
    void PrepareCanvas();
    // The depth the line is drawn at: the middle of its slot in 3D, none in a flat chart.
    int LineDepth() const;
    int previousX = 0, previousY = 0;
    // The canvas and depth of the drawing under way (none outside DrawAllValues).
    struct {
        TCanvas3D* canvas = nullptr;
        int depth = 0;
    } drawing;
};

}  // namespace fv
