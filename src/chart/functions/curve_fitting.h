// Curve fitting and trend: functions that replace a source by a fitted curve.
//
// TCurveFittingFunction fits a least-squares polynomial through one range of the source's points (the
// fit range) and draws it at the points of another (the draw range); TTrendFunction fits a straight line
// and draws it as one segment from the first point to the last.
//
// Rules:
// - A range bound of -1 means the first (or last) point; any other bound is cut to the points the source
//   has, so a range never reads past them. A draw range whose first point comes after its last draws
//   nothing.
// - The fit works on X and values shifted by their minimums, so that the powers of large X values (dates)
//   do not swamp the small ones; the drawn values are shifted back.
// - A source with fewer points than coefficients gives an empty series; a fit range that cannot fix every
//   coefficient (fewer points, or fewer distinct X values, than coefficients) raises "Cannot process
//   fitting" and leaves the series empty.
#pragma once

#include <array>

#include "chart/chart_function.h"
#include "chart/functions/poly_fit.h"

namespace fv {

enum TTypeFitting { cfPolynomial };

class TCustomFittingFunction : public TChartFunction {
public:
    TCustomFittingFunction();

    int PolyDegree() const { return polyDegree_; }
    // Raises "Polynomial degree must be between 1 and 20" for a changed value outside 1..20.
    void SetPolyDegree(int value);
    TTypeFitting TypeFitting() const { return typeFitting_; }
    void SetTypeFitting(TTypeFitting value);
    // The draw range.
    int FirstPoint() const { return firstPoint_; }
    void SetFirstPoint(int value);
    int LastPoint() const { return lastPoint_; }
    void SetLastPoint(int value);
    // The fit range.
    int FirstCalcPoint() const { return firstCalcPoint_; }
    void SetFirstCalcPoint(int value);
    int LastCalcPoint() const { return lastCalcPoint_; }
    void SetLastCalcPoint(int value);

    // Coefficient k (of x^k, x counted from the smallest X of the source) of the last fit.
    Extended Coefficient(int k) const { return coefficients_.at(std::size_t(k)); }

    void Recalculate(TChartSeries* source) override;
    void Assign(const TChartFunction& source) override;
    // Adds the fitted curve at the points of the draw range to the parent series.
    void AddFittedPoints(TChartSeries& source);

private:
    void ChangeRangeBound(int& bound, int value);

    int polyDegree_ = 5;
    TTypeFitting typeFitting_ = cfPolynomial;
    int firstPoint_ = -1, lastPoint_ = -1;
    int firstCalcPoint_ = -1, lastCalcPoint_ = -1;
    std::array<Extended, MaxPolyCoefficients> coefficients_{};
    double minYValue_ = 0;
};

class TCurveFittingFunction : public TCustomFittingFunction {};

// The least-squares line over the source's X (its positions) and values. X values that are all equal fix
// no line: slope 1 and intercept 0 are drawn instead.
class TTrendFunction : public TChartFunction {
public:
    // One segment over points first..last; nothing for fewer than two points.
    void AddFunctionPoint(TChartSeries& source, int first, int last, double x) override;
    // The segment over the whole source.
    void CalculateFromSource(TChartSeries& source, const TChartValueList& list) override;
    double Calculate(TChartSeries&, int, int) override { return 0; }
    double CalculateMany(const std::vector<TChartSeries*>&, int) override { return 0; }
};

}  // namespace fv
