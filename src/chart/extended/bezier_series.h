// The Bezier series: its points, taken three at a time, are the control points of a smooth curve.
//
// Rules:
// - The whole curve is drawn in one pass from the first 8000 points (the visible range does not apply);
//   points past that are not drawn.
// - Flat: from point 0, each three points 3k, 3k+1, 3k+2 are the two control points and the end of a
//   cubic segment, so 7 points make 2 segments and the 7th gets only its marker.
// - In 3D: each three points are a quadratic segment from the first to the third, drawn as NumBezierPoints
//   straight pieces at the series' front; the line runs on from one group to the next.
// - The curve is drawn with LinePen (an invisible pen draws none), then each point's marker.
#pragma once

#include "chart/series/custom_series.h"

namespace fv {

class TBezierSeries : public TCustomSeries {
public:
    // The most points a drawing takes.
    static constexpr int MaxBezierPoints = 8000;

    explicit TBezierSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TBezierSeries)

    // Straight pieces of each curve segment in 3D; at least 2 ("Number of Bezier points should be > 1").
    int NumBezierPoints() const { return numBezierPoints_; }
    void SetNumBezierPoints(int value);

    void DrawAllValues() override;
    // The series colour is the curve's.
    void SetSeriesColor(Color value) override;
    void PrepareForGallery(bool enabled) override;
    void Assign(TChartSeries& source) override;

private:
    int numBezierPoints_ = 32;
};

}  // namespace fv
