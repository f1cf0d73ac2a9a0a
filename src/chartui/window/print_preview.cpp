// The print preview's paper: layout, drawing, hit codes and cursors, and the drags that set the margins.
#include "chartui/window/print_preview.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

constexpr int Near = 4;  // how close to an edge a point grabs it

bool IsNear(int a, int b) { return std::abs(a - b) <= Near; }

}  // namespace

TChartPreviewPage::TChartPreviewPage(Component* owner, std::string name, Application& app)
    : Control(owner, std::move(name)), app(app) {}

void TChartPreviewPage::SetImage(TCustomChartPanel* panel) {
    image = panel;
    Repaint();
}

void TChartPreviewPage::SetShowMargins(bool v) {
    showMargins = v;
    Repaint();
}

PixelRect TChartPreviewPage::PaperRectFor(Size client, Size page) {
    const int w = client.Width, h = client.Height;
    const int fullHeight = h - RoundPixel(h * 10 / 100.0), fullWidth = w - RoundPixel(w * 10 / 100.0);
    // 90 % of the control's height, centred across.
    const auto byHeight = [&] {
        const int pw = page.Height <= 0 ? w : MulDiv(fullHeight, page.Width, page.Height);
        const int left = (w - pw) / 2, top = RoundPixel(h * 5 / 100.0);
        return PixelRect{left, top, left + pw, top + fullHeight};
    };
    // 90 % of the control's width, centred down.
    const auto byWidth = [&] {
        const int ph = page.Width <= 0 ? h : MulDiv(fullWidth, page.Height, page.Width);
        const int left = RoundPixel(w * 5 / 100.0), top = (h - ph) / 2;
        return PixelRect{left, top, left + fullWidth, top + ph};
    };
    const bool portrait = page.Width < page.Height;
    if (page.Width <= 0 || page.Height <= 0) return portrait ? byHeight() : byWidth();
    // A portrait page takes 90 % of the height, a landscape one 90 % of the width, unless the other side
    // would then pass its own 90 %.
    if (portrait) {
        const PixelRect paper = byHeight();
        return paper.Width() <= fullWidth ? paper : byWidth();
    }
    const PixelRect paper = byWidth();
    return paper.Height() <= fullHeight ? paper : byHeight();
}

PixelRect TChartPreviewPage::ChartRectFor(const PixelRect& paper, const std::array<int, 4>& margins) {
    const int pw = paper.Width(), ph = paper.Height();
    return {paper.Left + MulDiv(margins[0], pw, 100), paper.Top + MulDiv(margins[1], ph, 100),
            paper.Right - MulDiv(margins[2], pw, 100), paper.Bottom - MulDiv(margins[3], ph, 100)};
}

PixelRect TChartPreviewPage::PageRectOf(const PixelRect& rect) const {
    const PixelRect& p = PaperRect;
    const Size page = app.Printer().PageSize();
    const int pw = p.Width(), ph = p.Height();
    if (page.Width <= 0 || page.Height <= 0 || pw <= 0 || ph <= 0)
        return {rect.Left - p.Left, rect.Top - p.Top, rect.Right - p.Left, rect.Bottom - p.Top};
    return {MulDiv(rect.Left - p.Left, page.Width, pw), MulDiv(rect.Top - p.Top, page.Height, ph),
            MulDiv(rect.Right - p.Left, page.Width, pw), MulDiv(rect.Bottom - p.Top, page.Height, ph)};
}

void TChartPreviewPage::CalcRects() {
    PaperRect = PaperRectFor({ClientWidth(), ClientHeight()}, app.Printer().PageSize());
    if (dragCode != phNone) return;  // a drag owns the chart rectangle until it ends
    ChartRect = ChartRectFor(PaperRect, image ? image->PrintMargins : std::array<int, 4>{15, 15, 15, 15});
}

int TChartPreviewPage::HitTest(int x, int y) const {
    const PixelRect& r = ChartRect;
    const bool left = IsNear(x, r.Left), right = IsNear(x, r.Right);
    const bool top = IsNear(y, r.Top), bottom = IsNear(y, r.Bottom);
    int code = phNone;
    if (left && top) code = phTopLeft;
    else if (right && top) code = phTopRight;
    else if (left && bottom) code = phBottomLeft;
    else if (right && bottom) code = phBottomRight;
    else if (left) code = phLeft;
    else if (right) code = phRight;
    else if (top) code = phTop;
    else if (bottom) code = phBottom;
    else if (AllowMove && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) code = phMove;
    if (!AllowResize && code != phMove) code = phNone;
    return code;
}

Cursor TChartPreviewPage::CursorOfHit(int code) {
    switch (code) {
    case phLeft: case phRight: return Cursor::SizeWE;
    case phTop: case phBottom: return Cursor::SizeNS;
    case phMove: return Cursor::HandPoint;
    case phTopLeft: case phBottomRight: return Cursor::SizeNWSE;
    case phTopRight: case phBottomLeft: return Cursor::SizeNESW;
    default: return Cursor::Default;
    }
}

Color TChartPreviewPage::GuideColor() const {
    return PaperColor == ClSilver || PaperColor == ClGray ? ClWhite : ClSilver;
}

void TChartPreviewPage::DrawGuides(Canvas& canvas) const {
    const PixelRect& p = PaperRect;
    const PixelRect& r = ChartRect;
    CanvasStateGuard guard(canvas);
    canvas.SetPen({GuideColor(), 1, PenStyle::Dot, PenMode::NotXor});
    canvas.SetBackMode(BackMode::Transparent);
    canvas.Line(r.Left - 1, p.Top, r.Left - 1, p.Bottom);
    canvas.Line(r.Right + 1, p.Top, r.Right + 1, p.Bottom);
    canvas.Line(p.Left, r.Top - 1, p.Right, r.Top - 1);
    canvas.Line(p.Left, r.Bottom + 1, p.Right, r.Bottom + 1);
}

void TChartPreviewPage::DrawChart(Canvas& canvas) {
    const PixelRect target = imageRectHeld ? imageRect : ChartRect;
    if (!ShowImage || target.Width() <= 0 || target.Height() <= 0) return;
    // The chart is laid out as it is for its place on the page, and shrunk into its place on the paper.
    // Its place on the page is the one its margins give it, as printing finds it, unless the drawing stays
    // where a drag started.
    const Size page = app.Printer().PageSize();
    const PixelRect onPage = imageRectHeld || page.Width <= 0 || page.Height <= 0 ? PageRectOf(target)
                                                                                 : image->PrintRectOnPage(page);
    const bool wasPrinting = image->Printing;
    image->Printing = true;
    CanvasStateGuard guard(canvas);  // the clip goes with it
    canvas.ClipRect(image->CanClip() ? target : PaperRect);
    try {
        if (AsBitmap)
            canvas.StretchDraw(target, image->CreatePrintBitmap(app.Raster(), PaperColor, onPage));
        else
            image->PrintShrunkOnCanvas(canvas, onPage, target);
    } catch (...) {
        image->Printing = wasPrinting;
        throw;
    }
    image->Printing = wasPrinting;
}

void TChartPreviewPage::Paint(Canvas& canvas) {
    CalcRects();
    CanvasStateGuard guard(canvas);
    canvas.SetPen({ClBlack, 1, PenStyle::Clear, PenMode::Copy});
    canvas.SetBrush({BackColor, BrushStyle::Solid, nullptr});
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});

    const PixelRect& p = PaperRect;
    canvas.SetPen({ClBlack, 1, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrush({PaperColor, BrushStyle::Solid, nullptr});
    canvas.Rectangle(p.Left, p.Top, p.Right, p.Bottom);
    // The shadow: a strip under the paper and one at its right.
    canvas.SetBrush({ClBlack, BrushStyle::Solid, nullptr});
    canvas.FillRect({p.Left + 5, p.Bottom, p.Right + 5, p.Bottom + 4});
    canvas.FillRect({p.Right, p.Top + 4, p.Right + 5, p.Bottom + 4});

    if (showMargins) DrawGuides(canvas);
    if (image) DrawChart(canvas);
}

void TChartPreviewPage::PrintImage() {
    if (!image) return;
    PrinterService& printer = app.Printer();
    app.SetScreenCursor(Cursor::HourGlass);
    try {
        if (AsBitmap)
            image->PrintAsBitmap(printer, app.Raster());
        else
            image->Print(printer);
    } catch (...) {
        app.SetScreenCursor(Cursor::Default);
        throw;
    }
    app.SetScreenCursor(Cursor::Default);
}

void TChartPreviewPage::MouseDown(MouseButton b, unsigned shift, int x, int y) {
    Control::MouseDown(b, shift, x, y);
    dragCode = HitTest(x, y);
    if (dragCode == phNone) return;
    dragStart = {x, y};
    startRect = ChartRect;
    imageRect = ChartRect;
    imageRectHeld = !DragImage;
}

void TChartPreviewPage::MouseUp(MouseButton b, unsigned shift, int x, int y) {
    Control::MouseUp(b, shift, x, y);
    dragCode = phNone;
    imageRectHeld = false;
    Repaint();
}

void TChartPreviewPage::MarginsFromChartRect() {
    if (!image) return;
    const PixelRect& p = PaperRect;
    const PixelRect& r = ChartRect;
    const int pw = p.Width(), ph = p.Height();
    image->PrintMargins = {MulDiv(r.Left - p.Left, 100, pw), MulDiv(r.Top - p.Top, 100, ph),
                           MulDiv(p.Right - r.Right, 100, pw), MulDiv(p.Bottom - r.Bottom, 100, ph)};
    const auto& m = image->PrintMargins;
    if (OnChangeMargins) OnChangeMargins(this, true, PixelRect{m[0], m[1], m[2], m[3]});
}

void TChartPreviewPage::MouseMove(unsigned shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    const PixelRect& p = PaperRect;
    if (x < p.Left || x > p.Right || y < p.Top || y > p.Bottom) return;
    if (dragCode == phNone) {
        SetCursor(CursorOfHit(HitTest(x, y)));
        return;
    }
    PixelRect& r = ChartRect;
    // Each edge follows the pointer only between the paper's edge and the chart's opposite edge.
    const bool leftOk = p.Left <= x && x < r.Right, rightOk = r.Left < x && x <= p.Right;
    const bool topOk = p.Top <= y && y < r.Bottom, bottomOk = r.Top < y && y <= p.Bottom;
    switch (dragCode) {
    case phLeft: if (leftOk) r.Left = x; break;
    case phRight: if (rightOk) r.Right = x; break;
    case phTop: if (topOk) r.Top = y; break;
    case phBottom: if (bottomOk) r.Bottom = y; break;
    case phTopLeft: if (leftOk && topOk) r.Left = x, r.Top = y; break;
    case phTopRight: if (rightOk && topOk) r.Right = x, r.Top = y; break;
    case phBottomLeft: if (leftOk && bottomOk) r.Left = x, r.Bottom = y; break;
    case phBottomRight: if (rightOk && bottomOk) r.Right = x, r.Bottom = y; break;
    case phMove: {
        const int left = std::max(p.Left, x + startRect.Left - dragStart.X);
        const int top = std::max(p.Top, y + startRect.Top - dragStart.Y);
        const int right = std::min(p.Right, startRect.Right + left - startRect.Left);
        const int bottom = std::min(p.Bottom, startRect.Bottom + top - startRect.Top);
        const auto inside = [&](int px, int py) { return px >= p.Left && px < p.Right && py >= p.Top && py < p.Bottom; };
        if (inside(left, top) && inside(right, bottom)) r = {left, top, right, bottom};
        break;
    }
    default: break;
    }
    MarginsFromChartRect();
    Repaint();
}

}  // namespace fv
