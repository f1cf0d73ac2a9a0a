// Where the pictures and pages that ship with the program are found: the resources/ folder beside the
// executable (the installed layout), else the source tree's resources/ (tests and uninstalled builds).
#pragma once

#include <string>

namespace fv {

std::string ResourceDirectory();
// The full path of a shipped file; it may not exist.
std::string ResourcePath(const std::string& fileName);

}  // namespace fv
