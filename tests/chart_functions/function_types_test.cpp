// The table of standard functions that the registry receives: order, texts and the classes made.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "chart/functions/basic_functions.h"
#include "chart/functions/curve_fitting.h"
#include "chart/functions/function_types.h"
#include "chart/functions/moving_functions.h"

namespace fv {
namespace {

TEST(FunctionTypes, RegisteredInGalleryOrder) {
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
    std::vector<const FunctionTypeInfo*> registered;
    RegisterStandardFunctions([&](const FunctionTypeInfo& t) { registered.push_back(&t); });
    ASSERT_EQ(registered.size(), std::size(expected));
    for (std::size_t i = 0; i < registered.size(); ++i) {
        const FunctionTypeInfo& t = *registered[i];
        const Expected& e = expected[i];
        EXPECT_STREQ(t.ClassName, e.className);
        EXPECT_STREQ(t.Description, e.description);
        EXPECT_STREQ(t.GalleryPage, "Functions");
        EXPECT_EQ(t.NumGallerySeries, e.count) << e.className;
        std::unique_ptr<TChartFunction> made = t.Create();
        ASSERT_TRUE(made);
        EXPECT_EQ(typeid(*made), e.type) << e.className;
        EXPECT_EQ(FindFunctionType(e.className), &t);
    }
    EXPECT_EQ(FindFunctionType("TNoSuchFunction"), nullptr);
}

TEST(FunctionTypes, ConstructionSettings) {
    // The moving functions and the running total start with a period of one point; the others over all.
    for (const FunctionTypeInfo& t : StandardFunctionTypes()) {
        std::unique_ptr<TChartFunction> f = t.Create();
        const std::string name = t.ClassName;
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
