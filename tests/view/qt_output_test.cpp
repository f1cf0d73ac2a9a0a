// The output services on Qt: a chart saved as BMP and read back by Qt's reader, printed to a PDF file
// through Qt's printer, and put on the clipboard. The pictures are left in the build folder to look at.
#include <gtest/gtest.h>

#include <cstdio>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <filesystem>

#include "chart/chart.h"
#include "platform/fs/files.h"
#include "view/qt_canvas.h"
#include "view/qt_convert.h"
#include "view/qt_output.h"

namespace fv {
namespace {

std::string BuildFile(const std::string& name) { return (std::filesystem::path(FOLIVEX_BINARY_DIR) / name).string(); }

// A flat chart with a title and a rising series, drawn without buffering.
struct SampleChart {
    TChart chart{nullptr, "SalesChart"};
    TChartSeries series;
    SampleChart() {
        chart.SetView3D(false);
        chart.SetColor(ClSilver);
        chart.Title().SetText({"Sales"});
        series.Marks().SetVisible(true);
        series.Marks().SetStyle(TSeriesMarksStyle::smsValue);
        for (int i = 0; i < 6; ++i) series.AddPoint(i, i * i);
        chart.AddSeries(series);
    }
};

TEST(QtOutput, ASavedBitmapReadsBackAsTheChartDrawnOnScreen) {
    SampleChart s;
    QtRaster raster;
    const std::string path = BuildFile("qt_output_chart.bmp");
    s.chart.SaveToBitmapFile(raster, path);
    QImage read(QString::fromStdString(path));
    ASSERT_FALSE(read.isNull()) << "Qt cannot read the BMP file";
    EXPECT_EQ(read.size(), QSize(400, 250));
    read.save(QString::fromStdString(BuildFile("qt_output_chart.png")));

    // The same chart drawn straight onto a raster: every pixel alike.
    std::unique_ptr<Surface> direct = CreateRasterSurface(400, 250);
    s.chart.SetBufferedDisplay(false);
    s.chart.DrawToCanvas(direct->GetCanvas(), s.chart.ChartBounds());
    const QImage want = ToQImage(direct->ToBitmap()).convertToFormat(QImage::Format_RGB32);
    read = read.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 400; ++x) differing += read.pixel(x, y) != want.pixel(x, y);
    EXPECT_EQ(differing, 0);
    // The panel's own colour is the background, not a pre-fill.
    EXPECT_EQ(QColor(read.pixel(5, 5)), QColor(0xC0, 0xC0, 0xC0));
}

TEST(QtOutput, PrintingToAPdfFileWritesOnePageWithTheChart) {
    SampleChart s;
    QtPrinter printer;
    printer.OutputFileName = BuildFile("qt_output_chart.pdf");
    std::filesystem::remove(printer.OutputFileName);
    const Size page = printer.PageSize();
    EXPECT_GT(page.Width, 1000);  // a page at 200 dots per inch
    EXPECT_GT(page.Height, page.Width);
    s.chart.Print(printer);
    EXPECT_FALSE(printer.Printing());
    const std::optional<std::string> pdf = ReadWholeFile(printer.OutputFileName);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
    EXPECT_NE(pdf->find("/Image"), std::string::npos);  // the page picture,
    EXPECT_EQ(pdf->find("/DCTDecode"), std::string::npos);  // compressed without loss
    // The job's title, in UTF-16 as the PDF's document information keeps it.
    std::string title;
    for (char ch : std::string("SalesChart")) title += std::string(1, '\0') + ch;
    EXPECT_NE(pdf->find(title), std::string::npos);
}

TEST(QtOutput, ThePageIsTurnedAsTheOrientationSays) {
    QtPrinter printer;
    printer.OutputFileName = BuildFile("qt_output_turned.pdf");
    printer.SetOrientation(PaperOrientation::Portrait);
    const Size portrait = printer.PageSize();
    EXPECT_GT(portrait.Height, portrait.Width);
    printer.SetOrientation(PaperOrientation::Landscape);
    const Size landscape = printer.PageSize();
    EXPECT_GT(landscape.Width, landscape.Height) << "turned";
    // The same paper, turned: the printable area keeps its sides within the margins' difference.
    EXPECT_NEAR(landscape.Width, portrait.Height, 0.05 * portrait.Height);
    EXPECT_NEAR(landscape.Height, portrait.Width, 0.05 * portrait.Width);

    // A job printed turned has a page wider than high.
    SampleChart s;
    std::filesystem::remove(printer.OutputFileName);
    s.chart.Print(printer);
    const std::optional<std::string> pdf = ReadWholeFile(printer.OutputFileName);
    ASSERT_TRUE(pdf);
    const std::size_t box = pdf->find("/MediaBox [");
    ASSERT_NE(box, std::string::npos);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_EQ(std::sscanf(pdf->c_str() + box + 11, "%lf %lf %lf %lf", &x0, &y0, &x1, &y1), 4);
    EXPECT_GT(x1 - x0, y1 - y0) << "the printed page lies in landscape";
}

TEST(QtOutput, WithoutAPrinterOrFileAJobDoesNotStart) {
    QtPrinter printer;
    if (!printer.Printers().empty()) GTEST_SKIP() << "this machine has printers; the case needs none";
    SampleChart s;
    EXPECT_THROW(s.chart.Print(printer), std::runtime_error);
    EXPECT_FALSE(printer.Printing());
}

TEST(QtOutput, TheClipboardTakesBitmapsAndMetafiles) {
    SampleChart s;
    QtRaster raster;
    QtClipboard clipboard;
    s.chart.CopyToClipboardBitmap(raster, clipboard);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(400, 250));
    s.chart.CopyToClipboardMetafile(clipboard, true);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("image/x-emf").mid(40, 4), QByteArray(" EMF"));
}

}  // namespace
}  // namespace fv
