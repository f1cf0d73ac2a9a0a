// The chart's mouse: the zoom drag, its undo, panning, animated zoom, the click events with MouseHandled
// and what a point hits.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

// A series whose points are hit within 3 pixels of their screen position.
struct HitSeries : TChartSeries {
    using TChartSeries::TChartSeries;
    int Clicked(int x, int y) override {
        for (int i = 0; i < Count(); ++i)
            if (std::abs(PointScreenX(i) - x) <= 3 && std::abs(PointScreenY(i) - y) <= 3) return i;
        return -1;
    }
};

// A flat 400 x 250 chart with one series from (0, 0) to (10, 100), drawn once so the axes know their pixels.
struct MouseChart : ::testing::Test {
    TChart chart{nullptr};
    HitSeries series;
    RecordingCanvas screen;
    int drawings = 0, undos = 0, zooms = 0;

    void SetUp() override {
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        for (int i = 0; i <= 10; ++i) series.AddPoint(i, 10.0 * i);
        chart.AddSeries(series);
        chart.OnAfterDraw = [this](Component*) { ++drawings; };
        chart.OnUndoZoom = [this](Component*) { ++undos; };
        chart.OnZoom = [this](Component*) { ++zooms; };
        chart.Paint(screen);
    }
    TCustomChartAxis& Bottom() { return *chart.BottomAxis(); }
    TCustomChartAxis& Left() { return *chart.LeftAxis(); }
    // A point inside the chart rectangle, away from the series' points.
    Point Inside() const { return {chart.PlotRect.Left + 40, chart.PlotRect.Top + 20}; }
    void Drag(MouseButton b, Point from, Point to) {
        chart.MouseDown(b, 0, from.X, from.Y);
        chart.MouseMove(0, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
        chart.MouseMove(0, to.X, to.Y);
        chart.MouseUp(b, 0, to.X, to.Y);
    }
};

TEST_F(MouseChart, ZoomDragsCountOnlyBeyondSixteenPixelsEachWay) {
    struct Case { int dx, dy; bool zoomFirst; bool zoomed; int undos; const char* why; } cases[] = {
        {16, 16, false, false, 0, "16 pixels each way is a click, not a zoom"},
        {17, 16, false, false, 0, "one way short is still no zoom"},
        {16, 17, false, false, 0, "the other way short likewise"},
        {17, 17, false, true, 0, "17 x 17 towards the lower right zooms"},
        {-17, -17, true, false, 1, "towards the upper left undoes the zoom"},
        {17, -17, true, false, 1, "towards the upper right undoes it too"},
        {-17, 17, false, false, 1, "towards the lower left undoes even without a zoom"},
        {-16, -16, true, true, 0, "a short reverse drag leaves the zoom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.UndoZoom();
        chart.Paint(screen);
        undos = zooms = 0;
        const Point p = Inside();
        if (c.zoomFirst) {
            Drag(MouseButton::Left, p, {p.X + 60, p.Y + 60});
            ASSERT_TRUE(chart.Zoomed);
            undos = 0;
        }
        const Point start{p.X + 80, p.Y + 80};
        Drag(MouseButton::Left, start, {start.X + c.dx, start.Y + c.dy});
        EXPECT_EQ(chart.Zoomed, c.zoomed);
        EXPECT_EQ(undos, c.undos);
        EXPECT_EQ(Bottom().Automatic(), !c.zoomed);
        EXPECT_FALSE(chart.Zoom.Active);
    }
}

TEST_F(MouseChart, AZoomShowsTheDraggedRectangle) {
    const Point p = Inside();
    const double x0 = Bottom().PixelToValue(p.X), x1 = Bottom().PixelToValue(p.X + 100);
    const double y0 = Left().PixelToValue(p.Y), y1 = Left().PixelToValue(p.Y + 50);
    Drag(MouseButton::Left, p, {p.X + 100, p.Y + 50});
    EXPECT_TRUE(chart.Zoomed);
    EXPECT_EQ(zooms, 1);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), x0);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), x1);
    EXPECT_DOUBLE_EQ(Left().Minimum(), y1);  // the lower pixel is the smaller value
    EXPECT_DOUBLE_EQ(Left().Maximum(), y0);
    EXPECT_FALSE(Bottom().Automatic());
}

TEST_F(MouseChart, OneUndoReturnsToTheLimitsFromBeforeTheFirstZoom) {
    Left().SetRange(-50, 150);  // fixed limits before any zoom
    chart.Paint(screen);
    Point p = Inside();
    Drag(MouseButton::Left, p, {p.X + 100, p.Y + 100});
    chart.Paint(screen);
    p = Inside();
    Drag(MouseButton::Left, p, {p.X + 40, p.Y + 40});
    EXPECT_FALSE(chart.NothingSaved);
    chart.UndoZoom();
    EXPECT_TRUE(chart.NothingSaved);
    EXPECT_FALSE(chart.Zoomed);
    EXPECT_TRUE(Bottom().Automatic());
    EXPECT_FALSE(Left().Automatic());
    EXPECT_DOUBLE_EQ(Left().Minimum(), -50);
    EXPECT_DOUBLE_EQ(Left().Maximum(), 150);
}

TEST_F(MouseChart, PanningToTheRightLowersTheHorizontalLimitsByTheDraggedDistance) {
    const double min = Bottom().Minimum(), max = Bottom().Maximum();
    const double step = Bottom().PixelToValue(Inside().X) - Bottom().PixelToValue(Inside().X + 30);
    const double vMin = Left().Minimum();
    int scrolls = 0;
    chart.OnScroll = [&](Component*) { ++scrolls; };
    chart.AllowPanning = TPanningMode::pmHorizontal;
    const Point p = Inside();
    chart.MouseDown(MouseButton::Right, 0, p.X, p.Y);
    chart.MouseMove(0, p.X + 30, p.Y + 30);
    chart.MouseUp(MouseButton::Right, 0, p.X + 30, p.Y + 30);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), min + step);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), max + step);
    EXPECT_LT(step, 0);
    EXPECT_DOUBLE_EQ(Left().Minimum(), vMin);  // only horizontal panning allowed
    EXPECT_TRUE(Left().Automatic());
    EXPECT_EQ(scrolls, 1);
    EXPECT_FALSE(chart.Panning.Active);
    chart.UndoZoom();
    EXPECT_TRUE(Bottom().Automatic());
}

TEST_F(MouseChart, PanningStopsOutsideTheChartAndObeysOnAllowScroll) {
    chart.OnAllowScroll = [](TCustomChartAxis* axis, double&, double&, bool& allow) { allow = !axis->Horizontal(); };
    const Point p = Inside();
    chart.MouseDown(MouseButton::Right, 0, p.X, p.Y);
    chart.MouseMove(0, p.X + 10, p.Y + 10);
    EXPECT_TRUE(Bottom().Automatic());  // refused
    EXPECT_FALSE(Left().Automatic());   // allowed
    chart.MouseMove(0, chart.PlotRect.Right + 5, p.Y);
    EXPECT_FALSE(chart.Panning.Active);
}

TEST_F(MouseChart, MouseHandledDecidesWhetherABackgroundPressZooms) {
    struct Case { bool leaveHandled; bool zoomStarts; const char* why; } cases[] = {
        {true, false, "a handler that leaves MouseHandled set keeps the press for itself"},
        {false, true, "one that clears it lets the zoom start"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        int clicks = 0;
        chart.OnClickBackground = [&](TCustomChart* sender, MouseButton, unsigned, int, int) {
            ++clicks;
            sender->MouseHandled = c.leaveHandled;
        };
        const Point p = Inside();
        chart.MouseDown(MouseButton::Left, 0, p.X, p.Y);
        EXPECT_EQ(chart.Zoom.Active, c.zoomStarts);
        EXPECT_EQ(clicks, 1);  // once, not again as a fallback
        EXPECT_FALSE(chart.MouseHandled);
        chart.MouseUp(MouseButton::Left, 0, p.X, p.Y);
    }
    // A handled flag set before the press swallows it whole.
    int clicks = 0;
    chart.OnClickBackground = [&](TCustomChart*, MouseButton, unsigned, int, int) { ++clicks; };
    chart.MouseHandled = true;
    chart.MouseDown(MouseButton::Left, 0, Inside().X, Inside().Y);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(chart.MouseHandled);
    EXPECT_FALSE(chart.Zoom.Active);
}

TEST_F(MouseChart, AnimatedZoomRepaintsTheInBetweenStatesWithACap) {
    struct Case { int steps; int inBetween; const char* why; } cases[] = {
        {8, 7, "eight steps: seven pictures before the final one"},
        {1, 0, "one step jumps"},
        {0, 0, "a zero count from a stored chart jumps too"},
        {1000000, TCustomChart::MaxAnimatedZoomSteps - 1, "a huge count is capped"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.UndoZoom();
        chart.Paint(screen);
        chart.AnimatedZoom = true;
        chart.AnimatedZoomSteps = c.steps;
        drawings = 0;
        const Point p = Inside();
        Drag(MouseButton::Left, p, {p.X + 50, p.Y + 50});
        EXPECT_EQ(drawings, c.inBetween);
        EXPECT_TRUE(chart.Zoomed);
    }
}

TEST_F(MouseChart, ClickedPartTestsSeriesAxesTitlesAndBackgroundInOrder) {
    chart.Title().SetText({"Sales"});
    chart.Paint(screen);
    const Point onPoint{series.PointScreenX(5), series.PointScreenY(5)};
    TChartClickedPart part = chart.ClickedPart(onPoint.X, onPoint.Y);
    EXPECT_EQ(part.Part, TChartClickedPartStyle::cpSeries);
    EXPECT_EQ(part.PointIndex, 5);
    EXPECT_EQ(part.ASeries, &series);

    const TCustomChartAxis& bottom = Bottom();
    part = chart.ClickedPart((bottom.StartPixel + bottom.EndPixel) / 2, bottom.LinePixel + 2);
    EXPECT_EQ(part.Part, TChartClickedPartStyle::cpAxis);
    EXPECT_EQ(part.AAxis, &bottom);

    const PixelRect& t = chart.Title().TitleRect;
    EXPECT_EQ(chart.ClickedPart((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2).Part, TChartClickedPartStyle::cpTitle);
    EXPECT_EQ(chart.ClickedPart(Inside().X, Inside().Y).Part, TChartClickedPartStyle::cpChartRect);
    EXPECT_EQ(chart.ClickedPart(1, 1).Part, TChartClickedPartStyle::cpNone);

    // Without an active series the chart rectangle is no background: it goes on to the (absent) legend.
    series.SetActive(false);
    EXPECT_EQ(chart.ClickedPart(Inside().X, Inside().Y).Part, TChartClickedPartStyle::cpNone);
}

TEST_F(MouseChart, ASeriesClickRunsItsEventsAndAHandledOneStopsTheZoom) {
    std::vector<std::string> log;
    series.OnClick = [&](TChartSeries*, int index, MouseButton, unsigned, int, int) {
        log.push_back("series " + std::to_string(index));
    };
    chart.OnClickSeries = [&](TCustomChart*, TChartSeries*, int index, MouseButton, unsigned, int, int) {
        log.push_back("chart " + std::to_string(index));
    };
    chart.OnClickBackground = [&](TCustomChart*, MouseButton, unsigned, int, int) { log.push_back("background"); };
    chart.MouseDown(MouseButton::Left, 0, series.PointScreenX(3), series.PointScreenY(3));
    EXPECT_EQ(log, (std::vector<std::string>{"series 3", "chart 3"}));
    EXPECT_FALSE(chart.Zoom.Active);

    // A double click with only OnClick assigned runs OnClick.
    log.clear();
    chart.OnClickSeries = nullptr;
    chart.MouseDown(MouseButton::Left, SsDouble, series.PointScreenX(4), series.PointScreenY(4));
    EXPECT_EQ(log, (std::vector<std::string>{"series 4"}));
}

TEST_F(MouseChart, HoverTakesTheCursorOfTheSeriesUnderTheMouse) {
    chart.SetCursor(Cursor::Cross);
    chart.SavedCursor = Cursor::Cross;
    series.SetCursor(int(Cursor::HandPoint));
    chart.MouseMove(0, series.PointScreenX(2), series.PointScreenY(2));
    EXPECT_EQ(chart.GetCursor(), Cursor::HandPoint);
    chart.MouseMove(0, 1, 1);
    EXPECT_EQ(chart.GetCursor(), Cursor::Cross);
}

}  // namespace
}  // namespace fv
