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

// A radius far beyond the axis puts the point at the end of the int range; it is skipped, as a line point
// outside the drawable range is, and the line runs on between the drawable points.
TEST(PolarSeries, PointsOutsideTheDrawableRangeAreSkipped) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.Pointer.SetVisible(true);
    polar.AddPolarPoint(0, 1e300);  // x = 2147483647
    polar.AddPolarPoint(90, 100);
    polar.AddPolarPoint(180, 100);
    polar.AddPolarPoint(0, 1e300);
    chart.Draw();
    ASSERT_EQ(polar.PointScreenX(0), 2147483647);
    std::vector<std::string> lines = chart.Drawn("Polyline");
    EXPECT_EQ(lines, std::vector<std::string>{"Polyline (200,50) (100,150)"}) << "no line to or from the far point";
    EXPECT_EQ(chart.rec.Calls("Rectangle").size(), 2u) << "a marker for each drawable point only";
    for (const CanvasCall& c : chart.rec.Calls())
        for (const Point& p : c.Points) EXPECT_LT(std::abs(p.X), 32767) << c.ToString();
}

// A marker's corners saturate at the int range instead of wrapping round to the other side.
TEST(SeriesPointer, CornersSaturateAtTheIntRange) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    chart.Draw();
    chart.rec.Clear();
    polar.Pointer.DrawPointer(chart.Canvas3D(), false, 2147483647, -2147483647 - 1, 4, 4, ClRed, psRectangle);
    ASSERT_EQ(chart.rec.Calls("Rectangle").size(), 1u);
    const CanvasCall r = chart.rec.Calls("Rectangle")[0];
    EXPECT_EQ(r.Points[0], (Point{2147483647 - 4, -2147483647 - 1}));
    EXPECT_EQ(r.Points[1], (Point{2147483647, -2147483647 - 1 + 5}));
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

TEST(PolarSeries, AngleLabelsStandOutsideTheCircle) {
    // Spokes every 90 degrees, labels drawn from 360 down to 0.
    struct Case {
        bool rotated;
        std::vector<unsigned> aligns;
        std::vector<int> angles;  // the font's angle in tenths of a degree
        const char* reason;
    };
    const unsigned L = TaLeft | TaTop, R = TaRight | TaTop, C = TaCenter | TaTop;
    const Case cases[] = {
        {false, {L, C, R, C, L}, {0, 0, 0, 0, 0},
         "level text: left of the circle's right side, right of its left side, centred above and below"},
        {true, {L, L, R, L, L}, {0, 2700, 3600, 900, 0},
         "along the radius: the left half is turned round and aligned to the right"},
    };
    for (const Case& c : cases) {
        PolarChart chart;
        TPolarSeries polar;
        chart.Add(polar);
        polar.AddPolarPoint(0, 50);
        polar.SetCircleLabels(true);
        polar.SetCircleLabelsRotated(c.rotated);
        chart.BottomAxis()->SetIncrement(90);
        chart.Draw();
        std::vector<unsigned> aligns;
        std::vector<int> angles;
        for (const CanvasCall& t : chart.rec.Calls("Text")) {
            aligns.push_back(t.State.TextAlign);
            angles.push_back(t.State.CanvasFont.Angle % 3600 == 0 && t.State.CanvasFont.Angle != 0 ? 3600 : t.State.CanvasFont.Angle);
        }
        EXPECT_EQ(aligns, c.aligns) << c.reason;
        EXPECT_EQ(angles, c.angles) << c.reason;
        // The labels take room: the circle is smaller than the chart rectangle.
        EXPECT_LT(polar.YRadius, 100 - 2 * 2) << c.reason;
        std::vector<CanvasCall> texts = chart.rec.Calls("Text");
        if (!c.rotated) EXPECT_LT(texts[3].Points[0].Y, polar.CircleYCenter - polar.YRadius) << "the 90 degree label is above";
    }
}

TEST(PolarSeries, AFlatRadiusAxisPutsPointsAtTheOrigin) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(30, 50);
    chart.LeftAxis()->SetRange(50, 60);
    chart.LeftAxis()->SetMaximum(50);
    chart.LeftAxis()->Grid.SetVisible(true);
    chart.Draw();
    EXPECT_EQ(polar.PointScreenX(0), 0);
    EXPECT_EQ(polar.PointScreenY(0), 0);
    EXPECT_EQ(chart.RingRadii(), std::vector<int>{100}) << "the background, no rings";
}

TEST(PolarSeries, TheAxesAlongTheRadiiAreTurnedOnlyWhileDrawn) {
    PolarChart chart;
    TPolarSeries polar;
    chart.Add(polar);
    polar.AddPolarPoint(30, 50);
    for (TCustomChartAxis* a : {chart.LeftAxis(), chart.RightAxis(), chart.TopAxis(), chart.BottomAxis()}) a->SetVisible(true);
    chart.LeftAxis()->SetIncrement(50);
    chart.Draw();
    std::vector<std::string> texts;
    for (const CanvasCall& t : chart.rec.Calls("Text")) texts.push_back(t.Text);
    // Right, left, top and bottom, each labelled with the radius axis' values.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "100"), 4) << ::testing::PrintToString(texts);
    EXPECT_FALSE(chart.LeftAxis()->Inverted());
    EXPECT_FALSE(chart.TopAxis()->Inverted());
    EXPECT_EQ(chart.BottomAxis()->Minimum(), 0) << "the angle axis keeps its own range";
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 100);
    TRadarSeries radar;
    polar.SetActive(false);
    chart.Add(radar);
    radar.AddY(50);
    radar.AddY(80);
    chart.Draw();
    texts.clear();
    for (const CanvasCall& t : chart.rec.Calls("Text")) texts.push_back(t.Text);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "100"), 1) << "a radar has the right axis alone";
    radar.SetParentChart(nullptr);
}

TEST(PolarSeries, DesigningAndTheGalleryKeepTheChartFlat) {
    PolarChart chart;
    chart.SetView3D(true);
    chart.Designing = true;
    TPolarSeries polar;
    chart.Add(polar);
    EXPECT_FALSE(chart.View3D()) << "a polar series designed into a chart switches 3D off";
    chart.Designing = false;
    chart.SetView3D(true);
    polar.PrepareForGallery(true);
    EXPECT_TRUE(polar.Circled());
    EXPECT_FALSE(chart.View3D());
    EXPECT_EQ(chart.Chart3DPercent(), 5);
    EXPECT_FALSE(chart.RightAxis()->Labels());
    EXPECT_FALSE(chart.TopAxis()->Labels());
    EXPECT_TRUE(chart.LeftAxis()->Labels());
    EXPECT_EQ(chart.View3DOptions().Zoom(), 120);
    EXPECT_EQ(polar.Count(), 4);
    TRadarSeries radar;
    chart.Add(radar);
    radar.PrepareForGallery(true);
    EXPECT_EQ(radar.Count(), 5) << "the radar shows its own five samples";
    radar.SetParentChart(nullptr);
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
