// The drawing side of a series: which points lie in the view, their pixels on the series' axes, the loop
// that draws them, the series' depth slot in a 3D chart and the dispatch of a click.
#include <algorithm>

#include "chart/axis.h"
#include "chart/chart_series.h"

namespace fv {

int TChartSeries::XScreenPos(double value) const {
    const TCustomChartAxis* axis = GetHorizAxis();
    return axis ? axis->ValueToPixel(value) : 0;
}

int TChartSeries::YScreenPos(double value) const {
    const TCustomChartAxis* axis = GetVertAxis();
    return axis ? axis->ValueToPixel(value) : 0;
}

void TChartSeries::FindVisibleRange() {
    FirstVisibleIndex = LastVisibleIndex = -1;
    int n = Count() - 1;
    if (n < 0) return;
    const TChartValueList* positions = PositionList();
    const TCustomChartAxis* axis = IsVertical() ? GetHorizAxis() : GetVertAxis();
    if (!LimitToView || positions->Order() == loNone || !axis) {
        FirstVisibleIndex = 0;
        LastVisibleIndex = n;
        return;
    }
    // The value at each end of the position axis: the low end is the left (bottom) pixel unless inverted.
    bool horizontal = IsVertical();
    int lowPixel = horizontal ? (axis->Inverted() ? axis->EndPixel : axis->StartPixel)
                              : (axis->Inverted() ? axis->StartPixel : axis->EndPixel);
    int highPixel = horizontal ? (axis->Inverted() ? axis->StartPixel : axis->EndPixel)
                               : (axis->Inverted() ? axis->EndPixel : axis->StartPixel);
    double low = axis->PixelToValue(lowPixel), high = axis->PixelToValue(highPixel);
    int first = 0;
    while (positions->GetValue(first) < low)
        if (++first > n) return;
    FirstVisibleIndex = first;
    if (positions->GetValue(n) > high) {
        int last = first;
        while (last < n && positions->GetValue(last) < high) ++last;
        if (!KeepLastOutsidePoint && positions->GetValue(last) > high) --last;
        LastVisibleIndex = last;
    } else {
        LastVisibleIndex = n;
    }
}

void TChartSeries::DrawAllValues() {
    if (FirstVisibleIndex < 0) return;
    if (DrawValuesForward())
        for (int i = FirstVisibleIndex; i <= LastVisibleIndex; ++i) DrawValue(i);
    else
        for (int i = LastVisibleIndex; i >= FirstVisibleIndex; --i) DrawValue(i);
}

int TChartSeries::XScreenSize(double value) const {
    const TCustomChartAxis* axis = GetHorizAxis();
    return axis ? axis->ValueToPixelLength(value) : 0;
}

int TChartSeries::YScreenSize(double value) const {
    const TCustomChartAxis* axis = GetVertAxis();
    return axis ? axis->ValueToPixelLength(value) : 0;
}

double TChartSeries::PixelToXValue(int pixel) const {
    const TCustomChartAxis* axis = GetHorizAxis();
    return axis ? axis->PixelToValue(pixel) : 0;
}

void TChartSeries::CalcZOrder() {
    SeriesHost* chart = ParentChart();
    if (!chart) return;
    if (ZOrder == -1) {
        // Slots are numbered in list order here; the chart turns them round so the first series stands at
        // the back.
        if (chart->Chart3D()) AutoDepthSlot = ++chart->HighestDepthSlot;
        else AutoDepthSlot = 0;
    } else {
        chart->HighestDepthSlot = std::max(chart->HighestDepthSlot, ZOrder);
    }
}

bool TChartSeries::SharesZOrder() const {
    SeriesHost* chart = ParentChart();
    if (!chart) return false;
    for (int i = 0, n = chart->SeriesCount(); i < n; ++i) {
        const TChartSeries* s = chart->GetSeries(i);
        if (s != this && s->Active() && !s->OwnZValues && s->DepthSlot() == DepthSlot()) return true;
    }
    return false;
}

bool TChartSeries::LeadsDepthSlot() const {
    SeriesHost* chart = ParentChart();
    if (!Active() || !chart) return false;
    for (int i = 0, n = chart->SeriesCount(); i < n; ++i) {
        const TChartSeries* s = chart->GetSeries(i);
        if (s == this) return true;
        if (s->Active() && s->DepthSlot() == DepthSlot()) return false;
    }
    return true;
}

bool TChartSeries::DoClick(int valueIndex, MouseButton button, unsigned shift, int x, int y) {
    SeriesHost* chart = ParentChart();
    bool handledHere = false;
    bool& handled = chart ? chart->MouseHandled : handledHere;
    handled = false;
    // A double click with only a click handler still counts as a click.
    if ((shift & SsDouble) && OnDblClick) {
        handled = true;
        OnDblClick(this, valueIndex, button, shift, x, y);
    } else if (OnClick) {
        handled = true;
        OnClick(this, valueIndex, button, shift, x, y);
    }
    return handled;
}

}  // namespace fv
