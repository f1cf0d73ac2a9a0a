// The axis panel: the chart panel that holds series and axes. It keeps the series in drawing order, gives
// a new series a colour no other one uses, owns the five axes and tells which are shown, works out the
// extreme values on each axis (one page of points at a time when paging), and the depth of a series'
// slot in 3D. The chart proper adds walls, titles, legend and layout on top of it.
#pragma once

#include <functional>
#include <vector>

#include "chart/axis.h"
#include "chart/chart_panel.h"
#include "chart/chart_series.h"

namespace fv {

class TCustomAxisPanel : public TCustomChartPanelExtended, public TAxisHost {
public:
    explicit TCustomAxisPanel(Component* owner, std::string name = {});
    ~TCustomAxisPanel() override;

    // SeriesHost.
    int SeriesCount() const override { return int(seriesList.size()); }
    TChartSeries* GetSeries(int index) const override { return seriesList.at(std::size_t(index)); }
    void Repaint() override { Invalidate(); }
    void InsertSeries(TChartSeries& series) override;
    void RemoveSeries(TChartSeries& series) override;
    bool IsLoading() const override { return Loading; }
    bool IsDesigning() const override { return Designing; }
    bool IsDestroying() const override { return destroying; }
    TCustomChartAxis* TopAxis() const override { return &topAxis; }
    TCustomChartAxis* BottomAxis() const override { return &bottomAxis; }
    TCustomChartAxis* LeftAxis() const override { return &leftAxis; }
    TCustomChartAxis* RightAxis() const override { return &rightAxis; }
    TChartDepthAxis& DepthAxis() const { return depthAxis; }
    bool ExactDateTime(const TCustomChartAxis* axis) const override { return axis && axis->ExactDateTime(); }
    double MinXValue(const TCustomChartAxis* axis) const override { return MinMaxOfAxis(axis, true, true); }
    double MaxXValue(const TCustomChartAxis* axis) const override { return MinMaxOfAxis(axis, false, true); }
    double MinYValue(const TCustomChartAxis* axis) const override { return MinMaxOfAxis(axis, true, false); }
    double MaxYValue(const TCustomChartAxis* axis) const override { return MinMaxOfAxis(axis, false, false); }

    // TAxisHost.
    TCanvas3D& AxisCanvas() override { return Canvas3D(); }
    PixelRect AxisChartRect() const override { return PlotRect; }
    int AxisWallSize(TAxisSide side) const override { return WallSizeOfAxis(side); }
    int AxisHorizDepth() const override { return HorizDepth; }
    bool AxisShown(const TCustomChartAxis& axis) const override;
    TColor AxisBackColor() const override { return GetColor(); }
    bool IsPrinting() const override { return Printing; }
    TColor ChartBackColor() const override { return BackColor(); }
    int WidestPointLabel() override;
    int WidestMarkText() override;
    // SeriesHost.
    bool Chart3D() const override { return View3D(); }

    void AddSeries(TChartSeries& series) { series.SetParentChart(this); }
    void DestroyAllSeries();
    // Swaps two entries of the series list (drawing order).
    void SwapSeries(int a, int b) { std::swap(seriesList.at(std::size_t(a)), seriesList.at(std::size_t(b))); }
    // The first active series that uses the axis; nil when none.
    TChartSeries* FirstSeriesOfAxis(const TCustomChartAxis& axis) const;
    int MaxValuesCount() const;
    TChartSeries* SeriesOfLegendIndex(int index) const;
    std::string SeriesTitleOfLegendIndex(int index) const override;
    // The smallest or largest value on an axis; with paging, of the page's points of the axis' first series.
    double MinMaxOfAxis(const TCustomChartAxis* axis, bool minimum, bool horizontal) const;

    // Paging.
    int Page() const { return page; }
    void SetPage(int value);
    int MaxPointsPerPage() const { return maxPointsPerPage; }
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return scaleLastPage; }
    void SetScaleLastPage(bool value) { Store(scaleLastPage, value); }
    virtual int PageCount() const;
    NotifyEvent OnPageChange;

    bool AxisVisible() const { return axisVisible; }
    void SetAxisVisible(bool value) { Store(axisVisible, value); }
    bool ClipPoints() const { return clipPoints; }
    void SetClipPoints(bool value) { Store(clipPoints, value); }
    bool View3DWalls() const { return view3DWalls; }
    void SetView3DWalls(bool value) { Store(view3DWalls, value); }

    // Depth slots: one per series in 3D (the depth of each series is always its own).
    static constexpr bool DepthPerSeries = true;
    int SlotWidth3D = 0, SlotHeight3D = 0;
    int CalcSlotDepth();

    // The first palette colour that IsFreeSeriesColor accepts; the seventeenth when none is free.
    Color PickFreeSeriesColor(bool checkBackground) const;
    // Free when no series has it and, checking the background, it is neither the panel's colour nor the
    // chart's back colour (a series in either would not show).
    virtual bool IsFreeSeriesColor(Color colour, bool checkBackground) const;
    // The chart's back colour (its back wall's); AutomaticColour here, where there is none.
    virtual TColor BackColor() const { return AutomaticColour; }

    // One chart picture: background, layout, walls, axes, series and their marks, in that order.
    void DrawChartContents(const PixelRect& rect) override;
    NotifyEvent OnBeforeDrawAxes, OnBeforeDrawSeries;
    // The layout and the walls belong to the chart proper.
    virtual void CalcLegendAndPanelRect() = 0;
    virtual void CalcAxisRect() = 0;
    virtual void CalcSeriesMargins() = 0;
    virtual int WallSizeOfAxis(TAxisSide) const = 0;
    virtual void DrawWalls() = 0;
    // Draws the marks of a series after its points (the chart proper has marks; the panel has none).
    virtual void DrawSeriesMarks(TChartSeries&) {}
    // Copies the axis panel's settings and the five axes, then the panel's own.
    void Assign(const TCustomAxisPanel& other);

    bool Loading = false, Designing = false;
    // The chart area of the current drawing: the rectangle the legend and the titles leave, before the
    // axes take their room. No series draws outside it.
    PixelRect ChartAreaRect;

protected:
    // Runs one part of the picture and gives the canvas back in the state it was in before.
    void DrawLeavingCanvasAsFound(const std::function<void()>& draw);

private:
    void DrawSeries(TChartSeries& series);
    void DrawSlotGroup(TChartSeries& leader);
    bool ClipToChart();
    void SetDepthSlots();

    std::vector<TChartSeries*> seriesList;
    mutable TChartAxis bottomAxis{this, TAxisSide::Bottom}, topAxis{this, TAxisSide::Top},
        leftAxis{this, TAxisSide::Left}, rightAxis{this, TAxisSide::Right};
    mutable TChartDepthAxis depthAxis{this};
    int page = 1, maxPointsPerPage = 0;
    bool scaleLastPage = true, axisVisible = true, clipPoints = true, view3DWalls = true;
    bool destroying = false;
};

}  // namespace fv
