// The error series on a recording canvas: whiskers in the six styles, cross line widths, no whisker for
// error 0, error bars below the origin, the series colour and the whisker colour, margins, value ranges
// and sample values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/extended/error_series.h"
#include "chart_series/series_chart.h"

namespace fv {
namespace {

// Axes 0..100 on the chart rectangle 100,50 - 300,250: value v lies at y = 250 - 2v. One bar 20 pixels
// wide starting at x 140 (centre 150) for the point at X 25.
template <class S> struct ErrorChart : SeriesChart {
    ErrorChart() {
        series.SetParentChart(this);
        series.SetCustomBarWidth(20);
    }
    S series;
};

TEST(ErrorSeries, WhiskersInEveryStyle) {
    // The point (25, 50) with error 10: the value at y 150, the error 20 pixels.
    using L = std::vector<std::string>;
    struct Case {
        TErrorSeriesStyle style;
        L lines;
    };
    const std::string up = "Polyline (150,150) (150,130)", upCross = "Polyline (140,130) (160,130)";
    const std::string down = "Polyline (150,150) (150,170)", downCross = "Polyline (140,170) (160,170)";
    const std::string left = "Polyline (150,150) (140,150)", leftTick = "Polyline (140,130) (140,170)";
    const std::string right = "Polyline (150,150) (160,150)", rightTick = "Polyline (160,130) (160,170)";
    const Case cases[] = {
        {essLeft, {left, leftTick}},          {essRight, {right, rightTick}},
        {essLeftRight, {left, leftTick, right, rightTick}},
        {essTop, {up, upCross}},              {essBottom, {down, downCross}},
        {essTopBottom, {up, upCross, down, downCross}},
    };
    ErrorChart<TErrorSeries> chart;
    chart.series.AddErrorPoint(25, 50, 10);
    for (const Case& c : cases) {
        chart.series.SetErrorStyle(c.style);
        EXPECT_EQ(chart.Draw(), c.lines) << "style " << c.style;
    }
}

TEST(ErrorSeries, CrossLineWidths) {
    struct Case {
        int width;
        TErrorWidthUnits units;
        std::string cross;
        const char* reason;
    };
    const Case cases[] = {
        {100, ewuPercent, "Polyline (140,130) (160,130)", "the bar's width"},
        {0, ewuPercent, "Polyline (140,130) (160,130)", "0 is the bar's width too"},
        {50, ewuPercent, "Polyline (145,130) (155,130)", "half the bar"},
        {50, ewuPixels, "Polyline (125,130) (175,130)", "50 pixels"},
    };
    ErrorChart<TErrorSeries> chart;
    chart.series.SetErrorStyle(essTop);
    chart.series.AddErrorPoint(25, 50, 10);
    for (const Case& c : cases) {
        chart.series.SetErrorWidth(c.width);
        chart.series.SetErrorWidthUnits(c.units);
        std::vector<std::string> lines = chart.Draw();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], c.cross) << c.reason;
    }
}

TEST(ErrorSeries, ANegativeValueKeepsItsWhiskerAtTheValue) {
    ErrorChart<TErrorSeries> chart;
    chart.SetLimits(*chart.LeftAxis(), -100, 100);  // v at y = 150 - v
    chart.series.SetErrorStyle(essTop);
    chart.series.AddErrorPoint(25, -40, 10);
    std::vector<std::string> lines = chart.Draw();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Polyline (150,190) (150,180)") << "from -40 up to -30, not from the origin";
}

TEST(ErrorBarSeries, BarThenWhiskerAwayFromTheOrigin) {
    ErrorChart<TErrorBarSeries> chart;
    chart.SetLimits(*chart.LeftAxis(), -100, 100);  // v at y = 150 - v
    chart.series.BarPen.SetVisible(false);
    chart.series.AddErrorPoint(25, 40, 10);
    chart.series.AddErrorPoint(75, -40, 10);
    std::vector<std::string> lines = chart.Draw();
    std::vector<std::string> expected = {
        "Rectangle (140,110) (160,150)", "Polyline (150,110) (150,100)", "Polyline (140,100) (160,100)",
        "Rectangle (240,150) (260,190)", "Polyline (250,190) (250,200)", "Polyline (240,200) (260,200)"};
    EXPECT_EQ(lines, expected) << "above the origin the whisker goes up; below it, down past the bar's end";
}

TEST(ErrorBarSeries, ErrorZeroDrawsTheBarAlone) {
    ErrorChart<TErrorBarSeries> bars;
    bars.series.AddErrorPoint(25, 50, 0);
    std::vector<std::string> lines = bars.Draw();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(bars.rec.Calls()[0].Op, "Rectangle");
    ErrorChart<TErrorSeries> whiskers;
    whiskers.series.AddErrorPoint(25, 50, 0);
    EXPECT_TRUE(whiskers.Draw().empty());
    whiskers.series.ErrorValues->SetValue(0, 5);
    whiskers.series.ErrorPen.SetVisible(false);
    EXPECT_TRUE(whiskers.Draw().empty()) << "an invisible pen draws nothing";
}

TEST(ErrorSeries, SeriesColourAndWhiskerColour) {
    TErrorSeries error;
    error.SetSeriesColor(ClGreen);
    EXPECT_EQ(error.ErrorPen.GetColor(), ClGreen) << "an error series' whiskers are its colour";
    TChartPen pen;
    pen.SetColor(ClNavy);
    error.SetErrorPen(pen);
    EXPECT_EQ(error.SeriesColor(), ClNavy);
    TErrorBarSeries bar;
    bar.ErrorPen.SetColor(ClRed);
    bar.SetSeriesColor(ClGreen);
    EXPECT_EQ(bar.ErrorPen.GetColor(), ClRed) << "an error bar keeps its whisker colour";
    bar.SetErrorPen(pen);
    EXPECT_EQ(bar.SeriesColor(), ClGreen);
    EXPECT_EQ(bar.ErrorStyle(), essTop);
    EXPECT_TRUE(bar.DrawsBars());
    EXPECT_EQ(error.ErrorStyle(), essTopBottom);
    EXPECT_FALSE(error.Marks().Visible());
    EXPECT_EQ(error.ErrorValues->Name(), "StdError");
}

TEST(ErrorSeries, RangesReachTheWhiskers) {
    TErrorSeries error;
    EXPECT_EQ(error.MinYValue(), 0) << "no points";
    error.AddErrorPoint(1, 50, 10);
    error.AddErrorPoint(2, 20, 5);
    EXPECT_EQ(error.MaxYValue(), 60);
    EXPECT_EQ(error.MinYValue(), 15);
    error.AddY(7);
    EXPECT_EQ(error.ErrorValues->Count(), 3) << "a plain add gets error 0";
    EXPECT_EQ(error.MinYValue(), 7);
    TErrorBarSeries bar;
    bar.AddErrorPoint(1, 50, 10);
    bar.AddErrorPoint(2, -20, 5);
    EXPECT_EQ(bar.MaxYValue(), 60);
    EXPECT_EQ(bar.MinYValue(), -25) << "below the origin the whisker hangs down";
}

TEST(ErrorSeries, MarginsMakeRoomForThePen) {
    ErrorChart<TErrorSeries> chart;
    chart.series.ErrorPen.SetWidth(30);
    struct Case {
        TErrorSeriesStyle style;
        bool left, right, top, bottom;
    };
    const Case cases[] = {{essLeft, true, false, false, false},   {essRight, false, true, false, false},
                          {essLeftRight, true, true, false, false}, {essTop, false, false, true, false},
                          {essBottom, false, false, false, true}, {essTopBottom, false, false, true, true}};
    for (const Case& c : cases) {
        chart.series.SetErrorStyle(c.style);
        int l = 0, r = 0, t = 0, b = 0;
        chart.series.HorizMargins(l, r);
        chart.series.VertMargins(t, b);
        EXPECT_EQ(l >= 30, c.left) << c.style;
        EXPECT_EQ(r >= 30, c.right) << c.style;
        EXPECT_EQ(t >= 30, c.top) << c.style;
        EXPECT_EQ(b >= 30, c.bottom) << c.style;
    }
}

TEST(ErrorSeries, SamplesAndTheLegendSymbol) {
    ErrorChart<TErrorSeries> chart;
    chart.series.SetRandomSeed(11);
    chart.series.FillSampleValues(12);
    ASSERT_EQ(chart.series.Count(), 12);
    for (int i = 0; i < 12; ++i) {
        double e = chart.series.ErrorValues->GetValue(i);
        EXPECT_GE(e, 1000.0 / 13) << "an empty chart's range of 1000 over 10..13";
        EXPECT_LE(e, 1000.0 / 10);
    }
    chart.Draw();
    chart.rec.Clear();
    chart.series.DrawLegendShape(-1, {10, 10, 30, 20});
    std::vector<std::string> expected = {"Polyline (20,15) (20,10)", "Polyline (10,10) (30,10)",
                                         "Polyline (20,15) (20,20)", "Polyline (10,20) (30,20)"};
    EXPECT_EQ(chart.rec.Lines(), expected);
    chart.series.PrepareForGallery(true);
    EXPECT_EQ(chart.series.ErrorPen.GetColor(), ClRed);
    EXPECT_EQ(chart.series.SeriesColor(), ClBlue);
}

}  // namespace
}  // namespace fv
