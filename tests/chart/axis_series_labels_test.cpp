// Axis labels taken from the series (point labels, mark texts, series titles on the depth axis), label
// alignment at right angles, and the grid of a 3D chart.
#include <gtest/gtest.h>

#include <limits>

#include "axis_chart.h"
#include "chart/fast_line.h"
#include "plot_panel.h"

namespace fv {
namespace {

// A series on the bottom axis, limits 0..100 over pixels 100..300, and its points' labels on that axis.
struct TextChart : AxisChart {
    TChartSeries series;
    TextChart() { series.SetParentChart(this); }
    ~TextChart() override { series.SetParentChart(nullptr); }
    std::vector<std::string> DrawBottom() {
        SetLimits(bottom, 0, 100);
        bottom.PlaceInRect(chartRect, false);
        rec.Clear();
        bottom.DrawAxis(true);
        return Texts(rec);
    }
};

TEST(AxisSeriesLabels, PointLabelsStandAtTheirPointsAndKeepApart) {
    TextChart c;
    c.bottom.MinorTicks.SetVisible(false);
    c.bottom.Grid.SetVisible(false);
    for (auto [x, label] : {std::pair{0.0, "a"}, {20.0, "bbbbbb"}, {22.0, "c"}, {50.0, "d"}, {150.0, "e"}})
        c.series.AddPoint(x, 1, label);
    EXPECT_EQ(c.bottom.ResolvedLabelStyle(), TAxisLabelStyle::talText);  // the first point has a label
    // "c" (at 22) overlaps "bbbbbb" (at 20, 36 pixels wide); "e" lies beyond the limits.
    std::vector<std::string> expected = {"a", "bbbbbb", "d"};
    EXPECT_EQ(c.DrawBottom(), expected);
    EXPECT_EQ(c.rec.Calls("Text")[3 - 1].Points[0], (Point{c.bottom.ValueToPixel(50), c.bottom.LabelsPixel}));
    // Ticks follow the labels drawn; without that rule the hidden label keeps its tick.
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 3u + 1u);
    c.bottom.SetTickOnLabelsOnly(false);
    c.DrawBottom();
    EXPECT_EQ(c.rec.Calls("Polyline").size(), 4u + 1u);
    // No separation: no overlap test.
    c.bottom.SetLabelsSeparation(0);
    expected = {"a", "bbbbbb", "c", "d"};
    EXPECT_EQ(c.DrawBottom(), expected);

    // The chart's handler has the last word and learns the series and the point.
    // (The step is worked out from the limits' value texts first: those come without a series.)
    std::vector<int> asked;
    c.OnGetAxisLabel = [&](TCustomChartAxis&, TChartSeries* s, int index, std::string& text) {
        if (!s) return;
        EXPECT_EQ(s, &c.series);
        asked.push_back(index);
        text += "!";
    };
    EXPECT_EQ(c.DrawBottom().front(), "a!");
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3}));  // the visible points: 150 lies past the view
}

TEST(AxisSeriesLabels, MarkTextsAreLabelsOrValues) {
    TextChart c;
    c.series.AddPoint(20, 7.5, "x");
    c.series.AddPoint(60, 1234);
    c.bottom.SetLabelStyle(TAxisLabelStyle::talMark);
    EXPECT_EQ(c.DrawBottom(), (std::vector<std::string>{"x", "1,234"}));
    c.series.OnGetMarkText = [](TChartSeries*, int index, std::string& text) { text = "m" + std::to_string(index); };
    EXPECT_EQ(c.DrawBottom(), (std::vector<std::string>{"m0", "m1"}));
}

TEST(AxisSeriesLabels, WidestTextLabelIsTheWidestPointLabel) {
    PlotPanel chart;
    TChartSeries a, b;
    chart.AddSeries(a);
    chart.AddSeries(b);
    a.AddPoint(1, 1, "four");
    b.AddPoint(2, 2, "sixsix");
    b.SetActive(false);  // point labels count for every series
    RecordingCanvas rec;
    chart.Canvas3D().AttachCanvas(&rec);
    chart.LeftAxis()->SetLabelStyle(TAxisLabelStyle::talText);
    EXPECT_EQ(chart.LeftAxis()->WidestLabel(), 6 * Cw);
    chart.LeftAxis()->SetLabelStyle(TAxisLabelStyle::talMark);
    EXPECT_EQ(chart.LeftAxis()->WidestLabel(), 4 * Cw);  // marks only of active series
    chart.LeftAxis()->SetLabelStyle(TAxisLabelStyle::talNone);
    EXPECT_EQ(chart.LeftAxis()->WidestLabel(), 0);
}

// Labels at right angles stand outward of the labels' edge, centred on their pixel across the axis.
TEST(AxisSeriesLabels, AlignmentFollowsTheAngle) {
    struct Case { TAxisSide side; int angle; unsigned align; int dx, dy; const char* why; } cases[] = {
        {TAxisSide::Bottom, 0, TaCenter | TaTop, 0, 0, "hangs below, centred"},
        {TAxisSide::Bottom, 90, TaRight | TaTop, -Lh / 2, 0, "reads upward and ends at the edge"},
        {TAxisSide::Bottom, 180, TaCenter | TaTop, 0, Lh, "upside down: its top is the lower side"},
        {TAxisSide::Bottom, 270, TaLeft | TaTop, Lh / 2, 0, "reads downward from the edge"},
        {TAxisSide::Top, 0, TaCenter | TaTop, 0, -Lh, "stands on the edge"},
        {TAxisSide::Left, 0, TaRight | TaTop, 0, -Lh / 2, "ends at the edge, centred"},
        {TAxisSide::Left, 90, TaCenter | TaTop, -Lh, 0, "reads upward, its foot at the edge"},
        {TAxisSide::Right, 0, TaLeft | TaTop, 0, -Lh / 2, "starts at the edge, centred"},
        {TAxisSide::Right, 270, TaCenter | TaTop, Lh, 0, "reads downward, its foot at the edge"},
        {TAxisSide::Bottom, 45, TaLeft | TaTop, 0, 0, "other angles: no alignment"},
    };
    for (const Case& k : cases) {
        AxisChart c;
        TCustomChartAxis& axis = c.AxisOn(k.side);
        axis.SetLabelStyle(TAxisLabelStyle::talValue);
        axis.SetLabelsAngle(k.angle);
        axis.SetIncrement(100);
        SetLimits(axis, 0, 100);
        axis.PlaceInRect(c.chartRect, false);
        axis.DrawAxis(true);
        auto texts = c.rec.Calls("Text");
        ASSERT_FALSE(texts.empty()) << k.why;
        int p = axis.ValueToPixel(100);
        Point base = axis.Horizontal() ? Point{p, axis.LabelsPixel} : Point{axis.LabelsPixel, p};
        EXPECT_EQ(texts[0].State.TextAlign, k.align) << k.why;
        EXPECT_EQ(texts[0].Points[0], (Point{base.X + k.dx, base.Y + k.dy})) << k.why;
    }
}

// Titles follow the same rule from their own edge: the left title reads upward with its foot on the
// edge, the right one downward, the bottom one hangs below.
TEST(AxisSeriesLabels, TitlesStandOutwardOfTheirEdge) {
    struct Case { TAxisSide side; unsigned align; int dx, dy; } cases[] = {
        {TAxisSide::Bottom, TaCenter | TaTop, 0, 0},
        {TAxisSide::Top, TaCenter | TaTop, 0, -Lh},
        {TAxisSide::Left, TaCenter | TaTop, -Lh, 0},
        {TAxisSide::Right, TaCenter | TaTop, Lh, 0},
    };
    for (const Case& k : cases) {
        AxisChart c;
        TCustomChartAxis& axis = c.AxisOn(k.side);
        axis.SetLabels(false);
        axis.Title.SetCaption("T");
        SetLimits(axis, 0, 100);
        axis.PlaceInRect(c.chartRect, false);
        axis.DrawAxis(true);
        auto texts = c.rec.Calls("Text");
        ASSERT_EQ(texts.size(), 1u);
        Point base = axis.Horizontal() ? Point{axis.CenterPixel, axis.TitlePixel} : Point{axis.TitlePixel, axis.CenterPixel};
        EXPECT_EQ(texts[0].State.TextAlign, k.align) << int(k.side);
        EXPECT_EQ(texts[0].Points[0], (Point{base.X + k.dx, base.Y + k.dy})) << int(k.side);
    }
}

// Three series in a 3D chart, and their titles along the depth axis, the first series at the back.
TEST(AxisSeriesLabels, DepthAxisShowsSeriesTitlesOrZValues) {
    PlotPanel chart;
    chart.SetView3D(true);
    chart.DepthAxis().SetVisible(true);
    TFastLineSeries a, b, c;
    for (TChartSeries* s : {&a, &b, &c}) {
        chart.AddSeries(*s);
        s->AddPoint(0, 0);
        s->AddPoint(1, 1);
    }
    a.SetTitle("alpha");
    c.SetTitle("gamma");
    RecordingCanvas rec;
    chart.Paint(rec);
    EXPECT_EQ(chart.DepthAxis().LowLimit, -0.5);
    EXPECT_EQ(chart.DepthAxis().HighLimit, 2.5);
    std::vector<std::string> texts = Texts(rec);
    std::vector<std::string> titles(texts.end() - 3, texts.end());  // the depth axis is drawn last
    EXPECT_EQ(titles, (std::vector<std::string>{"alpha", "Series 1", "gamma"}));
    // Each title stands at the middle depth of its series' slot.
    auto calls = rec.Calls("Text");
    Point atA = chart.Canvas3D().Project(chart.DepthAxis().LabelsPixel, chart.PlotRect.Bottom, a.SlotMiddleDepth);
    EXPECT_NEAR(calls[calls.size() - 3].Points[0].X, atA.X, 1);

    // A series with Z values of its own makes the depth axis a value axis with those limits.
    struct ZSeries : TChartSeries {
        double MinZValue() const override { return 2; }
        double MaxZValue() const override { return 7; }
    } z;
    z.OwnZValues = true;
    for (TChartSeries* s : {&a, &b, &c}) s->SetActive(false);
    chart.AddSeries(z);
    chart.DepthAxis().AdjustMaxMin();
    EXPECT_EQ(chart.DepthAxis().ResolvedLabelStyle(), TAxisLabelStyle::talValue);
    EXPECT_EQ(chart.DepthAxis().LowLimit, 2);
    EXPECT_EQ(chart.DepthAxis().HighLimit, 7);
    chart.RemoveSeries(z);
}

// Depth limits from a stored chart: titles for every whole number between them would never end.
TEST(AxisSeriesLabels, DepthTitlesAreCappedForHostileLimits) {
    PlotPanel chart;
    chart.SetView3D(true);
    chart.DepthAxis().SetVisible(true);
    TFastLineSeries s;
    chart.AddSeries(s);
    s.AddPoint(0, 0);
    RecordingCanvas rec;
    struct Case { double low, high; std::size_t most; } cases[] = {
        {0, 1e6, 10000}, {0, 1e12, 0}, {-1e300, 1e300, 0}, {0, std::numeric_limits<double>::infinity(), 0}, {5, 5.5, 1}};
    for (const Case& k : cases) {
        chart.DepthAxis().SetLabelStyle(TAxisLabelStyle::talText);
        chart.DepthAxis().SetRange(k.low, k.high);
        rec.Clear();
        chart.Paint(rec);
        EXPECT_EQ(std::size_t(chart.DepthAxis().DrawnLabelCount), k.most) << k.low << ".." << k.high;
    }
}

// In 3D a grid line of a near-side axis crosses the floor (bottom axis) or the side wall (left axis) to
// the back, then runs over the back plane; a far-side axis' grid lies on the back plane only.
TEST(AxisSeriesLabels, GridOfANearAxisRunsOverTheFloorThenTheBack) {
    PlotPanel chart;
    chart.SetView3D(true);
    TFastLineSeries s;
    chart.AddSeries(s);
    s.AddPoint(0, 0);
    s.AddPoint(100, 100);
    const Color grid = 0x123456;
    for (TCustomChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->SetIncrement(50);
        axis->Grid.SetColor(grid);
        axis->MinorTicks.SetVisible(false);
    }
    RecordingCanvas rec;
    chart.Paint(rec);
    std::vector<std::vector<Point>> lines;
    for (const CanvasCall& call : rec.Calls("Polyline"))
        if (call.State.CanvasPen.PenColor == grid) lines.push_back(call.Points);
    ASSERT_EQ(lines.size(), 4u);
    TChartCanvas3D& c = chart.Canvas3D();
    const PixelRect r = chart.PlotRect;
    const int d = chart.HorizDepth;
    ASSERT_GT(d, 0);
    int x = chart.BottomAxis()->ValueToPixel(50), y = chart.LeftAxis()->ValueToPixel(50);
    EXPECT_EQ(lines[0], (std::vector<Point>{c.Project(x, r.Bottom, 0), c.Project(x, r.Bottom, d)}));
    EXPECT_EQ(lines[1], (std::vector<Point>{c.Project(x, r.Top, d), c.Project(x, r.Bottom, d)}));
    EXPECT_EQ(lines[2], (std::vector<Point>{c.Project(r.Left, y, 0), c.Project(r.Left, y, d)}));
    EXPECT_EQ(lines[3], (std::vector<Point>{c.Project(r.Left, y, d), c.Project(r.Right, y, d)}));

    // The right axis stands on the other side: its grid stays on the back plane.
    s.SetVertAxis(aRightAxis);
    chart.RightAxis()->SetIncrement(50);
    chart.RightAxis()->Grid.SetColor(grid);
    rec.Clear();
    chart.Paint(rec);
    lines.clear();
    for (const CanvasCall& call : rec.Calls("Polyline"))
        if (call.State.CanvasPen.PenColor == grid) lines.push_back(call.Points);
    ASSERT_EQ(lines.size(), 3u);
    y = chart.RightAxis()->ValueToPixel(50);
    const PixelRect now = chart.PlotRect;  // without the left axis' labels the rectangle is wider
    EXPECT_EQ(lines[2], (std::vector<Point>{c.Project(now.Left, y, d), c.Project(now.Right, y, d)}));
}

}  // namespace
}  // namespace fv
