// The chart engine's validation failures: one exception class per area, each with a fixed English text.
#pragma once

#include <stdexcept>
#include <string>

namespace fv {

struct ChartException : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace fv
