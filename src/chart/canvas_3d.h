// The chart canvas: the one drawing object every chart part draws through.
//
// `TChartCanvas` is the 2D table of operations over a bound platform `Canvas`; `TCanvas3D` adds the
// operations that take a depth; `TChartCanvas3D` implements both. Chart coordinates are pixels: x and y on
// the chart, z the depth. A depth operation projects its points (`ProjectPoint`) and sends only 2D calls
// down, so the recording canvas shows exactly what reaches the screen.
//
// Projection rules: orthogonal (the default view) moves a point one pixel right and one up per pixel of
// depth, scaled by the zoom about the centre; a rotated view uses the six coefficients of elevation,
// rotation and tilt. Positions are worked out in double, rounded halves to even and saturated, so huge or
// non-finite inputs land far off the picture instead of wrapping onto it.
//
// A drawing: `SetupProjection` (binds the buffer surface or the target), `SetCenterFromRect` (once the
// chart rectangle is final), the drawing, `FinishDrawing` (copies the buffer to the target, binds the
// panel's own canvas again). With buffering the panel repaints from the buffer until something
// invalidates it.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "chart/chart_pens.h"
#include "chart/view_3d_options.h"
#include "platform/gfx/canvas.h"

namespace fv {

enum class TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft };

class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;

    // Binds a platform canvas (nullptr unbinds); every operation draws on the bound one.
    void AttachCanvas(Canvas* c) { canvas = c; }
    Canvas* ReferenceCanvas() const { return canvas; }

    // Pen black 1 solid, brush white solid, font black 10 points, background white and transparent.
    void ResetState();
    // An invisible pen clears the canvas pen; small dots of width 1 become the alternate-dot pen.
    void AssignVisiblePen(const TChartPen& pen);
    // The line height of every label: the height of "W".
    int FontHeight() { return TextHeight("W"); }

    // While a panel draws into a picture (bitmap, metafile); its clip rule reads it.
    bool DrawingToImage = false;

    virtual TColor GetBackColor() = 0;
    virtual BackMode GetBackMode() = 0;
    virtual bool GetMonochrome() const = 0;
    virtual unsigned GetTextAlign() = 0;
    virtual bool GetBuffered() const = 0;
    virtual void SetBackColor(TColor c) = 0;
    virtual void SetBackMode(BackMode m) = 0;
    virtual void SetMonochrome(bool v) = 0;
    virtual void SetPixel(int x, int y, TColor c) = 0;
    virtual void SetTextAlign(unsigned flags) = 0;
    virtual void SetBuffered(bool v) = 0;
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Draw(int x, int y, const Bitmap& picture) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(const PixelRect& r) = 0;
    virtual void BevelFrame(const PixelRect& r, TColor topLeft, int width, TColor bottomRight) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
    virtual void StretchDraw(const PixelRect& r, const Bitmap& picture) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Size of a text in the canvas font; 0 without a canvas.
    virtual int TextWidth(std::string_view text);
    virtual int TextHeight(std::string_view text);
    virtual void ClipRectangle(const PixelRect& r) = 0;
    virtual void HorizLine(int x0, int x1, int y) = 0;
    virtual void RectangleOfRect(const PixelRect& r) = 0;
    virtual void VertLine(int x, int y0, int y1) = 0;
    virtual void FillRectangle(const PixelRect& r) = 0;
    virtual void GradientFill(const PixelRect& r, TColor first, TGradientDirection direction, TColor second) = 0;
    virtual void InvalidateBuffer() = 0;
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    virtual void Polygon(std::span<const Point> pts) = 0;
    virtual void RotatedTextOut(int x, int y, int angle, std::string_view text) = 0;
    virtual void UnclipRectangle() = 0;

protected:
    Canvas* canvas = nullptr;
};

class TCanvas3D : public TChartCanvas {
public:
    const TView3DOptions* View3DOptions = nullptr;  // the options in force, may be none
    bool OrthogonalView = false;

    virtual void PixelZ(int x, int y, TColor c, int z) = 0;
    virtual bool AllowsFreeRotation() = 0;
    virtual bool DrawsTextAtDepth() = 0;
    virtual void UnprojectPoint(int& x, int& y, int z) = 0;
    virtual void ProjectPoint(int x, int y, int z, Point& out) = 0;
    virtual void SetupProjection(Canvas* target, const TView3DOptions* options, PixelRect& drawRect,
                                 const PixelRect& chartRect, bool is3D) = 0;
    virtual void CopyMonochromeFrom(TCanvas3D& other) { SetMonochrome(other.GetMonochrome()); }
    virtual void SetCenterFromRect(int depth, const PixelRect& r) = 0;
    virtual void FinishDrawing(Canvas* target, Canvas* own, const PixelRect& r) = 0;
    virtual bool PaintFromBuffer() = 0;
    virtual void ArrowZ(bool filled, Point from, Point to, int headLength, int headWidth, int z) = 0;
    virtual void ClipCube(const PixelRect& r, int z0, int z1) = 0;
    virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, bool dark) = 0;
    virtual void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) = 0;
    virtual void HorizLineZ(int x0, int x1, int y, int z) = 0;
    virtual void VertLineZ(int x, int y0, int y1, int z) = 0;
    virtual void ZLine(int x, int y, int z0, int z1) = 0;
    virtual void EllipseZ(int x1, int y1, int x2, int y2, int z) = 0;
    virtual void Disable3D() = 0;
    virtual void Restore3D() = 0;
    virtual void LineZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MoveToZ(int x, int y, int z) = 0;
    virtual void LineToZ(int x, int y, int z) = 0;
    virtual void PieSliceZ(int cx, int cy, int xRadius, int yRadius, double startAngle, double endAngle, int z0,
                           int z1, bool side, bool dark) = 0;
    virtual void SidePlaneZ(Point a, Point b, int z0, int z1) = 0;
    virtual void QuadrilateralZ(Point p0, Point p1, Point p2, Point p3, int z) = 0;
    virtual void PlaneWithDepths(Point p0, Point p1, Point p2, Point p3, int z0, int z1) = 0;
    virtual void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) = 0;
    virtual void RectangleZ(const PixelRect& r, int z) = 0;
    virtual void RectangleHorizZ(int left, int right, int y, int z0, int z1) = 0;
    virtual void RectangleSideZ(int x, int top, int bottom, int z0, int z1) = 0;
    virtual void RotatedTextOutZ(int x, int y, int angle, std::string_view text, int z) = 0;
    virtual void TextOutZ(int x, int y, std::string_view text, int z) = 0;
    virtual void TriangleZ(Point p0, Point p1, Point p2, int z) = 0;
};

class TChartCanvas3D : public TCanvas3D {
public:
    TChartCanvas3D() = default;

    int CenterX = 0, CenterY = 0, CenterZ = 0;
    int ShiftedCenterX = 0, ShiftedCenterY = 0;
    double XFromX = 0, XFromY = 0, XFromZ = 0, YFromX = 0, YFromY = 0, YFromZ = 0;
    bool SavedIs3D = false;
    bool Is3D = false;
    std::unique_ptr<Surface> BufferBitmap;
    bool BufferDirty = true;
    PixelRect Bounds;
    bool ZoomText = true;
    double ZoomFactor = 1.0;
    // Repaints the owner of the 3D options when the monochrome switch changes.
    std::function<void()> RepaintOwner;

    TColor GetBackColor() override;
    BackMode GetBackMode() override;
    bool GetMonochrome() const override { return monochrome; }
    unsigned GetTextAlign() override;
    bool GetBuffered() const override { return buffered; }
    void SetBackColor(TColor c) override;
    void SetBackMode(BackMode m) override;
    void SetMonochrome(bool v) override;
    void SetPixel(int x, int y, TColor c) override;
    void SetTextAlign(unsigned flags) override;
    void SetBuffered(bool v) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Draw(int x, int y, const Bitmap& picture) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void FillRect(const PixelRect& r) override;
    void BevelFrame(const PixelRect& r, TColor topLeft, int width, TColor bottomRight) override;
    void LineTo(int x, int y) override;
    void MoveTo(int x, int y) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void StretchDraw(const PixelRect& r, const Bitmap& picture) override;
    void TextOut(int x, int y, std::string_view text) override;
    void ClipRectangle(const PixelRect& r) override;
    void HorizLine(int x0, int x1, int y) override { Line(x0, y, x1, y); }
    void RectangleOfRect(const PixelRect& r) override { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void VertLine(int x, int y0, int y1) override { Line(x, y0, x, y1); }
    void FillRectangle(const PixelRect& r) override { FillRect(r); }
    void GradientFill(const PixelRect& r, TColor first, TGradientDirection direction, TColor second) override;
    void InvalidateBuffer() override { BufferDirty = true; }
    void Line(int x0, int y0, int x1, int y1) override;
    void Polygon(std::span<const Point> pts) override;
    void RotatedTextOut(int x, int y, int angle, std::string_view text) override;
    void UnclipRectangle() override;

    void PixelZ(int x, int y, TColor c, int z) override;
    bool AllowsFreeRotation() override { return false; }
    bool DrawsTextAtDepth() override { return false; }
    void UnprojectPoint(int& x, int& y, int z) override;
    void ProjectPoint(int x, int y, int z, Point& out) override;
    Point Project(int x, int y, int z) { Point p; ProjectPoint(x, y, z, p); return p; }
    void SetupProjection(Canvas* target, const TView3DOptions* options, PixelRect& drawRect,
                         const PixelRect& chartRect, bool is3D) override;
    void SetCenterFromRect(int depth, const PixelRect& r) override;
    void FinishDrawing(Canvas* target, Canvas* own, const PixelRect& r) override;
    bool PaintFromBuffer() override;
    void ArrowZ(bool filled, Point from, Point to, int headLength, int headWidth, int z) override;
    void ClipCube(const PixelRect& r, int z0, int z1) override;
    // ClipCube, kept inside `area` as well: a rotated or moved cube does not reach past it.
    void ClipCubeWithin(const PixelRect& r, int z0, int z1, const PixelRect& area);
    void Cube(int left, int right, int top, int bottom, int z0, int z1, bool dark) override;
    void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) override;
    void HorizLineZ(int x0, int x1, int y, int z) override;
    void VertLineZ(int x, int y0, int y1, int z) override;
    void ZLine(int x, int y, int z0, int z1) override;
    void EllipseZ(int x1, int y1, int x2, int y2, int z) override;
    void Disable3D() override;
    void Restore3D() override;
    void LineZ(int x0, int y0, int x1, int y1, int z) override;
    void MoveToZ(int x, int y, int z) override;
    void LineToZ(int x, int y, int z) override;
    void PieSliceZ(int cx, int cy, int xRadius, int yRadius, double startAngle, double endAngle, int z0, int z1,
                   bool side, bool dark) override;
    void SidePlaneZ(Point a, Point b, int z0, int z1) override;
    void QuadrilateralZ(Point p0, Point p1, Point p2, Point p3, int z) override;
    void PlaneWithDepths(Point p0, Point p1, Point p2, Point p3, int z0, int z1) override;
    void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark) override;
    void RectangleZ(const PixelRect& r, int z) override;
    void RectangleHorizZ(int left, int right, int y, int z0, int z1) override;
    void RectangleSideZ(int x, int top, int bottom, int z0, int z1) override;
    void RotatedTextOutZ(int x, int y, int angle, std::string_view text, int z) override;
    void TextOutZ(int x, int y, std::string_view text, int z) override;
    void TriangleZ(Point p0, Point p1, Point p2, int z) override;

private:
    void CalcRotation(const TView3DOptions* options);
    // The colour a darkened face starts from, and darkening the canvas by n from it.
    TColor FaceBaseColor();
    void SetFaceColor(TColor base, int darkness);
    // Text with the zoom applied to the font size, at an angle in tenths of a degree.
    void WriteText(Point p, std::string_view text, int angleTenths);
    void Poly(std::initializer_list<Point> pts) { Polygon(std::span<const Point>(pts.begin(), pts.size())); }

    bool buffered = true;
    bool monochrome = false;
    Size bufferSize;
};

}  // namespace fv
