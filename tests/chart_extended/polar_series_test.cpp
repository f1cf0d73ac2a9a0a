// The polar and radar series on a recording canvas: point positions, the rings of the radius axis with
// and without labels on the axis, the bounded spokes, the radar's polygon grid and even spacing, the grid
// drawn once per class, the closing line, angle labels, clicks, the legend symbol and sample values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/extended/polar_series.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

// A circle round (200, 150) of radius 100 (the chart rectangle 100,50 - 300,250), radius axis 0..100.
struct PolarChart : SeriesChart {
    PolarChart() {
        SetLimits(*LeftAxis(), 0, 100);
        // Only what a test asks for: no grid, no axes along the radii, no markers.
        LeftAxis()->Grid.SetVisible(false);
        BottomAxis()->Grid.SetVisible(false);
        for (TCustomChartAxis* a : {LeftAxis(), RightAxis(), TopAxis(), BottomAxis()}) a->SetVisible(false);
    }
    template <class S> void Add(S& s) {
        s.SetParentChart(this);
        s.Marks().SetVisible(false);
        s.Pointer.SetVisible(false);
    }
    // The ellipses drawn, as "left,top right,bottom" rings round the centre: their half widths.
    std::vector<int> RingRadii() const {
        std::vector<int> radii;
        for (const CanvasCall& c : rec.Calls("Ellipse")) radii.push_back((c.Points[1].X - c.Points[0].X) / 2);
        return radii;
    }
    // Lines that leave the centre.
    int Spokes() const {
        int n = 0;
        for (const CanvasCall& c : rec.Calls("Polyline"))
            if (c.Points.size() == 2 && c.Points[0] == Point{200, 150} && !(c.Points[1] == Point{200, 150})) ++n;
        return n;
    }
};

TEST(PolarSeries, PointsLieAtTheirAngleAndRadius) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(0, 50);
    polar.AddPolarPoint(90, 100);
    polar.AddPolarPoint(180, 25);
    polar.AddPolarPoint(270, 0);
    chart.Draw();
    std::vector<Point> expected = {{250, 150}, {200, 50}, {175, 150}, {200, 150}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(polar.PointScreenX(i), expected[i].X) << i;
        EXPECT_EQ(polar.PointScreenY(i), expected[i].Y) << i;
    }
    // The line joins them in order and closes back to the first point.
    std::vector<std::string> lines = chart.Drawn("Polyline");
    std::vector<std::string> wanted = {"Polyline (250,150) (200,50)", "Polyline (200,50) (175,150)",
                                       "Polyline (175,150) (200,150)", "Polyline (200,150) (250,150)"};
    EXPECT_EQ(lines, wanted);
    polar.SetRotationAngle(90);
    chart.Draw();
    EXPECT_EQ(polar.PointScreenX(0), 200) << "turned a quarter: angle 0 points up";
    EXPECT_EQ(polar.PointScreenY(0), 100);
}

TEST(PolarSeries, RingsFollowTheRadiusLabels) {
    // A radius axis 0..100 stepping 25 from a rounded first label: with labels on the axis the rings at
    // 100 and at 0 are drawn too; without, only those inside.
    struct Case {
        bool labelsOnAxis;
        std::vector<int> radii;
        const char* reason;
    };
    const Case cases[] = {
        {true, {100, 75, 50, 25, 0}, "the ends of the axis are labelled, so they get rings"},
        {false, {75, 50, 25}, "labels strictly inside the axis: no ring on the circle nor at the centre"},
    };
    for (const Case& c : cases) {
        PolarChart chart;
        TPolarSeries polar;
        chart.Add(polar);
        polar.AddPolarPoint(0, 50);
        chart.LeftAxis()->Grid.SetVisible(true);
        chart.LeftAxis()->SetIncrement(25);
        chart.LeftAxis()->SetRoundFirstLabel(true);
        chart.LeftAxis()->SetLabelsOnAxis(c.labelsOnAxis);
        chart.Draw();
        std::vector<int> radii = chart.RingRadii();
        ASSERT_FALSE(radii.empty());
        EXPECT_EQ(radii.front(), 100) << "the background circle comes first";
        radii.erase(radii.begin());
        EXPECT_EQ(radii, c.radii) << c.reason;
    }
}

TEST(PolarSeries, SpokesStopShortOfTenThousand) {
    struct Case {
        double increment;
        int spokes;
        const char* reason;
    };
    const Case cases[] = {
        {90, 5, "360, 270, 180, 90 and 0: the spoke at 360 is drawn over the one at 0"},
        {100, 4, "360, 260, 160, 60"},
        {0, 37, "no increment counts as 10 degrees"},
        {0.0361, 9973, "just under 10000 spokes are drawn"},
        {0.036, 0, "10000 spokes would be no grid: none"},
        {1e-9, 0, "a step the angle cannot fall by would never end: none"},
    };
    for (const Case& c : cases) {
        PolarChart chart;
        TPolarSeries polar;
        chart.Add(polar);
        polar.AddPolarPoint(0, 50);
        chart.BottomAxis()->Grid.SetVisible(true);
        if (c.increment > 0) chart.BottomAxis()->SetIncrement(c.increment);
        chart.Draw();
        EXPECT_EQ(chart.Spokes(), c.spokes) << c.increment << ": " << c.reason;
    }
}

TEST(PolarSeries, OnlyTheFirstActiveSeriesOfAClassDrawsTheGrid) {
    PolarChart chart;
    TPolarSeries first, second;
    chart.Add(first);
    chart.Add(second);
    first.AddPolarPoint(0, 50);
    second.AddPolarPoint(90, 50);
    chart.BottomAxis()->Grid.SetVisible(true);
    chart.BottomAxis()->SetIncrement(90);
    chart.Draw();
    EXPECT_EQ(chart.RingRadii(), std::vector<int>{100}) << "one background circle";
    EXPECT_EQ(chart.Spokes(), 5);
    EXPECT_TRUE(first.DrawsGrid());
    EXPECT_FALSE(second.DrawsGrid());
    first.SetActive(false);
    chart.Draw();
    EXPECT_TRUE(second.DrawsGrid()) << "the first active one takes over";
    EXPECT_EQ(chart.RingRadii(), std::vector<int>{100});
}

TEST(PolarSeries, OneVisiblePointDrawsNoClosingLine) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(45, 80);
    ASSERT_TRUE(polar.CloseCircle());
    chart.Draw();
    EXPECT_TRUE(chart.Drawn("Polyline").empty());
    polar.AddPolarPoint(135, 80);
    polar.SetCloseCircle(false);
    chart.Draw();
    EXPECT_EQ(chart.Drawn("Polyline").size(), 1u) << "two points, not closed: one line";
}

TEST(PolarSeries, FilledSectorsRunFromTheCentre) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(0, 100);
    polar.AddPolarPoint(90, 100);
    polar.Brush.SetStyle(BrushStyle::Solid);
    polar.Brush.SetColor(ClYellow);
    chart.Draw();
    std::vector<std::string> sectors = chart.Drawn("Polygon");
    std::vector<std::string> expected = {"Polygon (200,150) (300,150) (200,50)", "Polygon (200,150) (200,50) (300,150)"};
    EXPECT_EQ(sectors, expected) << "the sector to the next point, then the one closing the circle";
    for (const CanvasCall& c : chart.rec.Calls("Polygon")) {
        EXPECT_EQ(c.State.CanvasPen.Style, PenStyle::Clear) << "sectors are filled without an outline";
        EXPECT_EQ(c.State.CanvasBrush.BrushColor, ClYellow);
    }
}

TEST(PolarSeries, TheSpokeAt360IsLabelledAsZero) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(0, 50);
    polar.SetCircleLabels(true);
    chart.BottomAxis()->SetIncrement(90);
    chart.Draw();
    std::vector<std::string> texts;
    for (const CanvasCall& c : chart.rec.Calls("Text")) texts.push_back(c.Text);
    std::vector<std::string> expected = {"0\u00BA", "270\u00BA", "180\u00BA", "90\u00BA", "0\u00BA"};
    EXPECT_EQ(texts, expected);
    std::vector<CanvasCall> calls = chart.rec.Calls("Text");
    EXPECT_EQ(calls.front().Points, calls.back().Points) << "both zeros at the same place";
    EXPECT_EQ(polar.CircleLabelText(22.5), "22.5\u00BA");
}

TEST(PolarSeries, ClicksFindThePointer) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.Pointer.SetVisible(true);
    polar.AddPolarPoint(0, 50);   // at (250, 150)
    polar.AddPolarPoint(90, 50);  // at (200, 100)
    chart.Draw();
    EXPECT_EQ(polar.Clicked(252, 147), 0);
    EXPECT_EQ(polar.Clicked(200, 103), 1);
    EXPECT_EQ(polar.Clicked(254, 150), -1) << "the pointer's half size is 4: 4 pixels off is outside";
    polar.Pointer.SetVisible(false);
    EXPECT_EQ(polar.Clicked(250, 150), -1) << "without a pointer nothing is hit";
}

TEST(PolarSeries, TheLegendSymbolIsTheLineAndThePointer) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.SetSeriesColor(ClGreen);
    EXPECT_EQ(polar.Pen.GetColor(), ClGreen) << "the line follows the series colour";
    polar.Pointer.SetVisible(true);
    RecordingCanvas& rec = chart.rec;
    chart.Draw();
    rec.Clear();
    polar.DrawLegendShape(-1, {10, 10, 40, 20});
    ASSERT_FALSE(rec.Calls().empty());
    EXPECT_EQ(rec.Calls()[0].ToString(), "Polyline (10,15) (40,15)");
    EXPECT_EQ(rec.Calls()[0].State.CanvasPen.PenColor, ClGreen);
    EXPECT_GT(rec.Calls().size(), 1u) << "the pointer over it";
}

TEST(RadarSeries, PointsAndGridFollowTheLargestSeries) {
    // Three radars of 5, 3 and 7 points: a heptagonal grid, and points at multiples of 360 / 7 degrees.
    PolarChart chart;
    TRadarSeries a, b, c;
    for (TRadarSeries* s : {&a, &b, &c}) chart.Add(*s);
    for (int i = 0; i < 5; ++i) a.AddY(50);
    for (int i = 0; i < 3; ++i) b.AddY(50);
    for (int i = 0; i < 7; ++i) c.AddY(100, "P" + std::to_string(i));
    chart.LeftAxis()->Grid.SetVisible(true);
    chart.LeftAxis()->SetIncrement(50);
    chart.Draw();
    for (TRadarSeries* s : {&a, &b, &c}) {
        EXPECT_EQ(s->PolygonSides, 7);
        EXPECT_EQ(s->RotationAngle(), 90);
        for (int k = 0; k < s->Count(); ++k) EXPECT_DOUBLE_EQ(s->GetXValue(k), 360.0 / 7 * k);
    }
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Increment(), 360.0 / 7);
    EXPECT_TRUE(chart.RingRadii().empty()) << "a radar's rings are polygons";
    // The first point stands straight up; the outer ring runs through every point of the full series.
    EXPECT_EQ(c.PointScreenX(0), 200);
    EXPECT_EQ(c.PointScreenY(0), 50);
    int corners = 0;
    for (const CanvasCall& call : chart.rec.Calls("Polyline"))
        for (int k = 0; k < 7; ++k)
            if (call.Points.back() == Point{c.PointScreenX(k), c.PointScreenY(k)}) ++corners;
    EXPECT_GE(corners, 7 * 2) << "the background polygon and the point line pass every corner";
    EXPECT_EQ(c.CircleLabelText(360.0 / 7 * 3), "P3");
    EXPECT_EQ(c.CircleLabelText(360 - 360.0 / 7 * 4), "P3") << "the spoke counted down from 360 finds it too";
    EXPECT_EQ(c.CircleLabelText(10), "");
}

TEST(RadarSeries, TheBackgroundPolygonIsFilledFromTheCentre) {
    PolarChart chart;
    TRadarSeries radar;
    chart.Add(radar);
    for (int i = 0; i < 4; ++i) radar.AddY(100);
    radar.SetCircleBackColor(ClAqua);
    chart.Draw();
    std::vector<std::string> fills = chart.Drawn("Polygon");
    std::vector<std::string> expected = {"Polygon (200,150) (200,50) (200,50)", "Polygon (200,150) (200,50) (100,150)",
                                         "Polygon (200,150) (100,150) (200,250)", "Polygon (200,150) (200,250) (300,150)",
                                         "Polygon (200,150) (300,150) (200,50)"};
    EXPECT_EQ(fills, expected);
}

TEST(PolarSamples, PolarAnglesAreEvenAndRadarHasItsFiveLabels) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.SetRandomSeed(7);
    polar.FillSampleValues(8);
    ASSERT_EQ(polar.Count(), 8);
    for (int k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(polar.GetXValue(k), 45.0 * (k + 1));
        EXPECT_GE(polar.GetYValue(k), 1);
        EXPECT_LE(polar.GetYValue(k), 1000);
    }
    TRadarSeries radar;
    radar.SetRandomSeed(7);
    radar.FillSampleValues(20);
    ASSERT_EQ(radar.Count(), 5) << "five points whatever the count";
    std::vector<std::string> labels;
    for (int k = 0; k < 5; ++k) labels.push_back(radar.PointLabel(k));
    std::vector<std::string> expected = {"Cars", "Phones", "Tables", "Monitors", "Lamps"};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(polar.RadiusValues()->Name(), "Radius");
    EXPECT_EQ(polar.AngleValues()->Name(), "Angle");
    EXPECT_EQ(polar.EditorClassName(), "TPolarSeriesEditor");
}

TEST(PolarSeries, IncrementsAreTheAxes) {
    TPolarSeries loose;
    EXPECT_EQ(loose.AngleIncrement(), 10) << "without a chart";
    EXPECT_EQ(loose.RadiusIncrement(), 0);
    loose.SetAngleIncrement(30);  // nothing to set
    EXPECT_EQ(loose.AngleIncrement(), 10);
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.SetAngleIncrement(30);
    polar.SetRadiusIncrement(20);
    EXPECT_EQ(chart.BottomAxis()->Increment(), 30);
    EXPECT_EQ(chart.LeftAxis()->Increment(), 20);
}

}  // namespace
}  // namespace fv
