// The table of the grid and shape series types.
#include "chart/extended/extended_types.h"

#include "chart/extended/shape_series.h"
#include "chart/extended/surface_series.h"

namespace fv {

namespace {

template <class T> TChartSeries* Make(Component* owner) { return new T(owner); }

const ExtendedSeriesTypeInfo Types[] = {
    {"TSurfaceSeries", "Surface", "Extended", 1, Make<TSurfaceSeries>},
    {"TContourSeries", "Contour", "Extended", 1, Make<TContourSeries>},
    {"TChartShape", "Shape", "Standard", 2, Make<TChartShape>},
};

}  // namespace

std::span<const ExtendedSeriesTypeInfo> ExtendedSeriesTypes() { return Types; }

const ExtendedSeriesTypeInfo* FindExtendedSeriesType(const std::string& className) {
    for (const ExtendedSeriesTypeInfo& t : Types)
        if (className == t.ClassName) return &t;
    return nullptr;
}

void RegisterExtendedSeriesTypes(const std::function<void(const ExtendedSeriesTypeInfo&)>& registerType) {
    for (const ExtendedSeriesTypeInfo& t : Types) registerType(t);
}

}  // namespace fv
