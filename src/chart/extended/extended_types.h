// The series types of this library as the series-type registry lists them: class name (by which a stored
// chart names a series), gallery description and page, number of series in the gallery preview, and how
// to make one. The surface and contour come before the shape, as the gallery orders them.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "chart/chart_series.h"

namespace fv {

struct ExtendedSeriesTypeInfo {
    const char* ClassName;
    const char* Description;
    const char* GalleryPage;
    int NumGallerySeries;
    TChartSeries* (*Create)(Component* owner);
};

// Every series type of the library, in gallery order.
std::span<const ExtendedSeriesTypeInfo> ExtendedSeriesTypes();

// The type whose class name is `className`, or null.
const ExtendedSeriesTypeInfo* FindExtendedSeriesType(const std::string& className);

// Registers the library's series types, in gallery order, through `registerType`: the one place that gives
// the registry these entries.
void RegisterExtendedSeriesTypes(const std::function<void(const ExtendedSeriesTypeInfo&)>& registerType);

}  // namespace fv
