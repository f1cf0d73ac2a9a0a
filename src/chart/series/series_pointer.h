// TSeriesPointer: the marker a line, point or area series draws at each point (rectangle, circle,
// triangles, crosses, star, diamond, dot), flat or as a solid in 3D, and its legend symbol.
//
// Rules:
// - The pointer belongs to its series: every change of a setting, its pen or its brush repaints the series.
// - HorizSize and VertSize are half sizes in pixels and at least 1 ("Pointer size must be greater than
//   zero"); StoreHorizSize/StoreVertSize skip the check for series that size each point while drawing.
// - In 3D every shape lies at the series' front depth; cubes and pyramids reach to its back depth.
#pragma once

#include "chart/canvas_3d.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

enum TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot
};

class TSeriesPointer {
public:
    explicit TSeriesPointer(TChartSeries* owner);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;

    TChartSeries* Owner() const { return owner_; }
    TChartBrush Brush;
    TChartPen Pen;
    void SetBrush(const TChartBrush& brush) { Brush.Assign(brush); }
    void SetPen(const TChartPen& pen) { Pen.Assign(pen); }

    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Change(dark3D_, value); }
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value) { Change(draw3D_, value); }
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    void StoreHorizSize(int value) { horizSize_ = value; }
    void StoreVertSize(int value) { vertSize_ = value; }
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value) { Change(inflateMargins_, value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value) { Change(style_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }
    // The pointer editor offers the size only when this is set.
    bool SizeEditable = true;

    // Raise the series' margins so that a marker at the chart's edge is not cut.
    void InflateHorizMargins(int& left, int& right) const;
    void InflateVertMargins(int& top, int& bottom) const;
    // Canvas pen and brush of the pointer; its automatic colours take `colour`.
    void PrepareCanvas(TCanvas3D& canvas, Color colour) const;
    void DrawPointer(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize, int vertSize, Color colour,
                     TSeriesPointerStyle style) const;
    // DrawPointer with the chart's 3D switch and the pointer's sizes.
    void Draw(int x, int y, Color colour, TSeriesPointerStyle style) const;
    // The pointer flat in the middle of a legend symbol, smaller when a line runs through it.
    void DrawLegendShape(Color colour, const PixelRect& rect, bool lineVisible) const;
    void Assign(const TSeriesPointer& other);

private:
    template <class T> void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        owner_->Repaint();
    }
    TChartSeries* owner_;
    bool dark3D_ = true, draw3D_ = true, inflateMargins_ = true, visible_ = true;
    int horizSize_ = 4, vertSize_ = 4;
    TSeriesPointerStyle style_ = psRectangle;
};

}  // namespace fv
