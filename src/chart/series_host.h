// SeriesHost: what a series needs of the chart that shows it.
//
// A series asks its chart to repaint, to take it into its series list or let it go, to validate a new
// data source, to recalculate it from its source, and whether the chart is being loaded, designed or
// destroyed; it reads the chart's other series (stacking sums) and the chart's axes (which one a series
// is drawn against, and the range of values on it for sample values). The axis panel implements this;
// tests use a small chart of their own, so the data model runs without any drawing.
#pragma once

#include "platform/core/component.h"

namespace fv {

class TChartSeries;
class TCustomChartAxis;

class SeriesHost {
public:
    virtual ~SeriesHost() = default;

    virtual int SeriesCount() const = 0;
    virtual TChartSeries* GetSeries(int index) const = 0;
    virtual void Repaint() = 0;

    // Called by TChartSeries::SetParentChart after the series stored this chart as its parent: the chart
    // gives the series its colour and points and appends it to its list.
    virtual void InsertSeries(TChartSeries& series) = 0;
    // Takes the series out of the list; the series' parent becomes nil (ForgetParent).
    virtual void RemoveSeries(TChartSeries& series) = 0;

    virtual bool IsLoading() const { return false; }
    virtual bool IsDesigning() const { return false; }
    virtual bool IsDestroying() const { return false; }
    // Sample fills switch the automatic repaint off while they add points.
    virtual bool AutoRepaint() const { return autoRepaint_; }
    virtual void SetAutoRepaint(bool value) { autoRepaint_ = value; }

    // Depth slots: whether the chart draws in 3D, and the highest slot in use (-1 while it is counted).
    virtual bool Chart3D() const { return false; }
    int HighestDepthSlot = 0;
    // Set by click handlers to stop the chart's own handling of a click.
    bool MouseHandled = false;

    // Called when a series drops its data sources; the standard charts do nothing.
    virtual void DataSourceRemoved(TChartSeries& series, Component* source) {}
    // The standard test: the source is another series that the series accepts.
    virtual bool IsValidDataSource(const TChartSeries& series, const Component* source) const;
    // Raises ChartException "Circular Series dependences are not allowed" when `series` can be reached from
    // `source` through the sources of series: any source, not only the first, leads on.
    virtual void CheckCircularSource(const TChartSeries& series, const Component* source) const;
    // Unless the series is being loaded, copies or calculates its points from its first source.
    virtual void RecalcSeriesFromSource(TChartSeries& series);

    // Axes. A chart without axes answers nil; the series then has no axes either.
    virtual TCustomChartAxis* TopAxis() const { return nullptr; }
    virtual TCustomChartAxis* BottomAxis() const { return nullptr; }
    virtual TCustomChartAxis* LeftAxis() const { return nullptr; }
    virtual TCustomChartAxis* RightAxis() const { return nullptr; }
    virtual bool IsHorizontalAxis(const TCustomChartAxis* axis) const {
        return axis && (axis == TopAxis() || axis == BottomAxis());
    }
    // Whether a date-time axis steps by whole calendar months and years.
    virtual bool ExactDateTime(const TCustomChartAxis* axis) const { return false; }
    // The smallest and largest value that the active series show on an axis.
    virtual double MinXValue(const TCustomChartAxis* axis) const { return MinMaxOfAxis(axis, true, true); }
    virtual double MaxXValue(const TCustomChartAxis* axis) const { return MinMaxOfAxis(axis, false, true); }
    virtual double MinYValue(const TCustomChartAxis* axis) const { return MinMaxOfAxis(axis, true, false); }
    virtual double MaxYValue(const TCustomChartAxis* axis) const { return MinMaxOfAxis(axis, false, false); }

protected:
    // Lets InsertSeries and RemoveSeries set the parent of a series directly.
    static void AdoptSeries(TChartSeries& series, SeriesHost* chart);
    static void ForgetParent(TChartSeries& series) { AdoptSeries(series, nullptr); }
    // Over every active series with points that uses the axis (or both axes of its direction).
    double MinMaxOfAxis(const TCustomChartAxis* axis, bool minimum, bool horizontal) const;

private:
    bool autoRepaint_ = true;
};

}  // namespace fv
