// Axes: settings and their checks, the automatic flags, value-pixel mapping in every direction and on
// hostile ranges, extent, margins, placement beside the chart rectangle, hits and the axis line.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "axis_chart.h"
#include "chart/chart_units.h"

namespace fv {
namespace {

// The default font on the recording canvas: 11 pixels a line, 6 a character.
TEST(AxisSettings, DefaultsAndRoles) {
    AxisChart c;
    EXPECT_TRUE(c.left.Automatic() && c.left.AutomaticMinimum() && c.left.AutomaticMaximum());
    EXPECT_EQ(c.left.LogarithmicBase(), 10);
    EXPECT_EQ(c.left.AxisValuesFormat(), "#,##0.###");
    EXPECT_EQ(c.left.LabelsSeparation(), 10);
    EXPECT_EQ(c.left.TickLength(), 4);
    EXPECT_EQ(c.left.MinorTickCount(), 3);
    EXPECT_EQ(c.left.EndPosition(), 100);
    EXPECT_TRUE(c.left.Visible());
    EXPECT_FALSE(c.depthAxis.Visible());
    EXPECT_TRUE(IsDefaultChartFont(c.left.LabelsFont()));
    struct Case { const TCustomChartAxis& axis; bool horizontal, opposite; int titleAngle; } cases[] = {
        {c.left, false, false, 90}, {c.right, false, true, 270}, {c.top, true, true, 0},
        {c.bottom, true, false, 0}, {c.depthAxis, false, true, 0}};
    for (const Case& k : cases) {
        EXPECT_EQ(k.axis.Horizontal(), k.horizontal);
        EXPECT_EQ(k.axis.OppositeSide(), k.opposite);
        EXPECT_EQ(k.axis.Title.Angle(), k.titleAngle);
    }
    EXPECT_TRUE(c.depthAxis.DepthRole());
}

TEST(AxisSettings, PartialAutomaticFlagsDriveTheWholeOne) {
    AxisChart c;
    TChartAxis& a = c.left;
    a.SetAutomaticMinimum(false);
    EXPECT_FALSE(a.Automatic());  // one fixed end: the axis is no longer wholly automatic
    a.SetAutomaticMaximum(false);
    a.SetAutomaticMinimum(true);
    EXPECT_FALSE(a.Automatic());  // the maximum is still fixed
    a.SetAutomaticMaximum(true);
    EXPECT_TRUE(a.Automatic());

    a.SetAutomaticMinimum(false);
    c.loading = true;  // a stored chart restores the partial flags on its own
    a.SetAutomatic(true);
    EXPECT_TRUE(a.Automatic());
    EXPECT_FALSE(a.AutomaticMinimum());
    c.loading = false;
    a.SetAutomatic(false);
    a.SetAutomatic(true);
    EXPECT_TRUE(a.AutomaticMinimum() && a.AutomaticMaximum());
}

TEST(AxisSettings, SetRangeOrdersAndWidensWithoutRepainting) {
    struct Case { double a, b, min, max; } cases[] = {
        {5, 5, 5, 5 + 1e-10}, {9, 1, 1, 9}, {-3, 4, -3, 4}, {1, 1 + 1e-12, 1, 1 + 1e-10}};
    for (const Case& k : cases) {
        AxisChart c;
        c.bottom.SetRange(k.a, k.b);
        EXPECT_EQ(c.bottom.Minimum(), k.min);
        EXPECT_EQ(c.bottom.Maximum(), k.max);
        EXPECT_FALSE(c.bottom.Automatic() || c.bottom.AutomaticMinimum() || c.bottom.AutomaticMaximum());
        EXPECT_EQ(c.repaints, 0);
    }
}

TEST(AxisSettings, RefusedValuesRaiseAndLeaveTheSetting) {
    AxisChart c;
    TChartAxis& a = c.left;
    a.SetRange(0, 10);
    struct Case { std::function<void()> set; const char* message; std::function<bool()> unchanged; } cases[] = {
        {[&] { a.SetMinimum(11); }, "Axis Minimum Value must be <= Maximum", [&] { return a.Minimum() == 0; }},
        {[&] { a.SetMaximum(-1); }, "Axis Maximum Value must be >= Minimum", [&] { return a.Maximum() == 10; }},
        {[&] { a.SetIncrement(-0.5); }, "Axis increment must be >= 0", [&] { return a.Increment() == 0; }},
        {[&] { a.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2", [&] { return a.LogarithmicBase() == 10; }},
        {[&] { a.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0",
         [&] { return a.LabelsSeparation() == 10; }},
        {[&] { a.SetLabelsAngle(360); }, "Axis Labels Angle must be between 0 and 359 degrees",
         [&] { return a.LabelsAngle() == 0; }},
        {[&] { a.Title.SetAngle(-1); }, "Axis Title Angle must be between 0 and 359 degrees",
         [&] { return a.Title.Angle() == 90; }},
    };
    for (const Case& k : cases) {
        try {
            k.set();
            ADD_FAILURE() << "no exception for " << k.message;
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), k.message);
        }
        EXPECT_TRUE(k.unchanged()) << k.message;
    }
    a.SetLabelsSeparation(0);  // no separation test at all
    EXPECT_EQ(a.LabelsSeparation(), 0);
    c.loading = true;  // a stored chart writes the minimum before the maximum
    a.SetMinimum(50);
    EXPECT_EQ(a.Minimum(), 50);
}

TEST(AxisSettings, LogarithmicNeedsAValueAxisWithoutNegativeLimits) {
    AxisChart c;
    TChartSeries s;
    s.SetParentChart(&c);
    s.AddPoint(1, -5);
    s.AddPoint(2, 50);
    try {
        c.left.SetLogarithmic(true);
        ADD_FAILURE();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Logarithmic Axis Min and Max values should be >= 0");
    }
    EXPECT_FALSE(c.left.Logarithmic());
    s.XValues->SetDateTime(true);
    EXPECT_TRUE(c.bottom.IsDateTimeAxis());
    EXPECT_FALSE(c.left.IsDateTimeAxis());
    EXPECT_FALSE(c.top.IsDateTimeAxis());  // no series uses it
    try {
        c.bottom.SetLogarithmic(true);
        ADD_FAILURE();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "DateTime Axis cannot be Logarithmic");
    }
    c.left.SetAutomaticMinimum(false);  // a fixed minimum of 0 is allowed
    c.left.SetMinimum(0);
    c.left.SetLogarithmic(true);
    EXPECT_TRUE(c.left.Logarithmic());
    EXPECT_EQ(c.left.LowLimit, 0);
    EXPECT_EQ(c.left.HighLimit, 50);
}

TEST(AxisSettings, AutomaticEndsComeFromTheSeries) {
    AxisChart c;
    TChartSeries s;
    s.SetParentChart(&c);
    s.AddPoint(-2, 7);
    s.AddPoint(8, 3);
    c.bottom.SetRange(0, 100);
    c.bottom.SetAutomaticMaximum(true);
    c.bottom.AdjustMaxMin();
    EXPECT_EQ(c.bottom.LowLimit, 0);
    EXPECT_EQ(c.bottom.HighLimit, 8);
    c.left.AdjustMaxMin();
    EXPECT_EQ(c.left.LowLimit, 3);
    EXPECT_EQ(c.left.HighLimit, 7);
    EXPECT_EQ(c.left.LimitRange, 4);
}

// Limits 0..100 over the chart rectangle 100..300 across and 50..250 down.
TEST(AxisMapping, LinearAndInvertedBothDirections) {
    struct Case { bool horizontal, inverted; double value; int pixel; const char* why; } cases[] = {
        {true, false, 0, 100, "the minimum is at the left"},
        {true, false, 25, 150, "a quarter along"},
        {true, true, 0, 300, "inverted: the minimum at the right"},
        {true, true, 25, 250, "inverted quarter"},
        {false, false, 0, 250, "the minimum is at the bottom"},
        {false, false, 100, 50, "the maximum at the top"},
        {false, true, 0, 50, "inverted: the minimum at the top"},
        {false, true, 75, 200, "inverted three quarters"},
        {true, false, 150, 400, "beyond the maximum lies beyond the end"},
        {false, false, -50, 350, "below the minimum lies below the bottom"},
        {true, false, 0.25, 100, "half a pixel rounds to the even neighbour"},
        {true, false, 0.75, 102, "one and a half pixels round to the even neighbour"},
    };
    for (const Case& k : cases) {
        AxisChart c;
        TChartAxis& a = k.horizontal ? c.bottom : c.left;
        SetLimits(a, 0, 100);
        a.SetInverted(k.inverted);
        EXPECT_EQ(a.ValueToPixel(k.value), k.pixel) << k.why;
        if (std::fmod(k.value, 1) == 0) {
            EXPECT_DOUBLE_EQ(a.PixelToValue(k.pixel), k.value) << k.why;
        }
    }
}

TEST(AxisMapping, Logarithmic) {
    struct Case { bool horizontal, inverted; double value; int pixel; } cases[] = {
        {true, false, 1, 100}, {true, false, 10, 200}, {true, false, 100, 300},
        {true, true, 1, 300}, {true, true, 100, 100}, {true, true, 10, 200},
        {false, false, 1, 250}, {false, false, 10, 150}, {false, true, 1, 50},
        // Zero and negative values: the start of a horizontal axis, the bottom of a vertical one.
        {true, false, 0, 100}, {true, false, -3, 100}, {false, false, 0, 250}, {false, false, -3, 250},
        {true, true, 0, 300}, {false, true, 0, 50},
    };
    for (const Case& k : cases) {
        AxisChart c;
        TChartAxis& a = k.horizontal ? c.bottom : c.left;
        SetLimits(a, 1, 100);
        a.SetLogarithmic(true);
        a.SetInverted(k.inverted);
        EXPECT_EQ(a.ValueToPixel(k.value), k.pixel) << k.horizontal << k.inverted << " " << k.value;
        if (k.value > 0) {
            EXPECT_NEAR(a.PixelToValue(k.pixel), k.value, 1e-9 * k.value);
        }
    }
    AxisChart c;
    SetLimits(c.bottom, 1, 100);
    c.bottom.SetLogarithmic(true);
    EXPECT_EQ(c.bottom.ValueToPixelLength(10), 100);
    EXPECT_EQ(c.bottom.ValueToPixelLength(0), 0);
}

TEST(AxisMapping, ZeroRangeMapsToTheCentreAndDepthFollowsThe3DWidth) {
    AxisChart c;
    c.bottom.CalcExtent(c.chartRect);  // limits 0..0
    EXPECT_EQ(c.bottom.ValueToPixel(42), 200);
    EXPECT_EQ(c.bottom.ValueToPixelLength(42), 0);

    c.depth = 40;
    TChartDepthAxis& d = c.depthAxis;
    EXPECT_EQ(d.ValueToPixel(3), 40);  // no range: at the back
    d.SetRange(0, 4);
    d.AdjustMaxMin();
    EXPECT_EQ(d.ValueToPixel(1), 10);
    d.SetInverted(true);
    EXPECT_EQ(d.ValueToPixel(1), 30);
}

// A value far outside a tiny range used to overflow the pixel's integer and wrap to the other side of the
// screen; it now lands as far off the picture as an int reaches, on the side where it belongs.
TEST(AxisMapping, HostileRangesSaturateOnTheRightSide) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    struct Case { double low, high, value; bool log; int pixel; } cases[] = {
        {5, 5, 1e6, false, INT_MAX},      // SetRange(5, 5) widens to 1e-10: 1e6 is 1e16 ranges away
        {5, 5, -1e6, false, INT_MIN},
        {0, 1e-10, 1e300, false, INT_MAX},
        {0, 1, inf, false, INT_MAX},
        {0, 1, -inf, false, INT_MIN},
        {0, 1, nan, false, 0},
        {-1e308, 1e308, 1e308, false, 300},
        {1, 1 + 1e-12, 1e300, true, INT_MAX},
        {1e-300, 1e300, inf, true, INT_MAX},
    };
    for (const Case& k : cases) {
        AxisChart c;
        SetLimits(c.bottom, k.low, k.high);
        c.bottom.SetLogarithmic(k.log);
        EXPECT_EQ(c.bottom.ValueToPixel(k.value), k.pixel) << k.low << ".." << k.high << " " << k.value;
        (void)c.bottom.PixelToValue(INT_MAX);
        (void)c.bottom.PixelToValue(INT_MIN);
    }
}

TEST(AxisMapping, PixelToValueAndBackStayWithinOnePixel) {
    std::mt19937 rng(20);
    std::uniform_real_distribution<double> span(-6, 6), unit(0, 1);
    for (int i = 0; i < 2000; ++i) {
        AxisChart c({37, 11, 37 + 1 + int(unit(rng) * 1800), 11 + 1 + int(unit(rng) * 1000)});
        TChartAxis& a = (i % 2) ? c.bottom : c.left;
        double low = (unit(rng) - 0.5) * std::pow(10, span(rng));
        double high = low + std::pow(10, span(rng));
        bool log = i % 3 == 0;
        if (log) low = std::fabs(low) + 1e-6, high = low * (1 + std::pow(10, span(rng) / 3));
        SetLimits(a, low, high);
        a.SetLogarithmic(log);
        a.SetInverted(i % 5 == 0);
        double v = low + unit(rng) * (high - low);
        int p = a.ValueToPixel(v);
        EXPECT_NEAR(a.ValueToPixel(a.PixelToValue(p)), p, 1) << low << ".." << high << " " << v;
    }
}

TEST(AxisExtent, PositionsMarginsAndShiftedLine) {
    AxisChart c;
    TChartAxis& a = c.bottom;
    a.SetStartPosition(25);
    a.SetEndPosition(75);
    SetLimits(a, 0, 100);
    EXPECT_EQ(a.StartPixel, 150);
    EXPECT_EQ(a.EndPixel, 250);
    EXPECT_EQ(a.PixelLength, 100);
    EXPECT_EQ(a.CenterPixel, 200);

    // Ten pixels free at each end: the limits widen by a tenth of the range each way.
    a.ShrinkForMargins(10, 10);
    EXPECT_EQ(a.StartPixel, 150);
    EXPECT_NEAR(a.LowLimit, -12.5, 1e-9);
    EXPECT_NEAR(a.HighLimit, 112.5, 1e-9);
    EXPECT_EQ(a.ValueToPixel(0), 160);

    // A vertical axis: the margin at the top lowers the maximum's pixel.
    SetLimits(c.left, 0, 100);
    c.left.ShrinkForMargins(20, 0);
    EXPECT_EQ(c.left.ValueToPixel(100), 70);
    EXPECT_EQ(c.left.ValueToPixel(0), 250);

    struct Case { TChartAxis& axis; double percent; int line; } cases[] = {
        {c.bottom, 10, 230}, {c.top, 10, 70}, {c.left, 10, 120}, {c.right, 10, 280}, {c.left, 0, 100}};
    for (const Case& k : cases) {
        k.axis.SetPositionPercent(k.percent);
        EXPECT_EQ(k.axis.AxisLinePosition(c.chartRect), k.line);
    }
}

TEST(AxisPlacement, LayoutTakesTitleLabelsAndTicksOffTheSide) {
    AxisChart c;
    c.bottom.Title.SetCaption("Time");
    PixelRect r{100, 50, 300, 250};
    c.bottom.PlaceInRect(r, true);
    // Title 11, labels 11 (one line at angle 0), ticks 4 + the axis pen's 2.
    EXPECT_EQ(c.bottom.TitlePixel, 239);
    EXPECT_EQ(c.bottom.LabelsPixel, 228);
    EXPECT_EQ(r.Bottom, 222);

    // The left axis: its title is turned (one line wide); its labels run across it, as wide as the widest
    // limit ("1,000") and a blank.
    SetLimits(c.left, 0, 1000);
    c.left.SetLabelStyle(TAxisLabelStyle::talValue);
    c.left.Title.SetCaption("Sales");
    c.walls[int(TAxisSide::Left)] = 6;
    r = {100, 50, 300, 250};
    c.left.PlaceInRect(r, true);
    EXPECT_EQ(c.left.TitlePixel, 100 + Lh);
    EXPECT_EQ(c.left.LabelsPixel, 100 + Lh + 6 * Cw);
    EXPECT_EQ(r.Left, 100 + Lh + 6 * Cw + 6 + 6);

    // Fixed sizes win; an empty caption and hidden labels take nothing.
    c.right.SetLabelsSize(30);
    c.right.Ticks.SetVisible(false);
    c.right.MinorTicks.SetVisible(false);
    r = {100, 50, 300, 250};
    c.right.PlaceInRect(r, true);
    EXPECT_EQ(r.Right, 300 - 30 - 2);
    c.top.SetLabels(false);
    r = {100, 50, 300, 250};
    c.top.PlaceInRect(r, true);
    EXPECT_EQ(r.Top, 56);
}

TEST(AxisPlacement, WithoutLayoutLabelsAndTitleStandOutwardFromTheLine) {
    AxisChart c;
    c.top.PlaceInRect(c.chartRect, false);
    EXPECT_EQ(c.top.LinePixel, 50);
    EXPECT_EQ(c.top.LabelsPixel, 44);  // the axis pen's 2 and the ticks' 4 above the line
    EXPECT_EQ(c.top.TitlePixel, 44 - Lh);
    c.top.SetLabelsAngle(90);  // labels across the axis: as wide as the widest limit text and a blank
    c.top.SetLabelStyle(TAxisLabelStyle::talValue);
    c.top.PlaceInRect(c.chartRect, false);
    EXPECT_EQ(c.top.TitlePixel, 44 - 2 * Cw);
}

TEST(AxisHits, ClickedCoversLabelsToThreePixelsInside) {
    AxisChart c;
    SetLimits(c.bottom, 0, 100);
    c.bottom.PlaceInRect(c.chartRect, false);  // line 250, labels 256
    struct Case { int x, y; bool hit; const char* why; } cases[] = {
        {200, 250, true, "on the line"},   {200, 256, true, "on the labels' edge"},
        {200, 247, true, "three inside"},  {200, 246, false, "four inside"},
        {200, 257, false, "past the labels"}, {99, 250, false, "before the start"},
        {300, 250, true, "at the end"},
    };
    for (const Case& k : cases) EXPECT_EQ(c.bottom.Clicked(k.x, k.y), k.hit) << k.why;
    c.shown = false;
    EXPECT_FALSE(c.bottom.Clicked(200, 250));
}

TEST(AxisLine, NearAndOppositeSidesIn2D) {
    AxisChart c;
    c.walls[int(TAxisSide::Left)] = 4;
    c.walls[int(TAxisSide::Bottom)] = 3;
    for (TChartAxis* a : {&c.bottom, &c.left, &c.top}) {
        SetLimits(*a, 0, 1);
        a->PlaceInRect(c.chartRect, false);
    }
    c.bottom.DrawAxisLine(3);
    c.left.DrawAxisLine(4);
    c.top.DrawAxisLine(0);
    std::vector<std::string> expected = {
        "Polyline (96,253) (300,253)",  // from the left wall's outer edge, below the bottom wall
        "Polyline (96,50) (96,253)",    // left of the left wall, down past the bottom wall
        "Polyline (100,50) (300,50)",
    };
    EXPECT_EQ(c.rec.Lines(), expected);
}

}  // namespace
}  // namespace fv
