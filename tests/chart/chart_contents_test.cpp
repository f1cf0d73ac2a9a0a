// One chart picture of the axis panel: the order of its steps, the depth slots of the series in 3D, series
// sharing a slot drawn point by point, clipping, and the panel's own settings copied by Assign.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/fast_line.h"
#include "plot_panel.h"

namespace fv {
namespace {

// A series that logs what the chart asks of it.
struct LoggingSeries : TChartSeries {
    LoggingSeries(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {
        BeforeDrawValues = [this](TChartSeries*) { this->log.push_back(this->name + " before"); };
        AfterDrawValues = [this](TChartSeries*) { this->log.push_back(this->name + " after"); };
    }
    void PrepareValues() override { log.push_back(name + " prepare"); }
    void DrawValue(int index) override { log.push_back(name + std::to_string(index)); }
    bool DrawPointForward(int) const override { return forward; }
    std::vector<std::string>& log;
    std::string name;
    bool forward = true;
};

void Fill(TChartSeries& s, int n) {
    for (int i = 0; i < n; ++i) s.AddPoint(i, i);
}

// A chart with two logging series of n points each.
struct TwoSeriesChart {
    explicit TwoSeriesChart(int n) {
        for (LoggingSeries* s : {&a, &b}) {
            chart.AddSeries(*s);
            Fill(*s, n);
        }
    }
    PlotPanel chart;
    std::vector<std::string> log;
    LoggingSeries a{log, "a"}, b{log, "b"};
};

TEST(ChartContents, OneDrawingInItsOrder) {
    TwoSeriesChart two(2);
    PlotPanel& chart = two.chart;
    std::vector<std::string>& log = two.log;
    two.b.SetActive(false);
    chart.OnBeforeDrawAxes = [&](Component*) { log.push_back("before axes"); };
    chart.OnBeforeDrawSeries = [&](Component*) { log.push_back("before series"); };
    chart.OnAfterDraw = [&](Component*) { log.push_back("after draw"); };
    RecordingCanvas rec;
    chart.Paint(rec);
    EXPECT_EQ(chart.steps, (std::vector<std::string>{"legend", "axes", "margins", "walls"}));
    // Only active series are prepared and drawn.
    std::vector<std::string> expected = {"a prepare", "before axes", "before series", "a before", "a0", "a1",
                                         "a after", "after draw"};
    EXPECT_EQ(log, expected);
    // The background came first, then the back wall, then the axes (their lines) before the series.
    ASSERT_FALSE(rec.Calls().empty());
    EXPECT_EQ(rec.Calls().front().Op, "FillRect");

    // Without axes: no axis hook and no axis drawing.
    log.clear();
    chart.SetAxisVisible(false);
    rec.Clear();
    chart.Paint(rec);
    EXPECT_EQ(std::count(log.begin(), log.end(), "before axes"), 0);
    EXPECT_TRUE(rec.Calls("Text").empty());
}

TEST(ChartContents, SeriesWithoutVisiblePointsAreSkipped) {
    TwoSeriesChart two(3);
    two.chart.BottomAxis()->SetRange(10, 20);  // right of every point
    RecordingCanvas rec;
    two.chart.Paint(rec);
    EXPECT_EQ(std::count_if(two.log.begin(), two.log.end(), [](const std::string& l) { return l.find("before") != std::string::npos; }), 0);
}

TEST(ChartContents, ClipPointsClipsEachSeriesToTheChartRectangle) {
    PlotPanel chart;
    TFastLineSeries line;
    chart.AddSeries(line);
    Fill(line, 3);
    RecordingCanvas rec;
    chart.Paint(rec);
    std::vector<std::string> ops;
    for (const CanvasCall& call : rec.Calls())
        if (call.Op == "Clip" || call.Op == "Unclip" || call.State.CanvasPen.PenColor == line.SeriesColor())
            ops.push_back(call.Op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Clip", "Polyline", "Polyline", "Unclip"}));
    chart.SetClipPoints(false);
    rec.Clear();
    chart.Paint(rec);
    EXPECT_TRUE(rec.Calls("Clip").empty());
}

// In 3D each series has a slot of its own, the first one at the back; a series with a fixed ZOrder
// takes that slot, and series of one slot are drawn together, point by point.
TEST(ChartContents, DepthSlotsIn3D) {
    PlotPanel chart;
    chart.SetView3D(true);
    std::vector<std::string> log;
    LoggingSeries a(log, "a"), b(log, "b"), c(log, "c"), off(log, "off");
    for (LoggingSeries* s : {&a, &b, &c, &off}) {
        chart.AddSeries(*s);
        Fill(*s, 2);
    }
    off.SetActive(false);
    off.AutoDepthSlot = 9;
    RecordingCanvas rec;
    chart.Paint(rec);
    EXPECT_EQ(chart.HighestDepthSlot, 2);
    const int w = chart.SlotWidth3D;
    ASSERT_GT(w, 0);
    EXPECT_EQ(chart.HorizDepth, 3 * w);
    struct Case { LoggingSeries* s; int slot; } cases[] = {{&a, 2}, {&b, 1}, {&c, 0}};
    for (const Case& k : cases) {
        EXPECT_EQ(k.s->AutoDepthSlot, k.slot) << k.s->name;
        EXPECT_EQ(k.s->SlotStartDepth, k.slot * w) << k.s->name;
        EXPECT_EQ(k.s->SlotEndDepth, (k.slot + 1) * w) << k.s->name;
        EXPECT_EQ(k.s->SlotMiddleDepth, (2 * k.slot + 1) * w / 2) << k.s->name;
        EXPECT_TRUE(k.s->LeadsDepthSlot());
        EXPECT_FALSE(k.s->SharesZOrder());
    }
    EXPECT_EQ(off.AutoDepthSlot, 9);  // inactive series are left alone

    // b and c share slot 0: c draws with b, point by point; a alone in slot 2.
    a.ZOrder = 2;
    b.ZOrder = c.ZOrder = 0;
    log.clear();
    chart.Paint(rec);
    EXPECT_TRUE(b.LeadsDepthSlot());
    EXPECT_FALSE(c.LeadsDepthSlot());
    EXPECT_FALSE(a.SharesZOrder());
    EXPECT_EQ(b.SlotStartDepth, 2 * w);  // fixed slots count from the back too
    EXPECT_EQ(a.SlotStartDepth, 0);
    EXPECT_TRUE(c.SharesZOrder());
    std::vector<std::string> drawn;
    for (const std::string& l : log)
        if (l.find("prepare") == std::string::npos) drawn.push_back(l);
    std::vector<std::string> expected = {"a before", "a0", "a1", "a after", "b before", "c before", "b0", "c0",
                                         "b1", "c1", "b after", "c after"};
    EXPECT_EQ(drawn, expected);
    // A member whose points enter the view earlier keeps them: the group spans every member's range.
    c.XValues->SetOrder(loNone);  // c: every point, from 0
    for (TChartSeries* s : {static_cast<TChartSeries*>(&a), static_cast<TChartSeries*>(&b)}) s->AddPoint(-5, 0);
    chart.BottomAxis()->SetRange(0.5, 1);  // b (ordered) starts at its point 2 (x 0 is now index 1)
    log.clear();
    chart.Paint(rec);
    EXPECT_EQ(b.FirstVisibleIndex, 2);
    EXPECT_EQ(c.FirstVisibleIndex, 0);
    EXPECT_NE(std::find(log.begin(), log.end(), "c0"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "b0"), log.end());
    chart.BottomAxis()->SetAutomatic(true);
    c.XValues->SetOrder(loAscending);
    a.DeletePoint(0);
    b.DeletePoint(0);

    // The leader may ask for the last series first at a point.
    b.forward = false;
    log.clear();
    chart.Paint(rec);
    EXPECT_NE(std::find(log.begin(), log.end(), "c0"), log.end());
    EXPECT_LT(std::find(log.begin(), log.end(), "c0"), std::find(log.begin(), log.end(), "b0"));

    // A flat chart: one slot for all, and every series on its own.
    chart.SetView3D(false);
    a.ZOrder = b.ZOrder = c.ZOrder = -1;
    log.clear();
    chart.Paint(rec);
    EXPECT_EQ(a.AutoDepthSlot, 0);
    EXPECT_EQ(b.SlotStartDepth, 0);
    drawn.clear();
    for (const std::string& l : log)
        if (l.find("prepare") == std::string::npos) drawn.push_back(l);
    expected = {"a before", "a0", "a1", "a after", "b before", "b0", "b1", "b after", "c before", "c0", "c1", "c after"};
    EXPECT_EQ(drawn, expected);
}

TEST(ChartContents, NewSeriesAvoidThePanelAndBackColours) {
    PlotPanel chart;
    chart.SetColor(PaletteColor(0));
    chart.backColour = PaletteColor(1);
    EXPECT_FALSE(chart.IsFreeSeriesColor(PaletteColor(0), true));
    EXPECT_TRUE(chart.IsFreeSeriesColor(PaletteColor(0), false));
    TChartSeries s;
    chart.AddSeries(s);
    EXPECT_EQ(s.SeriesColor(), PaletteColor(2));
}

TEST(ChartContents, AssignCopiesTheAxisPanelSettings) {
    PlotPanel from, to;
    TChartSeries s;
    from.AddSeries(s);
    Fill(s, 30);
    from.SetAxisVisible(false);
    from.SetClipPoints(false);
    from.SetMaxPointsPerPage(10);
    from.SetPage(2);
    from.SetScaleLastPage(false);
    from.SetView3DWalls(false);
    from.LeftAxis()->SetLogarithmicBase(4);
    from.DepthAxis().SetVisible(true);
    from.SetView3D(true);
    to.Assign(from);
    EXPECT_FALSE(to.AxisVisible());
    EXPECT_FALSE(to.ClipPoints());
    EXPECT_EQ(to.MaxPointsPerPage(), 10);
    EXPECT_EQ(to.Page(), 2);
    EXPECT_FALSE(to.ScaleLastPage());
    EXPECT_FALSE(to.View3DWalls());
    EXPECT_EQ(to.LeftAxis()->LogarithmicBase(), 4);
    EXPECT_TRUE(to.DepthAxis().Visible());
    EXPECT_TRUE(to.View3D());  // the panel's own settings follow
    EXPECT_EQ(to.SeriesCount(), 0);  // series are not settings
}

}  // namespace
}  // namespace fv
