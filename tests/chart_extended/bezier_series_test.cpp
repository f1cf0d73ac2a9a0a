// The Bezier series: the flat curve of cubic segments from point 0, the 3D curve of quadratic segments in
// NumBezierPoints pieces, the markers, the invisible pen, the 8000-point limit, the count check, the
// colour and the gallery. Drawings use the series chart: axes 0..100 onto 100..300 across and 250..50 up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart_exception.h"
#include "chart/extended/bezier_series.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

struct BezierChart {
    explicit BezierChart(bool is3D = false, int points = 7) : chart(is3D) {
        s.SetParentChart(&chart);
        for (int i = 0; i < points; ++i) s.AddPoint(i * 10, i % 2 ? 60 : 20);
    }
    SeriesChart chart;
    TBezierSeries s;
};

TEST(Bezier, SevenPointsMakeTwoSegmentsAndThe7thOnlyAMarker) {
    BezierChart c;
    c.chart.Draw();
    auto curves = c.chart.rec.Calls("Bezier");
    ASSERT_EQ(curves.size(), 1u);
    // From point 0: controls 0 and 1 to 2, then controls 3 and 4 to 5.
    std::vector<Point> expected = {{100, 210}, {100, 210}, {120, 130}, {140, 210}, {160, 130}, {180, 210}, {200, 130}};
    EXPECT_EQ(curves[0].Points, expected);
    EXPECT_EQ(c.chart.rec.Calls("Rectangle").size(), 7u) << "a marker on every point";
    EXPECT_EQ(c.chart.rec.Lines()[0].rfind("Bezier", 0), 0u) << "the curve before the markers";
    EXPECT_EQ(curves[0].State.CanvasPen.PenColor, c.s.SeriesColor());
    EXPECT_EQ(curves[0].State.CanvasBrush.Style, BrushStyle::Clear);
}

TEST(Bezier, FewerThanThreePointsDrawOnlyTheirMarkers) {
    for (int n : {1, 2}) {
        BezierChart c(false, n);
        EXPECT_EQ(c.chart.Draw().size(), std::size_t(n)) << n;
        EXPECT_TRUE(c.chart.rec.Calls("Bezier").empty());
        BezierChart d(true, n);
        d.chart.Draw();
        EXPECT_TRUE(d.chart.rec.Calls("Polyline").empty()) << n << " in 3D";
    }
}

TEST(Bezier, InThreeDEachSegmentIsNumBezierPointsPiecesEndingOnItsThirdPoint) {
    BezierChart c(true);
    c.s.SetNumBezierPoints(4);
    c.s.Pointer.SetVisible(false);
    c.chart.Draw();
    auto pieces = c.chart.rec.Calls("Polyline");
    ASSERT_EQ(pieces.size(), 8u) << "two segments of four";
    const int z = c.s.SlotStartDepth;
    auto at = [&](int i) { return c.chart.Canvas3D().Project(c.s.PointScreenX(i), c.s.PointScreenY(i), z); };
    EXPECT_EQ(pieces[0].Points[0], at(0)) << "from point 0 at the front";
    EXPECT_EQ(pieces[3].Points[1], at(2)) << "the first segment ends on point 2";
    EXPECT_EQ(pieces[4].Points[0], at(2)) << "the line runs on";
    EXPECT_EQ(pieces[7].Points[1], at(5)) << "the second on point 5";
    // Half way along the first segment: a quarter of p0 and p2 and half of p1.
    Point mid = c.chart.Canvas3D().Project(120, 170, z);
    EXPECT_EQ(pieces[1].Points[1], mid);
}

TEST(Bezier, AnInvisiblePenDrawsNoCurve) {
    BezierChart c;
    c.s.LinePen.SetVisible(false);
    c.s.Pointer.SetVisible(false);
    c.chart.Draw();
    for (const CanvasCall& call : c.chart.rec.Calls()) EXPECT_EQ(call.State.CanvasPen.Style, PenStyle::Clear) << call.ToString();
}

TEST(Bezier, PointsPastThe8000thAreNotDrawn) {
    BezierChart c(false, 0);
    for (int i = 0; i < 8005; ++i) c.s.AddPoint(i * 0.01, 50);
    c.chart.Draw();
    ASSERT_EQ(c.chart.rec.Calls("Bezier").size(), 1u);
    EXPECT_EQ(c.chart.rec.Calls("Bezier")[0].Points.size(), 1u + 2666 * 3);
    EXPECT_EQ(c.chart.rec.Calls("Rectangle").size(), 8000u);
}

TEST(Bezier, LegendSymbolIsTheCurvesPenBehindAMarkerAndClicksFindMarkers) {
    BezierChart c;
    c.s.SetSeriesColor(ClRed);
    c.chart.Draw();
    c.chart.rec.Clear();
    c.s.DrawLegendShape(-1, {10, 10, 40, 22});
    std::vector<std::string> expected = {"Polyline (10,16) (40,16)", "Rectangle (21,12) (30,21)"};
    EXPECT_EQ(c.chart.rec.Lines(), expected);
    EXPECT_EQ(c.chart.rec.Calls()[0].State.CanvasPen.PenColor, ClRed);
    EXPECT_EQ(c.s.Clicked(121, 131), 1) << "on point 1's marker";
    EXPECT_EQ(c.s.Clicked(110, 170), -1) << "the straight line between points is not the curve";
}

TEST(Bezier, SettingsColourAndGallery) {
    TBezierSeries s;
    EXPECT_EQ(s.NumBezierPoints(), 32);
    for (int bad : {1, 0, -5}) {
        try {
            s.SetNumBezierPoints(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Number of Bezier points should be > 1");
        }
        EXPECT_EQ(s.NumBezierPoints(), 32) << "the old count stays";
    }
    s.SetNumBezierPoints(2);
    EXPECT_EQ(s.NumBezierPoints(), 2);
    s.SetSeriesColor(ClMaroon);
    EXPECT_EQ(s.LinePen.GetColor(), ClMaroon);
    EXPECT_EQ(s.EditorClassName(), "TCustomSeriesEditor");
    s.PrepareForGallery(true);
    EXPECT_EQ(s.Count(), 3);
    EXPECT_TRUE(s.ColorEachPoint());
    EXPECT_FALSE(s.Pointer.Draw3D());
}

}  // namespace
}  // namespace fv
