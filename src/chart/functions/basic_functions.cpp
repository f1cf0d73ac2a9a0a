// The basic calculated functions.
#include "chart/functions/basic_functions.h"

#include "chart/functions/source_range.h"

namespace fv {

namespace {

double RangeSum(const TChartFunction& f, TChartSeries& source, const SourceRange& range) {
    double sum = 0;
    for (int i = range.First; i <= range.Last; ++i) sum += SourceValue(f, source, i);
    return sum;
}

// The extreme of a range: the first value, replaced by each later one that `better` prefers.
template <class Better>
double RangeExtreme(const TChartFunction& f, TChartSeries& source, int first, int last, Better better) {
    SourceRange range(source, first, last);
    if (range.Empty()) return 0;
    double result = SourceValue(f, source, range.First);
    for (int i = range.First + 1; i <= range.Last; ++i) {
        double v = SourceValue(f, source, i);
        if (better(v, result)) result = v;
    }
    return result;
}

template <class Better>
double ExtremeAcross(const TChartFunction& f, const std::vector<TChartSeries*>& sources, int index, Better better) {
    bool found = false;
    double result = 0;
    for (TChartSeries* s : sources) {
        if (!HasIndex(*s, index)) continue;
        double v = SourceValue(f, *s, index);
        if (!found || better(v, result)) result = v;
        found = true;
    }
    return result;
}

// Σ and number of the values at index of the sources that have it.
double SumAcross(const TChartFunction& f, const std::vector<TChartSeries*>& sources, int index, int* count = nullptr) {
    double sum = 0;
    int n = 0;
    for (TChartSeries* s : sources)
        if (HasIndex(*s, index)) {
            sum += SourceValue(f, *s, index);
            ++n;
        }
    if (count) *count = n;
    return sum;
}

bool Larger(double a, double b) { return a > b; }
bool Smaller(double a, double b) { return a < b; }

}  // namespace

double TAddChartFunction::Calculate(TChartSeries& source, int first, int last) {
    return RangeSum(*this, source, SourceRange(source, first, last));
}

double TAddChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    return SumAcross(*this, sources, index);
}

double THighChartFunction::Calculate(TChartSeries& source, int first, int last) {
    return RangeExtreme(*this, source, first, last, Larger);
}

double THighChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    return ExtremeAcross(*this, sources, index, Larger);
}

double TLowChartFunction::Calculate(TChartSeries& source, int first, int last) {
    return RangeExtreme(*this, source, first, last, Smaller);
}

double TLowChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    return ExtremeAcross(*this, sources, index, Smaller);
}

double TAverageChartFunction::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    return range.Empty() ? 0 : RangeSum(*this, source, range) / range.Count();
}

double TAverageChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    int n = 0;
    double sum = SumAcross(*this, sources, index, &n);
    return n == 0 ? 0 : sum / n;
}

double TCountChartFunction::Calculate(TChartSeries& source, int first, int last) {
    return SourceRange(source, first, last).Count();
}

double TCountChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    int n = 0;
    for (TChartSeries* s : sources) n += HasIndex(*s, index);
    return n;
}

double TManySeriesChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    bool started = false;
    double running = 0;
    for (TChartSeries* s : sources) {
        if (!HasIndex(*s, index)) continue;
        double v = SourceValue(*this, *s, index);
        running = started ? CombineValues(running, v) : v;
        started = true;
    }
    return running;
}

TCumulative::TCumulative() { SetPeriod(1); }

double TCumulative::Calculate(TChartSeries& source, int first, int last) {
    SourceRange range(source, first, last);
    // The total so far is the result added last; the first point starts from nothing. Every point of
    // the range counts, so a period of several points loses none of them.
    double before = 0;
    if (range.First > 0) LastOwnResult(*this, source.IsVertical(), before);
    return before + RangeSum(*this, source, range);
}

double TCumulative::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
    double before = 0;
    if (index > 0 && !sources.empty()) OwnResult(*this, sources.front()->IsVertical(), index - 1, before);
    return before + SumAcross(*this, sources, index);
}

}  // namespace fv
