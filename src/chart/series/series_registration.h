// The standard series types with the series registry: what each stores in a chart file (one property
// table per class, used by the writer and the reader alike) and their gallery entries.
#pragma once

#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"
#include "platform/stream/property_table.h"

namespace fv {

const PropertyTable<TSeriesPointer>& PointerProperties();
const PropertyTable<TLineSeries>& LineProperties();
const PropertyTable<TPointSeries>& PointProperties();
const PropertyTable<TAreaSeries>& AreaProperties();
const PropertyTable<TBarSeries>& BarProperties();
const PropertyTable<THorizBarSeries>& HorizBarProperties();
const PropertyTable<TPieSeries>& PieProperties();

// Registers the line, bar, horizontal bar, area, point and pie series, in the gallery's order; a second
// call changes nothing.
void RegisterStandardSeriesTypes();

}  // namespace fv
