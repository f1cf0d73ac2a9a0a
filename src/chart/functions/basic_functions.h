// The basic calculated functions: sum, highest, lowest, average and count of a range of one source or
// across several sources at one point index; subtract, multiply and divide across sources; and the
// running total.
//
// Every function reads the value list that the parent series names (TChartFunction::SourceValueList)
// and returns 0 where there is nothing to combine, so no division by zero can happen: an empty range,
// no source that has the index, a zero divisor (skipped).
#pragma once

#include "chart/chart_function.h"

namespace fv {

class TAddChartFunction : public TChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

// Highest and lowest: across sources the first source that has the index gives the start value and each
// later one replaces it when larger (smaller); 0 when no source has the index.
class THighChartFunction : public TChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

class TLowChartFunction : public TChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

// Across sources, the average of those that have the index (a shorter source does not count as 0).
class TAverageChartFunction : public TChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

class TCountChartFunction : public TChartFunction {
public:
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

// A fold across sources: the first source that has the index gives the start value, each later one
// that has it is combined into the running value.
class TManySeriesChartFunction : public TChartFunction {
public:
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;

protected:
    virtual double CombineValues(double running, double value) const = 0;
};

class TSubtractChartFunction : public TManySeriesChartFunction {
protected:
    double CombineValues(double running, double value) const override { return running - value; }
};

class TMultiplyChartFunction : public TManySeriesChartFunction {
protected:
    double CombineValues(double running, double value) const override { return running * value; }
};

// A divisor of 0 is skipped: the running value stays.
class TDivideChartFunction : public TManySeriesChartFunction {
protected:
    double CombineValues(double running, double value) const override {
        return value == 0 ? running : running / value;
    }
};

// The running total. With Period 1 each source point gives one result, the total up to it; with a
// longer period each period gives the total up to its last point; across sources each index adds the
// sources' values at it to the result before it.
class TCumulative : public TChartFunction {
public:
    TCumulative();
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override;
};

}  // namespace fv
