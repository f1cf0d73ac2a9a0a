// Reading sources and earlier results for the calculated functions.
#include "chart/functions/source_range.h"

#include <algorithm>

namespace fv {

SourceRange::SourceRange(const TChartSeries& source, int first, int last) {
    const int count = source.Count();
    if (first == -1) {
        First = 0;
        Last = count - 1;
        return;
    }
    First = std::max(first, 0);
    Last = std::min(last, count - 1);
}

double SourceValue(const TChartFunction& function, const TChartSeries& source, int index) {
    return function.SourceValueList(source)->GetValue(index);
}

bool OwnResult(const TChartFunction& function, bool sourceIsVertical, int index, double& value) {
    const TChartSeries* own = function.ParentSeries();
    if (!own || index < 0 || index >= own->Count()) return false;
    value = sourceIsVertical ? own->GetYValue(index) : own->GetXValue(index);
    return true;
}

bool LastOwnResult(const TChartFunction& function, bool sourceIsVertical, double& value) {
    const TChartSeries* own = function.ParentSeries();
    return own && OwnResult(function, sourceIsVertical, own->Count() - 1, value);
}

}  // namespace fv
