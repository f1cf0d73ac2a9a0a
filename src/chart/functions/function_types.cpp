// The standard calculated functions' registration and property tables.
#include "chart/functions/function_types.h"

#include <cstdint>
#include <limits>

#include "chart/chart_properties.h"
#include "chart/functions/basic_functions.h"
#include "chart/series_types.h"

namespace fv {

namespace {

const EnumNames<TTypeFitting> TypeFittingNames = {{cfPolynomial, "cfPolynomial"}};

constexpr std::int32_t AnyInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t AnyInt32High = std::numeric_limits<std::int32_t>::max();

// One function of the gallery: its class name, gallery text and sample series, and how its class
// registers (with its own table, or with the period settings alone).
struct StandardFunction {
    const char* ClassName;
    const char* Description;
    int NumGallerySeries;
    const ChartClass* (*RegisterClass)(const char* className);
};

template <class T> const ChartClass* WithPeriodOnly(const char* className) {
    return RegisterChartClass<T>(className, FunctionProperties());
}
template <class T, const auto& (*Table)()> const ChartClass* WithTable(const char* className) {
    return RegisterChartClass<T>(className, Table());
}

const StandardFunction StandardFunctions[] = {
    {"TAddChartFunction", "Add", 2, WithPeriodOnly<TAddChartFunction>},
    {"TSubtractChartFunction", "Subtract", 2, WithPeriodOnly<TSubtractChartFunction>},
    {"TMultiplyChartFunction", "Multiply", 2, WithPeriodOnly<TMultiplyChartFunction>},
    {"TDivideChartFunction", "Divide", 2, WithPeriodOnly<TDivideChartFunction>},
    {"THighChartFunction", "High", 2, WithPeriodOnly<THighChartFunction>},
    {"TLowChartFunction", "Low", 2, WithPeriodOnly<TLowChartFunction>},
    {"TAverageChartFunction", "Average", 2, WithPeriodOnly<TAverageChartFunction>},
    {"TCumulative", "Cumulative", 2, WithPeriodOnly<TCumulative>},
    {"TCountChartFunction", "Count", 2, WithPeriodOnly<TCountChartFunction>},
    {"TCurveFittingFunction", "Curve Fitting", 2, WithTable<TCurveFittingFunction, CurveFittingProperties>},
    {"TTrendFunction", "Trend", 1, WithPeriodOnly<TTrendFunction>},
    {"TMovingAverageFunction", "Moving Average", 2, WithPeriodOnly<TMovingAverageFunction>},
    {"TExpAverageFunction", "Exp. Average", 2, WithTable<TExpAverageFunction, ExpAverageProperties>},
    {"TRSIFunction", "R.S.I.", 2, WithPeriodOnly<TRSIFunction>},
    {"TMomentumFunction", "Momentum", 2, WithPeriodOnly<TMomentumFunction>},
    {"TStdDeviationFunction", "Std.Deviation", 2, WithTable<TStdDeviationFunction, StdDeviationProperties>},
};

}  // namespace

const PropertyTable<TExpAverageFunction>& ExpAverageProperties() {
    static const PropertyTable<TExpAverageFunction> table = [] {
        using F = TExpAverageFunction;
        PropertyTable<F> t;
        t.Inherit(FunctionProperties());
        t.Double("Weight", &F::Weight, &F::SetWeight);
        return t;
    }();
    return table;
}

const PropertyTable<TStdDeviationFunction>& StdDeviationProperties() {
    static const PropertyTable<TStdDeviationFunction> table = [] {
        using F = TStdDeviationFunction;
        PropertyTable<F> t;
        t.Inherit(FunctionProperties());
        t.Bool("Complete", &F::Complete, &F::SetComplete);
        return t;
    }();
    return table;
}

const PropertyTable<TCustomFittingFunction>& CurveFittingProperties() {
    static const PropertyTable<TCustomFittingFunction> table = [] {
        using F = TCustomFittingFunction;
        PropertyTable<F> t;
        t.Inherit(FunctionProperties());
        t.Int("PolyDegree", &F::PolyDegree, &F::SetPolyDegree, 1, MaxPolyCoefficients);
        t.Enum("TypeFitting", &F::TypeFitting, &F::SetTypeFitting, TypeFittingNames);
        t.Int("FirstPoint", &F::FirstPoint, &F::SetFirstPoint, AnyInt32Low, AnyInt32High);
        t.Int("LastPoint", &F::LastPoint, &F::SetLastPoint, AnyInt32Low, AnyInt32High);
        t.Int("FirstCalcPoint", &F::FirstCalcPoint, &F::SetFirstCalcPoint, AnyInt32Low, AnyInt32High);
        t.Int("LastCalcPoint", &F::LastCalcPoint, &F::SetLastCalcPoint, AnyInt32Low, AnyInt32High);
        return t;
    }();
    return table;
}

void RegisterStandardFunctions() {
    for (const StandardFunction& f : StandardFunctions)
        RegisterFunctionType(f.RegisterClass(f.ClassName), f.Description, "Functions", f.NumGallerySeries);
}

void UnregisterStandardFunctions() {
    for (const StandardFunction& f : StandardFunctions) UnregisterChartClass(f.ClassName);
}

}  // namespace fv
