// The output services on Qt: a chart saved as BMP and read back by Qt's reader, printed to a PDF file
// through Qt's printer (upright and across, with the setup dialog's choice), and put on the clipboard. The
// pictures are left in the build folder to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "chart/chart.h"
#include "chartui/window/chart_preview.h"
#include "chartui/window/print_preview.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "program/program.h"
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

TEST(QtOutput, WithoutAPrinterOrFileAJobDoesNotStartAndTheMessageSaysHowToPrintToAFile) {
    QtPrinter printer;
    if (!printer.Printers().empty()) GTEST_SKIP() << "this machine has printers; the case needs none";
    SampleChart s;
    try {
        s.chart.Print(printer);
        ADD_FAILURE() << "a job started without a printer or a file";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("\"Printer Setup...\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("PDF file"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(printer.Printing());
}

// The page of a PDF file as pdfinfo reads it: its size in points and whether it lies across.
struct PdfPage {
    int pages = 0;
    double width = 0, height = 0;
};

std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
}

bool HaveCommand(const std::string& name) { return RunCommand("command -v " + name + " >/dev/null 2>&1 && echo y").has_value(); }

PdfPage ReadPdfPage(const std::string& path) {
    PdfPage page;
    const std::optional<std::string> info = RunCommand("pdfinfo '" + path + "'");
    if (!info) return page;
    std::istringstream lines(*info);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Pages:", 0) == 0) page.pages = std::stoi(line.substr(6));
        if (line.rfind("Page size:", 0) == 0) std::sscanf(line.c_str() + 10, " %lf x %lf", &page.width, &page.height);
    }
    return page;
}

// The rectangle of the page's pixels that are not white, on the page rendered at `dpi`.
QRect DrawnArea(const std::string& pdf, int dpi) {
    const std::string png = pdf + ".render";
    if (!RunCommand("pdftoppm -r " + std::to_string(dpi) + " -singlefile -png '" + pdf + "' '" + png + "'"))
        return {};
    const QImage page(QString::fromStdString(png + ".png"));
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (QColor(page.pixel(x, y)).lightness() < 250) area |= QRect(x, y, 1, 1);
    return area;
}

// Where a chart printed with the margins lands on a PDF page, as fractions of the page's printable part
// (left, top, right, bottom), measured on the page rendered by pdftoppm.
struct PrintedChart {
    PdfPage pdf;
    std::array<double, 4> drawn{};  // the chart's drawn pixels
    PixelRect previewPaper, previewChart;
};

PrintedChart PrintToPdf(PaperOrientation orientation, const std::array<int, 4>& margins, const std::string& name) {
    SampleChart s;
    s.chart.SetPrintProportional(false);
    s.chart.PrintMargins = margins;
    QtPrinter printer;
    printer.OutputFileName = BuildFile(name);
    std::filesystem::remove(printer.OutputFileName);
    printer.SetOrientation(orientation);
    PrintedChart out;
    // The preview's paper and chart for the same printer.
    HeadlessLoop loop{true};
    Application app{loop};
    app.SetPrinter(&printer);
    TChartPreviewPage preview(nullptr, "Page", app);
    preview.SetBounds(0, 0, 400, 400);
    preview.SetImage(&s.chart);
    preview.CalcRects();
    out.previewPaper = preview.PaperRect;
    out.previewChart = preview.ChartRect;

    s.chart.Print(printer);
    out.pdf = ReadPdfPage(printer.OutputFileName);
    QPrinter probe(QPrinter::ScreenResolution);
    probe.setOutputFormat(QPrinter::PdfFormat);
    probe.setPageOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const int dpi = 50;
    const QRect p = probe.pageLayout().paintRectPixels(dpi);
    const QRect d = DrawnArea(printer.OutputFileName, dpi);
    if (!d.isEmpty())
        out.drawn = {double(d.left() - p.left()) / p.width(), double(d.top() - p.top()) / p.height(),
                     double(d.right() + 1 - p.left()) / p.width(), double(d.bottom() + 1 - p.top()) / p.height()};
    return out;
}

// The same chart printed to PDF files upright and across with two sets of margins: the file has one page of
// A4 turned as chosen, the preview's paper is turned the same way, and the chart is the picture printed
// without margins, scaled into the part of the page the preview shows inside the margins.
TEST(QtOutput, APrintedPageIsTurnedAsChosenAndTheChartSitsInsideItsMargins) {
    if (!HaveCommand("pdfinfo") || !HaveCommand("pdftoppm")) GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    struct Case {
        PaperOrientation orientation;
        std::array<int, 4> margins;
        const char* why;
    } cases[] = {
        {PaperOrientation::Portrait, {15, 15, 15, 15}, "upright, the default margins"},
        {PaperOrientation::Landscape, {15, 15, 15, 15}, "across, the default margins"},
        {PaperOrientation::Portrait, {5, 30, 40, 10}, "upright, each margin its own"},
        {PaperOrientation::Landscape, {5, 30, 40, 10}, "across, each margin its own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const bool across = c.orientation == PaperOrientation::Landscape;
        const std::string side = across ? "across" : "upright";
        const PrintedChart whole = PrintToPdf(c.orientation, {0, 0, 0, 0}, "qt_output_whole_" + side + ".pdf");
        const PrintedChart printed = PrintToPdf(
            c.orientation, c.margins, "qt_output_margins_" + side + "_" + std::to_string(c.margins[0]) + ".pdf");
        EXPECT_EQ(printed.pdf.pages, 1);
        EXPECT_NEAR(std::max(printed.pdf.width, printed.pdf.height), 841.9, 1.0) << "A4";
        EXPECT_EQ(printed.pdf.width > printed.pdf.height, across) << printed.pdf.width << " x " << printed.pdf.height;
        EXPECT_EQ(printed.previewPaper.Width() > printed.previewPaper.Height(), across);
        ASSERT_GT(whole.drawn[2], 0.5) << "nothing drawn on the page";

        // The margins as the preview shows them, in fractions of its paper.
        const PixelRect& paper = printed.previewPaper;
        const PixelRect& chart = printed.previewChart;
        const double left = double(chart.Left - paper.Left) / paper.Width();
        const double right = double(chart.Right - paper.Left) / paper.Width();
        const double top = double(chart.Top - paper.Top) / paper.Height();
        const double bottom = double(chart.Bottom - paper.Top) / paper.Height();
        EXPECT_NEAR(left, c.margins[0] / 100.0, 0.01);
        EXPECT_NEAR(bottom, 1 - c.margins[3] / 100.0, 0.01);
        const double tolerance = 0.012;  // a pixel or two of either picture
        EXPECT_NEAR(printed.drawn[0], left + whole.drawn[0] * (right - left), tolerance);
        EXPECT_NEAR(printed.drawn[2], left + whole.drawn[2] * (right - left), tolerance);
        EXPECT_NEAR(printed.drawn[1], top + whole.drawn[1] * (bottom - top), tolerance);
        EXPECT_NEAR(printed.drawn[3], top + whole.drawn[3] * (bottom - top), tolerance);
    }
}

// The setup dialog as a user answers it: a PDF file, across. The print preview shows the paper across and
// prints to that file; a cancelled dialog changes nothing.
TEST(QtOutput, TheSetupDialogsChoiceIsWhatThePreviewShowsAndPrints) {
    QtPrinter printer;
    const std::string file = BuildFile("qt_output_setup.pdf");
    std::filesystem::remove(file);
    printer.SetupDialog = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(file));
        p.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    HeadlessLoop loop{true};
    Application app{loop};
    app.SetPrinter(&printer);
    Program program(app);
    SampleChart s;
    s.chart.SetBounds(0, 0, 300, 200);
    TChartPreview dialog(nullptr, program);
    dialog.ChartPreviewPage->SetBounds(130, 41, 400, 300);
    dialog.ChartPreviewPage->SetImage(&s.chart);
    dialog.Show();
    dialog.Orientation->SetItemIndex(0);  // upright first
    ASSERT_EQ(printer.Orientation(), PaperOrientation::Portrait);
    dialog.BSetupPrinter->Click();
    EXPECT_EQ(printer.OutputFileName, file);
    EXPECT_EQ(printer.Orientation(), PaperOrientation::Landscape);
    EXPECT_EQ(dialog.Orientation->ItemIndex(), 1) << "the preview shows the dialog's orientation";
    dialog.ChartPreviewPage->CalcRects();
    EXPECT_GT(dialog.ChartPreviewPage->PaperRect.Width(), dialog.ChartPreviewPage->PaperRect.Height());
    dialog.BPrint->Click();
    EXPECT_EQ(ReadPdfPage(file).pages, HaveCommand("pdfinfo") ? 1 : 0);
    ASSERT_TRUE(std::filesystem::exists(file));

    printer.SetupDialog = [&](QPrinter& p) {
        p.setPageOrientation(QPageLayout::Portrait);
        p.setOutputFileName(QString::fromStdString(BuildFile("qt_output_cancelled.pdf")));
        return false;
    };
    dialog.BSetupPrinter->Click();
    EXPECT_EQ(printer.OutputFileName, file) << "a cancelled setup keeps the file";
    EXPECT_EQ(printer.Orientation(), PaperOrientation::Landscape);
}

// Qt's own print dialog, confirmed as it opens: with no printer it offers the PDF file the job goes to.
TEST(QtOutput, QtsPrintDialogConfirmedKeepsThePdfFile) {
    QtPrinter printer;
    printer.OutputFileName = BuildFile("qt_output_dialog.pdf");
    printer.SetOrientation(PaperOrientation::Landscape);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        seen = qobject_cast<QPrintDialog*>(dialog) != nullptr;
        if (auto* d = qobject_cast<QDialog*>(dialog)) d->accept();
    });
    EXPECT_TRUE(printer.Setup());
    EXPECT_TRUE(seen) << "the print dialog was shown";
    EXPECT_EQ(printer.OutputFileName, BuildFile("qt_output_dialog.pdf"));
    EXPECT_EQ(printer.Orientation(), PaperOrientation::Landscape);
}

// A printer number off the list changes nothing: the job still goes to the PDF file. (Choosing a printer
// of the list is tried against a real scheduler in cups_printing_test.cpp.)
TEST(QtOutput, APrinterNumberOffTheListKeepsThePdfFile) {
    QtPrinter printer;
    printer.OutputFileName = BuildFile("qt_output_chosen.pdf");
    const std::vector<std::string> names = printer.Printers();
    printer.SetPrinterIndex(int(names.size()));
    printer.SetPrinterIndex(-1);
    EXPECT_EQ(printer.OutputFileName, BuildFile("qt_output_chosen.pdf"));
    EXPECT_TRUE(printer.PrinterName.empty());
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
