// Colours as the program stores them: 32-bit numbers with red in the lowest byte, then green, then blue.
// Values with the top bit set name a system colour (window, button face...) that the view resolves.
#pragma once

#include <cstdint>

namespace fv {

using Color = std::int32_t;

constexpr Color RGB(int r, int g, int b) { return Color((r & 255) | ((g & 255) << 8) | ((b & 255) << 16)); }
constexpr int RedOf(Color c) { return c & 255; }
constexpr int GreenOf(Color c) { return (c >> 8) & 255; }
constexpr int BlueOf(Color c) { return (c >> 16) & 255; }

constexpr Color ClBlack = 0x000000, ClMaroon = 0x000080, ClGreen = 0x008000, ClOlive = 0x008080,
                ClNavy = 0x800000, ClPurple = 0x800080, ClTeal = 0x808000, ClGray = 0x808080,
                ClSilver = 0xC0C0C0, ClRed = 0x0000FF, ClLime = 0x00FF00, ClYellow = 0x00FFFF,
                ClBlue = 0xFF0000, ClFuchsia = 0xFF00FF, ClAqua = 0xFFFF00, ClWhite = 0xFFFFFF;

// System colours.
constexpr Color ClSystem = Color(0x80000000u);
constexpr Color ClBtnFace = Color(0x8000000Fu);
constexpr Color ClWindow = Color(0x80000005u);
constexpr Color ClWindowText = Color(0x80000008u);
constexpr Color ClBtnText = Color(0x80000012u);
constexpr Color ClHighlight = Color(0x8000000Du);
constexpr Color ClDefault = Color(0x20000000);

constexpr Color ClBtnShadow = Color(0x80000010u);
constexpr Color ClBtnHighlight = Color(0x80000014u);

constexpr bool IsSystemColor(Color c) { return (c & ClSystem) != 0; }

// The chart's automatic colour: "take the owner's default" (a wall's, a title's, a series' colour). It has
// the number of the first system colour, but the chart never means that one by it, so chart code resolves
// it with the two-argument `ResolveColor` against the owner's default before anything is drawn.
constexpr Color AutomaticColour = Color(0x80000000u);
// A value the chart keeps but does not draw.
constexpr Color NoColour = Color(0x1FFFFFFF);

// The plain RGB value of a system colour under the classic desktop scheme.
Color ResolveColor(Color c);
// The same, with the automatic colour standing for `automatic` (itself resolved).
Color ResolveColor(Color c, Color automatic);

}  // namespace fv
