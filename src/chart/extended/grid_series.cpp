// The 3D series base and the grid series: Z values, the grid index, generated values, colour range,
// palette and the palette's legend.
#include "chart/extended/grid_series.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/axis_panel.h"
#include "chart/value_format.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

// ------------------------------------------------------------------------------------------ 3D base

TCustom3DSeries::TCustom3DSeries(Component* owner, std::string name)
    : WithExtraValues<TChartSeries>(owner, std::move(name)) {
    ZValues = new TChartValueList(this, "Z");
    // Points stay in the order they were added: the grid, not the X order, places them.
    XValues->SetOrder(loNone);
    OwnZValues = true;
}

int TCustom3DSeries::AddXYZPoint(int x, double y, int z, const std::string& label, Color colour) {
    return AddWithExtras(x, y, {double(z)}, label, colour);
}

void TCustom3DSeries::CalcZOrder() {
    TChartSeries::CalcZOrder();
    // Each slot is at least a pixel deep, so 10000 is more than any chart can show; a count read from a
    // file is kept from the int limit, past which the chart's slot arithmetic would overflow.
    if (SeriesHost* chart = ParentChart()) chart->HighestDepthSlot = std::clamp(timesZOrder_, 0, 10000);
}

bool TCustom3DSeries::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TCustom3DSeries*>(&other) != nullptr;
}

void TCustom3DSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustom3DSeries*>(&source)) {
        ZValues->Assign(*other->ZValues);
        timesZOrder_ = other->timesZOrder_;
    }
    TChartSeries::Assign(source);
}

// ---------------------------------------------------------------------------------------- grid series

TCustom3DGridSeries::TCustom3DGridSeries(Component* owner, std::string name) : TCustom3DSeries(owner, std::move(name)) {
    CalcColorRange();
}

bool TCustom3DGridSeries::InDesignOrSampleMode() const {
    return SampleMode || (ParentChart() && ParentChart()->IsDesigning());
}

void TCustom3DGridSeries::SetNumXValues(int value) {
    if (value == numX_) return;
    numX_ = value;
    FillGridValues(numX_, numZ_);
}

void TCustom3DGridSeries::SetNumZValues(int value) {
    if (value == numZ_) return;
    numZ_ = value;
    FillGridValues(numX_, numZ_);
}

// ------------------------------------------------------------------------------------------- grid index

void TCustom3DGridSeries::GridPositionOf(int index, int& x, int& z) const {
    // Saturated: a far-off value lands outside 1..500 instead of wrapping back into the grid.
    x = SaturateToInt(std::int64_t(RoundPixel(GetXValue(index) - indexMinX_)) + 1);
    z = SaturateToInt(std::int64_t(RoundPixel(ZValues->GetValue(index) - indexMinZ_)) + 1);
}

int TCustom3DGridSeries::GridPointIndex(int x, int z) {
    ValidateGridIndex();
    if (x < 1 || x > MaxGridSize || z < 1 || z > MaxGridSize) return -1;
    const GridRow* row = grid_[std::size_t(x - 1)].get();
    return row ? (*row)[std::size_t(z - 1)] : -1;
}

void TCustom3DGridSeries::SetGridPointIndex(int x, int z, int index) {
    if (x < 1 || x > MaxGridSize || z < 1 || z > MaxGridSize) return;
    std::unique_ptr<GridRow>& row = grid_[std::size_t(x - 1)];
    if (!row) {
        row = std::make_unique<GridRow>();
        row->fill(-1);
    }
    (*row)[std::size_t(z - 1)] = index;
}

void TCustom3DGridSeries::ClearGridIndex() {
    for (auto& row : grid_) row.reset();
    gridStale_ = false;
}

void TCustom3DGridSeries::EnterPoint(int index) {
    if (gridStale_) return;
    double x = GetXValue(index), z = ZValues->GetValue(index);
    if (index == 0 && Count() == 1) {
        indexMinX_ = x;
        indexMinZ_ = z;
    } else if (index != Count() - 1 || x < indexMinX_ || z < indexMinZ_) {
        // A new minimum moves every cell, and an insertion moves the indexes after it: one rebuild later
        // instead of one per point.
        gridStale_ = true;
        return;
    }
    IndexPoint(index);
}

void TCustom3DGridSeries::IndexPoint(int index) {
    int gx, gz;
    GridPositionOf(index, gx, gz);
    SetGridPointIndex(gx, gz, index);
    numX_ = std::max(numX_, gx);
    numZ_ = std::max(numZ_, gz);
}

void TCustom3DGridSeries::RebuildIndex() {
    for (auto& row : grid_) row.reset();
    gridStale_ = false;
    if (Count() == 0) return;
    indexMinX_ = XValues->MinValue();
    indexMinZ_ = ZValues->MinValue();
    for (int i = 0, n = Count(); i < n; ++i) IndexPoint(i);
}

void TCustom3DGridSeries::RebuildGridIndex() {
    RebuildIndex();
    Repaint();
}

void TCustom3DGridSeries::AddExtraValues(int index) {
    if (ZValues->Count() >= Count()) return;
    TCustom3DSeries::AddExtraValues(index);
    EnterPoint(index);
}

void TCustom3DGridSeries::NotifyAdded(int index) {
    // A point copied from a source arrives with its Z value already stored and no AddExtraValues.
    if (ZValues->Count() == Count()) EnterPoint(index);
    TCustom3DSeries::NotifyAdded(index);
}

void TCustom3DGridSeries::DeletePoint(int index) {
    TCustom3DSeries::DeletePoint(index);
    gridStale_ = true;
}

void TCustom3DGridSeries::SwapPoints(int a, int b) {
    TCustom3DSeries::SwapPoints(a, b);
    gridStale_ = true;
}

void TCustom3DGridSeries::Clear() {
    TCustom3DSeries::Clear();
    XValues->SetOrder(loNone);
    ClearGridIndex();
}

void TCustom3DGridSeries::AddValuesFrom(TChartSeries& source) {
    if (auto* grid = dynamic_cast<TCustom3DGridSeries*>(&source)) {
        numX_ = grid->numX_;
        numZ_ = grid->numZ_;
    }
    TCustom3DSeries::AddValuesFrom(source);
    RebuildGridIndex();
}

// ------------------------------------------------------------------------------------- generated values

double TCustom3DGridSeries::CalcGridYValue(int x, int z) {
    if (OnGetYValue) return OnGetYValue(this, x, z);
    if (!InDesignOrSampleMode()) return 0;
    auto sq = [](double v) { return v * v; };
    return 0.5 * sq(std::cos(x / (0.2 * numX_))) + sq(std::cos(z / (0.2 * numZ_))) - std::cos(z / (0.5 * numZ_));
}

void TCustom3DGridSeries::FillGridValues(int numX, int numZ) {
    if (!CanFillGrid()) return;
    numX_ = numX;
    numZ_ = numZ;
    Clear();
    // One repaint for the whole grid, not one per point.
    SeriesHost* chart = ParentChart();
    bool repaint = chart && chart->AutoRepaint();
    if (chart) chart->SetAutoRepaint(false);
    try {
        // The points come in grid order with a growing X and Z: each is entered as it is added.
        for (int x = 1, lastX = IndexedNumX(); x <= lastX; ++x)
            for (int z = 1, lastZ = IndexedNumZ(); z <= lastZ; ++z) AddXYZPoint(x, CalcGridYValue(x, z), z, {}, AutomaticColour);
    } catch (...) {
        if (chart) chart->SetAutoRepaint(repaint);
        throw;
    }
    if (chart) chart->SetAutoRepaint(repaint);
    RefreshDependents();
    FillPalette(paletteSteps_);
    Repaint();
}

void TCustom3DGridSeries::FillSampleValues(int numValues) {
    bool saved = SampleMode;
    SampleMode = true;
    try {
        if (numValues > 0) numX_ = numZ_ = std::min(MaxGridSize, numValues);
        FillGridValues(numX_, numZ_);
    } catch (...) {
        SampleMode = saved;
        throw;
    }
    SampleMode = saved;
}

// -------------------------------------------------------------------------------------------- colouring

void TCustom3DGridSeries::CalcColorRange() {
    endRed_ = RedOf(endColor_);
    endGreen_ = GreenOf(endColor_);
    endBlue_ = BlueOf(endColor_);
    diffRed_ = RedOf(startColor_) - endRed_;
    diffGreen_ = GreenOf(startColor_) - endGreen_;
    diffBlue_ = BlueOf(startColor_) - endBlue_;
}

void TCustom3DGridSeries::SetStartColor(Color value) {
    Change(startColor_, value);
    CalcColorRange();
}

void TCustom3DGridSeries::SetEndColor(Color value) {
    Change(endColor_, value);
    CalcColorRange();
}

// While a chart file is read the points are not there yet: a palette made then would span no values, so
// it is left empty and made on the first drawing, from the points read.
void TCustom3DGridSeries::SetUsePalette(bool value) {
    Change(usePalette_, value);
    if (value && palette_.empty() && !IsLoading()) FillPalette(paletteSteps_);
}

void TCustom3DGridSeries::SetPaletteSteps(int value) {
    paletteSteps_ = value;
    if (IsLoading()) ClearPalette();
    else FillPalette(value);
}

int TCustom3DGridSeries::AddPaletteEntry(double upToValue, Color colour) {
    // After every entry of an equal value: entries of one value keep the order they came in.
    auto at = std::upper_bound(palette_.begin(), palette_.end(), upToValue,
                               [](double v, const TGridPaletteEntry& e) { return v < e.UpToValue; });
    return int(palette_.insert(at, {upToValue, colour}) - palette_.begin());
}

void TCustom3DGridSeries::FillPalette(int steps) {
    ClearPalette();
    // Steps past 1024 only repeat colours (each channel runs through at most 255 values along its wave),
    // and a count read from a file must not make billions of entries.
    steps = std::min(steps, MaxPaletteSteps);
    if (steps <= 0) return;
    palette_.reserve(std::size_t(steps) + 1);
    double minY = YValues->MinValue(), maxY = YValues->MaxValue();
    for (int i = 1; i <= steps; ++i) {
        double a = std::numbers::pi / steps * i;
        int red = int((std::sin(a / 2.0) + 1) * 127);
        int green = int((std::sin(a / 1.0) + 1) * 127);
        int blue = int((std::cos(a / 1.0) + 1) * 127);
        AddPaletteEntry(minY + (maxY - minY) / steps * i, RGB(red, green, blue));
    }
}

Color TCustom3DGridSeries::PaletteColorOf(double value) const {
    auto at = std::upper_bound(palette_.begin(), palette_.end(), value,
                               [](double v, const TGridPaletteEntry& e) { return v < e.UpToValue; });
    if (at != palette_.end()) return at->EntryColor;
    return palette_.empty() ? SeriesColor() : palette_.back().EntryColor;
}

Color TCustom3DGridSeries::CellColorOf(double value) const {
    if (useColorRange_) {
        double minY = YValues->MinValue(), range = YValues->MaxValue() - minY;
        if (range == 0) return endColor_;
        // The smallest value takes EndColor, the largest StartColor.
        double t = (value - minY) / range;
        auto channel = [t](int end, int diff) { return (end + RoundPixel(t * diff)) & 255; };
        return RGB(channel(endRed_, diffRed_), channel(endGreen_, diffGreen_), channel(endBlue_, diffBlue_));
    }
    if (usePalette_ && !palette_.empty()) return PaletteColorOf(value);
    return SeriesColor();
}

Color TCustom3DGridSeries::ValueColor(int index) const {
    Color c = TCustom3DSeries::ValueColor(index);
    if (c != NoColour) c = CellColorOf(GetYValue(index));
    if (OnGetColor) OnGetColor(const_cast<TCustom3DGridSeries*>(this), index, c);
    return c;
}

void TCustom3DGridSeries::PrepareValues() {
    ValidateGridIndex();
    if (Count() > 0 && palette_.empty()) FillPalette(paletteSteps_);
}

std::string TCustom3DGridSeries::LegendString(int index, TLegendTextStyle) const {
    int n = int(palette_.size());
    if (index < 0 || index >= n) return {};
    return FormatNumber(palette_[std::size_t(n - index - 1)].UpToValue, ValueFormat());
}

Color TCustom3DGridSeries::LegendItemColor(int index) const {
    int n = int(palette_.size());
    if (index < 0 || index >= n) return SeriesColor();
    return CellColorOf(palette_[std::size_t(n - index - 1)].UpToValue);
}

void TCustom3DGridSeries::SetChartView3D(bool on) {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
    if (!panel) return;
    panel->View3DOptions().SetRotation(on ? 350 : 0);
    panel->View3DOptions().SetElevation(on ? 340 : 270);
}

void TCustom3DGridSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustom3DGridSeries*>(&source)) {
        numX_ = other->numX_;
        numZ_ = other->numZ_;
        usePalette_ = other->usePalette_;
        useColorRange_ = other->useColorRange_;
        startColor_ = other->startColor_;
        endColor_ = other->endColor_;
        paletteSteps_ = other->paletteSteps_;
        CalcColorRange();
    }
    TCustom3DSeries::Assign(source);
}

}  // namespace fv
