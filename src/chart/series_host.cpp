// SeriesHost: the standard answers of a chart to its series.
#include "chart/series_host.h"

#include "chart/chart_exception.h"
#include "chart/chart_series.h"

namespace fv {

void SeriesHost::AdoptSeries(TChartSeries& series, SeriesHost* chart) {
    series.parent_ = chart;
    series.ResolveAxes();
}

bool SeriesHost::IsValidDataSource(const TChartSeries& series, const Component* source) const {
    auto* s = dynamic_cast<const TChartSeries*>(source);
    return s && s != &series && series.IsValidSource(*s);
}

void SeriesHost::CheckCircularSource(const TChartSeries& series, const Component* source) const {
    if (source && TChartSeries::SourceChainReaches(source, series))
        throw ChartException("Circular Series dependences are not allowed");
}

void SeriesHost::RecalcSeriesFromSource(TChartSeries& series) {
    if (series.IsLoading()) return;
    if (auto* source = dynamic_cast<TChartSeries*>(series.DataSource())) series.AddValuesFrom(*source);
}

double SeriesHost::MinMaxOfAxis(const TCustomChartAxis* axis, bool minimum, bool horizontal) const {
    bool any = false;
    double result = 0;
    for (int i = 0, n = SeriesCount(); i < n; ++i) {
        const TChartSeries* s = GetSeries(i);
        if (!s->Active() || s->Count() == 0) continue;
        bool uses = horizontal ? (s->HorizAxis() == aBothHorizAxis || s->GetHorizAxis() == axis)
                               : (s->VertAxis() == aBothVertAxis || s->GetVertAxis() == axis);
        if (!uses) continue;
        double v = horizontal ? (minimum ? s->MinXValue() : s->MaxXValue())
                              : (minimum ? s->MinYValue() : s->MaxYValue());
        if (!any || (minimum ? v < result : v > result)) result = v;
        any = true;
    }
    return result;
}

}  // namespace fv
