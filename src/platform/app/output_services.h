// The services that take pictures out of the program: the printer, the clipboard, and raster pictures to
// draw into (a bitmap needs the toolkit's font rasteriser for its texts, so the view makes them). Each is an
// interface with a scripted implementation for tests (scripted_output.h) and a real one in the Qt view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"

namespace fv {

// The printer the program prints on, with the print job in progress.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // The printers the system offers; empty when there is none.
    virtual std::vector<std::string> Printers() = 0;
    // The printable page in device pixels, and the device's dots per inch across and down.
    virtual Size PageSize() = 0;
    virtual Size DotsPerInch() = 0;
    // The name the next job is shown under.
    std::string Title;
    // Starts a job; an exception when it cannot.
    virtual void BeginDoc() = 0;
    // The canvas of the job's current page, in device pixels.
    virtual Canvas& PageCanvas() = 0;
    virtual void NewPage() = 0;
    // Sends the job off; a failure throws.
    virtual void EndDoc() = 0;
    // Drops the job in progress.
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void SetBitmap(const Bitmap& picture) = 0;
    // The file bytes of an enhanced metafile (EMF) or a Windows metafile (WMF).
    virtual void SetMetafile(const std::string& bytes, bool enhanced) = 0;
};

class RasterService {
public:
    virtual ~RasterService() = default;
    // A white picture of the size with a canvas to draw on.
    virtual std::unique_ptr<Surface> CreateRaster(int width, int height) = 0;
};

}  // namespace fv
