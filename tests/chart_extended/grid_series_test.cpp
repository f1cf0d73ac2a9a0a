// The grid series: sample grids, generated values, Z values in place before anyone hears of a point, the
// grid index through late minimums, deletions and far-off positions, colour range, palette and legend.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "chart/extended/grid_series.h"
#include "chart/fake_chart.h"
#include "chart/plot_panel.h"

namespace fv {
namespace {

TEST(GridSeries, SampleValuesMakeASquareGridOfAtMost500) {
    struct Case {
        int asked, side;
        const char* why;
    };
    const Case cases[] = {
        {20, 20, "the count is the side of the grid"},
        {600, 500, "the index holds 500 positions a side"},
        {0, 500, "no count keeps the size the grid has"},
    };
    TCustom3DGridSeries grid;
    EXPECT_EQ(grid.NumSampleValues(), 15);
    for (const Case& c : cases) {
        grid.FillSampleValues(c.asked);
        EXPECT_EQ(grid.NumXValues(), c.side) << c.why;
        EXPECT_EQ(grid.NumZValues(), c.side) << c.why;
        EXPECT_EQ(grid.Count(), c.side * c.side) << c.why;
        EXPECT_EQ(grid.GridPointIndex(c.side, c.side), c.side * c.side - 1) << c.why;
        EXPECT_EQ(grid.GridPointIndex(c.side + 1, 1), -1) << c.why;
    }
    EXPECT_FALSE(grid.SampleMode) << "sample mode ends with the fill";
    EXPECT_FALSE(grid.Palette().empty()) << "the fill makes the palette";
}

TEST(GridSeries, GeneratedValuesComeFromTheHandlerInRowOrder) {
    FakeChart chart;
    TCustom3DGridSeries grid;
    grid.SetParentChart(&chart);
    grid.FillGridValues(3, 2);
    EXPECT_EQ(grid.Count(), 0) << "at run time without a handler there is nothing to ask";

    std::vector<std::pair<int, int>> asked;
    grid.OnGetYValue = [&](TChartSeries*, int x, int z) {
        asked.emplace_back(x, z);
        return x * 10.0 + z;
    };
    grid.FillGridValues(3, 2);
    std::vector<std::pair<int, int>> expected = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}};
    EXPECT_EQ(asked, expected);
    ASSERT_EQ(grid.Count(), 6);
    EXPECT_EQ(grid.GetYValue(grid.GridPointIndex(3, 2)), 32);
    EXPECT_EQ(grid.ZValues->GetValue(grid.GridPointIndex(3, 2)), 2);

    grid.FillGridValues(600, 1);
    EXPECT_EQ(grid.Count(), 500) << "positions past the index are not made";
    EXPECT_EQ(grid.NumXValues(), 600) << "the size is kept as set";
    grid.FillGridValues(3, 2);

    asked.clear();
    grid.SetNumXValues(2);  // a new size refills
    EXPECT_EQ(asked.size(), 4u);
    EXPECT_EQ(grid.Count(), 4);
    grid.SetNumXValues(2);  // the same size does not
    EXPECT_EQ(asked.size(), 4u);
}

TEST(GridSeries, OnlyASeriesThatMakesItsOwnPointsCanFillItsGrid) {
    struct Case {
        const char* why;
        bool handler, designing, sample, can;
    };
    const Case cases[] = {
        {"filled from data at run time", false, false, false, false},
        {"a handler gives every Y", true, false, false, true},
        {"a chart being designed shows the formula", false, true, false, true},
        {"sample values are being made", false, false, true, true},
    };
    for (const Case& c : cases) {
        FakeChart chart;
        chart.designing = c.designing;
        TCustom3DGridSeries grid;
        grid.SetParentChart(&chart);
        if (c.handler) grid.OnGetYValue = [](TChartSeries*, int x, int z) { return double(x + z); };
        grid.SampleMode = c.sample;
        EXPECT_EQ(grid.CanFillGrid(), c.can) << c.why;
        grid.FillGridValues(2, 3);
        EXPECT_EQ(grid.Count(), c.can ? 6 : 0) << c.why;
        grid.SetParentChart(nullptr);
    }
}

TEST(GridSeries, TheZValueIsThereWhenThePointIsAnnounced) {
    TCustom3DGridSeries grid;
    double seenZ = -1;
    grid.OnAfterAdd = [&](TChartSeries*, int index) { seenZ = grid.ZValues->GetValue(index); };
    EXPECT_EQ(grid.AddXYZPoint(1, 5, 7), 0);
    EXPECT_EQ(seenZ, 7);
    grid.OnBeforeAdd = [](TChartSeries*) { return false; };
    EXPECT_EQ(grid.AddXYZPoint(2, 5, 8), -1);
    EXPECT_EQ(grid.ZValues->Count(), 1) << "a refused point leaves every list as it was";
    grid.OnBeforeAdd = nullptr;
    grid.AddPoint(3, 1);  // a plain add after a refused one must not take the refused Z as its own
    ASSERT_EQ(grid.ZValues->Count(), 2) << "every list keeps one value per point";
    EXPECT_EQ(grid.ZValues->GetValue(1), 0);
    // A reader that sets the pending Z, adds the point and then asks for its extra values gets one Z.
    grid.ZValues->PendingValue = 4;
    int index = grid.AddPoint(5, 1);
    grid.AddExtraValues(index);
    ASSERT_EQ(grid.ZValues->Count(), 3);
    EXPECT_EQ(grid.ZValues->GetValue(2), 4);
    EXPECT_EQ(grid.GridPointIndex(5, 5), 2);  // from the smallest X 1 and Z 0
}

// The grid position of each point after a series of changes, against the position it must have.
TEST(GridSeries, TheIndexFollowsLateMinimumsAndDeletions) {
    TCustom3DGridSeries grid;
    grid.AddXYZPoint(5, 1, 5);
    grid.AddXYZPoint(6, 2, 6);
    EXPECT_EQ(grid.GridPointIndex(1, 1), 0);
    EXPECT_EQ(grid.GridPointIndex(2, 2), 1);
    // A smaller X and Z arrive late: every earlier cell moves by four.
    grid.AddXYZPoint(1, 3, 1);
    EXPECT_EQ(grid.GridPointIndex(1, 1), 2);
    EXPECT_EQ(grid.GridPointIndex(5, 5), 0);
    EXPECT_EQ(grid.GridPointIndex(6, 6), 1);
    EXPECT_EQ(grid.NumXValues(), 10) << "the size only grows";
    // A deletion moves the indexes after it: no entry may name a point that is gone.
    grid.DeletePoint(0);
    EXPECT_EQ(grid.GridPointIndex(5, 5), -1);
    EXPECT_EQ(grid.GridPointIndex(6, 6), 0);
    EXPECT_EQ(grid.GridPointIndex(1, 1), 1);
    grid.DeletePoint(1);  // the minimum itself goes: the remaining point starts the grid again
    EXPECT_EQ(grid.GridPointIndex(1, 1), 0);
    grid.AddXYZPoint(7, 1, 7);
    EXPECT_EQ(grid.GridPointIndex(2, 2), 1);
    grid.SetXValue(0, 3);  // the smallest X moves in place: the other point is now 4 columns on
    EXPECT_EQ(grid.GridPointIndex(1, 1), 0);
    EXPECT_EQ(grid.GridPointIndex(5, 2), 1);
    grid.Clear();
    EXPECT_EQ(grid.GridPointIndex(1, 1), -1);
    EXPECT_EQ(grid.XValues->Order(), loNone);
}

TEST(GridSeries, PositionsOutsideTheIndexAreNeverStored) {
    TCustom3DGridSeries grid;
    grid.AddXYZPoint(0, 1, 0);
    grid.AddXYZPoint(500, 1, 0);      // x 501
    grid.AddXYZPoint(2000000000, 1, 0);  // far beyond, no wrap back into the grid
    EXPECT_EQ(grid.GridPointIndex(1, 1), 0);
    EXPECT_EQ(grid.GridPointIndex(500, 1), -1);
    EXPECT_EQ(grid.GridPointIndex(501, 1), -1);
    EXPECT_EQ(grid.GridPointIndex(0, 1), -1);
    grid.SetGridPointIndex(0, 1, 5);  // silently refused
    EXPECT_EQ(grid.GridPointIndex(0, 1), -1);
}

TEST(GridSeries, ColourRangeRunsFromEndColorAtTheBottomToStartColorAtTheTop) {
    TCustom3DGridSeries grid;
    grid.SetStartColor(RGB(200, 0, 100));
    grid.SetEndColor(RGB(0, 100, 100));
    for (int i = 0; i < 5; ++i) grid.AddXYZPoint(i, i * 10.0, 1);
    EXPECT_EQ(grid.CellColorOf(0), RGB(0, 100, 100));
    EXPECT_EQ(grid.CellColorOf(40), RGB(200, 0, 100));
    EXPECT_EQ(grid.CellColorOf(20), RGB(100, 50, 100));
    EXPECT_EQ(grid.ValueColor(4), RGB(200, 0, 100)) << "a point's own colour gives way to its value's";
    grid.SetPointColor(4, NoColour);
    EXPECT_EQ(grid.ValueColor(4), NoColour) << "a point that is not drawn stays so";
    grid.OnGetColor = [](TChartSeries*, int index, Color& c) {
        if (index == 0) c = ClRed;
    };
    EXPECT_EQ(grid.ValueColor(0), ClRed);

    TCustom3DGridSeries flat;
    flat.AddXYZPoint(1, 3, 1);
    flat.AddXYZPoint(2, 3, 1);
    EXPECT_EQ(flat.CellColorOf(3), ClWhite) << "no range: the end colour";
}

TEST(GridSeries, PaletteStepsAndLegendFromTheHighestDown) {
    TCustom3DGridSeries grid;
    grid.SetUseColorRange(false);
    grid.SetSeriesColor(ClGreen);
    EXPECT_EQ(grid.CellColorOf(1), ClGreen) << "no palette: the series colour";
    for (int i = 0; i <= 4; ++i) grid.AddXYZPoint(i, i, 1);
    grid.SetPaletteSteps(4);
    ASSERT_EQ(grid.Palette().size(), 4u);
    EXPECT_EQ(grid.Palette()[0].UpToValue, 1);
    EXPECT_EQ(grid.Palette()[3].UpToValue, 4);
    // Step 4 of 4 is at angle pi: red (sin(pi/2)+1)*127, green (sin(pi)+1)*127, blue (cos(pi)+1)*127.
    EXPECT_EQ(grid.Palette()[3].EntryColor, RGB(254, 127, 0));
    EXPECT_EQ(grid.CellColorOf(1), ClGreen) << "the palette is used only when switched on";
    grid.SetUsePalette(true);
    EXPECT_EQ(grid.CellColorOf(0.5), grid.Palette()[0].EntryColor);
    EXPECT_EQ(grid.CellColorOf(1), grid.Palette()[1].EntryColor) << "a value equal to a step goes above it";
    EXPECT_EQ(grid.CellColorOf(99), grid.Palette()[3].EntryColor) << "above the last step: the last colour";
    EXPECT_EQ(grid.AddPaletteEntry(2, ClBlack), 2) << "after the entries of an equal value";
    grid.SetPaletteSteps(4);

    ASSERT_EQ(grid.CountLegendItems(), 4);
    EXPECT_EQ(grid.LegendString(0, ltsPlain), "4");
    EXPECT_EQ(grid.LegendString(3, ltsPlain), "1");
    EXPECT_EQ(grid.LegendString(4, ltsPlain), "");
    EXPECT_EQ(grid.LegendItemColor(0), grid.Palette()[3].EntryColor);
}

TEST(GridSeries, PaletteIsMadeOnTheFirstDrawingWithPoints) {
    TCustom3DGridSeries grid;
    grid.PrepareValues();
    EXPECT_TRUE(grid.Palette().empty());
    grid.AddXYZPoint(1, 1, 1);
    grid.PrepareValues();
    EXPECT_EQ(grid.Palette().size(), 32u);
}

TEST(GridSeries, APaletteIsNotMadeWhileTheChartIsLoaded) {
    PlotPanel panel;
    TCustom3DGridSeries grid;
    panel.AddSeries(grid);
    panel.Loading = true;  // settings arrive before the points
    grid.SetUsePalette(true);
    grid.SetPaletteSteps(4);
    EXPECT_TRUE(grid.Palette().empty());
    grid.AddXYZPoint(1, 2, 1);
    grid.AddXYZPoint(2, 10, 1);
    panel.Loading = false;
    grid.PrepareValues();
    ASSERT_EQ(grid.Palette().size(), 4u);
    EXPECT_EQ(grid.Palette().front().UpToValue, 4);
    EXPECT_EQ(grid.Palette().back().UpToValue, 10);
    grid.SetParentChart(nullptr);
}

TEST(GridSeries, HugeCountsFromAFileStayBounded) {
    PlotPanel panel;
    panel.SetView3D(true);
    TCustom3DGridSeries grid;
    panel.AddSeries(grid);
    grid.FillSampleValues(3);
    grid.SetPaletteSteps(2147483647);
    EXPECT_EQ(grid.PaletteSteps(), 2147483647) << "kept as set";
    EXPECT_EQ(grid.Palette().size(), std::size_t(TCustom3DGridSeries::MaxPaletteSteps));
    grid.SetTimesZOrder(2147483647);
    panel.HighestDepthSlot = -1;
    grid.CalcZOrder();
    EXPECT_EQ(panel.HighestDepthSlot, 10000);
    grid.SetTimesZOrder(-5);
    grid.CalcZOrder();
    EXPECT_EQ(panel.HighestDepthSlot, 0);
    grid.SetParentChart(nullptr);
}

TEST(GridSeries, ChartView3DTurnsTheViewOnly) {
    PlotPanel panel;
    TCustom3DGridSeries grid;
    panel.AddSeries(grid);
    grid.SetChartView3D(true);
    EXPECT_EQ(panel.View3DOptions().Rotation(), 350);
    EXPECT_EQ(panel.View3DOptions().Elevation(), 340);
    grid.SetChartView3D(false);
    EXPECT_EQ(panel.View3DOptions().Rotation(), 0);
    EXPECT_EQ(panel.View3DOptions().Elevation(), 270);
    EXPECT_FALSE(panel.View3D());
    grid.SetParentChart(nullptr);
}

TEST(GridSeries, AssignCopiesTheGridAndColouring) {
    TCustom3DGridSeries a, b;
    a.SetStartColor(ClRed);
    a.SetEndColor(ClBlue);
    a.SetTimesZOrder(5);
    a.FillSampleValues(4);
    b.Assign(a);
    EXPECT_EQ(b.Count(), 16);
    EXPECT_EQ(b.NumXValues(), 4);
    EXPECT_EQ(b.TimesZOrder(), 5);
    EXPECT_EQ(b.GridPointIndex(4, 4), 15);
    EXPECT_EQ(b.CellColorOf(b.MaxYValue()), ClRed);
    EXPECT_EQ(b.CellColorOf(b.MinYValue()), ClBlue);
}

}  // namespace
}  // namespace fv
