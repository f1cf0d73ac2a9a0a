// The chart: its parts' defaults, walls, series margins, axis names, paging, series order and patterns.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart.h"
#include "chart/chart_units.h"
#include "chart/fast_line.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

struct MarginSeries : TChartSeries {
    using TChartSeries::TChartSeries;
    int left = 0, right = 0, top = 0, bottom = 0;
    void HorizMargins(int& l, int& r) override { l = left, r = right; }
    void VertMargins(int& t, int& b) override { t = top, b = bottom; }
};

TEST(Chart, PartsStartWithTheirOwnDefaults) {
    TChart chart(nullptr);
    EXPECT_EQ(chart.BackWall().Brush().Style(), BrushStyle::Clear);
    EXPECT_EQ(chart.LeftWall().ResolvedColor(), TColor(0x80FFFF));
    EXPECT_FALSE(chart.LeftWall().IsColorStored());
    EXPECT_EQ(chart.BottomWall().ResolvedColor(), ClWhite);
    EXPECT_EQ(chart.Foot().GetFont().FontColor, ClRed);
    EXPECT_EQ(chart.Foot().GetFont().Style, unsigned(FsItalic));
    EXPECT_FALSE(chart.Foot().IsFontStored());
    EXPECT_FALSE(chart.BackImageInside());
    chart.SetBackColor(ClGreen);
    EXPECT_EQ(chart.BackColor(), ClGreen);
    EXPECT_EQ(chart.BackWall().Brush().Style(), BrushStyle::Solid);
    EXPECT_EQ(&chart.Frame(), &chart.BackWall().Pen());
}

TEST(Chart, WallsDrawnFollowView3DWalls) {
    struct Case { bool view3D, walls; int polygons, rectangles; const char* why; } cases[] = {
        {false, true, 0, 1, "flat: the back wall is a rectangle one pixel wider"},
        {true, false, 1, 0, "3D without walls: only the back wall"},
        {true, true, 3, 0, "3D with walls: back, left and bottom faces"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TChart chart(nullptr);
        chart.SetBufferedDisplay(false);
        chart.SetView3D(c.view3D);
        chart.SetView3DWalls(c.walls);
        RecordingCanvas rec;
        chart.Paint(rec);
        rec.Clear();
        chart.Canvas3D().AttachCanvas(&rec);
        chart.DrawWalls();
        EXPECT_EQ(rec.Calls("Polygon").size(), std::size_t(c.polygons));
        ASSERT_EQ(rec.Calls("Rectangle").size(), std::size_t(c.rectangles));
        if (c.rectangles) {
            const PixelRect& r = chart.PlotRect;
            EXPECT_EQ(rec.Calls("Rectangle")[0].Points, (std::vector<Point>{{r.Left, r.Top}, {r.Right + 1, r.Bottom}}));
        }
    }
}

TEST(Chart, OnePictureDrawsTitleWallsAxesSeriesThenTheEndEvent) {
    TChart chart(nullptr);
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    chart.Title().SetText({"Sales"});
    TChartSeries s;
    s.AddPoint(0, 1, "first");
    s.AddPoint(1, 2, "second");
    s.Marks().SetVisible(true);
    chart.AddSeries(s);
    chart.BottomAxis()->SetLabelStyle(TAxisLabelStyle::talValue);  // the labels only on the marks
    RecordingCanvas rec;
    std::vector<std::string> order;
    auto mark = [&](const char* what) { order.push_back(what + std::string(" at ") + std::to_string(rec.Calls().size())); };
    chart.OnBeforeDrawAxes = [&](Component*) { mark("axes"); };
    chart.OnBeforeDrawSeries = [&](Component*) { mark("series"); };
    chart.OnAfterDraw = [&](Component*) { mark("end"); };
    chart.Paint(rec);
    ASSERT_EQ(order.size(), 3u);
    auto at = [&](std::size_t i) { return std::stoul(order[i].substr(order[i].find(" at ") + 4)); };
    auto firstText = [&](const std::string& t) {
        const auto& calls = rec.Calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].Op == "Text" && calls[i].Text == t) return i;
        return calls.size();
    };
    auto backWall = [&]() {
        const PixelRect& r = chart.PlotRect;
        const auto& calls = rec.Calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].Op == "Rectangle" && calls[i].Points == std::vector<Point>{{r.Left, r.Top}, {r.Right + 1, r.Bottom}})
                return i;
        return calls.size();
    };
    EXPECT_LT(firstText("Sales"), backWall());
    EXPECT_LT(backWall(), at(0));
    EXPECT_LT(at(0), firstText("2"));  // a label of the left axis, after OnBeforeDrawAxes
    EXPECT_LT(firstText("2"), at(1));
    EXPECT_LT(at(1), firstText("second"));  // the marks come with the series
    EXPECT_EQ(at(2), rec.Calls().size());   // the end event closes the picture
}

TEST(Chart, ABackImageInsideIsDrawnInTheChartRectangleOnly) {
    for (bool inside : {false, true}) {
        SCOPED_TRACE(inside);
        TChart chart(nullptr);
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        chart.SetBackImage(std::make_shared<const Bitmap>(4, 4));
        chart.SetBackImageInside(inside);
        chart.BackWall().Pen().SetVisible(false);
        RecordingCanvas rec;
        chart.Paint(rec);
        const auto images = rec.Calls("Image");
        ASSERT_EQ(images.size(), 1u);
        const PixelRect& r = chart.PlotRect;
        const std::vector<Point> where = inside ? std::vector<Point>{{r.Left, r.Top}, {r.Right, r.Bottom}}
                                                : std::vector<Point>{{0, 0}, {400, 250}};
        EXPECT_EQ(images[0].Points, where);
    }
}

TEST(Chart, WallSizesCountOnlyIn3DWithWalls) {
    TChart chart(nullptr);
    chart.LeftWall().SetSize(5);
    chart.BottomWall().SetSize(7);
    EXPECT_EQ(chart.WallSizeOfAxis(TAxisSide::Left), 5);
    EXPECT_EQ(chart.WallSizeOfAxis(TAxisSide::Bottom), 7);
    EXPECT_EQ(chart.WallSizeOfAxis(TAxisSide::Right), 0);
    chart.SetView3DWalls(false);
    EXPECT_EQ(chart.WallSizeOfAxis(TAxisSide::Left), 0);
    chart.SetView3DWalls(true);
    chart.SetView3D(false);
    EXPECT_EQ(chart.WallSizeOfAxis(TAxisSide::Bottom), 0);
}

TEST(Chart, SeriesMarginsWidenOnlyAutomaticEnds) {
    TChart chart(nullptr);
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    MarginSeries wide, narrow;
    for (int i = 0; i <= 10; ++i) wide.AddPoint(i, i), narrow.AddPoint(i, i);
    wide.left = 20, wide.right = 4, narrow.left = 5, narrow.right = 30;
    chart.AddSeries(wide);
    chart.AddSeries(narrow);
    RecordingCanvas rec;
    chart.Paint(rec);
    // The largest margin of each end: 20 pixels left, 30 right, so the limits widen beyond 0 and 10.
    TCustomChartAxis& bottom = *chart.BottomAxis();
    EXPECT_EQ(bottom.ValueToPixel(0), bottom.StartPixel + 20);
    EXPECT_EQ(bottom.ValueToPixel(10), bottom.EndPixel - 30);
    // A fixed minimum takes no margin.
    bottom.SetAutomaticMinimum(false);
    bottom.SetMinimum(0);
    chart.Paint(rec);
    EXPECT_EQ(bottom.ValueToPixel(0), bottom.StartPixel);
}

// A vertical axis runs from the top down: the room a series asks for above its points goes at the top.
TEST(Chart, VerticalSeriesMarginsGoToTheirOwnEnds) {
    struct Case { int top, bottom; bool autoMax; int expectTop, expectBottom; const char* why; } cases[] = {
        {34, 0, true, 34, 0, "marks above the bars: room at the top only"},
        {0, 12, true, 0, 12, "room below the lowest point goes at the bottom"},
        {34, 12, false, 0, 12, "a fixed maximum takes no top margin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TChart chart(nullptr);
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        MarginSeries s;
        for (int i = 1; i <= 5; ++i) s.AddPoint(i, 10 * i);  // 10..50
        s.top = c.top, s.bottom = c.bottom;
        chart.AddSeries(s);
        TCustomChartAxis& left = *chart.LeftAxis();
        if (!c.autoMax) {
            left.SetAutomaticMaximum(false);
            left.SetMaximum(50);
        }
        RecordingCanvas rec;
        chart.Paint(rec);
        EXPECT_EQ(left.ValueToPixel(50), left.StartPixel + c.expectTop);
        EXPECT_EQ(left.ValueToPixel(10), left.EndPixel - c.expectBottom);
    }
}

// The depth axis stands at the chart rectangle's right edge: its labels are drawn beyond its ticks there,
// not at the picture's left edge.
TEST(Chart, DepthAxisLabelsStandRightOfTheChartRectangle) {
    TChart chart(nullptr);
    chart.SetBufferedDisplay(false);
    chart.SetView3D(true);
    chart.Legend().SetVisible(false);
    chart.DepthAxis().SetVisible(true);
    MarginSeries s;
    s.SetTitle("Depth1");
    for (int i = 1; i <= 5; ++i) s.AddPoint(i, i);
    chart.AddSeries(s);
    RecordingCanvas rec;
    chart.Paint(rec);
    TCustomChartAxis& depth = chart.DepthAxis();
    EXPECT_EQ(depth.LabelsPixel, chart.PlotRect.Right + depth.OuterTicksSize());
    int drawn = 0;
    for (const CanvasCall& call : rec.Calls("Text")) {
        if (call.Text != "Depth1") continue;
        ++drawn;
        EXPECT_GE(call.Points[0].X, chart.PlotRect.Right) << "the label is drawn at the depth axis";
    }
    EXPECT_EQ(drawn, 1);
}

// Series never draw over the title or the legend: a moved or rotated 3D view keeps its series inside the
// chart area those leave, with or without ClipPoints; a flat chart without ClipPoints is not clipped.
TEST(Chart, SeriesStayInsideTheChartAreaInMovedAndRotatedViews) {
    struct Case { bool view3D, orthogonal; int vertOffset; bool clipPoints; bool clipped; const char* why; } cases[] = {
        {true, true, -150, true, true, "moved up over the title: the cube's outline is cut at the chart area"},
        {true, false, 0, false, true, "rotated without ClipPoints (a surface): kept inside the chart area"},
        {true, true, -150, false, true, "moved without ClipPoints: kept inside the chart area"},
        {true, true, 0, false, false, "a plain orthogonal view without ClipPoints is laid out inside"},
        {false, true, 0, false, false, "a flat chart without ClipPoints is not clipped"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TChart chart(nullptr);
        chart.SetBufferedDisplay(false);
        chart.SetView3D(c.view3D);
        chart.View3DOptions().SetOrthogonal(c.orthogonal);
        chart.View3DOptions().SetVertOffset(c.vertOffset);
        chart.SetClipPoints(c.clipPoints);
        chart.Title().SetText({"Title"});
        chart.Legend().SetVisible(false);  // its symbol is a red line too
        TFastLineSeries line;
        line.SetSeriesColor(ClRed);
        for (int i = 0; i < 5; ++i) line.AddPoint(i, i * i);
        chart.AddSeries(line);
        RecordingCanvas rec;
        chart.Paint(rec);
        const PixelRect area = chart.ChartAreaRect;
        // The title stands above the chart area.
        std::vector<CanvasCall> texts = rec.Calls("Text");
        auto title = std::find_if(texts.begin(), texts.end(), [](const CanvasCall& t) { return t.Text == "Title"; });
        ASSERT_NE(title, texts.end());
        EXPECT_LT(title->Points[0].Y, area.Top);
        // The clip in force while the series draws.
        const CanvasCall* clip = nullptr;
        bool drew = false;
        for (const CanvasCall& call : rec.Calls()) {
            if (call.Op == "Clip") clip = &call;
            if (call.Op == "Unclip") clip = nullptr;
            if (call.Op == "Polyline" && call.State.CanvasPen.PenColor == ClRed) {
                drew = true;
                break;
            }
        }
        ASSERT_TRUE(drew);
        ASSERT_EQ(clip != nullptr, c.clipped);
        if (!clip) continue;
        for (const Point& p : clip->Points) {
            EXPECT_GE(p.X, area.Left);
            EXPECT_LE(p.X, area.Right);
            EXPECT_GE(p.Y, area.Top) << "nothing of the series reaches the title";
            EXPECT_LE(p.Y, area.Bottom);
        }
    }
}

// A series fed by another series learns the names of the source's value lists, in the source's order.
TEST(Chart, ForEachSourceValueNameListsTheSourcesValueLists) {
    struct ThreeLists : TChartSeries {
        ThreeLists() { new TChartValueList(this, "Open"); }
    };
    TChart chart(nullptr);
    ThreeLists source;
    TChartSeries fed, alone;
    for (TChartSeries* s : {static_cast<TChartSeries*>(&source), &fed, &alone}) chart.AddSeries(*s);
    fed.SetDataSource(&source);
    std::vector<std::string> names;
    chart.ForEachSourceValueName(fed, [&](const std::string& name) { names.push_back(name); });
    EXPECT_EQ(names, (std::vector<std::string>{"X", "Y", "Open"}));
    names.clear();
    chart.ForEachSourceValueName(alone, [&](const std::string& name) { names.push_back(name); });
    EXPECT_TRUE(names.empty()) << "no source series: no call";
    fed.SetDataSource(nullptr);
}

TEST(Chart, AxisDisplayNames) {
    TChart chart(nullptr);
    EXPECT_EQ(chart.AxisDisplayName(*chart.LeftAxis()), "Left Axis");
    EXPECT_EQ(chart.AxisDisplayName(*chart.RightAxis()), "Right Axis");
    EXPECT_EQ(chart.AxisDisplayName(*chart.TopAxis()), "Top Axis");
    EXPECT_EQ(chart.AxisDisplayName(*chart.BottomAxis()), "Bottom Axis");
    EXPECT_EQ(chart.AxisDisplayName(chart.DepthAxis()), "Depth Axis");
    chart.LeftAxis()->Title.SetCaption("Price");
    EXPECT_EQ(chart.AxisDisplayName(*chart.LeftAxis()), "Price");
}

TEST(Chart, PatternsRepeatEverySixIndexes) {
    const BrushStyle order[] = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::FDiagonal,
                                BrushStyle::BDiagonal, BrushStyle::Cross, BrushStyle::DiagCross};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(TCustomChart::PatternForIndex(i), order[i % 6]) << i;
    EXPECT_EQ(TCustomChart::PatternForIndex(-1), BrushStyle::DiagCross);  // never out of the table
}

TEST(Chart, PagesStepWithinThePageCount) {
    TChart chart(nullptr);
    TChartSeries s;
    for (int i = 0; i < 25; ++i) s.AddPoint(i, i);
    chart.AddSeries(s);
    chart.NextPage();
    EXPECT_EQ(chart.Page(), 1);  // no paging
    chart.SetMaxPointsPerPage(10);
    chart.NextPage();
    chart.NextPage();
    chart.NextPage();
    EXPECT_EQ(chart.Page(), 3);
    chart.PreviousPage();
    chart.PreviousPage();
    chart.PreviousPage();
    EXPECT_EQ(chart.Page(), 1);
}

TEST(Chart, ExchangeSeriesSwapsDrawingAndOwnerOrder) {
    Component owner;
    TChart chart(nullptr);
    auto* a = owner.Make<TChartSeries>("A");
    auto* b = owner.Make<TChartSeries>("B");
    auto* c = owner.Make<TChartSeries>("C");
    for (TChartSeries* s : {a, b, c}) chart.AddSeries(*s);
    chart.ExchangeSeries(0, 2);
    EXPECT_EQ(chart.GetSeries(0), c);
    EXPECT_EQ(chart.GetSeries(2), a);
    EXPECT_EQ(owner.Components(), (std::vector<Component*>{c, b, a}));
    EXPECT_EQ(chart.FirstActiveSeries(), c);
    c->SetActive(false);
    EXPECT_EQ(chart.FirstActiveSeries(), b);
    for (TChartSeries* s : {a, b, c}) chart.RemoveSeries(*s);
}

TEST(Chart, AssignCopiesTheChartsPartsAndThePanels) {
    TChart from(nullptr), to(nullptr);
    from.Title().SetText({"Title"});
    from.Foot().SetText({"Foot"});
    from.SetBackColor(ClAqua);
    from.LeftWall().SetSize(4);
    from.BottomWall().SetColor(ClGreen);
    from.SetBackImageInside(true);
    from.SetAxisVisible(false);
    to.Assign(from);
    EXPECT_EQ(to.Title().Text(), std::vector<std::string>{"Title"});
    EXPECT_EQ(to.Foot().Text(), std::vector<std::string>{"Foot"});
    EXPECT_EQ(to.BackColor(), ClAqua);
    EXPECT_EQ(to.BackWall().Brush().Style(), BrushStyle::Solid);
    EXPECT_EQ(to.LeftWall().Size(), 4);
    EXPECT_EQ(to.BottomWall().GetColor(), ClGreen);
    EXPECT_TRUE(to.BackImageInside());
    EXPECT_FALSE(to.AxisVisible());
}

TEST(Chart, FreeColoursAvoidTheBackground) {
    TChart chart(nullptr);
    chart.SetBackColor(PaletteColor(0));
    EXPECT_FALSE(chart.IsFreeSeriesColor(PaletteColor(0), true));
    EXPECT_TRUE(chart.IsFreeSeriesColor(PaletteColor(0), false));
    TChartSeries s;
    chart.AddSeries(s);
    EXPECT_EQ(s.SeriesColor(), PaletteColor(1));
}

}  // namespace
}  // namespace fv
