// The three published line-type series: TLineSeries (connected points), TPointSeries (pointers only) and
// TAreaSeries (the area under the line, optionally stacked over the area series before it).
//
// Stacking rules of the area: with maStacked each point sits on the sum of the same points of the active
// area series before it; with maStacked100 that sum is taken as a percent of the total of all of them (a
// total of 0 puts the point at pixel 0); MultiArea is one setting for every area series of the chart, and
// stacked areas share one depth slot.
#pragma once

#include "chart/series/custom_series.h"

namespace fv {

class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TLineSeries)
    void GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) override;
    void Assign(TChartSeries& source) override;
};

class TPointSeries : public TCustomSeries {
public:
    explicit TPointSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TPointSeries)
    void SetColorEachPoint(bool value) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TSeriesPointerEditor"; }
    void Assign(TChartSeries& source) override;
};

enum TMultiArea { maNone, maStacked, maStacked100 };

class TAreaSeries : public TCustomSeries {
public:
    explicit TAreaSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TAreaSeries)

    TMultiArea MultiArea() const { return multiArea_; }
    // Stores the mode in every area series of the chart, then repaints.
    void SetMultiArea(TMultiArea value);

    double MaxYValue() const override;
    double MinYValue() const override;
    std::string EditorClassName() const override { return "TAreaSeriesEditor"; }
    int PointScreenY(int index) const override;
    void CalcZOrder() override;
    void GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) override;
    int AreaBottom(int index) const override;
    void Assign(TChartSeries& source) override;

private:
    // The pixel of `value` stacked on the area series before this one at point `index`.
    int StackedY(int index, double value) const;
    TMultiArea multiArea_ = maNone;
};

}  // namespace fv
