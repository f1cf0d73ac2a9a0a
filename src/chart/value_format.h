// Number and date texts of the chart's labels, from format masks.
//
// Number masks: an optional literal prefix and suffix around a pattern of `0` (a digit always shown),
// `#` (a digit shown when needed), `,` (group thousands) and `.` (the decimal point); a second section
// after `;` formats negative values without their sign. Date masks: d dd ddd dddd, m mm mmm mmmm,
// yy yyyy, h hh, n nn (minutes; `m` right after an hour means minutes too), s ss, am/pm, `/` and `:`
// (written as themselves), and text in quotes. Number separators come from the locale the caller passes,
// so a test fixes them.
#pragma once

#include <string>

#include "chart/chart_units.h"

namespace fv {

std::string FormatNumber(double value, const std::string& mask, const ChartLocaleInfo& locale = ChartLocale());
// A value that is not a date in the years 1 to 9999 gives an empty text.
std::string FormatDateTime(double value, const std::string& mask);

}  // namespace fv
