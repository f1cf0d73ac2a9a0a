// The axis panel: series colours, which axes show, extreme values with paging, page changes and depth slots.
#include <gtest/gtest.h>

#include "chart/axis_panel.h"
#include "chart/chart_units.h"

namespace fv {
namespace {

struct Panel : TCustomAxisPanel {
    Panel() : TCustomAxisPanel(nullptr) {}
    void DrawChartContents(const PixelRect&) override {}
    void CalcLegendAndPanelRect() override {}
    void CalcAxisRect() override {}
    void CalcSeriesMargins() override {}
    int WallSizeOfAxis(TAxisSide) const override { return 0; }
    void DrawWalls() override {}
};

// A series of `n` points with X = 10 × index and Y = index.
void Fill(TChartSeries& s, int n) {
    for (int i = 0; i < n; ++i) s.AddPoint(10.0 * i, i);
}

TEST(AxisPanel, NewSeriesTakeTheFirstFreePaletteColour) {
    Panel chart;
    std::vector<std::unique_ptr<TChartSeries>> series;
    for (int i = 0; i < PaletteSize + 1; ++i) {
        series.push_back(std::make_unique<TChartSeries>());
        if (i == 0) series.back()->SetSeriesColor(PaletteColor(1));
        chart.AddSeries(*series.back());
    }
    EXPECT_EQ(series[0]->SeriesColor(), PaletteColor(1));  // its own
    EXPECT_EQ(series[1]->SeriesColor(), PaletteColor(0));
    EXPECT_EQ(series[2]->SeriesColor(), PaletteColor(2));
    EXPECT_EQ(series[16]->SeriesColor(), PaletteColor(16));  // none free: the seventeenth, untested
    EXPECT_EQ(chart.SeriesCount(), 17);

    // Removing keeps the points; removing twice does nothing.
    TChartSeries& s = *series[3];
    Fill(s, 4);
    chart.RemoveSeries(s);
    chart.RemoveSeries(s);
    EXPECT_EQ(chart.SeriesCount(), 16);
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.ParentChart(), nullptr);
}

TEST(AxisPanel, AxesShownFollowTheSeries) {
    Panel chart;
    EXPECT_TRUE(chart.AxisShown(*chart.RightAxis()));  // no series: every side axis
    TChartSeries s;
    chart.AddSeries(s);
    EXPECT_TRUE(chart.AxisShown(*chart.LeftAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.RightAxis()));
    EXPECT_EQ(chart.AxisShown(chart.DepthAxis()), false);  // hidden by default
    chart.DepthAxis().SetVisible(true);
    EXPECT_EQ(chart.AxisShown(chart.DepthAxis()), chart.View3D());
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.AxisShown(*chart.LeftAxis()));
}

// 25 points, 10 a page: pages of 0..9, 10..19 and 20..24.
TEST(AxisPanel, PagingShowsOnePageOfPointsAtATime) {
    struct Case { int page; bool scaleLast; double min, max; const char* why; } cases[] = {
        {1, true, 0, 90, "the first page"},
        {3, true, 200, 240, "the short last page"},
        {3, false, 200, 200 + (240 - 200) * 10 / 5.0, "the short last page stretched to a full page's width"},
        {5, true, 200, 240, "beyond the last page: clamped to it"},
    };
    for (const Case& k : cases) {
        Panel chart;
        TChartSeries s;
        chart.AddSeries(s);
        Fill(s, 25);
        chart.SetMaxPointsPerPage(10);
        EXPECT_EQ(chart.PageCount(), 3);
        chart.SetScaleLastPage(k.scaleLast);
        chart.SetPage(k.page);
        EXPECT_DOUBLE_EQ(chart.MinXValue(chart.BottomAxis()), k.min) << k.why;
        EXPECT_DOUBLE_EQ(chart.MaxXValue(chart.BottomAxis()), k.max) << k.why;
        // The value axis is not paged.
        EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 24) << k.why;
    }
}

TEST(AxisPanel, PageChangesAreClampedAndAnnounced) {
    Panel chart;
    TChartSeries s;
    chart.AddSeries(s);
    Fill(s, 25);
    int changes = 0;
    chart.OnPageChange = [&](Component*) { ++changes; };
    chart.SetPage(2);
    EXPECT_EQ(chart.Page(), 1);  // no paging: one page
    chart.SetMaxPointsPerPage(10);
    chart.SetPage(99);
    EXPECT_EQ(chart.Page(), 3);
    chart.SetPage(-4);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_EQ(changes, 2);
    chart.SetPage(3);
    chart.SetMaxPointsPerPage(20);  // now two pages: the page follows
    EXPECT_EQ(chart.Page(), 2);
    try {
        chart.SetMaxPointsPerPage(-1);
        ADD_FAILURE();
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
    }
    EXPECT_EQ(chart.MaxPointsPerPage(), 20);
}

TEST(AxisPanel, SeriesTitlesOfLegendIndex) {
    Panel chart;
    TChartSeries a, b(nullptr, "Revenue"), c;
    a.SetTitle("Costs");
    for (TChartSeries* s : {&a, &b, &c}) chart.AddSeries(*s);
    EXPECT_EQ(chart.SeriesTitleOfLegendIndex(0), "Costs");
    EXPECT_EQ(chart.SeriesTitleOfLegendIndex(1), "Revenue");
    EXPECT_EQ(chart.SeriesTitleOfLegendIndex(2), "Series 2");
    EXPECT_EQ(chart.SeriesTitleOfLegendIndex(3), "");
}

TEST(AxisPanel, SlotDepthFromTheChartWidth) {
    Panel chart;
    chart.SetBounds(0, 0, 400, 300);
    chart.HighestDepthSlot = 2;
    chart.View3DOptions().SetOrthogonal(true);
    EXPECT_EQ(chart.CalcSlotDepth(), 3);
    EXPECT_EQ(chart.SlotWidth3D, 6);  // 400 × 15 / 1000
    EXPECT_EQ(chart.HorizDepth, 18);
    chart.View3DOptions().SetOrthogonal(false);
    chart.CalcSlotDepth();
    EXPECT_EQ(chart.SlotWidth3D, 12);  // doubled for a perspective view
    EXPECT_EQ(chart.HorizDepth, 36);
    chart.SetView3D(false);
    EXPECT_EQ(chart.CalcSlotDepth(), 0);
    EXPECT_EQ(chart.HorizDepth, 0);
}

}  // namespace
}  // namespace fv
