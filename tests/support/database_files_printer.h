// Shows a database's file names in a failed expectation as the four names, not as bytes.
#pragma once

#include <ostream>

#include "records/database_names.h"

namespace fv {

inline void PrintTo(const DatabaseFiles& f, std::ostream* os) {
    *os << "{" << f.DatabaseFileName << ", " << f.ConfigFileName << ", " << f.ChartFileName << ", "
        << f.RepublishFileName << "}";
}

}  // namespace fv
