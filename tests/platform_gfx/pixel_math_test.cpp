// Pixel arithmetic: the rounding rules and that nothing overflows.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "platform/gfx/pixel_math.h"

namespace fv {
namespace {

TEST(PixelMath, MulDivRoundsHalvesAwayFromZeroAndGuardsItsDivisor) {
    struct Case { int a, b, c, want; const char* why; };
    const Case cases[] = {
        {3, 400, 100, 12, "a margin of 3 percent of 400 pixels"},
        {4, 250, 100, 10, "a margin of 4 percent of 250 pixels"},
        {1, 1, 2, 1, "a half rounds up"},
        {-1, 1, 2, -1, "a negative half rounds away from zero"},
        {1, -3, 2, -2, "-1.5 rounds to -2"},
        {5, 1, -2, -3, "-2.5 with a negative divisor rounds to -3"},
        {1, 1, 3, 0, "a third rounds down"},
        {2, 1, 3, 1, "two thirds round up"},
        {7, 5, 0, 0, "a zero divisor gives no step instead of a trap"},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, "the product needs 64 bits"},
        {INT_MAX, INT_MAX, 1, INT_MAX, "a quotient above the range saturates"},
        {INT_MIN, INT_MAX, 1, INT_MIN, "and below it"},
        {INT_MIN, -1, 1, INT_MAX, "-INT_MIN does not wrap"},
    };
    for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.want) << c.why;
}

TEST(PixelMath, RoundPixelTakesHalvesToTheEvenNeighbourAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { double v; int want; };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
        {1e300, INT_MAX}, {-1e300, INT_MIN}, {inf, INT_MAX}, {-inf, INT_MIN}, {std::nan(""), 0},
        {2147483646.6, INT_MAX}, {-2147483648.4, INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundPixel(c.v), c.want) << c.v;
}

TEST(PixelMath, TruncPixelDropsTheFractionAndSaturates) {
    EXPECT_EQ(TruncPixel(2.9), 2);
    EXPECT_EQ(TruncPixel(-2.9), -2);
    EXPECT_EQ(TruncPixel(3e10), INT_MAX);
    EXPECT_EQ(TruncPixel(-3e10), INT_MIN);
    EXPECT_EQ(TruncPixel(std::nan("")), 0);
}

TEST(PixelMath, SumsOfPositionsSaturate) {
    EXPECT_EQ(AddPixels(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(AddPixels(INT_MIN, -1), INT_MIN);
    EXPECT_EQ(SubPixels(INT_MIN, 1), INT_MIN);
    EXPECT_EQ(SubPixels(5, 7), -2);
}

TEST(PixelMath, TheMiddleOfTwoPositionsNeverOverflows) {
    struct Case {
        int a, b, middle;
        const char* why;
    } cases[] = {
        {4, 10, 7, "an even sum"},
        {4, 9, 6, "an odd sum rounds toward zero"},
        {-4, -9, -6, "below zero too, as a / 2 does"},
        {INT_MAX, INT_MAX, INT_MAX, "two positions far off the picture (a 3D point's depths)"},
        {INT_MIN, INT_MIN, INT_MIN, "the same on the other side"},
        {INT_MIN, INT_MAX, 0, "the two ends"},
    };
    for (const Case& c : cases) EXPECT_EQ(MidPixel(c.a, c.b), c.middle) << c.why;
}

}  // namespace
}  // namespace fv
