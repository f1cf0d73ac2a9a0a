// The moving functions: one result per window of Period points, at the X of the window's last point.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "chart/functions/moving_functions.h"
#include "function_chart.h"

namespace fv {
namespace {

using Maker = std::function<std::unique_ptr<TChartFunction>()>;
template <class T> Maker Of() { return [] { return std::make_unique<T>(); }; }
Maker ExpAverage(double weight) {
    return [weight] {
        auto f = std::make_unique<TExpAverageFunction>();
        f->SetWeight(weight);
        return f;
    };
}
Maker StdDeviation(bool complete) {
    return [complete] {
        auto f = std::make_unique<TStdDeviationFunction>();
        f->SetComplete(complete);
        return f;
    };
}
Maker WeightedAverage() {
    return [] {
        auto f = std::make_unique<TMovingAverageFunction>();
        f->Weighted = true;
        return f;
    };
}

struct Case {
    const char* why;
    Maker make;
    Points source;
    double period;
    Points expected;  // (X, value)
};

TEST(MovingFunctions, WindowsOverOneSource) {
    const Case cases[] = {
        {"average of 3: one result a point from the third on", Of<TMovingAverageFunction>(),
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}}, 3, {{2, 2}, {3, 3}, {4, 4}}},
        {"average: an empty source gives nothing", Of<TMovingAverageFunction>(), {}, 3, {}},
        {"average: a window larger than the data gives nothing", Of<TMovingAverageFunction>(),
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}}, 5, {}},
        {"average: a window as large as the data gives one result", Of<TMovingAverageFunction>(),
         {{0, 1}, {1, 2}, {2, 6}}, 3, {{2, 3}}},
        {"weighted average: (3·1 + 6·2 + 9·3) / (1 + 2 + 3)", WeightedAverage(), {{1, 3}, {2, 6}, {3, 9}}, 3,
         {{3, 7}}},
        {"weighted average over X that add up to 0: 0, not a division by 0", WeightedAverage(),
         {{-1, 4}, {1, 8}}, 2, {{1, 0}}},
        {"exp. average of 0.5: each result halfway between the value and the result before", ExpAverage(0.5),
         {{0, 2}, {1, 4}, {2, 8}, {3, 0}}, 1, {{0, 2}, {1, 3}, {2, 5.5}, {3, 2.75}}},
        {"exp. average of 0.2 (the default)", Of<TExpAverageFunction>(), {{0, 10}, {1, 20}, {2, 20}}, 1,
         {{0, 10}, {1, 12}, {2, 13.6}}},
        {"exp. average of 1 follows the values", ExpAverage(1), {{0, 3}, {1, 7}, {2, 1}}, 1,
         {{0, 3}, {1, 7}, {2, 1}}},
        {"exp. average of 0 keeps the first value", ExpAverage(0), {{0, 3}, {1, 7}, {2, 1}}, 1,
         {{0, 3}, {1, 3}, {2, 3}}},
        {"momentum of 3: last minus first of each window", Of<TMomentumFunction>(),
         {{0, 1}, {1, 4}, {2, 9}, {3, 16}}, 3, {{2, 8}, {3, 12}}},
        {"momentum of 1: no change within one point", Of<TMomentumFunction>(), {{0, 1}, {1, 4}}, 1,
         {{0, 0}, {1, 0}}},
        {"momentum: a window larger than the data gives nothing", Of<TMomentumFunction>(), {{0, 1}}, 2, {}},
        {"std. deviation of a population: 2", StdDeviation(true),
         {{0, 2}, {1, 4}, {2, 4}, {3, 4}, {4, 5}, {5, 5}, {6, 7}, {7, 9}}, 8, {{7, 2}}},
        {"std. deviation of a sample: sqrt(32 / 7)", StdDeviation(false),
         {{0, 2}, {1, 4}, {2, 4}, {3, 4}, {4, 5}, {5, 5}, {6, 7}, {7, 9}}, 8, {{7, std::sqrt(32.0 / 7)}}},
        {"std. deviation of a window of 2 slides", StdDeviation(true), {{0, 1}, {1, 3}, {2, 3}, {3, 7}}, 2,
         {{1, 1}, {2, 0}, {3, 2}}},
        {"std. deviation of one value is 0", StdDeviation(false), {{0, 5}, {1, 6}}, 1, {{0, 0}, {1, 0}}},
        {"std. deviation of equal values is exactly 0, never the root of a rounding below it",
         StdDeviation(false), {{0, 0.1}, {1, 0.1}, {2, 0.1}}, 3, {{2, 0}}},
        {"std. deviation: a window larger than the data gives nothing", StdDeviation(true), {{0, 1}, {1, 2}}, 3,
         {}},
    };
    for (const Case& c : cases) {
        FunctionChart chart;
        chart.AddSourcePoints(c.source);
        TChartFunction* f = chart.Calculate(c.make());
        f->SetPeriod(c.period);
        Points got = chart.Results();
        ASSERT_EQ(got.size(), c.expected.size()) << c.why;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].first, c.expected[i].first) << c.why << " #" << i;
            EXPECT_NEAR(got[i].second, c.expected[i].second, 1e-12) << c.why << " #" << i;
        }
    }
}

// A source with the lists a candle series keeps.
TChartSeries* OpenCloseSource(FunctionChart& chart, const std::vector<std::pair<double, double>>& openClose) {
    std::vector<double> ys(openClose.size(), 0);
    TChartSeries* s = chart.AddSource(ys);
    auto* open = new TChartValueList(s, "Open");
    auto* close = new TChartValueList(s, "Close");
    for (std::size_t i = 0; i < openClose.size(); ++i) {
        open->InsertValue(int(i), openClose[i].first);
        close->InsertValue(int(i), openClose[i].second);
    }
    return s;
}

TEST(MovingFunctions, RelativeStrength) {
    struct RsiCase {
        const char* why;
        std::vector<std::pair<double, double>> openClose;
        double period;
        std::vector<double> expected;
    };
    const RsiCase cases[] = {
        // Up closes 2 + 3, down closes 1 + 2: 100 - 100 / (5/3 + 1).
        {"a window of four", {{1, 2}, {3, 1}, {1, 3}, {4, 2}}, 4, {62.5}},
        {"windows of two", {{1, 2}, {3, 1}, {1, 3}, {4, 2}}, 2, {100 - 100 / 3.0, 75, 60}},
        {"every close above its open: nothing went down, the strongest reading", {{1, 2}, {2, 3}, {3, 4}}, 3,
         {100}},
        {"every close below its open: nothing went up", {{3, 2}, {4, 3}}, 2, {0}},
        {"closes of 0 say nothing moved", {{0, 0}, {1, 0}}, 2, {0}},
        {"a window larger than the data gives nothing", {{1, 2}, {3, 1}}, 3, {}},
    };
    for (const RsiCase& c : cases) {
        FunctionChart chart;
        OpenCloseSource(chart, c.openClose);
        chart.Calculate(std::make_unique<TRSIFunction>())->SetPeriod(c.period);
        std::vector<double> got = chart.ResultValues();
        ASSERT_EQ(got.size(), c.expected.size()) << c.why;
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-12) << c.why << " #" << i;
    }
}

TEST(MovingFunctions, RelativeStrengthWithoutOpenAndCloseReadsY) {
    // Open and close are both the Y list: no point is down.
    FunctionChart chart;
    chart.AddSource({4, 5});
    chart.Calculate(std::make_unique<TRSIFunction>())->SetPeriod(2);
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{100}));
}

TEST(MovingFunctions, StdDeviationAcrossSources) {
    FunctionChart chart;
    for (double v : {2, 4, 4, 4, 5, 5, 7, 9}) chart.AddSource({v});
    chart.sources[0]->AddPoint(1, 1);  // index 1: only the first source has it
    auto* f = chart.Calculate(std::make_unique<TStdDeviationFunction>());
    EXPECT_NEAR(chart.ResultValues().at(0), std::sqrt(32.0 / 7), 1e-12);
    EXPECT_EQ(chart.ResultValues().at(1), 0);
    f->SetComplete(true);  // recalculates
    EXPECT_NEAR(chart.ResultValues().at(0), 2, 1e-12);
    TStdDeviationFunction alone;
    EXPECT_EQ(alone.CalculateMany({}, 0), 0);
}

TEST(MovingFunctions, ExpAverageWeightIsChecked) {
    FunctionChart chart;
    chart.AddSource({2, 4});
    auto* f = chart.Calculate(std::make_unique<TExpAverageFunction>());
    EXPECT_EQ(f->Weight(), 0.2);
    EXPECT_EQ(f->Period(), 1);
    EXPECT_TRUE(f->MovingFunction());
    for (double bad : {-0.1, 1.5, double(NAN)}) {
        try {
            f->SetWeight(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "ExpAverage Weight must be between 0 and 1");
        }
        EXPECT_EQ(f->Weight(), 0.2) << bad;
    }
    f->SetWeight(0.5);  // recalculates
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{2, 3}));
}

}  // namespace
}  // namespace fv
