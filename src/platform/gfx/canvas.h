// The 2D canvas every drawing goes through: the chart engine, owner-drawn controls, pictures and paper.
//
// Rules:
// - One interface, several back ends: `RecordingCanvas` (tests), the raster canvas of the view (QPainter on
//   an image), and whatever prints or writes pictures. A back end implements only the protected `Do...`
//   calls, which receive device pixels; the state, the mapping and the clip live here so that every back
//   end keeps them the same way.
// - The drawing state is the pen, the brush, the font, the background colour and mode, the text alignment
//   and the clip. `CanvasStateGuard` saves all of it and puts it back when the scope ends, so a drawing
//   that changes the pen for one shape cannot leak it into the next.
// - Coordinates are logical; the mapping (identity unless set) turns them into device pixels the way a
//   printer's anisotropic mapping does. Arithmetic saturates (see pixel_math.h).
// - Rectangles cover Left..Right-1 and Top..Bottom-1; a line leaves out its last pixel, so a polyline draws
//   each joint once. Colours are resolved (`ResolveColor`) by the back end.
// - Pen dash patterns are in device pixels and the same for every back end (`DashPattern`); a patterned pen
//   wider than one pixel draws solid.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace fv {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame, SmallDots };
enum class PenMode { Copy, NotXor, Xor, Not };

struct Pen {
    Color PenColor = ClBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct Brush {
    Color BrushColor = ClWhite;
    BrushStyle Style = BrushStyle::Solid;
    BitmapPtr Pattern;  // a tiled picture instead of the colour, when set
    bool operator==(const Brush&) const = default;
};

enum class BackMode { Transparent = 1, Opaque = 2 };

// Text alignment flags, combinable: one horizontal and one vertical choice.
enum : unsigned {
    TaLeft = 0, TaRight = 2, TaCenter = 6,
    TaTop = 0, TaBottom = 8, TaBaseline = 24,
    TaHorizontalMask = 6, TaVerticalMask = 24
};

// On and off lengths in device pixels of a one-pixel pen; empty for a solid line.
std::span<const int> DashPattern(PenStyle style, int width);

// Device-pixel clip: inactive, or the inside of a polygon (a rectangle is its four corners).
struct ClipArea {
    bool Active = false;
    std::vector<Point> Polygon;
    bool IsRectangle() const;  // four corners of an axis-aligned rectangle
    PixelRect Bounds() const;
    bool operator==(const ClipArea&) const = default;
};

// Logical to device: device = (logical - WindowOrg) * ViewportExt / WindowExt + ViewportOrg.
struct Mapping {
    Point WindowOrg;
    Size WindowExt{1, 1};
    Point ViewportOrg;
    Size ViewportExt{1, 1};
    bool IsIdentity() const;
    bool operator==(const Mapping&) const = default;
};

struct CanvasState {
    Pen CanvasPen;
    Brush CanvasBrush;
    Font CanvasFont;
    Color BackColor = ClWhite;
    BackMode Background = BackMode::Opaque;
    unsigned TextAlign = TaLeft | TaTop;
    ClipArea Clip;
};

class Canvas;

// An off-screen picture with its own canvas (the buffer of a chart, a bitmap export).
class Surface {
public:
    virtual ~Surface() = default;
    virtual Canvas& GetCanvas() = 0;
    virtual Size GetSize() const = 0;
    virtual Bitmap ToBitmap() const = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // State.
    const Pen& GetPen() const { return state.CanvasPen; }
    void SetPen(const Pen& p) { state.CanvasPen = p; ++version; }
    const Brush& GetBrush() const { return state.CanvasBrush; }
    void SetBrush(const Brush& b) { state.CanvasBrush = b; ++version; }
    const Font& GetFont() const { return state.CanvasFont; }
    void SetFont(const Font& f) { state.CanvasFont = f; ++version; }
    Color GetBackColor() const { return state.BackColor; }
    void SetBackColor(Color c) { state.BackColor = c; ++version; }
    BackMode GetBackMode() const { return state.Background; }
    void SetBackMode(BackMode m) { state.Background = m; ++version; }
    unsigned GetTextAlign() const { return state.TextAlign; }
    void SetTextAlign(unsigned a) { state.TextAlign = a; ++version; }
    const CanvasState& SaveState() const { return state; }
    void RestoreState(const CanvasState& s);
    // Grows with every change of pen, brush, font or background, so a back end can rebuild its tools lazily.
    std::uint64_t StateVersion() const { return version; }
    virtual int PixelsPerInch() const { return 96; }

    // Mapping and clip.
    const Mapping& GetMapping() const { return mapping; }
    void SetMapping(const Mapping& m) { mapping = m; }
    Point ToDevice(Point p) const;
    Point ToLogical(Point p) const;
    void ClipRect(const PixelRect& r);
    void ClipPolygon(std::span<const Point> pts);
    void Unclip();
    const ClipArea& GetClip() const { return state.Clip; }

    // Primitives, in logical coordinates, drawn with the current state.
    void SetPixel(int x, int y, Color c);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    Point PenPosition() const { return position; }  // logical
    void Line(int x0, int y0, int x1, int y1) { MoveTo(x0, y0); LineTo(x1, y1); }
    void Polyline(std::span<const Point> pts);
    void Polygon(std::span<const Point> pts);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(const PixelRect& r);  // the brush only, no outline
    void Ellipse(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    // Counter-clockwise from the ray through (x3, y3) to the ray through (x4, y4), on the ellipse in the box.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void PolyBezier(std::span<const Point> pts);  // 1 + 3n points
    void TextOut(int x, int y, std::string_view text);
    Size TextExtent(std::string_view text);  // in logical units
    int TextWidth(std::string_view text) { return TextExtent(text).Width; }
    int TextHeight(std::string_view text) { return TextExtent(text).Height; }
    void Draw(int x, int y, const Bitmap& picture);
    void StretchDraw(const PixelRect& r, const Bitmap& picture);

    // Off-screen surfaces and copying them here (at their own size, top-left at (x, y)).
    virtual std::unique_ptr<Surface> CreateSurface(int width, int height) = 0;
    void DrawSurface(int x, int y, const Surface& s, bool monochrome = false);

protected:
    // Device pixels from here on.
    virtual void DoPixel(Point p, Color c) = 0;
    virtual void DoPolyline(std::span<const Point> pts) = 0;
    virtual void DoPolygon(std::span<const Point> pts) = 0;
    virtual void DoRectangle(const PixelRect& r) = 0;
    virtual void DoFillRect(const PixelRect& r) = 0;
    virtual void DoEllipse(const PixelRect& r) = 0;
    virtual void DoRoundRect(const PixelRect& r, Size corner) = 0;
    enum class ArcKind { Arc, Pie };
    virtual void DoArc(ArcKind kind, const PixelRect& box, Point start, Point end) = 0;
    virtual void DoBezier(std::span<const Point> pts) = 0;
    virtual void DoText(Point p, std::string_view text, const Font& deviceFont) = 0;
    virtual Size DoTextExtent(std::string_view text, const Font& deviceFont) = 0;
    virtual void DoImage(const PixelRect& r, const Bitmap& picture) = 0;
    virtual void DoSurface(Point p, const Surface& s, bool monochrome) { DoImage({p.X, p.Y, p.X + s.GetSize().Width, p.Y + s.GetSize().Height}, s.ToBitmap()); }
    virtual void ClipChanged() {}

    // The font with its size scaled by the mapping (a font height is a logical length too).
    Font DeviceFont() const;
    // The pen width in device pixels.
    int DevicePenWidth() const;

private:
    std::vector<Point> DevicePoints(std::span<const Point> pts) const;
    PixelRect DeviceRect(const PixelRect& r) const;

    CanvasState state;
    Mapping mapping;
    Point position;
    std::uint64_t version = 0;
};

// Saves the drawing state of a canvas and restores it when the scope ends.
class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& c) : canvas(c), saved(c.SaveState()) {}
    ~CanvasStateGuard() { canvas.RestoreState(saved); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas;
    CanvasState saved;
};

}  // namespace fv
