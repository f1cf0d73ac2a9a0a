// What the further series types store in a chart file (one property table per class, for the writer and
// the reader alike), and their registration with the series-type registry.
#pragma once

#include "chart/extended/arrow_series.h"
#include "chart/extended/bezier_series.h"
#include "chart/extended/candle_series.h"
#include "chart/extended/error_series.h"
#include "chart/extended/grid_series.h"
#include "chart/extended/point3d_series.h"
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

const PropertyTable<TPoint3DSeries>& Point3DProperties();
const PropertyTable<TBubbleSeries>& BubbleProperties();
const PropertyTable<TArrowSeries>& ArrowProperties();
const PropertyTable<TGanttSeries>& GanttProperties();
const PropertyTable<TBezierSeries>& BezierProperties();
const PropertyTable<TPolarSeries>& PolarProperties();
const PropertyTable<TRadarSeries>& RadarProperties();
const PropertyTable<TCandleSeries>& CandleProperties();
const PropertyTable<TVolumeSeries>& VolumeProperties();
const PropertyTable<TErrorSeries>& ErrorProperties();
const PropertyTable<TErrorBarSeries>& ErrorBarProperties();

// Registers the further series types for chart files and the gallery, in gallery order ("Surface" and
// "Contour" on page "Extended" with one preview series, "Shape" on "Standard" with two; "Point 3D" on
// "Extended" with one, "Bubble" and "Arrow" on "Standard" with two, "Gantt" on "Standard" with one,
// "Bezier" on "Extended" with one; "Polar" and "Radar" with two preview series each, "Candle", "Volume",
// "Error Bar" and "Error" with one each, all on page "Extended"). A second call changes nothing.
void RegisterExtendedSeriesTypes();

}  // namespace fv
