// Series of a function of two variables: TCustom3DSeries adds a Z value to every point, and
// TCustom3DGridSeries places the points on a grid of whole-number X and Z positions, colours them by value
// (a colour range from EndColor up to StartColor, or a stepped palette) and can make its own points from a
// formula or an event. Surface and contour series draw such a grid.
//
// Rules:
// - Grid position of point i: x = Round(X(i) - MinX) + 1, z = Round(Z(i) - MinZ) + 1 (halves to even),
//   kept in a two-level index of 500 rows of 500 entries, rows made on first use. Positions outside
//   1..500 are not indexed, so such points are never drawn.
// - The index follows the points: an added point is entered at once; a point added below the smallest X
//   or Z seen so far, a point inserted or deleted in the middle, swapped points, or a smallest X or Z that
//   changed in place make the whole index stale, and it is rebuilt from every point before it is next read. So a late smaller value never
//   leaves the earlier points in the cells of the old minimum, and no entry names a point that is gone.
// - The palette is filled lazily (the first drawing with points, UsePalette switched on) and refilled by
//   FillGridValues and PaletteSteps; it keeps its values when the Y range changes later.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/chart_series.h"
#include "chart/extended/extra_values.h"

namespace fv {

class TCustom3DSeries : public WithExtraValues<TChartSeries> {
public:
    explicit TCustom3DSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustom3DSeries)

    // The third value of every point (extra list 2, named "Z").
    TChartValueList* ZValues;
    // How many depth slots of the chart the series claims.
    int TimesZOrder() const { return timesZOrder_; }
    void SetTimesZOrder(int value) { Change(timesZOrder_, value); }

    // Adds the point (x, y) with its Z value; the index, or -1 when OnBeforeAdd refused it. The Z value is
    // in place before anyone hears of the new point; a point added without one gets Z 0.
    virtual int AddXYZPoint(int x, double y, int z, const std::string& label = {}, Color colour = AutomaticColour);

    void CalcZOrder() override;
    bool IsValidSourceOf(const TChartSeries& other) const override;
    double MaxZValue() const override { return ZValues->MaxValue(); }
    double MinZValue() const override { return ZValues->MinValue(); }
    // From another 3D series also the Z list's settings and TimesZOrder.
    void Assign(TChartSeries& source) override;

private:
    int timesZOrder_ = 3;
};

// One step of a grid series' palette: values up to UpToValue take Color.
struct TGridPaletteEntry {
    double UpToValue = 0;
    Color EntryColor = 0;
};

class TCustom3DGridSeries : public TCustom3DSeries {
public:
    static constexpr int MaxGridSize = 500;
    // The most entries a palette is made with, whatever PaletteSteps says.
    static constexpr int MaxPaletteSteps = 1024;

    explicit TCustom3DGridSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustom3DGridSeries)

    // Grid size; a new value refills the grid (FillGridValues).
    int NumXValues() const { return numX_; }
    void SetNumXValues(int value);
    int NumZValues() const { return numZ_; }
    void SetNumZValues(int value);

    // Colouring.
    bool UseColorRange() const { return useColorRange_; }
    void SetUseColorRange(bool value) { Change(useColorRange_, value); }
    bool UsePalette() const { return usePalette_; }
    void SetUsePalette(bool value);
    int PaletteSteps() const { return paletteSteps_; }
    void SetPaletteSteps(int value);
    Color StartColor() const { return startColor_; }
    void SetStartColor(Color value);
    Color EndColor() const { return endColor_; }
    void SetEndColor(Color value);

    // The Y value of grid position (x, z) when the series makes its own points.
    std::function<double(TChartSeries*, int x, int z)> OnGetYValue;
    // May change the colour a point is drawn in.
    std::function<void(TChartSeries*, int valueIndex, Color& colour)> OnGetColor;

    // True while sample values are made (for good on a gallery preview).
    bool SampleMode = false;

    // Whether the series can make its own points: an OnGetYValue handler, a chart being designed, or
    // SampleMode. A series filled from data cannot.
    bool CanFillGrid() const { return bool(OnGetYValue) || InDesignOrSampleMode(); }
    // Generated points: nothing unless CanFillGrid.
    // Positions past 500 are not generated: the index could not hold them.
    virtual void FillGridValues(int numX, int numZ);
    virtual double CalcGridYValue(int x, int z);

    // The index of the point at grid position (x, z); -1 when none (also outside 1..500).
    int GridPointIndex(int x, int z);
    void SetGridPointIndex(int x, int z, int index);
    // Enters every point again, then repaints.
    void RebuildGridIndex();
    void ClearGridIndex();

    // The palette, sorted by UpToValue.
    const std::vector<TGridPaletteEntry>& Palette() const { return palette_; }
    int AddPaletteEntry(double upToValue, Color colour);
    void ClearPalette() { palette_.clear(); }
    void FillPalette(int steps);
    Color PaletteColorOf(double value) const;
    Color CellColorOf(double value) const;

    // The chart's 3D view seen as this series wants it: on, from the front and above; off, from straight
    // above. The chart's View3D itself is left as it is.
    void SetChartView3D(bool on) override;

    void Clear() override;
    void AddExtraValues(int index) override;
    void AddValuesFrom(TChartSeries& source) override;
    void DeletePoint(int index) override;
    void SwapPoints(int a, int b) override;
    // From another grid series its grid size and colouring; then the 3D base.
    void Assign(TChartSeries& source) override;
    void FillSampleValues(int numValues) override;
    int NumSampleValues() const override { return 15; }
    void PrepareValues() override;
    Color ValueColor(int index) const override;
    // One legend item per palette entry, highest first.
    int CountLegendItems() const override { return int(palette_.size()); }
    std::string LegendString(int index, TLegendTextStyle style) const override;
    Color LegendItemColor(int index) const override;

protected:
    void NotifyAdded(int index) override;
    // Makes the index whole again when it went stale, or when a smallest X or Z is no longer the one the
    // index was built with (a value changed in place, a new multiplier).
    void ValidateGridIndex() {
        if (gridStale_ || (Count() > 0 && (XValues->MinValue() != indexMinX_ || ZValues->MinValue() != indexMinZ_)))
            RebuildIndex();
    }
    bool InDesignOrSampleMode() const;
    // The grid size as far as the index can hold it (0..500): the loops over cells never go past the
    // positions a point can have, whatever size was set or read from a file.
    int IndexedNumX() const { return std::clamp(numX_, 0, MaxGridSize); }
    int IndexedNumZ() const { return std::clamp(numZ_, 0, MaxGridSize); }
    // Integer grid row and column of point i from the minimums of the index.
    void GridPositionOf(int index, int& x, int& z) const;

private:
    using GridRow = std::array<int, MaxGridSize>;
    void RebuildIndex();
    // Enters the point at the end of the lists, or marks the index stale when it cannot be entered alone.
    void EnterPoint(int index);
    // Stores point i at its grid position; the grid size grows to hold it.
    void IndexPoint(int index);
    void CalcColorRange();

    int numX_ = 10, numZ_ = 10;
    bool useColorRange_ = true, usePalette_ = false;
    int paletteSteps_ = 32;
    Color startColor_ = ClNavy, endColor_ = ClWhite;
    std::vector<TGridPaletteEntry> palette_;
    // The end colour's channels and start minus end per channel.
    int endRed_ = 0, endGreen_ = 0, endBlue_ = 0, diffRed_ = 0, diffGreen_ = 0, diffBlue_ = 0;

    std::array<std::unique_ptr<GridRow>, MaxGridSize> grid_;
    // The minimums the index was built with, and whether it must be built again.
    double indexMinX_ = 0, indexMinZ_ = 0;
    bool gridStale_ = false;
};

}  // namespace fv
