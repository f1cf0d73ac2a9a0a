// A chart panel drawn into pictures and onto paper: bitmaps (file, clipboard), metafiles (file, clipboard)
// and the printer, in a given rectangle or in the one the print margins leave.
//
// Values from stored charts drive the print arithmetic, so none of them may break it: an empty target or
// chart prints nothing, the print resolution stays below 100 % (at 100 % the chart would have no logical
// size to scale), and two opposite margins never take the whole page.
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "chart/chart_panel.h"
#include "platform/fs/files.h"
#include "platform/gfx/bmp_file.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

// Sets a value for a scope and puts the old one back when it ends, also when drawing throws.
template <class T> class Temporarily {
public:
    Temporarily(T& field, T value) : field(field), saved(field) { field = value; }
    ~Temporarily() { field = saved; }
    Temporarily(const Temporarily&) = delete;
    Temporarily& operator=(const Temporarily&) = delete;

private:
    T& field;
    T saved;
};

// Runs an action when the scope ends, also when drawing throws.
template <class F> class AtScopeEnd {
public:
    explicit AtScopeEnd(F f) : f(std::move(f)) {}
    ~AtScopeEnd() { f(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    F f;
};

class UnbufferedFor {
public:
    explicit UnbufferedFor(TCustomChartPanel& panel) : panel(panel), saved(panel.BufferedDisplay()) {
        panel.SetBufferedDisplay(false);
    }
    ~UnbufferedFor() { panel.SetBufferedDisplay(saved); }

private:
    TCustomChartPanel& panel;
    bool saved;
};

void WriteFileOrThrow(const std::string& fileName, const std::string& bytes) {
    std::string error;
    if (!WriteWholeFile(fileName, bytes, &error)) throw std::runtime_error("Cannot create file \"" + fileName + "\". " + error);
}

// Two opposite margins in percent, each 0..100, together at most MaxMarginPair.
std::pair<int, int> ClampMarginPair(int a, int b) {
    a = std::clamp(a, 0, 100);
    b = std::clamp(b, 0, 100);
    const int most = TCustomChartPanel::MaxMarginPair;
    if (a + b > most) {
        a = a * most / (a + b);
        b = most - a;
    }
    return {a, b};
}

}  // namespace

void TCustomChartPanel::DrawToImage(Canvas& canvas, const PixelRect& rect) {
    // The picture's canvas does not outlive this call: the chart goes back to the screen's.
    AtScopeEnd backToScreen([this] { canvas3D.AttachCanvas(ownCanvas); });
    Temporarily<bool> toImage(canvas3D.DrawingToImage, true);
    UnbufferedFor unbuffered(*this);
    DrawToCanvas(canvas, rect);
}

Bitmap TCustomChartPanel::CreateBitmapImage(RasterService& raster, TColor background, const PixelRect& rect) {
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return Bitmap();
    std::unique_ptr<Surface> surface = raster.CreateRaster(w, h);
    Canvas& c = surface->GetCanvas();
    // A new picture is white already.
    if (ResolveColor(background) != ClWhite) {
        c.SetBrush({background, BrushStyle::Solid, nullptr});
        c.FillRect(rect);
    }
    {
        AtScopeEnd backToScreen([this] { canvas3D.AttachCanvas(ownCanvas); });
        UnbufferedFor unbuffered(*this);
        DrawToCanvas(c, rect);
    }
    return surface->ToBitmap();
}

void TCustomChartPanel::SaveToBitmapFile(RasterService& raster, const std::string& fileName) {
    WriteFileOrThrow(fileName, EncodeBmp24(CreateBitmapImage(raster, ClWhite, ChartBounds())));
}

void TCustomChartPanel::CopyToClipboardBitmap(RasterService& raster, ClipboardService& clipboard) {
    clipboard.SetBitmap(CreateBitmapImage(raster, ClWhite, ChartBounds()));
}

Metafile TCustomChartPanel::CreateMetafileImage(bool enhanced, const PixelRect& rect) {
    Metafile picture;
    picture.Enhanced = enhanced;
    picture.Width = std::max(1, rect.Width() - 1);
    picture.Height = std::max(1, rect.Height() - 1);
    MetafileCanvas recorder;
    DrawToImage(recorder, rect);
    picture.Records = recorder.TakeRecords();
    return picture;
}

void TCustomChartPanel::SaveToMetafile(const std::string& fileName) {
    WriteFileOrThrow(fileName, EncodeWmf(CreateMetafileImage(false, ChartBounds())));
}

void TCustomChartPanel::SaveToMetafileEnh(const std::string& fileName) {
    WriteFileOrThrow(fileName, EncodeEmf(CreateMetafileImage(true, ChartBounds())));
}

void TCustomChartPanel::CopyToClipboardMetafile(ClipboardService& clipboard, bool enhanced) {
    const Metafile picture = CreateMetafileImage(enhanced, ChartBounds());
    clipboard.SetMetafile(enhanced ? EncodeEmf(picture) : EncodeWmf(picture), enhanced);
}

Size TCustomChartPanel::PrintLogicalSize() const {
    const PixelRect bounds = ChartBounds();
    const int sw = bounds.Width(), sh = bounds.Height();
    // Below 100 %: at 100 % the logical size would be nothing. Far below 0 it would overflow.
    const int resolution = std::clamp(PrintResolution(), -100, MaxPrintResolution);
    return {sw - MulDiv(sw, resolution, 100), sh - MulDiv(sh, resolution, 100)};
}

PixelRect TCustomChartPanel::ScalePrintRect(const PixelRect& rect) const {
    const PixelRect r = rect.Normalized();
    const int pw = r.Width(), ph = r.Height();
    const auto [lw, lh] = PrintLogicalSize();
    if (pw <= 0 || ph <= 0 || lw <= 0 || lh <= 0) return {};
    return {MulDiv(r.Left, lw, pw), MulDiv(r.Top, lh, ph), MulDiv(r.Right, lw, pw), MulDiv(r.Bottom, lh, ph)};
}

void TCustomChartPanel::PrintOnCanvas(Canvas& canvas, const PixelRect& rect) {
    const PixelRect r = rect.Normalized();
    const int pw = r.Width(), ph = r.Height();
    const auto [lw, lh] = PrintLogicalSize();
    if (pw <= 0 || ph <= 0 || lw <= 0 || lh <= 0) return;
    Mapping m;
    m.WindowOrg = {0, 0};
    m.WindowExt = {lw, lh};
    m.ViewportExt = {pw, ph};
    m.ViewportOrg = {0, 0};
    PrintMapped(canvas, ScalePrintRect(r), m);
}

void TCustomChartPanel::PrintShrunkOnCanvas(Canvas& canvas, const PixelRect& pageRect, const PixelRect& target) {
    const PixelRect t = target.Normalized();
    const PixelRect logical = ScalePrintRect(pageRect);
    if (t.Width() <= 0 || t.Height() <= 0 || logical.Width() <= 0 || logical.Height() <= 0) return;
    Mapping m;
    m.WindowOrg = {logical.Left, logical.Top};
    m.WindowExt = {logical.Width(), logical.Height()};
    m.ViewportOrg = {t.Left, t.Top};
    m.ViewportExt = {t.Width(), t.Height()};
    PrintMapped(canvas, logical, m);
}

Bitmap TCustomChartPanel::CreatePrintBitmap(RasterService& raster, TColor background, const PixelRect& pageRect) {
    const PixelRect logical = ScalePrintRect(pageRect);
    Temporarily<bool> printing(Printing, true);
    return CreateBitmapImage(raster, background, {0, 0, logical.Width(), logical.Height()});
}

void TCustomChartPanel::PrintMapped(Canvas& canvas, const PixelRect& logical, const Mapping& m) {
    const Mapping savedMapping = canvas.GetMapping();
    canvas.SetMapping(m);
    struct Restore {
        Canvas& c;
        Mapping m;
        ~Restore() {
            c.Unclip();
            c.SetMapping(m);
        }
    } restore{canvas, savedMapping};
    Temporarily<bool> printing(Printing, true);
    if (CanClip()) canvas.ClipRect(logical);
    DrawToImage(canvas, logical);
}

void TCustomChartPanel::PrintOnPrinter(PrinterService& printer, const PixelRect& rect) {
    PrintOnCanvas(printer.PageCanvas(), rect);
}

void TCustomChartPanel::PrintJobInRect(PrinterService& printer, const PixelRect& rect) {
    printer.Title = Name();
    printer.BeginDoc();
    try {
        PrintOnPrinter(printer, rect);
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        if (printer.Printing()) printer.EndDoc();
        throw;
    }
}

void TCustomChartPanel::Print(PrinterService& printer) { PrintJobInRect(printer, CalcPrintRect(printer)); }

void TCustomChartPanel::PrintAsBitmap(PrinterService& printer, RasterService& raster) {
    const PixelRect pageRect = CalcPrintRect(printer);
    printer.Title = Name();
    printer.BeginDoc();
    try {
        printer.PageCanvas().StretchDraw(pageRect, CreatePrintBitmap(raster, ClWhite, pageRect));
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        if (printer.Printing()) printer.EndDoc();
        throw;
    }
}

std::array<int, 4> TCustomChartPanel::CalcProportionalPrintRect(PrinterService& printer) {
    const PixelRect bounds = ChartBounds();
    const double w = bounds.Width(), h = bounds.Height();
    const Size page = printer.PageSize(), dpi = printer.DotsPerInch();
    const double pw = page.Width, ph = page.Height;
    // Nothing to keep in proportion, or no page: the margins stay.
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0 || dpi.Width <= 0 || dpi.Height <= 0) return PrintMargins;
    const double ratio = double(dpi.Width) / dpi.Height;
    std::array<int, 4> margins{15, 15, 15, 15};
    if (h < w) {
        const int m = RoundPixel((ph - 0.6 * pw * (h / w) * ratio) * 100 / ph) / 2;
        margins[1] = margins[3] = m;
    } else {
        const int m = RoundPixel((pw - 0.6 * ph * (w / h) * ratio) * 100 / pw) / 2;
        margins[0] = margins[2] = m;
    }
    return margins;
}

PixelRect TCustomChartPanel::CalcPrintRect(PrinterService& printer) {
    if (PrintProportional()) PrintMargins = CalcProportionalPrintRect(printer);
    return PrintRectOnPage(printer.PageSize());
}

PixelRect TCustomChartPanel::PrintRectOnPage(Size page) const {
    const int pw = std::max(0, page.Width), ph = std::max(0, page.Height);
    const auto [left, right] = ClampMarginPair(PrintMargins[0], PrintMargins[2]);
    const auto [top, bottom] = ClampMarginPair(PrintMargins[1], PrintMargins[3]);
    return {RoundPixel(pw * double(left) / 100), RoundPixel(ph * double(top) / 100),
            pw - RoundPixel(pw * double(right) / 100), ph - RoundPixel(ph * double(bottom) / 100)};
}

}  // namespace fv
