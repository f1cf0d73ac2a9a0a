// Curve fitting and trend through a chart: the fitted points, the fit and draw ranges, and the messages.
#include <gtest/gtest.h>

#include <stdexcept>

#include "chart/functions/curve_fitting.h"
#include "function_chart.h"

namespace fv {
namespace {

Points Line(int n, double a, double b, double x0 = 0) {
    Points p;
    for (int i = 0; i < n; ++i) p.emplace_back(x0 + i, a + b * (x0 + i));
    return p;
}

void ExpectPoints(const Points& got, const Points& expected, double tolerance, const char* why) {
    ASSERT_EQ(got.size(), expected.size()) << why;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first, expected[i].first) << why << " #" << i;
        EXPECT_NEAR(got[i].second, expected[i].second, tolerance) << why << " #" << i;
    }
}

TEST(CurveFitting, Fits) {
    Points quadratic;  // 20 points of 1 + 2x - 0.5x² above a floor of 50
    for (int x = 0; x < 20; ++x) quadratic.emplace_back(x, 50 + 1 + 2 * x - 0.5 * x * x);
    struct Case {
        const char* why;
        Points source;
        int degree;
        Points expected;
        double tolerance;
    };
    const Case cases[] = {
        {"(0,1), (1,3), (2,5) with two coefficients: 1 + 2x", {{0, 1}, {1, 3}, {2, 5}}, 2,
         {{0, 1}, {1, 3}, {2, 5}}, 1e-12},
        {"one coefficient: the mean level", {{0, 1}, {1, 2}, {2, 4}, {3, 9}}, 1, {{0, 4}, {1, 4}, {2, 4}, {3, 4}},
         1e-12},
        {"the least-squares line through points off it", {{0, 0}, {1, 1}, {2, 1}, {3, 3}}, 2,
         {{0, -0.1}, {1, 0.8}, {2, 1.7}, {3, 2.6}}, 1e-12},
        {"twenty coefficients through twenty points of a parabola give the parabola", quadratic, 20, quadratic,
         1e-6},
        {"X far from 0 (dates) fit as well as small ones", Line(6, 3, 0.25, 45000), 3, Line(6, 3, 0.25, 45000),
         1e-9},
        {"fewer points than coefficients: nothing, and no error", {{0, 1}, {1, 2}}, 3, {}, 0},
        {"an empty source: nothing", {}, 1, {}, 0},
    };
    for (const Case& c : cases) {
        FunctionChart chart;
        chart.AddSourcePoints(c.source);
        auto f = std::make_unique<TCurveFittingFunction>();
        f->SetPolyDegree(c.degree);
        chart.Calculate(std::move(f));
        ExpectPoints(chart.Results(), c.expected, c.tolerance, c.why);
    }
}

TEST(CurveFitting, DefaultsAndDegreeLimits) {
    TCurveFittingFunction f;
    EXPECT_EQ(f.PolyDegree(), 5);
    EXPECT_EQ(f.Period(), 1);
    EXPECT_FALSE(f.PeriodApplies);
    EXPECT_EQ(f.TypeFitting(), cfPolynomial);
    EXPECT_EQ(f.FirstPoint(), -1);
    EXPECT_EQ(f.LastCalcPoint(), -1);
    for (int bad : {0, 21, -3}) {
        try {
            f.SetPolyDegree(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Polynomial degree must be between 1 and 20");
        }
        EXPECT_EQ(f.PolyDegree(), 5);
    }
    f.SetPolyDegree(1);
    f.SetPolyDegree(20);
    EXPECT_EQ(f.PolyDegree(), 20);
}

TEST(CurveFitting, DrawRanges) {
    struct Case {
        const char* why;
        int first, last;
        std::vector<double> xs;  // where the curve is drawn
    };
    const Case cases[] = {
        {"unset: every point", -1, -1, {0, 1, 2, 3, 4, 5}},
        {"points 2 to 4 only, although all were fitted", 2, 4, {2, 3, 4}},
        {"a last point past the points stops at the last", 3, 100, {3, 4, 5}},
        {"first after last draws nothing", 4, 2, {}},
        {"a first point past the points draws nothing", 10, -1, {}},
        {"unset first up to point 0", -1, 0, {0}},
    };
    for (const Case& c : cases) {
        FunctionChart chart;
        chart.AddSourcePoints(Line(6, 1, 2));
        auto* f = chart.Calculate(std::make_unique<TCurveFittingFunction>());
        f->BeginUpdate();
        f->SetPolyDegree(2);
        f->SetFirstPoint(c.first);
        f->SetLastPoint(c.last);
        f->EndUpdate();
        Points expected;
        for (double x : c.xs) expected.emplace_back(x, 1 + 2 * x);
        ExpectPoints(chart.Results(), expected, 1e-12, c.why);
    }
}

TEST(CurveFitting, FitRangeIsSeparateFromTheDrawRange) {
    FunctionChart chart;
    // Only points 2..4 lie on 2x; the curve fitted through them is drawn at every point.
    chart.AddSource({7, 0, 4, 6, 8});
    auto* f = chart.Calculate(std::make_unique<TCurveFittingFunction>());
    f->BeginUpdate();
    f->SetPolyDegree(2);
    f->SetFirstCalcPoint(2);
    f->SetLastCalcPoint(4);
    f->EndUpdate();
    ExpectPoints(chart.Results(), {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}}, 1e-12, "fit 2..4, draw all");
    // A last fit point past the points stops at the last.
    f->SetLastCalcPoint(50);
    ExpectPoints(chart.Results(), {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}}, 1e-12, "fit 2..50");
}

TEST(CurveFitting, FitsThatCannotBeMadeAreReported) {
    struct Case {
        const char* why;
        Points source;
        int degree, firstCalc, lastCalc;
    };
    const Case cases[] = {
        {"fewer distinct X values than coefficients", {{0, 1}, {0, 2}, {1, 3}, {1, 5}}, 3, -1, -1},
        {"a fit range of fewer points than coefficients", Line(6, 0, 1), 3, 0, 1},
        {"a fit range whose first comes after its last", Line(6, 0, 1), 1, 4, 2},
        {"a fit range past the points", Line(6, 0, 1), 1, 9, -1},
    };
    for (const Case& c : cases) {
        FunctionChart chart;
        chart.AddSourcePoints(c.source);
        auto* f = chart.Calculate(std::make_unique<TCurveFittingFunction>());
        f->BeginUpdate();
        f->SetPolyDegree(c.degree);
        f->SetFirstCalcPoint(c.firstCalc);
        f->SetLastCalcPoint(c.lastCalc);
        try {
            f->EndUpdate();
            ADD_FAILURE() << c.why << ": fitted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Cannot process fitting") << c.why;
        }
        EXPECT_EQ(chart.result->Count(), 0) << c.why;
    }
}

TEST(CurveFitting, FollowsItsSource) {
    FunctionChart chart;
    TChartSeries* s = chart.AddSourcePoints({{0, 1}, {1, 3}, {2, 5}});
    auto* f = chart.Calculate(std::make_unique<TCurveFittingFunction>());
    EXPECT_EQ(chart.result->Count(), 0);  // 3 points, 5 coefficients
    f->SetPolyDegree(2);
    EXPECT_EQ(chart.result->Count(), 3);
    s->SetYValue(2, 9);  // now (0,1), (1,3), (2,9): the line 1/3 + 4x by least squares
    ExpectPoints(chart.Results(), {{0, 1.0 / 3}, {1, 13.0 / 3}, {2, 25.0 / 3}}, 1e-12, "refitted");
    EXPECT_NEAR(double(f->Coefficient(1)), 4, 1e-12);
}

TEST(Trend, Lines) {
    struct Case {
        const char* why;
        Points source;
        double period;
        Points expected;
    };
    const Case cases[] = {
        {"(0,1), (1,3), (2,5): 1 + 2x from the first point to the last", {{0, 1}, {1, 3}, {2, 5}}, 0,
         {{0, 1}, {2, 5}}},
        {"points off the line: slope 0.9, intercept -0.1", {{0, 0}, {1, 1}, {2, 1}, {3, 3}}, 0,
         {{0, -0.1}, {3, 2.6}}},
        {"equal X values fix no line: slope 1, intercept 0", {{1, 2}, {1, 5}, {1, 9}}, 0, {{1, 1}, {1, 1}}},
        {"one point: nothing", {{1, 2}}, 0, {}},
        {"an empty source: nothing", {}, 0, {}},
        {"a segment a period of 2 points", {{0, 0}, {1, 2}, {2, 5}, {3, 5}}, 2, {{0, 0}, {1, 2}, {2, 5}, {3, 5}}},
        {"dates: a small slope on X far from 0", Line(5, -1000, 0.25, 45000), 0,
         {{45000, 10250}, {45004, 10251}}},
    };
    for (const Case& c : cases) {
        FunctionChart chart;
        chart.AddSourcePoints(c.source);
        chart.Calculate(std::make_unique<TTrendFunction>())->SetPeriod(c.period);
        ExpectPoints(chart.Results(), c.expected, 1e-9, c.why);
    }
}

TEST(CurveFitting, HorizontalSourcesFitTheirXAlongY) {
    // Values 1, 3, 5 along X at the positions 0, 1, 2 of Y: the line 1 + 2y.
    const Points source{{1, 0}, {3, 1}, {5, 2}};
    {
        FunctionChart chart;
        chart.AddSourcePoints<HorizSeries>(source);
        chart.Calculate(std::make_unique<TCurveFittingFunction>())->SetPolyDegree(2);
        ExpectPoints(chart.Results(), source, 1e-12, "curve");
    }
    {
        FunctionChart chart;
        chart.AddSourcePoints<HorizSeries>(source);
        chart.Calculate(std::make_unique<TTrendFunction>());
        ExpectPoints(chart.Results(), {{1, 0}, {5, 2}}, 1e-12, "trend");
    }
}

TEST(Trend, AcrossSourcesGivesZeros) {
    FunctionChart chart;
    chart.AddSource({1, 2});
    chart.AddSource({3, 4});
    chart.Calculate(std::make_unique<TTrendFunction>());
    EXPECT_EQ(chart.ResultValues(), (std::vector<double>{0, 0}));
}

}  // namespace
}  // namespace fv
