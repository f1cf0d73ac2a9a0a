// Legend items of a series (texts and symbols) and the dispatch of a click on a series.
#include <gtest/gtest.h>

#include "plot_panel.h"

namespace fv {
namespace {

TEST(SeriesLegend, TextsByStyle) {
    PlotPanel chart;
    TChartSeries s;
    chart.AddSeries(s);
    s.AddPoint(2.5, 10, "ten");
    s.AddPoint(3, 30, "thirty");
    s.AddPoint(4, 1960, "big");
    struct Case { int index; TLegendTextStyle style; std::string text; } cases[] = {
        {0, ltsPlain, "ten"},
        {0, ltsLeftValue, "10 ten"},
        {0, ltsRightValue, "ten 10"},
        {2, ltsRightValue, "big 1,960"},
        {1, ltsLeftPercent, "1.5 % thirty"},  // 30 of an absolute total of 2000
        {1, ltsRightPercent, "thirty 1.5 %"},
        {0, ltsXValue, "2.5"},  // as the bottom axis writes it
    };
    for (const Case& k : cases) EXPECT_EQ(s.LegendString(k.index, k.style), k.text) << k.style;
    s.SetValueFormat("0.0");
    EXPECT_EQ(s.LegendString(0, ltsLeftValue), "10.0 ten");
    // Dates are written as the axis writes them, before it was ever drawn.
    chart.BottomAxis()->SetDateTimeFormat("m/d/yyyy");
    s.XValues->SetDateTime(true);
    s.SetXValue(0, 45000);
    EXPECT_EQ(s.LegendString(0, ltsXValue), "3/15/2023");

    // A series of zeros: every item is the whole.
    TChartSeries zeros;
    zeros.AddPoint(0, 0, "a");
    zeros.AddPoint(1, 0, "b");
    EXPECT_EQ(zeros.LegendString(1, ltsLeftPercent), "100 % b");
    EXPECT_EQ(zeros.LegendString(0, ltsXValue), "0");  // no axis: the value format
}

// The symbol: a filled rectangle in the item's colour; framed again when it has the chart's back colour.
TEST(SeriesLegend, SymbolsInTheItemColour) {
    PlotPanel chart;
    TChartSeries s;
    chart.AddSeries(s);
    s.SetSeriesColor(ClRed);
    s.AddPoint(0, 1, "", ClGreen);
    s.AddPoint(1, 2, "", NoColour);
    RecordingCanvas rec;
    chart.Canvas3D().AttachCanvas(&rec);
    const PixelRect box{10, 10, 30, 20};
    struct Case { int index; Color back; std::vector<Color> brushes; std::vector<BrushStyle> styles; Color penAfter; const char* why; } cases[] = {
        {-1, AutomaticColour, {ClRed}, {BrushStyle::Solid}, ClBlack, "the series itself"},
        {0, AutomaticColour, {ClGreen}, {BrushStyle::Solid}, ClBlack, "a point's own colour"},
        {1, AutomaticColour, {}, {}, ClBlack, "a point without colour has no symbol"},
        {0, ClGreen, {ClGreen, ClGreen}, {BrushStyle::Solid, BrushStyle::Clear}, ClBlack, "framed on its own colour"},
    };
    for (const Case& k : cases) {
        chart.backColour = k.back;
        rec.Clear();
        rec.SetPen({ClBlue, 1, PenStyle::Solid, PenMode::Copy});
        s.DrawLegend(k.index, box);
        auto rects = rec.Calls("Rectangle");
        ASSERT_EQ(rects.size(), k.brushes.size()) << k.why;
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(rects[i].State.CanvasBrush.BrushColor, k.brushes[i]) << k.why;
            EXPECT_EQ(rects[i].State.CanvasBrush.Style, k.styles[i]) << k.why;
            EXPECT_EQ(rects[i].State.CanvasPen.PenColor, ClBlue) << k.why << ": the current pen";
        }
        if (!rects.empty()) EXPECT_EQ(rec.GetPen().PenColor, k.penAfter) << k.why;
    }
    // On a black back the frame is white.
    chart.backColour = ClBlack;
    s.SetSeriesColor(ClBlack);
    rec.Clear();
    s.DrawLegend(-1, box);
    auto rects = rec.Calls("Rectangle");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].State.CanvasPen.PenColor, ClWhite);
    // A series that colours each point has no symbol of its own.
    s.SetColorEachPoint(true);
    rec.Clear();
    s.DrawLegend(-1, box);
    EXPECT_TRUE(rec.Calls().empty());
}

TEST(SeriesClicks, ClickOrDoubleClickHandlers) {
    struct Case { bool click, dblClick; unsigned shift; const char* ran; bool handled; } cases[] = {
        {true, true, SsLeft, "click", true},
        {true, true, SsLeft | SsDouble, "dbl", true},
        {true, false, SsLeft | SsDouble, "click", true},  // a double click with only OnClick
        {false, true, SsLeft, "", false},
        {false, false, SsDouble, "", false},
    };
    for (const Case& k : cases) {
        PlotPanel chart;
        TChartSeries s;
        chart.AddSeries(s);
        chart.MouseHandled = true;
        std::string ran;
        int seenIndex = -2;
        if (k.click) s.OnClick = [&](TChartSeries*, int i, MouseButton, unsigned, int, int) { ran = "click"; seenIndex = i; };
        if (k.dblClick) s.OnDblClick = [&](TChartSeries*, int i, MouseButton, unsigned, int, int) { ran = "dbl"; seenIndex = i; };
        EXPECT_EQ(s.DoClick(3, MouseButton::Left, k.shift, 5, 6), k.handled) << k.ran;
        EXPECT_EQ(ran, k.ran);
        EXPECT_EQ(chart.MouseHandled, k.handled);
        if (k.handled) EXPECT_EQ(seenIndex, 3);
    }
    // A handler may clear the flag to let the chart go on.
    PlotPanel chart;
    TChartSeries s;
    chart.AddSeries(s);
    s.OnClick = [&](TChartSeries*, int, MouseButton, unsigned, int, int) { chart.MouseHandled = false; };
    EXPECT_FALSE(s.DoClick(0, MouseButton::Left, SsLeft, 0, 0));
}

}  // namespace
}  // namespace fv
