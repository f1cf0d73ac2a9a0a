// Chart pens, their presets and the chart brush.
#include "chart/chart_pens.h"

namespace fv {

void TChartPen::Assign(const TChartPen& other) {
    bool changed = !(pen == other.pen) || smallDots != other.smallDots || visible != other.visible;
    smallDots = other.smallDots;
    visible = other.visible;
    pen = other.pen;
    if (changed && OnChange) OnChange();
}

// Each preset sets its difference before taking the owner's handler: building a pen repaints nothing.
TChartHiddenPen::TChartHiddenPen(TNotifyChange onChange) {
    SetVisible(false);
    OnChange = std::move(onChange);
}

TDottedGrayPen::TDottedGrayPen(TNotifyChange onChange) {
    SetColor(ClGray);
    SetStyle(PenStyle::Dot);
    OnChange = std::move(onChange);
}

TDarkGrayPen::TDarkGrayPen(TNotifyChange onChange) {
    SetColor(ClGray);
    OnChange = std::move(onChange);
}

TChartAxisPen::TChartAxisPen(TNotifyChange onChange) {
    SetWidth(2);
    OnChange = std::move(onChange);
}

TChartArrowPen::TChartArrowPen(TNotifyChange onChange) {
    SetColor(ClWhite);
    OnChange = std::move(onChange);
}

void TChartBrush::Assign(const TChartBrush& other) {
    if (brush == other.brush) return;
    brush = other.brush;
    if (OnChange) OnChange();
}

}  // namespace fv
