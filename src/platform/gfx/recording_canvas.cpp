// The recording canvas: a log of device-pixel calls with fixed text metrics.
#include "platform/gfx/recording_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

class RecordingSurface : public Surface {
public:
    RecordingSurface(int w, int h) : size{std::max(0, w), std::max(0, h)} {}
    Canvas& GetCanvas() override { return canvas; }
    Size GetSize() const override { return size; }
    Bitmap ToBitmap() const override { return Bitmap(size.Width, size.Height); }

private:
    RecordingCanvas canvas;
    Size size;
};

std::size_t CharacterCount(std::string_view text) {
    // UTF-8: count the bytes that start a character.
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

int FontPixelHeight(int pointSize) { return std::max(1, MulDiv(std::abs(pointSize), 96, 72)); }

std::string CanvasCall::ToString() const {
    std::string s = Op;
    for (Point p : Points) s += " (" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
    if (!Text.empty()) s += " \"" + Text + "\"";
    return s;
}

std::vector<CanvasCall> RecordingCanvas::Calls(std::string_view op) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls)
        if (c.Op == op) out.push_back(c);
    return out;
}

std::vector<std::string> RecordingCanvas::Lines() const {
    std::vector<std::string> out;
    for (const auto& c : calls) out.push_back(c.ToString());
    return out;
}

std::unique_ptr<Surface> RecordingCanvas::CreateSurface(int width, int height) {
    return std::make_unique<RecordingSurface>(width, height);
}

CanvasCall& RecordingCanvas::Add(std::string op, std::vector<Point> pts) {
    if (calls.size() >= CallLimit) throw std::length_error("The recording canvas took more calls than its limit");
    CanvasCall c;
    c.Op = std::move(op);
    c.Points = std::move(pts);
    c.State = SaveState();
    c.State.CanvasFont = DeviceFont();
    c.State.CanvasPen.Width = DevicePenWidth();
    calls.push_back(std::move(c));
    return calls.back();
}

void RecordingCanvas::DoPixel(Point p, Color c) { Add("Pixel", {p}).PixelColor = c; }
void RecordingCanvas::DoPolyline(std::span<const Point> pts) { Add("Polyline", {pts.begin(), pts.end()}); }
void RecordingCanvas::DoPolygon(std::span<const Point> pts) { Add("Polygon", {pts.begin(), pts.end()}); }
void RecordingCanvas::DoRectangle(const PixelRect& r) { Add("Rectangle", {{r.Left, r.Top}, {r.Right, r.Bottom}}); }
void RecordingCanvas::DoFillRect(const PixelRect& r) { Add("FillRect", {{r.Left, r.Top}, {r.Right, r.Bottom}}); }
void RecordingCanvas::DoEllipse(const PixelRect& r) { Add("Ellipse", {{r.Left, r.Top}, {r.Right, r.Bottom}}); }

void RecordingCanvas::DoRoundRect(const PixelRect& r, Size corner) {
    Add("RoundRect", {{r.Left, r.Top}, {r.Right, r.Bottom}, {corner.Width, corner.Height}});
}

void RecordingCanvas::DoArc(ArcKind kind, const PixelRect& box, Point start, Point end) {
    Add(kind == ArcKind::Arc ? "Arc" : "Pie", {{box.Left, box.Top}, {box.Right, box.Bottom}, start, end});
}

void RecordingCanvas::DoBezier(std::span<const Point> pts) { Add("Bezier", {pts.begin(), pts.end()}); }

void RecordingCanvas::DoText(Point p, std::string_view text, const Font&) { Add("Text", {p}).Text = std::string(text); }

Size RecordingCanvas::DoTextExtent(std::string_view text, const Font& deviceFont) {
    int h = FontPixelHeight(deviceFont.Size);
    return {SaturateToInt(std::int64_t(CharacterCount(text)) * ((h + 1) / 2)), h};
}

void RecordingCanvas::DoImage(const PixelRect& r, const Bitmap& picture) {
    Add("Image", {{r.Left, r.Top}, {r.Right, r.Bottom}}).Text =
        std::to_string(picture.Width) + "x" + std::to_string(picture.Height);
}

void RecordingCanvas::DoSurface(Point p, const Surface& s, bool) {
    Size z = s.GetSize();
    Add("Surface", {p}).Text = std::to_string(z.Width) + "x" + std::to_string(z.Height);
}

void RecordingCanvas::ClipChanged() {
    const ClipArea& clip = GetClip();
    Add(clip.Active ? "Clip" : "Unclip", clip.Polygon);
}

}  // namespace fv
