// The moving functions.
#include "chart/functions/moving_functions.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "chart/functions/source_range.h"

namespace fv {

TMovingChartFunction::TMovingChartFunction() {
    SetPeriod(1);
    SetMovingFunction(true);
}

void TMovingAverageFunction::Assign(const TChartFunction& source) {
    TMovingChartFunction::Assign(source);
    if (const auto* other = dynamic_cast<const TMovingAverageFunction*>(&source)) Weighted = other->Weighted;
}

double TMovingAverageFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    if (range.Empty()) return 0;
    double sum = 0, weights = 0;
    for (int i = range.First; i <= range.Last; ++i) {
        double v = SourceValue(*this, source, i);
        if (Weighted) {
            double x = source.PositionList()->GetValue(i);
            sum += v * x;
            weights += x;
        } else {
            sum += v;
        }
    }
    if (!Weighted) return sum / range.Count();
    return weights == 0 ? 0 : sum / weights;
}

void TExpAverageFunction::SetWeight(double value) {
    if (!(value >= 0 && value <= 1)) throw std::runtime_error("ExpAverage Weight must be between 0 and 1");
    if (value == weight_) return;
    weight_ = value;
    RecalculateOwner();
}

void TExpAverageFunction::Assign(const TChartFunction& source) {
    TMovingChartFunction::Assign(source);
    if (const auto* other = dynamic_cast<const TExpAverageFunction*>(&source)) weight_ = other->weight_;
}

double TExpAverageFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    if (range.Empty()) return 0;
    double v = SourceValue(*this, source, range.Last);
    double previous;
    // The first result of a walk starts the average at the value itself.
    if (range.Last == 0 || !LastOwnResult(*this, source.IsVertical(), previous)) return v;
    return weight_ * v + (1 - weight_) * previous;
}

double TRSIFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    if (range.Empty()) return 0;
    const TChartValueList* open = source.ValueListByName("OPEN");
    const TChartValueList* close = source.ValueListByName("CLOSE");
    double down = 0, up = 0;
    for (int i = range.First; i <= range.Last; ++i) {
        double c = close->GetValue(i);
        if (open->GetValue(i) > c) down += c;
        else up += c;
    }
    const int n = range.Count();
    double d = down / n, u = up / n;
    if (d == 0) return u == 0 ? 0 : 100;  // the limit of the formula as the down sum goes to 0
    double rsi = 100 - 100 / (std::fabs(u / d) + 1);
    return std::clamp(rsi, 0.0, 100.0);
}

double TMomentumFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    if (range.Empty()) return 0;
    return SourceValue(*this, source, range.Last) - SourceValue(*this, source, range.First);
}

void TStdDeviationFunction::SetComplete(bool value) {
    if (value == complete_) return;
    complete_ = value;
    RecalculateOwner();
}

void TStdDeviationFunction::Assign(const TChartFunction& source) {
    TMovingChartFunction::Assign(source);
    if (const auto* other = dynamic_cast<const TStdDeviationFunction*>(&source)) complete_ = other->complete_;
}

double TStdDeviationFunction::Deviation(const std::vector<double>& values) const {
    const std::size_t n = values.size();
    if (n < 2) return 0;
    // √((n·Σx² − (Σx)²) / q), worked from the deviations from the mean: the same value, but equal values
    // give exactly 0 instead of a rounding error below it (and the root of a negative number).
    long double mean = 0;
    for (double v : values) mean += v;
    mean /= n;
    long double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    return double(std::sqrt(squares / (complete_ ? n : n - 1)));
}

double TStdDeviationFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    std::vector<double> values;
    for (int i = range.First; i <= range.Last; ++i) values.push_back(SourceValue(*this, source, i));
    return Deviation(values);
}

double TStdDeviationFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    std::vector<double> values;
    for (TChartSeries* s : sources)
        if (HasIndex(*s, index)) values.push_back(SourceValue(*this, *s, index));
    return Deviation(values);
}

}  // namespace fv
