// The scripted printer and raster pictures.
#include "platform/app/scripted_output.h"

namespace fv {

void ScriptedPrinter::BeginDoc() {
    if (FailBegin) {
        FailBegin = false;
        throw std::runtime_error("Printer is not available");
    }
    if (printing) throw std::runtime_error("Printing in progress");
    printing = true;
    log.push_back("begin " + Title);
    pages.emplace_back();
}

void ScriptedPrinter::NewPage() {
    log.push_back("page");
    pages.emplace_back();
}

void ScriptedPrinter::EndDoc() {
    if (FailEnd) {
        FailEnd = false;
        throw std::runtime_error("Printer error");
    }
    printing = false;
    log.push_back("end");
}

void ScriptedPrinter::Abort() {
    printing = false;
    log.push_back("abort");
}

namespace {

class RecordedRaster : public Surface {
public:
    RecordedRaster(int w, int h) : canvas(std::make_shared<RecordingCanvas>()), size{w, h} {}
    Canvas& GetCanvas() override { return *canvas; }
    Size GetSize() const override { return size; }
    Bitmap ToBitmap() const override { return Bitmap(size.Width, size.Height); }
    std::shared_ptr<RecordingCanvas> canvas;

private:
    Size size;
};

}  // namespace

std::unique_ptr<Surface> ScriptedRaster::CreateRaster(int width, int height) {
    auto s = std::make_unique<RecordedRaster>(width, height);
    last = s->canvas;
    return s;
}

}  // namespace fv
