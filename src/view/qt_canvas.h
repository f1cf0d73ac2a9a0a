// The raster canvas: the platform canvas drawn with QPainter into a QImage.
//
// Drawing is pixel-exact rather than smooth: no antialiasing of lines, fills or text, one-pixel pens end
// one pixel short as the canvas' lines do, rectangles cover Left..Right-1. Fonts are pinned to faces with
// the metrics of the ones the charts name ("Arial" is Liberation Sans), so layouts come out the same on
// every machine that has them.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/column_run.h"

namespace fv {

// A canvas font as Qt draws it on the raster canvas.
QFont CanvasQFont(const Font& font);

// A white raster picture of the size with a raster canvas on it.
std::unique_ptr<Surface> CreateRasterSurface(int width, int height);

class QtCanvas : public Canvas {
public:
    // Draws into `image` (kept by the caller) for the canvas' lifetime.
    explicit QtCanvas(QImage& image);
    ~QtCanvas() override;

    // The picture with everything drawn so far in it.
    QImage& Image() {
        Flush();
        return image;
    }
    // Draws the segments of LineTo still gathered (see DrawLine).
    void Flush();
    std::unique_ptr<Surface> CreateSurface(int width, int height) override;

protected:
    void DoPixel(Point p, Color c) override;
    // A single segment (LineTo draws one) is a line: see DrawLine.
    void DoPolyline(std::span<const Point> pts) override;
    void DoPolygon(std::span<const Point> pts) override;
    void DoRectangle(const PixelRect& r) override;
    void DoFillRect(const PixelRect& r) override;
    void DoEllipse(const PixelRect& r) override;
    void DoRoundRect(const PixelRect& r, Size corner) override;
    void DoArc(ArcKind kind, const PixelRect& box, Point start, Point end) override;
    void DoBezier(std::span<const Point> pts) override;
    void DoText(Point p, std::string_view text, const Font& deviceFont) override;
    Size DoTextExtent(std::string_view text, const Font& deviceFont) override;
    void DoImage(const PixelRect& r, const Bitmap& picture) override;
    void DoSurface(Point p, const Surface& s, bool monochrome) override;
    void ClipChanged() override;

private:
    // Brings the painter's pen, brush, background and mode up to the canvas state.
    void Sync();
    // With a one-pixel solid pen that copies, vertical segments one after another in one column are
    // gathered (ColumnRun) and drawn as one when the line leaves the column, anything else is drawn, the
    // state changes or the picture is read; every other segment is drawn at once.
    void DrawLine(Point from, Point to);
    void DrawSegment(Point from, Point to);
    const std::vector<QPoint>& ToQPoints(std::span<const Point> pts);

    QImage& image;
    QPainter painter;
    std::uint64_t syncedVersion = ~std::uint64_t(0);
    std::vector<QPoint> points;  // reused between calls
    bool gatherLines = false;    // the pen lets segments be gathered
    ColumnRun column;
};

}  // namespace fv
