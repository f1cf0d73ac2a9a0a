// The bar series: TCustomBarSeries and its two published types, TBarSeries (bars standing on the
// horizontal axis) and THorizBarSeries (bars lying along the vertical axis).
//
// Rules:
// - Bar series of one chart work together: with mbSide they stand side by side around each point's
//   position, with mbStacked each bar starts where the same point of the series before it ended, with
//   mbStacked100 the stack is scaled to 100 (a stack totalling 0 lies at pixel 0). MultiBar and
//   SideMargins are one setting for every bar series of the chart.
// - The bar size is worked out when the chart asks for the margins along the bars' category axis (and
//   again before drawing): a custom width, else a share of the room per point, made even.
// - Points with NoColour are skipped. Widths outside 1..100 % and offsets outside -100..100 % are refused.
#pragma once

#include <functional>
#include <string>

#include "chart/chart_exception.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

class BarException : public ChartException {
public:
    using ChartException::ChartException;
};

enum TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient };
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100 };

class TCustomBarSeries : public TChartSeries {
public:
    explicit TCustomBarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustomBarSeries)

    bool AutoBarSize() const { return autoBarSize_; }
    void SetAutoBarSize(bool value) { Change(autoBarSize_, value); }
    // Kept, copied and stored; no placement reads it.
    bool AutoMarkPosition() const { return autoMarkPosition_; }
    void SetAutoMarkPosition(bool value) { Change(autoMarkPosition_, value); }
    TChartBrush BarBrush;
    void SetBarBrush(const TChartBrush& brush) { BarBrush.Assign(brush); }
    TChartPen BarPen;
    void SetBarPen(const TChartPen& pen) { BarPen.Assign(pen); }
    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle value) { Change(barStyle_, value); }
    int BarWidthPercent() const { return barWidthPercent_; }
    void SetBarWidthPercent(int value);
    // CustomBarWidth of a vertical bar, CustomBarHeight of a horizontal one; 0 = worked out.
    int CustomBarWidth() const { return customBarWidth_; }
    void SetCustomBarWidth(int value) { Change(customBarWidth_, value); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Change(dark3D_, value); }
    TMultiBar MultiBar() const { return multiBar_; }
    void SetMultiBar(TMultiBar value);
    int OffsetPercent() const { return offsetPercent_; }
    void SetOffsetPercent(int value);
    bool SideMargins() const { return sideMargins_; }
    void SetSideMargins(bool value);
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool value) { Change(useYOrigin_, value); }
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double value) { Change(yOrigin_, value); }
    // May change the style of one point's bar.
    std::function<void(TCustomBarSeries*, int, TBarStyle&)> OnGetBarStyle;

    // The bar size in pixels as last worked out, and working it out.
    int BarSize() const { return barSize_; }
    void CalcBarSize();

    int NumSampleValues() const override { return 6; }
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TBarSeriesEditor"; }
    int Clicked(int x, int y) override;
    double PrecedingSum(int index, bool includeSelf) const override;
    void CalcZOrder() override;
    void DrawLegendShape(int legendIndex, const PixelRect& rect) override;
    void GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) override;
    bool DrawValuesForward() const override;
    bool DrawPointForward(int index) const override;
    void DrawAllValues() override;
    void DrawValue(int index) override;
    void Assign(TChartSeries& source) override;

    // The room a mark needs beyond the bar's end: the text size along the bar plus the arrow.
    virtual int MarkTextSize(int index) const = 0;
    int MarksRoom(int index) const;
    // Whether the pixel lies on the bar of point `index`.
    virtual bool BarContains(int index, int x, int y) const;
    // Draws the bar of point `index` between two pixels of its value axis (low <= high).
    virtual void DrawBar(int index, int low, int high) = 0;

    // The pixel where the bar of point `index` starts across the category axis (the bar spans it to
    // it + BarSize), and the pixels of its two ends along the value axis.
    int BarStart(int index) const;
    int ValueEnd(int index) const;
    int OriginEnd(int index) const;
    // The position of the series among the bar series side by side (1 = first), and their number.
    int SidePosition() const;
    int SideGroups() const;

protected:
    // THorizBarSeries: the bars lie along the horizontal axis.
    virtual bool HorizontalBars() const = 0;
    TCustomChartAxis* CategoryAxis() const { return HorizontalBars() ? GetVertAxis() : GetHorizAxis(); }
    TCustomChartAxis* ValueAxis() const { return HorizontalBars() ? GetHorizAxis() : GetVertAxis(); }
    int ValuePixel(double value) const { return HorizontalBars() ? XScreenPos(value) : YScreenPos(value); }
    int CategoryPixel(int index) const {
        return HorizontalBars() ? YScreenPos(GetYValue(index)) : XScreenPos(GetXValue(index));
    }
    // Margins along the category and the value axis, added to what the base gives.
    void CategoryMargins(int& low, int& high);
    void ValueMargins(int& low, int& high);
    // The value range: stacked sums, 100 for stacked 100 %, and the origin when bars start there.
    double BarMaxValue(double baseMaximum) const;
    double BarMinValue(double baseMinimum) const;
    // The style of one point's bar, pen and brush on the canvas for it.
    TBarStyle StyleOf(int index);
    void PrepareBarCanvas(Color colour);
    // The bar in the rectangle `bar` (across and along its axes), in the point's style.
    void DrawBarShape(int index, const PixelRect& bar);
    // The flat bar rectangle, visible even when it has no width or height.
    void DrawFlatRectangle(int left, int top, int right, int bottom);
    // The stacked 100 % pixel of a sum at point `index`.
    int StackedPixel(int index, double sum) const;

    Color barColour_ = AutomaticColour;

private:
    bool autoBarSize_ = false, autoMarkPosition_ = true;
    TBarStyle barStyle_ = bsRectangle;
    int barWidthPercent_ = 70, customBarWidth_ = 0;
    bool dark3D_ = true;
    TMultiBar multiBar_ = mbSide;
    int offsetPercent_ = 0;
    bool sideMargins_ = true, useYOrigin_ = true;
    double yOrigin_ = 0;
    int barSize_ = 0;
};

class TBarSeries : public TCustomBarSeries {
public:
    explicit TBarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TBarSeries)
    double MaxYValue() const override { return BarMaxValue(TCustomBarSeries::MaxYValue()); }
    double MinYValue() const override { return BarMinValue(TCustomBarSeries::MinYValue()); }
    int PointScreenX(int index) const override { return BarStart(index); }
    int PointScreenY(int index) const override { return ValueEnd(index); }
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    int MarkTextSize(int index) const override;
    bool BarContains(int index, int x, int y) const override;
    void DrawBar(int index, int top, int bottom) override;

protected:
    bool HorizontalBars() const override { return false; }
};

class THorizBarSeries : public TCustomBarSeries {
public:
    explicit THorizBarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(THorizBarSeries)
    TChartValueList* MandatoryValueList() const override { return XValues; }
    void FillSampleValues(int numValues) override;
    double MaxXValue() const override { return BarMaxValue(TCustomBarSeries::MaxXValue()); }
    double MinXValue() const override { return BarMinValue(TCustomBarSeries::MinXValue()); }
    int PointScreenX(int index) const override { return ValueEnd(index); }
    int PointScreenY(int index) const override { return BarStart(index); }
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    int MarkTextSize(int index) const override;
    bool BarContains(int index, int x, int y) const override;
    void DrawBar(int index, int left, int right) override;

protected:
    bool HorizontalBars() const override { return true; }
};

}  // namespace fv
