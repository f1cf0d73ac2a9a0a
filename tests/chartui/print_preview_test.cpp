// The print preview's paper: its layout on portrait and landscape pages, the hit codes and cursors, the
// margin drags with their limits, and its drawing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "chart/chart.h"
#include "chart/fast_line.h"
#include "chart/walls_titles.h"
#include "chartui/window/print_preview.h"
#include "platform/core/headless_loop.h"
#include "platform/app/scripted_output.h"
#include "platform/gfx/pixel_math.h"
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

// Control sizes from small to wide and tall, for both ways of turning an A4 page at 300 dpi.
struct ControlSize { int w, h; };
constexpr ControlSize ControlSizes[] = {{400, 300}, {490, 399}, {1000, 400}, {1790, 959}, {200, 600}, {120, 100}, {600, 200}};

// The paper lies whole in the control (its shadow too), turned as the page is, in the page's proportions,
// with one of its sides at 90 % of the control's.
TEST(PreviewPaper, LiesWholeInThePagesOrientationAtEverySize) {
    HeadlessLoop loop{true};
    Application app{loop};
    TChartPreviewPage page{nullptr, "Page", app};
    app.ScriptedPrinterService().pageSize = {2480, 3508};
    for (const PaperOrientation orientation : {PaperOrientation::Portrait, PaperOrientation::Landscape}) {
        app.Printer().SetOrientation(orientation);
        const Size sheet = app.Printer().PageSize();
        const bool across = orientation == PaperOrientation::Landscape;
        for (const ControlSize& c : ControlSizes) {
            SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + (across ? " across" : " upright"));
            page.SetBounds(0, 0, c.w, c.h);
            page.CalcRects();
            const PixelRect& p = page.PaperRect;
            EXPECT_EQ(p, TChartPreviewPage::PaperRectFor({c.w, c.h}, sheet));
            EXPECT_GE(p.Left, 0);
            EXPECT_GE(p.Top, 0);
            EXPECT_LE(p.Right + 5, c.w) << "the paper and its shadow end inside the control";
            EXPECT_LE(p.Bottom + 4, c.h) << "the paper and its shadow end inside the control";
            EXPECT_EQ(p.Width() > p.Height(), across);
            // Width over height as the page's, to a pixel of rounding.
            EXPECT_LE(std::abs(std::int64_t(p.Width()) * sheet.Height - std::int64_t(p.Height()) * sheet.Width),
                      std::max(sheet.Width, sheet.Height));
            const bool fullWidth = p.Width() == c.w - RoundPixel(c.w / 10.0);
            const bool fullHeight = p.Height() == c.h - RoundPixel(c.h / 10.0);
            EXPECT_TRUE(fullWidth || fullHeight) << "as large as fits";
            EXPECT_LE(std::abs((p.Left + p.Right) - c.w), 1) << "centred across";
            EXPECT_LE(std::abs((p.Top + p.Bottom) - c.h), 1) << "centred down";
        }
    }
}

// Where the calls of a recorded drawing put their pixels (device pixels, right and bottom included), texts
// by the recording canvas' fixed metrics.
PixelRect DrawnBox(const CanvasCall& c) {
    if (c.Op == "Text") {
        const int h = FontPixelHeight(c.State.CanvasFont.Size);
        const int w = int(c.Text.size()) * ((h + 1) / 2);
        const Point p = c.Points.at(0);
        const unsigned across = c.State.TextAlign & TaCenter, down = c.State.TextAlign & TaBaseline;
        const int left = across == TaCenter ? p.X - w / 2 : across == TaRight ? p.X - w : p.X;
        const int top = down == TaTop ? p.Y : p.Y - h;
        return {left, top, left + w - 1, top + h - 1};
    }
    PixelRect box{c.Points.at(0).X, c.Points.at(0).Y, c.Points.at(0).X, c.Points.at(0).Y};
    for (const Point& p : c.Points) {
        box.Left = std::min(box.Left, p.X);
        box.Top = std::min(box.Top, p.Y);
        box.Right = std::max(box.Right, p.X);
        box.Bottom = std::max(box.Bottom, p.Y);
    }
    // A rectangle's right and bottom corner is the first pixel past it.
    if (c.Op == "Rectangle" || c.Op == "FillRect" || c.Op == "Ellipse" || c.Op == "Image" || c.Op == "Surface")
        box = {box.Left, box.Top, box.Right - 1, box.Bottom - 1};
    return box;
}

bool Holds(const PixelRect& outer, const PixelRect& inner) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

// A chart with a title, two lines and their legend on the preview's paper.
struct PreviewDrawingFixture : ::testing::Test {
    HeadlessLoop loop{true};
    Application app{loop};
    TChart chart{nullptr};
    TFastLineSeries up, down;
    TChartPreviewPage page{nullptr, "Page", app};

    PreviewDrawingFixture() {
        app.ScriptedPrinterService().pageSize = {2480, 3508};
        chart.SetBounds(0, 0, 480, 320);
        chart.SetView3D(false);
        chart.Title().SetText({"Printed chart"});
        up.SetTitle("Up");
        down.SetTitle("Down");
        for (int i = 0; i < 10; ++i) {
            up.AddPoint(i, i * i);
            down.AddPoint(i, 81 - i * i);
        }
        chart.AddSeries(up);
        chart.AddSeries(down);
        page.SetImage(&chart);
        page.SetShowMargins(false);
    }
    // The calls of the chart in a drawing of the page: those after the background, the paper and its
    // shadow, without the clip changes.
    std::vector<CanvasCall> ChartCalls(const RecordingCanvas& rec) {
        std::vector<CanvasCall> out;
        int pageCalls = 0;
        for (const CanvasCall& c : rec.Calls()) {
            if (c.Op == "Clip" || c.Op == "Unclip") continue;
            if (pageCalls < 4) {
                ++pageCalls;
                continue;
            }
            out.push_back(c);
        }
        return out;
    }
};

// For every set of margins, control size and way of turning the page, each call of the chart draws inside
// the chart's rectangle (within the margin lines), under a clip inside it, and the chart fills it.
TEST_F(PreviewDrawingFixture, TheChartLiesInsideItsMarginsAtEverySize) {
    const std::array<int, 4> marginSets[] = {{15, 15, 15, 15}, {0, 0, 0, 0}, {5, 30, 40, 10}, {45, 0, 0, 45}, {30, 2, 2, 30}};
    for (const PaperOrientation orientation : {PaperOrientation::Portrait, PaperOrientation::Landscape}) {
        app.Printer().SetOrientation(orientation);
        for (const auto& margins : marginSets) {
            for (const ControlSize& c : ControlSizes) {
                SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " margins " + std::to_string(margins[0]) + "," +
                             std::to_string(margins[1]) + "," + std::to_string(margins[2]) + "," + std::to_string(margins[3]) +
                             (orientation == PaperOrientation::Landscape ? " across" : " upright"));
                chart.PrintMargins = margins;
                page.SetBounds(0, 0, c.w, c.h);
                RecordingCanvas rec;
                page.Paint(rec);
                const PixelRect& r = page.ChartRect;
                EXPECT_EQ(r, TChartPreviewPage::ChartRectFor(page.PaperRect, margins));
                const std::vector<CanvasCall> calls = ChartCalls(rec);
                ASSERT_GT(calls.size(), 20u) << "the chart is drawn";
                PixelRect drawn = DrawnBox(calls[0]);
                int outside = 0;
                for (const CanvasCall& call : calls) {
                    const PixelRect box = DrawnBox(call);
                    if (!Holds(r, box) && ++outside <= 3) ADD_FAILURE() << call.ToString() << " outside the chart's rectangle";
                    EXPECT_TRUE(call.State.Clip.Active && Holds(r, call.State.Clip.Bounds())) << call.ToString();
                    drawn = {std::min(drawn.Left, box.Left), std::min(drawn.Top, box.Top),
                             std::max(drawn.Right, box.Right), std::max(drawn.Bottom, box.Bottom)};
                }
                EXPECT_EQ(outside, 0);
                EXPECT_GE(drawn.Width(), r.Width() * 4 / 5) << "the chart takes its rectangle's width";
                EXPECT_GE(drawn.Height(), r.Height() * 4 / 5) << "and its height";
                EXPECT_FALSE(chart.Printing);
            }
        }
    }
}

// As a picture the chart is one image, of the size it has when laid out for its place on the page,
// stretched into its rectangle.
TEST_F(PreviewDrawingFixture, AsABitmapTheChartIsLaidOutForThePageAndStretchedIntoItsRectangle) {
    page.AsBitmap = true;
    app.Printer().SetOrientation(PaperOrientation::Landscape);
    struct Case { int resolution; const char* why; } cases[] = {
        {0, "the chart's own size less nothing"},
        {-100, "more detail: twice the chart's size"},
        {50, "less detail: half its size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.SetPrintResolution(c.resolution);
        chart.SetPrintProportional(false);
        chart.PrintMargins = {10, 20, 30, 5};
        page.SetBounds(0, 0, 600, 400);
        RecordingCanvas rec;
        page.Paint(rec);
        const std::vector<CanvasCall> images = rec.Calls("Image");
        ASSERT_EQ(images.size(), 1u);
        const PixelRect& r = page.ChartRect;
        EXPECT_EQ(images[0].Points, (std::vector<Point>{{r.Left, r.Top}, {r.Right, r.Bottom}}));
        // The chart's place on the 3508 x 2480 page: (351,496)-(2456,2356).
        const PixelRect logical = chart.ScalePrintRect({351, 496, 2456, 2356});
        EXPECT_EQ(images[0].Text, std::to_string(logical.Width()) + "x" + std::to_string(logical.Height()));
        const Size size = chart.PrintLogicalSize();
        EXPECT_NEAR(logical.Width(), size.Width, 1);
        EXPECT_NEAR(logical.Height(), size.Height, 1);

        // Printed as a picture: the same picture, stretched into the chart's place on the page.
        ScriptedPrinter& printer = app.ScriptedPrinterService();
        printer.pages.clear();
        page.PrintImage();
        ASSERT_EQ(printer.pages.size(), 1u);
        const std::vector<CanvasCall> printed = printer.pages.back().Calls("Image");
        ASSERT_EQ(printed.size(), 1u);
        EXPECT_EQ(printed[0].Points, (std::vector<Point>{{351, 496}, {2456, 2356}}));
        EXPECT_EQ(printed[0].Text, images[0].Text);
    }
}

// The preview lays the chart out as printing does: for the same rectangle in the same units, whatever the
// control's size, the margins, the detail or the way the page is turned.
TEST_F(PreviewDrawingFixture, ThePreviewLaysTheChartOutAsItIsPrinted) {
    chart.SetPrintProportional(false);
    const std::array<int, 4> marginSets[] = {{15, 15, 15, 15}, {5, 30, 40, 10}, {33, 3, 7, 21}};
    for (const PaperOrientation orientation : {PaperOrientation::Portrait, PaperOrientation::Landscape}) {
        app.Printer().SetOrientation(orientation);
        for (const auto& margins : marginSets) {
            for (const int resolution : {0, -60, 40}) {
                for (const bool asBitmap : {false, true}) {
                    SCOPED_TRACE(std::to_string(margins[0]) + "," + std::to_string(margins[1]) + "," +
                                 std::to_string(margins[2]) + "," + std::to_string(margins[3]) + " detail " +
                                 std::to_string(resolution) + (orientation == PaperOrientation::Landscape ? " across" : " upright") +
                                 (asBitmap ? " as a picture" : ""));
                    chart.PrintMargins = margins;
                    chart.SetPrintResolution(resolution);
                    page.AsBitmap = asBitmap;
                    page.SetBounds(0, 0, 700, 500);
                    RecordingCanvas rec;
                    page.Paint(rec);
                    const PixelRect shown = chart.DrawRect;
                    ScriptedPrinter& printer = app.ScriptedPrinterService();
                    printer.pages.clear();
                    page.PrintImage();
                    ASSERT_EQ(printer.pages.size(), 1u);
                    EXPECT_EQ(chart.DrawRect, shown);
                    // Laid out in the chart's own units (its size less the detail's share), not in the paper's.
                    const Size size = chart.PrintLogicalSize();
                    EXPECT_NEAR(shown.Width(), size.Width, 1);
                    EXPECT_NEAR(shown.Height(), size.Height, 1);
                    EXPECT_EQ(chart.PrintMargins, margins) << "showing and printing keep the margins";
                }
            }
        }
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
