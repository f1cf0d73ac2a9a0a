// Recording a metafile and replaying it.
#include "platform/gfx/metafile.h"

namespace fv {

void MetafileCanvas::DoImage(const PixelRect& r, const Bitmap& picture) {
    RecordingCanvas::DoImage(r, picture);
    pictures.emplace_back(Calls().size() - 1, std::make_shared<const Bitmap>(picture));
}

void MetafileCanvas::DoSurface(Point p, const Surface& s, bool) {
    const Size z = s.GetSize();
    DoImage({p.X, p.Y, p.X + z.Width, p.Y + z.Height}, s.ToBitmap());
}

std::vector<MetafileRecord> MetafileCanvas::TakeRecords() {
    std::vector<MetafileRecord> out;
    out.reserve(Calls().size());
    for (const CanvasCall& c : Calls()) out.push_back({c, nullptr});
    for (auto& [index, picture] : pictures) out[index].Picture = std::move(picture);
    pictures.clear();
    Clear();
    return out;
}

void Metafile::Replay(Canvas& target) const {
    CanvasStateGuard guard(target);
    for (const MetafileRecord& r : Records) {
        const CanvasCall& c = r.Call;
        target.RestoreState(c.State);
        const std::vector<Point>& p = c.Points;
        auto at = [&](std::size_t i) { return i < p.size() ? p[i] : Point{}; };
        if (c.Op == "Pixel") target.SetPixel(at(0).X, at(0).Y, c.PixelColor);
        else if (c.Op == "Polyline") target.Polyline(p);
        else if (c.Op == "Polygon") target.Polygon(p);
        else if (c.Op == "Bezier") target.PolyBezier(p);
        else if (c.Op == "Rectangle") target.Rectangle(at(0).X, at(0).Y, at(1).X, at(1).Y);
        else if (c.Op == "FillRect") target.FillRect({at(0).X, at(0).Y, at(1).X, at(1).Y});
        else if (c.Op == "Ellipse") target.Ellipse(at(0).X, at(0).Y, at(1).X, at(1).Y);
        else if (c.Op == "RoundRect") target.RoundRect(at(0).X, at(0).Y, at(1).X, at(1).Y, at(2).X, at(2).Y);
        else if (c.Op == "Arc") target.Arc(at(0).X, at(0).Y, at(1).X, at(1).Y, at(2).X, at(2).Y, at(3).X, at(3).Y);
        else if (c.Op == "Pie") target.Pie(at(0).X, at(0).Y, at(1).X, at(1).Y, at(2).X, at(2).Y, at(3).X, at(3).Y);
        else if (c.Op == "Text") target.TextOut(at(0).X, at(0).Y, c.Text);
        else if (c.Op == "Image" && r.Picture) target.StretchDraw({at(0).X, at(0).Y, at(1).X, at(1).Y}, *r.Picture);
        // Clip and Unclip came with the state.
    }
}

}  // namespace fv
