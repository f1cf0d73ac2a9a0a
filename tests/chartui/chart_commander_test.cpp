// The chart toolbar: its buttons and their enabling, the mode texts, and the drags as tables with their
// limits (no division by a chart of no size, rotation wrapped however far a step goes).
#include <gtest/gtest.h>

#include <filesystem>

#include "chart/chart.h"
#include "chart/series/pie_series.h"
#include "chartui/window/chart_commander.h"
#include "platform/gfx/pixel_math.h"
#include "platform/gfx/recording_canvas.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class ChartCommanderTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        chart = std::make_unique<TChart>(nullptr);
        chart->SetBounds(0, 0, 360, 180);
        chart->SetBufferedDisplay(false);
        series.AddPoint(0, 1);
        series.AddPoint(1, 2);
        chart->AddSeries(series);
        chart->Paint(screen);  // lays out the chart rectangle
        bar = std::make_unique<TChartCommander>(nullptr, *program);
        bar->SetPanel(chart.get());
    }
    void TearDown() override {
        bar.reset();
        chart.reset();
        HubFixture::TearDown();
    }
    void Drag(SpeedButton* mode, Point from, Point to) {
        mode->Click();
        chart->MouseDown(MouseButton::Left, 0, from.X, from.Y);
        chart->MouseMove(0, to.X, to.Y);
        chart->MouseUp(MouseButton::Left, 0, to.X, to.Y);
    }
    RecordingCanvas screen;  // the chart's screen, which it keeps
    TChartSeries series;
    std::unique_ptr<TChart> chart;
    std::unique_ptr<TChartCommander> bar;
};

TEST_F(ChartCommanderTest, ButtonsFollowThePanel) {
    EXPECT_TRUE(bar->Normal->Down());
    EXPECT_EQ(bar->Rotate->Left(), 36);
    EXPECT_EQ(bar->Copy->Left(), 202);
    EXPECT_EQ(bar->Normal->Glyph, "chartNormal.bmp");
    // Every button shows a picture that ships with the program.
    for (const std::string& glyph : {bar->Normal->Glyph, bar->Rotate->Glyph, bar->Move->Glyph, bar->Zoom->Glyph,
                                     bar->Depth->Glyph, bar->Edit->Glyph, bar->Print->Glyph, bar->Copy->Glyph})
        EXPECT_TRUE(std::filesystem::is_regular_file(program->ResourceDirectory + "/" + glyph)) << glyph;
    for (Control* c : {static_cast<Control*>(bar->Normal), static_cast<Control*>(bar->Depth), static_cast<Control*>(bar->Edit),
                       static_cast<Control*>(bar->Print)})
        EXPECT_TRUE(c->Enabled());

    TDraw3D plain(nullptr);
    bar->SetPanel(&plain);
    EXPECT_TRUE(bar->Rotate->Enabled());
    EXPECT_FALSE(bar->Depth->Enabled()) << "no depth without axes";
    EXPECT_FALSE(bar->Edit->Enabled()) << "only charts are edited";
    bar->Rotate->Click();
    EXPECT_EQ(bar->StatusLabel->Caption(), "Drag Panel to Rotate");

    bar->SetPanel(nullptr);
    for (Control* c : bar->Controls()) EXPECT_FALSE(c->Enabled()) << c->Name();
}

TEST_F(ChartCommanderTest, ModeTexts) {
    struct Case { SpeedButton* TChartCommander::*mode; const char* text; } cases[] = {
        {&TChartCommander::Rotate, "Drag Chart to Rotate"},
        {&TChartCommander::Move, "Drag Chart to Move"},
        {&TChartCommander::Zoom, "Drag Chart to Zoom"},
        {&TChartCommander::Depth, "Drag Chart to resize 3D"},
        {&TChartCommander::Normal, "Drag Left button to Zoom, Right button to Scroll"},
    };
    for (const Case& c : cases) {
        (bar.get()->*c.mode)->Click();
        EXPECT_EQ(bar->StatusLabel->Caption(), c.text);
    }
    bar->SetLabelValues(false);
    EXPECT_FALSE(bar->StatusLabel->Visible());
}

TEST_F(ChartCommanderTest, NormalModeLeavesThePressToTheChart) {
    chart->MouseDown(MouseButton::Left, 0, 150, 80);
    EXPECT_FALSE(bar->Dragging());
    EXPECT_TRUE(chart->Zoom.Active) << "the chart's own zoom rectangle starts";
    chart->MouseUp(MouseButton::Left, 0, 150, 80);

    bar->Move->Click();
    chart->MouseDown(MouseButton::Left, 0, 150, 80);
    EXPECT_TRUE(bar->Dragging());
    EXPECT_FALSE(chart->Zoom.Active) << "a drag of the toolbar is not the chart's";
    chart->MouseUp(MouseButton::Left, 0, 150, 80);
    EXPECT_FALSE(bar->Dragging());
}

TEST_F(ChartCommanderTest, RotationAndElevationStayBetween270And360) {
    // The chart's canvas does not turn freely. 360 pixels across are 90 degrees; 180 down are 90.
    struct Case { int rotation, elevation; Point to; int wantRotation, wantElevation; const char* why; } cases[] = {
        {345, 345, {200, 60}, 355, 355, "40 pixels right and 20 up: 10 degrees each"},
        {355, 355, {300, 0}, 360, 360, "never past 360"},
        {300, 300, {100, 80}, 285, 300, "60 pixels left: 15 degrees down"},
        {280, 280, {0, 180}, 270, 270, "never below 270"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart->View3DOptions().SetRotation(c.rotation);
        chart->View3DOptions().SetElevation(c.elevation);
        chart->View3DOptions().SetOrthogonal(true);
        Drag(bar->Rotate, {160, 80}, c.to);
        EXPECT_EQ(chart->View3DOptions().Rotation(), c.wantRotation);
        EXPECT_EQ(chart->View3DOptions().Elevation(), c.wantElevation);
        EXPECT_FALSE(chart->View3DOptions().Orthogonal());
        EXPECT_EQ(bar->StatusLabel->Caption(), "Rotation: " + std::to_string(c.wantRotation) + "\xC2\xB0 Elevation: " +
                                                   std::to_string(c.wantElevation) + "\xC2\xB0");
    }
}

TEST_F(ChartCommanderTest, ASlowRotationTurnsAsFarAsAFastOne) {
    // 720 pixels across are 90 degrees (3 pixels: 0.375); 360 down are 90 (3 pixels: 0.75).
    chart->SetBounds(0, 0, 720, 360);
    struct Case { int stepX, stepY, steps; int turn, tilt; const char* why; } cases[] = {
        {3, 0, 8, 3, 0, "eight steps of 3 pixels right turn 3 degrees, not none"},
        {-3, 0, 8, -3, 0, "and to the left as well"},
        {1, 0, 40, 5, 0, "forty single pixels turn 5 degrees"},
        {24, 0, 1, 3, 0, "one step of 24 pixels turns as far"},
        {0, -3, 8, 0, 6, "eight steps of 3 pixels up tilt 6 degrees, not one per step"},
        {3, -3, 8, 3, 6, "both at once"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart->View3DOptions().SetRotation(300);
        chart->View3DOptions().SetElevation(300);
        bar->Rotate->Click();
        int x = 360, y = 180;
        chart->MouseDown(MouseButton::Left, 0, x, y);
        for (int i = 0; i < c.steps; ++i) chart->MouseMove(0, x += c.stepX, y += c.stepY);
        chart->MouseUp(MouseButton::Left, 0, x, y);
        EXPECT_EQ(chart->View3DOptions().Rotation(), 300 + c.turn);
        EXPECT_EQ(chart->View3DOptions().Elevation(), 300 + c.tilt);
    }
    // A new drag starts without what the last one left: each of two drags of 3 pixels is less than half a
    // degree, and together they would be more.
    chart->View3DOptions().SetRotation(300);
    Drag(bar->Rotate, {360, 180}, {363, 180});
    Drag(bar->Rotate, {360, 180}, {363, 180});
    EXPECT_EQ(chart->View3DOptions().Rotation(), 300);
}

TEST(ChartCommanderAngles, AFreeTurnWrapsHoweverFarItGoes) {
    struct Case { int angle, wrapped; const char* why; } cases[] = {
        {0, 0, "in range"}, {360, 360, "a whole turn stays"}, {370, 10, "once round"}, {725, 5, "twice round"},
        {-10, 350, "below 0"}, {-370, 350, "a fast drag past a whole turn back"}, {720, 360, "two whole turns"},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapAngle(c.angle), c.wrapped) << c.why;
}

TEST_F(ChartCommanderTest, MoveZoomAndDepthSteps) {
    chart->SetView3D(false);
    Drag(bar->Move, {100, 100}, {130, 90});
    EXPECT_TRUE(chart->View3D()) << "a view step turns 3D on";
    EXPECT_EQ(chart->View3DOptions().HorizOffset(), 30);
    EXPECT_EQ(chart->View3DOptions().VertOffset(), -10);
    EXPECT_EQ(bar->StatusLabel->Caption(), "Horiz.Offset: 30 Vert.Offset: -10");

    chart->PlotHeight = 100;
    struct ZoomCase { int zoom; int dy; int want; const char* why; } zooms[] = {
        {100, 50, 105, "50 pixels up of 100: 5 more"},
        {100, -50, 95, "down zooms out"},
        {8, -100, 5, "never below 5"},
    };
    for (const ZoomCase& z : zooms) {
        SCOPED_TRACE(z.why);
        chart->View3DOptions().SetZoom(z.zoom);
        Drag(bar->Zoom, {100, 100}, {100, 100 - z.dy});
        EXPECT_EQ(chart->View3DOptions().Zoom(), z.want);
    }
    chart->PlotHeight = 0;
    chart->View3DOptions().SetZoom(100);
    Drag(bar->Zoom, {100, 100}, {100, 0});
    EXPECT_EQ(chart->View3DOptions().Zoom(), 100) << "a chart of no height does not zoom";

    chart->PlotWidth = 300;
    chart->PlotHeight = 400;  // a diagonal of 500
    Drag(bar->Depth, {0, 0}, {30, 40});  // 50 pixels: 20 %
    EXPECT_EQ(chart->Chart3DPercent(), 20);
    Drag(bar->Depth, {0, 0}, {300, 400});
    EXPECT_EQ(chart->Chart3DPercent(), 100) << "at most 100";
    EXPECT_EQ(bar->StatusLabel->Caption(), "3D: 100 %");
    chart->PlotWidth = chart->PlotHeight = 0;
    Drag(bar->Depth, {0, 0}, {30, 40});
    EXPECT_EQ(chart->Chart3DPercent(), 100) << "a chart of no size keeps its depth";
}

TEST_F(ChartCommanderTest, PieSlicesAreDraggedOutInNormalModeAndRotatingTurnsThePie) {
    auto* pie = new TPieSeries(chart.get());  // the chart frees it
    pie->AddY(30);
    pie->AddY(70);
    pie->Marks().SetVisible(false);
    chart->AddSeries(*pie);
    chart->Paint(screen);
    ASSERT_GT(pie->XRadius, 10);
    bar->Normal->Click();
    EXPECT_EQ(bar->StatusLabel->Caption(), "Drag a Pie Slice to Explode it");

    // A press just above the centre's right: the first slice starts at the right and runs upwards.
    const int x = pie->CircleXCenter + pie->XRadius / 2, y = pie->CircleYCenter - 2;
    const int radius = RoundPixel(std::hypot(double(pie->XRadius), double(pie->YRadius)));
    chart->MouseDown(MouseButton::Left, 0, x, y);
    ASSERT_TRUE(bar->Dragging()) << "with a pie, Normal mode drags";
    ASSERT_EQ(bar->ClickedSlice(), 0);
    struct Case { int distance; int explode; const char* why; } cases[] = {
        {radius / 2, RoundPixel(100.0 * (radius / 2) / radius), "half the radius: about 50 %"},
        {3 * radius, 100, "never more than 100 %"},
        {0, 0, "back at the press point"},
    };
    for (const Case& c : cases) {
        chart->MouseMove(0, x + c.distance, y);
        EXPECT_EQ(pie->ExplodedSlices.Value(0), c.explode) << c.why;
        EXPECT_EQ(bar->StatusLabel->Caption(), "Slice: 0 Exploded: " + std::to_string(c.explode) + " %") << c.why;
    }
    chart->MouseUp(MouseButton::Left, 0, x, y);
    EXPECT_EQ(bar->ClickedSlice(), -1);
    EXPECT_EQ(pie->ExplodedSlices.Value(1), 0) << "the other slice stays in";

    // Rotating turns the pie about its centre and keeps the chart seen from the front.
    chart->View3DOptions().SetElevation(345);
    struct Turn { Point to; int angle; int elevation; const char* why; } turns[] = {
        {{200, 60}, 10, 335, "40 pixels right: 10 degrees; 20 up tilts the other way for a pie"},
        {{-200, 80}, 280, 345, "90 degrees back from 10 wraps below 0"},
        {{160, 80}, 280, 345, "no move, no turn"},
    };
    for (const Turn& t : turns) {
        Drag(bar->Rotate, {160, 80}, t.to);
        EXPECT_EQ(pie->RotationAngle(), t.angle) << t.why;
        EXPECT_EQ(chart->View3DOptions().Rotation(), 360) << t.why;
        EXPECT_EQ(chart->View3DOptions().Elevation(), t.elevation) << t.why;
        chart->View3DOptions().SetElevation(345);
    }
}

TEST_F(ChartCommanderTest, CopyPutsThePictureOnTheClipboard) {
    bar->Copy->Click();
    EXPECT_EQ(app->ScriptedClipboardService().bitmap.Width, 360);
}

}  // namespace
}  // namespace fv::testing
