// The chart panel: layout of the chart rectangle, the frame of a drawing, painting and the background.
#include "chart/chart_panel.h"

#include <algorithm>
#include <utility>

#include "platform/gfx/pixel_math.h"
#include "platform/ui/bevel.h"

namespace fv {

void CheckAngleRange(int angle, const std::string& name) {
    if (angle < 0 || angle > 359) throw ChartException(name + " Angle must be between 0 and 359 degrees");
}

void TZoomPanningRecord::Activate(int x, int y) {
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
}

void TZoomPanningRecord::Normalize() {
    if (X0 > X1) std::swap(X0, X1);
    if (Y0 > Y1) std::swap(Y0, Y1);
}

void TChartGradient::Assign(const TChartGradient& other) {
    direction = other.direction;
    endColor = other.endColor;
    startColor = other.startColor;
    visible = other.visible;
    if (owner) owner->Invalidate();
}

TChartFontObject::TChartFontObject(TCustomChartPanel* parent) : parent(parent), font(DefaultChartFont()) {}

void TChartFontObject::SetFont(const Font& f) {
    if (font == f) return;
    font = f;
    if (parent) parent->Invalidate();
}

bool TChartFontObject::IsFontStored() const { return !IsDefaultChartFont(font); }

// ---- TCustomChartPanel ----

TCustomChartPanel::TCustomChartPanel(Component* owner, std::string name)
    : Panel(owner, std::move(name)), view3DOptions([this] { Invalidate(); }) {
    canvas3D.RepaintOwner = [this] { Invalidate(); };
    SetBounds(Left(), Top(), 400, 250);
    SavedCursor = GetCursor();
    Created = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetChart3DPercent(int v) {
    if (v < 1 || v > 100) throw ChartException("3D effect percent must be between 1 and 100");
    Store(chart3DPercent, v);
}

void TCustomChartPanel::SetMargin(int index, int v) { Store(margins.at(index), v); }

void TCustomChartPanel::Invalidate() {
    if (!Created) return;  // nothing paints while the parts are being built
    canvas3D.InvalidateBuffer();
    Repaint();
}

void TCustomChartPanel::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    Panel::SetBounds(left, top, width, height);
    if (!resized) return;
    // The buffer has the old size: switching buffering off and on frees it, so the next paint rebuilds it.
    if (canvas3D.GetBuffered()) {
        canvas3D.SetBuffered(false);
        canvas3D.SetBuffered(true);
    } else {
        canvas3D.InvalidateBuffer();
    }
}

void TCustomChartPanel::Paint(Canvas& own) {
    if (Printing) return;
    // Each paint starts from a canvas in its default state: nothing of the last paint carries over.
    own.RestoreState(CanvasState{});
    ownCanvas = &own;
    canvas3D.AttachCanvas(&own);
    if (canvas3D.PaintFromBuffer()) return;
    DrawToCanvas(own, ChartBounds());
}

void TCustomChartPanel::DrawToCanvas(Canvas& target, const PixelRect& rect) {
    // The target is left as found; the drawing starts from the default state, keeping only a clip that the
    // caller set on the target (the print rectangle).
    CanvasStateGuard targetGuard(target);
    canvas3D.SetupProjection(&target, &view3DOptions, DrawRect, rect, view3D);
    if (Canvas* drawing = canvas3D.ReferenceCanvas()) {
        CanvasState fresh;
        if (drawing == &target) fresh.Clip = target.GetClip();
        drawing->RestoreState(fresh);
    }
    const int w = DrawRect.Width(), h = DrawRect.Height();
    // Margins and borders come from stored charts: add and subtract without wrapping.
    PlotRect = {AddPixels(AddPixels(DrawRect.Left, BorderWidth), MulDiv(MarginLeft(), w, 100)),
                AddPixels(AddPixels(DrawRect.Top, BorderWidth), MulDiv(MarginTop(), h, 100)),
                SubPixels(SubPixels(DrawRect.Right, BorderWidth), MulDiv(MarginRight(), w, 100)),
                SubPixels(SubPixels(DrawRect.Bottom, BorderWidth), MulDiv(MarginBottom(), h, 100))};
    UpdatePlotSize();
    DrawChartContents(DrawRect);
    canvas3D.FinishDrawing(&target, ownCanvas ? ownCanvas : &target, rect);
}

void TCustomChartPanel::UpdatePlotSize() {
    PlotRect.Left = std::max(PlotRect.Left, DrawRect.Left);
    PlotRect.Top = std::max(PlotRect.Top, DrawRect.Top);
    if (PlotRect.Right < PlotRect.Left)
        PlotRect.Right = AddPixels(PlotRect.Left, 1);
    else if (PlotRect.Right == PlotRect.Left)
        PlotRect.Right = AddPixels(PlotRect.Left, Width());
    if (PlotRect.Bottom < PlotRect.Top)
        PlotRect.Bottom = AddPixels(PlotRect.Top, 1);
    else if (PlotRect.Bottom == PlotRect.Top)
        PlotRect.Bottom = AddPixels(PlotRect.Top, Height());
    PlotWidth = SubPixels(PlotRect.Right, PlotRect.Left);
    PlotHeight = SubPixels(PlotRect.Bottom, PlotRect.Top);
    PlotXCenter = int((std::int64_t(PlotRect.Left) + PlotRect.Right) / 2);
    PlotYCenter = int((std::int64_t(PlotRect.Top) + PlotRect.Bottom) / 2);
}

void TCustomChartPanel::DrawBevels(const PixelRect& rect) {
    PixelRect r = rect;
    auto frame = [&](TColor topLeft, int width, TColor bottomRight) {
        canvas3D.BevelFrame(r, topLeft, width, bottomRight);
        // The next frame lies inside this one; a width beyond the rectangle leaves it empty.
        int inset = std::clamp(width, 0, std::max(0, std::min(r.Width(), r.Height()) / 2 + 1));
        r = {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
    };
    auto bevel = [&](BevelKind kind) {
        if (kind == BevelKind::None) return;
        bool raised = kind == BevelKind::Raised;
        frame(raised ? ClBtnHighlight : ClBtnShadow, BevelWidth, raised ? ClBtnShadow : ClBtnHighlight);
    };
    if (borderStyle == BorderStyle::Single) frame(ClBlack, 1, ClBlack);
    bevel(BevelOuter);
    frame(GetColor(), BorderWidth, GetColor());
    bevel(BevelInner);
}

void TCustomChartPanel::SetCanvasFont(const Font& f) {
    if (Canvas* c = canvas3D.ReferenceCanvas()) c->SetFont(f);
}

void TCustomChartPanel::DrawZoomRectangle() {
    Canvas* c = canvas3D.ReferenceCanvas();
    if (!c) return;
    // Not-xor with a clear brush: drawing the same rectangle again gives back what was there.
    TColor color = ResolveColor(GetColor());
    if (color == ClWhite) color = ClBlack;
    c->SetBrush({c->GetBrush().BrushColor, BrushStyle::Clear, nullptr});
    c->SetPen({color, 1, PenStyle::Solid, PenMode::NotXor});
    c->Rectangle(Zoom.X0, Zoom.Y0, Zoom.X1, Zoom.Y1);
}

void TCustomChartPanel::PrepareBrush(TColor color, BrushStyle style, TColor backColor) {
    Canvas* c = canvas3D.ReferenceCanvas();
    if (!c) return;
    bool hatched = style != BrushStyle::Solid && style != BrushStyle::Clear;
    // A hatch in the colour of its background would not show.
    if (hatched && ResolveColor(color) == ResolveColor(backColor)) color = ResolveColor(backColor) == ClBlack ? ClWhite : ClBlack;
    c->SetBrush({color, style, nullptr});
    if (style == BrushStyle::Solid) {
        c->SetBackMode(BackMode::Transparent);
    } else if (hatched) {
        c->SetBackMode(BackMode::Opaque);
        c->SetBackColor(ResolveColor(backColor));
    }
}

bool TCustomChartPanel::CanClip() {
    if (Printing) return ClipWhenPrinting;
    if (canvas3D.DrawingToImage) return ClipWhenMetafiling;
    return true;
}

void TCustomChartPanel::AdjustPenForPrinting(Pen& pen) const {
    // A one-pixel pattern would vanish on paper at printer resolution; width 0 keeps it a hairline.
    if (Printing && pen.Width == 1 && pen.Style != PenStyle::Solid) pen.Width = 0;
}

void TCustomChartPanel::MouseLeave() {
    SetCursor(SavedCursor);
    Panning.Active = false;
}

void TCustomChartPanel::Assign(const TCustomChartPanel& other) {
    SetBufferedDisplay(other.canvas3D.GetBuffered());
    printProportional = other.printProportional;
    printResolution = other.printResolution;
    PrintMargins = other.PrintMargins;
    margins = other.margins;
    SetMonochrome(other.canvas3D.GetMonochrome());
    view3D = other.view3D;
    view3DOptions.Assign(other.view3DOptions);
    chart3DPercent = other.chart3DPercent;
    SetColor(other.GetColor());
    Invalidate();
}

// ---- TCustomChartPanelExtended ----

TCustomChartPanelExtended::TCustomChartPanelExtended(Component* owner, std::string name)
    : TCustomChartPanel(owner, std::move(name)) {}

void TCustomChartPanelExtended::Assign(const TCustomChartPanelExtended& other) {
    backImage = other.backImage;
    backImageMode = other.backImageMode;
    gradient.Assign(other.gradient);
    AllowPanning = other.AllowPanning;
    AllowZoom = other.AllowZoom;
    AnimatedZoom = other.AnimatedZoom;
    AnimatedZoomSteps = other.AnimatedZoomSteps;
    TCustomChartPanel::Assign(other);
}

void TCustomChartPanelExtended::FillBackground(const PixelRect& rect) {
    if (gradient.Visible()) {
        // GradientFill puts its first colour at the bottom, right, outside or corner; the panel's
        // directions say where the start and end colours go.
        TGradientDirection d = gradient.Direction();
        bool startFirst = d == TGradientDirection::gdTopBottom || d == TGradientDirection::gdLeftRight;
        TColor first = startFirst ? gradient.StartColor() : gradient.EndColor();
        TColor second = startFirst ? gradient.EndColor() : gradient.StartColor();
        Canvas3D().GradientFill(rect, first, d, second);
        return;
    }
    if (Printing && !PrintPanelBackground) return;
    Canvas* c = Canvas3D().ReferenceCanvas();
    c->SetBrush({GetColor(), BrushStyle::Solid, nullptr});
    Canvas3D().FillRectangle(rect);
}

void TCustomChartPanelExtended::PaintBackground(const PixelRect& rect) {
    FillBackground(rect);
    DrawBackImage(rect);
    if (Printing && !PrintPanelBackground) return;
    Canvas* c = Canvas3D().ReferenceCanvas();
    c->SetPen({ClBlack, 1, PenStyle::Solid, PenMode::Copy});
    c->SetBrush({c->GetBrush().BrushColor, BrushStyle::Clear, nullptr});
    DrawBevels(rect);
}

void TCustomChartPanelExtended::DrawBackImageAt(const PixelRect& rect, int depth) {
    if (!backImage || backImage->Empty()) return;
    if (depth != 0 && View3D() && !View3DOptions().Orthogonal()) return;
    TChartCanvas3D& c = Canvas3D();
    auto projected = [&] {
        PixelRect r = rect;
        if (depth > 0) {
            Point a = c.Project(r.Left, r.Top, depth), b = c.Project(r.Right, r.Bottom, depth);
            r = {a.X, a.Y, b.X, b.Y};
            if (!View3D()) ++r.Top;
        }
        return r;
    };
    if (backImageMode == TChartBackImageMode::pbmStretch) {
        c.StretchDraw(projected(), *backImage);
        return;
    }
    bool clip = CanClip();
    if (clip) {
        if (depth != 0)
            c.ClipCube(rect, 0, HorizDepth);
        else
            c.ClipRectangle(rect);
    }
    PixelRect r = projected();
    const int iw = backImage->Width, ih = backImage->Height;
    if (backImageMode == TChartBackImageMode::pbmTile) {
        for (int y = r.Top; y < r.Bottom; y = AddPixels(y, ih))
            for (int x = r.Left; x < r.Right; x = AddPixels(x, iw)) c.Draw(x, y, *backImage);
    } else {
        FillBackground(rect);
        c.Draw(r.Left + (r.Width() - iw) / 2, r.Top + (r.Height() - ih) / 2, *backImage);
    }
    if (clip) c.UnclipRectangle();
}

void TCustomChartPanelExtended::UndoZoom() {
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    Zoomed = false;
}

// ---- TDraw3D ----

void TDraw3D::DrawChartContents(const PixelRect& rect) {
    PaintBackground(rect);
    UpdatePlotSize();
    Canvas3D().SetCenterFromRect(HorizDepth, PlotRect);
    Canvas3D().ResetState();
    if (OnPaint) OnPaint(this, rect);
    if (Zoom.Active) DrawZoomRectangle();
    Canvas3D().ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}

}  // namespace fv
