// The chart canvas' projection and its inverse, orthogonal and rotated, and text at depth.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "canvas_3d_fixture.h"

namespace fv {
namespace {

TEST(Projection, OrthogonalMovesOnePixelRightAndUpPerPixelOfDepthAndScalesAboutTheCentre) {
    struct Case { int zoom, hOffset, vOffset, x, y, z; Point want; const char* why; };
    const Case cases[] = {
        {100, 0, 0, 120, 80, 10, {130, 70}, "depth 10 moves right 10 and up 10"},
        {100, 0, 0, 200, 125, 0, {200, 125}, "the centre stays"},
        {50, 0, 0, 300, 225, 0, {250, 175}, "zoom 50 halves the distance from the centre"},
        {50, 0, 0, 201, 125, 0, {200, 125}, "half a pixel rounds to the even neighbour"},
        {50, 0, 0, 203, 125, 0, {202, 125}, "1.5 rounds up to 2"},
        {100, 7, -3, 120, 80, 0, {127, 77}, "the offsets shift the centre"},
        {200, 0, 0, 210, 130, 5, {230, 125}, "zoom 200 doubles depth too"},
    };
    for (const auto& c : cases) {
        Canvas3DFixture f;
        f.options.SetZoom(c.zoom);
        f.options.SetHorizOffset(c.hOffset);
        f.options.SetVertOffset(c.vOffset);
        f.Begin();
        EXPECT_EQ(f.Project(c.x, c.y, c.z), c.want) << c.why;
        // Back again, unless the zoom threw pixels away.
        if (c.zoom >= 100) {
            Point p = c.want;
            f.canvas.UnprojectPoint(p.X, p.Y, c.z);
            EXPECT_EQ(p, (Point{c.x, c.y})) << "round trip: " << c.why;
        }
    }
}

TEST(Projection, WithoutThreeDPointsStayAndDisablingKeepsTheOrthogonalShift) {
    Canvas3DFixture f;
    f.Begin({0, 0, 400, 250}, false);
    EXPECT_EQ(f.Project(120, 80, 10), (Point{120, 80})) << "a flat chart ignores depth";
    Canvas3DFixture g;
    g.Begin();
    g.canvas.Disable3D();
    EXPECT_EQ(g.Project(120, 80, 10), (Point{130, 70})) << "the orthogonal view stays in force";
    g.canvas.Restore3D();
    EXPECT_TRUE(g.canvas.Is3D);
}

// Elevation 345, rotation 345, tilt 0: x takes cos 15 of x and sin 15 of z, y takes cos 15 of y, a little
// of x and a quarter of z back.
TEST(Projection, RotatedViewFollowsTheAnglesAndItsInverseHoldsOnTheCentreLines) {
    Canvas3DFixture f;
    f.options.SetOrthogonal(false);
    f.Begin({0, 0, 400, 250}, true, 100);
    EXPECT_NEAR(f.canvas.XFromX, 0.96593, 1e-5);
    EXPECT_NEAR(f.canvas.XFromY, 0.0, 1e-12);
    EXPECT_NEAR(f.canvas.XFromZ, 0.25882, 1e-5);
    EXPECT_NEAR(f.canvas.YFromX, 0.06699, 1e-5);
    EXPECT_NEAR(f.canvas.YFromY, 0.96593, 1e-5);
    EXPECT_NEAR(f.canvas.YFromZ, -0.25, 1e-12);
    struct Case { int x, y, z; Point want; };
    const Case cases[] = {
        {200, 125, 50, {200, 125}},  // the centre of the cube
        {300, 125, 50, {297, 132}},  // 100 right: 96.6 right and 6.7 down
        {200, 225, 50, {200, 222}},  // 100 down
        {200, 125, 150, {226, 100}}, // 100 deeper: 25.9 right and 25 up
    };
    for (const auto& c : cases) EXPECT_EQ(f.Project(c.x, c.y, c.z), c.want) << c.x << "," << c.y << "," << c.z;
    // The inverse knows only the screen point, which stands in for the other coordinate: exact on the
    // centre lines, and within a few pixels over the whole chart.
    for (const auto& c : {cases[0], cases[2]}) {
        Point p = c.want;
        f.canvas.UnprojectPoint(p.X, p.Y, c.z);
        EXPECT_EQ(p, (Point{c.x, c.y}));
    }
    int worst = 0;
    for (int x = 0; x <= 400; x += 20)
        for (int y = 0; y <= 250; y += 25) {
            Point p = f.Project(x, y, 50);
            f.canvas.UnprojectPoint(p.X, p.Y, 50);
            worst = std::max({worst, std::abs(p.X - x), std::abs(p.Y - y)});
        }
    EXPECT_LE(worst, 15);
}

TEST(Projection, ASteepViewNeverGetsAZeroOrNegativeVerticalCoefficient) {
    for (int elevation : {90, 100, 180, 270}) {
        Canvas3DFixture f;
        f.options.SetOrthogonal(false);
        f.options.SetElevation(elevation);
        f.options.SetTilt(elevation == 270 ? 180 : 0);
        f.Begin();
        EXPECT_EQ(f.canvas.YFromY, 0.00001) << elevation;
    }
}

TEST(Projection, ZeroZoomLeavesTheInverseAlone) {
    Canvas3DFixture f;
    f.options.SetZoom(0);
    f.Begin();
    int x = 17, y = 33;
    f.canvas.UnprojectPoint(x, y, 5);
    EXPECT_EQ(x, 17);
    EXPECT_EQ(y, 33);
}

// Positions near the int range wrapped around to the other side of the picture; they now stay far off.
TEST(Projection, HugePositionsSaturateInsteadOfWrapping) {
    Canvas3DFixture f;
    f.Begin();
    EXPECT_EQ(f.Project(INT_MAX - 5, 0, INT_MAX).X, INT_MAX);
    // Far off on the side they were going (the centre is then added, saturating again).
    EXPECT_LT(f.Project(INT_MIN + 5, 0, -1000).X, INT_MIN / 2);
    EXPECT_LT(f.Project(0, INT_MIN, INT_MAX).Y, INT_MIN / 2);
    EXPECT_GT(f.Project(0, INT_MAX, -INT_MAX).Y, INT_MAX / 2);
    Canvas3DFixture r;
    r.options.SetOrthogonal(false);
    r.options.SetZoom(INT_MAX);
    r.Begin();
    Point p = r.Project(INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(p.X, INT_MAX);
    EXPECT_EQ(p.Y, INT_MAX);
    // The inverse of a far point divides by the smallest coefficient and still saturates.
    Canvas3DFixture s;
    s.options.SetOrthogonal(false);
    s.options.SetElevation(90);
    s.Begin();
    int x = 200, y = INT_MAX;
    s.canvas.UnprojectPoint(x, y, 0);
    EXPECT_EQ(y, INT_MAX);
}

TEST(Projection, TextAtDepthScalesItsFontWithTheZoomButNeverBelowOnePoint) {
    struct Case { int zoom, size; bool zoomText; int want; };
    const Case cases[] = {{50, 8, true, 4}, {50, 1, true, 1}, {200, 8, true, 16}, {50, 8, false, 8}, {100, 8, true, 8}};
    for (const auto& c : cases) {
        Canvas3DFixture f;
        f.options.SetZoom(c.zoom);
        f.options.SetZoomText(c.zoomText);
        f.Begin();
        Font font;
        font.Size = c.size;
        f.rec.SetFont(font);
        f.canvas.TextOutZ(200, 125, "Q", 10);
        auto texts = f.rec.Calls("Text");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].State.CanvasFont.Size, c.want) << "zoom " << c.zoom << " size " << c.size;
        EXPECT_EQ(texts[0].Points[0], f.Project(200, 125, 10));
        EXPECT_EQ(f.rec.GetFont().Size, c.size) << "the font is put back";
    }
}

TEST(Projection, RotatedTextTurnsTheFontAndClearsTheBrush) {
    struct Case { int angle, wantTenths; };
    const Case cases[] = {{90, 900}, {450, 900}, {360, 3600}, {0, 0}};
    for (const auto& c : cases) {
        Canvas3DFixture f;
        f.Begin();
        f.canvas.RotatedTextOut(10, 20, c.angle, "Axis");
        auto texts = f.rec.Calls("Text");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].State.CanvasFont.Angle, c.wantTenths) << c.angle;
        EXPECT_EQ(texts[0].State.CanvasBrush.Style, BrushStyle::Clear);
        EXPECT_EQ(f.rec.GetFont().Angle, 0);
    }
}

}  // namespace
}  // namespace fv
