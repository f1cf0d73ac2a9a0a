// Colours as texts: the sixteen standard colour names the settings store, and colours as HTML writes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fv {

// The sixteen standard colour names in their order ("Black" ... "White").
const std::vector<std::string>& StandardColourNames();
// The standard name of one of the 16 colours, else the number in decimal.
std::string ColourToName(std::int32_t colour);
// The number of a standard colour name (exact case), else the text's leading integer.
std::int32_t NameToColour(const std::string& text);
// A colour text as HTML wants it: unchanged when it reads as 0 (so names pass through), else "#rrggbb".
std::string ColourToHTML(const std::string& text);

}  // namespace fv
