// A canvas that draws nothing and logs every call in device pixels, with the state it was drawn with.
// Text has fixed metrics: a line is `FontPixelHeight` of the font high and each character half that
// (rounded up) wide, so layouts can be checked to the pixel without fonts.
#pragma once

#include <string>
#include <vector>

#include "platform/gfx/canvas.h"

namespace fv {

struct CanvasCall {
    // Pixel, Polyline, Polygon, Rectangle, FillRect, Ellipse, RoundRect, Arc, Pie, Bezier, Text, Image,
    // Surface, Clip, Unclip.
    std::string Op;
    // The points in device pixels; a rectangle is its top-left and bottom-right corner; RoundRect adds the
    // corner size, Arc and Pie the start and end points.
    std::vector<Point> Points;
    std::string Text;  // text of Text; "WxH" of Image and Surface
    Color PixelColor = 0;
    CanvasState State;  // pen, brush, font (device size) and background at the call

    // "Polygon (1,2) (3,4)", the geometry only.
    std::string ToString() const;
};

// Pixel height of a font of the given point size at 96 pixels per inch.
int FontPixelHeight(int pointSize);

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas() = default;

    const std::vector<CanvasCall>& Calls() const { return calls; }
    std::vector<CanvasCall> Calls(std::string_view op) const;
    // Every call's ToString, one per entry.
    std::vector<std::string> Lines() const;
    void Clear() { calls.clear(); }
    // Past this many calls a call raises std::length_error, so a drawing that would not end is stopped.
    std::size_t CallLimit = std::size_t(-1);

    std::unique_ptr<Surface> CreateSurface(int width, int height) override;

protected:
    void DoPixel(Point p, Color c) override;
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
    CanvasCall& Add(std::string op, std::vector<Point> pts);
    std::vector<CanvasCall> calls;
};

}  // namespace fv
