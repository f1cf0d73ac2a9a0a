// The chart's legend: a framed box with a shadow at one side of the chart listing either the chart's series
// or the points of one series, each item a coloured symbol and a text. Laying it out takes its room (and a
// gap) out of the chart rectangle so that the axes and series are drawn beside it.
//
// Rules:
// - `lsAuto` lists the points of the only active series, and the series once two or more are active.
// - Nothing is drawn and the chart rectangle stays whole when there are no items or no room for one row.
// - `Clicked` answers the drawing position under a point (-1 for none), not adjusted for `FirstValue` or
//   `Inverted`; it measures rows with the height the items were last drawn with.
// - Range checks raise LegendException and leave the value unchanged.
#pragma once

#include <string>

#include "chart/chart_panel.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

class TCustomChart;

class LegendException : public ChartException {
public:
    using ChartException::ChartException;
};

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };

class TCustomChartLegend : public TChartFontObject {
public:
    explicit TCustomChartLegend(TCustomChart* chart);
    ~TCustomChartLegend() override = default;

    TLegendAlignment Alignment() const { return alignment; }
    void SetAlignment(TLegendAlignment v) { Store(alignment, v); }
    TChartBrush& Brush() { return brush; }
    void SetBrush(const TChartBrush& b) { brush.Assign(b); }
    TColor GetColor() const { return color; }
    void SetColor(TColor v) { Store(color, v); }
    int ColorWidth() const { return colorWidth; }
    void SetColorWidth(int v);  // 0..100
    TChartHiddenPen& DividingLines() { return dividingLines; }
    void SetDividingLines(const TChartPen& p) { dividingLines.Assign(p); }
    int FirstValue() const { return firstValue; }
    void SetFirstValue(int v);  // 0 or more
    TChartPen& Frame() { return frame; }
    void SetFrame(const TChartPen& p) { frame.Assign(p); }
    int HorizMargin() const { return horizMargin; }
    void SetHorizMargin(int v) { Store(horizMargin, v); }
    bool Inverted() const { return inverted; }
    void SetInverted(bool v) { Store(inverted, v); }
    TLegendStyle LegendStyle() const { return legendStyle; }
    void SetLegendStyle(TLegendStyle v);
    int MaxNumRows() const { return maxNumRows; }
    void SetMaxNumRows(int v) { Store(maxNumRows, v); }
    bool ResizeChart() const { return resizeChart; }
    void SetResizeChart(bool v) { Store(resizeChart, v); }
    TColor ShadowColor() const { return shadowColor; }
    void SetShadowColor(TColor v) { Store(shadowColor, v); }
    int ShadowSize() const { return shadowSize; }
    void SetShadowSize(int v) { Store(shadowSize, v); }
    TLegendTextStyle TextStyle() const { return textStyle; }
    void SetTextStyle(TLegendTextStyle v) { Store(textStyle, v); }
    int TopPos() const { return topPos; }
    void SetTopPos(int v);  // 0..100
    int VertMargin() const { return vertMargin; }
    void SetVertMargin(int v) { Store(vertMargin, v); }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { Store(visible, v); }

    // Layout of the last drawing.
    PixelRect RectLegend;
    int ColorWidthPixels = 0;  // the symbol's width
    int NumCols = 0, NumRows = 0;
    int ItemHeight = 0;
    TLegendStyle LegendStyleInUse() const { return styleInUse; }

    bool IsVertical() const { return alignment == TLegendAlignment::laLeft || alignment == TLegendAlignment::laRight; }
    // What `lsAuto` stands for now.
    TLegendStyle ResolveStyle() const;
    // The number of items listed, FirstValue ones skipped.
    int ItemCount() const;
    // The text of item `index` (counted over all items), before the chart's legend-text event.
    std::string ItemText(int index) const;
    // The series whose points a value legend lists: the chart's first active series, when it shows in the legend.
    TChartSeries* ValueSeries() const;

    // The rows (vertical) or columns (horizontal) of height or width `itemSize` that fit from `start`.
    virtual int CalcMaxRows(int start, int itemSize) const;
    // Lays out and draws the legend into the chart's canvas and takes its room out of the chart rectangle.
    virtual void DrawLegend();
    // The drawing position of the item under a screen point, -1 for none.
    int Clicked(int x, int y) const;

    void Assign(const TCustomChartLegend& other);

private:
    template <class T> void Store(T& field, T v) {
        if (field == v) return;
        field = v;
        parent->Invalidate();
    }
    int ItemWidest(int first, int count) const;
    void DrawItem(int index, int position, int textX, int itemWidth);

    TCustomChart* chart;
    TLegendAlignment alignment = TLegendAlignment::laRight;
    TChartBrush brush;
    TColor color = ClWhite;
    int colorWidth = 12;
    TChartHiddenPen dividingLines;
    int firstValue = 0;
    TChartPen frame;
    int horizMargin = 0;
    bool inverted = false;
    TLegendStyle legendStyle = TLegendStyle::lsAuto;
    int maxNumRows = 10;
    bool resizeChart = true;
    TColor shadowColor = ClBlack;
    int shadowSize = 3;
    TLegendTextStyle textStyle = ltsLeftValue;
    int topPos = 10;
    int vertMargin = 0;
    bool visible = true;
    TLegendStyle styleInUse = TLegendStyle::lsAuto;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};

}  // namespace fv
