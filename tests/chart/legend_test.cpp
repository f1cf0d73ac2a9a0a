// The legend: what it lists, where it stands on each side, what it takes from the chart rectangle, its box,
// its clicks and its range checks. The recording canvas writes 11-pixel lines and 6-pixel characters.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

constexpr int LineHeight = 11;

// A flat chart whose legend is laid out alone inside a chosen rectangle.
struct LegendChart {
    TChart chart{nullptr};
    RecordingCanvas rec;
    std::vector<std::unique_ptr<TChartSeries>> series;

    LegendChart() {
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        chart.SetBounds(0, 0, 400, 300);
        chart.Paint(rec);
        chart.Canvas3D().AttachCanvas(&rec);
    }
    TChartSeries& Add(const std::string& title, int points = 1) {
        series.push_back(std::make_unique<TChartSeries>());
        TChartSeries& s = *series.back();
        s.SetTitle(title);
        for (int i = 0; i < points; ++i) s.AddPoint(i, 10 * (i + 1), title + std::to_string(i));
        chart.AddSeries(s);
        return s;
    }
    // Three series "A", "BB" and "CCC" of one point each.
    void AddThree() {
        for (const char* title : {"A", "BB", "CCC"}) Add(title);
    }
    void Layout(PixelRect plot = {0, 0, 400, 300}) {
        chart.DrawRect = plot;
        chart.PlotRect = plot;
        chart.UpdatePlotSize();
        rec.Clear();
        chart.Legend().DrawLegend();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const CanvasCall& c : rec.Calls("Text")) out.push_back(c.Text);
        return out;
    }
    std::vector<Point> TextPoints() const {
        std::vector<Point> out;
        for (const CanvasCall& c : rec.Calls("Text")) out.push_back(c.Points[0]);
        return out;
    }
};

TEST(Legend, AutomaticStyleListsThePointsOfOneSeriesAndTheSeriesOfMore) {
    LegendChart f;
    TChartSeries& a = f.Add("A", 3);
    f.chart.Legend().SetTextStyle(ltsPlain);
    f.Layout();
    EXPECT_EQ(f.chart.Legend().LegendStyleInUse(), TLegendStyle::lsValues);
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"A0", "A1", "A2"}));

    f.Add("B", 2);
    f.Layout();
    EXPECT_EQ(f.chart.Legend().LegendStyleInUse(), TLegendStyle::lsSeries);
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"A", "B"}));

    a.SetActive(false);  // one active series again: its points
    f.Layout();
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"B0", "B1"}));
}

TEST(Legend, ItemTexts) {
    struct Case { TLegendStyle style; TLegendTextStyle text; int first; std::vector<std::string> items; const char* why; } cases[] = {
        {TLegendStyle::lsSeries, ltsLeftValue, 0, {"A", "B", "Series 2"}, "series titles; an unnamed one by its place"},
        {TLegendStyle::lsSeries, ltsLeftValue, 1, {"B", "Series 2"}, "FirstValue skips items"},
        {TLegendStyle::lsValues, ltsLeftValue, 0, {"10 A0", "20 A1"}, "the first active series' points"},
        {TLegendStyle::lsValues, ltsRightValue, 1, {"A1 20"}, "value after the label, the first skipped"},
        {TLegendStyle::lsLastValues, ltsLeftValue, 0, {"20 A1", "30 B2", ""}, "every series with its last point"},
        {TLegendStyle::lsValues, ltsLeftValue, 5, {}, "FirstValue past the items: nothing listed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LegendChart f;
        f.Add("A", 2);
        f.Add("B", 3);
        f.Add("", 0);  // no title, no name and no points
        f.chart.Legend().SetLegendStyle(c.style);
        f.chart.Legend().SetTextStyle(c.text);
        f.chart.Legend().SetFirstValue(c.first);
        f.Layout();
        EXPECT_EQ(f.Texts(), c.items);
    }
}

TEST(Legend, ValueTextsAreWrittenOnOneLineAndTheEventHasTheLastWord) {
    LegendChart f;
    TChartSeries& s = f.Add("A", 0);
    s.AddPoint(0, 5, "two\rlines");
    f.chart.Legend().SetTextStyle(ltsPlain);
    f.chart.OnGetLegendText = [](TCustomChart*, int style, int index, std::string& text) {
        text += " #" + std::to_string(index) + (style == int(TLegendStyle::lsValues) ? " values" : " ?");
    };
    f.Layout();
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"two lines #0 values"}));
}

TEST(Legend, PlacesItselfOnEachSideAndTheChartGivesWay) {
    // Three series "A", "BB", "CCC" in a 400x300 rectangle, framed (width 1) with a shadow of 3: the widest
    // text is 18 pixels, the symbol 3. Side legends start at 10 % of the height (y 30); the gap to the chart
    // is 3 % of the width (12) or 4 % of the height (12).
    struct Case { TLegendAlignment side; bool resize; PixelRect legend; std::vector<Point> texts; PixelRect plot; const char* why; } cases[] = {
        {TLegendAlignment::laRight, true, {364, 30, 395, 65}, {{375, 31}, {375, 42}, {375, 53}}, {0, 0, 352, 300},
         "right: one column inside the frame and the shadow"},
        {TLegendAlignment::laLeft, true, {2, 30, 33, 65}, {{13, 31}, {13, 42}, {13, 53}}, {45, 0, 400, 300},
         "left: from the chart's left edge inside the frame"},
        {TLegendAlignment::laTop, true, {180, 2, 280, 15}, {{191, 3}, {220, 3}, {249, 3}}, {0, 30, 400, 300},
         "top: one row of three columns, shifted by 10 % of the room left"},
        {TLegendAlignment::laBottom, true, {180, 282, 280, 295}, {{191, 283}, {220, 283}, {249, 283}}, {0, 0, 400, 270},
         "bottom: above the shadow and the frame"},
        {TLegendAlignment::laRight, false, {364, 30, 395, 65}, {{375, 31}, {375, 42}, {375, 53}}, {0, 0, 388, 300},
         "ResizeChart off: only the gap is taken"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LegendChart f;
        f.AddThree();
        f.chart.Legend().SetAlignment(c.side);
        f.chart.Legend().SetResizeChart(c.resize);
        f.Layout();
        const TChartLegend& l = f.chart.Legend();
        EXPECT_EQ(l.RectLegend, c.legend);
        EXPECT_EQ(f.TextPoints(), c.texts);
        EXPECT_EQ(f.chart.PlotRect, c.plot);
        EXPECT_EQ(f.Texts(), (std::vector<std::string>{"A", "BB", "CCC"}));
    }
}

TEST(Legend, BottomLegendRowsAreLimitedByMaxNumRows) {
    // 25 points labelled "P00".."P24": items 33 pixels wide, so a 150-pixel chart holds 4 columns.
    struct Case { int maxRows; int rows; std::size_t drawn; const char* why; } cases[] = {
        {10, 7, 25, "25 items in 4 columns take 7 rows"},
        {5, 5, 20, "MaxNumRows 5 shows the first 20 items"},
        {0, 0, 0, "no row allowed: nothing drawn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LegendChart f;
        TChartSeries& s = f.Add("S", 0);
        for (int i = 0; i < 25; ++i) s.AddPoint(i, i, (i < 10 ? "P0" : "P") + std::to_string(i));
        f.chart.Legend().SetTextStyle(ltsPlain);
        f.chart.Legend().SetAlignment(TLegendAlignment::laBottom);
        f.chart.Legend().SetMaxNumRows(c.maxRows);
        f.Layout({0, 0, 150, 300});
        EXPECT_EQ(f.chart.Legend().NumCols, 4);
        EXPECT_EQ(f.chart.Legend().NumRows, c.rows);
        EXPECT_EQ(f.Texts().size(), c.drawn);
        if (c.drawn) {
            // Row by row: the fifth item starts the second row.
            EXPECT_EQ(f.TextPoints()[4].X, f.TextPoints()[0].X);
            EXPECT_EQ(f.TextPoints()[4].Y, f.TextPoints()[0].Y + LineHeight);
        } else {
            EXPECT_EQ(f.chart.PlotRect, (PixelRect{0, 0, 150, 300}));
        }
    }
}

TEST(Legend, InvertedListsTheSameItemsLastFirst) {
    LegendChart f;
    f.Add("A", 4);
    f.chart.Legend().SetTextStyle(ltsPlain);
    f.chart.Legend().SetFirstValue(1);
    f.Layout();
    const std::vector<std::string> forward = f.Texts();
    const std::vector<Point> places = f.TextPoints();
    f.chart.Legend().SetInverted(true);
    f.Layout();
    EXPECT_EQ(forward, (std::vector<std::string>{"A1", "A2", "A3"}));
    EXPECT_EQ(f.Texts(), (std::vector<std::string>{"A3", "A2", "A1"}));
    EXPECT_EQ(f.TextPoints(), places);
}

TEST(Legend, NoItemsOrNoRoomLeavesTheChartWhole) {
    struct Case { int points; int topPos; const char* why; } cases[] = {
        {0, 10, "a value legend of a series without points"},
        {3, 100, "a side legend starting at the chart's bottom has no room for a row"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LegendChart f;
        f.Add("A", c.points);
        f.chart.Legend().SetTopPos(c.topPos);
        f.Layout();
        EXPECT_EQ(f.chart.Legend().NumRows, 0);
        EXPECT_TRUE(f.rec.Calls().empty() || f.rec.Calls("Text").empty());
        EXPECT_EQ(f.chart.PlotRect, (PixelRect{0, 0, 400, 300}));
        EXPECT_EQ(f.chart.Legend().Clicked(380, 35), -1);
    }
}

TEST(Legend, BoxShadowSymbolsAndDividingLines) {
    LegendChart f;
    TChartSeries& a = f.Add("A");
    f.Add("BB");
    f.Add("CCC");
    a.SetSeriesColor(ClRed);
    f.chart.Legend().DividingLines().SetVisible(true);
    f.chart.Legend().SetColor(0xABCDEF);  // no series' colour
    f.Layout();
    // The shadow lies 3 pixels down and right of the framed box, grown by the frame's width.
    const auto fills = f.rec.Calls("FillRect");
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].Points, (std::vector<Point>{{366, 32}, {400, 70}}));
    EXPECT_EQ(fills[0].State.CanvasBrush.BrushColor, ClBlack);
    const auto rects = f.rec.Calls("Rectangle");
    ASSERT_EQ(rects.size(), 4u);  // the box and three symbols
    EXPECT_EQ(rects[0].Points, (std::vector<Point>{{363, 29}, {396, 66}}));
    EXPECT_EQ(rects[0].State.CanvasBrush.BrushColor, TColor(0xABCDEF));
    // Each symbol stands 4 pixels before its text, 2 pixels inside its line, in its series' colour.
    EXPECT_EQ(rects[1].Points, (std::vector<Point>{{368, 33}, {371, 40}}));
    EXPECT_EQ(rects[1].State.CanvasBrush.BrushColor, ClRed);
    EXPECT_EQ(rects[1].State.CanvasPen.PenColor, ClBlack);
    // A line between items, none above the first.
    EXPECT_EQ(f.rec.Calls("Polyline").size(), 2u);
}

TEST(Legend, SymbolsOutlinedWhiteOnABlackLegend) {
    LegendChart f;
    f.Add("A");
    f.Add("B");
    f.chart.Legend().SetColor(ClBlack);
    f.chart.Legend().SetShadowSize(0);
    f.Layout();
    const auto rects = f.rec.Calls("Rectangle");
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].State.CanvasPen.PenColor, ClWhite);
    EXPECT_TRUE(f.rec.Calls("FillRect").empty()) << "no shadow of size 0";
}

TEST(Legend, ClickedGivesTheDrawingPosition) {
    struct Case { TLegendAlignment side; Point at; int item; const char* why; } cases[] = {
        {TLegendAlignment::laRight, {380, 35}, 0, "first row"},
        {TLegendAlignment::laRight, {380, 47}, 1, "second row"},
        {TLegendAlignment::laRight, {380, 64}, 2, "last row, near the bottom"},
        {TLegendAlignment::laRight, {300, 47}, -1, "left of the legend"},
        {TLegendAlignment::laRight, {380, 80}, -1, "below the legend"},
        {TLegendAlignment::laTop, {185, 8}, 0, "first column"},
        {TLegendAlignment::laTop, {220, 8}, 1, "second column"},
        {TLegendAlignment::laTop, {275, 8}, 2, "third column"},
        {TLegendAlignment::laTop, {175, 8}, -1, "left of the legend"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LegendChart f;
        f.AddThree();
        f.chart.Legend().SetAlignment(c.side);
        f.Layout();
        EXPECT_EQ(f.chart.Legend().Clicked(c.at.X, c.at.Y), c.item);
    }
}

TEST(Legend, AClickOnTheLegendOfAPaintedChartIsALegendClick) {
    TChart chart(nullptr);
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    chart.SetBounds(0, 0, 400, 300);
    TChartSeries a, b;
    a.AddPoint(0, 1);
    b.AddPoint(0, 2);
    chart.AddSeries(a);
    chart.AddSeries(b);
    RecordingCanvas rec;
    chart.Paint(rec);
    const PixelRect r = chart.Legend().RectLegend;
    ASSERT_GT(chart.Legend().NumRows, 0);
    EXPECT_LE(chart.PlotRect.Right, r.Left) << "the axes and series stay left of the legend";
    const int y = r.Top + 1 + LineHeight + LineHeight / 2;  // the second row
    const TChartClickedPart part = chart.ClickedPart(r.Left + 5, y);
    EXPECT_EQ(part.Part, TChartClickedPartStyle::cpLegend);
    EXPECT_EQ(part.PointIndex, 1);
    int clicks = 0;
    chart.OnClickLegend = [&](TCustomChart*, MouseButton, unsigned, int x, int) { clicks += x == r.Left + 5; };
    chart.MouseDown(MouseButton::Left, 0, r.Left + 5, y);
    chart.MouseUp(MouseButton::Left, 0, r.Left + 5, y);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(chart.Zoom.Active) << "a handled legend click starts no zoom";

    chart.Legend().SetVisible(false);
    chart.Paint(rec);
    EXPECT_NE(chart.ClickedPart(r.Left + 5, y).Part, TChartClickedPartStyle::cpLegend);
    EXPECT_GT(chart.PlotRect.Right, r.Left) << "without the legend the chart takes its room";
}

TEST(Legend, MarksInTheLegendStyleShowTheLegendText) {
    TChart chart(nullptr);
    TChartSeries s;
    s.AddPoint(0, 10, "ten");
    chart.AddSeries(s);
    s.Marks().SetStyle(TSeriesMarksStyle::smsLegend);
    EXPECT_EQ(s.Marks().GetMarkText(0), "10 ten");
    chart.Legend().SetTextStyle(ltsRightValue);
    EXPECT_EQ(s.Marks().GetMarkText(0), "ten 10");
    chart.OnGetLegendText = [](TCustomChart*, int, int index, std::string& text) { text = "#" + std::to_string(index); };
    EXPECT_EQ(s.Marks().GetMarkText(0), "#0");
}

TEST(Legend, RangeChecksRefuseAndKeepTheValue) {
    TChart chart(nullptr);
    TChartLegend& l = chart.Legend();
    struct Case { std::function<void()> set; std::function<int()> get; int kept; const char* message; } cases[] = {
        {[&] { l.SetTopPos(101); }, [&] { return l.TopPos(); }, 10, "Top Legend Position must be between 0 and 100 %"},
        {[&] { l.SetTopPos(-1); }, [&] { return l.TopPos(); }, 10, "Top Legend Position must be between 0 and 100 %"},
        {[&] { l.SetColorWidth(101); }, [&] { return l.ColorWidth(); }, 12, "Legend Color Width must be between 0 and 100 %"},
        {[&] { l.SetColorWidth(-5); }, [&] { return l.ColorWidth(); }, 12, "Legend Color Width must be between 0 and 100 %"},
        {[&] { l.SetFirstValue(-1); }, [&] { return l.FirstValue(); }, 0, "First Legend Value must be > 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            c.set();
            ADD_FAILURE() << "no exception";
        } catch (const LegendException& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(c.get(), c.kept);
    }
    // The ends of the ranges are accepted.
    l.SetTopPos(100);
    l.SetColorWidth(0);
    l.SetFirstValue(0);
    EXPECT_EQ(l.TopPos(), 100);
    EXPECT_EQ(l.ColorWidth(), 0);
}

TEST(Legend, AssignCopiesTheSettingsAndAChartCopiesItsLegend) {
    TChart from(nullptr), to(nullptr);
    TChartLegend& l = from.Legend();
    l.SetAlignment(TLegendAlignment::laBottom);
    l.SetLegendStyle(TLegendStyle::lsLastValues);
    l.SetTextStyle(ltsRightPercent);
    l.SetColorWidth(30);
    l.SetTopPos(40);
    l.SetMaxNumRows(3);
    l.SetInverted(true);
    l.SetResizeChart(false);
    l.SetColor(ClGreen);
    l.Frame().SetColor(ClRed);
    to.Assign(from);
    const TChartLegend& c = to.Legend();
    EXPECT_EQ(c.Alignment(), TLegendAlignment::laBottom);
    EXPECT_EQ(c.LegendStyle(), TLegendStyle::lsLastValues);
    EXPECT_EQ(c.TextStyle(), ltsRightPercent);
    EXPECT_EQ(c.ColorWidth(), 30);
    EXPECT_EQ(c.TopPos(), 40);
    EXPECT_EQ(c.MaxNumRows(), 3);
    EXPECT_TRUE(c.Inverted());
    EXPECT_FALSE(c.ResizeChart());
    EXPECT_EQ(c.GetColor(), ClGreen);
    EXPECT_EQ(to.Legend().Frame().GetColor(), ClRed);
}

}  // namespace
}  // namespace fv
