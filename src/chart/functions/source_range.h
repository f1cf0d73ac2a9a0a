// How the calculated functions read a source: the range of points a call names and the values of the
// list the function reads, and where a function finds the results it has already added.
#pragma once

#include "chart/chart_function.h"
#include "chart/chart_series.h"

namespace fv {

// The points first..last of a source. (-1, -1) names every point; a range is cut to the points the
// source has, so that no call reads past them; a range whose last comes before its first is empty.
struct SourceRange {
    int First = 0;
    int Last = -1;

    SourceRange(const TChartSeries& source, int first, int last);
    int Count() const { return Last >= First ? Last - First + 1 : 0; }
    bool Empty() const { return Count() == 0; }
};

// The value of point index of the list the function reads from source.
double SourceValue(const TChartFunction& function, const TChartSeries& source, int index);

// Whether source has a point at index.
inline bool HasIndex(const TChartSeries& source, int index) { return index >= 0 && index < source.Count(); }

// A result the function has already added to its own series (the parent series): the value of point
// index on the axis the results go to (Y for a vertical source, X for a horizontal one). False when the
// function has no series or the series no such point.
bool OwnResult(const TChartFunction& function, bool sourceIsVertical, int index, double& value);
// The last result added, when there is one.
bool LastOwnResult(const TChartFunction& function, bool sourceIsVertical, double& value);

}  // namespace fv
