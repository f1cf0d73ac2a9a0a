// What the further series types store in a chart file (one property table per class, for the writer and
// the reader alike), and their registration with the series-type registry.
#pragma once

#include "chart/extended/candle_series.h"
#include "chart/extended/error_series.h"
#include "chart/extended/grid_series.h"
#include "chart/extended/polar_series.h"
#include "chart/extended/shape_series.h"
#include "chart/extended/surface_series.h"
#include "platform/stream/property_table.h"

namespace fv {

const PropertyTable<TCustom3DSeries>& Custom3DProperties();
const PropertyTable<TCustom3DGridSeries>& GridProperties();
const PropertyTable<TSurfaceSeries>& SurfaceProperties();
const PropertyTable<TContourSeries>& ContourProperties();
const PropertyTable<TChartShape>& ShapeProperties();

const PropertyTable<TPolarSeries>& PolarProperties();
const PropertyTable<TRadarSeries>& RadarProperties();
const PropertyTable<TCandleSeries>& CandleProperties();
const PropertyTable<TVolumeSeries>& VolumeProperties();
const PropertyTable<TErrorSeries>& ErrorProperties();
const PropertyTable<TErrorBarSeries>& ErrorBarProperties();

// Registers the surface, the contour and the shape for chart files and the gallery, in gallery order
// ("Surface" and "Contour" on page "Extended" with one preview series, "Shape" on "Standard" with two),
// then "Polar" and "Radar" (two preview series each), "Candle", "Volume", "Error Bar" and "Error" (one
// each), all on page "Extended". A second call changes nothing.
void RegisterExtendedSeriesTypes();

}  // namespace fv
