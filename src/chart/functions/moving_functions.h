// The moving functions: a window of Period points slides over the source one point at a time and each
// position gives one result at the X of the window's last point (moving average, exponential average,
// relative strength index, momentum, standard deviation).
#pragma once

#include "chart/chart_function.h"

namespace fv {

class TMovingChartFunction : public TChartFunction {
public:
    TMovingChartFunction();
};

// Σ values / n over the window; with Weighted, Σ(value · X) / Σ X (0 when Σ X is 0).
class TMovingAverageFunction : public TMovingChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    void Assign(const TChartFunction& source) override;
    bool Weighted = false;
};

// Weight · value(last) + (1 − Weight) · the average before it: the result this function added last, or
// the value itself for the first result. Each result so carries every value before it with a weight that
// falls by (1 − Weight) a point.
class TExpAverageFunction : public TMovingChartFunction {
public:
    double Weight() const { return weight_; }
    // Raises "ExpAverage Weight must be between 0 and 1" for a weight outside 0..1.
    void SetWeight(double value);
    double Calculate(TChartSeries& source, int first, int last) override;
    void Assign(const TChartFunction& source) override;

private:
    double weight_ = 0.2;
};

// Relative strength over the window, from the source's "OPEN" and "CLOSE" lists (its Y values for a list
// it lacks): a point whose OPEN is above its CLOSE adds its CLOSE to the down sum, any other to the up
// sum. RSI = 100 − 100 / (|up / down| + 1), within 0..100: 100 when nothing went down, 0 when nothing
// moved at all.
class TRSIFunction : public TMovingChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
};

// value(last) − value(first).
class TMomentumFunction : public TMovingChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
};

// The standard deviation of the window (or across sources at an index): of the population with
// Complete, of a sample (divided by n − 1) without; 0 for fewer than two values.
class TStdDeviationFunction : public TMovingChartFunction {
public:
    bool Complete() const { return complete_; }
    void SetComplete(bool value);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
    void Assign(const TChartFunction& source) override;

private:
    double Deviation(const std::vector<double>& values) const;
    bool complete_ = false;
};

}  // namespace fv
