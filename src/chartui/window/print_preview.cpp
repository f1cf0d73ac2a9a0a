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

void TChartPreviewPage::CalcRects() {
    const int w = ClientWidth(), h = ClientHeight();
    const Size page = app.Printer().PageSize();
    PixelRect paper;
    if (page.Width < page.Height) {
        const int ph = h - RoundPixel(h * 10 / 100.0);
        const int pw = page.Height <= 0 ? w : MulDiv(ph, page.Width, page.Height);
        paper.Left = (w - pw) / 2;
        paper.Top = RoundPixel(h * 5 / 100.0);
        paper.Right = paper.Left + pw;
        paper.Bottom = paper.Top + ph;
    } else {
        const int pw = w - RoundPixel(w * 10 / 100.0);
        const int ph = page.Width <= 0 ? h : MulDiv(pw, page.Height, page.Width);
        paper.Left = RoundPixel(w * 5 / 100.0);
        paper.Top = (h - ph) / 2;
        paper.Right = paper.Left + pw;
        paper.Bottom = paper.Top + ph;
    }
    PaperRect = paper;
    if (dragCode != phNone) return;  // a drag owns the chart rectangle until it ends
    const std::array<int, 4> m = image ? image->PrintMargins : std::array<int, 4>{15, 15, 15, 15};
    const int pw = paper.Width(), ph = paper.Height();
    ChartRect = {paper.Left + MulDiv(m[0], pw, 100), paper.Top + MulDiv(m[1], ph, 100),
                 paper.Right - MulDiv(m[2], pw, 100), paper.Bottom - MulDiv(m[3], ph, 100)};
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
    const bool wasPrinting = image->Printing;
    image->Printing = true;
    canvas.ClipRect(image->CanClip() ? target : PaperRect);
    try {
        if (AsBitmap) {
            const Bitmap picture =
                image->CreateBitmapImage(app.Raster(), PaperColor, {0, 0, image->Width(), image->Height()});
            canvas.StretchDraw(target, picture);
        } else {
            image->PrintOnCanvas(canvas, target);
        }
    } catch (...) {
        canvas.Unclip();
        image->Printing = wasPrinting;
        throw;
    }
    canvas.Unclip();
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
        if (AsBitmap) {
            printer.Title = image->Name();
            printer.BeginDoc();
            try {
                const Bitmap picture =
                    image->CreateBitmapImage(app.Raster(), ClWhite, {0, 0, image->Width(), image->Height()});
                printer.PageCanvas().StretchDraw(image->CalcPrintRect(printer), picture);
                printer.EndDoc();
            } catch (...) {
                printer.Abort();
                if (printer.Printing()) printer.EndDoc();
                throw;
            }
        } else {
            image->Print(printer);
        }
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
