// The point 3D series (markers at the depth of their Z value, the line from point to point, marks, legend,
// clicks, sample values) and the bubble series (sizes from the radius, Squared, the vertical range, clicks
// within each bubble, sample values). Flat drawings use the series chart: axes 0..100 onto 100..300
// across and 250..50 up, two pixels a unit.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "chart/extended/point3d_series.h"
#include "chart/plot_panel.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

// A 3D plot panel with a point 3D series on it; the recording keeps what the series draws.
struct Point3DChart {
    Point3DChart() {
        panel.SetView3D(true);
        panel.AddSeries(series);
        panel.OnBeforeDrawSeries = [this](Component*) { rec.Clear(); };
    }
    ~Point3DChart() { series.SetParentChart(nullptr); }
    std::vector<CanvasCall> Draw(const char* op) {
        panel.Paint(rec);
        return rec.Calls(op);
    }
    // Point i's screen position at the depth of its own Z value, as the last drawing projected it.
    Point Projected(int i) {
        int front, back;
        series.PointDepths(i, front, back);
        return panel.Canvas3D().Project(series.PointScreenX(i), series.PointScreenY(i), front);
    }
    PlotPanel panel{400, 300};
    TPoint3DSeries series;
    RecordingCanvas rec;
};

TEST(Point3D, FlatEachPointsMarkerThenTheLineFromThePointBefore) {
    SeriesChart chart;
    TPoint3DSeries s;
    s.SetParentChart(&chart);
    s.AddXYZPoint(10, 20, 5);
    s.AddXYZPoint(50, 50, 90);  // another depth: the line still joins it
    s.AddXYZPoint(30, 80, 1);   // X order is the order of adding
    std::vector<std::string> expected = {
        "Rectangle (116,206) (125,215)",
        "Rectangle (196,146) (205,155)", "Polyline (120,210) (200,150)",
        "Rectangle (156,86) (165,95)",   "Polyline (200,150) (160,90)",
    };
    EXPECT_EQ(chart.Draw(), expected) << "the first point draws no line";
    EXPECT_EQ(chart.rec.Calls("Polyline")[0].State.CanvasPen.PenColor, s.LinePen.GetColor());
    EXPECT_EQ(chart.rec.Calls("Polyline")[0].State.Background, BackMode::Transparent);

    s.LinePen.SetVisible(false);
    EXPECT_EQ(chart.Draw().size(), 3u) << "no line without a visible pen";
    s.LinePen.SetVisible(true);
    s.Pointer.SetVisible(false);
    EXPECT_EQ(chart.Draw().size(), 2u) << "lines without markers";
    s.Pointer.SetVisible(true);
    s.SetPointColor(1, NoColour);
    EXPECT_EQ(chart.Draw(), (std::vector<std::string>{"Rectangle (116,206) (125,215)", "Rectangle (156,86) (165,95)"}))
        << "a point in no colour is left out and breaks the line";
}

TEST(Point3D, InThreeDEachMarkerStandsAtItsOwnDepth) {
    Point3DChart c;
    c.series.AddXYZPoint(1, 10, 2);
    c.series.AddXYZPoint(5, 30, 8);
    c.series.AddXYZPoint(9, 20, 4);
    c.series.Pointer.SetStyle(psCircle);
    auto ellipses = c.Draw("Ellipse");
    ASSERT_EQ(ellipses.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        Point p = c.Projected(i);
        const std::vector<Point>& box = ellipses[std::size_t(i)].Points;
        EXPECT_EQ((box[0].X + box[1].X) / 2, p.X) << "marker " << i << " centred at its depth";
        EXPECT_EQ((box[0].Y + box[1].Y) / 2, p.Y) << "marker " << i;
    }
    auto lines = c.rec.Calls("Polyline");
    ASSERT_EQ(lines.size(), 2u);
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(lines[std::size_t(i - 1)].Points[0], c.Projected(i - 1)) << "from the point before at its depth";
        EXPECT_EQ(lines[std::size_t(i - 1)].Points[1], c.Projected(i)) << "to this point at its own";
    }
    int front, back;
    c.series.PointDepths(1, front, back);
    EXPECT_EQ(back - front, c.series.YScreenSize(4.0)) << "DepthSize in units of the vertical axis";
    EXPECT_GT(c.Projected(1).X - c.series.PointScreenX(1), c.Projected(0).X - c.series.PointScreenX(0))
        << "a larger Z lies deeper";
    EXPECT_EQ(c.series.MaxZValue(), 8 + 4.0) << "the depth axis reaches past the last marker";
    c.series.SetDepthSize(10);
    EXPECT_EQ(c.series.MaxZValue(), 18);
    EXPECT_EQ(c.series.MinZValue(), 2);
}

TEST(Point3D, ClicksFindAMarkerAtTheDepthOfItsZ) {
    Point3DChart c;
    c.series.AddXYZPoint(1, 10, 2);
    c.series.AddXYZPoint(5, 30, 8);
    c.Draw("Polyline");
    std::vector<int> heard;
    c.series.OnClickPointer = [&](TPoint3DSeries*, int index, int, int) { heard.push_back(index); };
    Point p = c.Projected(1);
    EXPECT_EQ(c.series.Clicked(p.X + 2, p.Y - 3), 1);
    EXPECT_EQ(heard, std::vector<int>{1});
    Point q = c.Projected(0);
    EXPECT_EQ(c.series.Clicked(q.X, q.Y), 0);
    EXPECT_EQ(c.series.Clicked(q.X + 40, q.Y + 40), -1);
    c.series.Pointer.SetVisible(false);
    EXPECT_EQ(c.series.Clicked(q.X, q.Y), -1) << "only a visible marker is hit";
}

TEST(Point3D, MarksStandMidwayInTheMarkersDepthAndAreLifted) {
    Point3DChart c;
    c.series.AddXYZPoint(5, 30, 8);
    c.series.Marks().SetVisible(true);
    c.series.Marks().SetArrowLength(6);
    c.Draw("Text");
    int front, back;
    c.series.PointDepths(0, front, back);
    EXPECT_EQ(c.series.Marks().MarksDepth, (front + back) / 2);
    c.series.Pointer.SetVisible(false);
    c.Draw("Text");
    EXPECT_EQ(c.series.Marks().MarksDepth, front) << "without a marker, at the front";
    TSeriesMarkPosition position;
    position.ArrowEnd = {50, 60};
    position.BoxTopLeft = {40, 30};
    c.series.DrawMark(0, "m", position);
    EXPECT_EQ(position.ArrowEnd.Y, 54);
    EXPECT_EQ(position.BoxTopLeft.Y, 24);
}

TEST(Point3D, APointFarBeyondTheDepthAxisStandsAtItsFarEnd) {
    // A Z value the depth axis maps past the int range gives both depths the largest pixel: the
    // middle of the two is that pixel too, not a sum that wrapped round.
    Point3DChart c;
    c.series.AddXYZPoint(5, 30, 8);
    c.series.AddXYZPoint(6, 40, 1e300);
    c.panel.DepthAxis().SetAutomaticMinimum(false);
    c.panel.DepthAxis().SetAutomaticMaximum(false);
    c.panel.DepthAxis().SetMaximum(10);
    c.panel.DepthAxis().SetMinimum(0);
    c.series.Pointer.SetStyle(psCircle);
    EXPECT_FALSE(c.Draw("Ellipse").empty()) << "the markers are drawn";
    int front, back;
    c.series.PointDepths(1, front, back);
    ASSERT_EQ(front, INT_MAX);
    ASSERT_EQ(back, INT_MAX);
    TSeriesMarkPosition position;
    c.series.DrawMark(1, "m", position);
    EXPECT_EQ(c.series.Marks().MarksDepth, INT_MAX);
}

TEST(Point3D, LegendSymbolIsTheMarkerWithTheLineBehindIt) {
    SeriesChart chart;
    TPoint3DSeries s;
    s.SetParentChart(&chart);
    s.SetSeriesColor(ClRed);
    chart.Draw();
    chart.rec.Clear();
    s.DrawLegendShape(-1, {10, 10, 30, 20});
    // With the line, the marker is kept to a third of the symbol.
    std::vector<std::string> expected = {"Polyline (10,15) (30,15)", "Rectangle (16,12) (25,19)"};
    EXPECT_EQ(chart.rec.Lines(), expected);
    EXPECT_EQ(chart.rec.Calls("Rectangle")[0].State.CanvasBrush.BrushColor, ClRed);
    chart.rec.Clear();
    s.LinePen.SetVisible(false);
    s.DrawLegendShape(-1, {10, 10, 30, 20});
    EXPECT_EQ(chart.rec.Lines(), std::vector<std::string>{"Rectangle (16,11) (25,20)"});
    chart.rec.Clear();
    s.Pointer.SetVisible(false);
    s.DrawLegendShape(-1, {10, 10, 30, 20});
    EXPECT_EQ(chart.rec.Lines(), std::vector<std::string>{"Rectangle (10,10) (30,20)"}) << "the plain symbol";
}

TEST(Point3D, SampleValuesAppendWholeNumbersBelow100) {
    TPoint3DSeries s;
    s.SetRandomSeed(7);
    s.FillSampleValues(20);
    s.FillSampleValues(20);
    ASSERT_EQ(s.Count(), 40) << "twice the points: nothing is cleared";
    ASSERT_EQ(s.ZValues->Count(), 40);
    for (int i = 0; i < s.Count(); ++i)
        for (double v : {s.GetXValue(i), s.GetYValue(i), s.ZValues->GetValue(i)}) {
            EXPECT_GE(v, 0);
            EXPECT_LT(v, 100);
            EXPECT_EQ(v, double(int(v)));
        }
    EXPECT_NE(s.ZValues->MaxValue(), s.ZValues->MinValue()) << "Z is drawn too";
}

TEST(Point3D, MarginsGalleryAndCopy) {
    TPoint3DSeries s;
    int left = 0, right = 0, top = 0, bottom = 0;
    s.HorizMargins(left, right);
    s.VertMargins(top, bottom);
    EXPECT_EQ(left, 5) << "the marker's half size and one";
    EXPECT_EQ(bottom, 5);
    EXPECT_EQ(s.EditorClassName(), "TPoint3DSeriesEditor");
    s.PrepareForGallery(true);
    EXPECT_EQ(s.LinePen.GetColor(), ClNavy);
    EXPECT_GT(s.Count(), 0);
    s.SetDepthSize(7);
    s.Pointer.SetStyle(psDiamond);
    TPoint3DSeries t;
    t.Assign(s);
    EXPECT_EQ(t.DepthSize(), 7);
    EXPECT_EQ(t.Pointer.Style(), psDiamond);
    EXPECT_EQ(t.LinePen.GetColor(), ClNavy);
    EXPECT_EQ(t.Count(), s.Count());
}

// ---------------------------------------------------------------------------------------------- bubble

TEST(Bubble, EachBubbleIsAsLargeAsItsRadius) {
    SeriesChart chart;
    TBubbleSeries s;
    s.SetParentChart(&chart);
    chart.SetLimits(*chart.BottomAxis(), 0, 200);  // one pixel a unit across, two up
    s.AddBubblePoint(100, 50, 10);
    s.AddBubblePoint(50, 20, 5);
    // In X order: the second bubble first.
    std::vector<std::string> expected = {"Ellipse (140,200) (160,220)", "Ellipse (180,130) (220,170)"};
    EXPECT_EQ(chart.Draw(), expected) << "squared: the vertical scale both ways";
    s.SetSquared(false);
    expected = {"Ellipse (145,200) (155,220)", "Ellipse (190,130) (210,170)"};
    EXPECT_EQ(chart.Draw(), expected) << "not squared: an ellipse on unequal axes";
    EXPECT_EQ(s.Pointer.HorizSize(), 4) << "the pointer keeps its own sizes";
    EXPECT_EQ(s.Pointer.VertSize(), 4);
    EXPECT_NE(chart.rec.Calls()[0].State.CanvasBrush.BrushColor, chart.rec.Calls()[1].State.CanvasBrush.BrushColor)
        << "each point its own colour";
}

TEST(Bubble, TheVerticalRangeHoldsEveryWholeBubble) {
    TBubbleSeries s;
    s.AddBubblePoint(1, 50, 30);
    s.AddBubblePoint(2, 10, 20);
    s.AddBubblePoint(3, 60, 5);
    EXPECT_EQ(s.MaxYValue(), 80);
    EXPECT_EQ(s.MinYValue(), -10);
    EXPECT_EQ(s.MaxXValue(), 3);
}

TEST(Bubble, AClickFindsTheBubbleWithinItsOwnSize) {
    SeriesChart chart;
    TBubbleSeries s;
    s.SetParentChart(&chart);
    s.AddBubblePoint(20, 50, 20);  // (140,150), 40 pixels each way
    s.AddBubblePoint(80, 50, 1);   // (260,150), 2 pixels
    chart.Draw();
    EXPECT_EQ(s.Clicked(170, 160), 0) << "far inside the big bubble, past the small one's size";
    EXPECT_EQ(s.Clicked(263, 150), -1) << "outside the small one";
    EXPECT_EQ(s.Clicked(261, 151), 1);
}

TEST(Bubble, ConstructionAddsAndSampleValues) {
    TBubbleSeries s;
    EXPECT_TRUE(s.Squared());
    EXPECT_TRUE(s.ColorEachPoint());
    EXPECT_FALSE(s.Pointer.InflateMargins());
    EXPECT_EQ(s.Pointer.Style(), psCircle);
    EXPECT_FALSE(s.Pointer.SizeEditable);
    EXPECT_FALSE(s.Marks().Frame().Visible());
    EXPECT_TRUE(s.Marks().Transparent());
    EXPECT_EQ(s.EditorClassName(), "TSeriesPointerEditor");

    int seenRadius = -1;
    s.OnAfterAdd = [&](TChartSeries*, int index) { seenRadius = int(s.RadiusValues->GetValue(index)); };
    EXPECT_EQ(s.AddBubblePoint(1, 2, 3, "a"), 0);
    EXPECT_EQ(seenRadius, 3) << "the radius is in place when the point is announced";
    s.AddPoint(2, 2);
    EXPECT_EQ(s.RadiusValues->GetValue(1), 0) << "a plain add does not take the last radius";

    s.SetRandomSeed(3);
    s.FillSampleValues(8);
    ASSERT_EQ(s.Count(), 8) << "cleared first";
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s.GetXValue(i), i) << "one apart from the start";
        EXPECT_GE(s.RadiusValues->GetValue(i), 100) << "a tenth of the range and more";
        EXPECT_LE(s.RadiusValues->GetValue(i), 200);
        EXPECT_LT(s.GetYValue(i), 1000);
    }
    TBubbleSeries other;
    EXPECT_TRUE(s.IsValidSourceOf(other));
    TPointSeries points;
    EXPECT_FALSE(s.IsValidSourceOf(points));
    s.SetSquared(false);
    other.Assign(s);
    EXPECT_FALSE(other.Squared());
    EXPECT_EQ(other.RadiusValues->GetValue(7), s.RadiusValues->GetValue(7));
}

TEST(Bubble, LegendSymbolFillsTheSmallerSideOfTheBox) {
    SeriesChart chart;
    TBubbleSeries s;
    s.SetParentChart(&chart);
    s.SetSeriesColor(ClGreen);
    chart.Draw();
    chart.rec.Clear();
    s.DrawLegendShape(-1, {10, 10, 40, 20});
    ASSERT_EQ(chart.rec.Calls("Ellipse").size(), 1u);
    // Both sizes 10, the smaller side; the pointer keeps a symbol to a third of its box beside a line pen.
    EXPECT_EQ(chart.rec.Lines().back(), "Ellipse (15,12) (35,18)");
    EXPECT_EQ(s.Pointer.HorizSize(), 4);
}

}  // namespace
}  // namespace fv
