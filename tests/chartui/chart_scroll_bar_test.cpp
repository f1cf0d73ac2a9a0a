// The chart scroll bar against a chart of one series over 0..100 both ways: the thumb follows the axes,
// the axes follow the thumb, and the bar lets go of a chart that is freed.
#include <gtest/gtest.h>

#include <memory>

#include "chart/chart.h"
#include "chart/chart_series.h"
#include "chart/plot_panel.h"
#include "chartui/window/chart_scroll_bar.h"

namespace fv {
namespace {

struct ScrolledChart {
    ScrolledChart() {
        chart->AddSeries(series);
        for (int i = 0; i <= 100; ++i) series.AddPoint(i, i);
    }
    ~ScrolledChart() { bar.SetChart(nullptr); }
    std::unique_ptr<PlotPanel> chart = std::make_unique<PlotPanel>();
    TChartSeries series;
    TChartScrollBar bar{nullptr};
};

TEST(ChartScrollBar, StartsDisabledOverItsOwnScale) {
    TChartScrollBar bar(nullptr);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 30000);
    EXPECT_EQ(bar.LargeChange, 3000);
    EXPECT_EQ(bar.SmallChange, 300);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.Axis, TScrollBarAxis::sbBoth);
}

TEST(ChartScrollBar, AChartWithoutSeriesLeavesTheBarOffAndItsAxesAlone) {
    PlotPanel chart;
    chart.BottomAxis()->SetRange(10, 20);
    TChartScrollBar bar(nullptr);
    bar.SetChart(&chart);
    EXPECT_FALSE(bar.Enabled());
    bar.SetPosition(0);
    EXPECT_EQ(chart.BottomAxis()->Minimum(), 10);
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 20);
    bar.SetChart(nullptr);
}

TEST(ChartScrollBar, AutomaticAxesFillTheBar) {
    ScrolledChart s;
    s.bar.SetChart(s.chart.get());
    EXPECT_TRUE(s.bar.Enabled());
    EXPECT_EQ(s.bar.Position(), 15000);
    EXPECT_EQ(s.bar.PageSize(), 30000);
}

TEST(ChartScrollBar, AZoomedHalfScrollsOverTheData) {
    // Each bar kind: the thumb of the middle half, then the thumb moved to the bar's start, and the half
    // of the data that shows then.
    struct Case {
        const char* kind;
        bool vertical, inverted;
        double lo, hi;  // shown with the thumb at position 0
    };
    const Case cases[] = {
        {"horizontal", false, false, 0, 50},
        {"horizontal inverted", false, true, 50, 100},
        {"vertical (top = high values)", true, false, 50, 100},
        {"vertical inverted", true, true, 0, 50},
    };
    for (const Case& c : cases) {
        ScrolledChart s;
        s.bar.Vertical = c.vertical;
        s.bar.SetInverted(c.inverted);
        s.bar.SetChart(s.chart.get());
        TCustomChartAxis* axis = c.vertical ? s.chart->LeftAxis() : s.chart->BottomAxis();
        axis->SetRange(25, 75);
        s.chart->OnZoom(s.chart.get());
        EXPECT_EQ(s.bar.PageSize(), 15000) << c.kind;
        EXPECT_EQ(s.bar.Position(), 7500) << c.kind;
        s.bar.SetPosition(0);
        EXPECT_DOUBLE_EQ(axis->Minimum(), c.lo) << c.kind;
        EXPECT_DOUBLE_EQ(axis->Maximum(), c.hi) << c.kind;
        // The chart's word on the new limits puts the thumb where the user left it.
        s.chart->OnScroll(s.chart.get());
        EXPECT_EQ(s.bar.Position(), 0) << c.kind;
    }
}

TEST(ChartScrollBar, OnlyTheChosenAxesThatSeriesUseFollow) {
    ScrolledChart s;
    s.bar.Axis = TScrollBarAxis::sbOther;  // the top axis, which no series uses
    s.bar.SetChart(s.chart.get());
    s.chart->BottomAxis()->SetRange(25, 75);
    s.chart->TopAxis()->SetRange(25, 75);
    s.bar.SetPosition(0);
    EXPECT_EQ(s.chart->TopAxis()->Minimum(), 25);
    EXPECT_EQ(s.chart->BottomAxis()->Minimum(), 25);
    s.bar.Axis = TScrollBarAxis::sbDefault;
    s.bar.RecalcPosition();
    EXPECT_EQ(s.bar.PageSize(), 15000);
    s.bar.SetPosition(15000);  // the thumb at the end of the bar
    EXPECT_DOUBLE_EQ(s.chart->BottomAxis()->Minimum(), 50);
    EXPECT_EQ(s.chart->TopAxis()->Minimum(), 25);
}

TEST(ChartScrollBar, ABarOfNoLengthMovesNoAxis) {
    ScrolledChart s;
    s.bar.SetChart(s.chart.get());
    s.bar.SetRange(0, 0);
    s.chart->BottomAxis()->SetRange(25, 75);
    s.bar.SetPosition(100);
    s.chart->OnZoom(s.chart.get());
    EXPECT_EQ(s.chart->BottomAxis()->Minimum(), 25);
    EXPECT_EQ(s.chart->BottomAxis()->Maximum(), 75);
}

TEST(ChartScrollBar, TheChartsOwnHandlersStillRunAndTheBarLetsGoOfAFreedChart) {
    ScrolledChart s;
    std::vector<std::string> heard;
    s.chart->OnZoom = [&](Component* sender) { heard.push_back(sender == s.chart.get() ? "zoom" : "?"); };
    s.chart->OnUndoZoom = [&](Component*) { heard.push_back("undo"); };
    s.bar.SetChart(s.chart.get());
    s.chart->BottomAxis()->SetRange(25, 75);
    s.chart->OnZoom(s.chart.get());
    s.chart->OnScroll(s.chart.get());  // none was there: only the bar hears it
    s.chart->OnUndoZoom(s.chart.get());
    EXPECT_EQ(heard, (std::vector<std::string>{"zoom", "undo"}));
    EXPECT_EQ(s.bar.PageSize(), 15000);

    s.chart.reset();
    EXPECT_EQ(s.bar.Chart(), nullptr);
    EXPECT_FALSE(s.bar.Enabled());
    s.bar.SetPosition(0);  // no chart to scroll
}

TEST(ChartScrollBar, FollowsTheChartsZoomAndItsUndo) {
    TChart chart(nullptr, "Chart1");
    TChartSeries series;
    chart.AddSeries(series);
    for (int i = 0; i <= 100; ++i) series.AddPoint(i, i);
    TChartScrollBar bar(nullptr);
    bar.SetChart(&chart);
    chart.ZoomToRanges(0, 100, 0, 100, 0, 100, 25, 75);
    EXPECT_EQ(bar.Position(), 7500);
    EXPECT_EQ(bar.PageSize(), 15000);
    chart.UndoZoom();
    EXPECT_EQ(bar.Position(), 15000);
    EXPECT_EQ(bar.PageSize(), 30000);
    bar.SetChart(nullptr);
    chart.RemoveSeries(series);
}

TEST(ChartScrollBar, ABarGoingAwayGivesTheChartItsHandlersBack) {
    PlotPanel chart;
    int zooms = 0;
    chart.OnZoom = [&](Component*) { ++zooms; };
    {
        TChartScrollBar bar(nullptr);
        bar.SetChart(&chart);
    }
    chart.OnZoom(&chart);
    EXPECT_EQ(zooms, 1);
}

}  // namespace
}  // namespace fv
