// Curve fitting and trend.
#include "chart/functions/curve_fitting.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "chart/chart_series.h"
#include "chart/functions/source_range.h"

namespace fv {

namespace {

// The bounds of a range of a source of `count` points: -1 (or any value below 0) names the first
// (the last) point; a last bound past the points is cut to the last one. A first bound past the points
// leaves the range empty, as does any first bound after the last.
int FirstBound(int bound) { return bound < 0 ? 0 : bound; }
int LastBound(int bound, int count) { return bound < 0 ? count - 1 : std::min(bound, count - 1); }

}  // namespace

TCustomFittingFunction::TCustomFittingFunction() {
    SetPeriod(1);
    PeriodApplies = false;
}

void TCustomFittingFunction::SetPolyDegree(int value) {
    if (value == polyDegree_) return;
    if (value < 1 || value > MaxPolyCoefficients)
        throw std::runtime_error("Polynomial degree must be between 1 and 20");
    polyDegree_ = value;
    RecalculateOwner();
}

void TCustomFittingFunction::SetTypeFitting(TTypeFitting value) {
    if (value == typeFitting_) return;
    typeFitting_ = value;
    RecalculateOwner();
}

void TCustomFittingFunction::ChangeRangeBound(int& bound, int value) {
    if (value == bound) return;
    bound = value;
    RecalculateOwner();
}

void TCustomFittingFunction::SetFirstPoint(int value) { ChangeRangeBound(firstPoint_, value); }
void TCustomFittingFunction::SetLastPoint(int value) { ChangeRangeBound(lastPoint_, value); }
void TCustomFittingFunction::SetFirstCalcPoint(int value) { ChangeRangeBound(firstCalcPoint_, value); }
void TCustomFittingFunction::SetLastCalcPoint(int value) { ChangeRangeBound(lastCalcPoint_, value); }

void TCustomFittingFunction::Assign(const TChartFunction& source) {
    TChartFunction::Assign(source);
    const auto* other = dynamic_cast<const TCustomFittingFunction*>(&source);
    if (!other) return;
    polyDegree_ = other->polyDegree_;
    typeFitting_ = other->typeFitting_;
    firstPoint_ = other->firstPoint_;
    lastPoint_ = other->lastPoint_;
    firstCalcPoint_ = other->firstCalcPoint_;
    lastCalcPoint_ = other->lastCalcPoint_;
}

void TCustomFittingFunction::Recalculate(TChartSeries* source) {
    TChartSeries* own = ParentSeries();
    if (!source || !own) return;
    if (own->Count() > 0) own->Clear();
    const int count = source->Count();
    if (count < polyDegree_) return;

    const TChartValueList& positions = *source->PositionList();
    const TChartValueList& values = *SourceValueList(*source);
    const double x0 = positions.MinValue();
    minYValue_ = values.MinValue();

    const int first = FirstBound(firstCalcPoint_);
    const int last = LastBound(lastCalcPoint_, count);
    const int n = last - first + 1;
    // Fewer points than coefficients leave the normal matrix singular (an empty range, too).
    if (n < polyDegree_) throw std::runtime_error("Cannot process fitting");
    std::vector<Extended> xs(static_cast<std::size_t>(n)), ys(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        xs[std::size_t(i)] = Extended(positions[first + i]) - x0;
        ys[std::size_t(i)] = Extended(values[first + i]) - minYValue_;
    }
    std::vector<Extended> fitted = PolyFit(n, polyDegree_, xs, ys);
    coefficients_.fill(0);
    std::copy(fitted.begin(), fitted.end(), coefficients_.begin());
    AddFittedPoints(*source);
}

void TCustomFittingFunction::AddFittedPoints(TChartSeries& source) {
    const int count = source.Count();
    if (count == 0) return;
    const TChartValueList& positions = *source.PositionList();
    const double x0 = positions.MinValue();
    const double y0 = SourceValueList(source)->MinValue();
    const int first = FirstBound(firstPoint_);
    const int last = LastBound(lastPoint_, count);
    for (int i = first; i <= last; ++i) {
        const double x = positions[i];
        const Extended value = PolyValue(polyDegree_, coefficients_, Extended(x) - x0) + y0;
        AddResultPoint(source.IsVertical(), double(value), x);
    }
}

void TTrendFunction::AddFunctionPoint(TChartSeries& source, int first, int last, double) {
    SourceRange range(source, first, last);
    const int n = range.Count();
    if (n < 2) return;
    const TChartValueList& xs = *source.PositionList();
    const TChartValueList& ys = *SourceValueList(source);
    // The sums are taken about the means: n·Σx² − (Σx)² of X values far from 0 (dates) would lose the
    // spread to rounding. Equal X values are found by comparison, not by a rounded spread.
    Extended meanX = 0, meanY = 0;
    double lowX = xs[range.First], highX = lowX;
    for (int i = range.First; i <= range.Last; ++i) {
        meanX += xs[i];
        meanY += ys[i];
        lowX = std::min(lowX, xs[i]);
        highX = std::max(highX, xs[i]);
    }
    meanX /= n;
    meanY /= n;
    Extended slope = 1, intercept = 0;
    if (lowX != highX) {
        Extended sxx = 0, sxy = 0;
        for (int i = range.First; i <= range.Last; ++i) {
            const Extended dx = xs[i] - meanX;
            sxx += dx * dx;
            sxy += dx * (ys[i] - meanY);
        }
        slope = sxy / sxx;
        intercept = meanY - slope * meanX;
    }
    for (int i : {range.First, range.Last}) {
        const double x = xs[i];
        AddResultPoint(source.IsVertical(), double(slope * x + intercept), x);
    }
}

void TTrendFunction::CalculateFromSource(TChartSeries& source, const TChartValueList&) {
    AddFunctionPoint(source, 0, source.Count() - 1, 0);
}

}  // namespace fv
