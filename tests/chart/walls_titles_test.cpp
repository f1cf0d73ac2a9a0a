// Titles: their layout in the chart rectangle, frame and fill; walls and titles as a form stream keeps them.
#include <gtest/gtest.h>

#include "chart/walls_titles.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

// A panel whose chart rectangle is set by hand, drawing on a recording canvas with 3D off as the chart
// does for its titles.
struct TitleFixture : TDraw3D {
    TitleFixture() : TDraw3D(nullptr) {
        Canvas3D().SetBuffered(false);
        PixelRect draw;
        Canvas3D().SetupProjection(&rec, &View3DOptions(), draw, ChartBounds(), false);
        DrawRect = draw;
        PlotRect = {12, 10, 388, 240};
        UpdatePlotSize();
    }
    RecordingCanvas rec;
    int repaints = 0;
    void Invalidate() override { ++repaints; TDraw3D::Invalidate(); }
};

// The default font: 8 points are 11 pixels a line and 6 a character on the recording canvas.
constexpr int Lh = 11, Cw = 6;

TEST(Titles, AnEmptyVisibleTitleStillTakesFivePixels) {
    TitleFixture f;
    TChartTitle title(&f);
    title.DrawTitle(true);
    EXPECT_EQ(f.PlotRect.Top, 15);
    EXPECT_EQ(f.PlotHeight, 225);
    EXPECT_TRUE(f.rec.Calls("Text").empty());
}

TEST(Titles, ATwoLineTitleTakesTwoLineHeightsAndFivePixelsAndIsCentred) {
    TitleFixture f;
    TChartTitle title(&f);
    title.SetText({"Sales", "2026"});
    title.DrawTitle(true);
    EXPECT_EQ(f.PlotRect.Top, 10 + 2 * Lh + 5);
    EXPECT_EQ(f.rec.Lines(), (std::vector<std::string>{"Text (185,10) \"Sales\"", "Text (188,21) \"2026\""}));
    EXPECT_EQ(f.rec.Calls("Text")[0].State.CanvasFont.FontColor, ClBlue);
    EXPECT_EQ(f.rec.Calls("Text")[0].State.Background, BackMode::Transparent);
    EXPECT_EQ(title.TitleRect, (PixelRect{12, 10, 388, 32}));
    EXPECT_TRUE(TitleContains(title, 200, 20));
    EXPECT_FALSE(TitleContains(title, 200, 40));
    title.SetVisible(false);
    EXPECT_FALSE(TitleContains(title, 200, 20));
}

TEST(Titles, AFootIsLaidUpFromTheBottomLastLineFirst) {
    TitleFixture f;
    TChartTitle foot(&f);
    foot.SetText({"one", "two"});
    foot.SetAlignment(TAlignment::taRightJustify);
    foot.DrawTitle(false);
    // Right-aligned: the right edge less the text width less half a "W".
    EXPECT_EQ(f.rec.Lines(), (std::vector<std::string>{"Text (367,229) \"two\"", "Text (367,218) \"one\""}));
    EXPECT_EQ(f.PlotRect.Bottom, 240 - 2 * Lh - 5);
}

TEST(Titles, AFrameFitsTheTextUnlessAdjustFrameIsOff) {
    struct Case { TAlignment align; bool adjust; PixelRect frame; int textX; };
    const Case cases[] = {
        // Frame width 2; "Hello" is 30 wide, "W" 6: a frame 36 wide.
        {TAlignment::taCenter, true, {182, 10, 218, 25}, 185},
        {TAlignment::taLeftJustify, true, {12, 10, 48, 25}, 17},
        {TAlignment::taRightJustify, true, {352, 10, 388, 25}, 353},
        {TAlignment::taCenter, false, {12, 10, 388, 25}, 185},
    };
    for (const auto& c : cases) {
        TitleFixture f;
        TChartTitle title(&f);
        title.SetText({"Hello"});
        title.Frame().SetVisible(true);
        title.Frame().SetWidth(2);
        title.SetAlignment(c.align);
        title.SetAdjustFrame(c.adjust);
        title.DrawTitle(true);
        auto rects = f.rec.Calls("Rectangle");
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].Points[0], (Point{c.frame.Left, c.frame.Top}));
        EXPECT_EQ(rects[0].Points[1], (Point{c.frame.Right, c.frame.Bottom}));
        EXPECT_EQ(rects[0].State.CanvasPen.Width, 2);
        EXPECT_EQ(rects[0].State.CanvasBrush.Style, BrushStyle::Clear);
        EXPECT_EQ(f.rec.Calls("Text")[0].Points[0], (Point{c.textX, 12}));
        EXPECT_EQ(f.PlotRect.Top, 10 + 2 + Lh + 2 + 5) << "the frame's width below the text too";
    }
}

TEST(Titles, TheFillFollowsTheColourAndTheBrush) {
    {
        TitleFixture f;
        TChartTitle title(&f);
        title.SetText({"T"});
        title.DrawTitle(true);
        EXPECT_TRUE(f.rec.Calls("Rectangle").empty()) << "automatic colour, automatic brush: no box";
    }
    {
        TitleFixture f;
        TChartTitle title(&f);
        title.SetText({"T"});
        title.Brush().SetColor(ClAqua);
        int before = f.repaints;
        title.DrawTitle(true);
        EXPECT_EQ(title.GetColor(), ClAqua) << "a brush of its own colour becomes the title's colour";
        EXPECT_GT(f.repaints, before);
        ASSERT_EQ(f.rec.Calls("Rectangle").size(), 1u);
        EXPECT_EQ(f.rec.Calls("Rectangle")[0].State.CanvasBrush, (Brush{ClAqua, BrushStyle::Solid, nullptr}));
        EXPECT_EQ(f.rec.Calls("Rectangle")[0].State.CanvasPen.Style, PenStyle::Clear);
    }
    {
        TitleFixture f;
        TChartTitle title(&f);
        title.SetText({"T"});
        title.SetColor(ClYellow);
        title.Brush().SetStyle(BrushStyle::DiagCross);
        title.DrawTitle(true);
        ASSERT_EQ(f.rec.Calls("Rectangle").size(), 1u);
        const CanvasState s = f.rec.Calls("Rectangle")[0].State;
        EXPECT_EQ(s.CanvasBrush.Style, BrushStyle::DiagCross);
        EXPECT_EQ(s.Background, BackMode::Opaque);
        EXPECT_EQ(s.BackColor, ClYellow) << "a hatch over the title's colour";
    }
}

TEST(Titles, FontsAndColoursAreStoredOnlyWhenTheyDifferFromTheirDefaults) {
    TitleFixture f;
    TChartTitle title(&f);
    EXPECT_FALSE(title.IsFontStored());
    EXPECT_EQ(title.GetFont().Name, "Arial");
    Font font = title.GetFont();
    font.Size = 9;
    title.SetFont(font);
    EXPECT_TRUE(title.IsFontStored());

    TChartTitle foot(&f);
    foot.DefaultFontColor = ClRed;
    foot.DefaultFontStyle = FsItalic;
    font = foot.GetFont();
    font.FontColor = ClRed;
    font.Style = FsItalic;
    foot.SetFont(font);
    EXPECT_FALSE(foot.IsFontStored()) << "a foot's red italics are its default";

    TChartWall left(&f);
    left.DefaultColor = 0x80FFFF;
    left.SetColor(0x80FFFF);
    EXPECT_FALSE(left.IsColorStored());
    left.SetColor(ClWhite);
    EXPECT_TRUE(left.IsColorStored());
    TChartWall back(&f);
    EXPECT_FALSE(back.IsColorStored());
    EXPECT_EQ(back.ResolvedColor(), RGB(212, 208, 200)) << "automatic without a default of its own";
    left.SetColor(AutomaticColour);
    EXPECT_EQ(left.ResolvedColor(), 0x80FFFF);
}

TEST(Titles, PartsRepaintTheChartWhenTheyChangeAndAssignCopiesThem) {
    TitleFixture f;
    TChartWall wall(&f);
    int before = f.repaints;
    wall.SetSize(4);
    wall.Pen().SetWidth(3);
    wall.Brush().SetStyle(BrushStyle::Clear);
    wall.SetDark3D(true);
    EXPECT_EQ(f.repaints, before + 3);
    TChartWall copy(&f);
    copy.Assign(wall);
    EXPECT_EQ(copy.Size(), 4);
    EXPECT_EQ(copy.Pen().Width(), 3);
    EXPECT_EQ(copy.Brush().Style(), BrushStyle::Clear);

    TChartTitle title(&f);
    title.SetText({"a"});
    title.SetAlignment(TAlignment::taLeftJustify);
    TChartTitle other(&f);
    other.Assign(title);
    EXPECT_EQ(other.Text(), title.Text());
    EXPECT_EQ(other.Alignment(), TAlignment::taLeftJustify);
}

}  // namespace
}  // namespace fv
