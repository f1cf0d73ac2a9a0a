// The solids and frames of the chart canvas, as the 2D calls they send down.
#include <gtest/gtest.h>

#include <climits>
#include <numbers>

#include "canvas_3d_fixture.h"

namespace fv {
namespace {

// A fixture centred on the origin, so that orthogonal points move by exactly (+z, -z).
struct Solids : Canvas3DFixture {
    Solids() {
        Begin({-200, -125, 200, 125});
        rec.SetBrush({ClSilver, BrushStyle::Solid, nullptr});
    }
};

TEST(Solids, ACubeIsItsFrontRightAndTopFacesWithTheSidesDarkened) {
    Solids f;
    f.canvas.Cube(10, 50, 20, 60, 0, 10, true);
    auto faces = f.rec.Calls("Polygon");
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0].ToString(), "Polygon (10,20) (50,20) (50,60) (10,60)");
    EXPECT_EQ(faces[1].ToString(), "Polygon (50,20) (60,10) (60,50) (50,60)");
    EXPECT_EQ(faces[2].ToString(), "Polygon (10,20) (50,20) (60,10) (20,10)");
    EXPECT_EQ(faces[0].State.CanvasBrush.BrushColor, ClSilver);
    EXPECT_EQ(faces[1].State.CanvasBrush.BrushColor, RGB(64, 64, 64)) << "192 - 128";
    EXPECT_EQ(faces[2].State.CanvasBrush.BrushColor, ClGray) << "192 - 64";
    EXPECT_EQ(f.rec.GetBrush().BrushColor, ClSilver) << "the next cube starts from the same colour";

    Solids light;
    light.canvas.Cube(10, 50, 20, 60, 0, 10, false);
    for (const auto& face : light.rec.Calls("Polygon")) EXPECT_EQ(face.State.CanvasBrush.BrushColor, ClSilver);
}

TEST(Solids, AHatchedFaceDarkensItsBackgroundAndChannelsStopAtZero) {
    Solids f;
    f.rec.SetBrush({ClRed, BrushStyle::Cross, nullptr});
    f.rec.SetBackColor(RGB(200, 100, 50));
    f.canvas.Cube(0, 10, 0, 10, 0, 5, true);
    auto faces = f.rec.Calls("Polygon");
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[1].State.BackColor, RGB(72, 0, 0));
    EXPECT_EQ(faces[2].State.BackColor, RGB(136, 36, 0));
    EXPECT_EQ(faces[1].State.CanvasBrush.BrushColor, ClRed);
}

TEST(Solids, AnEllipseAtDepthInARotatedViewIsAFanAndAnOutline) {
    Canvas3DFixture f;
    f.options.SetOrthogonal(false);
    f.Begin();
    f.rec.SetBrush({ClBlue, BrushStyle::Solid, nullptr});
    f.canvas.EllipseZ(100, 100, 140, 120, 20);
    auto fan = f.rec.Calls("Polygon");
    ASSERT_EQ(fan.size(), 30u);
    for (const auto& t : fan) {
        EXPECT_EQ(t.Points.size(), 3u);
        EXPECT_EQ(t.Points[0], f.Project(120, 110, 20)) << "from the centre";
        EXPECT_EQ(t.State.CanvasPen.Style, PenStyle::Clear);
    }
    auto outline = f.rec.Calls("Polyline");
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(outline[0].Points.size(), 32u);
    EXPECT_EQ(outline[0].Points[0], f.Project(120, 120, 20)) << "angle 0 is the bottom of the box";
    EXPECT_EQ(outline[0].Points[20], outline[0].Points[0]) << "20 steps of 18 degrees close it";
    EXPECT_EQ(outline[0].State.CanvasPen.Style, PenStyle::Solid);

    Canvas3DFixture o;  // orthogonal: a plain ellipse between the projected corners
    o.Begin({-200, -125, 200, 125});
    o.canvas.EllipseZ(0, 0, 40, 20, 5);
    EXPECT_EQ(o.rec.Lines(), (std::vector<std::string>{"Ellipse (5,-5) (45,15)"}));
}

TEST(Solids, APieSliceShowsOnlyTheWallsThatFaceTheViewer) {
    const double pi = std::numbers::pi;
    {
        // Upper right quarter: its curved wall faces the viewer, its two flat walls do not.
        Solids f;
        f.canvas.PieSliceZ(0, 0, 50, 50, 0, pi / 2, 0, 10, true, true);
        auto polys = f.rec.Calls("Polygon");
        ASSERT_EQ(polys.size(), 2u);
        EXPECT_EQ(polys[0].Points.size(), 33u) << "the front: the centre and 32 arc points";
        EXPECT_EQ(polys[0].Points[1], (Point{50, 0}));
        EXPECT_EQ(polys[0].Points[32], (Point{0, -50}));
        EXPECT_EQ(polys[1].Points.size(), 64u) << "the whole arc faces";
        EXPECT_EQ(polys[1].State.CanvasBrush.BrushColor, RGB(160, 160, 160));
    }
    {
        // Lower left quarter: both flat walls face the viewer, the curved one does not.
        Solids f;
        f.canvas.PieSliceZ(0, 0, 50, 50, pi, 1.5 * pi, 0, 10, true, false);
        auto polys = f.rec.Calls("Polygon");
        ASSERT_EQ(polys.size(), 3u);
        EXPECT_EQ(polys[0].ToString(), "Polygon (0,0) (-50,0) (-40,-10) (10,-10)");
        EXPECT_EQ(polys[1].ToString(), "Polygon (0,50) (0,0) (10,-10) (10,40)");
        EXPECT_EQ(polys[2].Points.size(), 33u);
    }
}

TEST(Solids, ACylinderDrawsItsFacingPanelsThenItsEnd) {
    Solids f;
    f.canvas.Cylinder(true, 0, 0, 40, 100, 0, 20, true);
    auto polys = f.rec.Calls("Polygon");
    ASSERT_GE(polys.size(), 2u);
    ASSERT_LT(polys.size(), 16u) << "panels turned away are left out";
    for (std::size_t i = 0; i + 1 < polys.size(); ++i) {
        EXPECT_EQ(polys[i].Points.size(), 4u);
        int shade = std::max(0, 192 - 16 * int(i));
        EXPECT_EQ(polys[i].State.CanvasBrush.BrushColor, RGB(shade, shade, shade)) << "panel " << i;
    }
    EXPECT_EQ(polys.back().Points.size(), 16u);
    EXPECT_EQ(polys.back().State.CanvasBrush.BrushColor, RGB(128, 128, 128));
}

TEST(Solids, APyramidIsAFrontAndASideTriangleAndAFlatOneIsItsBase) {
    Solids f;
    f.canvas.Pyramid(true, 0, 0, 40, 100, 0, 20, false);
    auto polys = f.rec.Calls("Polygon");
    ASSERT_GE(polys.size(), 2u);
    EXPECT_EQ(polys[0].ToString(), "Polygon (0,100) (40,100) (30,-10)");
    EXPECT_EQ(polys[1].ToString(), "Polygon (40,100) (30,-10) (60,80)");
    Solids flat;
    flat.canvas.Pyramid(true, 0, 50, 40, 50, 0, 20, true);
    ASSERT_EQ(flat.rec.Calls("Polygon").size(), 1u);
    EXPECT_EQ(flat.rec.Calls("Polygon")[0].ToString(), "Polygon (0,50) (40,50) (60,30) (20,30)");
}

TEST(Solids, ArrowsHaveAShaftAndAHeadAndAZeroLengthArrowIsNothing) {
    Solids f;
    f.canvas.ArrowZ(false, {0, 0}, {100, 0}, 10, 8, 0);
    EXPECT_EQ(f.rec.Lines(), (std::vector<std::string>{"Polyline (0,0) (100,0)", "Polyline (100,0) (90,4)",
                                                       "Polyline (100,0) (90,-4)"}));
    Solids filled;
    filled.canvas.ArrowZ(true, {0, 0}, {0, 40}, 100, 8, 0);
    EXPECT_EQ(filled.rec.Lines(), (std::vector<std::string>{"Polygon (-2,0) (-2,0) (-4,0) (0,40) (4,0) (2,0) (2,0)"}))
        << "a head longer than the arrow is cut to its length";
    Solids none;
    none.canvas.ArrowZ(true, {5, 5}, {5, 5}, 10, 8, 0);
    EXPECT_TRUE(none.rec.Calls().empty());
}

TEST(Solids, ABevelFrameDrawsLitAndShadedSidesPerRing) {
    Solids f;
    f.canvas.BevelFrame({0, 0, 10, 8}, ClWhite, 2, ClGray);
    EXPECT_EQ(f.rec.Lines(), (std::vector<std::string>{
                                 "Polyline (0,7) (0,0) (9,0)", "Polyline (9,0) (9,7) (-1,7)",
                                 "Polyline (1,6) (1,1) (8,1)", "Polyline (8,1) (8,6) (0,6)"}));
    EXPECT_EQ(f.rec.Calls()[0].State.CanvasPen.PenColor, ClWhite);
    EXPECT_EQ(f.rec.Calls()[1].State.CanvasPen.PenColor, ClGray);
}

// A stored chart may ask for any bevel width; the frame stops when the rectangle has no pixels left.
TEST(Solids, ABevelWiderThanItsRectangleDrawsOnlyTheRingsThatFit) {
    struct Case { PixelRect r; int width; std::size_t rings; };
    const Case cases[] = {{{0, 0, 10, 6}, INT_MAX, 3}, {{0, 0, 400, 250}, 1000000, 125}, {{0, 0, 1, 1}, 5, 1},
                          {{0, 0, 0, 0}, 5, 0}, {{0, 0, 10, 10}, -3, 0}};
    for (const auto& c : cases) {
        Solids f;
        f.canvas.BevelFrame(c.r, ClWhite, c.width, ClGray);
        EXPECT_EQ(f.rec.Calls("Polyline").size(), 2 * c.rings) << c.r.Width() << "x" << c.r.Height() << " width " << c.width;
    }
}

TEST(Solids, ACubeClipIsItsProjectedOutlineAndAFlatOneAnInsetRectangle) {
    Solids f;
    f.canvas.ClipCube({0, 0, 40, 30}, 0, 10);
    EXPECT_EQ(f.rec.Lines(), (std::vector<std::string>{"Clip (0,30) (0,0) (10,-10) (50,-10) (50,20) (40,30)"}));
    Canvas3DFixture flat;
    flat.Begin({0, 0, 400, 250}, false);
    flat.canvas.ClipCube({0, 0, 40, 30}, 0, 10);
    EXPECT_EQ(flat.rec.Lines(), (std::vector<std::string>{"Clip (1,1) (40,1) (40,29) (1,29)"}));
}

}  // namespace
}  // namespace fv
