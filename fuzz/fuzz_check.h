// The check of a fuzz target's property: a property that does not hold ends the run as a finding, with the
// input saved by the fuzzer.
#pragma once

#include <cstdlib>

namespace fv {

inline void FuzzCheck(bool holds) {
    if (!holds) std::abort();
}

}  // namespace fv
