// The print preview's paper: its layout on portrait and landscape pages, the hit codes and cursors, the
// margin drags with their limits, and its drawing.
#include <gtest/gtest.h>

#include "chartui/window/print_preview.h"
#include "platform/core/headless_loop.h"
#include "platform/app/scripted_output.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

// A 400x300 page control on a landscape page (A4 at 300 dpi turned): the paper is (20,22)-(380,277) and
// the chart, at the default margins of 15 %, (74,60)-(326,239).
struct PreviewFixture : ::testing::Test {
    HeadlessLoop loop{true};
    Application app{loop};
    TDraw3D chart{nullptr};
    TChartPreviewPage page{nullptr, "Page", app};
    std::vector<PixelRect> reported;

    PreviewFixture() {
        app.ScriptedPrinterService().pageSize = {3508, 2480};
        chart.SetBounds(0, 0, 200, 150);
        page.SetBounds(0, 0, 400, 300);
        page.SetImage(&chart);
        page.OnChangeMargins = [this](Component*, bool byDrag, const PixelRect& m) {
            EXPECT_TRUE(byDrag);
            reported.push_back(m);
        };
        page.CalcRects();
    }
    void Drag(Point from, Point to) {
        page.MouseDown(MouseButton::Left, 0, from.X, from.Y);
        page.MouseMove(0, to.X, to.Y);
        page.MouseUp(MouseButton::Left, 0, to.X, to.Y);
    }
};

TEST_F(PreviewFixture, PaperKeepsThePageProportionsAndTheMarginsPlaceTheChart) {
    EXPECT_EQ(page.PaperRect, (PixelRect{20, 22, 380, 277}));
    EXPECT_EQ(page.ChartRect, (PixelRect{74, 60, 326, 239}));

    app.ScriptedPrinterService().pageSize = {2480, 3508};  // portrait: 90 % of the height, centred across
    chart.PrintMargins = {0, 10, 50, 0};
    page.CalcRects();
    EXPECT_EQ(page.PaperRect, (PixelRect{104, 15, 295, 285}));
    EXPECT_EQ(page.ChartRect, (PixelRect{104, 42, 199, 285}));

    app.ScriptedPrinterService().pageSize = {0, 0};  // no printer: the paper takes the control's height
    page.CalcRects();
    EXPECT_EQ(page.PaperRect, (PixelRect{20, 0, 380, 300}));
}

TEST_F(PreviewFixture, HitCodesAndCursors) {
    struct Case { Point at; bool resize, move; int code; Cursor cursor; const char* why; } cases[] = {
        {{74, 60}, true, true, phTopLeft, Cursor::SizeNWSE, "top-left corner"},
        {{329, 57}, true, true, phTopRight, Cursor::SizeNESW, "top-right corner, 3 pixels off"},
        {{78, 243}, true, true, phBottomLeft, Cursor::SizeNESW, "bottom-left corner, 4 pixels off"},
        {{326, 239}, true, true, phBottomRight, Cursor::SizeNWSE, "bottom-right corner"},
        {{70, 150}, true, true, phLeft, Cursor::SizeWE, "left edge"},
        {{330, 150}, true, true, phRight, Cursor::SizeWE, "right edge"},
        {{200, 56}, true, true, phTop, Cursor::SizeNS, "top edge"},
        {{200, 243}, true, true, phBottom, Cursor::SizeNS, "bottom edge"},
        {{200, 150}, true, true, phMove, Cursor::HandPoint, "inside: the whole rectangle moves"},
        {{69, 150}, true, true, phNone, Cursor::Default, "5 pixels off is not near"},
        {{70, 150}, false, true, phNone, Cursor::Default, "no resizing: edges are nothing"},
        {{200, 150}, false, true, phMove, Cursor::HandPoint, "no resizing still moves"},
        {{200, 150}, true, false, phNone, Cursor::Default, "no moving"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        page.AllowResize = c.resize;
        page.AllowMove = c.move;
        EXPECT_EQ(page.HitTest(c.at.X, c.at.Y), c.code);
        page.MouseMove(0, c.at.X, c.at.Y);
        EXPECT_EQ(page.GetCursor(), c.cursor);
    }
}

TEST_F(PreviewFixture, DragsMoveTheChartWithinThePaperAndSetTheMargins) {
    struct Case { Point from, to; PixelRect chartRect; std::array<int, 4> margins; const char* why; } cases[] = {
        {{326, 150}, {350, 150}, {74, 60, 350, 239}, {15, 15, 8, 15}, "the right edge follows the pointer"},
        {{326, 150}, {380, 150}, {74, 60, 380, 239}, {15, 15, 0, 15}, "up to the paper's right edge"},
        {{326, 150}, {60, 150}, {74, 60, 326, 239}, {15, 15, 15, 15}, "never left of the left edge"},
        {{326, 150}, {74, 150}, {74, 60, 326, 239}, {15, 15, 15, 15}, "nor onto it"},
        {{74, 150}, {20, 150}, {20, 60, 326, 239}, {0, 15, 15, 15}, "the left edge to the paper's edge"},
        {{200, 60}, {200, 22}, {74, 22, 326, 239}, {15, 0, 15, 15}, "the top edge to the paper's top"},
        {{200, 239}, {200, 100}, {74, 60, 326, 100}, {15, 15, 15, 69}, "the bottom edge up"},
        {{74, 60}, {50, 40}, {50, 40, 326, 239}, {8, 7, 15, 15}, "a corner moves both its edges"},
        {{74, 60}, {50, 250}, {74, 60, 326, 239}, {15, 15, 15, 15}, "a corner past the opposite edge: neither"},
        {{200, 150}, {150, 100}, {24, 22, 276, 201}, {1, 0, 29, 30}, "a move stops at the paper's top"},
        {{200, 150}, {253, 150}, {127, 60, 379, 239}, {30, 15, 0, 15}, "a move up to the paper's right"},
        {{200, 150}, {254, 150}, {74, 60, 326, 239}, {15, 15, 15, 15}, "a move onto the paper's right edge is refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.PrintMargins = {15, 15, 15, 15};
        page.CalcRects();
        reported.clear();
        Drag(c.from, c.to);
        EXPECT_EQ(page.ChartRect, c.chartRect);
        EXPECT_EQ(chart.PrintMargins, c.margins);
        ASSERT_EQ(reported.size(), 1u) << "every drag step reports the margins";
        EXPECT_EQ(reported[0], (PixelRect{c.margins[0], c.margins[1], c.margins[2], c.margins[3]}));
        EXPECT_EQ(page.DragCode(), phNone) << "the release ends the drag";
    }
}

TEST_F(PreviewFixture, APointerOffThePaperChangesNothing) {
    page.MouseDown(MouseButton::Left, 0, 326, 150);
    page.MouseMove(0, 390, 150);
    EXPECT_EQ(page.ChartRect, (PixelRect{74, 60, 326, 239}));
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(page.DragCode(), phRight);
}

TEST_F(PreviewFixture, DrawsPaperShadowGuidesAndTheChart) {
    struct Case { Color paper, guides; bool showMargins; const char* why; } cases[] = {
        {ClWhite, ClSilver, true, "silver guides on white paper"},
        {ClSilver, ClWhite, true, "white guides on silver paper"},
        {ClGray, ClWhite, true, "white guides on grey paper"},
        {ClWhite, ClSilver, false, "no guides"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        page.PaperColor = c.paper;
        page.SetShowMargins(c.showMargins);
        int chartDrawn = 0;
        chart.OnPaint = [&](Component*, const PixelRect&) { ++chartDrawn; };
        RecordingCanvas rec;
        page.Paint(rec);
        const auto rects = rec.Calls("Rectangle");
        ASSERT_FALSE(rects.empty());
        EXPECT_EQ(rects[0].Points, (std::vector<Point>{{20, 22}, {380, 277}}));
        EXPECT_EQ(rects[0].State.CanvasBrush.BrushColor, c.paper);
        const auto fills = rec.Calls("FillRect");
        ASSERT_GE(fills.size(), 3u);
        EXPECT_EQ(fills[1].Points, (std::vector<Point>{{25, 277}, {385, 281}})) << "the strip under the paper";
        EXPECT_EQ(fills[2].Points, (std::vector<Point>{{380, 26}, {385, 281}})) << "the strip at its right";
        std::vector<CanvasCall> guides;
        for (const CanvasCall& call : rec.Calls("Polyline"))
            if (call.State.CanvasPen.Mode == PenMode::NotXor) guides.push_back(call);
        ASSERT_EQ(guides.size(), c.showMargins ? 4u : 0u);
        if (c.showMargins) {
            EXPECT_EQ(guides[0].State.CanvasPen.PenColor, c.guides);
            EXPECT_EQ(guides[0].Points, (std::vector<Point>{{73, 22}, {73, 277}})) << "one pixel outside the chart";
        }
        EXPECT_EQ(chartDrawn, 1);
        EXPECT_FALSE(chart.Printing) << "the chart is a printed one only while it is drawn";
    }
}

TEST_F(PreviewFixture, PrintingRunsAJobUnderAnHourglass) {
    page.PrintImage();
    const ScriptedPrinter& printer = app.ScriptedPrinterService();
    EXPECT_FALSE(printer.log.empty());
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(app.ScreenCursor(), Cursor::Default);

    app.ScriptedPrinterService().FailBegin = true;
    EXPECT_ANY_THROW(page.PrintImage());
    EXPECT_EQ(app.ScreenCursor(), Cursor::Default) << "a failed job leaves the cursor as it was";
}

}  // namespace
}  // namespace fv
