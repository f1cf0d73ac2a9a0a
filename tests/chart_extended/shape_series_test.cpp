// The shape series: the fourteen figures flat, its rectangle from axis values, pixels or an origin and a
// size, figures left out (wrong point count, outside the chart), text placement and contrast, hit tests,
// the depth slot, sample values and the gallery.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/axis_chart.h"
#include "chart/extended/shape_series.h"
#include "chart/plot_panel.h"

namespace fv {
namespace {

// A shape from (0, 0) to (100, 100) on axes 0..100, which the chart puts at (100, 250) and (300, 50).
struct ShapeChart : AxisChart {
    TChartShape shape;
    ShapeChart() {
        shape.SetParentChart(this);
        SetLimits(bottom, 0, 100);
        SetLimits(left, 0, 100);
    }
    ~ShapeChart() override { shape.SetParentChart(nullptr); }
    std::vector<std::string> Draw() {
        rec.Clear();
        shape.FindVisibleRange();
        shape.DrawAllValues();
        return rec.Lines();
    }
};

TEST(Shape, EveryFigureFlat) {
    using L = std::vector<std::string>;
    struct Case {
        TChartShapeStyle style;
        L lines;
    };
    const std::string vert = "Polyline (200,50) (200,250)", horiz = "Polyline (100,150) (300,150)";
    const std::string down = "Polyline (100,50) (300,250)", up = "Polyline (100,250) (300,50)";
    const std::string triangle = "Polygon (100,250) (200,50) (300,250)", inverted = "Polygon (100,50) (200,250) (300,50)";
    const Case cases[] = {
        {chasRectangle, {"Rectangle (100,50) (300,250)"}},
        {chasCircle, {"Ellipse (100,50) (300,250)"}},
        {chasVertLine, {vert}},
        {chasHorizLine, {horiz}},
        {chasTriangle, {triangle}},
        {chasInvertTriangle, {inverted}},
        {chasLine, {down}},
        {chasDiamond, {"Polygon (100,150) (200,50) (300,150) (200,250)"}},
        {chasCube, {"Rectangle (100,50) (300,250)"}},
        {chasCross, {vert, horiz}},
        {chasDiagCross, {down, up}},
        {chasStar, {vert, horiz, down, up}},
        {chasPyramid, {triangle}},
        {chasInvertPyramid, {inverted}},
    };
    ShapeChart c;
    for (const Case& k : cases) {
        c.shape.SetStyle(k.style);
        EXPECT_EQ(c.Draw(), k.lines) << "style " << k.style;
    }
    c.shape.SetStyle(chasRectangle);
    c.shape.SetRoundRectangle(true);
    ASSERT_EQ(c.Draw().size(), 1u);
    EXPECT_EQ(c.rec.Calls()[0].Op, "RoundRect");
}

TEST(Shape, TheFillIsTheBrushInTheSeriesColourOrNone) {
    ShapeChart c;
    c.shape.SetSeriesColor(ClRed);
    EXPECT_EQ(c.shape.Brush.GetColor(), ClRed) << "series colour and brush colour stay equal";
    c.shape.Pen.SetVisible(false);
    c.Draw();
    EXPECT_EQ(c.rec.Calls()[0].State.CanvasBrush.BrushColor, ClRed);
    EXPECT_EQ(c.rec.Calls()[0].State.CanvasPen.Style, PenStyle::Clear);
    c.shape.SetTransparent(true);
    c.Draw();
    EXPECT_EQ(c.rec.Calls()[0].State.CanvasBrush.Style, BrushStyle::Clear);
}

TEST(Shape, OnlyTwoPointsMakeAFigure) {
    ShapeChart c;
    c.shape.DeletePoint(1);
    EXPECT_TRUE(c.Draw().empty()) << "one point";
    c.shape.AddPoint(100, 100);
    c.shape.AddPoint(50, 50);
    EXPECT_TRUE(c.Draw().empty()) << "three points";
}

TEST(Shape, TheRectangleIsNormalised) {
    struct Case {
        double x0, y0, x1, y1;
        PixelRect rect;
        const char* why;
    };
    const Case cases[] = {
        {0, 0, 100, 100, {100, 50, 300, 250}, "corners as given"},
        {100, 100, 0, 0, {100, 50, 300, 250}, "corners the other way round"},
        {0, 100, 100, 0, {100, 50, 300, 250}, "crosswise"},
        {50, 0, 50, 100, {200, 50, 201, 250}, "no width: one pixel"},
        {0, 50, 100, 50, {100, 150, 300, 151}, "no height: one pixel"},
    };
    ShapeChart c;
    for (const Case& k : cases) {
        c.shape.SetX0(k.x0);
        c.shape.SetY0(k.y0);
        c.shape.SetX1(k.x1);
        c.shape.SetY1(k.y1);
        PixelRect r = c.shape.GetShapeRectangle();
        EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}),
                  (std::vector<int>{k.rect.Left, k.rect.Top, k.rect.Right, k.rect.Bottom}))
            << k.why;
    }
}

TEST(Shape, PixelsAndAnOriginWithASize) {
    ShapeChart c;
    c.shape.SetXYStyle(xysPixels);
    c.shape.SetX0(120.9);
    c.shape.SetY0(60);
    c.shape.SetX1(140);
    c.shape.SetY1(90);
    PixelRect r = c.shape.GetShapeRectangle();
    EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}), (std::vector<int>{120, 60, 140, 90}));
    EXPECT_FALSE(c.shape.UsesAxes());
    EXPECT_FALSE(c.shape.UsesAxis(&c.bottom));
    c.shape.SetXYStyle(xysAxisOrigin);
    c.shape.SetX0(50);
    c.shape.SetY0(50);
    c.shape.SetX1(30);  // pixels wide
    c.shape.SetY1(20);  // pixels high
    r = c.shape.GetShapeRectangle();
    EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}), (std::vector<int>{200, 150, 230, 170}));
}

TEST(Shape, ThreeDFiguresStandAtTheSeriesDepths) {
    PlotPanel panel;
    panel.SetView3D(true);
    TChartShape shape;
    panel.AddSeries(shape);
    shape.SetStyle(chasCube);
    RecordingCanvas rec;
    panel.OnBeforeDrawSeries = [&](Component*) { rec.Clear(); };
    panel.Paint(rec);
    EXPECT_EQ(rec.Calls("Polygon").size(), 3u) << "a cube: front, side and top";
    shape.SetStyle(chasRectangle);
    panel.Paint(rec);
    auto faces = rec.Calls("Polygon");
    ASSERT_EQ(faces.size(), 1u);
    PixelRect r = shape.GetShapeRectangle();
    EXPECT_EQ(faces[0].Points[0], panel.Canvas3D().Project(r.Left, r.Top, shape.SlotMiddleDepth));
    EXPECT_NE(shape.SlotMiddleDepth, 0);
    shape.SetParentChart(nullptr);
}

TEST(Shape, APixelShapeTakesNoDepthSlot) {
    struct DeepChart : AxisChart {
        bool Chart3D() const override { return true; }
    } chart;
    TChartShape shape;
    shape.SetParentChart(&chart);
    chart.HighestDepthSlot = 0;
    shape.CalcZOrder();
    EXPECT_EQ(chart.HighestDepthSlot, 1) << "on the axes it takes the next slot";
    shape.SetXYStyle(xysPixels);
    shape.CalcZOrder();
    EXPECT_EQ(chart.HighestDepthSlot, 1);
    EXPECT_FALSE(shape.SharesZOrder());
    shape.SetParentChart(nullptr);
}

TEST(Shape, AFigureOutsideTheChartIsNotDrawnNorItsText) {
    ShapeChart c;
    c.shape.SetText({"away"});
    c.shape.SetX0(150);
    c.shape.SetX1(200);
    EXPECT_TRUE(c.Draw().empty());
    c.shape.SetX0(-50);  // reaching in from the left: drawn, though its first corner is off the axis
    EXPECT_EQ(c.Draw().size(), 2u);
}

TEST(Shape, TextLinesAreCentredOnTheFigureAndKeptVisible) {
    ShapeChart c;
    c.shape.SetStyle(chasRectangle);
    c.shape.SetText({"ab", "abcd"});
    Font f = c.shape.ShapeFont();
    f.FontColor = ClBlack;
    c.shape.SetFont(f);
    c.Draw();
    auto texts = c.rec.Calls("Text");
    ASSERT_EQ(texts.size(), 2u);
    // Two lines of Lh around the middle (150), each centred on x 200.
    EXPECT_EQ(texts[0].Points[0], (Point{200 - 2 * Cw / 2, 150 - Lh}));
    EXPECT_EQ(texts[1].Points[0], (Point{200 - 4 * Cw / 2, 150}));
    EXPECT_EQ(texts[0].State.CanvasFont.FontColor, ClBlack);

    c.shape.SetAlignment(TAlignment::taLeftJustify);
    c.Draw();
    EXPECT_EQ(c.rec.Calls("Text")[0].Points[0].X, 100 + 1 + 4) << "inside the pen and a margin";
    c.shape.SetAlignment(TAlignment::taRightJustify);
    c.Draw();
    EXPECT_EQ(c.rec.Calls("Text")[1].Points[0].X, 300 - 1 - 4 * Cw - 4);

    struct Case {
        Color brush, font, shown;
        const char* why;
    };
    const Case cases[] = {
        {ClWhite, ClWhite, ClBlack, "white on white turns black"},
        {ClBlack, ClBlack, ClWhite, "black on black turns white"},
        {ClRed, ClRed, ClBlack, "any other colour on itself turns black"},
        {ClWhite, ClRed, ClRed, "a colour that shows is kept"},
    };
    for (const Case& k : cases) {
        c.shape.SetSeriesColor(k.brush);
        f.FontColor = k.font;
        c.shape.SetFont(f);
        c.Draw();
        EXPECT_EQ(c.rec.Calls("Text")[0].State.CanvasFont.FontColor, k.shown) << k.why;
    }
}

TEST(Shape, HitTestsFollowTheFigure) {
    struct Case {
        TChartShapeStyle style;
        int x, y;
        bool hit;
        const char* why;
    };
    const Case cases[] = {
        {chasCircle, 200, 150, true, "the ellipse's centre"},
        {chasCircle, 105, 55, false, "a corner of the rectangle is outside the ellipse"},
        {chasRectangle, 105, 55, true, "the same corner is inside the rectangle"},
        {chasCube, 299, 249, true, "other figures: the rectangle"},
        {chasVertLine, 200, 100, true, "on the vertical line"},
        {chasVertLine, 210, 100, false, "beside it"},
        {chasHorizLine, 150, 150, true, "on the horizontal line"},
        {chasLine, 150, 100, true, "on the diagonal"},
        {chasLine, 150, 200, false, "off the diagonal"},
        {chasTriangle, 200, 200, true, "inside the triangle"},
        {chasTriangle, 110, 60, false, "above its left side"},
        {chasPyramid, 110, 60, false, "a pyramid is hit as its triangle"},
        {chasInvertTriangle, 110, 60, true, "the inverted triangle's wide top"},
        {chasInvertPyramid, 200, 245, true, "near its tip"},
        {chasDiamond, 200, 150, true, "the diamond's middle"},
        {chasDiamond, 110, 60, false, "its corner cut off"},
    };
    ShapeChart c;
    for (const Case& k : cases) {
        c.shape.SetStyle(k.style);
        EXPECT_EQ(c.shape.Clicked(k.x, k.y), k.hit ? 0 : -1) << k.why;
    }
    c.shape.DeletePoint(1);
    EXPECT_EQ(c.shape.Clicked(200, 150), -1);
}

TEST(Shape, SampleValuesAndGallery) {
    ShapeChart c;
    TChartSeries other;
    other.SetParentChart(&c);
    other.AddPoint(0, 10);
    other.AddPoint(50, 20);
    c.shape.FillSampleValues(10);
    ASSERT_EQ(c.shape.Count(), 2);
    EXPECT_EQ(c.shape.X0(), 6.25) << "an eighth into the X range 0..50 of the chart's other points";
    EXPECT_EQ(c.shape.X1(), 43.75);
    other.SetParentChart(nullptr);

    // Other points all at -5: the Y range is negative, and the random offset within it is 0.
    other.SetParentChart(&c);
    other.Clear();
    other.AddPoint(0, -5);
    other.AddPoint(50, -5);
    c.shape.FillSampleValues(1);
    EXPECT_EQ(c.shape.Y0(), -2.5);
    EXPECT_EQ(c.shape.Y1(), -5);
    other.SetParentChart(nullptr);

    TChartShape alone;
    alone.FillSampleValues(10);
    EXPECT_EQ(alone.X0(), 0) << "no X range: the default corners";
    EXPECT_EQ(alone.Y1(), 100);

    TChartShape second;
    second.SetParentChart(&c);
    second.PrepareForGallery(true);
    EXPECT_EQ(second.Style(), chasCircle);
    EXPECT_EQ(second.Brush.GetColor(), ClBlue);
    EXPECT_EQ(second.Text(), std::vector<std::string>{"abc"});
    EXPECT_EQ(second.ShapeFont().Size, 14);
    c.shape.PrepareForGallery(false);
    EXPECT_EQ(c.shape.Style(), chasTriangle);
    EXPECT_EQ(c.shape.Brush.GetColor(), ClSilver);
    EXPECT_EQ(c.shape.Text(), std::vector<std::string>{"123"});
    second.SetParentChart(nullptr);
}

TEST(Shape, AssignCopiesTheLook) {
    TChartShape a, b;
    a.SetStyle(chasStar);
    a.SetXYStyle(xysPixels);
    a.SetText({"x"});
    a.SetTransparent(true);
    a.SetSeriesColor(ClLime);
    b.Assign(a);
    EXPECT_EQ(b.Style(), chasStar);
    EXPECT_EQ(b.XYStyle(), xysPixels);
    EXPECT_EQ(b.Text(), std::vector<std::string>{"x"});
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.Brush.GetColor(), ClLime);
    EXPECT_EQ(b.Count(), 2);
}

}  // namespace
}  // namespace fv
