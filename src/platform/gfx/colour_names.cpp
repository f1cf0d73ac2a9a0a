// Standard colour names and HTML colour texts.
#include "platform/gfx/colour_names.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "platform/gfx/color.h"
#include "platform/text/numbers.h"

namespace fv {

namespace {

// Names as views, so that a name is compared by its length before its letters.
struct NamedColour {
    std::string_view Name;
    Color Number;
};

constexpr std::array<NamedColour, 16> StandardColours{{
    {"Black", ClBlack}, {"Maroon", ClMaroon}, {"Green", ClGreen}, {"Olive", ClOlive},
    {"Navy", ClNavy}, {"Purple", ClPurple}, {"Teal", ClTeal}, {"Gray", ClGray},
    {"Silver", ClSilver}, {"Red", ClRed}, {"Lime", ClLime}, {"Yellow", ClYellow},
    {"Blue", ClBlue}, {"Fuchsia", ClFuchsia}, {"Aqua", ClAqua}, {"White", ClWhite},
}};

}  // namespace

const std::vector<std::string>& StandardColourNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const NamedColour& c : StandardColours) list.emplace_back(c.Name);
        return list;
    }();
    return names;
}

std::string ColourToName(std::int32_t colour) {
    for (const NamedColour& c : StandardColours)
        if (c.Number == colour) return std::string(c.Name);
    return std::to_string(colour);
}

std::int32_t NameToColour(const std::string& text) {
    for (const NamedColour& c : StandardColours)
        if (text == c.Name) return c.Number;
    return LeadingInteger(text);
}

std::string ColourToHTML(const std::string& text) {
    std::int32_t value = LeadingInteger(text);
    if (value == 0) return text;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", RedOf(value), GreenOf(value), BlueOf(value));
    return buf;
}

}  // namespace fv
