// Two marker series. TPoint3DSeries puts a marker at each (X, Y, Z) point at the depth of its Z value and
// may join each point to the one before with a line; TBubbleSeries draws each point as a marker whose size
// follows a third value, the radius.
//
// Rules:
// - A point 3D marker stands from the depth of its Z value back by DepthSize units of the vertical axis;
//   the depth axis reaches DepthSize past the largest Z so the last marker fits.
// - The line of a point 3D series runs from each drawn point to the next, across depths; a point in the
//   no-colour value draws nothing and breaks the line.
// - A bubble is as tall as its radius on the vertical axis and, unless Squared, as wide as its radius on
//   the horizontal axis; the vertical range holds every whole bubble, and a click finds a bubble within
//   its own size. Drawing leaves the pointer's own sizes as they were.
#pragma once

#include <functional>
#include <string>

#include "chart/chart_pens.h"
#include "chart/extended/extra_values.h"
#include "chart/extended/grid_series.h"
#include "chart/series/line_series.h"
#include "chart/series/series_pointer.h"

namespace fv {

class TPoint3DSeries : public TCustom3DSeries {
public:
    explicit TPoint3DSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TPoint3DSeries)

    TSeriesPointer Pointer{this};
    void SetPointer(const TSeriesPointer& pointer) { Pointer.Assign(pointer); }
    // From each point to the next.
    TChartPen LinePen;
    void SetLinePen(const TChartPen& pen) { LinePen.Assign(pen); }
    // Depth of a marker, in units of the vertical axis.
    double DepthSize() const { return depthSize_; }
    void SetDepthSize(double value) { Change(depthSize_, value); }

    // A click on a marker: the series, the point, and the pixel.
    std::function<void(TPoint3DSeries*, int, int, int)> OnClickPointer;
    // The marker's shape for one point.
    std::function<TSeriesPointerStyle(TPoint3DSeries*, int)> OnGetPointerStyle;

    // The depths of point i's marker in pixels: front at its Z value, back DepthSize further.
    void PointDepths(int index, int& front, int& back) const;

    void DrawAllValues() override;
    void DrawValue(int index) override;
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawLegendShape(int index, const PixelRect& rect) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    double MaxZValue() const override { return TCustom3DSeries::MaxZValue() + depthSize_; }
    int Clicked(int x, int y) override;
    // Appends numValues points with whole X, Y and Z of 0..99; the points before stay.
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TPoint3DSeriesEditor"; }
    void Assign(TChartSeries& source) override;

private:
    double depthSize_ = 4.0;
    // The drawing so far: the previous point's pixels and front depth, and whether there is one to join.
    int previousX_ = 0, previousY_ = 0, previousDepth_ = 0;
    bool hasPrevious_ = false;
};

class TBubbleSeries : public WithExtraValues<TPointSeries> {
public:
    explicit TBubbleSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TBubbleSeries)

    // The radius of each point (extra list "Radius"), in units of the vertical axis.
    TChartValueList* RadiusValues;
    // Round bubbles: the width follows the vertical scale too.
    bool Squared() const { return squared_; }
    void SetSquared(bool value) { Change(squared_, value); }

    int AddBubblePoint(double x, double y, double radius, const std::string& label = {},
                       Color colour = AutomaticColour);

    // Half sizes in pixels of bubble i.
    int BubbleHorizSize(int index) const;
    int BubbleVertSize(int index) const;

    void DrawValue(int index) override;
    void DrawLegendShape(int index, const PixelRect& rect) override;
    bool PointerHit(int index, int pointX, int pointY, int x, int y) const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    bool IsValidSourceOf(const TChartSeries& other) const override;
    void FillSampleValues(int numValues) override;
    void Assign(TChartSeries& source) override;

private:
    bool squared_ = true;
};

}  // namespace fv
