// Line, point and area series on a recording canvas: null points, the edge of the view, stairs, stacked
// areas, clicks, margins and legend symbols. The chart maps 0..100 onto 100..300 across and 250..50 up,
// two pixels a unit.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "series_chart.h"

namespace fv {
namespace {

TEST(LineSeries, ANullPointBreaksTheLineOnBothSides) {
    SeriesChart chart;
    TLineSeries line;
    line.SetParentChart(&chart);
    line.AddPoint(0, 10);
    line.AddPoint(25, 20);
    line.AddEmptyXY(50, 30);
    line.AddPoint(75, 40);
    line.AddPoint(100, 50);
    std::vector<std::string> expected = {"Polyline (100,230) (150,210)", "Polyline (250,170) (300,150)"};
    EXPECT_EQ(chart.Draw(), expected);
    EXPECT_EQ(chart.rec.Calls().front().State.CanvasPen.PenColor, line.SeriesColor());
}

TEST(LineSeries, TheFirstPointAfterAScrollIsJoinedToTheEdgeAtTheLinesHeight) {
    SeriesChart chart;
    TLineSeries line;
    line.SetParentChart(&chart);
    for (int x = 0; x <= 100; x += 20) line.AddPoint(x, x);
    chart.SetLimits(*chart.BottomAxis(), 30, 70);  // five pixels a unit
    // From the left edge at x = 30 (the line's height there is 30), into the view, and on to 80 outside it.
    std::vector<std::string> expected = {"Polyline (100,190) (150,170)", "Polyline (150,170) (250,130)",
                                         "Polyline (250,130) (350,90)"};
    EXPECT_EQ(chart.Draw(), expected);
    // A null point before the view: no line comes in from the edge.
    line.SetPointColor(1, NoColour);
    expected.erase(expected.begin());
    EXPECT_EQ(chart.Draw(), expected);
    // Stairs come in at the height of the point before.
    line.SetPointColor(1, AutomaticColour);
    line.SetStairs(true);
    EXPECT_EQ(chart.Draw().front(), "Polyline (100,210) (150,210)");
}

TEST(LineSeries, EdgeCases) {
    struct Case {
        std::vector<std::pair<double, double>> points;
        bool pointer, stairs, inverted;
        std::vector<std::string> drawn;
        const char* why;
    };
    const Case cases[] = {
        {{{50, 50}}, true, false, false, {"Rectangle (196,146) (205,155)"}, "a single point draws only its pointer"},
        {{{50, 50}}, false, false, false, {}, "a single point without pointer draws nothing"},
        {{{50, 50}, {50.1, 50.1}}, false, false, false, {}, "two points on one pixel draw no segment"},
        {{{0, 0}, {50, 50}},
         true,
         false,
         false,
         {"Polyline (100,250) (200,150)", "Rectangle (96,246) (105,255)", "Rectangle (196,146) (205,155)"},
         "pointers after the segment: over the lines on both sides"},
        {{{0, 0}, {50, 50}}, false, true, false, {"Polyline (100,250) (200,250)", "Polyline (200,250) (200,150)"},
         "stairs: across first, then up"},
        {{{0, 0}, {50, 50}}, false, true, true, {"Polyline (100,250) (100,150)", "Polyline (100,150) (200,150)"},
         "inverted stairs: up first, then across"},
        {{{0, 0}, {1e9, 0}}, false, false, false, {}, "a point beyond the coordinate range is skipped"},
    };
    for (const Case& c : cases) {
        SeriesChart chart;
        TLineSeries line;
        line.SetParentChart(&chart);
        line.Pointer.SetVisible(c.pointer);
        line.SetStairs(c.stairs);
        line.SetInvertedStairs(c.inverted);
        for (auto [x, y] : c.points) line.AddPoint(x, y);
        EXPECT_EQ(chart.Draw(), c.drawn) << c.why;
    }
}

TEST(LineSeries, In3DARibbonRunsFromFrontToBackAndAClearBrushLeavesTheLineAtTheFront) {
    SeriesChart chart(true);
    TLineSeries line;
    line.SetParentChart(&chart);
    line.AddPoint(0, 0);
    line.AddPoint(50, 0);
    // Slot 0: depth 0 to 20; orthogonal projection moves a pixel right and up per pixel of depth.
    std::vector<std::string> ribbon = chart.Draw();
    ASSERT_EQ(ribbon.size(), 1u);
    EXPECT_EQ(chart.rec.Calls().front().Op, "Polygon");
    EXPECT_EQ(chart.rec.Calls().front().Points.size(), 4u);
    line.SetLineBrush(BrushStyle::Clear);
    std::vector<std::string> drawn = chart.Draw();
    ASSERT_EQ(drawn.size(), 1u) << "without a ribbon the line is still drawn";
    EXPECT_EQ(chart.rec.Calls().front().Op, "Polyline");
}

TEST(AreaSeries, StackedAreasSitOnTheAreasBeforeThem) {
    SeriesChart chart;
    TAreaSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(0, 10);
    a.AddPoint(100, 20);
    b.AddPoint(0, 30);
    b.AddPoint(100, 30);
    b.SetMultiArea(maStacked);
    EXPECT_EQ(a.MultiArea(), maStacked) << "one setting for every area series of the chart";
    EXPECT_EQ(b.MaxYValue(), 50);
    chart.Draw();
    std::vector<std::string> expected = {"Polygon (300,210) (300,250) (100,250) (100,230)",
                                         "Polygon (300,150) (300,210) (100,230) (100,170)"};
    EXPECT_EQ(chart.Drawn("Polygon"), expected);

    // 100 %: at the first point 10 of 40 and 40 of 40; at the second all are 0 and lie at pixel 0.
    a.SetYValue(1, 0);
    b.SetYValue(1, 0);
    b.SetMultiArea(maStacked100);
    EXPECT_EQ(a.MaxYValue(), 100);
    EXPECT_EQ(a.MinYValue(), 0);
    EXPECT_EQ(a.PointScreenY(0), 200);
    EXPECT_EQ(b.PointScreenY(0), 50);
    EXPECT_EQ(a.PointScreenY(1), 0);
    EXPECT_EQ(b.PointScreenY(1), 0);
}

TEST(AreaSeries, StackedAreasShareOneDepthSlot) {
    SeriesChart chart(true);
    TAreaSeries a, b;
    TLineSeries line;
    for (TChartSeries* s : std::initializer_list<TChartSeries*>{&a, &b, &line}) {
        s->SetParentChart(&chart);
        s->AddPoint(0, 10);
    }
    chart.Draw();
    // Counted from the back: the first series stands deepest.
    EXPECT_EQ(a.DepthSlot(), 2);
    EXPECT_EQ(b.DepthSlot(), 1);
    EXPECT_EQ(line.DepthSlot(), 0);
    a.SetMultiArea(maStacked);
    chart.Draw();
    EXPECT_EQ(a.DepthSlot(), 1);
    EXPECT_EQ(b.DepthSlot(), 1);
    EXPECT_EQ(line.DepthSlot(), 0);
}

TEST(LineSeries, Clicks) {
    SeriesChart chart;
    TLineSeries line;
    line.SetParentChart(&chart);
    line.AddPoint(0, 0);
    line.AddPoint(50, 50);
    line.AddPoint(100, 0);
    chart.Draw();
    EXPECT_EQ(line.Clicked(200, 150), 1) << "exactly on a point, with no pointer shown";
    EXPECT_EQ(line.Clicked(150, 200), 0) << "on the segment after point 0";
    EXPECT_EQ(line.Clicked(150, 199), -1) << "next to it";
    line.SetClickableLine(false);
    EXPECT_EQ(line.Clicked(150, 200), -1);

    TPointSeries points;
    points.SetParentChart(&chart);
    points.AddPoint(50, 50);
    int fired = -1;
    points.OnClickPointer = [&](TCustomSeries*, int index, int, int) { fired = index; };
    chart.Draw();
    EXPECT_EQ(points.Clicked(203, 147), 0) << "inside the pointer";
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(points.Clicked(204, 150), -1) << "the pointer's edge is outside (strict)";
}

TEST(LineSeries, LegendSymbols) {
    SeriesChart chart;
    TLineSeries line;
    TAreaSeries area;
    line.SetParentChart(&chart);
    area.SetParentChart(&chart);
    chart.Draw();
    chart.rec.Clear();
    line.DrawLegendShape(-1, {10, 10, 40, 20});
    // The legend fills the symbol with the series' brush; the area's is the filled rectangle.
    chart.rec.SetBrush({ClRed, BrushStyle::Solid, nullptr});
    area.DrawLegendShape(-1, {10, 30, 40, 40});
    std::vector<std::string> expected = {"Polyline (10,15) (40,15)", "Rectangle (10,30) (40,40)"};
    EXPECT_EQ(chart.rec.Lines(), expected);
    EXPECT_EQ(chart.rec.Calls()[0].State.CanvasPen.PenColor, line.SeriesColor());
}

// In a 3D chart a line series without markers shows the filled rectangle in the legend; in a flat chart the
// line through the middle. The legend itself is drawn flat in both.
TEST(LineSeries, TheLegendSymbolFollowsTheChartsView) {
    struct Case { bool view3D; const char* shape; const char* why; } cases[] = {
        {true, "Rectangle", "a 3D chart: the filled rectangle"},
        {false, "Polyline", "a flat chart: the line through the middle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TChart chart(nullptr);
        chart.SetBufferedDisplay(false);
        chart.SetView3D(c.view3D);
        TLineSeries line;
        line.SetSeriesColor(ClRed);
        line.AddPoint(1, 1);
        line.AddPoint(2, 3);
        chart.AddSeries(line);
        RecordingCanvas rec;
        chart.Paint(rec);
        const PixelRect box = chart.Legend().RectLegend;
        std::vector<std::string> symbols;
        for (const CanvasCall& call : rec.Calls()) {
            bool inLegend = !call.Points.empty() && call.Points[0].X > box.Left && call.Points[0].X < box.Right &&
                            call.Points[0].Y > box.Top && call.Points[0].Y < box.Bottom;
            bool red = call.Op == "Rectangle" ? call.State.CanvasBrush.BrushColor == ClRed
                                               : call.State.CanvasPen.PenColor == ClRed;
            if (inLegend && red && call.Op != "Text") symbols.push_back(call.Op);
        }
        // One series alone: the legend lists its two points.
        EXPECT_EQ(symbols, (std::vector<std::string>{c.shape, c.shape}));
        line.SetParentChart(nullptr);
    }
}

TEST(LineSeries, MarksAreLiftedByTheirArrowAndNullPointsHaveNone) {
    SeriesChart chart;
    chart.drawMarks = true;
    TLineSeries line;
    line.SetParentChart(&chart);
    line.Marks().SetVisible(true);
    line.AddPoint(25, 50, "a");
    line.AddPoint(50, 50, "gone", NoColour);
    line.AddPoint(75, 50, "c");
    chart.Draw();
    const int h = FontPixelHeight(line.Marks().GetFont().Size);
    std::vector<CanvasCall> texts = chart.rec.Calls("Text");
    ASSERT_EQ(texts.size(), 2u);
    // The box (a line of text in a frame of 1) ends the arrow's 8 above the point at pixel 150.
    EXPECT_EQ(texts[0].Text, "a");
    EXPECT_EQ(texts[0].Points[0].Y, 150 - 8 - (h + 2) + 1 + 1);
    EXPECT_EQ(texts[1].Text, "c");
    TPointSeries points;
    EXPECT_EQ(points.Marks().ArrowLength(), 0) << "a point's mark sits on it";
}

TEST(LineSeries, MarginsOfStairsAndRaisedLines) {
    TLineSeries line;
    line.SetStairs(true);
    line.LinePen.SetWidth(3);
    int top = 0, bottom = 0, left = 0, right = 0;
    line.VertMargins(top, bottom);
    line.HorizMargins(left, right);
    EXPECT_EQ(top, 3);
    EXPECT_EQ(bottom, 4);
    EXPECT_EQ(left, 3);
    line.SetStairs(false);
    line.SetLineHeight(12);
    top = bottom = 0;
    line.VertMargins(top, bottom);
    EXPECT_EQ(bottom, 12);
}

TEST(LineSeries, EachTypeKeepsItsOwnLookWhenCopied) {
    TAreaSeries area;
    area.SetStairs(true);
    area.SetMultiArea(maStacked);
    area.AddPoint(1, 2);
    TLineSeries line;
    line.Assign(area);
    EXPECT_TRUE(line.Stairs());
    EXPECT_TRUE(line.DrawLine());
    EXPECT_FALSE(line.DrawArea());
    EXPECT_EQ(line.Count(), 1);
    TPointSeries point;
    point.Assign(line);
    EXPECT_TRUE(point.Pointer.Visible());
    EXPECT_FALSE(point.DrawLine());
    TAreaSeries copy;
    copy.Assign(area);
    EXPECT_EQ(copy.MultiArea(), maStacked);
    EXPECT_EQ(line.EditorClassName(), "TCustomSeriesEditor");
    EXPECT_EQ(point.EditorClassName(), "TSeriesPointerEditor");
    EXPECT_EQ(area.EditorClassName(), "TAreaSeriesEditor");
}

}  // namespace
}  // namespace fv
