// The round series: TCircledSeries, the base of every series drawn in a circle (it gives its chart the
// circular look: no axes, no walls, no zoom), and TPieSeries, the pie with exploded slices, an optional
// "Other" slice that groups the small ones, fill patterns, and 3D slices drawn back to front.
//
// Rules:
// - Angles run counter-clockwise from the right, in radians, turned by RotationAngle (0..359 degrees;
//   a larger angle wraps, a negative one is refused).
// - The "Other" slice is rebuilt before every drawing: the one added last time is removed first, the
//   grouped points stay in the lists but are not drawn and have no legend item, and the grouped values
//   are counted once in the total. A total of 0 counts every point as 100 %.
// - A total of 0 gives every slice the end angle 2 pi: the first one covers the circle.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_exception.h"
#include "chart/chart_pens.h"
#include "chart/chart_series.h"

namespace fv {

class PieException : public ChartException {
public:
    using ChartException::ChartException;
};

class TCircledSeries : public TChartSeries {
public:
    explicit TCircledSeries(Component* owner = nullptr, std::string name = {});
    ~TCircledSeries() override;
    FOLIVEX_SERIES_CLASS(TCircledSeries)

    bool Circled() const { return circled_; }
    // Each of these three is one setting for every series of the chart of this series' class.
    void SetCircled(bool value);
    int RotationAngle() const { return rotationAngle_; }
    void SetRotationAngle(int value);
    int CustomXRadius() const { return customXRadius_; }
    void SetCustomXRadius(int value);
    int CustomYRadius() const { return customYRadius_; }
    void SetCustomYRadius(int value);
    Color CircleBackColor() const { return circleBackColor_; }
    void SetCircleBackColor(Color value) { Change(circleBackColor_, value); }

    // Geometry of the last drawing.
    int XRadius = 0, YRadius = 0;
    int CircleXCenter = 0, CircleYCenter = 0, CircleWidth = 0, CircleHeight = 0;
    PixelRect CircleRect;
    double RotationRadians() const { return rotationRadians_; }

    // The chart's normal look (axes, walls, zoom) or the circular one.
    virtual void SetChartLook(bool normal);
    // The circle inside the chart rectangle, before each drawing.
    void PrepareCircle();
    // The circle's size and centre from CircleRect, with the custom radii.
    void CalcRadii();
    Point AngleToPos(double angle, int xRadius, int yRadius) const;
    double PointToAngle(int x, int y) const;
    Color BackColorInUse() const;

    void DoBeforeDrawValues() override;
    void SetActive(bool value) override;
    void SetParentChart(SeriesHost* chart) override;
    bool UsesAxes() const override { return false; }
    bool UsesAxis(const TCustomChartAxis*) const override { return true; }
    void GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) override;
    void Assign(TChartSeries& source) override;

private:
    // Store a setting into every series of the chart of this class.
    template <class F> void Spread(F store);
    bool circled_ = false;
    int rotationAngle_ = 0, customXRadius_ = 0, customYRadius_ = 0;
    double rotationRadians_ = 0;
    Color circleBackColor_ = AutomaticColour;
};

enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

class TPieSeries;

class TPieOtherSlice {
public:
    explicit TPieOtherSlice(TPieSeries* owner) : owner_(owner) {}
    TPieOtherStyle Style() const { return style_; }
    void SetStyle(TPieOtherStyle value);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    double Value() const { return value_; }
    void SetValue(double value);
    void Assign(const TPieOtherSlice& other);

private:
    TPieSeries* owner_;
    TPieOtherStyle style_ = poNone;
    std::string text_ = "Other";
    double value_ = 0;
};

// The explode distance of each slice, in percent of the radius; past the end a slice has 0. A chart file
// keeps the whole list; the list is emptied with the points, except while a chart file is read (it sets
// the distances before it reads the points).
class TExplodedSlices {
public:
    // The farthest a slice is moved out, either way; a chart file keeps distances within it, so the
    // setters hold every distance there.
    static constexpr int MaxDistance = 1000000;

    explicit TExplodedSlices(TPieSeries* owner) : owner_(owner) {}
    int Count() const { return int(values_.size()); }
    int Value(int index) const;
    void SetValue(int index, int value);
    const std::vector<int>& Values() const { return values_; }
    void SetValues(std::vector<int> values);
    void Clear() { values_.clear(); }
    void Grow(int count);
    void Swap(int a, int b);

private:
    TPieSeries* owner_;
    std::vector<int> values_;
};

struct TPieAngle {
    double StartAngle = 0, MiddleAngle = 0, EndAngle = 0;
};

class TPieSeries : public TCircledSeries {
public:
    explicit TPieSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TPieSeries)

    // X of the "Other" slice; X of a grouped point.
    static constexpr double OtherSliceX = 2147483647.0;
    static constexpr double GroupedX = -1.0;

    TChartValueList* PieValues() const { return YValues; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Change(dark3D_, value); }
    TExplodedSlices ExplodedSlices{this};
    int ExplodeBiggest() const { return explodeBiggest_; }
    void SetExplodeBiggest(int value);
    TChartPen PiePen;
    void SetPiePen(const TChartPen& pen) { PiePen.Assign(pen); }
    TPieOtherSlice OtherSlice{this};
    void SetOtherSlice(const TPieOtherSlice& other) { OtherSlice.Assign(other); }
    bool UsePatterns() const { return usePatterns_; }
    void SetUsePatterns(bool value) { Change(usePatterns_, value); }

    const std::vector<TPieAngle>& Angles() const { return angles_; }
    bool IsGrouped(int index) const { return GetXValue(index) == GroupedX; }
    // The offset of an exploded slice from the centre, and its radii.
    Point ExplodeOffset(int index) const;
    void ExplodedRadius(int index, int& xRadius, int& yRadius) const;
    // The slice with the largest value.
    int BiggestSlice() const;
    // The fill pattern of slice `index` with UsePatterns.
    static BrushStyle SlicePattern(int index);
    void CalcAngles();

    void ClearLists() override;
    void PrepareValues() override;
    void DrawAllValues() override;
    void DrawValue(int index) override;
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    virtual void DrawPieSlice(int index);
    int CountLegendItems() const override;
    int LegendToValueIndex(int legendIndex) const override;
    void FillSampleValues(int numValues) override;
    int NumSampleValues() const override { return 8; }
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TPieSeriesEditor"; }
    int Clicked(int x, int y) override;
    void SwapPoints(int a, int b) override;
    void GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) override;
    void Assign(TChartSeries& source) override;

private:
    bool dark3D_ = true, usePatterns_ = false;
    int explodeBiggest_ = 0;
    std::vector<TPieAngle> angles_;
    bool hasExploded_ = false;
    Point previousEnd_;
};

}  // namespace fv
