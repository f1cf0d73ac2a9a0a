// The output services on Qt: the printer (a PDF file or a system printer through CUPS), the clipboard, and
// raster pictures.
//
// A page is drawn on the raster canvas at the printer resolution, then put on the paper as one picture, so
// that printed charts look exactly like the ones on screen. Without printers the list is empty and a job
// that names no PDF file fails to start.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/app/output_services.h"

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

    std::vector<std::string> Printers() override;
    Size PageSize() override;
    Size DotsPerInch() override { return {Resolution, Resolution}; }
    void BeginDoc() override;
    Canvas& PageCanvas() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return painter.isActive(); }

private:
    void Configure(QPrinter& p) const;
    void StartPage();
    void FlushPage();

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
