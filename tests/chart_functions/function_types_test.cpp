// The standard functions in the series-type registry: gallery order and texts, the classes a chart file
// names, and what each class sets up when it is made.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "chart/functions/basic_functions.h"
#include "chart/functions/function_types.h"
#include "chart/series_types.h"

namespace fv {
namespace {

std::vector<const TChartSeriesType*> FunctionEntries() {
    std::vector<const TChartSeriesType*> entries;
    for (const auto& e : ChartSeriesTypes().Items())
        if (e->FunctionClass) entries.push_back(e.get());
    return entries;
}

TEST(FunctionTypes, RegisteredOnceInGalleryOrder) {
    struct Expected {
        const char* className;
        const char* description;
        int count;
        const std::type_info& type;
    };
    const Expected expected[] = {
        {"TAddChartFunction", "Add", 2, typeid(TAddChartFunction)},
        {"TSubtractChartFunction", "Subtract", 2, typeid(TSubtractChartFunction)},
        {"TMultiplyChartFunction", "Multiply", 2, typeid(TMultiplyChartFunction)},
        {"TDivideChartFunction", "Divide", 2, typeid(TDivideChartFunction)},
        {"THighChartFunction", "High", 2, typeid(THighChartFunction)},
        {"TLowChartFunction", "Low", 2, typeid(TLowChartFunction)},
        {"TAverageChartFunction", "Average", 2, typeid(TAverageChartFunction)},
        {"TCumulative", "Cumulative", 2, typeid(TCumulative)},
        {"TCountChartFunction", "Count", 2, typeid(TCountChartFunction)},
        {"TCurveFittingFunction", "Curve Fitting", 2, typeid(TCurveFittingFunction)},
        {"TTrendFunction", "Trend", 1, typeid(TTrendFunction)},
        {"TMovingAverageFunction", "Moving Average", 2, typeid(TMovingAverageFunction)},
        {"TExpAverageFunction", "Exp. Average", 2, typeid(TExpAverageFunction)},
        {"TRSIFunction", "R.S.I.", 2, typeid(TRSIFunction)},
        {"TMomentumFunction", "Momentum", 2, typeid(TMomentumFunction)},
        {"TStdDeviationFunction", "Std.Deviation", 2, typeid(TStdDeviationFunction)},
    };
    RegisterStandardFunctions();
    RegisterStandardFunctions();  // a second start-up adds nothing
    std::vector<const TChartSeriesType*> entries = FunctionEntries();
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TChartSeriesType& e = *entries[i];
        const Expected& x = expected[i];
        EXPECT_EQ(e.SeriesClass, nullptr) << x.className;
        EXPECT_EQ(e.FunctionClass->Name, x.className);
        EXPECT_EQ(e.FunctionClass, FindChartClass(x.className));
        EXPECT_EQ(e.Description, x.description);
        EXPECT_EQ(e.GalleryPage, "Functions");
        EXPECT_EQ(e.NumGallerySeries, x.count) << x.className;
        std::unique_ptr<Component> made(e.FunctionClass->Create(nullptr));
        EXPECT_EQ(typeid(*made), x.type) << x.className;
        EXPECT_EQ(ChartClassOf(*made), e.FunctionClass);
    }
    UnregisterStandardFunctions();
    EXPECT_TRUE(FunctionEntries().empty());
    EXPECT_EQ(FindChartClass("TCumulative"), nullptr);
}

TEST(FunctionTypes, ConstructionSettings) {
    // The moving functions and the running total start with a period of one point; the others over all.
    RegisterStandardFunctions();
    for (const TChartSeriesType* e : FunctionEntries()) {
        std::unique_ptr<Component> made(e->FunctionClass->Create(nullptr));
        auto* f = dynamic_cast<TChartFunction*>(made.get());
        ASSERT_NE(f, nullptr);
        const std::string& name = e->FunctionClass->Name;
        const bool moving = name == "TMovingAverageFunction" || name == "TExpAverageFunction" ||
                            name == "TRSIFunction" || name == "TMomentumFunction" || name == "TStdDeviationFunction";
        const bool periodOne = moving || name == "TCumulative" || name == "TCurveFittingFunction";
        EXPECT_EQ(f->MovingFunction(), moving) << name;
        EXPECT_EQ(f->Period(), periodOne ? 1 : 0) << name;
        EXPECT_EQ(f->PeriodApplies, name != "TCurveFittingFunction") << name;
    }
}

}  // namespace
}  // namespace fv
