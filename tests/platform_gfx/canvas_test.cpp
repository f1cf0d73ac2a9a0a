// The canvas' own rules, seen through the recording canvas: state guard, mapping, clip, metrics, patterns.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

TEST(Canvas, TheStateGuardPutsBackEverythingADrawingChanged) {
    RecordingCanvas c;
    c.SetPen({ClRed, 2, PenStyle::Dash, PenMode::Copy});
    c.SetBrush({ClBlue, BrushStyle::Cross, nullptr});
    const CanvasState before = c.SaveState();
    {
        CanvasStateGuard guard(c);
        c.SetPen({ClGreen, 1, PenStyle::Solid, PenMode::NotXor});
        c.SetBrush({ClYellow, BrushStyle::Clear, nullptr});
        Font f;
        f.Size = 20;
        c.SetFont(f);
        c.SetBackMode(BackMode::Transparent);
        c.SetBackColor(ClBlack);
        c.SetTextAlign(TaRight | TaBottom);
        c.ClipRect({0, 0, 10, 10});
        c.Rectangle(1, 1, 5, 5);
    }
    const CanvasState& after = c.SaveState();
    EXPECT_EQ(after.CanvasPen, before.CanvasPen);
    EXPECT_EQ(after.CanvasBrush, before.CanvasBrush);
    EXPECT_EQ(after.CanvasFont, before.CanvasFont);
    EXPECT_EQ(after.Background, before.Background);
    EXPECT_EQ(after.BackColor, before.BackColor);
    EXPECT_EQ(after.TextAlign, before.TextAlign);
    EXPECT_FALSE(after.Clip.Active);
    // The back end heard of the clip going away, and the rectangle was drawn with the inner state.
    ASSERT_EQ(c.Lines(), (std::vector<std::string>{"Clip (0,0) (10,0) (10,10) (0,10)", "Rectangle (1,1) (5,5)", "Unclip"}));
    EXPECT_EQ(c.Calls()[1].State.CanvasPen.Mode, PenMode::NotXor);
}

TEST(Canvas, ThePrinterMappingScalesPointsPenAndFontAndMeasuresInLogicalUnits) {
    RecordingCanvas c;
    // A 400 x 250 drawing on an 800 x 500 page area.
    c.SetMapping({{0, 0}, {400, 250}, {0, 0}, {800, 500}});
    Font f;
    f.Size = 8;
    c.SetFont(f);
    c.SetPen({ClBlack, 2, PenStyle::Solid, PenMode::Copy});
    c.Line(10, 20, 30, 40);
    c.TextOut(5, 5, "ab");
    ASSERT_EQ(c.Lines(), (std::vector<std::string>{"Polyline (20,40) (60,80)", "Text (10,10) \"ab\""}));
    EXPECT_EQ(c.Calls()[0].State.CanvasPen.Width, 4);
    EXPECT_EQ(c.Calls()[1].State.CanvasFont.Size, 16);
    // 16 points are 21 pixels high and 11 wide per character on the device: half that in logical units.
    EXPECT_EQ(c.TextExtent("ab"), (Size{11, 11}));
    EXPECT_EQ(c.ToLogical(c.ToDevice({7, 9})), (Point{7, 9}));
}

TEST(Canvas, RecordingTextMetricsAreFixed) {
    RecordingCanvas c;
    Font f;
    f.Size = 8;
    c.SetFont(f);
    EXPECT_EQ(FontPixelHeight(8), 11);
    EXPECT_EQ(c.TextExtent("W"), (Size{6, 11}));
    EXPECT_EQ(c.TextWidth("Chart"), 30);
    EXPECT_EQ(c.TextWidth("\xC3\xA9t\xC3\xA9"), 18) << "a character is one, whatever its UTF-8 length";
    EXPECT_EQ(c.TextWidth(""), 0);
    f.Size = 0;
    c.SetFont(f);
    EXPECT_EQ(c.TextHeight("x"), 1) << "no text is less than a pixel high";
}

TEST(Canvas, LinesContinueFromThePenPositionAndDegeneratePolylinesDrawNothing) {
    RecordingCanvas c;
    c.MoveTo(1, 2);
    c.LineTo(3, 4);
    c.LineTo(5, 4);
    const Point one[] = {{1, 1}};
    c.Polyline(one);
    c.Polygon(std::span<const Point>{});
    EXPECT_EQ(c.Lines(), (std::vector<std::string>{"Polyline (1,2) (3,4)", "Polyline (3,4) (5,4)"}));
    EXPECT_EQ(c.PenPosition(), (Point{5, 4}));
}

TEST(Canvas, DashPatternsAreInDevicePixelsAndWidePensDrawSolid) {
    struct Case { PenStyle style; int width; std::vector<int> want; };
    const Case cases[] = {
        {PenStyle::Dot, 1, {3, 3}},
        {PenStyle::Dash, 1, {18, 6}},
        {PenStyle::DashDot, 1, {9, 6, 3, 6}},
        {PenStyle::DashDotDot, 0, {9, 3, 3, 3, 3, 3}},
        {PenStyle::SmallDots, 1, {1, 1}},
        {PenStyle::Solid, 1, {}},
        {PenStyle::Dash, 2, {}},
    };
    for (const auto& c : cases) {
        auto p = DashPattern(c.style, c.width);
        EXPECT_EQ(std::vector<int>(p.begin(), p.end()), c.want) << int(c.style) << " width " << c.width;
    }
}

}  // namespace
}  // namespace fv
