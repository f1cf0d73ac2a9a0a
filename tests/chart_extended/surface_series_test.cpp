// The surface: painter's order by the axes' Inverted, the plane of each cell with its two depths, cells
// left out for a missing corner or an undrawn point, wire and dot frames, the hit test and the gallery.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "chart/extended/surface_series.h"
#include "grid_chart.h"

namespace fv {
namespace {

// A surface that logs the cells it is asked to draw and the steps they are drawn with.
struct LoggingSurface : TSurfaceSeries {
    void DrawCell(int x, int z) override {
        cells.emplace_back(x, z);
        TSurfaceSeries::DrawCell(x, z);
    }
    std::vector<std::pair<int, int>> cells;
};

double Ramp(int x, int z) { return x + 10.0 * z; }

TEST(Surface, CellsAreDrawnFromTheBackInTheOrderTheAxesGive) {
    using Cells = std::vector<std::pair<int, int>>;
    struct Case {
        bool depthInverted, horizInverted;
        int columnStep, rowStep;
        Cells order;
    };
    const Case cases[] = {
        {true, true, 1, 1, {{2, 1}, {2, 2}, {1, 1}, {1, 2}}},
        {true, false, 1, -1, {{2, 1}, {2, 2}, {3, 1}, {3, 2}}},
        {false, true, -1, 1, {{2, 3}, {2, 2}, {1, 3}, {1, 2}}},
        {false, false, -1, -1, {{2, 3}, {2, 2}, {3, 3}, {3, 2}}},
    };
    for (const Case& c : cases) {
        GridChart<LoggingSurface> chart(true);
        chart.Fill(3, 3, Ramp);
        chart.panel.DepthAxis().SetInverted(c.depthInverted);
        chart.panel.BottomAxis()->SetInverted(c.horizInverted);
        auto polygons = chart.Draw("Polygon");
        std::string which = std::to_string(c.depthInverted) + std::to_string(c.horizInverted);
        EXPECT_EQ(chart.series.cells, c.order) << which;
        EXPECT_EQ(chart.series.ColumnStep, c.columnStep) << which;
        EXPECT_EQ(chart.series.RowStep, c.rowStep) << which;
        EXPECT_EQ(polygons.size(), 4u) << which;
    }
}

TEST(Surface, ACellIsOnePlaneThroughItsCornersAtTwoDepths) {
    GridChart<TSurfaceSeries> chart(true);
    chart.Fill(2, 2, Ramp);
    auto polygons = chart.Draw("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    // Cell (2, 2) towards (1, 1): p0 (2,2), p1 (1,2), p2 (1,1), p3 (2,1); p0 and p1 at column 2's depth.
    TSurfaceSeries& s = chart.series;
    auto at = [&](int x, int z) {
        int i = s.GridPointIndex(x, z);
        return chart.Project(s.PointScreenX(i), s.PointScreenY(i), 2);
    };
    auto atNear = [&](int x, int z) {
        int i = s.GridPointIndex(x, z);
        return chart.Project(s.PointScreenX(i), s.PointScreenY(i), 1);
    };
    std::vector<Point> expected = {at(2, 2), at(1, 2), atNear(1, 1), atNear(2, 1)};
    EXPECT_EQ(polygons[0].Points, expected);
    EXPECT_NE(expected[0].Y, chart.Project(s.PointScreenX(s.GridPointIndex(2, 2)), s.PointScreenY(s.GridPointIndex(2, 2)), 1).Y)
        << "the two depths differ on the screen";
    // Coloured by the value of its first corner: the highest Y here, so the start colour.
    EXPECT_EQ(polygons[0].State.CanvasBrush.BrushColor, s.StartColor());
}

TEST(Surface, CellsWithAMissingCornerOrAnUndrawnFirstCornerAreLeftOut) {
    GridChart<LoggingSurface> chart(true);
    chart.Fill(3, 3, [](int x, int z) { return x == 3 && z == 3 ? 0.0 / 0.0 : Ramp(x, z); });
    EXPECT_EQ(chart.Draw("Polygon").size(), 3u) << "the cell at the missing corner is skipped";
    chart.series.SetPointColor(chart.series.GridPointIndex(2, 2), NoColour);
    // (2, 2) is the first corner of one cell only: the one towards (1, 1).
    EXPECT_EQ(chart.Draw("Polygon").size(), 2u);
}

TEST(Surface, AHugeOrNegativeGridSizeDrawsOnlyWhatTheIndexCanHold) {
    // A size from a file is not to be trusted: the loops stop at the 500 positions a point can have.
    for (int size : {2147483647, -2147483647 - 1}) {
        GridChart<TSurfaceSeries> surface(true);
        surface.Fill(3, 3, Ramp);
        surface.series.SetNumXValues(size);
        surface.series.SetNumZValues(size);
        EXPECT_EQ(surface.Draw("Polygon").size(), size > 0 ? 4u : 0u) << size;
        GridChart<TContourSeries> contour(true);
        contour.Fill(3, 3, Ramp);
        contour.series.SetNumXValues(size);
        contour.series.SetNumZValues(size);
        EXPECT_EQ(contour.Draw("Polyline").empty(), size < 0) << size;
    }
}

TEST(Surface, WireAndDotFrames) {
    GridChart<TSurfaceSeries> chart(false);
    chart.Fill(3, 2, Ramp);
    TSurfaceSeries& s = chart.series;
    s.Pen.SetVisible(false);
    auto filled = chart.Draw("Polygon");
    ASSERT_EQ(filled.size(), 2u);
    EXPECT_EQ(filled[0].State.CanvasPen.Style, PenStyle::Clear) << "an invisible pen draws no outline";

    s.SetWireFrame(true);
    EXPECT_TRUE(s.Pen.Visible()) << "a frame shows the pen";
    auto wire = chart.Draw("Polygon");
    ASSERT_EQ(wire.size(), 2u);
    EXPECT_EQ(wire[0].State.CanvasBrush.Style, BrushStyle::Clear);
    EXPECT_NE(wire[0].State.CanvasPen.Style, PenStyle::Clear);

    s.SetDotFrame(true);
    EXPECT_FALSE(s.WireFrame()) << "the two frames never hold at once";
    EXPECT_TRUE(chart.Draw("Polygon").empty());
    auto dots = chart.Draw("Pixel");
    ASSERT_EQ(dots.size(), 8u) << "four corners a cell";
    // Each corner in its own colour: the first cell is (2, 2) towards (1, 1), its last dot (2, 1).
    int first = s.GridPointIndex(2, 2), last = s.GridPointIndex(2, 1);
    EXPECT_EQ(dots[0].PixelColor, s.CellColorOf(Ramp(2, 2)));
    EXPECT_EQ(dots[0].Points[0], (Point{s.PointScreenX(first), s.PointScreenY(first)}));
    EXPECT_EQ(dots[3].PixelColor, s.CellColorOf(Ramp(2, 1)));
    EXPECT_EQ(dots[3].Points[0], (Point{s.PointScreenX(last), s.PointScreenY(last)}));
    EXPECT_NE(dots[0].PixelColor, dots[3].PixelColor);
    s.SetWireFrame(true);
    EXPECT_FALSE(s.DotFrame());
}

TEST(Surface, AClickFindsTheCellUnderIt) {
    GridChart<TSurfaceSeries> chart(false);
    chart.Fill(3, 2, [](int x, int z) { return double(x * z); });
    chart.Draw();
    TSurfaceSeries& s = chart.series;
    // Flat, the cell from (3, 2) to (2, 1) spans the right half of the X range.
    int i32 = s.GridPointIndex(3, 2), i21 = s.GridPointIndex(2, 1);
    int x = (s.PointScreenX(i32) + s.PointScreenX(i21)) / 2;
    int y = (s.PointScreenY(i32) + s.PointScreenY(i21)) / 2;
    EXPECT_EQ(s.Clicked(x, y), i32);
    EXPECT_EQ(s.Clicked(-50, -50), -1);
    TSurfaceSeries empty;
    EXPECT_EQ(empty.Clicked(0, 0), -1);
}

TEST(Surface, GalleryPreviewMakesItsOwnSurface) {
    GridChart<TSurfaceSeries> chart(true);
    chart.series.PrepareForGallery(true);
    EXPECT_EQ(chart.series.Count(), 100);
    EXPECT_TRUE(chart.series.SampleMode);
    EXPECT_TRUE(chart.series.UsePalette());
    EXPECT_FALSE(chart.series.UseColorRange());
    EXPECT_EQ(chart.series.Pen.GetColor(), ClBlack);
    chart.series.PrepareForGallery(false);
    EXPECT_EQ(chart.series.Pen.GetColor(), ClGray);
    EXPECT_FALSE(chart.series.UsePalette());
    EXPECT_EQ(chart.series.EditorClassName(), "TSurfaceSeriesEditor");
}

// A smallest Z value far below the int range (as a chart file may give) draws a bounded surface: the depth
// of the grid columns is worked out without overflowing (the sanitizer run would stop on it).
TEST(SurfaceSeries, AHugeNegativeZValueDrawsWithoutOverflow) {
    TChart chart(nullptr);
    chart.SetBufferedDisplay(false);
    chart.SetView3D(true);
    TSurfaceSeries surface;
    chart.AddSeries(surface);
    surface.FillSampleValues(3);
    surface.ZValues->SetValue(0, -1e300);
    RecordingCanvas rec;
    chart.Paint(rec);
    EXPECT_FALSE(rec.Calls().empty());
    surface.SetParentChart(nullptr);
}

}  // namespace
}  // namespace fv

namespace fv {
namespace {

// A rotated surface in a chart that does not clip its points still stays inside the chart area the title
// leaves: every polygon of it is drawn under a clip no higher than that area.
TEST(SurfaceSeries, ARotatedSurfaceStaysBelowTheTitle) {
    TChart chart(nullptr);
    chart.SetBufferedDisplay(false);
    chart.SetView3D(true);
    chart.View3DOptions().SetOrthogonal(false);
    chart.SetClipPoints(false);
    chart.Legend().SetVisible(false);
    chart.Title().SetText({"Title"});
    TSurfaceSeries surface;
    chart.AddSeries(surface);
    surface.FillSampleValues(6);
    RecordingCanvas rec;
    chart.Paint(rec);
    const PixelRect area = chart.ChartAreaRect;
    bool clipped = false;
    int polygons = 0;
    for (const CanvasCall& call : rec.Calls()) {
        if (call.Op == "Clip") clipped = call.Points.size() == 4 && call.State.Clip.Bounds().Top >= area.Top;
        if (call.Op == "Unclip") clipped = false;
        if (call.Op == "Polygon" && call.State.CanvasBrush.Style != BrushStyle::Clear && call.Points[0].Y > area.Top &&
            call.Points.size() == 4) {
            ++polygons;
            EXPECT_TRUE(clipped) << call.ToString();
        }
    }
    EXPECT_GT(polygons, 0);
    surface.SetParentChart(nullptr);
}

}  // namespace
}  // namespace fv
