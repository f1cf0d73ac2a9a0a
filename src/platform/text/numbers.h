// Numbers read from typed text: the leading-integer rule of number fields, and numbers made of the digits
// found anywhere in a field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fv {

// Leading blanks, an optional sign, then decimal digits up to the first other character; 0 when there
// are no digits. Saturates at the limits of a 32-bit integer.
std::int32_t LeadingInteger(std::string_view text);

// The number the whole text holds, with blanks around it and a leading '+' allowed; false (and value
// untouched) for anything else, a number out of the type's range included. A double must be finite.
bool ReadWholeNumber(const std::string& text, int& value);
bool ReadWholeNumber(const std::string& text, double& value);

// The number formed by the digits and points of the text: "12.5 kg" 12.5, "1,250" 1250, "-7" 7.
// 0 when the text has none.
double DigitsToNumber(const std::string& text);
// As DigitsToNumber, but -99999 when the text has no digit and no point (so such values sort first).
double DigitsToSortNumber(const std::string& text);

}  // namespace fv
