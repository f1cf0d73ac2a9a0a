// The shape series: one figure (rectangle, ellipse, line, triangle, diamond, cross, star, cube or
// pyramid) with optional text lines, inside the rectangle of two corner points, to annotate a chart.
//
// Rules:
// - The corners are points 0 and 1 (X0, Y0 and X1, Y1); a series with any other number of points draws
//   nothing. They are axis values, pixels, or a corner in axis values and a size in pixels (XYStyle).
// - The rectangle is normalised: corners in any order give the same figure, and a zero width or height
//   becomes one pixel.
// - The figure is drawn whenever its rectangle meets the chart rectangle, wherever its corners lie on the
//   axes (the points' visible range does not apply to it).
// - SeriesColor and the brush colour stay equal.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_pens.h"
#include "chart/chart_series.h"
#include "chart/walls_titles.h"

namespace fv {

enum TChartShapeStyle {
    chasRectangle, chasCircle, chasVertLine, chasHorizLine, chasTriangle, chasInvertTriangle, chasLine,
    chasDiamond, chasCube, chasCross, chasDiagCross, chasStar, chasPyramid, chasInvertPyramid
};

enum TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };

class TChartShape : public TChartSeries {
public:
    explicit TChartShape(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TChartShape)

    TChartShapeStyle Style() const { return style_; }
    void SetStyle(TChartShapeStyle value) { Change(style_, value); }
    TChartShapeXYStyle XYStyle() const { return xyStyle_; }
    void SetXYStyle(TChartShapeXYStyle value) { Change(xyStyle_, value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Change(alignment_, value); }
    const Font& ShapeFont() const { return font_; }
    void SetFont(const Font& value) { Change(font_, value); }
    const std::vector<std::string>& Text() const { return text_; }
    virtual void SetText(const std::vector<std::string>& lines);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { Change(transparent_, value); }
    bool RoundRectangle() const { return roundRectangle_; }
    void SetRoundRectangle(bool value) { Change(roundRectangle_, value); }
    TChartBrush Brush;
    TChartPen Pen;
    void SetBrush(const TChartBrush& brush) { Brush.Assign(brush); }
    void SetPen(const TChartPen& pen) { Pen.Assign(pen); }

    double X0() const { return GetXValue(0); }
    double Y0() const { return GetYValue(0); }
    double X1() const { return GetXValue(1); }
    double Y1() const { return GetYValue(1); }
    void SetX0(double v) { SetXValue(0, v); }
    void SetY0(double v) { SetYValue(0, v); }
    void SetX1(double v) { SetXValue(1, v); }
    void SetY1(double v) { SetYValue(1, v); }

    // The figure's rectangle on the screen (before the 3D projection), normalised.
    virtual PixelRect GetShapeRectangle() const;
    void DrawShape(bool is3D, const PixelRect& r);
    void DrawShapeText(const PixelRect& r);

    void DrawValue(int index) override;
    void DrawLegendShape(int index, const PixelRect& rect) override;
    // 0 when (x, y) is on the figure, else -1.
    int Clicked(int x, int y) override;
    bool UsesAxes() const override { return xyStyle_ != xysPixels; }
    void CalcZOrder() override;
    bool SharesZOrder() const override { return false; }
    void SetSeriesColor(Color value) override;
    bool IsValidSourceOf(const TChartSeries& other) const override;
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TChartShapeEditor"; }
    void Assign(TChartSeries& source) override;

private:
    TCanvas3D* ShapeCanvas() const;
    TChartShapeStyle style_ = chasCircle;
    TChartShapeXYStyle xyStyle_ = xysAxis;
    TAlignment alignment_ = TAlignment::taCenter;
    Font font_;
    std::vector<std::string> text_;
    bool transparent_ = false, roundRectangle_ = false;
};

}  // namespace fv
