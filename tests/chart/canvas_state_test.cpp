// The canvas state across drawing routines: a routine of the chart canvas that changes the pen, brush or
// font for its own shapes gives the canvas back as it found it, and a picture drawn into a caller's canvas
// leaves that canvas' state as the caller set it.
#include <gtest/gtest.h>

#include <functional>

#include "canvas_3d_fixture.h"
#include "chart/chart.h"

namespace fv {
namespace {

// A state nothing in the engine sets by itself: any change shows.
CanvasState Unusual() {
    CanvasState s;
    s.CanvasPen = {ClRed, 3, PenStyle::Dash, PenMode::Copy};
    s.CanvasBrush = {ClYellow, BrushStyle::Cross, nullptr};
    s.CanvasFont.Name = "Courier";
    s.CanvasFont.Size = 17;
    s.BackColor = ClGreen;
    s.Background = BackMode::Transparent;
    s.TextAlign = TaRight | TaBottom;
    return s;
}

void ExpectSameState(const CanvasState& a, const CanvasState& b) {
    EXPECT_EQ(a.CanvasPen, b.CanvasPen);
    EXPECT_EQ(a.CanvasBrush, b.CanvasBrush);
    EXPECT_EQ(a.CanvasFont, b.CanvasFont);
    EXPECT_EQ(a.BackColor, b.BackColor);
    EXPECT_EQ(a.Background, b.Background);
    EXPECT_EQ(a.TextAlign, b.TextAlign);
    EXPECT_EQ(a.Clip, b.Clip);
}

TEST(CanvasState, ChartCanvasRoutinesLeaveTheStateAsFound) {
    struct Case { const char* why; std::function<void(TChartCanvas3D&)> draw; } cases[] = {
        {"a zoomed text is written in its own font size",
         [](TChartCanvas3D& c) { c.TextOutZ(10, 10, "zoomed", 0); }},
        {"a filled 3D ellipse fills its sectors without an outline",
         [](TChartCanvas3D& c) { c.EllipseZ(10, 10, 90, 60, 5); }},
        {"a gradient fills its bands with brushes of its own", [](TChartCanvas3D& c) {
             c.GradientFill({0, 0, 50, 40}, ClBlue, TGradientDirection::gdTopBottom, ClWhite);
         }},
        {"a bevel frame draws its rings with pens of its own",
         [](TChartCanvas3D& c) { c.BevelFrame({0, 0, 50, 40}, ClWhite, 2, ClGray); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Canvas3DFixture f;
        f.options.SetZoom(150);
        f.options.SetZoomText(true);
        f.Begin({0, 0, 400, 250}, true, 20);
        f.rec.RestoreState(Unusual());
        c.draw(f.canvas);
        EXPECT_FALSE(f.rec.Calls().empty()) << "the routine drew";
        ExpectSameState(f.rec.SaveState(), Unusual());
    }
}

TEST(CanvasState, APictureDrawnIntoACallersCanvasLeavesItsStateAsSet) {
    TChart chart(nullptr);
    chart.SetBufferedDisplay(false);
    RecordingCanvas rec;
    CanvasState set = Unusual();
    set.Clip.Active = true;
    set.Clip.Polygon = {{0, 0}, {300, 0}, {300, 200}, {0, 200}};
    rec.RestoreState(set);
    rec.Clear();  // the caller's own clip call
    chart.DrawToCanvas(rec, {0, 0, 400, 250});
    ExpectSameState(rec.SaveState(), set);
    // The picture itself started from the default state, inside the caller's clip.
    ASSERT_FALSE(rec.Calls().empty());
    EXPECT_EQ(rec.Calls().front().State.TextAlign, unsigned(TaLeft | TaTop));
    EXPECT_EQ(rec.Calls().front().State.Clip, set.Clip);
}

}  // namespace
}  // namespace fv
