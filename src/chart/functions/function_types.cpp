// The table of the standard calculated functions.
#include "chart/functions/function_types.h"

#include <string>

#include "chart/functions/basic_functions.h"
#include "chart/functions/curve_fitting.h"
#include "chart/functions/moving_functions.h"

namespace fv {

namespace {

template <class T> std::unique_ptr<TChartFunction> Make() { return std::make_unique<T>(); }

constexpr const char* Functions = "Functions";

const FunctionTypeInfo Types[] = {
    {"TAddChartFunction", "Add", Functions, 2, Make<TAddChartFunction>},
    {"TSubtractChartFunction", "Subtract", Functions, 2, Make<TSubtractChartFunction>},
    {"TMultiplyChartFunction", "Multiply", Functions, 2, Make<TMultiplyChartFunction>},
    {"TDivideChartFunction", "Divide", Functions, 2, Make<TDivideChartFunction>},
    {"THighChartFunction", "High", Functions, 2, Make<THighChartFunction>},
    {"TLowChartFunction", "Low", Functions, 2, Make<TLowChartFunction>},
    {"TAverageChartFunction", "Average", Functions, 2, Make<TAverageChartFunction>},
    {"TCumulative", "Cumulative", Functions, 2, Make<TCumulative>},
    {"TCountChartFunction", "Count", Functions, 2, Make<TCountChartFunction>},
    {"TCurveFittingFunction", "Curve Fitting", Functions, 2, Make<TCurveFittingFunction>},
    {"TTrendFunction", "Trend", Functions, 1, Make<TTrendFunction>},
    {"TMovingAverageFunction", "Moving Average", Functions, 2, Make<TMovingAverageFunction>},
    {"TExpAverageFunction", "Exp. Average", Functions, 2, Make<TExpAverageFunction>},
    {"TRSIFunction", "R.S.I.", Functions, 2, Make<TRSIFunction>},
    {"TMomentumFunction", "Momentum", Functions, 2, Make<TMomentumFunction>},
    {"TStdDeviationFunction", "Std.Deviation", Functions, 2, Make<TStdDeviationFunction>},
};

}  // namespace

std::span<const FunctionTypeInfo> StandardFunctionTypes() { return Types; }

const FunctionTypeInfo* FindFunctionType(const std::string& className) {
    for (const FunctionTypeInfo& t : Types)
        if (className == t.ClassName) return &t;
    return nullptr;
}

void RegisterStandardFunctions(const std::function<void(const FunctionTypeInfo&)>& registerType) {
    for (const FunctionTypeInfo& t : Types) registerType(t);
}

}  // namespace fv
