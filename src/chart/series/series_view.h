// What the standard series types read of the chart that shows them while they draw: its canvas, whether
// it is 3D, its rectangle and colours, and the other series of the same kind. A series without a chart,
// or on a chart that does not draw, gets no canvas and draws nothing.
#pragma once

#include <vector>

#include "chart/axis.h"
#include "chart/axis_panel.h"
#include "chart/canvas_3d.h"
#include "chart/chart_series.h"

namespace fv {

// The chart's canvas, or nil when the series cannot draw.
TChartCanvas3D* ChartCanvasOf(const TChartSeries& series);
// Whether the chart draws in 3D now (the canvas was set up for a 3D drawing).
bool ChartIs3D(const TChartSeries& series);
// Whether the series' chart is a 3D chart, also while a flat part of it (the legend) is drawn.
bool ChartView3D(const TChartSeries& series);
// The axis panel the series belongs to, or nil.
TCustomAxisPanel* AxisPanelOf(const TChartSeries& series);
// The rectangle the series are drawn in (empty without a chart that draws).
PixelRect ChartRectOf(const TChartSeries& series);
// The colour behind the series: the chart's back colour, or when that is automatic the panel's colour.
Color ChartBackColorOf(const TChartSeries& series);
// The chart's depth offsets in pixels: how far the back plane lies right of and above the front.
int ChartDepthX(const TChartSeries& series);
int ChartDepthY(const TChartSeries& series);
// The chart's points per page, 0 when it does not page.
int ChartMaxPointsPerPage(const TChartSeries& series);

// The active series of the chart of the same kind as `series` (itself included when active), in the
// chart's order.
std::vector<TChartSeries*> ActiveSameKind(const TChartSeries& series);
// Every series of the chart of the same kind, active or not, `series` included.
std::vector<TChartSeries*> AllSameKind(const TChartSeries& series);

// The canvas' brush and pen, set field by field.
void SetBrushColour(Canvas& canvas, Color colour);
void SetBrushStyle(Canvas& canvas, BrushStyle style);
void SetPenColour(Canvas& canvas, Color colour);
// A colour darker by `amount` in each channel (the shaded faces of 3D shapes).
Color DarkerColour(Color colour, int amount);
// How much a darkened face loses.
constexpr int DarkFaceAmount = 64;
// Points drawn further out than this are left off: the platform's coordinates stop near 32767.
constexpr int MaxScreenCoordinate = 32766;

}  // namespace fv
