// The contour: the level count kept to 1..251, evenly spaced levels and their colours, the cases of the
// triangle table on single cells (a crossing, a level through corners, a flat cell), cells left out, the
// height of the lines, the legend and the sample values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/chart_units.h"
#include "chart/extended/surface_series.h"
#include "grid_chart.h"

namespace fv {
namespace {

// One cell, corners (1,1) (2,1) (2,2) (1,2) with the given heights, in a 3D chart so depth shows, traced at
// the one level `level`.
struct OneCell : GridChart<TContourSeries> {
    OneCell(double y11, double y21, double y22, double y12, double level) : GridChart(true) {
        series.AddXYZPoint(1, y11, 1);
        series.AddXYZPoint(2, y21, 1);
        series.AddXYZPoint(2, y22, 2);
        series.AddXYZPoint(1, y12, 2);
        series.SetNumLevels(1);
        series.OnGetLevel = [level](TContourSeries*, int, double& value, Color&) { value = level; };
    }
    // The segments drawn, each as "Polyline (a) (b)".
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        for (const CanvasCall& c : Draw("Polyline")) out.push_back(c.ToString());
        return out;
    }
    // A point at chart pixel x on the YPosition plane at depth pixel d.
    Point At(int x, int d) { return panel.Canvas3D().Project(x, series.YScreenPos(series.YPosition()), d); }
    // The depth pixel of a Z value, and halfway between Z 1 and 2 as the centre (truncated) and a crossing
    // (rounded) take it.
    int D(double z) { return panel.DepthAxis().ValueToPixel(z); }
    int CentreD() { return (D(1) + D(2)) / 2; }
    int CrossD() { return int(std::nearbyint((D(1) + D(2)) / 2.0)); }
    int X(int gx) { return series.PointScreenX(series.GridPointIndex(gx, 1)); }
    static std::string Segment(Point a, Point b) {
        return "Polyline (" + std::to_string(a.X) + "," + std::to_string(a.Y) + ") (" + std::to_string(b.X) + "," +
               std::to_string(b.Y) + ")";
    }
};

TEST(Contour, TheLevelCountIsKeptToTheTable) {
    struct Case {
        int set, kept;
        const char* why;
    };
    const Case cases[] = {
        {0, 1, "no level would read the level before the first"},
        {-7, 1, "nor would a negative count"},
        {251, 251, "the table's size"},
        {252, 251, "one more would write past the table"},
        {10, 10, "inside the range as set"},
    };
    GridChart<TContourSeries> chart(true);
    chart.series.FillSampleValues(5);
    for (const Case& c : cases) {
        chart.series.SetNumLevels(c.set);
        EXPECT_EQ(chart.series.NumLevels(), c.kept) << c.why;
        chart.Draw();  // levels worked out and traced without reading outside the table
    }
}

TEST(Contour, LevelsAreEvenlySpacedFromTheLowestValue) {
    GridChart<TContourSeries> chart(true);
    chart.Fill(3, 3, [](int x, int z) { return double(x + z) * 2; });  // 4 .. 12
    TContourSeries& s = chart.series;
    s.SetNumLevels(4);
    s.PrepareValues();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.Level(i).Value, 4 + 2 * i);
        EXPECT_EQ(s.Level(i).LevelColor, PaletteColor(i)) << "each level its own palette colour";
    }
    s.SetColorEachPoint(false);
    s.PrepareValues();
    EXPECT_EQ(s.Level(0).LevelColor, s.CellColorOf(4)) << "else the colour range";
    s.SetUseColorRange(false);
    s.PrepareValues();
    EXPECT_EQ(s.Level(2).LevelColor, s.SeriesColor());
    s.OnGetLevel = [](TContourSeries*, int i, double& value, Color& colour) {
        if (i == 1) {
            value = 5.5;
            colour = ClRed;
        }
    };
    s.PrepareValues();
    EXPECT_EQ(s.Level(1).Value, 5.5);
    EXPECT_EQ(s.Level(1).LevelColor, ClRed);
    // The legend lists the levels from the highest down.
    ASSERT_EQ(s.CountLegendItems(), 4);
    EXPECT_EQ(s.LegendString(0, ltsPlain), "10");
    EXPECT_EQ(s.LegendString(3, ltsPlain), "4");
    EXPECT_EQ(s.LegendItemColor(2), ClRed);
}

TEST(Contour, ALevelCrossingTheCellIsOneLineThroughItsMiddle) {
    // Heights -1 -1 +1 +1 around the level: the centre lies on it, and two triangles (corner 2 to 3 and 4 to
    // 1) each give a line from the centre to the crossing on their outer side.
    OneCell c(0, 0, 2, 2, 1);
    auto lines = c.Lines();
    int x0 = (c.X(1) + c.X(2)) / 2;
    std::vector<std::string> expected = {OneCell::Segment(c.At(x0, c.CentreD()), c.At(c.X(2), c.CrossD())),
                                         OneCell::Segment(c.At(x0, c.CentreD()), c.At(c.X(1), c.CrossD()))};
    EXPECT_EQ(lines, expected);
}

TEST(Contour, ALevelThroughCornersUsesTheCasesThroughThem) {
    // The level equals corners 1 and 2 (the front edge), the rest is above: the front edge is drawn, as the
    // side of the triangle on it.
    OneCell c(1, 1, 3, 3, 1);
    auto lines = c.Lines();
    std::vector<std::string> expected = {OneCell::Segment(c.At(c.X(2), c.D(1)), c.At(c.X(1), c.D(1)))};
    EXPECT_EQ(lines, expected);
}

TEST(Contour, AFlatCellOnALevelDrawsItsFourEdges) {
    OneCell c(2, 2, 2, 2, 2);
    auto lines = c.Lines();
    Point p1 = c.At(c.X(1), c.D(1)), p2 = c.At(c.X(2), c.D(1)), p3 = c.At(c.X(2), c.D(2)), p4 = c.At(c.X(1), c.D(2));
    std::vector<std::string> expected = {OneCell::Segment(p2, p1), OneCell::Segment(p3, p2), OneCell::Segment(p4, p3),
                                         OneCell::Segment(p1, p4)};
    EXPECT_EQ(lines, expected);
}

TEST(Contour, CellsWithoutACornerOrOutsideTheLevelsAreLeftOut) {
    OneCell level(0, 0, 2, 2, 5);
    EXPECT_TRUE(level.Lines().empty()) << "all four corners below the only level";
    OneCell missing(0, 0, 2, 2, 1);
    missing.series.DeletePoint(3);
    EXPECT_TRUE(missing.Lines().empty());
}

TEST(Contour, LinesLieAtYPositionOrAtTheirLevel) {
    OneCell c(0, 0, 2, 2, 1);
    c.series.SetYPosition(2);
    auto atPosition = c.Draw("Polyline");
    ASSERT_FALSE(atPosition.empty());
    int yp = c.series.YScreenPos(2);
    EXPECT_EQ(atPosition[0].Points[0], c.panel.Canvas3D().Project((c.X(1) + c.X(2)) / 2, yp, c.CentreD()));
    c.series.SetYPositionLevel(true);
    auto atLevel = c.Draw("Polyline");
    EXPECT_EQ(atLevel[0].Points[0],
              c.panel.Canvas3D().Project((c.X(1) + c.X(2)) / 2, c.series.YScreenPos(1), c.CentreD()));
    EXPECT_EQ(atLevel[0].State.CanvasPen.PenColor, PaletteColor(0)) << "the level's colour";
}

TEST(Contour, SampleValuesPutThePlaneHalfwayUp) {
    TContourSeries s;
    s.FillSampleValues(8);
    EXPECT_EQ(s.Count(), 64);
    EXPECT_DOUBLE_EQ(s.YPosition(), (s.MaxYValue() + s.MinYValue()) * 0.5);
    EXPECT_TRUE(s.ColorEachPoint());
    EXPECT_EQ(s.EditorClassName(), "TContourSeriesEditor");
}

TEST(Contour, AssignCopiesLevelsAndPlane) {
    TContourSeries a, b;
    a.SetNumLevels(7);
    a.SetYPosition(3);
    a.SetYPositionLevel(true);
    a.Pen.SetColor(ClRed);
    b.Assign(a);
    EXPECT_EQ(b.NumLevels(), 7);
    EXPECT_EQ(b.YPosition(), 3);
    EXPECT_TRUE(b.YPositionLevel());
    EXPECT_EQ(b.Pen.GetColor(), ClRed);
}

}  // namespace
}  // namespace fv
