// A plain axis panel with one grid series on it, drawn onto a recording canvas: Draw() answers the calls
// the series made (everything after the axes), and Project() where a chart point lands on the screen.
#pragma once

#include <functional>
#include <vector>

#include "chart/extended/grid_series.h"
#include "chart/plot_panel.h"

namespace fv {

template <class Series> struct GridChart {
    explicit GridChart(bool view3D = false) {
        panel.SetView3D(view3D);
        panel.AddSeries(series);
        panel.OnBeforeDrawSeries = [this](Component*) { rec.Clear(); };
    }
    ~GridChart() { series.SetParentChart(nullptr); }

    // Points at every (x, z) of an nx by nz grid with the given Y, except where y answers NaN.
    void Fill(int nx, int nz, const std::function<double(int, int)>& y) {
        series.Clear();
        // Without a handler the new size only stores: the grid is filled here.
        series.SetNumXValues(nx);
        series.SetNumZValues(nz);
        for (int x = 1; x <= nx; ++x)
            for (int z = 1; z <= nz; ++z) {
                double v = y(x, z);
                if (v == v) series.AddXYZPoint(x, v, z);
            }
    }
    std::vector<CanvasCall> Draw(const char* op = nullptr) {
        panel.Paint(rec);
        return op ? rec.Calls(op) : rec.Calls();
    }
    // The screen point of chart pixel (x, y) at the depth of Z value z, as the last drawing projected it.
    Point Project(int x, int y, double z) {
        return panel.Canvas3D().Project(x, y, panel.DepthAxis().ValueToPixel(z));
    }
    // The same for point i of the series, at its own height.
    Point ProjectPoint(int i) { return Project(series.PointScreenX(i), series.PointScreenY(i), series.ZValues->GetValue(i)); }

    PlotPanel panel{400, 300};
    Series series;
    RecordingCanvas rec;
};

}  // namespace fv
