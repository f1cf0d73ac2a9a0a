// The exceptions of the chart engine: a validation that fails raises ChartException with a fixed English
// message; an index past the points of a series or a value list raises ListIndexError.
#pragma once

#include <stdexcept>
#include <string>

namespace fv {

class ChartException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ListIndexError : public std::out_of_range {
public:
    explicit ListIndexError(long long index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

}  // namespace fv
