// The drawing side of a series: which points lie in the view, their pixels on the series' axes, and the
// loop that draws them.
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

}  // namespace fv
