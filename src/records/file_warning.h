// The warning for a file the program needs and cannot find.
#pragma once

#include <string>

namespace fv {

class Application;

// The path names a file that opens for reading; when it does not: exclamation beep and
// "The File [path] has not been located.".
bool FileExistsOrWarn(Application& app, const std::string& path);

}  // namespace fv
