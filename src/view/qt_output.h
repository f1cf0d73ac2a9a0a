// The output services on Qt: the printer (a PDF file or a system printer through CUPS), the clipboard, and
// raster pictures.
//
// A page is drawn on the raster canvas at the printer resolution, then put on the paper as one picture, so
// that printed charts look exactly like the ones on screen.
//
// Rules:
// - A job goes to OutputFileName (a PDF file) when it is set, else to PrinterName, else to the system's
//   default printer. Choosing a printer by index names it and forgets the file; the setup dialog chooses
//   either.
// - The orientation is the page's: PageSize, the page canvas and the printed paper all follow it.
// - Without printers the list is empty and a job that names no PDF file fails to start, with a message
//   that says how to print to a file instead.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

#include "platform/app/output_services.h"

class QPageSize;
class QPrinter;

namespace fv {

class QtCanvas;

class QtPrinter : public PrinterService {
public:
    QtPrinter();
    ~QtPrinter() override;

    // Jobs go to this PDF file when set; otherwise to PrinterName, or the system's default printer.
    std::string OutputFileName;
    std::string PrinterName;
    // Dots per inch of the page pictures.
    int Resolution = 200;
    // Runs the setup dialog on a printer set up as jobs are now; true when the user confirmed it. By default
    // Qt's print dialog (printers, a PDF file, paper and orientation); tests put a user's choice here.
    std::function<bool(QPrinter&)> SetupDialog;

    std::vector<std::string> Printers() override;
    Size PageSize() override;
    Size DotsPerInch() override { return {Resolution, Resolution}; }
    void BeginDoc() override;
    Canvas& PageCanvas() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return painter.isActive(); }
    int PrinterIndex() override;
    void SetPrinterIndex(int index) override;
    bool Setup() override;

private:
    void Configure(QPrinter& p) const;
    void StartPage();
    void FlushPage();

    // The paper chosen in the setup dialog; the printer's own when none was.
    std::unique_ptr<QPageSize> paper;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    QImage page;
    std::unique_ptr<QtCanvas> canvas;
};

// Bitmaps as images; metafiles as their file bytes under the types "image/x-emf" and "image/x-wmf".
class QtClipboard : public ClipboardService {
public:
    void SetBitmap(const Bitmap& picture) override;
    void SetMetafile(const std::string& bytes, bool enhanced) override;
};

class QtRaster : public RasterService {
public:
    std::unique_ptr<Surface> CreateRaster(int width, int height) override;
};

}  // namespace fv
