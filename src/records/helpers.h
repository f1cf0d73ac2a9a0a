// Small helpers used across the program: existence tests for files, colour numbers and names, HTML colour
// texts, the leading-integer rule for typed numbers, and numbers read from the digits of a field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fv {

class Application;

// A file or directory exists under this path; no message.
bool PathExists(const std::string& path);
// The path names a file that opens for reading. A directory is not a file here.
bool FileExistsQuiet(const std::string& path);
// As FileExistsQuiet, but when the file is missing: exclamation beep and
// "The File [path] has not been located.".
bool FileExistsOrWarn(Application& app, const std::string& path);

// Leading blanks, an optional sign, then decimal digits up to the first other character; 0 when there
// are no digits. Saturates at the limits of a 32-bit integer.
std::int32_t LeadingInteger(const std::string& text);

// The sixteen standard colour names in their order ("Black" ... "White").
const std::vector<std::string>& StandardColourNames();
// The standard name of one of the 16 colours, else the number in decimal.
std::string ColourToName(std::int32_t colour);
// The number of a standard colour name (exact case), else the text's leading integer.
std::int32_t NameToColour(const std::string& text);
// A colour text as HTML wants it: unchanged when it reads as 0 (so names pass through), else "#rrggbb".
std::string ColourToHTML(const std::string& text);

// The number formed by the digits and points of the text: "12.5 kg" 12.5, "1,250" 1250, "-7" 7.
// 0 when the text has none.
double DigitsToNumber(const std::string& text);
// As DigitsToNumber, but -99999 when the text has no digit and no point (so such values sort first).
double DigitsToSortNumber(const std::string& text);

}  // namespace fv
