// What the chart's parts store in a chart file: one property table per class, used by the writer and
// the reader alike. A class built on one of these adds its own lines to a copy of its base's table
// (see platform/stream/property_table.h); the chart class registers its finished table with
// RegisterChartClass (series_types.h).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "chart/axis.h"
#include "chart/axis_panel.h"
#include "chart/chart.h"
#include "chart/chart_panel.h"
#include "chart/chart_function.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"
#include "chart/fast_line.h"
#include "chart/legend.h"
#include "chart/series_marks.h"
#include "chart/view_3d_options.h"
#include "chart/walls_titles.h"
#include "platform/stream/property_table.h"

namespace fv {

const PropertyTable<TChartPen>& PenProperties();
const PropertyTable<TChartBrush>& BrushProperties();
const PropertyTable<TView3DOptions>& View3DProperties();
const PropertyTable<TChartGradient>& GradientProperties();
const PropertyTable<TCustomChartAxis>& AxisProperties();
const PropertyTable<TChartWall>& WallProperties();
const PropertyTable<TChartTitle>& TitleProperties();
// The panel with its background, zoom and panning switches.
const PropertyTable<TCustomChartPanelExtended>& PanelProperties();
// The panel's and the axis panel's own: paging, the axes and their switches.
const PropertyTable<TCustomAxisPanel>& AxisPanelProperties();
// The legend's settings and font.
const PropertyTable<TCustomChartLegend>& LegendProperties();
// The chart's: the axis panel's, the titles, the walls and the legend.
const PropertyTable<TCustomChart>& ChartProperties();

const PropertyTable<TSeriesMarks>& MarksProperties();
const PropertyTable<TChartValueList>& ValueListProperties();
// The period settings of every function; a function class adds its own to a copy.
const PropertyTable<TChartFunction>& FunctionProperties();
// The settings every series has; its points go in the series data records, not here.
const PropertyTable<TChartSeries>& SeriesProperties();
const PropertyTable<TFastLineSeries>& FastLineProperties();

// A part of a series (a pen or a brush) that takes the series colour whenever the series colour is set
// (while `follows` says so, when given). It is compared with the reference's part in the series colour: a
// part that has the series colour is not written (loading the series colour gives it that colour), and a
// part given a colour of its own after the series' is written after the series colour and keeps it.
template <class S, class P, class A>
void SeriesColouredObject(PropertyTable<S>& t, std::string name, A access, const PropertyTable<P>& table,
                          std::function<bool(const S&)> follows = {}) {
    auto shared = std::make_shared<const PropertyTable<P>>(table);
    t.Add({name,
           [name, access, shared, follows](PropertyWriter& w, const S& s, const S* ref) {
               S& o = const_cast<S&>(s);
               w.BeginObject(name);
               if (ref) {
                   P expected;
                   expected.Assign(std::invoke(access, const_cast<S&>(*ref)));
                   if (!follows || follows(s)) expected.SetColor(s.SeriesColor());
                   shared->Write(w, std::invoke(access, o), &expected);
               } else {
                   shared->Write(w, std::invoke(access, o), nullptr);
               }
               w.EndObject();
           },
           [access, shared](PropertyRecord& r, S& s, const PropertyReadContext& ctx) {
               shared->Read(r.AsObject(), std::invoke(access, s), ctx);
           }});
}

}  // namespace fv
