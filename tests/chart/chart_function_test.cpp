// The function base: which points each walk combines and where the results go, and walks that must end
// whatever the period and the data.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_function.h"
#include "chart/date_steps.h"
#include "fake_chart.h"

namespace fv {
namespace {

// Until the standard functions arrive: the sum of a range of the source's values, and the sum across
// sources at an index. Calls are counted.
class SumFunction : public TChartFunction {
public:
    explicit SumFunction(bool moving = false) { SetMovingFunction(moving); }
    double Calculate(TChartSeries& source, int first, int last) override {
        ++calls;
        TChartValueList* list = SourceValueList(source);
        if (first == -1) return list->ValueTotal();
        double sum = 0;
        for (int i = first; i <= last; ++i) sum += list->GetValue(i);
        return sum;
    }
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override {
        double sum = 0;
        for (TChartSeries* s : sources)
            if (index < s->Count()) sum += SourceValueList(*s)->GetValue(index);
        return sum;
    }
    int calls = 0;
};

struct FunctionChart {
    Component owner;
    FakeChart chart;
    TChartSeries* source;
    TChartSeries* result;
    SumFunction* function;

    explicit FunctionChart(std::vector<double> xs, bool moving = false) {
        source = owner.Make<TChartSeries>("Source");
        source->SetParentChart(&chart);
        for (std::size_t i = 0; i < xs.size(); ++i) source->AddPoint(xs[i], double(i + 1));
        result = owner.Make<TChartSeries>("Result");
        result->SetParentChart(&chart);
        auto f = std::make_unique<SumFunction>(moving);
        function = f.get();
        result->SetFunction(std::move(f));
        result->SetDataSource(source);
    }
    ~FunctionChart() { chart.destroying = true; }
    std::vector<std::pair<double, double>> Points() const {
        std::vector<std::pair<double, double>> p;
        for (int i = 0; i < result->Count(); ++i) p.emplace_back(result->GetXValue(i), result->GetYValue(i));
        return p;
    }
};

std::vector<double> Range(int n) {
    std::vector<double> xs;
    for (int i = 0; i < n; ++i) xs.push_back(i);
    return xs;
}

using Points = std::vector<std::pair<double, double>>;

TEST(FunctionWalks, PeriodsAlignmentAndMovingWindows) {
    struct Case {
        const char* why;
        int n;
        double period;
        TFunctionPeriodStyle style;
        TFunctionPeriodAlign align;
        bool moving;
        Points expected;  // (X, sum of Y 1..n)
    };
    const Case cases[] = {
        {"period 0: one point in the middle of the X range", 4, 0, psNumPoints, paCenter, false, {{1.5, 10}}},
        {"3 points a period over 10: the tenth gives none", 10, 3, psNumPoints, paCenter, false,
         {{1, 6}, {4, 15}, {7, 24}}},
        {"first position", 6, 3, psNumPoints, paFirst, false, {{0, 6}, {3, 15}}},
        {"last position", 6, 3, psNumPoints, paLast, false, {{2, 6}, {5, 15}}},
        {"a range of 2 X units, centred before its end", 5, 2, psRange, paCenter, false,
         {{0.999, 3}, {2.999, 7}, {4.999, 5}}},
        {"a moving window of 3", 5, 3, psNumPoints, paCenter, true, {{2, 6}, {3, 9}, {4, 12}}},
        {"a window longer than the points gives nothing", 4, 5, psNumPoints, paCenter, true, {}},
        {"a period that rounds to no points gives nothing", 5, 0.3, psNumPoints, paCenter, false, {}},
        {"a window that rounds to no points gives nothing", 5, 0.4, psNumPoints, paCenter, true, {}},
    };
    for (const Case& c : cases) {
        FunctionChart s(Range(c.n), c.moving);
        s.function->BeginUpdate();
        s.function->SetPeriod(c.period);
        s.function->SetPeriodStyle(c.style);
        s.function->SetPeriodAlign(c.align);
        s.function->EndUpdate();
        Points got = s.Points();
        ASSERT_EQ(got.size(), c.expected.size()) << c.why;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].first, c.expected[i].first, 1e-9) << c.why << " #" << i;
            EXPECT_EQ(got[i].second, c.expected[i].second) << c.why << " #" << i;
        }
    }
}

TEST(FunctionWalks, RangePeriodsOfAFractionOfAUnit) {
    FunctionChart s({0, 1, 2});
    s.function->SetPeriodStyle(psRange);
    s.function->SetPeriod(0.3);
    // Boundaries 0.3, 0.6, 0.9, 1.2, ...: every point gets a period, the empty ones in between zeros.
    Points got = s.Points();
    ASSERT_GE(got.size(), 7u);
    double total = 0;
    for (auto& p : got) total += p.second;
    EXPECT_EQ(total, 6);
    EXPECT_EQ(got.front().second, 1);
    EXPECT_EQ(got.back().second, 3);
}

TEST(FunctionWalks, PeriodsThatAreNotNumbersAreRefused) {
    FunctionChart s(Range(4));
    for (double bad : {-1.0, double(NAN), double(INFINITY), -double(INFINITY)}) {
        EXPECT_THROW(s.function->SetPeriod(bad), std::runtime_error) << bad;
        EXPECT_EQ(s.function->Period(), 0) << bad;
    }
    try {
        s.function->SetPeriod(-2);
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Function Period should be >= 0");
    }
}

TEST(FunctionWalks, LargeXWhereTheBoundaryNoLongerMoves) {
    // 1e20 + 1 == 1e20: the boundary stands still, and the remaining points make one period.
    FunctionChart s({1e20, 1e20, 2e20});
    s.function->SetPeriodStyle(psRange);
    s.function->SetPeriod(1);
    Points got = s.Points();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].second, 6);
}

TEST(FunctionWalks, EmptyPeriodsAreBounded) {
    // Unordered X (the list does not sort) far apart: 1e12 periods lie between the points.
    FunctionChart s({});
    s.source->XValues->SetOrder(loNone);
    s.source->AddPoint(0, 1);
    s.source->AddPoint(1e12, 2);
    s.source->AddPoint(5, 4);
    s.source->AddPoint(NAN, 8);
    s.function->SetPeriodStyle(psRange);
    s.function->SetPeriod(1);
    Points got = s.Points();
    int zeros = 0;
    double total = 0;
    for (auto& p : got) {
        zeros += p.second == 0;
        total += p.second;
    }
    EXPECT_LE(zeros, TChartFunction::MaxEmptyPeriods);
    EXPECT_EQ(total, 15);  // every point counted once
}

TEST(FunctionWalks, EmptyMonthsGiveZeroResults) {
    FunctionChart s({});
    s.chart.exactDateTime = true;
    s.source->XValues->SetDateTime(true);
    double jan5, jan20, mar3;
    ASSERT_TRUE(EncodeDate(2020, 1, 5, jan5) && EncodeDate(2020, 1, 20, jan20) && EncodeDate(2020, 3, 3, mar3));
    s.source->AddPoint(jan5, 1);
    s.source->AddPoint(jan20, 2);
    s.source->AddPoint(mar3, 4);
    s.function->BeginUpdate();
    s.function->SetPeriodStyle(psRange);
    s.function->SetPeriod(30);  // one month
    s.function->SetPeriodAlign(paFirst);
    s.function->EndUpdate();
    Points got = s.Points();
    ASSERT_EQ(got.size(), 3u);
    double feb1, mar1;
    EncodeDate(2020, 2, 1, feb1);
    EncodeDate(2020, 3, 1, mar1);
    // A month steps to the 1st of the next month: 5 January to 1 February holds the first two points,
    // February none (a zero result), March the third.
    EXPECT_EQ(got, (Points{{jan5, 3}, {feb1, 0}, {mar1, 4}}));
    EXPECT_TRUE(s.result->XValues->DateTime());  // taken from the source
}

TEST(FunctionSources, SeveralSourcesGiveOnePointPerIndexOfTheFirst) {
    FunctionChart s(Range(3));
    s.source->SetPointLabel(1, "mid");
    auto* other = s.owner.Make<TChartSeries>("Other");
    other->SetParentChart(&s.chart);
    other->AddY(100);
    s.result->AddDataSource(other);
    s.result->RefreshFromSource();
    Points got = s.Points();
    EXPECT_EQ(got, (Points{{0, 101}, {1, 2}, {2, 3}}));
    EXPECT_EQ(s.result->PointLabel(1), "mid");
}

TEST(FunctionSources, ValueSourceNamesTheListToRead) {
    FunctionChart s(Range(2));
    auto* extra = new TChartValueList(s.source, "Close");
    extra->InsertValue(0, 10);
    extra->InsertValue(1, 20);
    s.result->YValues->SetValueSource("close");
    Points got = s.Points();
    EXPECT_EQ(got, (Points{{0.5, 30}}));
}

TEST(FunctionSources, SinglePointOffGivesALevelSegment) {
    FunctionChart s(Range(4));
    s.result->FunctionSinglePoint = false;
    s.result->RefreshFromSource();
    EXPECT_EQ(s.Points(), (Points{{0, 10}, {3, 10}}));
}

TEST(FunctionUpdates, HeldRecalculationRunsOnceAtTheEnd) {
    FunctionChart s(Range(6));
    s.function->calls = 0;
    s.function->BeginUpdate();
    s.function->SetPeriod(2);
    s.function->SetPeriodAlign(paLast);
    EXPECT_EQ(s.function->calls, 0);
    s.function->EndUpdate();
    EXPECT_EQ(s.function->calls, 3);
    s.function->SetPeriod(2);  // unchanged: nothing
    EXPECT_EQ(s.function->calls, 3);
    // A function series follows value changes of its source as a whole, not single added points.
    s.source->AddPoint(6, 7);
    s.source->AddPoint(7, 8);
    EXPECT_EQ(s.result->Count(), 3);
    s.source->SetYValue(0, 10);
    EXPECT_EQ(s.result->Count(), 4);
    EXPECT_EQ(s.result->GetYValue(0), 12);
}

TEST(FunctionUpdates, AttachMovesTheFunctionAndAssignCopiesPeriods) {
    FunctionChart s(Range(4));
    auto* other = s.owner.Make<TChartSeries>("Other");
    other->SetParentChart(&s.chart);
    other->SetDataSource(s.source);
    SumFunction* f = s.function;
    f->AttachToSeries(other);
    EXPECT_EQ(s.result->SeriesFunction(), nullptr);
    EXPECT_EQ(other->SeriesFunction(), f);
    EXPECT_EQ(f->ParentSeries(), other);
    EXPECT_EQ(other->Count(), 1);  // now a sum
    SumFunction copy;
    f->SetPeriod(3);
    f->SetPeriodStyle(psRange);
    copy.Assign(*f);
    EXPECT_EQ(copy.Period(), 3);
    EXPECT_EQ(copy.PeriodStyle(), psRange);
}

TEST(FunctionUpdates, AssignedSeriesTakeTheFunctionAndTheSources) {
    FunctionChart s(Range(4));
    auto* copy = s.owner.Make<TChartSeries>("Copy");
    copy->SetParentChart(&s.chart);
    SumFunction* f = s.function;
    copy->Assign(*s.result);
    EXPECT_EQ(copy->SeriesFunction(), f);  // moved: the original is left without one
    EXPECT_EQ(s.result->SeriesFunction(), nullptr);
    EXPECT_EQ(copy->DataSources(), std::vector<Component*>{s.source});
    EXPECT_EQ(s.Points(), (Points{{1.5, 10}}));
    ASSERT_EQ(copy->Count(), 1);  // calculated from the same source
    EXPECT_EQ(copy->GetYValue(0), 10);
}

}  // namespace
}  // namespace fv
