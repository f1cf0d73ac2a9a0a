// Numbers in the chart editor's edits: read strictly (the whole text, or a conversion error the user
// sees) and written in their shortest exact form.
#pragma once

#include <string>

namespace fv {

// The number the whole text holds (blanks around it allowed); otherwise std::invalid_argument
// "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);
// False instead of the error.
bool TryStrToFloat(const std::string& text, double& value);
// The whole number the text holds (blanks and a leading "+" allowed); otherwise std::invalid_argument
// "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
// "2", "0.25", "1E20": the shortest text that reads back as the same number.
std::string FloatToStr(double value);

}  // namespace fv
