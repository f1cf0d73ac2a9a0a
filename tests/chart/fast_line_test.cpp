// The fast line and the series' visible range: same-pixel points skipped, the line entering the view from
// the point before, live plotting one segment at a time, and the pen following the series colour.
#include <gtest/gtest.h>

#include "axis_chart.h"
#include "chart/fast_line.h"
#include "plot_panel.h"

namespace fv {
namespace {

// A fast line on the bottom and left axes, limits 0..100 over 100..300 across and 250..50 down.
struct LineChart : AxisChart {
    TFastLineSeries line;
    LineChart() {
        line.SetParentChart(this);
        SetLimits(bottom, 0, 100);
        SetLimits(left, 0, 100);
    }
    ~LineChart() override { line.SetParentChart(nullptr); }
    std::vector<std::string> Draw() {
        rec.Clear();
        line.FindVisibleRange();
        line.DrawAllValues();
        return rec.Lines();
    }
};

TEST(FastLine, PointsOnThePixelOfThePreviousOneAreSkipped) {
    LineChart c;
    for (double x : {0.0, 0.1, 0.2, 50.0, 50.2, 100.0}) c.line.AddPoint(x, x);
    std::vector<std::string> expected = {"Polyline (100,250) (200,150)", "Polyline (200,150) (300,50)"};
    EXPECT_EQ(c.Draw(), expected);
    EXPECT_EQ(c.rec.Calls()[0].State.CanvasPen.PenColor, c.line.SeriesColor());
}

TEST(FastLine, TheLineEntersAndLeavesTheViewThroughOutsidePoints) {
    LineChart c;
    for (int i = 0; i <= 10; ++i) c.line.AddPoint(20.0 * i, 50);
    SetLimits(c.bottom, 30, 70);  // 200 pixels for 40: 5 a unit
    c.Draw();
    EXPECT_EQ(c.line.FirstVisibleIndex, 2);  // 40 is the first inside
    EXPECT_EQ(c.line.LastVisibleIndex, 4);   // 80, the first past the end, is kept for a line
    std::vector<std::string> expected = {"Polyline (50,150) (150,150)", "Polyline (150,150) (250,150)",
                                         "Polyline (250,150) (350,150)"};
    EXPECT_EQ(c.rec.Lines(), expected);
}

TEST(FastLine, VisibleRangeEdges) {
    LineChart c;
    EXPECT_EQ(c.Draw().size(), 0u);  // no points
    for (int i = 0; i < 5; ++i) c.line.AddPoint(i - 10.0, i);
    c.Draw();
    EXPECT_EQ(c.line.FirstVisibleIndex, -1);  // all left of the view
    EXPECT_EQ(c.line.LastVisibleIndex, -1);
    EXPECT_TRUE(c.rec.Lines().empty());
    c.line.XValues->SetOrder(loNone);  // unordered positions: every point, whatever the limits
    c.Draw();
    EXPECT_EQ(c.line.FirstVisibleIndex, 0);
    EXPECT_EQ(c.line.LastVisibleIndex, 4);
    c.bottom.SetInverted(true);  // inverted: the view's low end is at the right
    c.line.XValues->SetOrder(loAscending);
    SetLimits(c.bottom, -8, -7);
    c.Draw();
    EXPECT_EQ(c.line.FirstVisibleIndex, 2);
    EXPECT_EQ(c.line.LastVisibleIndex, 3);
}

TEST(FastLine, WithoutAutoRepaintAnAddedPointDrawsOnlyItsSegment) {
    LineChart c;
    c.line.AddPoint(0, 0);
    c.line.AutoRepaint = false;
    int added = 0;
    c.line.OnAfterAdd = [&](TChartSeries*, int) { ++added; };
    int repaints = c.repaints;
    c.rec.Clear();
    c.line.AddPoint(50, 50);
    c.line.AddPoint(50.1, 50);  // the same pixel: nothing
    c.line.AddPoint(100, 0);
    std::vector<std::string> expected = {"Polyline (100,250) (200,150)", "Polyline (200,150) (300,250)"};
    EXPECT_EQ(c.rec.Lines(), expected);
    EXPECT_EQ(added, 0);
    EXPECT_EQ(c.repaints, repaints);
    c.line.AutoRepaint = true;
    c.line.AddPoint(120, 0);
    EXPECT_EQ(added, 1);
    EXPECT_GT(c.repaints, repaints);
}

TEST(FastLine, PenAndSeriesColourFollowEachOther) {
    TFastLineSeries line;
    TChartPen red;
    red.SetColor(ClRed);
    line.SetLinePen(red);
    EXPECT_EQ(line.SeriesColor(), ClRed);
    line.SetSeriesColor(ClBlue);
    EXPECT_EQ(line.LinePen.GetColor(), ClBlue);
}

// Clicks find the point under the mouse, or the one that starts the segment through it.
TEST(FastLine, ClickedFindsPointsAndSegments) {
    LineChart c;
    EXPECT_EQ(c.line.Clicked(100, 250), -1);  // nothing drawn yet
    for (double x : {0.0, 50.0, 100.0}) c.line.AddPoint(x, x);  // (100,250) (200,150) (300,50)
    c.Draw();
    struct Case { int x, y, index; const char* why; } cases[] = {
        {100, 250, 0, "the first point"},
        {200, 150, 1, "a later point"},
        {150, 200, 0, "on the first segment"},
        {250, 100, 1, "on the second segment"},
        {150, 190, -1, "off the line"},
        {320, 30, -1, "past the last point"},
    };
    for (const Case& k : cases) EXPECT_EQ(c.line.Clicked(k.x, k.y), k.index) << k.why;
}

TEST(FastLine, LegendSymbolIsAStretchOfTheLine) {
    LineChart c;
    c.line.SetSeriesColor(ClGreen);
    c.rec.Clear();
    c.line.DrawLegendShape(0, {10, 20, 40, 31});
    std::vector<std::string> expected = {"Polyline (10,25) (40,25)"};
    EXPECT_EQ(c.rec.Lines(), expected);
    EXPECT_EQ(c.rec.Calls()[0].State.CanvasPen.PenColor, ClGreen);
    EXPECT_EQ(c.line.EditorClassName(), "TFastLineSeriesEditor");
}

TEST(FastLine, PrintingDrawsAHairline) {
    PlotPanel chart;
    TFastLineSeries line;
    chart.AddSeries(line);
    line.AddPoint(0, 0);
    line.AddPoint(1, 1);
    RecordingCanvas rec;
    chart.Canvas3D().AttachCanvas(&rec);
    struct Case { bool printing; int width, drawn; } cases[] = {{false, 1, 1}, {true, 1, 0}, {true, 2, 2}};
    for (const Case& k : cases) {
        chart.Printing = k.printing;
        line.LinePen.SetWidth(k.width);
        rec.Clear();
        line.DrawLegendShape(0, {0, 0, 10, 10});
        ASSERT_EQ(rec.Calls("Polyline").size(), 1u);
        EXPECT_EQ(rec.Calls("Polyline")[0].State.CanvasPen.Width, k.drawn) << k.printing << " " << k.width;
    }
}

TEST(FastLine, AssignCopiesAutoRepaintAndThePen) {
    TFastLineSeries from, to;
    from.AutoRepaint = false;
    from.LinePen.SetWidth(3);
    from.SetSeriesColor(ClRed);
    from.AddPoint(1, 2);
    to.Assign(from);
    EXPECT_FALSE(to.AutoRepaint);
    EXPECT_EQ(to.LinePen.Width(), 3);
    EXPECT_EQ(to.SeriesColor(), ClRed);
    EXPECT_EQ(to.Count(), 1);
    // From a series of another type only the base settings come.
    TChartSeries plain;
    plain.SetSeriesColor(ClBlue);
    to.Assign(plain);
    EXPECT_FALSE(to.AutoRepaint);
    EXPECT_EQ(to.LinePen.Width(), 3);
}

// In 3D the line lies flat at the middle depth of the series' slot; clicks are taken back to that depth.
TEST(FastLine, In3DTheLineLiesAtItsMiddleDepth) {
    PlotPanel chart;
    chart.SetView3D(true);
    TFastLineSeries back, front;
    chart.AddSeries(back);
    chart.AddSeries(front);
    for (TFastLineSeries* s : {&back, &front}) {
        s->AddPoint(0, 0);
        s->AddPoint(10, 10);
    }
    RecordingCanvas rec;
    chart.Paint(rec);
    ASSERT_GT(front.SlotMiddleDepth, 0);
    EXPECT_GT(back.SlotMiddleDepth, front.SlotMiddleDepth);
    TChartCanvas3D& c = chart.Canvas3D();
    for (TFastLineSeries* s : {&back, &front}) {
        std::vector<std::string> lines;
        for (const CanvasCall& call : rec.Calls("Polyline"))
            if (call.State.CanvasPen.PenColor == s->SeriesColor()) lines.push_back(call.ToString());
        Point a = c.Project(s->PointScreenX(0), s->PointScreenY(0), s->SlotMiddleDepth);
        Point b = c.Project(s->PointScreenX(1), s->PointScreenY(1), s->SlotMiddleDepth);
        CanvasCall expected{"Polyline", {a, b}};
        EXPECT_EQ(lines, (std::vector<std::string>{expected.ToString()}));
        EXPECT_EQ(s->Clicked(b.X, b.Y), 1);  // where the point shows on the screen
    }
}

// Two lines in one depth slot are drawn point by point in turn; each keeps its own pen and path.
TEST(FastLine, LinesSharingASlotKeepTheirOwnPaths) {
    PlotPanel chart;
    chart.SetView3D(true);
    TFastLineSeries a, b;
    for (TFastLineSeries* s : {&a, &b}) {
        chart.AddSeries(*s);
        s->ZOrder = 0;
    }
    for (int i = 0; i < 3; ++i) {
        a.AddPoint(i, 0);
        b.AddPoint(i, 10);
    }
    RecordingCanvas rec;
    chart.Paint(rec);
    ASSERT_TRUE(b.SharesZOrder());
    TChartCanvas3D& c = chart.Canvas3D();
    for (TFastLineSeries* s : {&a, &b}) {
        std::vector<std::string> lines;
        for (const CanvasCall& call : rec.Calls("Polyline"))
            if (call.State.CanvasPen.PenColor == s->SeriesColor()) lines.push_back(call.ToString());
        std::vector<std::string> expected;
        for (int i = 1; i < 3; ++i) {
            Point from = c.Project(s->PointScreenX(i - 1), s->PointScreenY(i - 1), s->SlotMiddleDepth);
            Point to = c.Project(s->PointScreenX(i), s->PointScreenY(i), s->SlotMiddleDepth);
            expected.push_back(CanvasCall{"Polyline", {from, to}}.ToString());
        }
        EXPECT_EQ(lines, expected);
    }
}

}  // namespace
}  // namespace fv
