// TChartSeries: points, colours, labels, axes, copying and sample values.
#include "chart/chart_series.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "chart/axis_panel.h"
#include "chart/chart_exception.h"
#include "chart/chart_function.h"
#include "chart/chart_units.h"
#include "chart/date_steps.h"
#include "chart/series_marks.h"

namespace fv {

void ChartRandom::SeedFromClock() {
    engine_.seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

int ChartRandom::Random(int n) {
    // A sample fill over a negative or tiny range asks for Random(0) or less: there is no number below
    // such an n to draw, so the answer is 0.
    if (n <= 0) return 0;
    return int(std::uniform_int_distribution<int>(0, n - 1)(engine_));
}

TChartSeries::TChartSeries(Component* owner, std::string name) : Component(owner, std::move(name)) {
    XValues = new TChartValueList(this, "X");
    XValues->SetOrder(loAscending);
    YValues = new TChartValueList(this, "Y");
    marks_ = std::make_unique<TSeriesMarks>(*this);
    random_.SeedFromClock();
}

TChartSeries::~TChartSeries() {
    function_.reset();
    LeaveSources();
    // Every dependent drops this series from its sources and recalculates from what is left.
    while (!dependents_.empty()) {
        TChartSeries* d = dependents_.back();
        dependents_.pop_back();
        d->RemoveDataSource(this);
    }
    if (parent_ && !parent_->IsDestroying()) ClearLists();
    if (parent_) parent_->RemoveSeries(*this);
    parent_ = nullptr;
    for (TChartValueList* list : valueLists_) delete list;
}

void TChartSeries::CheckPoint(int index) const {
    if (index < 0 || index >= Count()) throw ListIndexError(index);
}

void TChartSeries::Repaint() {
    // A chart filling many points at once switches its automatic repaint off meanwhile.
    if (parent_ && parent_->AutoRepaint()) parent_->Repaint();
}

// ---------------------------------------------------------------------------------------------- adding

int TChartSeries::AddPoint(double x, double y, const std::string& label, Color colour) {
    XValues->PendingValue = x;
    YValues->PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
    int index = XValues->AddValue(XValues->PendingValue);
    YValues->InsertValue(index, YValues->PendingValue);
    colours_.Insert(std::size_t(index), colour);
    labels_.Insert(std::size_t(index), label);
    NotifyAdded(index);
    return index;
}

int TChartSeries::AddY(double value, const std::string& label, Color colour) {
    // The position is the number of points before the add.
    double position = Count();
    return IsVertical() ? AddPoint(position, value, label, colour) : AddPoint(value, position, label, colour);
}

int TChartSeries::AddEmpty(const std::string& label) { return AddY(0, label, NoColour); }

int TChartSeries::AddEmptyXY(double x, double y, const std::string& label) { return AddPoint(x, y, label, NoColour); }

void TChartSeries::AddExtraValues(int index) {
    for (std::size_t k = 2; k < valueLists_.size(); ++k)
        valueLists_[k]->InsertValue(index, valueLists_[k]->PendingValue);
}

void TChartSeries::NotifyAdded(int index) {
    if (OnAfterAdd) OnAfterAdd(this, index);
    NotifyDependents(SourceChange::PointAdded, index);
    if (active_ && parent_) Repaint();
}

// ------------------------------------------------------------------------------------ changing points

void TChartSeries::SetXValue(int index, double value) {
    XValues->SetValue(index, value);
    Repaint();
}

void TChartSeries::SetYValue(int index, double value) {
    YValues->SetValue(index, value);
    Repaint();
}

void TChartSeries::SetPointColor(int index, Color colour) {
    CheckPoint(index);
    colours_.Set(std::size_t(index), colour);
    Repaint();
}

void TChartSeries::SetPointLabel(int index, const std::string& label) {
    CheckPoint(index);
    labels_.Set(std::size_t(index), label);
    Repaint();
}

void TChartSeries::DeletePoint(int index) {
    CheckPoint(index);
    for (TChartValueList* list : valueLists_) list->DeleteValue(index);
    colours_.Erase(std::size_t(index));
    labels_.Erase(std::size_t(index));
    NotifyDependents(SourceChange::PointDeleted, index);
    Repaint();
}

void TChartSeries::ClearLists() {
    for (TChartValueList* list : valueLists_) list->ClearValues();
    colours_.Clear();
    labels_.Clear();
    marks_->FreePositions();
}

void TChartSeries::Clear() {
    ClearLists();
    if (OnClearValues) OnClearValues(this);
    NotifyDependents(SourceChange::Cleared);
    if (parent_ && !parent_->IsDestroying()) Repaint();
}

void TChartSeries::SwapPoints(int a, int b) {
    CheckPoint(a);
    CheckPoint(b);
    for (TChartValueList* list : valueLists_) list->Exchange(a, b);
    colours_.Swap(std::size_t(a), std::size_t(b));
    labels_.Swap(std::size_t(a), std::size_t(b));
}

// ------------------------------------------------------------------------------------- reading points

std::string TChartSeries::PointLabel(int index) const {
    // A label past the points is no error: there is none.
    if (index < 0 || std::size_t(index) >= labels_.size()) return {};
    return labels_[std::size_t(index)];
}

Color TChartSeries::PointColor(int index) const {
    CheckPoint(index);
    return colours_[std::size_t(index)];
}

bool TChartSeries::HasOwnColor(int index) const { return PointColor(index) != AutomaticColour; }

bool TChartSeries::HasLabel(int index) const { return !PointLabel(index).empty(); }

Color TChartSeries::ValueColor(int index) const {
    if (index < 0 || std::size_t(index) >= colours_.size()) return seriesColor_;
    Color c = colours_[std::size_t(index)];
    if (c != AutomaticColour) return c;
    return colorEachPoint_ ? PaletteColor(index) : seriesColor_;
}

void TChartSeries::SetColorEachPoint(bool value) {
    if (value == colorEachPoint_) return;
    colorEachPoint_ = value;
    // Switched off, every point goes back to the automatic colour: switching it on again shows the
    // palette, not the former point colours.
    if (!value) colours_.Reset(std::size_t(Count()));
    Repaint();
}

double TChartSeries::PrecedingSum(int index, bool includeSelf) const {
    if (!parent_) return 0;
    double sum = 0;
    for (int i = 0, n = parent_->SeriesCount(); i < n; ++i) {
        const TChartSeries* s = parent_->GetSeries(i);
        if (!includeSelf && s == this) break;
        if (s->Active() && s->SameKindAs(*this) && s->Count() > index) sum += s->MarkValue(index);
    }
    return sum;
}


// --------------------------------------------------------------------------------------------- axes

void TChartSeries::ResolveAxes() {
    if (!parent_) {
        horizAxisRef_ = vertAxisRef_ = nullptr;
        return;
    }
    if (horizAxis_ == aTopAxis) horizAxisRef_ = parent_->TopAxis();
    else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_) horizAxisRef_ = customHorizAxis_;
    else horizAxisRef_ = parent_->BottomAxis();
    if (vertAxis_ == aRightAxis) vertAxisRef_ = parent_->RightAxis();
    else if (vertAxis_ == aCustomVertAxis && customVertAxis_) vertAxisRef_ = customVertAxis_;
    else vertAxisRef_ = parent_->LeftAxis();
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
    horizAxis_ = value;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    vertAxis_ = value;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TCustomChartAxis* axis) {
    customHorizAxis_ = axis;
    ResolveAxes();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TCustomChartAxis* axis) {
    customVertAxis_ = axis;
    ResolveAxes();
    Repaint();
}

bool TChartSeries::UsesAxis(const TCustomChartAxis* axis) const {
    if (!UsesAxes() || !parent_ || !axis) return false;
    if (parent_->IsHorizontalAxis(axis)) return horizAxis_ == aBothHorizAxis || axis == horizAxisRef_;
    return vertAxis_ == aBothVertAxis || axis == vertAxisRef_;
}

// -------------------------------------------------------------------------------------------- chart

void TChartSeries::SetParentChart(SeriesHost* chart) {
    if (chart == parent_) return;
    if (parent_) parent_->RemoveSeries(*this);
    parent_ = chart;
    ResolveAxes();
    if (chart) chart->InsertSeries(*this);
}

void TChartSeries::SetFunction(std::unique_ptr<TChartFunction> function) {
    function_ = std::move(function);
    if (function_) function_->parentSeries_ = this;
    RefreshFromSource();
}

std::unique_ptr<TChartFunction> TChartSeries::ReleaseFunction() {
    if (function_) function_->parentSeries_ = nullptr;
    return std::move(function_);
}

// ------------------------------------------------------------------------------------------- copying

void TChartSeries::Assign(TChartSeries& source) {
    if (&source == this) return;
    SetTag(source.Tag());
    SetDataSource(nullptr);
    if (IsVertical() == source.IsVertical()) {
        XValues->Assign(*source.XValues);
        YValues->Assign(*source.YValues);
    } else {
        YValues->Assign(*source.XValues);
        XValues->Assign(*source.YValues);
    }
    xLabelsSource_ = source.xLabelsSource_;
    colorSource_ = source.colorSource_;
    marks_->Assign(*source.marks_);
    for (std::size_t k = 2; k < std::min(valueLists_.size(), source.valueLists_.size()); ++k)
        valueLists_[k]->Assign(*source.valueLists_[k]);
    if (source.function_ && !function_) {
        function_ = source.ReleaseFunction();
        function_->parentSeries_ = this;
    }
    if (!source.sources_.empty()) {
        for (Component* c : source.sources_) AddDataSource(c);
    } else if (!(source.parent_ && source.parent_->IsDesigning())) {
        AddValuesFrom(source);
    }
    active_ = source.active_;
    seriesColor_ = source.seriesColor_;
    colorEachPoint_ = source.colorEachPoint_;
    title_ = source.title_;
    valueFormat_ = source.valueFormat_;
    percentFormat_ = source.percentFormat_;
    horizAxis_ = source.horizAxis_;
    vertAxis_ = source.vertAxis_;
    customHorizAxis_ = source.customHorizAxis_;
    customVertAxis_ = source.customVertAxis_;
    ResolveAxes();
    SourceUpdateFlags = source.SourceUpdateFlags;
    cursor_ = source.cursor_;
    showInLegend_ = source.showInLegend_;
    RefreshFromSource();
}

// ------------------------------------------------------------------------------------- sample values

void TChartSeries::SetRandomSeed(std::uint32_t seed) {
    random_.Seed(seed);
    fixedSeed_ = true;
}

void TChartSeries::RandomBounds(int numValues, double& startX, double& stepX, double& minY, double& rangeY,
                                double& firstY) {
    if (!fixedSeed_) random_.SeedFromClock();
    double maxY, minX, maxX;
    bool chartHasPoints = false;
    if (parent_)
        for (int i = 0, n = parent_->SeriesCount(); i < n && !chartHasPoints; ++i) {
            const TChartSeries* s = parent_->GetSeries(i);
            chartHasPoints = s->Active() && s->Count() > 0;
        }
    if (chartHasPoints) {
        minY = parent_->MinYValue(vertAxisRef_);
        maxY = parent_->MaxYValue(vertAxisRef_);
        if (maxY == minY) maxY = minY == 0 ? 1000 : 2 * minY;
        minX = parent_->MinXValue(horizAxisRef_);
        maxX = parent_->MaxXValue(horizAxisRef_);
        if (maxX == minX) maxX = minX == 0 ? numValues : 2 * minX;
    } else {
        minY = 0;
        maxY = 1000;
        minX = XValues->DateTime() ? Today() : 0;
        maxX = minX + numValues - 1;
    }
    stepX = maxX - minX;
    if (numValues > 1) stepX /= numValues - 1;
    rangeY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
    firstY = random_.Random(int(std::lround(rangeY))) + minY;
    startX = minX;
}

void TChartSeries::FillSampleValues(int numValues) {
    if (numValues <= 0) throw std::runtime_error("FillSampleValues NumValues must be > 0");
    Clear();
    double x, stepX, minY, rangeY, y;
    RandomBounds(numValues, x, stepX, minY, rangeY, y);
    int r = int(std::lround(rangeY));
    bool repaint = parent_ && parent_->AutoRepaint();
    if (parent_) parent_->SetAutoRepaint(false);
    for (int i = 0; i < numValues; ++i) {
        y = std::fabs(random_.Random(r / 4) + y - r / 8);
        AddPoint(x, y, {}, AutomaticColour);
        x += stepX;
    }
    if (parent_) parent_->SetAutoRepaint(repaint);
    RefreshDependents();
}

void TChartSeries::SetChartView3D(bool on) {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
    if (!panel) return;
    panel->SetView3D(on);
    panel->SetClipPoints(!on);
}

void TChartSeries::PrepareForGallery(bool enabled) {
    FillSampleValues(4);
    marks_->SetVisible(false);
    colorEachPoint_ = false;
    if (!enabled) seriesColor_ = ClSilver;
}

}  // namespace fv
