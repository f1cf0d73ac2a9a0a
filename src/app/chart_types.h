// The chart classes the program knows: every series type, chart class and function that a chart file may
// name and that the chart editor's gallery offers, registered once when the program starts.
#pragma once

namespace fv {

// Registers the chart's classes in the gallery's order: the standard series (Line, Bar, Horiz. Bar,
// Area, Point, Pie), the chart engine's own (the charts and Fast Line), the further series types, then
// the functions; then the series type editors of the
// chart editor. Running it again changes nothing. A library that adds series types adds its one line
// here, at its place in the gallery.
void RegisterChartTypes();

}  // namespace fv
