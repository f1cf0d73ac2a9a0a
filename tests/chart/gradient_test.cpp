// Gradients of every direction and size, painted from the recorded fills into a grid of pixels.
#include <gtest/gtest.h>

#include <vector>

#include "canvas_3d_fixture.h"

namespace fv {
namespace {

constexpr TColor First = RGB(255, 0, 0), Second = RGB(0, 0, 255), Unpainted = -1;

// The fills of a gradient over r, painted in order into r's pixels.
struct Painted {
    int w, h;
    std::vector<TColor> px;
    std::size_t fills = 0;
    bool outside = false;
    TColor At(int x, int y) const { return px[std::size_t(y) * w + x]; }
};

Painted Paint(const PixelRect& r, TGradientDirection d) {
    Canvas3DFixture f;
    f.Begin(r, false);
    f.rec.SetBrush({ClGreen, BrushStyle::Cross, nullptr});
    f.canvas.GradientFill(r, First, d, Second);
    Painted p{r.Width(), r.Height(), std::vector<TColor>(std::size_t(std::max(0, r.Width() * r.Height())), Unpainted)};
    for (const auto& c : f.rec.Calls()) {
        EXPECT_EQ(c.Op, "FillRect");
        ++p.fills;
        for (int y = c.Points[0].Y; y < c.Points[1].Y; ++y)
            for (int x = c.Points[0].X; x < c.Points[1].X; ++x) {
                if (!r.Contains({x, y})) {
                    p.outside = true;
                    continue;
                }
                p.px[std::size_t(y - r.Top) * p.w + (x - r.Left)] = c.State.CanvasBrush.BrushColor;
            }
    }
    EXPECT_EQ(f.rec.GetBrush().Style, BrushStyle::Cross) << "the brush is put back";
    return p;
}

const TGradientDirection AllDirections[] = {
    TGradientDirection::gdTopBottom,  TGradientDirection::gdBottomTop,   TGradientDirection::gdLeftRight,
    TGradientDirection::gdRightLeft,  TGradientDirection::gdFromCenter,  TGradientDirection::gdFromTopLeft,
    TGradientDirection::gdFromBottomLeft};

TEST(Gradient, EverySizeAndDirectionCoversItsRectangleExactly) {
    const PixelRect rects[] = {{5, 7, 5, 7},    {5, 7, 6, 8},     {5, 7, 7, 9},    {5, 7, 15, 17},
                               {0, 0, 13, 1000}, {0, 0, 1000, 13}, {3, 0, 4, 10},  {0, 3, 10, 4}};
    for (const PixelRect& r : rects)
        for (auto d : AllDirections) {
            Painted p = Paint(r, d);
            SCOPED_TRACE(testing::Message() << r.Width() << "x" << r.Height() << " direction " << int(d));
            EXPECT_FALSE(p.outside);
            for (TColor c : p.px) ASSERT_NE(c, Unpainted);
            if (r.Empty()) {
                EXPECT_EQ(p.fills, 0u);
            }
        }
}

// One band has no second step to divide towards: the first colour fills it (before, a division by zero).
TEST(Gradient, ASingleBandIsTheFirstColour) {
    const PixelRect rects[] = {{0, 0, 1, 1}, {0, 0, 50, 1}, {0, 0, 1, 50}};
    for (const PixelRect& r : rects)
        for (auto d : AllDirections) {
            bool single = r.Width() == 1 && r.Height() == 1;
            single = single || ((d == TGradientDirection::gdTopBottom || d == TGradientDirection::gdBottomTop) && r.Height() == 1);
            single = single || ((d == TGradientDirection::gdLeftRight || d == TGradientDirection::gdRightLeft) && r.Width() == 1);
            if (!single) continue;
            Painted p = Paint(r, d);
            for (TColor c : p.px) EXPECT_EQ(c, First) << r.Width() << "x" << r.Height() << " direction " << int(d);
        }
}

TEST(Gradient, BandsRunFromTheFirstColourAtTheBottomOrRightToTheSecond) {
    struct Case { int size; std::size_t bands; };
    const Case cases[] = {{2, 2}, {10, 10}, {1000, 256}};
    for (const auto& c : cases) {
        Painted v = Paint({0, 0, 4, c.size}, TGradientDirection::gdTopBottom);
        EXPECT_EQ(v.fills, c.bands) << c.size;
        EXPECT_EQ(v.At(0, c.size - 1), First);
        EXPECT_EQ(v.At(3, 0), Second);
        Painted h = Paint({0, 0, c.size, 4}, TGradientDirection::gdRightLeft);
        EXPECT_EQ(h.fills, c.bands) << c.size;
        EXPECT_EQ(h.At(c.size - 1, 0), First);
        EXPECT_EQ(h.At(0, 3), Second);
    }
    // Ten rows, ten colours, red falling and blue rising from the bottom up.
    Painted ten = Paint({0, 0, 1, 10}, TGradientDirection::gdBottomTop);
    for (int y = 9; y > 0; --y) {
        EXPECT_GT(RedOf(ten.At(0, y)), RedOf(ten.At(0, y - 1)));
        EXPECT_LT(BlueOf(ten.At(0, y)), BlueOf(ten.At(0, y - 1)));
    }
}

TEST(Gradient, CentreAndCornerGradientsStartWithTheFirstColourOutsideOrAtTheirCorner) {
    Painted c = Paint({0, 0, 10, 10}, TGradientDirection::gdFromCenter);
    EXPECT_EQ(c.At(0, 0), First);
    EXPECT_EQ(c.At(9, 5), First) << "the outer ring is two pixels thick";
    EXPECT_EQ(c.At(8, 5), First);
    EXPECT_NE(c.At(7, 5), First);
    EXPECT_GT(BlueOf(c.At(5, 5)), BlueOf(c.At(7, 5))) << "towards the second colour inwards";

    Painted tl = Paint({0, 0, 10, 10}, TGradientDirection::gdFromTopLeft);
    EXPECT_EQ(tl.At(0, 0), First);
    EXPECT_EQ(tl.At(3, 0), tl.At(3, 3)) << "one L-shaped stroke";
    EXPECT_EQ(tl.At(0, 3), tl.At(3, 3));
    EXPECT_GT(BlueOf(tl.At(9, 9)), BlueOf(tl.At(5, 5)));

    Painted bl = Paint({0, 0, 10, 10}, TGradientDirection::gdFromBottomLeft);
    EXPECT_EQ(bl.At(0, 9), First);
    EXPECT_EQ(bl.At(3, 9), bl.At(3, 6));
    EXPECT_GT(BlueOf(bl.At(9, 0)), BlueOf(bl.At(5, 4)));
}

TEST(Gradient, AReversedRectangleIsPutRight) {
    Canvas3DFixture f;
    f.Begin();
    f.canvas.GradientFill({0, 10, 4, 0}, First, TGradientDirection::gdTopBottom, Second);
    EXPECT_EQ(f.rec.Calls().size(), 10u);
    EXPECT_EQ(f.rec.Calls().front().ToString(), "FillRect (0,9) (4,10)");
}

}  // namespace
}  // namespace fv
