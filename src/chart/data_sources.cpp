// TChartSeries: data sources, dependents, change notification and copying of points between series.
#include <algorithm>
#include <functional>
#include <unordered_set>

#include "chart/chart_exception.h"
#include "chart/chart_function.h"
#include "chart/chart_series.h"

namespace fv {

namespace {

// Sets a flag for the lifetime of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }

private:
    bool& flag_;
};

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

}  // namespace

bool TChartSeries::SourceChainReaches(const Component* start, const TChartSeries& target) {
    // Every source of every series met leads on, whatever its place in the source list: a cycle through
    // a second source or behind a source that is not a series is still a cycle.
    std::unordered_set<const TChartSeries*> seen;
    std::vector<const TChartSeries*> pending;
    if (auto* s = dynamic_cast<const TChartSeries*>(start)) pending.push_back(s);
    while (!pending.empty()) {
        const TChartSeries* s = pending.back();
        pending.pop_back();
        if (s == &target) return true;
        if (!seen.insert(s).second) continue;
        for (const Component* c : s->sources_)
            if (auto* next = dynamic_cast<const TChartSeries*>(c)) pending.push_back(next);
    }
    return false;
}

void TChartSeries::CheckCircularSource(Component* source) const {
    if (parent_) parent_->CheckCircularSource(*this, source);
}

void TChartSeries::LeaveSources() {
    for (Component* c : sources_)
        if (auto* s = dynamic_cast<TChartSeries*>(c)) s->RemoveDependent(this);
    sources_.clear();
}

void TChartSeries::SetDataSource(Component* source) {
    if (!source) {
        if (parent_ && DataSource()) parent_->DataSourceRemoved(*this, DataSource());
        LeaveSources();
        if (parent_ && parent_->IsDesigning()) FillSampleValues(NumSampleValues());
        else Clear();
        Repaint();
        return;
    }
    if (!parent_) throw ChartException("No ParentChart to validate DataSource");
    if (!parent_->IsValidDataSource(*this, source)) throw ChartException("No valid DataSource: " + source->Name());
    if (std::find(sources_.begin(), sources_.end(), source) != sources_.end()) return;
    if (dynamic_cast<TChartSeries*>(source)) CheckCircularSource(source);
    bool loading = IsLoading();
    if (!loading) LeaveSources();
    AddDataSource(source);
    if (!loading) RefreshFromSource();
}

bool TChartSeries::AddDataSource(Component* source) {
    if (!source) return false;
    auto* series = dynamic_cast<TChartSeries*>(source);
    // A source whose chain of sources leads back here would feed this series its own changes for ever
    // (the stored names of a chart file can say so): it is not taken.
    if (series && SourceChainReaches(series, *this)) return false;
    sources_.push_back(source);
    if (series) series->AddDependent(this);
    return true;
}

void TChartSeries::RemoveDataSource(TChartSeries* source) {
    auto it = std::find(sources_.begin(), sources_.end(), static_cast<Component*>(source));
    if (it != sources_.end()) sources_.erase(it);
    if (source) source->RemoveDependent(this);
    RefreshFromSource();
}

void TChartSeries::AddDependent(TChartSeries* series) {
    if (std::find(dependents_.begin(), dependents_.end(), series) == dependents_.end()) dependents_.push_back(series);
}

void TChartSeries::RemoveDependent(TChartSeries* series) {
    dependents_.erase(std::remove(dependents_.begin(), dependents_.end(), series), dependents_.end());
}

void TChartSeries::PassOnToDependents(SourceChange kind, int index) {
    // A change that comes back here while it is being passed on can only come round a cycle; it is
    // not passed on a second time.
    if (notifying_) return;
    FlagScope guard(notifying_);
    const std::vector<TChartSeries*> dependents = dependents_;  // a dependent may leave meanwhile
    for (TChartSeries* d : dependents) {
        if (std::find(dependents_.begin(), dependents_.end(), d) == dependents_.end()) continue;
        if (std::find(d->sources_.begin(), d->sources_.end(), static_cast<Component*>(this)) == d->sources_.end())
            continue;
        unsigned flags = d->SourceUpdateFlags;
        switch (kind) {
            case SourceChange::Cleared:
                if (flags & SuClear) d->Clear();
                break;
            case SourceChange::PointAdded:
                if ((flags & SuAdd) && !d->function_) d->CopyPoint(*this, index);
                break;
            case SourceChange::PointDeleted:
                if ((flags & SuDelete) && !d->function_) d->SourceDeleted(*this, index);
                break;
            case SourceChange::ValueChanged:
                if (flags & SuValueChange) d->AddValuesFrom(*this);
                break;
            case SourceChange::RecalculateAll:
                d->AddValuesFrom(*this);
                break;
        }
    }
}

void TChartSeries::SourceDeleted(TChartSeries& source, int index) {
    // A dependent fed by several sources may hold fewer points than the source that lost one.
    if (index >= 0 && index < Count()) DeletePoint(index);
}

void TChartSeries::RefreshFromSource() {
    if (parent_) parent_->RecalcSeriesFromSource(*this);
}

void TChartSeries::AddValuesFrom(TChartSeries& source) {
    if (!IsValidSourceOf(source) || recalculating_) return;
    FlagScope guard(recalculating_);
    Clear();
    if (function_) {
        XValues->SetDateTime(source.XValues->DateTime());
        YValues->SetDateTime(source.YValues->DateTime());
        function_->Recalculate(&source);
    } else {
        for (int i = 0, n = source.Count(); i < n; ++i) CopyPoint(source, i);
    }
    RefreshDependents();
}

int TChartSeries::AddPointFrom(TChartSeries& source, int index) {
    double x = source.XValues->GetValue(index);
    double y = source.YValues->GetValue(index);
    if (IsVertical() != source.IsVertical()) std::swap(x, y);
    int j = XValues->AddValue(x);
    YValues->InsertValue(j, y);
    for (std::size_t k = 2; k < valueLists_.size(); ++k)
        valueLists_[k]->InsertValue(j, k < source.valueLists_.size() ? source.valueLists_[k]->GetValue(index) : 0.0);
    colours_.Insert(std::size_t(j), AutomaticColour);
    labels_.Insert(std::size_t(j), std::string());
    return j;
}

void TChartSeries::CopyPoint(TChartSeries& source, int index) {
    int j = AddPointFrom(source, index);
    colours_.Set(std::size_t(j), source.colours_[std::size_t(index)]);
    labels_.Set(std::size_t(j), source.labels_[std::size_t(index)]);
    NotifyAdded(j);
}

TChartValueList* TChartSeries::ValueListByName(const std::string& name) const {
    for (std::size_t k = 2; k < valueLists_.size(); ++k)
        if (EqualNoCase(valueLists_[k]->Name(), name)) return valueLists_[k];
    return YValues;
}

std::vector<std::string> TChartSeries::DataSourceNames() const {
    std::vector<std::string> names;
    if (sources_.size() > 1)
        for (const Component* c : sources_) names.push_back(c->Name());
    return names;
}

void TChartSeries::ReadDataSourceNames(std::vector<std::string> names) { loadedSourceNames_ = std::move(names); }

void TChartSeries::Loaded() {
    loading_ = false;
    if (loadedSourceNames_.empty()) return;
    LeaveSources();
    for (const std::string& name : loadedSourceNames_)
        AddDataSource(Owner() ? Owner()->FindComponent(name) : nullptr);
    loadedSourceNames_.clear();
    RefreshFromSource();
}

}  // namespace fv
