// The series pointer: its nine shapes flat and in 3D, the size check, margins and the legend symbol.
#include <gtest/gtest.h>

#include "chart/series/line_series.h"
#include "series_chart.h"

namespace fv {
namespace {

// Each shape at (200, 150) with half sizes 4, flat: what reaches the canvas.
TEST(SeriesPointer, ShapesFlat) {
    struct Case {
        TSeriesPointerStyle style;
        std::vector<std::string> drawn;
        const char* why;
    };
    const Case cases[] = {
        {psRectangle, {"Rectangle (196,146) (205,155)"}, "a rectangle covers its last pixel row and column"},
        {psCircle, {"Ellipse (196,146) (204,154)"}, "the ellipse inside left..right, top..bottom"},
        {psTriangle, {"Polygon (196,154) (204,154) (200,146)"}, "base at the bottom, apex up"},
        {psDownTriangle, {"Polygon (196,146) (204,146) (200,154)"}, "base at the top, apex down"},
        {psCross, {"Polyline (200,146) (200,155)", "Polyline (196,150) (205,150)"}, "a line leaves out its last pixel"},
        {psDiagCross, {"Polyline (196,146) (205,155)", "Polyline (196,154) (205,145)"}, "both diagonals"},
        {psStar,
         {"Polyline (200,146) (200,155)", "Polyline (196,150) (205,150)", "Polyline (196,146) (205,155)",
          "Polyline (196,154) (205,145)"},
         "the cross, then the diagonal cross"},
        {psDiamond, {"Polygon (196,150) (200,146) (204,150) (200,154)"}, "the four middles of the sides"},
        {psSmallDot, {"Pixel (200,150)"}, "one pixel in the point's colour"},
    };
    for (const Case& c : cases) {
        SeriesChart chart;
        TPointSeries series;
        series.SetParentChart(&chart);
        series.Pointer.SetStyle(c.style);
        series.AddPoint(50, 50, "", ClRed);
        EXPECT_EQ(chart.Draw(), c.drawn) << c.why;
        const CanvasCall& first = chart.rec.Calls().front();
        if (c.style == psSmallDot) EXPECT_EQ(first.PixelColor, ClRed);
        else if (c.style >= psCross && c.style <= psStar) EXPECT_EQ(first.State.CanvasPen.PenColor, ClRed) << c.why;
        else EXPECT_EQ(first.State.CanvasBrush.BrushColor, ClRed) << "the pointer's automatic brush takes the point's colour";
    }
}

TEST(SeriesPointer, ShapesIn3DLieAtTheFrontAndSolidsReachTheBack) {
    SeriesChart chart(true);
    TPointSeries series;
    series.SetParentChart(&chart);
    series.AddPoint(50, 50);
    chart.Draw();
    // A cube: front, side and top faces.
    EXPECT_EQ(chart.rec.Calls("Polygon").size(), 3u);
    series.Pointer.SetDraw3D(false);
    chart.Draw();
    ASSERT_EQ(chart.Drawn("Polygon").size(), 1u) << "a flat rectangle at the front depth";
    series.Pointer.SetStyle(psTriangle);
    series.Pointer.SetDraw3D(true);
    chart.Draw();
    EXPECT_GE(chart.rec.Calls("Polygon").size(), 2u) << "a pyramid";
}

TEST(SeriesPointer, SizesBelowOneAreRefusedAndLeaveTheOldSize) {
    TPointSeries series;
    for (int bad : {0, -3}) {
        EXPECT_THROW(
            try { series.Pointer.SetHorizSize(bad); } catch (const ChartException& e) {
                EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
                throw;
            },
            ChartException);
        EXPECT_THROW(series.Pointer.SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(series.Pointer.HorizSize(), 4);
    EXPECT_EQ(series.Pointer.VertSize(), 4);
    series.Pointer.StoreHorizSize(0);  // sized per point while drawing: no check
    EXPECT_EQ(series.Pointer.HorizSize(), 0);
}

TEST(SeriesPointer, MarginsMakeRoomForAVisiblePointer) {
    TPointSeries series;
    series.Pointer.SetHorizSize(6);
    int left = 2, right = 9, top = 0, bottom = 0;
    series.HorizMargins(left, right);
    series.VertMargins(top, bottom);
    EXPECT_EQ(left, 7) << "the half size + 1";
    EXPECT_EQ(right, 7) << "the series answers its own margins, whatever they were";
    EXPECT_EQ(top, 5);
    series.Pointer.SetInflateMargins(false);
    left = right = 0;
    series.HorizMargins(left, right);
    EXPECT_EQ(left, 0);
}

TEST(SeriesPointer, LegendSymbolIsCentredAndSmallerWithALine) {
    SeriesChart chart;
    TLineSeries line;
    line.SetParentChart(&chart);
    line.Pointer.SetVisible(true);
    line.Pointer.SetHorizSize(10);
    line.Pointer.SetVertSize(10);
    chart.Draw();
    chart.rec.Clear();
    line.DrawLegendShape(-1, {10, 10, 40, 22});
    // The line through the middle, then the pointer limited to a third of the symbol.
    std::vector<std::string> expected = {"Polyline (10,16) (40,16)", "Rectangle (15,12) (36,21)"};
    EXPECT_EQ(chart.rec.Lines(), expected);
}

}  // namespace
}  // namespace fv
