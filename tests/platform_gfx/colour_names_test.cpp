// Colours as texts: the standard names both ways, other texts by their leading number, HTML colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/colour_names.h"

namespace fv {
namespace {

struct NamedColour {
    const char* name;
    std::int32_t number;
};

// The sixteen standard colours, red in the lowest byte.
const std::vector<NamedColour> StandardColours = {
    {"Black", 0},          {"Maroon", 0x80},       {"Green", 0x8000},       {"Olive", 0x8080},
    {"Navy", 0x800000},    {"Purple", 0x800080},   {"Teal", 0x808000},      {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},  {"Red", 0xFF},          {"Lime", 0xFF00},        {"Yellow", 0xFFFF},
    {"Blue", 0xFF0000},    {"Fuchsia", 0xFF00FF},  {"Aqua", 0xFFFF00},      {"White", 0xFFFFFF},
};

TEST(Colours, EveryStandardNameConvertsBothWays) {
    EXPECT_EQ(NameToColour("Blue"), 16711680);
    for (const NamedColour& c : StandardColours) {
        EXPECT_EQ(NameToColour(c.name), c.number) << c.name;
        EXPECT_EQ(ColourToName(c.number), c.name) << c.number;
        EXPECT_EQ(ColourToName(NameToColour(c.name)), c.name);
        EXPECT_EQ(NameToColour(ColourToName(c.number)), c.number);
    }
}

TEST(Colours, OtherNamesReadAsTheirLeadingNumber) {
    struct Case {
        std::string text;
        std::int32_t colour;
    };
    const std::vector<Case> cases = {
        {"blue", 0}, {"BLUE", 0}, {"Blue ", 0}, {" Blue", 0}, {"Crimson", 0}, {"", 0},
        {"1234567", 1234567}, {"  255", 255}, {"65280abc", 65280}, {"-1", -1}, {"+128", 128},
    };
    for (const Case& c : cases) EXPECT_EQ(NameToColour(c.text), c.colour) << '"' << c.text << '"';

    EXPECT_EQ(ColourToName(1234567), "1234567");
    EXPECT_EQ(ColourToName(1), "1");
    EXPECT_EQ(ColourToName(16777214), "16777214");
}

TEST(Colours, ColourToHtmlGivesRedGreenBlueInLowerCaseHexOrTheTextItself) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0", "0"},
        {"Navy", "Navy"},        // a name reads as 0 and passes through
        {"White", "White"},
        {"", ""},
        {"128", "#800000"},
        {"255", "#ff0000"},
        {"65280", "#00ff00"},
        {"16711680", "#0000ff"},
        {"8421504", "#808080"},
        {"16777215", "#ffffff"},
        {"1", "#010000"},
        {"1193046", "#563412"},  // 0x123456: red 0x56, green 0x34, blue 0x12
        {" 12632256", "#c0c0c0"},
    };
    for (const auto& [text, html] : cases) EXPECT_EQ(ColourToHTML(text), html) << '"' << text << '"';
}

}  // namespace
}  // namespace fv
