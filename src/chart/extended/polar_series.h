// The polar and radar series: points placed by angle and radius inside the circle of a round series, over a
// circular background with a polar grid (radius rings and angle spokes), the chart's axes laid along the
// radii, optional angle labels round the circle, the line joining the points (optionally closed, with
// filled sectors) and point markers. TPolarSeries takes each point's angle from its X value in degrees;
// TRadarSeries spaces its points evenly round the circle, draws the rings as polygons with one corner per
// point and labels the spokes with the point labels.
//
// Rules:
// - The radius runs from the vertical axis' Minimum at the centre to its Maximum on the circle; an axis
//   whose Minimum equals its Maximum puts every point at (0, 0) and draws no rings.
// - Of the series of one class in a chart only the first active one draws the background, the grid and
//   the labels.
// - The grid stays bounded: no spokes when there would be 10000 or more, no rings when there would be
//   10000 or more or the first ring value does not fit a 32-bit integer.
// - The spoke at 360 degrees is the one at 0 degrees (its label is reduced below 360).
#pragma once

#include <string>

#include "chart/chart_pens.h"
#include "chart/series/pie_series.h"
#include "chart/series/series_pointer.h"

namespace fv {

class TCustomPolarSeries : public TCircledSeries {
public:
    explicit TCustomPolarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustomPolarSeries)

    TChartValueList* RadiusValues() const { return YValues; }
    TChartPen Pen;
    void SetPen(const TChartPen& pen) { Pen.Assign(pen); }
    TSeriesPointer Pointer{this};
    void SetPointer(const TSeriesPointer& pointer) { Pointer.Assign(pointer); }
    TChartBrush Brush;
    void SetBrush(const TChartBrush& brush) { Brush.Assign(brush); }
    TChartPen CirclePen;
    void SetCirclePen(const TChartPen& pen) { CirclePen.Assign(pen); }
    bool CircleLabels() const { return circleLabels_; }
    void SetCircleLabels(bool value) { Change(circleLabels_, value); }
    bool CircleLabelsRotated() const { return circleLabelsRotated_; }
    void SetCircleLabelsRotated(bool value) { Change(circleLabelsRotated_, value); }
    const Font& CircleLabelsFont() const { return circleLabelsFont_; }
    void SetCircleLabelsFont(const Font& value) { Change(circleLabelsFont_, value); }
    bool CloseCircle() const { return closeCircle_; }
    void SetCloseCircle(bool value) { Change(closeCircle_, value); }
    // The vertical axis' increment (0 without a chart); setting it without a chart does nothing.
    double RadiusIncrement() const;
    void SetRadiusIncrement(double value);
    // 0 draws the rings as ellipses; more draws them as polygons with that many corners.
    int PolygonSides = 0;

    int AddPolarPoint(double angle, double value, const std::string& label = {}, Color colour = AutomaticColour);
    // The text beside the spoke at `angle` degrees: the angle and a degree sign.
    virtual std::string CircleLabelText(double angle) const;

    // A ring of half widths a and b round the centre at depth z: an ellipse, or a polygon of
    // PolygonSides corners filled from the centre when the canvas brush is not clear.
    void DrawRing(int a, int b, int z);
    // The label of the spoke at `angle` degrees, outside the circle.
    void DrawCircleLabel(double angle);
    // Whether this is the first active series of its class in the chart (the one that draws the grid).
    bool DrawsGrid() const;

    void DoBeforeDrawValues() override;
    void DrawValue(int index) override;
    void DrawAllValues() override;
    int PointScreenX(int index) const override { return PointPosition(index).X; }
    int PointScreenY(int index) const override { return PointPosition(index).Y; }
    int Clicked(int x, int y) override;
    void DrawLegendShape(int index, const PixelRect& rect) override;
    void SetSeriesColor(Color value) override;
    void SetParentChart(SeriesHost* chart) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TPolarSeriesEditor"; }
    void Assign(TChartSeries& source) override;

protected:
    TCustomChartAxis* AngleAxis() const { return ParentChart() ? ParentChart()->BottomAxis() : nullptr; }
    TCustomChartAxis* RadiusAxis() const { return ParentChart() ? ParentChart()->LeftAxis() : nullptr; }

private:
    Point PointPosition(int index) const;
    void DrawBackground();
    void DrawPolarGrid();
    void DrawSpokes();
    void DrawRings();
    void DrawRadiusAxes();
    // The triangle centre, a, b filled at depth z with the brush in the canvas, without its pen.
    void FillSector(Point a, Point b, int z);
    Point PositionAt(double degrees, double xRadius, double yRadius) const;

    bool circleLabels_ = false, circleLabelsRotated_ = false, closeCircle_ = true;
    Font circleLabelsFont_;
    // Where the last point of the drawing lies, and the first visible point's position.
    Point previous_;
    // Whether this drawing pass has placed its first drawable point.
    bool started_ = false;
};

class TPolarSeries : public TCustomPolarSeries {
public:
    explicit TPolarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TPolarSeries)

    TChartValueList* AngleValues() const { return XValues; }
    // The horizontal axis' increment; 10 without a chart or when it is 0. Setting it without a chart
    // does nothing.
    double AngleIncrement() const;
    void SetAngleIncrement(double value);
    void FillSampleValues(int numValues) override;
};

class TRadarSeries : public TCustomPolarSeries {
public:
    explicit TRadarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TRadarSeries)

    // Spreads the points evenly round the circle, and the grid with them, from the largest point count
    // of the chart's active series.
    void PrepareValues() override;
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    // The label of the point at that angle; empty when no point lies there.
    std::string CircleLabelText(double angle) const override;
};

}  // namespace fv
