// The error series: a value with its error (a standard error, say) shown as whiskers. TErrorSeries draws
// only the whiskers, in one of six styles; TErrorBarSeries draws the bar and a whisker beyond its end.
// Both are vertical bar series with a second value per point and a pen for the whiskers.
//
// Rules:
// - A whisker starts at the point's value and reaches the error beyond it; an error bar's whisker points
//   away from the bar's origin, below a bar that hangs under YOrigin.
// - A point with error 0, or an invisible error pen, draws no whisker (an error bar still draws its bar).
// - The whisker's cross line is ErrorWidth percent of the bar width, or ErrorWidth pixels; 0 makes it as
//   wide as the bar.
// - The series colour of an error series is its whisker colour; an error bar keeps the two apart.
#pragma once

#include <string>

#include "chart/chart_pens.h"
#include "chart/extended/extra_values.h"
#include "chart/series/bar_series.h"

namespace fv {

enum TErrorSeriesStyle { essLeft, essRight, essLeftRight, essTop, essBottom, essTopBottom };
enum TErrorWidthUnits { ewuPercent, ewuPixels };

class TCustomErrorSeries : public WithExtraValues<TBarSeries> {
public:
    explicit TCustomErrorSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustomErrorSeries)

    TChartValueList* ErrorValues;
    TChartPen ErrorPen;
    // Copies the pen; an error series takes its colour as the series colour.
    void SetErrorPen(const TChartPen& pen);
    TErrorSeriesStyle ErrorStyle() const { return errorStyle_; }
    void SetErrorStyle(TErrorSeriesStyle value) { Change(errorStyle_, value); }
    int ErrorWidth() const { return errorWidth_; }
    void SetErrorWidth(int value) { Change(errorWidth_, value); }
    TErrorWidthUnits ErrorWidthUnits() const { return errorWidthUnits_; }
    void SetErrorWidthUnits(TErrorWidthUnits value) { Change(errorWidthUnits_, value); }
    bool DrawsBars() const { return drawsBars_; }

    int AddErrorPoint(double x, double y, double error, const std::string& label = {}, Color colour = AutomaticColour);
    // The whiskers at (x, y): height h (up is positive) and cross line width w, at the middle depth in 3D.
    void DrawError(int x, int y, bool draw3D, int h, int w);

    void DrawBar(int index, int top, int bottom) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    double MaxYValue() const override;
    double MinYValue() const override;
    void DrawLegendShape(int index, const PixelRect& rect) override;
    void SetSeriesColor(Color value) override;
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TErrorSeriesEditor"; }
    void Assign(TChartSeries& source) override;

protected:
    bool drawsBars_ = false;

private:
    TErrorSeriesStyle errorStyle_ = essTopBottom;
    int errorWidth_ = 100;
    TErrorWidthUnits errorWidthUnits_ = ewuPercent;
};

class TErrorSeries : public TCustomErrorSeries {
public:
    explicit TErrorSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TErrorSeries)
};

class TErrorBarSeries : public TCustomErrorSeries {
public:
    explicit TErrorBarSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TErrorBarSeries)
    void PrepareForGallery(bool enabled) override;
};

}  // namespace fv
