// The raster canvas: pixel-exact lines and fills, the pinned font, clips, surfaces and raster modes, and
// reference pictures of chart panels drawn through it.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include <QPainter>

#include "chart/chart.h"
#include "chart/chart_panel.h"
#include "chart/fast_line.h"
#include "chart/plot_panel.h"
#include "chart/walls_titles.h"
#include "chartui/window/print_preview.h"
#include "platform/app/application.h"
#include "platform/app/scripted_output.h"
#include "platform/core/headless_loop.h"
#include "platform/ui/bevel.h"
#include "view/qt_canvas.h"
#include "view/qt_output.h"
#include "view/reference_pictures.h"

namespace fv {
namespace {

bool IsBlack(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)) == QColor(Qt::black); }

TEST(QtCanvas, ArialIsPinnedToLiberationSansAtNinetySixDotsPerInch) {
    Font arial;
    arial.Name = "Arial";
    arial.Size = 8;
    QFont q = CanvasQFont(arial);
    EXPECT_EQ(QFontInfo(q).family(), QString("Liberation Sans")) << "install fonts-liberation2 (scripts/install-deps.sh)";
    EXPECT_EQ(q.pixelSize(), 11);
    QImage image = WhiteImage(10, 10);
    QtCanvas canvas(image);
    canvas.SetFont(arial);
    // Liberation Sans has Arial's advance widths: "W" is 0.944 em.
    EXPECT_EQ(canvas.TextWidth("W"), 10);
    EXPECT_EQ(canvas.TextHeight("W"), 12) << "ascent and descent of an 11-pixel face";
}

TEST(QtCanvas, LinesLeaveOutTheirLastPixelAndRectanglesCoverLeftToRightMinusOne) {
    QImage image = WhiteImage(20, 20);
    {
        QtCanvas canvas(image);
        canvas.Line(0, 1, 10, 1);
        canvas.SetBrush({ClBlack, BrushStyle::Clear, nullptr});
        canvas.Rectangle(2, 4, 6, 8);
        canvas.SetBrush({ClBlack, BrushStyle::Solid, nullptr});
        canvas.FillRect({12, 4, 15, 6});
    }
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(IsBlack(image, x, 1)) << x;
    EXPECT_FALSE(IsBlack(image, 10, 1));
    EXPECT_TRUE(IsBlack(image, 2, 4));
    EXPECT_TRUE(IsBlack(image, 5, 7));
    EXPECT_FALSE(IsBlack(image, 6, 7));
    EXPECT_FALSE(IsBlack(image, 5, 8));
    EXPECT_FALSE(IsBlack(image, 3, 5)) << "a clear brush leaves the inside";
    EXPECT_TRUE(IsBlack(image, 12, 4));
    EXPECT_TRUE(IsBlack(image, 14, 5));
    EXPECT_FALSE(IsBlack(image, 15, 5));
    EXPECT_FALSE(IsBlack(image, 14, 6));
}

TEST(QtCanvas, NothingIsSmoothed) {
    QImage image = WhiteImage(40, 40);
    {
        QtCanvas canvas(image);
        canvas.SetPen({ClBlack, 3, PenStyle::Solid, PenMode::Copy});
        canvas.SetBrush({ClRed, BrushStyle::Solid, nullptr});
        canvas.Ellipse(2, 2, 30, 25);
        canvas.Line(0, 39, 39, 3);
        Font f;
        f.Name = "Arial";
        f.Size = 12;
        canvas.SetFont(f);
        canvas.TextOut(5, 5, "Wg");
    }
    std::set<QRgb> colours;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) colours.insert(image.pixel(x, y));
    EXPECT_EQ(colours, (std::set<QRgb>{QColor(Qt::white).rgb(), QColor(Qt::black).rgb(), QColor(Qt::red).rgb()}));
}

TEST(QtCanvas, DotsAndDashesFollowTheirPixelPatterns) {
    struct Case { PenStyle style; std::string want; };
    const Case cases[] = {
        {PenStyle::Dot, "###...###...###...###..."},
        {PenStyle::SmallDots, "#.#.#.#.#.#.#.#.#.#.#.#."},
        {PenStyle::DashDot, "#########......###......"},
    };
    for (const auto& c : cases) {
        QImage image = WhiteImage(30, 3);
        {
            QtCanvas canvas(image);
            canvas.SetPen({ClBlack, 1, c.style, PenMode::Copy});
            canvas.Line(0, 1, 24, 1);
        }
        std::string got;
        for (int x = 0; x < 24; ++x) got += IsBlack(image, x, 1) ? '#' : '.';
        EXPECT_EQ(got, c.want) << int(c.style);
    }
}

// The segments one by one straight through QPainter, each a polyline of its two points.
QImage SegmentsOneByOne(int w, int h, const std::vector<Point>& walk, const std::vector<QColor>& colours, QRect clip) {
    QImage image = WhiteImage(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!clip.isNull()) painter.setClipRect(clip);
    for (std::size_t i = 1; i < walk.size(); ++i) {
        QPen pen(colours[i % colours.size()], 0);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        QPoint seg[2] = {{walk[i - 1].X, walk[i - 1].Y}, {walk[i].X, walk[i].Y}};
        painter.drawPolyline(seg, 2);
    }
    return image;
}

TEST(QtCanvas, LinesDrawnPointByPointHaveThePixelsOfTheirSegmentsOneByOne) {
    constexpr int W = 300, H = 200;
    std::uint32_t seed = 99;
    auto next = [&] { seed = seed * 1664525u + 1013904223u; return int(seed >> 16); };
    auto walkOf = [&](int pointsPerColumn, int step) {
        std::vector<Point> walk{{5, H / 2}};
        for (int i = 1; i < 20000; ++i) {
            Point p{5 + i / pointsPerColumn, std::clamp(walk.back().Y + next() % (2 * step + 1) - step, -20, H + 20)};
            walk.push_back(p);  // repeated points too: a segment of no length
        }
        return walk;
    };
    // Columns that turn back on themselves, a line that leaves the picture, the pixel before the last.
    std::vector<Point> handMade = {{10, 50}, {10, 30}, {10, 80}, {10, 60}, {10, 70}, {10, 60}, {10, 80}, {11, 40},
                                   {11, 90}, {11, 20}, {11, 90}, {12, 90}, {12, 10}, {40, 10}, {40, 10}, {40, 300},
                                   {41, -5}, {41, 60}, {60, 60}, {60, 61}, {61, 61}};
    struct Case {
        const char* what;
        std::vector<Point> walk;
        std::vector<QColor> colours;
        QRect clip;
    } cases[] = {
        {"hand-made turns", handMade, {Qt::black}, {}},
        {"forty points a column", walkOf(40, 6), {Qt::black}, {}},
        {"a few points a column", walkOf(3, 9), {Qt::black}, {}},
        {"one point a column, clipped", walkOf(1, 15), {Qt::black}, QRect(20, 30, 200, 100)},
        {"the colour changing every segment", walkOf(4, 5), {Qt::red, Qt::blue, Qt::green}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QImage image = WhiteImage(W, H);
        {
            QtCanvas canvas(image);
            if (!c.clip.isNull()) canvas.ClipRect({c.clip.left(), c.clip.top(), c.clip.right() + 1, c.clip.bottom() + 1});
            canvas.MoveTo(c.walk[0].X, c.walk[0].Y);
            for (std::size_t i = 1; i < c.walk.size(); ++i) {
                QColor q = c.colours[i % c.colours.size()];
                Color colour = Color(q.red() | q.green() << 8 | q.blue() << 16);
                if (canvas.GetPen().PenColor != colour) canvas.SetPen({colour, 1, PenStyle::Solid, PenMode::Copy});
                canvas.LineTo(c.walk[i].X, c.walk[i].Y);
            }
        }
        const QImage want = SegmentsOneByOne(W, H, c.walk, c.colours, c.clip);
        int differ = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) differ += image.pixel(x, y) != want.pixel(x, y);
        EXPECT_EQ(differ, 0) << "pixels that differ";
        EXPECT_NE(want, WhiteImage(W, H)) << "something was drawn";
    }
}

TEST(QtCanvas, LinesNotYetDrawnShowWhenThePictureIsReadOrSomethingElseIsDrawn) {
    std::unique_ptr<Surface> surface = CreateRasterSurface(20, 20);
    Canvas& canvas = surface->GetCanvas();
    canvas.MoveTo(0, 5);
    canvas.LineTo(10, 5);
    EXPECT_EQ(surface->ToBitmap().Pixels[5 * 20 + 3] & 0xFFFFFF, 0u) << "the bitmap of the picture has the line";
    QImage image = WhiteImage(20, 20);
    QtCanvas direct(image);
    direct.MoveTo(0, 5);
    direct.LineTo(10, 5);
    direct.SetPen({ClRed, 1, PenStyle::Solid, PenMode::Copy});
    direct.LineTo(10, 15);
    EXPECT_EQ(QColor(direct.Image().pixel(3, 5)), QColor(Qt::black)) << "drawn before the pen changed";
    EXPECT_EQ(QColor(direct.Image().pixel(10, 10)), QColor(Qt::red));
}

TEST(QtCanvas, ANotXorRectangleDrawnTwiceLeavesThePictureAsItWas) {
    QImage image = WhiteImage(60, 40);
    {
        QtCanvas canvas(image);
        canvas.SetBrush({ClAqua, BrushStyle::Solid, nullptr});
        canvas.FillRect({10, 10, 50, 30});
    }
    const QImage before = image.copy();
    {
        TDraw3D panel(nullptr);
        panel.SetColor(ClRed);
        QtCanvas canvas(image);
        panel.Canvas3D().AttachCanvas(&canvas);
        panel.Zoom.Activate(5, 5);
        panel.Zoom.X1 = 40;
        panel.Zoom.Y1 = 35;
        panel.DrawZoomRectangle();
        EXPECT_NE(image, before) << "the first drawing shows";
        panel.DrawZoomRectangle();
    }
    EXPECT_EQ(image, before);
}

TEST(QtCanvas, ClipsKeepDrawingInsideARectangleOrAPolygon) {
    QImage image = WhiteImage(30, 30);
    {
        QtCanvas canvas(image);
        canvas.SetBrush({ClBlack, BrushStyle::Solid, nullptr});
        {
            CanvasStateGuard guard(canvas);
            canvas.ClipRect({5, 5, 10, 10});
            canvas.FillRect({0, 0, 30, 30});
            canvas.SetPixel(20, 20, ClBlack);
        }
        const Point triangle[] = {{15, 15}, {29, 15}, {15, 29}};
        canvas.ClipPolygon(triangle);
        canvas.SetBrush({ClRed, BrushStyle::Solid, nullptr});
        canvas.FillRect({0, 0, 30, 30});
    }
    EXPECT_TRUE(IsBlack(image, 5, 5));
    EXPECT_TRUE(IsBlack(image, 9, 9));
    EXPECT_FALSE(IsBlack(image, 10, 9));
    EXPECT_FALSE(IsBlack(image, 20, 20)) << "a pixel obeys the clip too";
    EXPECT_EQ(QColor(image.pixel(16, 16)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(28, 28)), QColor(Qt::white)) << "outside the triangle";
    EXPECT_EQ(QColor(image.pixel(4, 20)), QColor(Qt::white)) << "the guard took the first clip away";
}

TEST(QtCanvas, ASurfaceIsCopiedAtItsOwnSizeToTheGivenCorner) {
    QImage image = WhiteImage(50, 50);
    {
        QtCanvas canvas(image);
        auto surface = canvas.CreateSurface(10, 8);
        Canvas& off = surface->GetCanvas();
        off.SetBrush({ClBlue, BrushStyle::Solid, nullptr});
        off.FillRect({0, 0, 10, 8});
        canvas.DrawSurface(20, 30, *surface);
        EXPECT_EQ(surface->ToBitmap().Width, 10);
    }
    EXPECT_EQ(QColor(image.pixel(20, 30)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(29, 37)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(30, 37)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(29, 38)), QColor(Qt::white));
}

TEST(QtCanvas, OpaqueTextFillsItsCellAndAlignmentMovesTheCell) {
    QImage image = WhiteImage(100, 40);
    Font f;
    f.Name = "Arial";
    f.Size = 10;
    {
        QtCanvas canvas(image);
        canvas.SetFont(f);
        canvas.SetBackMode(BackMode::Opaque);
        canvas.SetBackColor(ClYellow);
        canvas.SetTextAlign(TaRight | TaTop);
        canvas.TextOut(90, 5, "ab");
        int w = canvas.TextWidth("ab"), h = canvas.TextHeight("ab");
        EXPECT_EQ(QColor(image.pixel(90 - w, 5)), QColor(Qt::yellow)) << "the cell ends at the point";
        EXPECT_EQ(QColor(image.pixel(90 - w, 5 + h - 1)), QColor(Qt::yellow));
        EXPECT_EQ(QColor(image.pixel(90, 5)), QColor(Qt::white));
        EXPECT_EQ(QColor(image.pixel(90 - w - 1, 5)), QColor(Qt::white));
    }
}

// ---- Reference pictures ----

// A 3D box of walls (back, left, floor) with a cube, a cylinder, a pyramid and a pie slice standing in it.
TEST(QtCanvasPictures, AThreeDPanelWithWalls) {
    TDraw3D panel(nullptr);
    panel.HorizDepth = 40;
    TChartWall back(&panel), left(&panel), bottom(&panel);
    left.DefaultColor = 0x80FFFF;
    bottom.DefaultColor = ClWhite;
    panel.OnPaint = [&](Component*, const PixelRect&) {
        TChartCanvas3D& c = panel.Canvas3D();
        Canvas& g = *c.ReferenceCanvas();
        const int depth = panel.HorizDepth;
        // The room the depth takes at the top and the right, as a chart's axes leave it.
        const PixelRect r{panel.PlotRect.Left, panel.PlotRect.Top + depth, panel.PlotRect.Right - depth, panel.PlotRect.Bottom};
        g.SetBrush({ClSilver, BrushStyle::Solid, nullptr});
        c.RectangleZ({r.Left + 1, r.Top - 1, r.Right, r.Bottom}, depth);
        g.SetBrush({left.ResolvedColor(), BrushStyle::Solid, nullptr});
        c.RectangleSideZ(r.Left, r.Top, r.Bottom, 0, depth + 1);
        g.SetBrush({bottom.ResolvedColor(), BrushStyle::Solid, nullptr});
        c.RectangleHorizZ(r.Left, r.Right, r.Bottom, 0, depth);
        g.SetBrush({ClRed, BrushStyle::Solid, nullptr});
        c.Cube(r.Left + 30, r.Left + 80, r.Top + 60, r.Bottom, 10, 30, true);
        g.SetBrush({ClBlue, BrushStyle::Solid, nullptr});
        c.Cylinder(true, r.Left + 110, r.Top + 30, r.Left + 160, r.Bottom, 10, 30, true);
        g.SetBrush({ClGreen, BrushStyle::Solid, nullptr});
        c.Pyramid(true, r.Left + 190, r.Top + 40, r.Left + 240, r.Bottom, 10, 30, true);
        g.SetBrush({ClYellow, BrushStyle::Solid, nullptr});
        c.PieSliceZ(r.Left + 290, r.Top + 70, 40, 40, 0.3, 4.0, 10, 30, true, true);
        g.SetPen({ClNavy, 2, PenStyle::Solid, PenMode::Copy});
        c.ArrowZ(true, {r.Left + 40, r.Top + 20}, {r.Left + 100, r.Top + 40}, 12, 12, 0);
    };
    ExpectLikeReference(PaintPanel(panel), "chart_panel_3d_walls.png");
}

// A gradient background with a title, a foot and rotated text.
TEST(QtCanvasPictures, AGradientBackgroundWithTitlesAndRotatedText) {
    TDraw3D panel(nullptr);
    panel.Gradient().SetVisible(true);
    panel.Gradient().SetStartColor(ClWhite);
    panel.Gradient().SetEndColor(RGB(64, 128, 255));
    panel.BevelOuter = BevelKind::Raised;
    panel.BevelWidth = 2;
    TChartTitle title(&panel), foot(&panel);
    title.SetText({"Folivex stock", "by category"});
    title.Frame().SetVisible(true);
    foot.SetText({"Foot, right-aligned"});
    foot.SetAlignment(TAlignment::taRightJustify);
    Font footFont = foot.GetFont();
    footFont.FontColor = ClRed;
    footFont.Style = FsItalic;
    foot.SetFont(footFont);
    panel.OnPaint = [&](Component*, const PixelRect&) {
        TChartCanvas3D& c = panel.Canvas3D();
        c.Disable3D();
        title.DrawTitle(true);
        foot.DrawTitle(false);
        c.Restore3D();
        Font f = DefaultChartFont();
        f.Size = 10;
        panel.SetCanvasFont(f);
        c.RotatedTextOut(panel.PlotRect.Left + 10, panel.PlotRect.Bottom - 10, 90, "Up the side");
        c.RotatedTextOut(panel.PlotRect.Left + 120, panel.PlotRect.Top + 20, 315, "Down at 45");
        Canvas& g = *c.ReferenceCanvas();
        g.SetPen({ClBlack, 1, PenStyle::Dot, PenMode::Copy});
        c.HorizLine(panel.PlotRect.Left, panel.PlotRect.Right, panel.PlotYCenter);
    };
    ExpectLikeReference(PaintPanel(panel), "chart_panel_gradient_titles.png");
}

// A fast line of 600 points of a walk on both axes, with the grid, axis titles and a second, thinner line
// on the right axis.
TEST(QtCanvasPictures, AFastLineChartWithAxesGridAndTitles) {
    PlotPanel panel(480, 320);
    panel.SetColor(ClWhite);
    TFastLineSeries walk, average;
    panel.AddSeries(walk);
    panel.AddSeries(average);
    // A walk from a fixed linear congruential sequence: the same picture on every machine.
    std::uint32_t seed = 12345;
    double y = 100, mean = 100;
    for (int i = 0; i < 600; ++i) {
        seed = seed * 1664525u + 1013904223u;
        y += (double(seed >> 8) / double(1u << 24) - 0.5) * 4;
        mean += (y - mean) / 20;
        walk.AddPoint(i, y);
        average.AddPoint(i, mean * 10);
    }
    walk.SetSeriesColor(ClNavy);
    average.SetSeriesColor(ClRed);
    average.SetVertAxis(aRightAxis);
    panel.BottomAxis()->Title.SetCaption("Day");
    panel.LeftAxis()->Title.SetCaption("Price");
    panel.RightAxis()->Title.SetCaption("Average x 10");
    panel.RightAxis()->Grid.SetVisible(false);
    ExpectLikeReference(PaintPanel(panel), "chart_fast_line_axes.png");
}

// A flat chart of three fast lines with a title, the legend at the right listing the series (with lines
// between its items), and the same chart's points listed in a legend below when only one line is active.
TEST(QtCanvasPictures, AChartWithItsLegendAtTheRightAndBelow) {
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 480, 320);
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    chart.SetColor(ClWhite);
    chart.Title().SetText({"Sales by region"});
    TFastLineSeries north, south, east;
    const char* names[] = {"North", "South", "East"};
    TFastLineSeries* lines[] = {&north, &south, &east};
    const TColor colours[] = {ClNavy, ClRed, ClGreen};
    for (int k = 0; k < 3; ++k) {
        lines[k]->SetTitle(names[k]);
        lines[k]->SetSeriesColor(colours[k]);
        for (int i = 0; i < 8; ++i) lines[k]->AddPoint(i, 20 + 10 * k + ((i * (k + 3)) % 7) * 5, "Q" + std::to_string(i + 1));
        chart.AddSeries(*lines[k]);
    }
    chart.Legend().DividingLines().SetVisible(true);
    ExpectLikeReference(PaintPanel(chart), "chart_legend_right.png");

    south.SetActive(false);
    east.SetActive(false);
    chart.Legend().SetAlignment(TLegendAlignment::laBottom);
    chart.Legend().SetColor(0xE0FFFF);
    chart.Legend().SetTextStyle(ltsRightValue);
    ExpectLikeReference(PaintPanel(chart), "chart_legend_bottom.png");
}

// The window's canvas lives across paints: a chart painted again into it looks as it did the first time
// (the left axis' right-aligned labels do not move the legend's or the title's texts), buffered or not.
TEST(QtCanvasPictures, AChartPaintedAgainIntoTheSameCanvasLooksTheSame) {
    for (bool buffered : {false, true}) {
        SCOPED_TRACE(buffered ? "buffered" : "drawn straight onto the canvas");
        TChart chart(nullptr);
        chart.SetBounds(0, 0, 400, 250);
        chart.SetView3D(false);
        chart.SetBufferedDisplay(buffered);
        chart.Title().SetText({"Title"});
        TFastLineSeries first, second;
        for (TFastLineSeries* s : {&first, &second}) {
            for (int i = 0; i < 6; ++i) s->AddPoint(i, 100 * i + (s == &first ? 0 : 50));
            chart.AddSeries(*s);
        }
        QImage image = WhiteImage(400, 250);
        QtCanvas canvas(image);
        chart.Paint(canvas);
        const QImage once = image.copy();
        image.fill(Qt::white);
        chart.Invalidate();  // drawn again, not copied from the buffer
        chart.Paint(canvas);
        EXPECT_TRUE(image == once);
    }
}

// A 480 x 320 flat chart titled "Printed chart" with two fast lines, Up in blue and Down in red, as the
// print preview pictures print it.
struct PrintedChart {
    TChart chart{nullptr};
    TFastLineSeries up, down;
    PrintedChart() {
        chart.SetBounds(0, 0, 480, 320);
        chart.SetView3D(false);
        chart.SetBufferedDisplay(false);
        chart.Title().SetText({"Printed chart"});
        up.SetTitle("Up");
        down.SetTitle("Down");
        up.SetSeriesColor(ClBlue);
        down.SetSeriesColor(ClRed);
        for (int i = 0; i < 10; ++i) {
            up.AddPoint(i, i * i);
            down.AddPoint(i, 81 - i * i);
        }
        chart.AddSeries(up);
        chart.AddSeries(down);
    }
};

// The print preview's paper on a landscape page with a chart and its legend inside the default margins, the
// guide lines around it, and the shadow.
TEST(QtCanvasPictures, APrintPreviewPage) {
    HeadlessLoop loop{true};
    Application app{loop};
    app.ScriptedPrinterService().pageSize = {3508, 2480};
    PrintedChart printed;
    TChart& chart = printed.chart;
    TChartPreviewPage page(nullptr, "Page", app);
    page.SetBounds(0, 0, 420, 320);
    page.SetImage(&chart);
    QImage image = WhiteImage(420, 320);
    QtCanvas canvas(image);
    page.Paint(canvas);
    ExpectLikeReference(image, "print_preview_page.png");
}

// The print preview's paper at sizes from wide to tall, with the page upright and across, the chart drawn as
// calls and as a picture: the page drawn with the chart and without it differ only inside the chart's
// rectangle (no chart pixel lies outside the margins), and there the chart fills its rectangle.
TEST(QtCanvasPictures, APrintPreviewDrawsNoChartPixelOutsideTheMargins) {
    HeadlessLoop loop{true};
    Application app{loop};
    QtRaster raster;
    app.SetRaster(&raster);
    app.ScriptedPrinterService().pageSize = {2480, 3508};
    PrintedChart printed;
    TChart& chart = printed.chart;
    chart.SetPrintProportional(false);
    TChartPreviewPage page(nullptr, "Page", app);
    page.SetImage(&chart);
    page.SetShowMargins(false);
    struct Size2 { int w, h; };
    const Size2 sizes[] = {{420, 320}, {1000, 400}, {220, 600}};
    const std::array<int, 4> marginSets[] = {{15, 15, 15, 15}, {5, 30, 40, 10}, {0, 0, 0, 0}};
    for (const bool asBitmap : {false, true}) {
        page.AsBitmap = asBitmap;
        for (const PaperOrientation orientation : {PaperOrientation::Portrait, PaperOrientation::Landscape}) {
            app.Printer().SetOrientation(orientation);
            for (const Size2& size : sizes) {
                for (const auto& margins : marginSets) {
                    SCOPED_TRACE(std::string(asBitmap ? "a picture " : "calls ") + std::to_string(size.w) + "x" +
                                 std::to_string(size.h) + (orientation == PaperOrientation::Landscape ? " across" : " upright") +
                                 " margins " + std::to_string(margins[0]) + "," + std::to_string(margins[1]) + "," +
                                 std::to_string(margins[2]) + "," + std::to_string(margins[3]));
                    chart.PrintMargins = margins;
                    page.SetBounds(0, 0, size.w, size.h);
                    auto draw = [&](bool withChart) {
                        page.ShowImage = withChart;
                        QImage image = WhiteImage(size.w, size.h);
                        QtCanvas canvas(image);
                        page.Paint(canvas);
                        return image;
                    };
                    const QImage without = draw(false), with = draw(true);
                    const PixelRect r = page.ChartRect;
                    QRect changed;
                    int outside = 0;
                    for (int y = 0; y < size.h; ++y)
                        for (int x = 0; x < size.w; ++x) {
                            if (with.pixel(x, y) == without.pixel(x, y)) continue;
                            changed |= QRect(x, y, 1, 1);
                            if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) ++outside;
                        }
                    EXPECT_EQ(outside, 0) << "chart pixels outside (" << r.Left << "," << r.Top << ")-(" << r.Right << ","
                                          << r.Bottom << "): drawn over (" << changed.left() << "," << changed.top()
                                          << ")-(" << changed.right() + 1 << "," << changed.bottom() + 1 << ")";
                    EXPECT_GE(changed.width(), r.Width() * 3 / 4) << "the chart fills its rectangle across";
                    EXPECT_GE(changed.height(), r.Height() * 3 / 4) << "and down";
                }
            }
        }
    }
    app.SetRaster(nullptr);
}

}  // namespace
}  // namespace fv
