// An axis panel with the plainest layout, for drawing tests and pictures: the axes take their room from
// the chart rectangle (3D depth at the top and right), there is no legend, the back is a framed
// rectangle and there are no walls at the sides. It counts the steps of a drawing it sees.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "chart/axis_panel.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {

class PlotPanel : public TCustomAxisPanel {
public:
    explicit PlotPanel(int width = 400, int height = 300, Component* owner = nullptr) : TCustomAxisPanel(owner) {
        SetBounds(0, 0, width, height);
        SetView3D(false);
        SetBufferedDisplay(false);
        Created = true;
    }
    ~PlotPanel() override { Created = false; }

    void CalcLegendAndPanelRect() override { steps.push_back("legend"); }
    void CalcAxisRect() override {
        steps.push_back("axes");
        TCustomChartAxis* axes[] = {BottomAxis(), TopAxis(), LeftAxis(), RightAxis(), &DepthAxis()};
        for (TCustomChartAxis* axis : axes) axis->AdjustMaxMin();
        CalcSlotDepth();
        if (View3D()) {
            PlotRect.Right -= HorizDepth;
            PlotRect.Top += VertDepth;
        }
        UpdatePlotSize();
        PixelRect r = PlotRect;
        for (TCustomChartAxis* axis : axes)
            if (AxisShown(*axis)) axis->PlaceInRect(r, true);
        PlotRect = r;
        UpdatePlotSize();
        for (TCustomChartAxis* axis : axes) {
            axis->CalcExtent(PlotRect);
            if (axis->DepthRole()) axis->SetPixels(0, HorizDepth);
            axis->PlaceInRect(r, false);
        }
    }
    void CalcSeriesMargins() override { steps.push_back("margins"); }
    int WallSizeOfAxis(TAxisSide) const override { return 0; }
    void DrawWalls() override {
        steps.push_back("walls");
        Canvas3D().ReferenceCanvas()->SetBrush({ClWhite, BrushStyle::Clear, nullptr});
        Canvas3D().RectangleZ(PlotRect, HorizDepth);
    }
    TColor BackColor() const override { return backColour; }

    std::vector<std::string> steps;
    TColor backColour = AutomaticColour;
};

}  // namespace fv
