// The chart panel: the control every chart is. It owns the 3D canvas and the 3D view settings, keeps the
// margins and lays out the chart rectangle (`PlotRect`), frames each drawing (set up the canvas for a
// target, ask the descendant for the contents, copy the result) and paints from the canvas' buffer while
// nothing changed. The extended panel adds the background (colour, gradient, back image), the zoom and
// panning switches and the undo of a zoom; `TDraw3D` leaves its contents to an event.
//
// The view paints a panel by calling `Paint` with a canvas on the screen; exports call `DrawToCanvas` with
// theirs. Tests use a recording canvas for both.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "chart/canvas_3d.h"
#include "chart/chart_exception.h"
#include "chart/chart_units.h"
#include "platform/app/output_services.h"
#include "platform/gfx/metafile.h"
#include "platform/ui/edit.h"
#include "platform/ui/panel.h"

namespace fv {

// An angle of the axes or marks outside 0..359 raises "<name> Angle must be between 0 and 359 degrees".
void CheckAngleRange(int angle, const std::string& name);

// The state of a zoom or panning drag.
struct TZoomPanningRecord {
    bool Active = false;
    int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    void Activate(int x, int y);
    void Normalize();  // X0 <= X1 and Y0 <= Y1
};

class TCustomChartPanel;

class TChartGradient {
public:
    explicit TChartGradient(TCustomChartPanel* owner = nullptr) : owner(owner) {}
    TGradientDirection Direction() const { return direction; }
    void SetDirection(TGradientDirection v) { Store(direction, v); }
    TColor EndColor() const { return endColor; }
    void SetEndColor(TColor v) { Store(endColor, v); }
    TColor StartColor() const { return startColor; }
    void SetStartColor(TColor v) { Store(startColor, v); }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { Store(visible, v); }
    void Assign(const TChartGradient& other);

private:
    template <class T> void Store(T& field, T v);
    TCustomChartPanel* owner;
    TGradientDirection direction = TGradientDirection::gdTopBottom;
    TColor endColor = ClYellow;
    TColor startColor = ClWhite;
    bool visible = false;
};

// The base of the chart parts that own a font (titles, legend, axis titles): the font repaints the panel.
class TChartFontObject {
public:
    explicit TChartFontObject(TCustomChartPanel* parent);
    virtual ~TChartFontObject() = default;
    TCustomChartPanel* ParentChart() const { return parent; }
    const Font& GetFont() const { return font; }
    void SetFont(const Font& f);
    // Whether a form stream keeps the font: only when it differs from the default.
    virtual bool IsFontStored() const;
    void Assign(const TChartFontObject& other) { SetFont(other.font); }

protected:
    TCustomChartPanel* parent;
    Font font;
};

enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum class TChartBackImageMode { pbmStretch, pbmTile, pbmCenter };

class TCustomChartPanel : public Panel {
public:
    explicit TCustomChartPanel(Component* owner, std::string name = {});
    ~TCustomChartPanel() override;

    // Unit-wide switches of the clip and background rules; this program never changes them.
    static constexpr bool ClipWhenPrinting = true;
    static constexpr bool ClipWhenMetafiling = true;
    static constexpr bool PrintPanelBackground = false;

    int Chart3DPercent() const { return chart3DPercent; }
    void SetChart3DPercent(int v);  // 1..100, else ChartException
    bool View3D() const { return view3D; }
    void SetView3D(bool v) { Store(view3D, v); }
    TView3DOptions& View3DOptions() { return view3DOptions; }
    const TView3DOptions& View3DOptions() const { return view3DOptions; }
    void SetView3DOptions(const TView3DOptions& v) { view3DOptions.Assign(v); Invalidate(); }
    // Indexed 0..3: left, top, right, bottom, in percent of the drawing width or height.
    int Margin(int index) const { return margins.at(index); }
    void SetMargin(int index, int v);
    int MarginLeft() const { return margins[0]; }
    int MarginTop() const { return margins[1]; }
    int MarginRight() const { return margins[2]; }
    int MarginBottom() const { return margins[3]; }
    void SetMarginLeft(int v) { SetMargin(0, v); }
    void SetMarginTop(int v) { SetMargin(1, v); }
    void SetMarginRight(int v) { SetMargin(2, v); }
    void SetMarginBottom(int v) { SetMargin(3, v); }
    bool PrintProportional() const { return printProportional; }
    void SetPrintProportional(bool v) { Store(printProportional, v); }
    int PrintResolution() const { return printResolution; }
    void SetPrintResolution(int v) { Store(printResolution, v); }
    std::array<int, 4> PrintMargins{15, 15, 15, 15};
    bool Printing = false;
    bool BufferedDisplay() const { return canvas3D.GetBuffered(); }
    void SetBufferedDisplay(bool v) { canvas3D.SetBuffered(v); }
    bool Monochrome() const { return canvas3D.GetMonochrome(); }
    void SetMonochrome(bool v) { canvas3D.SetMonochrome(v); }
    // The width of the bevels the panel draws around itself.
    int BevelWidth = 1;
    // A single border is a black line around the whole panel, outside its bevels.
    BorderStyle GetBorderStyle() const { return borderStyle; }
    void SetBorderStyle(BorderStyle v) { Store(borderStyle, v); }

    TChartCanvas3D& Canvas3D() { return canvas3D; }
    bool Created = false;
    Cursor SavedCursor = Cursor::Default;
    TZoomPanningRecord Zoom;
    TZoomPanningRecord Panning;
    PixelRect DrawRect;
    PixelRect PlotRect;
    int PlotWidth = 0, PlotHeight = 0, PlotXCenter = 0, PlotYCenter = 0;
    int HorizDepth = 0, VertDepth = 0;

    // The contents of a drawing, inside DrawRect.
    virtual void DrawChartContents(const PixelRect& rect) = 0;
    // Marks the buffer stale and asks the view to paint again.
    virtual void Invalidate();
    virtual void DrawToCanvas(Canvas& target, const PixelRect& rect);
    virtual void DrawBevels(const PixelRect& rect);
    virtual void SetCanvasFont(const Font& f);
    virtual PixelRect ChartBounds() const { return {0, 0, Width(), Height()}; }

    // The screen's paint: nothing while printing, the buffer when it is still good, else a drawing.
    void Paint(Canvas& own);
    bool DrawsItself() const override { return true; }
    void DrawFace(Canvas& canvas) override { Paint(canvas); }
    void UpdatePlotSize();
    void DrawZoomRectangle();
    void PrepareBrush(TColor color, BrushStyle style, TColor backColor);
    bool CanClip();
    void AdjustPenForPrinting(Pen& pen) const;
    // The mouse left the control: the cursor comes back and panning ends.
    void MouseLeave();
    void SetBounds(int left, int top, int width, int height) override;
    void Assign(const TCustomChartPanel& other);

    // Pictures and paper (chart_output.cpp). Every failure of a file, the clipboard or the printer reaches
    // the caller; a print job that fails is aborted.
    // Draws into a picture: unbuffered, with the canvas told it draws into an image.
    void DrawToImage(Canvas& canvas, const PixelRect& rect);
    // A picture of the rectangle's size with the chart in it, filled first unless the colour is white.
    Bitmap CreateBitmapImage(RasterService& raster, TColor background, const PixelRect& rect);
    void SaveToBitmapFile(RasterService& raster, const std::string& fileName);
    void CopyToClipboardBitmap(RasterService& raster, ClipboardService& clipboard);
    Metafile CreateMetafileImage(bool enhanced, const PixelRect& rect);
    void SaveToMetafile(const std::string& fileName);
    void SaveToMetafileEnh(const std::string& fileName);
    void CopyToClipboardMetafile(ClipboardService& clipboard, bool enhanced);
    // Draws the chart scaled into the rectangle of a device canvas; nothing for an empty rectangle or chart.
    void PrintOnCanvas(Canvas& canvas, const PixelRect& rect);
    // The chart's size on paper in the units it is laid out in there: ChartBounds' size less
    // PrintResolution percent (a larger PrintResolution makes fonts and lines relatively larger).
    Size PrintLogicalSize() const;
    // A rectangle on the page (printer pixels) in those units, as PrintOnCanvas draws the chart for it:
    // left and right times the logical width over the rectangle's width, top and bottom likewise. A
    // preview draws the chart for this rectangle and stretches the picture into its own page, so it shows
    // the layout the paper gets. Empty for an empty rectangle or chart.
    PixelRect ScalePrintRect(const PixelRect& rect) const;
    // The chart as PrintOnCanvas lays it out for a rectangle of the page (printer pixels), drawn shrunk into
    // the target rectangle of another canvas (a preview of the page): nothing of it falls outside the target.
    void PrintShrunkOnCanvas(Canvas& canvas, const PixelRect& pageRect, const PixelRect& target);
    // A picture of the chart as it is laid out for a rectangle of the page (printer pixels): of the size
    // ScalePrintRect gives that rectangle, to be stretched into it or into a preview of it.
    Bitmap CreatePrintBitmap(RasterService& raster, TColor background, const PixelRect& pageRect);
    void PrintOnPrinter(PrinterService& printer, const PixelRect& rect);
    void PrintJobInRect(PrinterService& printer, const PixelRect& rect);
    void Print(PrinterService& printer);
    // A job that prints the chart as a picture (CreatePrintBitmap) stretched into CalcPrintRect.
    void PrintAsBitmap(PrinterService& printer, RasterService& raster);
    // The page rectangle inside PrintMargins (made proportional first when PrintProportional).
    PixelRect CalcPrintRect(PrinterService& printer);
    // The rectangle inside PrintMargins on a page of the size (printer pixels), as they stand.
    PixelRect PrintRectOnPage(Size page) const;
    // Margins that give the chart its own proportions on the page: left, top, right, bottom in percent.
    std::array<int, 4> CalcProportionalPrintRect(PrinterService& printer);
    // The most a printed chart's logical size is reduced, and the most two opposite margins take.
    static constexpr int MaxPrintResolution = 99;
    static constexpr int MaxMarginPair = 98;

protected:
    template <class T> void Store(T& field, T v) {
        if (field == v) return;
        field = v;
        Invalidate();
    }
    Canvas* ownCanvas = nullptr;  // the screen canvas of the last paint

private:
    // Draws the chart into the logical rectangle of a canvas under the mapping, as a printed chart, clipped
    // to that rectangle; the canvas' mapping and clip are put back afterwards.
    void PrintMapped(Canvas& canvas, const PixelRect& logical, const Mapping& m);
    TChartCanvas3D canvas3D;
    TView3DOptions view3DOptions;
    int chart3DPercent = 15;
    bool view3D = true;
    std::array<int, 4> margins{3, 4, 3, 4};
    bool printProportional = true;
    int printResolution = 0;
    BorderStyle borderStyle = BorderStyle::None;
};

using TDraw3DPaintEvent = std::function<void(Component* sender, const PixelRect& rect)>;

class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    explicit TCustomChartPanelExtended(Component* owner, std::string name = {});

    TPanningMode AllowPanning = TPanningMode::pmBoth;
    bool AllowZoom = true;
    bool AnimatedZoom = false;
    int AnimatedZoomSteps = 8;
    const BitmapPtr& BackImage() const { return backImage; }
    void SetBackImage(BitmapPtr image) { backImage = std::move(image); Invalidate(); }
    TChartBackImageMode BackImageMode() const { return backImageMode; }
    void SetBackImageMode(TChartBackImageMode v) { Store(backImageMode, v); }
    TChartGradient& Gradient() { return gradient; }
    void SetGradient(const TChartGradient& g) { gradient.Assign(g); }
    bool Zoomed = false;
    NotifyEvent OnScroll, OnUndoZoom, OnZoom, OnAfterDraw;

    virtual void DrawBackImage(const PixelRect& rect) { DrawBackImageAt(rect, 0); }
    void DrawBackImageAt(const PixelRect& rect, int depth);
    virtual void FillBackground(const PixelRect& rect);
    virtual void PaintBackground(const PixelRect& rect);
    virtual void UndoZoom();
    void Assign(const TCustomChartPanelExtended& other);

private:
    BitmapPtr backImage;
    TChartBackImageMode backImageMode = TChartBackImageMode::pbmStretch;
    TChartGradient gradient{this};
};

// A plain 3D drawing surface: the background, then whatever OnPaint draws.
class TDraw3D : public TCustomChartPanelExtended {
public:
    explicit TDraw3D(Component* owner, std::string name = {}) : TCustomChartPanelExtended(owner, std::move(name)) {}
    const char* Kind() const override { return "Draw3D"; }
    TDraw3DPaintEvent OnPaint;
    void DrawChartContents(const PixelRect& rect) override;
};

template <class T> void TChartGradient::Store(T& field, T v) {
    if (field == v) return;
    field = v;
    if (owner) owner->Invalidate();
}

}  // namespace fv
