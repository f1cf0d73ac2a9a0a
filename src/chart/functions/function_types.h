// The standard calculated functions in the series-type registry: each class with the settings a chart
// file keeps of it (its property table), and its entry in the gallery.
#pragma once

#include "chart/functions/curve_fitting.h"
#include "chart/functions/moving_functions.h"
#include "platform/stream/property_table.h"

namespace fv {

// The period settings of every function and the function's own.
const PropertyTable<TExpAverageFunction>& ExpAverageProperties();
const PropertyTable<TStdDeviationFunction>& StdDeviationProperties();
const PropertyTable<TCustomFittingFunction>& CurveFittingProperties();

// Registers every standard function for chart files and the gallery, in the gallery's order: Add,
// Subtract, Multiply, Divide, High, Low, Average, Cumulative, Count, Curve Fitting, Trend, Moving
// Average, Exp. Average, R.S.I., Momentum, Std.Deviation. A second call changes nothing.
void RegisterStandardFunctions();
// Removes the standard functions' classes and gallery entries again.
void UnregisterStandardFunctions();

}  // namespace fv
