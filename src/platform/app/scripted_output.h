// Scripted output services for tests: a printer whose pages are recording canvases, a clipboard that keeps
// what it was given, and raster pictures that record their drawing calls.
#pragma once

#include <deque>
#include <stdexcept>

#include "platform/app/output_services.h"
#include "platform/gfx/recording_canvas.h"

namespace fv {

// An A4 page at 300 dots per inch by default, turned as the orientation says. Every job is logged as "begin <title>", "page", "end",
// "abort"; `FailBegin` and `FailEnd` make the next start or end of a job throw.
class ScriptedPrinter : public PrinterService {
public:
    std::vector<std::string> Printers() override { return printers; }
    // pageSize is the paper upright; landscape turns it.
    Size PageSize() override {
        return orientation == PaperOrientation::Landscape ? Size{pageSize.Height, pageSize.Width} : pageSize;
    }
    Size DotsPerInch() override { return dpi; }
    void BeginDoc() override;
    Canvas& PageCanvas() override { return pages.back(); }
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return printing; }

    std::vector<std::string> printers{"Scripted Printer"};
    Size pageSize{2480, 3508};
    Size dpi{300, 300};
    bool FailBegin = false, FailEnd = false;
    std::vector<std::string> log;
    // One recording per page of every job, in order.
    std::deque<RecordingCanvas> pages;

private:
    bool printing = false;
};

class ScriptedClipboard : public ClipboardService {
public:
    void SetBitmap(const Bitmap& picture) override { bitmap = picture, metafile.clear(); }
    void SetMetafile(const std::string& bytes, bool isEnhanced) override {
        metafile = bytes, enhanced = isEnhanced, bitmap = Bitmap();
    }
    Bitmap bitmap;
    std::string metafile;
    bool enhanced = false;
};

// Surfaces on recording canvases: the picture they give back is white, the calls show what was drawn.
class ScriptedRaster : public RasterService {
public:
    std::unique_ptr<Surface> CreateRaster(int width, int height) override;
    // The canvas of the last surface made; it outlives the surface so tests can read it afterwards.
    std::shared_ptr<RecordingCanvas> last;
};

}  // namespace fv
