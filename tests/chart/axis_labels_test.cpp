// Axis labels: number and date texts, the label step, value, logarithmic, date and custom labels with their
// ticks and grid, and the limits a stored chart may hold that must not run the loops away.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "axis_chart.h"
#include "chart/date_steps.h"
#include "chart/value_format.h"

namespace fv {
namespace {

double Date(int y, int m, int d) {
    double v = 0;
    EXPECT_TRUE(EncodeDate(y, m, d, v));
    return v;
}

TEST(ValueFormat, NumberMasks) {
    ChartLocaleInfo german;
    german.ThousandSeparator = '.';
    german.DecimalSeparator = ',';
    struct Case { double value; const char* mask; std::string text; ChartLocaleInfo locale; } cases[] = {
        {1234.5678, "#,##0.###", "1,234.568", {}},
        {1234.5678, "#,##0.###", "1.234,568", german},
        {0, "#,##0.###", "0", {}},
        {-0.0001, "#,##0.###", "0", {}},  // rounds to zero: no minus sign
        {-1234567, "#,##0.###", "-1,234,567", {}},
        {5, "0.00", "5.00", {}},
        {0.5, "#.##", ".5", {}},  // no 0 before the point: no digit there
        {7, "000", "007", {}},
        {-5, "$#,##0;($#,##0)", "($5)", {}},
        {12, "#,##0 kg", "12 kg", {}},
        {1e20, "#,##0", "100,000,000,000,000,000,000", {}},
        {std::nan(""), "#,##0", "NAN", {}},
        {-std::numeric_limits<double>::infinity(), "#,##0", "-INF", {}},
    };
    for (const Case& k : cases) EXPECT_EQ(FormatNumber(k.value, k.mask, k.locale), k.text) << k.mask;
    EXPECT_EQ(FormatNumber(1e308, "#,##0.###").size(), 309u + 102u);  // every digit, grouped
}

TEST(ValueFormat, DateMasks) {
    double d = Date(2024, 1, 31) + (13 * 60 + 5) / 1440.0 + 9 / 86400.0;
    struct Case { const char* mask; std::string text; } cases[] = {
        {"m/d/yyyy", "1/31/2024"},
        {"dd.mm.yy", "31.01.24"},
        {"mmm d", "Jan 31"},
        {"mmmm yyyy", "January 2024"},
        {"ddd dddd", "Wed Wednesday"},
        {"h:nn", "13:05"},
        {"hh:mm:ss", "13:05:09"},  // m after an hour is minutes
        {"h am/pm", "1 pm"},
        {"\"week of\" d", "week of 31"},
    };
    for (const Case& k : cases) EXPECT_EQ(FormatDateTime(d, k.mask), k.text) << k.mask;
    EXPECT_EQ(FormatDateTime(Date(2023, 12, 31) + 0.9999999999, "m/d/yyyy h:nn"), "1/1/2024 0:00");
    EXPECT_EQ(FormatDateTime(1e300, "m/d/yyyy"), "");
    EXPECT_EQ(FormatDateTime(std::nan(""), "m/d/yyyy"), "");
}

struct LabelChart : AxisChart {
    // The left axis with fixed limits and value labels, drawn once.
    std::vector<std::string> DrawLeft(double low, double high, double increment) {
        left.SetLabelStyle(TAxisLabelStyle::talValue);
        left.SetIncrement(increment);
        SetLimits(left, low, high);
        left.PlaceInRect(chartRect, false);
        rec.Clear();
        left.DrawAxis(true);
        return Texts(rec);
    }
};

TEST(AxisLabels, RoundFirstLabelRunsDownFromAMultipleOfTheStep) {
    LabelChart c;
    std::vector<std::string> expected = {"90", "80", "70", "60", "50", "40", "30", "20", "10"};
    EXPECT_EQ(c.DrawLeft(3, 97, 10), expected);  // 0 is below 3
    // Right-aligned at the labels' edge, centred on the value's pixel.
    const CanvasCall first = c.rec.Calls("Text").front();
    EXPECT_EQ(first.Points[0], (Point{c.left.LabelsPixel, c.left.ValueToPixel(90) - Lh / 2}));
    EXPECT_EQ(first.State.TextAlign, unsigned(TaRight | TaTop));

    c.left.SetRoundFirstLabel(false);
    EXPECT_EQ(c.DrawLeft(3, 97, 10).front(), "97");
}

TEST(AxisLabels, LabelsOnAxisDecidesTheLimitsThemselves) {
    LabelChart c;
    EXPECT_EQ(c.DrawLeft(0, 100, 10).size(), 11u);
    c.left.SetLabelsOnAxis(false);
    std::vector<std::string> texts = c.DrawLeft(0, 100, 10);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts.front(), "90");
    EXPECT_EQ(texts.back(), "10");
}

TEST(AxisLabels, InvertedAxisPutsTheHighLabelAtTheBottom) {
    LabelChart c;
    c.left.SetInverted(true);
    c.DrawLeft(0, 100, 50);
    auto calls = c.rec.Calls("Text");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].Text, "100");
    EXPECT_EQ(calls[0].Points[0].Y, 250 - Lh / 2);
    EXPECT_EQ(calls[2].Points[0].Y, 50 - Lh / 2);
}

TEST(AxisLabels, AutomaticStepKeepsLabelsApart) {
    AxisChart c;
    SetLimits(c.bottom, 0, 100);
    // "100" is 18 pixels, plus 10 %: 20; 200 pixels hold 10 labels; 1, 2, 5 give too many.
    EXPECT_EQ(c.bottom.CalcLabelsIncrement(), 10);
    SetLimits(c.left, 0, 0.001);
    // Vertical: a line (11 + 1) a label, 16 labels in 200 pixels.
    EXPECT_NEAR(c.left.CalcLabelsIncrement(), 0.0001, 1e-15);
    c.left.SetIncrement(0.0003);
    EXPECT_NEAR(c.left.IncrementForLabelCount(16), 0.0003, 1e-15);
    EXPECT_NEAR(c.left.IncrementForLabelCount(2), 0.0005, 1e-15);
    EXPECT_EQ(c.left.IncrementForLabelCount(0), 1e-12);
    c.left.SetLabelsSeparation(0);  // no separation: the step as asked
    EXPECT_NEAR(c.left.IncrementForLabelCount(1), 0.0003, 1e-15);
}

// The widest label rounds the limits by the step in force; rounding by an Increment of 0 gave a quotient
// that is no number and a label "NAN" wider than any real one.
TEST(AxisLabels, WidestLabelRoundsByTheComputedStep) {
    LabelChart c;
    c.left.SetLabelStyle(TAxisLabelStyle::talValue);
    SetLimits(c.left, 3, 97);  // step 10: the labels 0 and 90
    EXPECT_EQ(c.left.WidestLabel(), 2 * Cw + Cw);
    // A quotient too large for an integer leaves the limit as it is.
    c.left.SetLabelsSeparation(0);
    SetLimits(c.left, 0, 1e12);
    EXPECT_EQ(c.left.WidestLabel(), int(std::string("1,000,000,000,000 ").size()) * Cw);
}

TEST(AxisLabels, LogarithmicPowersOfTheBaseWithMinorTicks) {
    AxisChart c;
    c.bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    SetLimits(c.bottom, 1, 1000);
    c.bottom.SetLogarithmic(true);
    c.bottom.PlaceInRect(c.chartRect, false);
    c.bottom.Grid.SetVisible(false);
    c.bottom.DrawAxis(true);
    std::vector<std::string> expected = {"1", "10", "100", "1,000"};
    EXPECT_EQ(Texts(c.rec), expected);
    std::vector<int> xs;
    for (const CanvasCall& call : c.rec.Calls("Text")) xs.push_back(call.Points[0].X);
    EXPECT_EQ(xs, (std::vector<int>{100, 167, 233, 300}));
    // Per label a tick; three minor ticks after each of 1, 10 and 100; and the axis line.
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 4u + 9u + 1u);

    // A fixed increment draws value labels instead of powers.
    c.rec.Clear();
    c.bottom.SetIncrement(250);
    c.bottom.DrawAxis(true);
    expected = {"1,000", "750", "500", "250"};
    EXPECT_EQ(Texts(c.rec), expected);
}

TEST(AxisLabels, MonthStepsCrossTheYearEnd) {
    AxisChart c({0, 50, 800, 250});  // wide enough for a label a month
    TChartSeries s;
    s.SetParentChart(&c);
    s.XValues->SetDateTime(true);
    s.AddPoint(Date(2023, 11, 15), 1);
    c.bottom.SetIncrement(DateTimeStep(OneMonthStep));
    SetLimits(c.bottom, Date(2023, 11, 15), Date(2024, 3, 20));
    c.bottom.Grid.SetVisible(false);
    c.bottom.DrawAxis(true);
    std::vector<std::string> expected = {"3/1/2024", "2/1/2024", "1/1/2024", "12/1/2023"};
    EXPECT_EQ(Texts(c.rec), expected);

    // Day steps across a month end, in a format of the axis' own.
    c.rec.Clear();
    c.bottom.SetDateTimeFormat("mmm d");
    c.bottom.SetIncrement(1);
    SetLimits(c.bottom, Date(2024, 2, 27), Date(2024, 3, 2));
    c.bottom.DrawAxis(true);
    expected = {"Mar 2", "Mar 1", "Feb 29", "Feb 28", "Feb 27"};
    EXPECT_EQ(Texts(c.rec), expected);
}

TEST(AxisLabels, CustomLabelsFromTheChartsHandler) {
    LabelChart c;
    c.OnGetNextAxisLabel = [](TCustomChartAxis&, int, bool&, double&) {};  // never clears stop
    EXPECT_EQ(c.DrawLeft(0, 100, 50).size(), 3u);
    const double values[] = {5, 42, 99, 500};
    c.OnGetNextAxisLabel = [&](TCustomChartAxis&, int index, bool& stop, double& value) {
        stop = false;
        value = values[index];
    };
    c.OnGetAxisLabel = [](TCustomChartAxis&, TChartSeries*, int index, std::string& text) {
        EXPECT_EQ(index, -1);
        text = "<" + text + ">";
    };
    std::vector<std::string> expected = {"<5>", "<42>", "<99>"};  // 500 is outside: the list ends
    EXPECT_EQ(c.DrawLeft(0, 100, 50), expected);
}

TEST(AxisLabels, TicksGridAndHiddenLabels) {
    LabelChart c;
    c.left.MinorTicks.SetVisible(false);
    c.DrawLeft(0, 100, 50);
    // Three labels, three ticks, one grid line (not at the limits), the axis line.
    std::vector<std::string> lines;
    for (const CanvasCall& call : c.rec.Calls("Polyline")) lines.push_back(call.ToString());
    std::vector<std::string> expected = {
        "Polyline (100,50) (96,50)", "Polyline (100,150) (96,150)", "Polyline (100,150) (300,150)",
        "Polyline (100,250) (96,250)", "Polyline (100,50) (100,250)"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(c.rec.Calls("Polyline")[2].State.CanvasPen.PenColor, Color(0x808080));

    // Hidden labels: ticks only where ticks are not bound to labels.
    c.left.SetLabels(false);
    c.DrawLeft(0, 100, 50);
    EXPECT_TRUE(c.rec.Calls("Text").empty());
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 1u);
    c.left.SetTickOnLabelsOnly(false);
    c.DrawLeft(0, 100, 50);
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 5u);
}

TEST(AxisLabels, MultiLineLabelsStackOutward) {
    AxisChart c;
    c.bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    c.bottom.SetAxisValuesFormat("0 \"units\"");
    c.bottom.SetLabelsMultiLine(true);
    c.bottom.SetIncrement(100);
    SetLimits(c.bottom, 0, 100);
    c.bottom.PlaceInRect(c.chartRect, false);
    c.bottom.DrawAxis(true);
    auto calls = c.rec.Calls("Text");
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].Text, "100");
    EXPECT_EQ(calls[1].Text, "\"units\"");
    EXPECT_EQ(calls[1].Points[0].Y, calls[0].Points[0].Y + Lh);
}

TEST(AxisLabels, DrawAtPositionWithRangeRestoresTheAxis) {
    LabelChart c;
    c.left.SetLabelStyle(TAxisLabelStyle::talValue);
    SetLimits(c.left, 0, 10);
    c.left.SetAutomatic(true);
    c.left.MinorTicks.SetVisible(false);
    c.left.Ticks.SetVisible(false);
    int repaints = c.repaints;
    c.left.DrawAtPositionWithRange(30, 10, 150, 50, false, 40, 0, 4, 2);
    std::vector<std::string> expected = {"4", "2", "0"};
    EXPECT_EQ(Texts(c.rec), expected);
    // Labels at the given pixels: 4 at the top (50), 0 at the bottom (150), right-aligned at 30; the axis
    // line at 40; no grid line.
    EXPECT_EQ(c.rec.Calls("Text")[0].Points[0], (Point{30, 50 - Lh / 2}));
    EXPECT_EQ(c.rec.Calls("Text")[2].Points[0], (Point{30, 150 - Lh / 2}));
    EXPECT_EQ(c.rec.Lines().back(), "Polyline (40,50) (40,150)");
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 1u);
    EXPECT_TRUE(c.left.Automatic());
    EXPECT_EQ(c.left.Increment(), 0);
    EXPECT_EQ(c.left.HighLimit, 10);
    EXPECT_TRUE(c.left.Grid.Visible());
    EXPECT_EQ(c.repaints, repaints);  // the grid's switch for one drawing repaints nothing

    // A label handler that fails: the axis comes back all the same.
    c.OnGetAxisLabel = [](TCustomChartAxis&, TChartSeries*, int, std::string&) { throw ChartException("bad"); };
    EXPECT_THROW(c.left.DrawAtPositionWithRange(30, 10, 150, 50, true, 40, 0, 4, 2), ChartException);
    EXPECT_TRUE(c.left.Automatic());
    EXPECT_EQ(c.left.Maximum(), 10);
    EXPECT_EQ(c.left.LowLimit, 0);
    EXPECT_EQ(c.left.LimitRange, 10);
    EXPECT_TRUE(c.left.Grid.Visible());
    c.left.Grid.SetVisible(false);
    EXPECT_EQ(c.repaints, repaints + 1);  // the grid tells the chart again
}

// Limits a stored chart may hold: nothing hangs, nothing overflows, counts stay capped.
TEST(AxisLabels, HostileLimitsDrawBoundedLabels) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    struct Case { double low, high, increment; bool log; std::size_t maxTexts; } cases[] = {
        {0, inf, 0, false, 0}, {-inf, 0, 0, false, 0}, {nan, 1, 0, false, 0}, {0, 1e300, 0, false, 20},
        {0, 1e300, 1e-300, false, 20}, {0, 1, 1e-300, false, 20}, {1e15, 1e15 + 1, 0, false, 20},
        {0, 1e308, 0, true, 400}, {-5, 1e300, 0, true, 400}, {1e-300, 1e-299, 0, true, 400},
    };
    for (const Case& k : cases) {
        LabelChart c;
        c.left.SetLogarithmic(k.log);
        c.left.SetMinorTickCount(1000000000);
        std::vector<std::string> texts = c.DrawLeft(k.low, k.high, k.increment);
        EXPECT_LE(texts.size(), k.maxTexts) << k.low << ".." << k.high;
        EXPECT_LE(c.rec.Calls("Polyline").size(), 200u * (k.maxTexts + 1) + 1);  // minor ticks: one a pixel at most
    }
}

}  // namespace
}  // namespace fv
