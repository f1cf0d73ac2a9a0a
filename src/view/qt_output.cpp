// The printer, clipboard and raster pictures on Qt.
#include "view/qt_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

#include "view/qt_canvas.h"
#include "view/qt_convert.h"

namespace fv {

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
    if (Printing()) Abort();
}

std::vector<std::string> QtPrinter::Printers() {
    std::vector<std::string> names;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(n.toStdString());
    return names;
}

void QtPrinter::Configure(QPrinter& p) const {
    p.setResolution(Resolution);
    if (!OutputFileName.empty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(OutputFileName));
    } else if (!PrinterName.empty()) {
        p.setPrinterName(QString::fromStdString(PrinterName));
    }
    if (paper) p.setPageSize(*paper);
    // The page is turned as the program chose, for its size as for the job.
    p.setPageOrientation(orientation == PaperOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int QtPrinter::PrinterIndex() {
    const std::vector<std::string> names = Printers();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == PrinterName) return printerIndex = int(i);
    return printerIndex;
}

void QtPrinter::SetPrinterIndex(int index) {
    printerIndex = index;
    const std::vector<std::string> names = Printers();
    if (index < 0 || std::size_t(index) >= names.size()) return;
    PrinterName = names[std::size_t(index)];
    OutputFileName.clear();
}

bool QtPrinter::Setup() {
    QPrinter p(QPrinter::ScreenResolution);
    Configure(p);
    // Without a printer the dialog offers a PDF file; it starts with the last one or one in the home folder.
    if (OutputFileName.empty() && Printers().empty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QDir::home().filePath(QString::fromStdString(Title.empty() ? "chart" : Title) + ".pdf"));
    }
    bool confirmed = false;
    if (SetupDialog) {
        confirmed = SetupDialog(p);
    } else {
        QPrintDialog dialog(&p, QApplication::activeWindow());
        dialog.setWindowTitle(QStringLiteral("Printer Setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed) return false;
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty()) {
        OutputFileName = p.outputFileName().toStdString();
    } else {
        OutputFileName.clear();
        PrinterName = p.printerName().toStdString();
        PrinterIndex();
    }
    paper = std::make_unique<QPageSize>(p.pageLayout().pageSize());
    orientation = p.pageLayout().orientation() == QPageLayout::Landscape ? PaperOrientation::Landscape
                                                                         : PaperOrientation::Portrait;
    return true;
}

Size QtPrinter::PageSize() {
    QPrinter probe(QPrinter::ScreenResolution);
    Configure(probe);
    const QRect r = probe.pageLayout().paintRectPixels(Resolution);
    return {r.width(), r.height()};
}

void QtPrinter::BeginDoc() {
    if (Printing()) throw std::runtime_error("Printing in progress");
    printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    Configure(*printer);
    if (OutputFileName.empty() && printer->printerName().isEmpty())
        throw std::runtime_error(
            "There is no default printer currently selected. To print to a PDF file, choose it with "
            "\"Printer Setup...\" in the print preview.");
    printer->setDocName(QString::fromStdString(Title));
    if (!painter.begin(printer.get())) {
        printer.reset();
        throw std::runtime_error("Printer is not available");
    }
    // A chart's flat colours and thin lines would blur in a photograph's compression.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    StartPage();
}

void QtPrinter::StartPage() {
    const QRect r = printer->pageLayout().paintRectPixels(Resolution);
    canvas.reset();
    page = QImage(std::max(1, r.width()), std::max(1, r.height()), QImage::Format_RGB32);
    page.fill(Qt::white);
    canvas = std::make_unique<QtCanvas>(page);
}

void QtPrinter::FlushPage() {
    canvas.reset();  // finishes the page picture
    painter.drawImage(QRect(0, 0, page.width(), page.height()), page);
}

Canvas& QtPrinter::PageCanvas() {
    if (!canvas) throw std::logic_error("no print job in progress");
    return *canvas;
}

void QtPrinter::NewPage() {
    if (!Printing()) throw std::logic_error("no print job in progress");
    FlushPage();
    if (!printer->newPage()) throw std::runtime_error("Printer error");
    StartPage();
}

void QtPrinter::EndDoc() {
    if (!Printing()) return;
    FlushPage();
    const bool ok = painter.end();
    printer.reset();
    if (!ok) throw std::runtime_error("Printer error");
}

void QtPrinter::Abort() {
    canvas.reset();
    if (printer) printer->abort();
    if (painter.isActive()) painter.end();
    printer.reset();
}

void QtClipboard::SetBitmap(const Bitmap& picture) { QGuiApplication::clipboard()->setImage(ToQImage(picture)); }

void QtClipboard::SetMetafile(const std::string& bytes, bool enhanced) {
    auto* data = new QMimeData;
    data->setData(enhanced ? "image/x-emf" : "image/x-wmf", QByteArray(bytes.data(), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::unique_ptr<Surface> QtRaster::CreateRaster(int width, int height) { return CreateRasterSurface(width, height); }

}  // namespace fv
