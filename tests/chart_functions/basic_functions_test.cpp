// The basic functions: the value of a range of one source and of one index across sources, checked
// through a chart (the walks of the function base choose the ranges) and by direct calls for the cases
// a walk never makes.
#include <gtest/gtest.h>

#include <functional>

#include "chart/functions/basic_functions.h"
#include "function_chart.h"

namespace fv {
namespace {

using Maker = std::function<std::unique_ptr<TChartFunction>()>;
template <class T> Maker Of() { return [] { return std::make_unique<T>(); }; }

struct Case {
    const char* why;
    Maker make;
    std::vector<std::vector<double>> sources;  // Y values at X 0, 1, 2, ...
    double period;
    std::vector<double> expected;
};

void Check(const Case& c) {
    FunctionChart chart;
    for (const auto& ys : c.sources) chart.AddSource(ys);
    TChartFunction* f = chart.Calculate(c.make());
    f->SetPeriod(c.period);
    std::vector<double> got = chart.ResultValues();
    ASSERT_EQ(got.size(), c.expected.size()) << c.why;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-12) << c.why << " #" << i;
}

TEST(BasicFunctions, OneSource) {
    const Case cases[] = {
        {"add: an empty source gives no result", Of<TAddChartFunction>(), {{}}, 0, {}},
        {"add: the total of every point", Of<TAddChartFunction>(), {{1, 2, 3, 4}}, 0, {10}},
        {"add: one total a period of 2, the odd point left over", Of<TAddChartFunction>(), {{1, 2, 3, 4, 5}}, 2,
         {3, 7}},
        {"high: the largest of all, negative values included", Of<THighChartFunction>(), {{-3, -1, -7}}, 0, {-1}},
        {"high: per period", Of<THighChartFunction>(), {{3, -1, 7, 2}}, 2, {3, 7}},
        {"low: the smallest of all", Of<TLowChartFunction>(), {{3, -1, 7, 2}}, 0, {-1}},
        {"low: per period of 3", Of<TLowChartFunction>(), {{3, 5, 4, 9, 8, 7}}, 3, {3, 7}},
        {"average: the mean of all", Of<TAverageChartFunction>(), {{1, 2, 3, 4}}, 0, {2.5}},
        {"average: per period", Of<TAverageChartFunction>(), {{1, 2, 3, 4}}, 2, {1.5, 3.5}},
        {"average: a period larger than the data gives nothing", Of<TAverageChartFunction>(), {{1, 2, 3}}, 4, {}},
        {"count: the number of points", Of<TCountChartFunction>(), {{5, 5, 5, 5}}, 0, {4}},
        {"count: per period of 3 over 7 points", Of<TCountChartFunction>(), {{1, 1, 1, 1, 1, 1, 1}}, 3, {3, 3}},
        {"cumulative: 1, 2, 3 a point at a time", Of<TCumulative>(), {{1, 2, 3}}, 1, {1, 3, 6}},
        {"cumulative: a period of 2 counts every point of it", Of<TCumulative>(), {{1, 2, 3, 4}}, 2, {3, 10}},
        {"cumulative: over all points, the total", Of<TCumulative>(), {{1, 2, 3}}, 0, {6}},
        {"cumulative: negative values run the total down", Of<TCumulative>(), {{5, -2, -4}}, 1, {5, 3, -1}},
        {"subtract folds across sources: one source alone gives 0", Of<TSubtractChartFunction>(),
         {{1, 2}}, 0, {0}},
    };
    for (const Case& c : cases) Check(c);
}

TEST(BasicFunctions, SeveralSources) {
    const Case cases[] = {
        {"add: the sum at each index, a shorter source counts where it has points", Of<TAddChartFunction>(),
         {{1, 2, 3}, {10, 20}}, 0, {11, 22, 3}},
        {"high across sources", Of<THighChartFunction>(), {{1, 9, -3}, {5, 2, -8}}, 0, {5, 9, -3}},
        {"low across sources", Of<TLowChartFunction>(), {{1, 9, -3}, {5, 2, -8}}, 0, {1, 2, -8}},
        {"average of the sources that have the index", Of<TAverageChartFunction>(), {{2, 4, 6}, {4}, {6, 8}}, 0,
         {4, 6, 6}},
        {"count of the sources that have the index", Of<TCountChartFunction>(), {{1, 1, 1}, {1}, {1, 1}}, 0,
         {3, 2, 1}},
        {"subtract: 10 - 3 - 2", Of<TSubtractChartFunction>(), {{10, 1}, {3}, {2, 1}}, 0, {5, 0}},
        {"multiply", Of<TMultiplyChartFunction>(), {{2, -1}, {3, 5}, {4}}, 0, {24, -5}},
        {"divide: a divisor of 0 is skipped, 10 / 2", Of<TDivideChartFunction>(), {{10, 0, 8}, {0, 5, 2}, {2}}, 0,
         {5, 0, 4}},
        {"cumulative across sources: the result before plus the sum at the index", Of<TCumulative>(),
         {{1, 2, 3}, {10, 10, 10}}, 0, {11, 23, 36}},
    };
    for (const Case& c : cases) Check(c);
}

TEST(BasicFunctions, DirectCallsOnRangesAndIndexesNoWalkMakes) {
    FunctionChart chart;
    TChartSeries* a = chart.AddSource({-5, -6});
    TChartSeries* b = chart.AddSource({-3, -4, -2});
    TChartSeries* empty = chart.AddSource({});
    const std::vector<TChartSeries*> both{a, b};
    TAddChartFunction add;
    THighChartFunction high;
    TLowChartFunction low;
    TAverageChartFunction average;
    TCountChartFunction count;
    TSubtractChartFunction subtract;
    TDivideChartFunction divide;
    struct Direct {
        const char* why;
        double got, expected;
    };
    const Direct cases[] = {
        // A value of 0 from nowhere must not win: only the sources that have the index compare.
        {"high where the first source lacks the index", high.CalculateMany(both, 2), -2},
        {"low where the first source lacks the index", low.CalculateMany({a, b}, 2), -2},
        {"high where no source has the index", high.CalculateMany(both, 7), 0},
        {"subtract where no source has the index", subtract.CalculateMany(both, 7), 0},
        {"divide starts from the first source that has the index", divide.CalculateMany(both, 2), -2},
        {"average where no source has the index: no division by 0", average.CalculateMany(both, 9), 0},
        {"average of no sources", average.CalculateMany({}, 0), 0},
        {"count of no sources", count.CalculateMany({}, 0), 0},
        {"add over an empty source", add.Calculate(*empty, -1, -1), 0},
        {"average over an empty source: no division by 0", average.Calculate(*empty, -1, -1), 0},
        {"high over an empty source", high.Calculate(*empty, -1, -1), 0},
        {"high over a range whose last comes before its first", high.Calculate(*b, 2, 1), 0},
        {"add over a reversed range", add.Calculate(*b, 2, 0), 0},
        {"count over a range", count.Calculate(*b, 1, 2), 2},
        {"a range past the points reads only the points there are", add.Calculate(*b, 1, 10), -6},
    };
    for (const Direct& c : cases) EXPECT_EQ(c.got, c.expected) << c.why;
}

TEST(BasicFunctions, ReadTheListTheResultSeriesNames) {
    FunctionChart chart;
    TChartSeries* s = chart.AddSource({1, 2});
    auto* close = new TChartValueList(s, "Close");
    close->InsertValue(0, 10);
    close->InsertValue(1, 30);
    chart.Calculate(std::make_unique<TAverageChartFunction>());
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{1.5}));
    chart.result->YValues->SetValueSource("CLOSE");
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{20}));
}

TEST(BasicFunctions, CumulativeOfAHorizontalSourceRunsAlongX) {
    FunctionChart chart;
    chart.AddSourcePoints<HorizSeries>({{1, 0}, {2, 1}, {4, 2}});
    chart.Calculate(std::make_unique<TCumulative>());
    // The values run along X, placed at the source's Y positions.
    EXPECT_EQ(chart.Results(), (Points{{1, 0}, {3, 1}, {7, 2}}));
}

TEST(BasicFunctions, FollowTheirSource) {
    FunctionChart chart;
    TChartSeries* s = chart.AddSource({1, 2, 3});
    chart.Calculate(std::make_unique<TCumulative>());
    s->SetYValue(0, 10);
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{10, 12, 15}));
    s->Clear();
    EXPECT_EQ(chart.result->Count(), 0);
}

}  // namespace
}  // namespace fv
