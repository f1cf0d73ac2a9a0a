// Colour resolution: the bevel colours and the chart's automatic colour.
#include <gtest/gtest.h>

#include "platform/gfx/color.h"

namespace fv {
namespace {

TEST(Color, BevelColoursResolveToALitAndADarkSide) {
    // A raised frame is the highlight on the top-left and the shadow on the bottom-right; if both came out
    // as the button face, no bevel could be seen at all.
    EXPECT_EQ(ResolveColor(ClBtnHighlight), ClWhite);
    EXPECT_EQ(ResolveColor(ClBtnShadow), ClGray);
    EXPECT_EQ(ResolveColor(ClBtnFace), RGB(212, 208, 200));
}

TEST(Color, TheAutomaticColourTakesTheOwnersDefault) {
    struct Case { Color c, automatic, want; const char* why; };
    const Case cases[] = {
        {AutomaticColour, Color(0x80FFFF), Color(0x80FFFF), "a left wall's default"},
        {AutomaticColour, ClBtnFace, RGB(212, 208, 200), "a default that is a system colour is resolved"},
        {ClRed, ClBlue, ClRed, "a set colour stays"},
        {AutomaticColour, AutomaticColour, RGB(212, 208, 200), "an automatic default does not loop"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveColor(c.c, c.automatic), c.want) << c.why;
    EXPECT_FALSE(IsSystemColor(NoColour));
}

}  // namespace
}  // namespace fv
