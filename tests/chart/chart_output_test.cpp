// A chart drawn into bitmaps and metafiles and onto paper: the picture sizes, the pre-fill rule, the
// mapping of the chart onto the page, the print rectangles, and the failures and degenerate inputs that
// must neither crash nor leave the chart printing.
#include <gtest/gtest.h>

#include <filesystem>

#include "chart/chart.h"
#include "platform/app/scripted_output.h"
#include "platform/fs/files.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {
namespace {

struct OutputChart : ::testing::Test {
    TChart chart{nullptr, "Chart1"};
    TChartSeries series;
    ScriptedPrinter printer;
    ScriptedRaster raster;
    ScriptedClipboard clipboard;
    void SetUp() override {
        chart.SetView3D(false);
        chart.Title().SetText({"Sales"});
        for (int i = 0; i < 5; ++i) series.AddPoint(i, i * i);
        chart.AddSeries(series);
    }
    // Where a print went: the device rectangle it was clipped to first.
    static PixelRect FirstClip(const RecordingCanvas& c) {
        for (const CanvasCall& call : c.Calls("Clip")) return call.State.Clip.Bounds();
        return {};
    }
    static int TitleFontSize(const RecordingCanvas& c) {
        for (const CanvasCall& call : c.Calls("Text"))
            if (call.Text == "Sales") return call.State.CanvasFont.Size;
        return -1;
    }
};

TEST_F(OutputChart, PrintingMapsTheChartOntoTheRectangle) {
    RecordingCanvas page;
    chart.PrintOnCanvas(page, {900, 700, 100, 200});  // given the wrong way round
    EXPECT_EQ(FirstClip(page), (PixelRect{100, 200, 900, 700}));
    const int atFullSize = TitleFontSize(page);
    EXPECT_GT(atFullSize, 0);
    EXPECT_FALSE(chart.Printing);
    EXPECT_TRUE(page.GetMapping().IsIdentity());  // the canvas' own mapping comes back
    EXPECT_FALSE(page.GetClip().Active);

    // Half the logical size: the same place on paper, texts twice as large.
    chart.SetPrintResolution(50);
    RecordingCanvas half;
    chart.PrintOnCanvas(half, {100, 200, 900, 700});
    EXPECT_EQ(FirstClip(half), (PixelRect{100, 200, 900, 700}));
    EXPECT_NEAR(TitleFontSize(half), 2 * atFullSize, 1);
}

// A rectangle on the page in the units the chart is laid out in on paper: a preview that draws the chart
// for it and stretches the picture into its page shows what the paper gets.
TEST_F(OutputChart, ScalePrintRectGivesThePagesRectangleInTheChartsPrintUnits) {
    chart.SetBounds(0, 0, 400, 250);
    struct Case { int resolution; PixelRect page, expected; const char* why; } cases[] = {
        {0, {600, 400, 3600, 2400}, {80, 50, 480, 300}, "the chart's own size: 3000 x 2000 page pixels are 400 x 250"},
        {50, {600, 400, 3600, 2400}, {40, 25, 240, 150}, "half the logical size: texts relatively twice as large"},
        {0, {3600, 2400, 600, 400}, {80, 50, 480, 300}, "given the wrong way round"},
        {0, {600, 400, 600, 2400}, {0, 0, 0, 0}, "an empty rectangle has no scale"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.SetPrintResolution(c.resolution);
        EXPECT_EQ(chart.ScalePrintRect(c.page), c.expected);
    }
    // Printing draws the chart for exactly that rectangle: the mapped clip is the page rectangle.
    chart.SetPrintResolution(0);
    RecordingCanvas page;
    chart.PrintOnCanvas(page, {600, 400, 3600, 2400});
    EXPECT_EQ(FirstClip(page), (PixelRect{600, 400, 3600, 2400}));
}

TEST_F(OutputChart, DegenerateTargetsPrintNothingAndStoredExtremesAreClamped) {
    struct Case { PixelRect target; int resolution; int width; bool draws; const char* why; } cases[] = {
        {{100, 100, 100, 500}, 0, 400, false, "an empty rectangle has no scale"},
        {{100, 100, 500, 100}, 0, 400, false, "nor one of no height"},
        {{0, 0, 800, 500}, 0, 0, false, "an empty chart has no logical size"},
        {{0, 0, 800, 500}, 100, 400, true, "100 % would leave no logical size: it is kept below"},
        {{0, 0, 800, 500}, 1000, 400, true, "so is any larger stored value"},
        {{0, 0, 800, 500}, -100000, 400, true, "a huge negative one does not overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.SetPrintResolution(c.resolution);
        chart.SetWidth(c.width);
        RecordingCanvas page;
        chart.PrintOnCanvas(page, c.target);
        EXPECT_EQ(!page.Calls().empty(), c.draws);
        EXPECT_FALSE(chart.Printing);
    }
}

TEST_F(OutputChart, APrintJobRunsBeginPrintEndAndAFailureAbortsIt) {
    chart.PrintJobInRect(printer, {200, 100, 1000, 600});
    EXPECT_EQ(printer.log, (std::vector<std::string>{"begin Chart1", "end"}));
    EXPECT_EQ(FirstClip(printer.pages.back()), (PixelRect{200, 100, 1000, 600}));

    printer.log.clear();
    chart.OnAfterDraw = [](Component*) { throw std::runtime_error("out of paper"); };
    EXPECT_THROW(chart.PrintJobInRect(printer, {100, 100, 1100, 800}), std::runtime_error);
    EXPECT_EQ(printer.log, (std::vector<std::string>{"begin Chart1", "abort"}));
    EXPECT_FALSE(chart.Printing);
    EXPECT_FALSE(printer.Printing());
    // The failed drawing left nothing behind: not drawing to a picture, buffered again, and not holding
    // on to the page's canvas (the chart was never on screen, so it holds none).
    EXPECT_FALSE(chart.Canvas3D().DrawingToImage);
    EXPECT_TRUE(chart.BufferedDisplay());
    EXPECT_EQ(chart.Canvas3D().ReferenceCanvas(), nullptr);

    printer.log.clear();
    chart.OnAfterDraw = nullptr;
    printer.FailBegin = true;
    EXPECT_THROW(chart.Print(printer), std::runtime_error);
    EXPECT_TRUE(printer.log.empty());
}

TEST_F(OutputChart, PrintRectanglesFollowTheMargins) {
    chart.SetPrintProportional(false);
    struct Case { std::array<int, 4> margins; Size page; PixelRect rect; const char* why; } cases[] = {
        {{15, 15, 15, 15}, {2480, 3508}, {372, 526, 2108, 2982}, "the default margins"},
        {{0, 10, 20, 30}, {1000, 1000}, {0, 100, 800, 700}, "each margin its own side"},
        {{60, 50, 40, 50}, {1000, 1000}, {580, 490, 600, 510}, "pairs of 100 % leave 2 % of the page"},
        {{-20, 200, 10, 0}, {1000, 1000}, {0, 980, 900, 1000}, "each margin is taken as 0..100 first"},
        {{15, 15, 15, 15}, {0, 0}, {0, 0, 0, 0}, "no page: an empty rectangle, which prints nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart.PrintMargins = c.margins;
        printer.pageSize = c.page;
        EXPECT_EQ(chart.CalcPrintRect(printer), c.rect);
    }
}

TEST_F(OutputChart, ProportionalMarginsKeepTheChartsShape) {
    // 400 x 250 on A4 at 300 dpi: round((3508 - 0.6 x 2480 x 250/400) x 100 / 3508) = 73, halved.
    EXPECT_EQ(chart.CalcProportionalPrintRect(printer), (std::array<int, 4>{15, 36, 15, 36}));
    chart.SetBounds(0, 0, 200, 400);  // tall: the side margins give way
    // round((2480 - 0.6 x 3508 x 200/400) x 100 / 2480) = 58, halved.
    EXPECT_EQ(chart.CalcProportionalPrintRect(printer), (std::array<int, 4>{29, 15, 29, 15}));
    chart.PrintMargins = {1, 2, 3, 4};
    chart.SetBounds(0, 0, 0, 400);
    EXPECT_EQ(chart.CalcProportionalPrintRect(printer), (std::array<int, 4>{1, 2, 3, 4}));  // nothing to keep
    chart.SetBounds(0, 0, 400, 250);
    printer.dpi = {0, 0};
    EXPECT_EQ(chart.CalcProportionalPrintRect(printer), (std::array<int, 4>{1, 2, 3, 4}));
}

TEST_F(OutputChart, BitmapsArePreFilledOnlyWithAColourOtherThanWhite) {
    Bitmap white = chart.CreateBitmapImage(raster, ClWhite, chart.ChartBounds());
    EXPECT_EQ(white.Width, 400);
    EXPECT_EQ(white.Height, 250);
    // The first fill is the chart's own background, in the panel's colour.
    const CanvasCall& first = raster.last->Calls().front();
    EXPECT_EQ(first.State.CanvasBrush.BrushColor, chart.GetColor());

    chart.CreateBitmapImage(raster, ClRed, chart.ChartBounds());
    const CanvasCall& fill = raster.last->Calls().front();
    EXPECT_EQ(fill.Op, "FillRect");
    EXPECT_EQ(fill.State.CanvasBrush.BrushColor, ClRed);
    EXPECT_TRUE(chart.CreateBitmapImage(raster, ClRed, {5, 5, 5, 50}).Empty());
    EXPECT_TRUE(chart.BufferedDisplay());  // restored
}

TEST_F(OutputChart, SavedBitmapAndMetafilesHaveTheChartsSize) {
    const std::string dir = ::testing::TempDir();
    const std::string bmp = dir + "/chart_output_test.bmp";
    chart.SaveToBitmapFile(raster, bmp);
    const std::string bytes = *ReadWholeFile(bmp);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.size(), 54u + 1200u * 250u);  // 400 pixels of 3 bytes a row

    const std::string emf = dir + "/chart_output_test.emf";
    chart.SaveToMetafileEnh(emf);
    EXPECT_EQ(ReadWholeFile(emf)->substr(40, 4), " EMF");
    const std::string wmf = dir + "/chart_output_test.wmf";
    chart.SaveToMetafile(wmf);
    EXPECT_EQ(ReadWholeFile(wmf)->substr(0, 4), "\xD7\xCD\xC6\x9A");

    EXPECT_THROW(chart.SaveToBitmapFile(raster, dir + "/no/such/dir/x.bmp"), std::runtime_error);
    for (const std::string& f : {bmp, emf, wmf}) std::filesystem::remove(f);
}

TEST_F(OutputChart, AMetafileIsOnePixelSmallerAndNeverEmpty) {
    Metafile m = chart.CreateMetafileImage(true, chart.ChartBounds());
    EXPECT_EQ(m.Width, 399);
    EXPECT_EQ(m.Height, 249);
    EXPECT_FALSE(m.Records.empty());
    EXPECT_FALSE(chart.Canvas3D().DrawingToImage);
    chart.SetBounds(0, 0, 1, 1);
    m = chart.CreateMetafileImage(false, chart.ChartBounds());
    EXPECT_EQ(m.Width, 1);
    EXPECT_EQ(m.Height, 1);
    EXPECT_FALSE(m.Enhanced);
}

TEST_F(OutputChart, ClipboardCopiesTakeTheBitmapOrTheMetafile) {
    chart.CopyToClipboardBitmap(raster, clipboard);
    EXPECT_EQ(clipboard.bitmap.Width, 400);
    chart.CopyToClipboardMetafile(clipboard, true);
    EXPECT_TRUE(clipboard.enhanced);
    EXPECT_EQ(clipboard.metafile.substr(40, 4), " EMF");
    chart.CopyToClipboardMetafile(clipboard, false);
    EXPECT_FALSE(clipboard.enhanced);
    EXPECT_EQ(clipboard.metafile.substr(0, 4), "\xD7\xCD\xC6\x9A");
}

}  // namespace
}  // namespace fv
