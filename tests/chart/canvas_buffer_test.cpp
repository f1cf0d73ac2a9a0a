// The chart canvas' buffer: where a drawing goes, when the screen is painted from the buffer, and the
// switches that throw the buffer away.
#include <gtest/gtest.h>

#include "canvas_3d_fixture.h"

namespace fv {
namespace {

TEST(CanvasBuffer, ABufferedDrawingGoesToASurfaceTheSizeOfTheChartAndIsCopiedToItsCorner) {
    RecordingCanvas screen;
    TChartCanvas3D canvas;
    PixelRect drawRect;
    canvas.SetupProjection(&screen, nullptr, drawRect, {30, 40, 430, 290}, true);
    EXPECT_EQ(drawRect, (PixelRect{0, 0, 400, 250}));
    ASSERT_TRUE(canvas.BufferBitmap);
    EXPECT_EQ(canvas.BufferBitmap->GetSize(), (Size{400, 250}));
    EXPECT_EQ(canvas.ReferenceCanvas(), &canvas.BufferBitmap->GetCanvas());
    EXPECT_FALSE(canvas.OrthogonalView) << "no options: a flat projection";
    canvas.Line(0, 0, 10, 10);
    EXPECT_TRUE(screen.Calls().empty()) << "nothing reaches the screen while drawing";
    canvas.FinishDrawing(&screen, &screen, {30, 40, 430, 290});
    EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"Surface (30,40) \"400x250\""}));
    EXPECT_FALSE(canvas.BufferDirty);
    EXPECT_EQ(canvas.ReferenceCanvas(), &screen);

    screen.Clear();
    EXPECT_TRUE(canvas.PaintFromBuffer()) << "a second paint copies the buffer";
    EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"Surface (0,0) \"400x250\""}));
    canvas.InvalidateBuffer();
    EXPECT_FALSE(canvas.PaintFromBuffer()) << "after an invalidate the chart is drawn again";
}

TEST(CanvasBuffer, WithoutBufferingTheTargetIsDrawnOnDirectly) {
    RecordingCanvas screen;
    TChartCanvas3D canvas;
    canvas.SetBuffered(false);
    PixelRect drawRect;
    canvas.SetupProjection(&screen, nullptr, drawRect, {30, 40, 430, 290}, true);
    EXPECT_EQ(drawRect, (PixelRect{30, 40, 430, 290}));
    EXPECT_FALSE(canvas.BufferBitmap);
    canvas.Line(0, 0, 10, 10);
    canvas.FinishDrawing(&screen, &screen, drawRect);
    EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"Polyline (0,0) (10,10)"}));
    EXPECT_FALSE(canvas.PaintFromBuffer());
}

TEST(CanvasBuffer, MonochromeAndBufferingSwitchesFreeTheBufferOnlyWhenTheyChange) {
    RecordingCanvas screen;
    TChartCanvas3D canvas;
    int repaints = 0;
    canvas.RepaintOwner = [&] { ++repaints; };
    PixelRect drawRect;
    canvas.SetupProjection(&screen, nullptr, drawRect, {0, 0, 40, 30}, false);
    canvas.FinishDrawing(&screen, &screen, drawRect);
    canvas.SetMonochrome(false);
    EXPECT_TRUE(canvas.BufferBitmap) << "the same value does nothing";
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_FALSE(canvas.BufferBitmap);
    EXPECT_TRUE(canvas.BufferDirty);
    EXPECT_EQ(repaints, 1);

    TChartCanvas3D other;
    other.CopyMonochromeFrom(canvas);
    EXPECT_TRUE(other.GetMonochrome());

    canvas.SetupProjection(&screen, nullptr, drawRect, {0, 0, 40, 30}, false);
    canvas.SetBuffered(false);
    EXPECT_FALSE(canvas.BufferBitmap);
    EXPECT_TRUE(canvas.BufferDirty);
}

TEST(CanvasBuffer, ResetStateAndVisiblePens) {
    Canvas3DFixture f;
    f.Begin();
    f.rec.SetPen({ClRed, 3, PenStyle::Dash, PenMode::NotXor});
    f.canvas.ResetState();
    EXPECT_EQ(f.rec.GetPen(), (Pen{ClBlack, 1, PenStyle::Solid, PenMode::Copy}));
    EXPECT_EQ(f.rec.GetBrush().BrushColor, ClWhite);
    EXPECT_EQ(f.rec.GetFont().Size, 10);
    EXPECT_EQ(f.rec.GetBackMode(), BackMode::Transparent);
    EXPECT_EQ(f.rec.GetBackColor(), ClWhite);

    struct Case { bool visible, smallDots; int width; PenStyle want; };
    const Case cases[] = {{false, false, 1, PenStyle::Clear}, {true, true, 1, PenStyle::SmallDots},
                          {true, true, 2, PenStyle::Dot}, {true, false, 1, PenStyle::Dot}};
    for (const auto& c : cases) {
        TDottedGrayPen pen;
        pen.SetVisible(c.visible);
        pen.SetSmallDots(c.smallDots);
        pen.SetWidth(c.width);
        f.canvas.AssignVisiblePen(pen);
        EXPECT_EQ(f.rec.GetPen().Style, c.want);
        EXPECT_EQ(f.rec.GetPen().PenColor, ClGray);
    }
}

TEST(CanvasBuffer, PenPresetsAndTheirChangeNotification) {
    int changes = 0;
    TChartPen pen([&] { ++changes; });
    pen.SetWidth(1);
    EXPECT_EQ(changes, 0) << "an unchanged value tells no one";
    pen.SetSmallDots(true);
    pen.SetVisible(false);
    EXPECT_EQ(changes, 2);
    TChartAxisPen axis;
    pen.Assign(axis);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(pen.Width(), 2);
    EXPECT_TRUE(pen.Visible());
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_FALSE(TChartHiddenPen().Visible());
    EXPECT_EQ(TDarkGrayPen().GetColor(), ClGray);
    EXPECT_EQ(TChartArrowPen().GetColor(), ClWhite);
    EXPECT_EQ(TDottedGrayPen().Style(), PenStyle::Dot);
}

TEST(CanvasBuffer, ViewOptionsTellTheirOwnerOfChanges) {
    int repaints = 0, zoomTold = 0, scrolls = 0;
    TView3DOptions o([&] { ++repaints; });
    o.OnZoom = [&](int z) { zoomTold = z; EXPECT_EQ(o.Zoom(), 100) << "told before it is stored"; };
    o.OnScroll = [&](bool) { ++scrolls; };
    o.SetZoom(150);
    EXPECT_EQ(zoomTold, 150);
    o.SetHorizOffset(0);
    EXPECT_EQ(scrolls, 1) << "an offset always tells scrolling";
    EXPECT_EQ(repaints, 1);
    o.SetElevation(345);
    EXPECT_EQ(repaints, 1);
    TView3DOptions copy;
    copy.Assign(o);
    EXPECT_EQ(copy.Zoom(), 150);
    EXPECT_EQ(repaints, 1);
}

}  // namespace
}  // namespace fv
