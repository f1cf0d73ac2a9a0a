// Bar series on a recording canvas: the bar size, side-by-side and stacked bars, the seven styles, the
// settings shared by the chart's bar series, clicks and the checks of the settings.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart/series/bar_series.h"
#include "series_chart.h"

namespace fv {
namespace {

TEST(BarSeries, BarSizeOfTenPointsOnA500PixelAxis) {
    SeriesChart chart(false, {0, 0, 500, 250});
    TBarSeries bar;
    bar.SetParentChart(&chart);
    for (int i = 0; i < 10; ++i) bar.AddY(i + 1);
    chart.SetLimits(*chart.BottomAxis(), 0, 9);
    int left = 0, right = 0;
    bar.HorizMargins(left, right);
    // Room 500 div 11 = 45, 0.7 * 45 = 31.5 rounds to the even 32.
    EXPECT_EQ(bar.BarSize(), 32);
    EXPECT_EQ(left, 32) << "with side margins a whole bar is left free at each end";
    bar.SetSideMargins(false);
    left = right = 0;
    bar.HorizMargins(left, right);
    EXPECT_EQ(bar.BarSize(), 36) << "500 div 10 = 50, 35 is odd and raised to 36";
    EXPECT_EQ(left, 18);
    bar.SetCustomBarWidth(11);
    bar.CalcBarSize();
    EXPECT_EQ(bar.BarSize(), 11);
    chart.SetMaxPointsPerPage(4);
    bar.SetCustomBarWidth(0);
    bar.CalcBarSize();
    EXPECT_EQ(bar.BarSize(), 88) << "a page of 4: 500 div 4 = 125, 87.5 rounds to the even 88";
}

TEST(BarSeries, SideBySideStackedAndNone) {
    SeriesChart chart;
    TBarSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(50, 40);
    b.AddPoint(50, 60);
    struct Case {
        TMultiBar mode;
        std::vector<std::string> drawn;
        const char* why;
    };
    const Case cases[] = {
        {mbSide,
         {"Rectangle (164,170) (200,250)", "Rectangle (200,130) (236,250)"},
         "room 200 div 2 = 100, 70 shared by two is 35, made 36: the first spans X - size..X, the second X..X + size"},
        {mbNone, {"Rectangle (165,170) (235,250)", "Rectangle (165,130) (235,250)"}, "both centred on X, size 70"},
        {mbStacked, {"Rectangle (165,170) (235,250)", "Rectangle (165,50) (235,170)"}, "the second on top of the first"},
        {mbStacked100, {"Rectangle (165,170) (235,250)", "Rectangle (165,50) (235,170)"}, "40 % and 100 % of 100"},
    };
    for (const Case& c : cases) {
        a.SetMultiBar(c.mode);
        EXPECT_EQ(b.MultiBar(), c.mode) << "one mode for all bar series";
        chart.Draw();
        EXPECT_EQ(chart.Drawn("Rectangle"), c.drawn) << c.why;
    }
    // Stacked 100 % with both values 0: both ends at pixel 0.
    a.SetYValue(0, 0);
    b.SetYValue(0, 0);
    EXPECT_EQ(a.ValueEnd(0), 0);
    EXPECT_EQ(a.OriginEnd(0), 0);
    EXPECT_EQ(b.ValueEnd(0), 0);
    EXPECT_EQ(a.MaxYValue(), 100);
    a.SetMultiBar(mbStacked);
    a.SetYValue(0, 40);
    b.SetYValue(0, 60);
    EXPECT_EQ(b.MaxYValue(), 100) << "the stack's top";
}

TEST(BarSeries, StylesFlat) {
    struct Case {
        TBarStyle style;
        std::string first;
        const char* why;
    };
    // One bar of 40 at X = 50: 165..235 across, 170..250 up.
    const Case cases[] = {
        {bsRectangle, "Rectangle (165,170) (235,250)", "the bar rectangle"},
        {bsPyramid, "Polygon (165,250) (200,170) (235,250)", "apex at the value's end"},
        {bsInvPyramid, "Polygon (165,170) (200,250) (235,170)", "apex at the origin"},
        {bsCilinder, "Rectangle (165,170) (235,250)", "flat, a cylinder is a rectangle"},
        {bsEllipse, "Ellipse (165,170) (235,250)", "the ellipse of the bar"},
        {bsArrow, "Polygon",
         "a filled arrow from the origin up, head as wide as the bar"},
        {bsRectGradient, "FillRect", "a gradient from white to the bar's colour"},
    };
    for (const Case& c : cases) {
        SeriesChart chart;
        TBarSeries bar;
        bar.SetParentChart(&chart);
        bar.SetBarStyle(c.style);
        bar.AddPoint(50, 40, "", ClRed);
        std::vector<std::string> drawn = chart.Draw();
        ASSERT_FALSE(drawn.empty()) << c.why;
        EXPECT_EQ(drawn.front().substr(0, c.first.size()), c.first) << c.why;
        if (c.style == bsRectGradient) EXPECT_EQ(drawn.back(), "Rectangle (165,170) (235,250)") << "the outline over it";
    }
}

TEST(BarSeries, HorizontalPyramidsPointAlongTheValueAxis) {
    // One bar of 40 at position 50: 100..180 along, 115..185 across.
    struct Case {
        TBarStyle style;
        const char* drawn;
        int outsideX, outsideY;  // inside the bar's rectangle, outside its shape
    };
    const Case cases[] = {
        {bsPyramid, "Polygon (100,115) (180,150) (100,185)", 178, 120},
        {bsInvPyramid, "Polygon (180,115) (100,150) (180,185)", 102, 120},
        {bsEllipse, "Ellipse (100,115) (180,185)", 102, 117},
    };
    for (auto [style, drawn, outsideX, outsideY] : cases) {
        SeriesChart chart;
        THorizBarSeries bar;
        bar.SetParentChart(&chart);
        bar.SetBarStyle(style);
        bar.AddPoint(40, 50);
        std::vector<std::string> expected = {drawn};
        EXPECT_EQ(chart.Draw(), expected);
        EXPECT_EQ(bar.Clicked(110, 150), 0) << "inside, near the base";
        EXPECT_EQ(bar.Clicked(outsideX, outsideY), -1) << "outside the shape, inside its rectangle";
    }
}

TEST(BarSeries, MarksStandBeyondTheBarsEndAndTheAxisMakesRoomForThem) {
    SeriesChart chart;
    chart.drawMarks = true;
    TBarSeries up, down;
    THorizBarSeries across;
    up.SetParentChart(&chart);
    up.AddPoint(25, 40, "up");
    down.SetParentChart(&chart);
    down.AddPoint(75, -20, "down");
    chart.Draw();
    const int h = FontPixelHeight(up.Marks().GetFont().Size);
    std::vector<CanvasCall> texts = chart.rec.Calls("Text");
    ASSERT_EQ(texts.size(), 2u);
    // 40 ends at pixel 170: the box (a line and its frame of 1) ends 20 above it. -20 ends at 290: the
    // box starts 20 below it. The text starts inside the frame.
    EXPECT_EQ(texts[0].Text, "up");
    EXPECT_EQ(texts[0].Points[0].Y, 170 - 20 - (h + 2) + 1 + 1);
    EXPECT_EQ(texts[1].Text, "down");
    EXPECT_EQ(texts[1].Points[0].Y, 290 + 20 + 1 + 1);
    // The value axis leaves the mark's room (text, arrow, frame) plus one at the end the bars grow to.
    int top = 0, bottom = 0;
    up.VertMargins(top, bottom);
    EXPECT_EQ(top, h + 20 + 2 + 1);
    EXPECT_EQ(bottom, 0) << "nothing below the origin";
    down.VertMargins(top, bottom);
    EXPECT_EQ(bottom, h + 20 + 2 + 1) << "a bar below the origin";
    EXPECT_EQ(top, 0) << "and none above it";
    // A horizontal bar's marks need their width.
    across.SetParentChart(&chart);
    across.AddPoint(30, 50, "wide text");
    int left = 0, right = 0;
    across.HorizMargins(left, right);
    EXPECT_EQ(right, 9 * ((h + 1) / 2) + 20 + 2 + 1);
}

// In a chart, bars of 10..50 with marks get their marks' room at the top of the left axis: the highest mark
// stays inside the chart rectangle, under the title.
TEST(BarSeries, TheChartGivesTheMarksRoomAtTheTopOfTheLeftAxis) {
    TChart chart(nullptr);
    chart.SetBufferedDisplay(false);
    chart.SetView3D(false);
    chart.Title().SetText({"Title"});
    TBarSeries bars;
    bars.Marks().SetVisible(true);
    for (int i = 1; i <= 5; ++i) bars.AddPoint(i, 10 * i);
    chart.AddSeries(bars);
    RecordingCanvas rec;
    chart.Paint(rec);
    int top = 0, bottom = 0;
    bars.VertMargins(top, bottom);
    ASSERT_GT(top, 0);
    const TCustomChartAxis& left = *chart.LeftAxis();
    EXPECT_EQ(left.ValueToPixel(50), left.StartPixel + top) << "the room is left above the highest bar";
    EXPECT_GE(left.ValueToPixel(0), left.EndPixel) << "and none below the origin";
    bars.SetParentChart(nullptr);
}

TEST(BarSeries, In3DAMarksTextStaysInItsBox) {
    SeriesChart chart(true);
    chart.drawMarks = true;
    TBarSeries bar;
    bar.SetParentChart(&chart);
    bar.AddPoint(50, 40, "x");
    chart.Draw();
    std::vector<CanvasCall> boxes = chart.rec.Calls("Rectangle"), texts = chart.rec.Calls("Text");
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_EQ(texts.size(), 1u);
    // The box is moved to where the arrow's end is seen; the text is written in it, not moved again.
    const Point text = texts[0].Points[0], topLeft = boxes[0].Points[0], bottomRight = boxes[0].Points[1];
    EXPECT_GE(text.Y, topLeft.Y);
    EXPECT_LT(text.Y, bottomRight.Y);
    EXPECT_GT(text.X, topLeft.X);
    EXPECT_LT(text.X, bottomRight.X);
}

TEST(BarSeries, EveryStyleIn3DDrawsSolidFaces) {
    for (TBarStyle style : {bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient}) {
        SeriesChart chart(true);
        TBarSeries bar;
        THorizBarSeries horiz;
        bar.SetParentChart(&chart);
        horiz.SetParentChart(&chart);
        bar.SetBarStyle(style);
        horiz.SetBarStyle(style);
        bar.AddPoint(50, 40);
        horiz.AddPoint(40, 50);
        chart.Draw();
        EXPECT_GE(chart.rec.Calls().size(), 2u) << "style " << style;
    }
}

TEST(BarSeries, ABarWithoutHeightStillShowsAndNullPointsAreSkipped) {
    SeriesChart chart;
    TBarSeries bar;
    bar.SetParentChart(&chart);
    bar.AddPoint(25, 0, "", ClRed);
    bar.AddPoint(75, 30, "", NoColour);
    chart.Draw();
    ASSERT_EQ(chart.rec.Calls().size(), 1u);
    const CanvasCall& flat = chart.rec.Calls().front();
    EXPECT_EQ(flat.ToString(), "Rectangle (127,250) (173,250)");
    EXPECT_EQ(flat.State.CanvasPen.PenColor, ClRed) << "drawn in the bar's colour";
}

TEST(BarSeries, HorizontalBarsLieAlongTheHorizontalAxis) {
    SeriesChart chart;
    THorizBarSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddY(40);  // value 40 at position 0
    b.AddY(60);
    EXPECT_EQ(a.GetXValue(0), 40);
    chart.SetLimits(*chart.LeftAxis(), -1, 1);
    chart.Draw();
    // Position 0 is pixel 150; the first series below it, the second above.
    std::vector<std::string> expected = {"Rectangle (100,150) (180,186)", "Rectangle (100,114) (220,150)"};
    EXPECT_EQ(chart.Drawn("Rectangle"), expected);
    EXPECT_EQ(a.Clicked(150, 160), 0);
    EXPECT_EQ(a.Clicked(190, 160), -1);
}

TEST(BarSeries, SettingsAreCheckedAndSideMarginsAreShared) {
    SeriesChart chart;
    TBarSeries a;
    THorizBarSeries b;
    TBarSeries c;
    for (TCustomBarSeries* s : {static_cast<TCustomBarSeries*>(&a), static_cast<TCustomBarSeries*>(&b),
                                static_cast<TCustomBarSeries*>(&c)})
        s->SetParentChart(&chart);
    a.SetSideMargins(false);
    EXPECT_FALSE(c.SideMargins());
    EXPECT_TRUE(b.SideMargins()) << "a horizontal bar series is another kind";
    struct Bad {
        std::function<void()> set;
        const char* message;
    };
    const Bad bad[] = {
        {[&] { a.SetBarWidthPercent(0); }, "Bar Width Percent must be between 1 and 100"},
        {[&] { a.SetBarWidthPercent(101); }, "Bar Width Percent must be between 1 and 100"},
        {[&] { a.SetOffsetPercent(-101); }, "Bar Offset Percent must be between -100% and 100%"},
        {[&] { a.SetOffsetPercent(101); }, "Bar Offset Percent must be between -100% and 100%"},
        {[&] { b.FillSampleValues(0); }, "FillSampleValues NumValues must be > 0"},
    };
    for (const Bad& x : bad) {
        try {
            x.set();
            ADD_FAILURE() << x.message;
        } catch (const BarException& e) {
            EXPECT_STREQ(e.what(), x.message);
        }
    }
    EXPECT_EQ(a.BarWidthPercent(), 70);
    EXPECT_EQ(a.OffsetPercent(), 0);
    a.SetOffsetPercent(-100);
    a.AddPoint(50, 10);
    chart.Draw();
    // No side margins: room 200, 140 shared by two bars of 70; shifted left by a whole bar.
    EXPECT_EQ(a.BarStart(0), 200 - 70 - 70);
    b.FillSampleValues(5);
    EXPECT_EQ(b.Count(), 5);
    EXPECT_EQ(b.GetYValue(4) - b.GetYValue(0), 4) << "one bar per step up the vertical axis";
}

TEST(BarSeries, StackedBarsShareTheFirstBarsDepthAndDrawOrderFollowsTheAxes) {
    SeriesChart chart(true);
    TBarSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(50, 10);
    b.AddPoint(50, -10);
    chart.Draw();
    EXPECT_EQ(b.DepthSlot(), a.DepthSlot());
    a.SetMultiBar(mbNone);
    chart.Draw();
    EXPECT_EQ(a.DepthSlot(), b.DepthSlot() + 1) << "the first stands behind";
    a.SetMultiBar(mbStacked);
    EXPECT_TRUE(a.DrawPointForward(0));
    EXPECT_FALSE(b.DrawPointForward(0)) << "a negative piece of a stack";
    chart.LeftAxis()->SetInverted(true);
    EXPECT_TRUE(b.DrawPointForward(0));
    chart.BottomAxis()->SetInverted(true);
    EXPECT_FALSE(a.DrawValuesForward());
}

}  // namespace
}  // namespace fv
