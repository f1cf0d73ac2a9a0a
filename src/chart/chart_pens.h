// The pens and brushes that chart parts own: a canvas pen or brush plus the chart's own flags, which tell
// their owner when they change so that it repaints. The presets are the pens of grids, ticks, axes, arrows
// and hidden frames.
#pragma once

#include <functional>

#include "platform/gfx/canvas.h"

namespace fv {

using TColor = Color;
using TNotifyChange = std::function<void()>;

class TChartPen {
public:
    explicit TChartPen(TNotifyChange onChange = {}) : OnChange(std::move(onChange)) {}
    virtual ~TChartPen() = default;

    TColor GetColor() const { return pen.PenColor; }
    void SetColor(TColor c) { Set(pen.PenColor, c); }
    int Width() const { return pen.Width; }
    void SetWidth(int w) { Set(pen.Width, w); }
    PenStyle Style() const { return pen.Style; }
    void SetStyle(PenStyle s) { Set(pen.Style, s); }
    PenMode Mode() const { return pen.Mode; }
    void SetMode(PenMode m) { Set(pen.Mode, m); }
    bool SmallDots() const { return smallDots; }
    void SetSmallDots(bool v) { Set(smallDots, v); }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { Set(visible, v); }
    const Pen& CanvasPen() const { return pen; }

    // Copies the flags, then the pen; tells the owner once.
    void Assign(const TChartPen& other);

    TNotifyChange OnChange;

private:
    template <class T> void Set(T& field, T v) {
        if (field == v) return;
        field = v;
        if (OnChange) OnChange();
    }
    Pen pen;
    bool smallDots = false;
    bool visible = true;
};

// Frames of titles, dividing lines of the legend.
struct TChartHiddenPen : TChartPen {
    explicit TChartHiddenPen(TNotifyChange onChange = {});
};
// Axis grids.
struct TDottedGrayPen : TChartPen {
    explicit TDottedGrayPen(TNotifyChange onChange = {});
};
// Ticks.
struct TDarkGrayPen : TChartPen {
    explicit TDarkGrayPen(TNotifyChange onChange = {});
};
// Axis lines.
struct TChartAxisPen : TChartPen {
    explicit TChartAxisPen(TNotifyChange onChange = {});
};
// Arrow lines of series marks.
struct TChartArrowPen : TChartPen {
    explicit TChartArrowPen(TNotifyChange onChange = {});
};

// A brush whose colour starts automatic (the owner's default).
class TChartBrush {
public:
    explicit TChartBrush(TNotifyChange onChange = {}) : OnChange(std::move(onChange)) {}

    TColor GetColor() const { return brush.BrushColor; }
    void SetColor(TColor c) { Set(brush.BrushColor, c); }
    BrushStyle Style() const { return brush.Style; }
    void SetStyle(BrushStyle s) { Set(brush.Style, s); }
    const BitmapPtr& Image() const { return brush.Pattern; }
    void SetImage(BitmapPtr b) { Set(brush.Pattern, std::move(b)); }
    const Brush& CanvasBrush() const { return brush; }
    void Assign(const TChartBrush& other);

    TNotifyChange OnChange;

private:
    template <class T> void Set(T& field, T v) {
        if (field == v) return;
        field = std::move(v);
        if (OnChange) OnChange();
    }
    Brush brush{AutomaticColour, BrushStyle::Solid, nullptr};
};

}  // namespace fv
