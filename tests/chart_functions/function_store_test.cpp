// Every standard function saved in a chart file and loaded again, and cloned with its series: its class,
// its settings, and the points it calculates from its source.
#include <gtest/gtest.h>

#include <functional>

#include "chart/chart_store.h"
#include "chart/functions/basic_functions.h"
#include "chart/functions/moving_functions.h"
#include "chart/functions/function_types.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"

namespace fv {
namespace {

// What a function of one class is set to before saving, and the check of the loaded one.
struct Case {
    const char* className;
    std::function<void(TChartFunction&)> set;
    std::function<void(const TChartFunction&)> check;
};

template <class F> std::function<void(TChartFunction&)> Set(std::function<void(F&)> set) {
    return [set](TChartFunction& f) { set(dynamic_cast<F&>(f)); };
}
template <class F> std::function<void(const TChartFunction&)> Check(std::function<void(const F&)> check) {
    return [check](const TChartFunction& f) {
        const F* typed = dynamic_cast<const F*>(&f);
        ASSERT_NE(typed, nullptr);
        check(*typed);
    };
}

// Every standard function, set away from its defaults.
std::vector<Case> Cases() {
    const auto periodTwo = [](TChartFunction& f) {
        f.SetPeriod(2);
        f.SetPeriodAlign(paLast);
    };
    const auto periodTwoKept = [](const TChartFunction& f) {
        EXPECT_EQ(f.Period(), 2);
        EXPECT_EQ(f.PeriodAlign(), paLast);
    };
    return {
        {"TAddChartFunction", periodTwo, periodTwoKept},
        {"TSubtractChartFunction", periodTwo, periodTwoKept},
        {"TMultiplyChartFunction", periodTwo, periodTwoKept},
        {"TDivideChartFunction", periodTwo, periodTwoKept},
        {"THighChartFunction", periodTwo, periodTwoKept},
        {"TLowChartFunction", periodTwo, periodTwoKept},
        {"TAverageChartFunction", [](TChartFunction& f) { f.SetPeriodStyle(psRange); f.SetPeriod(2.5); },
         [](const TChartFunction& f) { EXPECT_EQ(f.PeriodStyle(), psRange); EXPECT_EQ(f.Period(), 2.5); }},
        {"TCumulative", periodTwo, periodTwoKept},
        {"TCountChartFunction", periodTwo, periodTwoKept},
        {"TCurveFittingFunction", Set<TCurveFittingFunction>([](TCurveFittingFunction& f) {
             f.SetPolyDegree(3);
             f.SetFirstPoint(1);
             f.SetLastPoint(4);
             f.SetFirstCalcPoint(0);
             f.SetLastCalcPoint(5);
         }),
         Check<TCurveFittingFunction>([](const TCurveFittingFunction& f) {
             EXPECT_EQ(f.PolyDegree(), 3);
             EXPECT_EQ(f.FirstPoint(), 1);
             EXPECT_EQ(f.LastPoint(), 4);
             EXPECT_EQ(f.FirstCalcPoint(), 0);
             EXPECT_EQ(f.LastCalcPoint(), 5);
         })},
        {"TTrendFunction", periodTwo, periodTwoKept},
        {"TMovingAverageFunction", [](TChartFunction& f) { f.SetPeriod(3); },
         [](const TChartFunction& f) { EXPECT_EQ(f.Period(), 3); }},
        {"TExpAverageFunction", Set<TExpAverageFunction>([](TExpAverageFunction& f) { f.SetWeight(0.75); }),
         Check<TExpAverageFunction>([](const TExpAverageFunction& f) { EXPECT_EQ(f.Weight(), 0.75); })},
        {"TRSIFunction", [](TChartFunction& f) { f.SetPeriod(3); },
         [](const TChartFunction& f) { EXPECT_EQ(f.Period(), 3); }},
        {"TMomentumFunction", [](TChartFunction& f) { f.SetPeriod(4); },
         [](const TChartFunction& f) { EXPECT_EQ(f.Period(), 4); }},
        {"TStdDeviationFunction", Set<TStdDeviationFunction>([](TStdDeviationFunction& f) {
             f.SetComplete(true);
             f.SetPeriod(3);
         }),
         Check<TStdDeviationFunction>([](const TStdDeviationFunction& f) {
             EXPECT_TRUE(f.Complete());
             EXPECT_EQ(f.Period(), 3);
         })},
    };
}

// A chart with one source and a series of each function calculated from it.
struct FunctionChart {
    FunctionChart() {
        RegisterStoreTestClasses();
        RegisterStandardFunctions();
        source->SetParentChart(&chart);
        for (double y : {3, 1, 4, 1, 5, 9, 2, 6}) source->AddY(y);
        for (const Case& c : cases) {
            const ChartClass* cls = FindChartClass(c.className);
            if (!cls) throw std::runtime_error(std::string("not registered: ") + c.className);
            auto* s = new TFastLineSeries(&chart, std::string("Of") + c.className);
            s->SetParentChart(&chart);
            std::unique_ptr<TChartFunction> f(static_cast<TChartFunction*>(cls->Create(nullptr)));
            c.set(*f);
            s->SetFunction(std::move(f));
            s->SetDataSource(source);
            saved.push_back(s);
        }
    }
    std::vector<Case> cases = Cases();
    StoreChart chart;
    TFastLineSeries* source = new TFastLineSeries(&chart, "Source");
    std::vector<TChartSeries*> saved;
};

void ExpectSamePoints(const TChartSeries& got, const TChartSeries& want, const char* what) {
    ASSERT_EQ(got.Count(), want.Count()) << what;
    for (int p = 0; p < got.Count(); ++p) {
        EXPECT_EQ(got.XValues->GetValue(p), want.XValues->GetValue(p)) << what << " #" << p;
        EXPECT_DOUBLE_EQ(got.YValues->GetValue(p), want.YValues->GetValue(p)) << what << " #" << p;
    }
}

TEST(FunctionStore, EveryFunctionKeepsItsClassSettingsAndPoints) {
    FunctionChart made;
    const std::vector<Case>& cases = made.cases;
    StoreChart& chart = made.chart;
    std::vector<TChartSeries*>& saved = made.saved;

    StoreChart loaded;
    LoadChartStream(&loaded, SaveChartStream(chart));
    ASSERT_EQ(loaded.SeriesCount(), int(std::size(cases)) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TChartSeries* l = loaded.GetSeries(int(i) + 1);
        ASSERT_NE(l->SeriesFunction(), nullptr) << c.className;
        const ChartClass* cls = ChartClassOf(*l->SeriesFunction());
        ASSERT_NE(cls, nullptr) << c.className;
        EXPECT_EQ(cls->Name, c.className);
        c.check(*l->SeriesFunction());
        EXPECT_EQ(l->DataSource(), loaded.GetSeries(0)) << c.className;
        // The same points, calculated again from the loaded source.
        ExpectSamePoints(*l, *saved[i], c.className);
    }
    EXPECT_EQ(SaveChartStream(loaded), SaveChartStream(chart));  // nothing lost or added
}

// A clone of a calculated series has a function of the same class with the same settings, and its points
// are calculated with them.
TEST(FunctionStore, AClonedSeriesKeepsItsFunctionsSettingsAndPoints) {
    FunctionChart made;
    for (std::size_t i = 0; i < made.cases.size(); ++i) {
        const Case& c = made.cases[i];
        TChartSeries* copy = CloneSeries(*made.saved[i]);
        ASSERT_NE(copy->SeriesFunction(), nullptr) << c.className;
        EXPECT_NE(copy->SeriesFunction(), made.saved[i]->SeriesFunction()) << c.className;
        EXPECT_EQ(ChartClassOf(*copy->SeriesFunction())->Name, c.className);
        c.check(*copy->SeriesFunction());
        EXPECT_EQ(copy->DataSource(), made.source) << c.className;
        ExpectSamePoints(*copy, *made.saved[i], c.className);
    }
    // What a chart file does not keep is cloned too.
    auto* weighted = new TFastLineSeries(&made.chart, "Weighted");
    weighted->SetParentChart(&made.chart);
    auto average = std::make_unique<TMovingAverageFunction>();
    average->Weighted = true;
    weighted->SetFunction(std::move(average));
    TChartSeries* copy = CloneSeries(*weighted);
    auto* function = dynamic_cast<TMovingAverageFunction*>(copy->SeriesFunction());
    ASSERT_NE(function, nullptr);
    EXPECT_TRUE(function->Weighted);
}

}  // namespace
}  // namespace fv
