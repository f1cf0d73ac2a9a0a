// The chart panel: layout of the chart rectangle, painting from the buffer, background, bevels, zoom
// rectangle and the checks of its settings.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "chart/chart_panel.h"
#include "platform/gfx/recording_canvas.h"
#include "platform/ui/bevel.h"

namespace fv {
namespace {

// A 3D drawing panel that counts its drawings.
struct CountingPanel : TDraw3D {
    CountingPanel() : TDraw3D(nullptr) { OnPaint = [this](Component*, const PixelRect&) { ++drawings; }; }
    int drawings = 0;
};

PixelRect Layout(CountingPanel& p) {
    RecordingCanvas rec;
    p.SetBufferedDisplay(false);
    p.DrawToCanvas(rec, p.ChartBounds());
    return p.PlotRect;
}

TEST(ChartPanel, TheDefaultChartRectangleOfA400By250PanelLeavesTheMargins) {
    CountingPanel p;
    EXPECT_EQ(p.Width(), 400);
    EXPECT_EQ(p.Height(), 250);
    EXPECT_EQ(Layout(p), (PixelRect{12, 10, 388, 240}));
    EXPECT_EQ(p.PlotWidth, 376);
    EXPECT_EQ(p.PlotHeight, 230);
    EXPECT_EQ(p.PlotXCenter, 200);
    EXPECT_EQ(p.PlotYCenter, 125);
}

TEST(ChartPanel, MarginsThatMeetOrCrossGiveOnePixelOrTheWholeWidth) {
    struct Case { int left, top, right, bottom, border; PixelRect want; const char* why; };
    const Case cases[] = {
        {3, 4, 3, 4, 5, {17, 15, 383, 235}, "the border comes off each side"},
        {60, 4, 60, 4, 0, {240, 10, 241, 240}, "crossed margins leave one pixel"},
        {50, 50, 50, 50, 0, {200, 125, 600, 375}, "meeting edges take the control's size"},
        {0, 0, 0, 0, 0, {0, 0, 400, 250}, "no margins"},
    };
    for (const auto& c : cases) {
        CountingPanel p;
        p.SetMarginLeft(c.left);
        p.SetMarginTop(c.top);
        p.SetMarginRight(c.right);
        p.SetMarginBottom(c.bottom);
        p.BorderWidth = c.border;
        EXPECT_EQ(Layout(p), c.want) << c.why;
    }
}

// A border or margin read from a file can be anything; the layout must not wrap around.
TEST(ChartPanel, HugeBordersAndMarginsSaturateInsteadOfWrapping) {
    CountingPanel p;
    p.BorderWidth = INT_MAX;
    p.SetMarginLeft(INT_MAX);
    PixelRect r = Layout(p);
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(p.PlotWidth, 0);
    EXPECT_GE(p.PlotHeight, 0);
}

TEST(ChartPanel, TheDepthPercentStaysWithinOneToAHundred) {
    struct Case { int v; bool ok; };
    const Case cases[] = {{0, false}, {101, false}, {-5, false}, {1, true}, {100, true}, {40, true}};
    for (const auto& c : cases) {
        CountingPanel p;
        if (c.ok) {
            p.SetChart3DPercent(c.v);
            EXPECT_EQ(p.Chart3DPercent(), c.v);
        } else {
            try {
                p.SetChart3DPercent(c.v);
                ADD_FAILURE() << c.v << " was taken";
            } catch (const ChartException& e) {
                EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
            }
            EXPECT_EQ(p.Chart3DPercent(), 15);
        }
    }
}

TEST(ChartPanel, AnglesOutsideACircleAreRefusedWithTheirName) {
    EXPECT_NO_THROW(CheckAngleRange(0, "Labels"));
    EXPECT_NO_THROW(CheckAngleRange(359, "Labels"));
    for (int bad : {-1, 360, 450}) {
        try {
            CheckAngleRange(bad, "Title");
            ADD_FAILURE() << bad;
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Title Angle must be between 0 and 359 degrees");
        }
    }
}

TEST(ChartPanel, PaintingCopiesTheBufferUntilSomethingChanges) {
    CountingPanel p;
    RecordingCanvas screen;
    p.Paint(screen);
    p.Paint(screen);
    EXPECT_EQ(p.drawings, 1) << "the second paint copies the buffer";
    EXPECT_EQ(screen.Calls("Surface").size(), 2u);
    p.SetView3D(false);
    p.Paint(screen);
    EXPECT_EQ(p.drawings, 2) << "a changed setting invalidates";
    p.SetView3D(false);
    p.Paint(screen);
    EXPECT_EQ(p.drawings, 2) << "an unchanged one does not";

    p.SetBounds(0, 0, 300, 200);
    EXPECT_FALSE(p.Canvas3D().BufferBitmap) << "a resize frees the old buffer";
    p.Paint(screen);
    EXPECT_EQ(p.drawings, 3);
    EXPECT_EQ(p.Canvas3D().BufferBitmap->GetSize(), (Size{300, 200}));

    p.Printing = true;
    screen.Clear();
    p.Invalidate();
    p.Paint(screen);
    EXPECT_EQ(p.drawings, 3) << "no paint while printing";
    EXPECT_TRUE(screen.Calls().empty());
}

TEST(ChartPanel, TheZoomRectangleIsDrawnInNotXorSoThatASecondDrawingErasesIt) {
    struct Case { TColor panel; TColor pen; };
    const Case cases[] = {{ClBtnFace, RGB(212, 208, 200)}, {ClWhite, ClBlack}, {ClRed, ClRed}};
    for (const auto& c : cases) {
        CountingPanel p;
        p.SetColor(c.panel);
        RecordingCanvas rec;
        p.Canvas3D().AttachCanvas(&rec);
        p.Zoom.Activate(10, 20);
        p.Zoom.X1 = 110;
        p.Zoom.Y1 = 70;
        p.DrawZoomRectangle();
        p.DrawZoomRectangle();
        auto rects = rec.Calls("Rectangle");
        ASSERT_EQ(rects.size(), 2u);
        for (const auto& r : rects) {
            EXPECT_EQ(r.ToString(), "Rectangle (10,20) (110,70)");
            EXPECT_EQ(r.State.CanvasPen, (Pen{c.pen, 1, PenStyle::Solid, PenMode::NotXor}));
            EXPECT_EQ(r.State.CanvasBrush.Style, BrushStyle::Clear);
        }
    }
}

TEST(ChartPanel, ADragRecordNormalisesItsCorners) {
    TZoomPanningRecord z;
    z.Activate(50, 60);
    EXPECT_TRUE(z.Active);
    z.X1 = 10;
    z.Y1 = 80;
    z.Normalize();
    EXPECT_EQ(z.X0, 10);
    EXPECT_EQ(z.X1, 50);
    EXPECT_EQ(z.Y0, 60);
    EXPECT_EQ(z.Y1, 80);
}

TEST(ChartPanel, TheGradientPutsTheStartAndEndColoursWhereItsDirectionSays) {
    // Which colour the panel hands GradientFill first (which paints it at the bottom, right, outside or
    // starting corner).
    struct Case { TGradientDirection d; TColor firstPainted; };
    const Case cases[] = {
        {TGradientDirection::gdTopBottom, ClWhite},     {TGradientDirection::gdBottomTop, ClYellow},
        {TGradientDirection::gdLeftRight, ClWhite},     {TGradientDirection::gdRightLeft, ClYellow},
        {TGradientDirection::gdFromCenter, ClYellow},   {TGradientDirection::gdFromTopLeft, ClYellow},
        {TGradientDirection::gdFromBottomLeft, ClYellow},
    };
    for (const auto& c : cases) {
        CountingPanel p;
        p.Gradient().SetVisible(true);
        p.Gradient().SetDirection(c.d);
        RecordingCanvas rec;
        p.SetBufferedDisplay(false);
        p.DrawToCanvas(rec, p.ChartBounds());
        auto fills = rec.Calls("FillRect");
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0].State.CanvasBrush.BrushColor, c.firstPainted) << int(c.d);
    }
    CountingPanel plain;
    RecordingCanvas rec;
    plain.SetBufferedDisplay(false);
    plain.DrawToCanvas(rec, plain.ChartBounds());
    ASSERT_EQ(rec.Calls("FillRect").size(), 1u) << "without a gradient: one fill of the panel colour";
    EXPECT_EQ(rec.Calls("FillRect")[0].ToString(), "FillRect (0,0) (400,250)");
    EXPECT_EQ(rec.Calls("FillRect")[0].State.CanvasBrush.BrushColor, ClBtnFace);
}

TEST(ChartPanel, BevelsAreLitOnTheTopLeftWhenRaisedAndOnTheBottomRightWhenLowered) {
    struct Case { BevelKind outer, inner; int border; std::vector<TColor> penColors; BorderStyle line = BorderStyle::None; };
    const Case cases[] = {
        {BevelKind::Raised, BevelKind::None, 0, {ClBtnHighlight, ClBtnShadow}},
        {BevelKind::Lowered, BevelKind::None, 0, {ClBtnShadow, ClBtnHighlight}},
        {BevelKind::None, BevelKind::None, 0, {}},
        {BevelKind::Raised, BevelKind::Lowered, 1, {ClBtnHighlight, ClBtnShadow, ClBtnFace, ClBtnFace, ClBtnShadow, ClBtnHighlight}},
        // A single border: a black line around everything, the bevels inside it.
        {BevelKind::Raised, BevelKind::None, 0, {ClBlack, ClBlack, ClBtnHighlight, ClBtnShadow}, BorderStyle::Single},
    };
    for (const auto& c : cases) {
        CountingPanel p;
        p.BevelOuter = c.outer;
        p.BevelInner = c.inner;
        p.BorderWidth = c.border;
        p.SetBorderStyle(c.line);
        RecordingCanvas rec;
        p.SetBufferedDisplay(false);
        p.DrawToCanvas(rec, p.ChartBounds());
        auto lines = rec.Calls("Polyline");
        std::vector<TColor> colors;
        for (const auto& l : lines) colors.push_back(l.State.CanvasPen.PenColor);
        EXPECT_EQ(colors, c.penColors);
        if (c.inner != BevelKind::None) {
            EXPECT_EQ(lines[4].Points[1], (Point{2, 2})) << "the inner bevel lies inside the border";
        }
        if (c.line == BorderStyle::Single) {
            EXPECT_EQ(lines[0].Points[1], (Point{0, 0}));
            EXPECT_EQ(lines[2].Points[1], (Point{1, 1})) << "the bevel lies inside the border line";
        }
    }
}

TEST(ChartPanel, ABevelWidthFromAFileDrawsNoMoreRingsThanThePanelHas) {
    CountingPanel p;
    p.BevelWidth = 1 << 30;
    p.BevelInner = BevelKind::Raised;
    RecordingCanvas rec;
    p.SetBufferedDisplay(false);
    p.DrawToCanvas(rec, p.ChartBounds());
    EXPECT_EQ(rec.Calls("Polyline").size(), 250u) << "125 rings fill a 250 pixel high panel";
}

// The calls of a back image of the given size and mode drawn into `rect`.
std::vector<CanvasCall> BackImageCalls(int w, int h, TChartBackImageMode mode, PixelRect rect) {
    CountingPanel p;
    p.SetBackImage(std::make_shared<Bitmap>(w, h));
    p.SetBackImageMode(mode);
    RecordingCanvas rec;
    p.Canvas3D().AttachCanvas(&rec);
    p.DrawBackImage(rect);
    return rec.Calls();
}

std::vector<std::string> LinesOf(const std::vector<CanvasCall>& calls) {
    std::vector<std::string> lines;
    for (const auto& c : calls) lines.push_back(c.ToString());
    return lines;
}

TEST(ChartPanel, BackImagesStretchTileOrCentreInsideTheirClip) {
    EXPECT_EQ(LinesOf(BackImageCalls(150, 100, TChartBackImageMode::pbmStretch, {10, 20, 110, 70})),
              (std::vector<std::string>{"Image (10,20) (110,70) \"150x100\""}));
    EXPECT_EQ(LinesOf(BackImageCalls(150, 100, TChartBackImageMode::pbmCenter, {10, 20, 110, 70})),
              (std::vector<std::string>{"Clip (10,20) (110,20) (110,70) (10,70)", "FillRect (10,20) (110,70)",
                                        "Image (-15,-5) (135,95) \"150x100\"", "Unclip"}))
        << "a larger picture is centred at negative offsets, inside the clip";
    std::vector<CanvasCall> tiles;
    for (const auto& c : BackImageCalls(40, 30, TChartBackImageMode::pbmTile, {0, 0, 100, 50}))
        if (c.Op == "Image") tiles.push_back(c);
    ASSERT_EQ(tiles.size(), 6u) << "three columns of two rows";
    EXPECT_EQ(tiles.back().Points[0], (Point{80, 30}));
    EXPECT_TRUE(BackImageCalls(0, 30, TChartBackImageMode::pbmTile, {0, 0, 100, 50}).empty())
        << "a picture without width is nothing to tile";
}

TEST(ChartPanel, AHatchInTheColourOfItsBackgroundTurnsBlackOrWhite) {
    struct Case { TColor color; BrushStyle style; TColor back; TColor want; BackMode mode; };
    const Case cases[] = {
        {ClRed, BrushStyle::Cross, ClRed, ClBlack, BackMode::Opaque},
        {ClBlack, BrushStyle::Cross, ClBlack, ClWhite, BackMode::Opaque},
        {ClRed, BrushStyle::Cross, ClBlue, ClRed, BackMode::Opaque},
        {ClRed, BrushStyle::Solid, ClRed, ClRed, BackMode::Transparent},
    };
    for (const auto& c : cases) {
        CountingPanel p;
        RecordingCanvas rec;
        rec.SetBackMode(c.mode == BackMode::Opaque ? BackMode::Transparent : BackMode::Opaque);
        p.Canvas3D().AttachCanvas(&rec);
        p.PrepareBrush(c.color, c.style, c.back);
        EXPECT_EQ(rec.GetBrush().BrushColor, c.want);
        EXPECT_EQ(rec.GetBackMode(), c.mode);
    }
}

TEST(ChartPanel, PrintingRulesForClipsAndPens) {
    CountingPanel p;
    EXPECT_TRUE(p.CanClip());
    p.Printing = true;
    EXPECT_TRUE(p.CanClip());
    Pen dotted{ClBlack, 1, PenStyle::Dot, PenMode::Copy}, solid{ClBlack, 1, PenStyle::Solid, PenMode::Copy};
    p.AdjustPenForPrinting(dotted);
    p.AdjustPenForPrinting(solid);
    EXPECT_EQ(dotted.Width, 0);
    EXPECT_EQ(solid.Width, 1);
    p.Printing = false;
    p.AdjustPenForPrinting(solid);
    Pen dashed{ClBlack, 1, PenStyle::Dash, PenMode::Copy};
    p.AdjustPenForPrinting(dashed);
    EXPECT_EQ(dashed.Width, 1);
}

TEST(ChartPanel, ADrawingPanelPaintsBackgroundThenItsEventThenTheZoomRectangle) {
    CountingPanel p;
    std::vector<std::string> order;
    p.OnPaint = [&](Component* sender, const PixelRect& r) {
        EXPECT_EQ(sender, &p);
        EXPECT_EQ(r, (PixelRect{0, 0, 400, 250}));
        order.push_back("paint");
    };
    p.OnAfterDraw = [&](Component*) { order.push_back("after"); };
    p.Zoom.Activate(5, 5);
    RecordingCanvas rec;
    p.SetBufferedDisplay(false);
    p.DrawToCanvas(rec, p.ChartBounds());
    EXPECT_EQ(order, (std::vector<std::string>{"paint", "after"}));
    EXPECT_EQ(rec.Calls().front().Op, "FillRect");
    EXPECT_EQ(rec.Calls().back().Op, "Rectangle") << "the zoom rectangle comes last";
    EXPECT_EQ(p.Canvas3D().CenterX, 200);
    EXPECT_EQ(rec.GetPen().Mode, PenMode::Copy) << "the state is reset after the event";

    bool undone = false;
    p.OnUndoZoom = [&](Component*) { undone = true; };
    p.Zoomed = true;
    p.UndoZoom();
    EXPECT_TRUE(undone);
    EXPECT_FALSE(p.Zoomed);
}

TEST(ChartPanel, AssignCopiesTheSettings) {
    CountingPanel a, b;
    a.SetMarginLeft(9);
    a.SetChart3DPercent(40);
    a.View3DOptions().SetZoom(70);
    a.Gradient().SetVisible(true);
    a.AllowZoom = false;
    a.SetMonochrome(true);
    b.Assign(a);
    EXPECT_EQ(b.MarginLeft(), 9);
    EXPECT_EQ(b.Chart3DPercent(), 40);
    EXPECT_EQ(b.View3DOptions().Zoom(), 70);
    EXPECT_TRUE(b.Gradient().Visible());
    EXPECT_FALSE(b.AllowZoom);
    EXPECT_TRUE(b.Monochrome());
}

}  // namespace
}  // namespace fv
