// TChartValueList: ordered insertion, lazy statistics, sorting by whole points.
#include "chart/value_list.h"

#include <cmath>
#include <functional>
#include <utility>

#include "chart/chart_exception.h"
#include "chart/chart_series.h"

namespace fv {

TChartValueList::TChartValueList(TChartSeries* series, std::string name) : owner_(series), name_(std::move(name)) {
    if (owner_) owner_->valueLists_.push_back(this);
}

// The list's own count, without a virtual call: these run once per point added or read.
void TChartValueList::CheckIndex(int index) const {
    if (index < 0 || index >= int(values_.size())) throw ListIndexError(index);
}

double TChartValueList::StoredValue(int index) const {
    CheckIndex(index);
    return values_[std::size_t(index)];
}

double TChartValueList::GetValue(int index) const { return StoredValue(index) * multiplier_; }

void TChartValueList::SetValue(int index, double value) {
    CheckIndex(index);
    values_[std::size_t(index)] = value;
    NoteValueAt(index);
    Changed();
    if (owner_) owner_->NotifyDependents(SourceChange::ValueChanged, index);
}

void TChartValueList::ClearValues() {
    values_.clear();
    inOrder_ = orderKnown_ = true;
    Changed();
}

bool TChartValueList::InOrder() const {
    if (orderKnown_) return inOrder_;
    inOrder_ = true;
    for (std::size_t i = 0, n = values_.size(); i < n && inOrder_; ++i) {
        double v = values_[i];
        // A NaN compares with nothing, so a walk from the end would stop on it: not in order.
        if (std::isnan(v) || (i > 0 && Precedes(v, values_[i - 1]))) inOrder_ = false;
    }
    orderKnown_ = true;
    return inOrder_;
}

int TChartValueList::AddValueInside(double value) {
    int count = int(values_.size());
    int index;
    if (InOrder()) {
        // The first stored value that the new one comes before: the place right after every value
        // that does not come after it, as the walk below finds it.
        index = order_ == loAscending ? int(values_.UpperBound(value, std::less<double>()))
                                      : int(values_.UpperBound(value, std::greater<double>()));
    } else {
        // Walk back to the first stored value that the new one does not come before; insert after it.
        index = count - 1;
        while (index >= 0 && Precedes(value, values_[std::size_t(index)])) --index;
        ++index;
    }
    values_.insert(std::size_t(index), value);
    Changed();
    return index;
}

void TChartValueList::NoteValueAt(int index) {
    // An ordered list stays ordered when the new value fits between its neighbours.
    if (order_ == loNone || !orderKnown_ || !inOrder_) return;
    std::size_t i = std::size_t(index);
    double value = values_[i];
    bool fits = !std::isnan(value) && (i == 0 || !Precedes(value, values_[i - 1])) &&
                (i + 1 >= values_.size() || !Precedes(values_[i + 1], value));
    if (!fits) orderKnown_ = false;
}

void TChartValueList::InsertValueInside(int index, double value) {
    if (index < 0 || index > int(values_.size())) throw ListIndexError(index);
    values_.insert(std::size_t(index), value);
    NoteValueAt(index);
    Changed();
}

void TChartValueList::DeleteValue(int index) {
    CheckIndex(index);
    values_.erase(std::size_t(index));
    Changed();
}

void TChartValueList::RotateLeft() {
    if (values_.empty()) return;
    double first = values_[0];
    values_.erase(0);
    values_.push_back(first);
    orderKnown_ = false;
    Changed();
}

void TChartValueList::Exchange(int a, int b) {
    CheckIndex(a);
    CheckIndex(b);
    std::swap(values_[std::size_t(a)], values_[std::size_t(b)]);
    orderKnown_ = false;
    Changed();
}

int TChartValueList::IndexOfValue(double value) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (values_[std::size_t(i)] * multiplier_ == value) return i;
    return -1;
}

void TChartValueList::RecomputeStats() const {
    statsStale_ = false;
    if (values_.empty()) {
        max_ = min_ = total_ = absTotal_ = 0;
        return;
    }
    double v = values_[0] * multiplier_;
    min_ = max_ = total_ = v;
    absTotal_ = std::fabs(v);
    for (std::size_t i = 1, n = values_.size(); i < n; ++i) {
        v = values_[i] * multiplier_;
        if (v < min_) min_ = v;
        else if (v > max_) max_ = v;
        total_ += v;
        absTotal_ += std::fabs(v);
    }
}

double TChartValueList::MaxValue() const {
    if (statsStale_) RecomputeStats();
    return max_;
}
double TChartValueList::MinValue() const {
    if (statsStale_) RecomputeStats();
    return min_;
}
double TChartValueList::ValueTotal() const {
    if (statsStale_) RecomputeStats();
    return total_;
}
double TChartValueList::AbsoluteTotal() const {
    if (statsStale_) RecomputeStats();
    return absTotal_ - absReduction_;
}

void TChartValueList::ReduceAbsoluteTotal(double amount) { absReduction_ += amount; }

void TChartValueList::SetMultiplier(double value) {
    if (value == multiplier_) return;
    multiplier_ = value;
    Changed();
    if (owner_) {
        owner_->RefreshDependents();
        owner_->Repaint();
    }
}

void TChartValueList::SetDateTime(bool value) {
    if (value == dateTime_) return;
    dateTime_ = value;
    if (owner_) owner_->Repaint();
}

void TChartValueList::SetOrder(TChartListOrder value) {
    if (value == order_) return;
    order_ = value;
    orderKnown_ = false;
}

void TChartValueList::SetValueSource(const std::string& text) {
    if (text == valueSource_) return;
    valueSource_ = text;
    if (owner_) owner_->RefreshFromSource();
}

void TChartValueList::FillWithIndexes() {
    for (int i = 0, n = Count(); i < n; ++i) SetValue(i, i);
}

void TChartValueList::Assign(const TChartValueList& source) {
    order_ = source.order_;
    orderKnown_ = false;
    dateTime_ = source.dateTime_;
    multiplier_ = source.multiplier_;
    Changed();
    valueSource_ = source.valueSource_;
}

void TChartValueList::SwapPoints(int a, int b) {
    if (owner_) owner_->SwapPoints(a, b);
    else Exchange(a, b);
}

// Quick sort with the middle point as pivot. A swap moves whole points, and the pivot index follows the
// pivot's point when it moves. The smaller part is sorted by recursion and the larger by the loop, so
// the depth stays logarithmic whatever the data.
void TChartValueList::SortRange(int low, int high) {
    auto compare = [this](int a, int b) {
        double va = GetValue(a), vb = GetValue(b);
        int c = va < vb ? -1 : (va > vb ? 1 : 0);
        return order_ == loDescending ? -c : c;
    };
    while (low < high) {
        int i = low, j = high, pivot = (low + high) / 2;
        while (i < j) {
            while (compare(i, pivot) < 0) ++i;
            while (compare(pivot, j) < 0) --j;
            if (i < j) {
                SwapPoints(i, j);
                if (pivot == i) pivot = j;
                else if (pivot == j) pivot = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        }
        if (j - low < high - i) {
            if (low < j) SortRange(low, j);
            low = i;
        } else {
            if (i < high) SortRange(i, high);
            high = j;
        }
    }
}

void TChartValueList::SortByOrder() {
    if (order_ == loNone) return;
    SortRange(0, Count() - 1);
}

}  // namespace fv
