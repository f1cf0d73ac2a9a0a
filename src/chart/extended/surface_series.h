// The two grid series that draw a whole grid: the surface (filled, wire-frame or dotted cells in the chart's
// 3D space, drawn back to front) and the contour (lines of equal value at evenly spaced levels, traced
// over the four triangles of every cell and laid on a horizontal plane).
//
// Rules:
// - A cell is drawn only when all four of its corners have a point; a surface cell whose first corner has
//   the no-colour value is left out.
// - The surface's painter's order follows the depth and horizontal axes' Inverted, so nearer cells always
//   cover farther ones.
// - Contour levels are worked out again before every drawing; there are 1 to 251 of them (a stored or set
//   count outside is clamped, since the level table has 251 places).
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "chart/chart_pens.h"
#include "chart/extended/grid_series.h"

namespace fv {

class TCanvas3D;
class TCustomAxisPanel;

class TSurfaceSeries : public TCustom3DGridSeries {
public:
    explicit TSurfaceSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TSurfaceSeries)

    TChartPen Pen;
    TChartBrush Brush;
    void SetPen(const TChartPen& pen) { Pen.Assign(pen); }
    void SetBrush(const TChartBrush& brush) { Brush.Assign(brush); }
    // Only the cells' outlines / only their corners; the two never hold at once.
    bool WireFrame() const { return wireFrame_; }
    void SetWireFrame(bool value);
    bool DotFrame() const { return dotFrame_; }
    void SetDotFrame(bool value);

    void DrawAllValues() override;
    // Draws the cell whose first corner is grid position (x, z), towards the current row and column steps.
    virtual void DrawCell(int x, int z);
    // The first corner's index of the first cell whose flat outline holds (x, y); -1 when none.
    int Clicked(int x, int y) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TSurfaceSeriesEditor"; }
    void Assign(TChartSeries& source) override;

    // +1 or -1: the direction from a cell's first corner to its other corners.
    int RowStep = -1, ColumnStep = -1;

private:
    // What one drawing works with: the canvas, each point's screen position, and each column's depth.
    struct Drawing {
        TCanvas3D* Canvas = nullptr;
        std::vector<Point> Screen;
        std::vector<int> ColumnDepth;  // indexed by grid column 0..NumZ+1
        bool UniformBrush = false;
    };
    bool BeginDrawing(Drawing& d);
    int ColumnDepthOf(const Drawing& d, int column) const;
    Drawing drawing_;
    bool wireFrame_ = false, dotFrame_ = false;
};

struct TContourLevel {
    double Value = 0;
    Color LevelColor = 0;
};

class TContourSeries : public TCustom3DGridSeries {
public:
    static constexpr int MaxLevels = 251;

    explicit TContourSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TContourSeries)

    int NumLevels() const { return numLevels_; }
    // Clamped to 1..251.
    void SetNumLevels(int value);
    double YPosition() const { return yPosition_; }
    void SetYPosition(double value) { Change(yPosition_, value); }
    // Each line at the height of its own level instead of at YPosition.
    bool YPositionLevel() const { return yPositionLevel_; }
    void SetYPositionLevel(bool value) { Change(yPositionLevel_, value); }
    TChartPen Pen;
    void SetPen(const TChartPen& pen) { Pen.Assign(pen); }
    // May change a level's value and colour as the levels are worked out.
    std::function<void(TContourSeries*, int levelIndex, double& value, Color& colour)> OnGetLevel;

    // The levels of the last PrepareValues.
    const TContourLevel& Level(int index) const { return levels_.at(std::size_t(index)); }

    void PrepareValues() override;
    void DrawAllValues() override;
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TContourSeriesEditor"; }
    int CountLegendItems() const override { return numLevels_; }
    // Levels from the highest down.
    std::string LegendString(int index, TLegendTextStyle style) const override;
    Color LegendItemColor(int index) const override;
    void Assign(TChartSeries& source) override;

private:
    std::array<TContourLevel, MaxLevels> levels_{};
    int numLevels_ = 10;
    double yPosition_ = 0;
    bool yPositionLevel_ = false;
};

}  // namespace fv
