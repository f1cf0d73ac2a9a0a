// The pie on a recording canvas: the "Other" slice, angles, explosion and the 3D drawing order, the
// rotation, the chart's circular look, clicks and sample values.
#include <gtest/gtest.h>

#include <numbers>

#include "chart/series/pie_series.h"
#include "series_chart.h"

namespace fv {
namespace {

constexpr double Pi = std::numbers::pi;

TEST(PieSeries, SmallSlicesBecomeOneOtherSliceRebuiltAtEachDrawing) {
    SeriesChart chart;
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);  // the circle fills the chart rectangle
    for (double v : {50.0, 45.0, 3.0, 2.0}) pie.AddY(v);
    pie.OtherSlice.SetStyle(poBelowPercent);
    pie.OtherSlice.SetValue(10);
    for (int drawing = 0; drawing < 2; ++drawing) {
        chart.Draw();
        ASSERT_EQ(pie.Count(), 5) << "drawing again removes the former Other slice first";
        EXPECT_EQ(pie.PointLabel(4), "Other");
        EXPECT_EQ(pie.GetYValue(4), 5);
        EXPECT_EQ(pie.PieValues()->AbsoluteTotal(), 100) << "the grouped values count once";
        EXPECT_TRUE(pie.IsGrouped(2));
        EXPECT_TRUE(pie.IsGrouped(3));
        EXPECT_EQ(pie.CountLegendItems(), 3);
        EXPECT_EQ(pie.LegendToValueIndex(2), 4);
        EXPECT_EQ(chart.Drawn("Pie").size(), 3u) << "grouped points are not drawn";
    }
    EXPECT_NEAR(pie.Angles()[0].EndAngle, Pi, 1e-12) << "50 of 100 is half the circle";
    EXPECT_NEAR(pie.Angles()[4].EndAngle, 2 * Pi, 1e-12);
    pie.OtherSlice.SetStyle(poBelowValue);
    pie.OtherSlice.SetValue(2.5);
    chart.Draw();
    EXPECT_EQ(pie.GetYValue(pie.Count() - 1), 2) << "only the 2 is below the value 2.5";
    pie.OtherSlice.SetStyle(poNone);
    chart.Draw();
    EXPECT_EQ(pie.Count(), 4);
}

TEST(PieSeries, ZeroTotals) {
    SeriesChart chart;
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);  // the circle fills the chart rectangle
    for (int i = 0; i < 3; ++i) pie.AddY(0);
    // Nothing to share out: every point counts as 100 %, none falls below 10 %, and nothing divides by 0.
    pie.OtherSlice.SetStyle(poBelowPercent);
    pie.OtherSlice.SetValue(10);
    chart.Draw();
    EXPECT_EQ(pie.Count(), 3);
    for (const TPieAngle& a : pie.Angles()) EXPECT_EQ(a.EndAngle, 2 * Pi);
    // The first slice covers the circle; the others are empty.
    std::vector<std::string> expected = {"Ellipse (100,50) (300,250)"};
    EXPECT_EQ(chart.Draw(), expected);
    pie.OtherSlice.SetValue(1000);  // all grouped, but their sum is 0: no Other slice
    chart.Draw();
    EXPECT_EQ(pie.Count(), 3);
    EXPECT_EQ(pie.CountLegendItems(), 0);
}

TEST(PieSeries, FlatSlices) {
    SeriesChart chart;
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);  // the circle fills the chart rectangle
    pie.AddY(1);
    pie.AddY(0);
    pie.AddY(1);
    // Circle 200 x 200 about (200, 150); the slices run counter-clockwise from the right.
    std::vector<std::string> expected = {"Pie (100,50) (300,250) (300,150) (100,150)",
                                         "Pie (100,50) (300,250) (100,150) (300,150)"};
    EXPECT_EQ(chart.Draw(), expected) << "a zero slice draws nothing";
    pie.Clear();
    pie.AddY(7);
    expected = {"Ellipse (100,50) (300,250)"};
    EXPECT_EQ(chart.Draw(), expected) << "a single slice is the whole circle";
}

TEST(PieSeries, AnExplodedSliceMovesOutAndTheCircleShrinks) {
    SeriesChart chart;
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);  // the circle fills the chart rectangle
    pie.AddY(1);
    pie.AddY(3);
    pie.SetExplodeBiggest(20);
    EXPECT_EQ(pie.ExplodedSlices.Value(1), 20);
    EXPECT_EQ(pie.ExplodedSlices.Value(7), 0) << "past the end a slice is not exploded";
    chart.Draw();
    // Slice 1 runs from 90 to 360 degrees, its middle at 225: 20 % of radius 100 out to the lower left,
    // (-14, -14); the circle shrinks by 7 on each side.
    EXPECT_EQ(pie.XRadius, 93);
    Point d = pie.ExplodeOffset(1);
    EXPECT_EQ(d.X, -13);
    EXPECT_EQ(d.Y, -13);
    std::vector<std::string> pies = chart.Drawn("Pie");
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_EQ(pies[0], "Pie (107,57) (293,243) (293,150) (200,57)");
    EXPECT_EQ(pies[1], "Pie (94,70) (280,256) (187,70) (280,163)");
    pie.Clear();
    EXPECT_EQ(pie.ExplodedSlices.Count(), 0) << "the distances go with the points";
}

// Records the order in which a 3D pie draws its slices.
struct OrderedPie : TPieSeries {
    std::vector<int> order;
    void DrawPieSlice(int index) override {
        order.push_back(index);
        TPieSeries::DrawPieSlice(index);
    }
};

TEST(PieSeries, In3DExplodedPiesDrawTheSlicesFurthestBackFirstWhateverTheirNumber) {
    SeriesChart chart(true);
    OrderedPie pie;
    pie.SetParentChart(&chart);
    for (double v : {1.0, 1.0, 2.0}) pie.AddY(v);
    pie.ExplodedSlices.SetValue(0, 10);
    pie.SetRotationAngle(180);
    chart.Draw();
    // Middles 45, 135 and 270 degrees, turned by 180: 225, 315, 90; nearest the top (90) first.
    std::vector<int> expected = {2, 0, 1};
    EXPECT_EQ(pie.order, expected);
    // Far more slices than a fixed table of 1024 would hold.
    pie.Clear();
    for (int i = 0; i < 3000; ++i) pie.AddY(1 + i % 7);
    pie.ExplodedSlices.SetValue(5, 10);
    pie.order.clear();
    chart.Draw();
    EXPECT_EQ(pie.order.size(), 3000u);
}

TEST(PieSeries, MarksStandOutsideTheCircleWhichMakesRoomForThem) {
    SeriesChart chart;
    chart.drawMarks = true;
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.AddY(1, "ab");
    pie.AddY(1, "cdef");
    chart.Draw();
    // Room for the arrow of 8, the frame of 1 on both sides, and a line of text above and below; beside,
    // also a "W" and the widest text.
    const int h = FontPixelHeight(pie.Marks().GetFont().Size), w = (h + 1) / 2;
    EXPECT_EQ(pie.CircleRect.Top, 50 + 10 + h);
    EXPECT_EQ(pie.CircleRect.Left, 100 + 10 + w + 4 * w);
    std::vector<CanvasCall> texts = chart.rec.Calls("Text");
    ASSERT_EQ(texts.size(), 2u);
    // The first slice's middle is straight up: its text above the circle; the second's below it.
    EXPECT_EQ(texts[0].Text, "ab");
    EXPECT_LT(texts[0].Points[0].Y, pie.CircleRect.Top);
    EXPECT_EQ(texts[1].Text, "cdef");
    EXPECT_GT(texts[1].Points[0].Y, pie.CircleRect.Bottom);
}

TEST(PieSeries, PiesSharingADepthSlotAreDrawnPointByPoint) {
    SeriesChart chart(true);
    TPieSeries a, b;
    for (TPieSeries* pie : {&a, &b}) {
        pie->SetParentChart(&chart);
        pie->ZOrder = 0;
        pie->AddY(1);
        pie->AddY(2);
    }
    chart.Draw();
    EXPECT_TRUE(a.SharesZOrder());
    EXPECT_EQ(a.Angles().size(), 2u);
    EXPECT_FALSE(chart.rec.Calls("Polygon").empty());
}

TEST(PieSeries, RotationAngle) {
    TPieSeries pie;
    pie.SetRotationAngle(400);
    EXPECT_EQ(pie.RotationAngle(), 40);
    pie.SetRotationAngle(360);
    EXPECT_EQ(pie.RotationAngle(), 0);
    pie.SetRotationAngle(90);
    try {
        pie.SetRotationAngle(-1);
        ADD_FAILURE() << "a negative angle is refused";
    } catch (const PieException& e) {
        EXPECT_STREQ(e.what(), "Rotation Angle must be between 0 and 359 degrees");
    }
    EXPECT_EQ(pie.RotationAngle(), 90);
    EXPECT_NEAR(pie.RotationRadians(), Pi / 2, 1e-12);
}

TEST(PieSeries, TheChartTakesTheCircularLookWhileAPieIsShownAndActive) {
    SeriesChart chart;
    {
        TPieSeries pie;
        pie.SetParentChart(&chart);
        EXPECT_FALSE(chart.AxisVisible());
        EXPECT_FALSE(chart.ClipPoints());
        EXPECT_FALSE(chart.View3DWalls());
        EXPECT_FALSE(chart.AllowZoom);
        EXPECT_EQ(chart.AllowPanning, TPanningMode::pmNone);
        EXPECT_FALSE(chart.View3DOptions().Orthogonal());
        EXPECT_EQ(chart.View3DOptions().Elevation(), 315);
        pie.SetActive(false);
        EXPECT_TRUE(chart.AxisVisible());
        pie.SetActive(true);
        EXPECT_FALSE(chart.AxisVisible());
    }
    EXPECT_TRUE(chart.AxisVisible()) << "a pie that goes gives the chart its normal look back";
    EXPECT_TRUE(chart.AllowZoom);
}

TEST(PieSeries, CircleGeometryAndClicks) {
    SeriesChart chart(false, {100, 50, 301, 201});
    TPieSeries pie;
    pie.SetParentChart(&chart);
    pie.Marks().SetVisible(false);  // the circle fills the chart rectangle
    pie.AddY(1);
    pie.AddY(1);
    chart.Draw();
    // An odd width loses its right pixel: 200 x 150 about (200, 125).
    EXPECT_EQ(pie.CircleRect.Right, 300);
    EXPECT_EQ(pie.XRadius, 100);
    EXPECT_EQ(pie.YRadius, 75);
    pie.SetCircled(true);
    chart.Draw();
    EXPECT_EQ(pie.XRadius, 75) << "round: the wider side comes in";
    EXPECT_EQ(pie.Clicked(200, 100), 0) << "above the centre: the first half";
    EXPECT_EQ(pie.Clicked(200, 150), 1);
    EXPECT_EQ(pie.Clicked(290, 125), -1) << "outside the circle";
    pie.SetCustomXRadius(40);
    chart.Draw();
    EXPECT_EQ(pie.XRadius, 40);
    EXPECT_EQ(pie.CircleRect.Left, 160);
    EXPECT_NEAR(pie.PointToAngle(200, 50), Pi / 2, 1e-12);
    EXPECT_NEAR(pie.PointToAngle(200, 200), 3 * Pi / 2, 1e-12);
}

TEST(PieSeries, SampleValuesAndCopies) {
    TPieSeries pie;
    pie.SetRandomSeed(7);
    pie.FillSampleValues(pie.NumSampleValues());
    ASSERT_EQ(pie.Count(), 8);
    EXPECT_EQ(pie.PointLabel(0), "Cars");
    EXPECT_EQ(pie.PointLabel(7), "Chairs");
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(pie.GetYValue(i) >= 1 && pie.GetYValue(i) <= 1000);
    EXPECT_THROW(pie.FillSampleValues(0), std::runtime_error);
    pie.SetUsePatterns(true);
    pie.OtherSlice.SetText("Rest");
    pie.SwapPoints(0, 1);
    TPieSeries copy;
    copy.SetColorEachPoint(false);
    copy.Assign(pie);
    EXPECT_TRUE(copy.UsePatterns());
    EXPECT_EQ(copy.OtherSlice.Text(), "Rest");
    EXPECT_TRUE(copy.ColorEachPoint());
    EXPECT_EQ(copy.Count(), 8);
    EXPECT_EQ(copy.EditorClassName(), "TPieSeriesEditor");
}

}  // namespace
}  // namespace fv
