// TChartFunction: the base of the functions that calculate a series from its data sources.
//
// A function belongs to one series (its parent series) and fills it from the series' sources: one value
// over all points, one per period of `Period` points or X units, one per position of a moving window,
// or, with several sources, one per point index across them. Subclasses supply only the arithmetic
// (Calculate over a range of one source, CalculateMany at one index of several); the walks are here.
//
// Every walk ends: a period must be finite and not negative, a period counted in points must hold at
// least one point, a boundary that no longer moves ends the walk with the remaining points as one
// period, and only a bounded number of empty periods is filled in with zeros.
#pragma once

#include <vector>

#include "platform/core/component.h"

namespace fv {

class TChartSeries;
class TChartValueList;

enum TFunctionPeriodStyle { psNumPoints, psRange };
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };

class TChartFunction : public Component {
public:
    // Zero results added for periods without points, at most, in one walk; past them the walk goes
    // straight on to the period of the next point.
    static constexpr int MaxEmptyPeriods = 10000;

    TChartFunction() = default;

    double Period() const { return period_; }
    // Raises "Function Period should be >= 0" for a negative or non-finite period.
    void SetPeriod(double value);
    TFunctionPeriodStyle PeriodStyle() const { return periodStyle_; }
    void SetPeriodStyle(TFunctionPeriodStyle value);
    TFunctionPeriodAlign PeriodAlign() const { return periodAlign_; }
    void SetPeriodAlign(TFunctionPeriodAlign value);
    bool PeriodApplies = true;
    bool MovingFunction() const { return moving_; }

    TChartSeries* ParentSeries() const { return parentSeries_; }
    // Moves this function to `series`, which frees its former function. A function that belongs to no
    // series yet must have been made with new: the series takes it over.
    void AttachToSeries(TChartSeries* series);

    void BeginUpdate() { updating_ = true; }
    void EndUpdate();
    void RecalculateOwner();

    // The list of a source that the function reads: the one the parent series' ValueSource names, else
    // the source's mandatory list.
    TChartValueList* SourceValueList(const TChartSeries& source) const;
    void AddResultPoint(bool sourceIsVertical, double value, double position);

    virtual void AddFunctionPoint(TChartSeries& source, int first, int last, double x);
    virtual void CalculateFromSource(TChartSeries& source, const TChartValueList& list);
    virtual void CalculateByPeriod(TChartSeries& source, const TChartValueList& list);
    // One value over points first..last of source (-1, -1: all points).
    virtual double Calculate(TChartSeries& source, int first, int last) { return 0; }
    // One value at point index across the sources.
    virtual double CalculateMany(const std::vector<TChartSeries*>& sources, int index) { return 0; }
    // Fills the parent series (already cleared) from source.
    virtual void Recalculate(TChartSeries* source);

    // Copies the settings (not the series or the results): the period here, each class its own on top.
    // Nothing is recalculated; the caller refreshes the series when it wants the new results.
    virtual void Assign(const TChartFunction& source);

protected:
    // Moving functions slide a window of Period points one point at a time.
    void SetMovingFunction(bool value) { moving_ = value; }

private:
    friend class TChartSeries;
    void CalculateMoving(TChartSeries& source, const TChartValueList& list);
    // The next period boundary: calendar-exact on a date-time axis that steps exactly, else + Period.
    double NextBoundary(double boundary, int stepIndex, const TChartValueList& list) const;

    double period_ = 0;
    TFunctionPeriodStyle periodStyle_ = psNumPoints;
    TFunctionPeriodAlign periodAlign_ = paCenter;
    bool moving_ = false;
    bool updating_ = false;
    TChartSeries* parentSeries_ = nullptr;
};

}  // namespace fv
