// The fast line: a plain polyline with one pen, for many points. Points that land on the pixel of the
// one before are skipped; with AutoRepaint off, adding a point draws just its segment on the chart's
// canvas instead of repainting the chart.
#pragma once

#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

class TFastLineSeries : public TChartSeries {
public:
    explicit TFastLineSeries(Component* owner = nullptr, std::string name = {});

    bool AutoRepaint = true;
    TChartPen LinePen;
    void SetLinePen(const TChartPen& pen);
    void SetSeriesColor(Color value) override;

    void DrawAllValues() override;
    void DrawValue(int index) override;

protected:
    void NotifyAdded(int index) override;

private:
    void PrepareCanvas();
    int previousX = 0, previousY = 0;
};

}  // namespace fv
