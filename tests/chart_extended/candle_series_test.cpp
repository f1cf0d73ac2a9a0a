// The financial series on a recording canvas: candle bodies of width 5 and 12, flat candles coloured by
// the close before, the bar style's ticks, 3D candles, colours on an inverted axis, the range over all
// four prices, volume lines to either end of the axis, and sample values beside tiny ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/extended/candle_series.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

// Axes 0..100 on the chart rectangle 100,50 - 300,250: value v lies at y = 250 - 2v, x = 100 + 2v.
struct CandleChart : SeriesChart {
    explicit CandleChart(bool is3D = false) : SeriesChart(is3D) {
        candle.SetParentChart(this);
        candle.Marks().SetVisible(false);
    }
    TCandleSeries candle;
};

TEST(CandleSeries, BodyWidths) {
    // Width 5 spans x - 2 to x + 3; an even width 12 spans x - 6 to x + 6.
    struct Case {
        int width;
        std::string body;
    };
    const Case cases[] = {{5, "Polygon (148,150) (153,150) (153,170) (148,170)"}, {12, "Polygon (144,150) (156,150) (156,170) (144,170)"}};
    for (const Case& c : cases) {
        CandleChart chart;
        chart.candle.SetCandleWidth(c.width);
        chart.candle.AddOHLCPoint(25, 50, 60, 30, 40);  // x 150; open 150, high 130, low 190, close 170
        std::vector<std::string> expected = {"Polyline (150,190) (150,130)", c.body};
        EXPECT_EQ(chart.Draw(), expected) << "the wick from low to high, then the body";
        ASSERT_EQ(chart.rec.Calls("Polygon").size(), 1u);
        EXPECT_EQ(chart.rec.Calls("Polygon")[0].State.CanvasBrush.BrushColor, ClRed) << "closed down";
    }
}

TEST(CandleSeries, ColoursFromOpenCloseAndThePreviousClose) {
    struct Case {
        double open, close, previousClose;
        bool first;
        Color colour;
        const char* reason;
    };
    const Case cases[] = {
        {40, 60, 0, false, ClWhite, "closed above the open"},
        {60, 40, 0, false, ClRed, "closed below the open"},
        {50, 50, 0, true, ClWhite, "the first flat candle is an up candle"},
        {50, 50, 40, false, ClWhite, "flat, above the close before"},
        {50, 50, 70, false, ClRed, "flat, below the close before"},
        {50, 50, 50, false, ClGreen, "flat and level with the close before: the colour of the point before"},
    };
    for (const Case& c : cases) {
        CandleChart chart;
        chart.candle.SetSeriesColor(ClGreen);
        if (!c.first) chart.candle.AddOHLCPoint(10, c.previousClose, 90, 5, c.previousClose);
        int i = chart.candle.AddOHLCPoint(50, c.open, 90, 5, c.close);
        chart.Draw();
        int yo = chart.candle.YScreenPos(c.open), yc = chart.candle.YScreenPos(c.close);
        EXPECT_EQ(chart.candle.CandleColor(i, yo, yc), c.colour) << c.reason;
    }
}

TEST(CandleSeries, AFlatCandleIsALineInItsColour) {
    CandleChart chart;
    chart.candle.AddOHLCPoint(25, 40, 60, 30, 40);
    chart.candle.AddOHLCPoint(50, 30, 60, 20, 30);  // level, below the close before
    chart.Draw();
    std::vector<CanvasCall> lines = chart.rec.Calls("Polyline");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].ToString(), "Polyline (198,190) (203,190)");
    EXPECT_EQ(lines[3].State.CanvasPen.PenColor, ClRed);
    EXPECT_TRUE(chart.rec.Calls("Polygon").empty());
}

TEST(CandleSeries, TheBarStyleHasItsTicks) {
    CandleChart chart;
    chart.candle.SetCandleStyle(csCandleBar);
    chart.candle.AddOHLCPoint(25, 50, 60, 30, 40);
    std::vector<std::string> expected = {"Polyline (150,190) (150,130)", "Polyline (148,150) (150,150)",
                                         "Polyline (150,170) (153,170)"};
    EXPECT_EQ(chart.Draw(), expected) << "high-low, the open to the left, the close to the right";
    EXPECT_EQ(chart.rec.Calls("Polyline")[0].State.CanvasPen.PenColor, ClRed);
    chart.candle.SetShowOpenTick(false);
    chart.candle.SetShowCloseTick(false);
    EXPECT_EQ(chart.Draw().size(), 1u);
}

TEST(CandleSeries, InThreeDTheBodyIsABox) {
    CandleChart chart(true);
    chart.candle.SetDraw3D(true);
    chart.candle.AddOHLCPoint(25, 50, 60, 30, 40);
    chart.Draw();
    EXPECT_GE(chart.rec.Calls("Polygon").size(), 3u) << "a cube's visible faces";
    EXPECT_EQ(chart.rec.Calls("Polyline").size(), 2u) << "the wick below and above the box";
    chart.candle.SetDraw3D(false);
    chart.Draw();
    EXPECT_EQ(chart.rec.Calls("Polyline").size(), 1u) << "a flat candle standing in the 3D chart";
}

TEST(CandleSeries, AnInvertedAxisSwapsTheColours) {
    CandleChart chart;
    chart.candle.AddOHLCPoint(25, 40, 60, 30, 50);
    chart.Draw();
    ASSERT_EQ(chart.rec.Calls("Polygon").size(), 1u);
    EXPECT_EQ(chart.rec.Calls("Polygon")[0].State.CanvasBrush.BrushColor, ClWhite);
    chart.LeftAxis()->SetInvertedQuiet(true);
    chart.Draw();
    ASSERT_EQ(chart.rec.Calls("Polygon").size(), 1u);
    EXPECT_EQ(chart.rec.Calls("Polygon")[0].State.CanvasBrush.BrushColor, ClRed);
}

TEST(OHLCSeries, TheRangeCoversAllFourPrices) {
    TCandleSeries candle;
    candle.AddOHLCPoint(1, 50, 80, 20, 60);
    candle.AddOHLCPoint(2, 55, 70, 45, 50);
    EXPECT_EQ(candle.MaxYValue(), 80);
    EXPECT_EQ(candle.MinYValue(), 20);
    // A plain add keeps every list one value per point.
    candle.AddY(30);
    EXPECT_EQ(candle.HighValues->Count(), 3);
    EXPECT_EQ(candle.CloseValues->Count(), 3);
    EXPECT_EQ(candle.MinYValue(), 0) << "the plain point's prices are 0";
    EXPECT_EQ(candle.DateValues()->Name(), "Date");
    EXPECT_TRUE(candle.DateValues()->DateTime());
    EXPECT_EQ(candle.OpenValues()->Name(), "Open");
    EXPECT_EQ(candle.EditorClassName(), "TCandleEditor");
    TVolumeSeries volume;
    EXPECT_FALSE(candle.IsValidSourceOf(volume));
    TCandleSeries other;
    EXPECT_TRUE(candle.IsValidSourceOf(other));
}

TEST(OHLCSeries, SampleValuesStayWithinTheirPricesEvenBesideATinyRange) {
    struct Case {
        double low, high;
        const char* reason;
    };
    const Case cases[] = {
        {0, 1000, "an empty chart: 0..1000"},
        {5, 5.001, "a range too small for the price steps asks for random numbers below 0 or 1"},
        {-3, -2.9999, "a negative and tiny range"},
    };
    for (const Case& c : cases) {
        SeriesChart chart;
        TVolumeSeries beside;
        beside.SetParentChart(&chart);
        if (c.low != 0 || c.high != 1000) {
            beside.AddPoint(0, c.low);
            beside.AddPoint(1, c.high);
        }
        TCandleSeries candle;
        candle.SetParentChart(&chart);
        candle.SetRandomSeed(3);
        candle.FillSampleValues(40);
        ASSERT_EQ(candle.Count(), 40) << c.reason;
        for (int i = 0; i < 40; ++i) {
            double o = candle.GetYValue(i), h = candle.HighValues->GetValue(i), l = candle.LowValues->GetValue(i),
                   cl = candle.CloseValues->GetValue(i);
            EXPECT_GE(h, std::max(o, cl)) << c.reason << " point " << i;
            EXPECT_LE(l, std::min(o, cl)) << c.reason << " point " << i;
        }
        candle.SetParentChart(nullptr);
        beside.SetParentChart(nullptr);
    }
}

TEST(VolumeSeries, LinesReachTheEndOfTheAxis) {
    SeriesChart chart;
    TVolumeSeries volume;
    volume.SetParentChart(&chart);
    volume.Marks().SetVisible(false);
    volume.AddPoint(25, 40);
    volume.AddPoint(50, 75);
    std::vector<std::string> expected = {"Polyline (150,170) (150,250)", "Polyline (200,100) (200,250)"};
    EXPECT_EQ(chart.Draw(), expected);
    EXPECT_EQ(chart.rec.Calls("Polyline")[0].State.CanvasPen.PenColor, volume.SeriesColor());
    chart.LeftAxis()->SetInvertedQuiet(true);
    expected = {"Polyline (150,130) (150,50)", "Polyline (200,200) (200,50)"};
    EXPECT_EQ(chart.Draw(), expected) << "an inverted axis: up to its top";
    volume.SetRandomSeed(5);
    volume.FillSampleValues(40);
    ASSERT_EQ(volume.Count(), 40);
    for (int i = 0; i < 40; ++i) EXPECT_LE(volume.GetYValue(i), 1000 / 15);
    EXPECT_FALSE(volume.Pointer.Visible());
    volume.SetParentChart(nullptr);
}

TEST(CandleSeries, TheGalleryPreview) {
    SeriesChart chart;
    TCandleSeries candle;
    candle.SetParentChart(&chart);
    candle.PrepareForGallery(true);
    EXPECT_EQ(candle.Count(), 4);
    EXPECT_TRUE(candle.ColorEachPoint());
    EXPECT_EQ(candle.UpCloseColor(), ClBlue);
    EXPECT_EQ(candle.CandleWidth(), 12);
    EXPECT_EQ(candle.Pen().Width(), 2);
    candle.PrepareForGallery(false);
    EXPECT_EQ(candle.DownCloseColor(), ClSilver);
    EXPECT_EQ(candle.Pen().GetColor(), ClGray);
    candle.SetParentChart(nullptr);
}

}  // namespace
}  // namespace fv
