// TChartValueList: one named list of doubles of a series (its X values, its Y values, or an extra list of
// a series type such as bubble radius).
//
// Rules:
// - A new value goes where `Order` says: at the end for loNone, otherwise after every stored value that
//   does not come after it, so equal values keep the order in which they were added.
// - Places are found from the stored values; `Multiplier` applies only to what is read.
// - Minimum, maximum and totals are worked out on first use after a change.
// - A list belongs to a series and tells it about changes (value changed, multiplier, value source);
//   sorting moves whole points of the series, so its colours, labels and other lists follow.
// - Every index is checked: a bad one raises ListIndexError and changes nothing.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "chart/point_storage.h"

namespace fv {

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList final {
public:
    // Adds itself to the value lists of `series`, which then owns it. A list without a series stands alone.
    TChartValueList(TChartSeries* series, std::string name);
    virtual ~TChartValueList() = default;
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    TChartSeries* Owner() const { return owner_; }

    virtual double GetValue(int index) const;
    virtual void SetValue(int index, double value);
    virtual void ClearValues();
    // Both take the usual case, a value that goes at the end, without a call: a series adds every
    // point through them.
    virtual int AddValue(double value) {
        const std::size_t count = values_.size();
        const bool ordered = count != 0 && order_ != loNone;
        if (ordered && Precedes(value, values_.back())) return AddValueInside(value);
        // A NaN compares with nothing: whether the list is in order is found out again when asked.
        if (std::isnan(value) || (ordered && std::isnan(values_.back()))) orderKnown_ = false;
        values_.push_back(value);
        Changed();
        return int(count);
    }
    virtual void InsertValue(int index, double value) {
        if (std::size_t(index) != values_.size() || order_ != loNone) return InsertValueInside(index, value);
        values_.push_back(value);
        Changed();
    }
    virtual int Count() const { return int(values_.size()); }
    virtual void DeleteValue(int index);
    virtual void RotateLeft();

    double operator[](int index) const { return GetValue(index); }
    double First() const { return GetValue(0); }
    double Last() const { return GetValue(Count() - 1); }
    int IndexOfValue(double value) const;

    // The stored value, without Multiplier.
    double StoredValue(int index) const;
    // Swaps two values; the series swaps whole points through this.
    void Exchange(int a, int b);

    double MaxValue() const;
    double MinValue() const;
    double ValueTotal() const;
    double AbsoluteTotal() const;
    // Takes `amount` off the absolute total until the next change of the values: a pie that adds the sum
    // of its small slices as one "Other" slice counts those values once.
    void ReduceAbsoluteTotal(double amount);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder value);
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(const std::string& text);

    // The value about to be added: the series fills it before asking OnBeforeAdd.
    double PendingValue = 0;

    void SortByOrder();
    void FillWithIndexes();
    // Copies the settings (Order, DateTime, Multiplier, ValueSource), not the values and not the name.
    void Assign(const TChartValueList& source);

private:
    void CheckIndex(int index) const;
    // A value that comes before the last one, found its place among the stored values.
    int AddValueInside(double value);
    void InsertValueInside(int index, double value);
    void Changed() {
        statsStale_ = true;
        absReduction_ = 0;
    }
    // True when the stored values run in `Order`, so that a binary search finds the place a walk from
    // the end would find. Checked again after a change that may have broken it.
    bool InOrder() const;
    bool Precedes(double a, double b) const { return order_ == loAscending ? a < b : a > b; }
    void NoteValueAt(int index);
    void RecomputeStats() const;
    void SortRange(int low, int high);
    void SwapPoints(int a, int b);

    TChartSeries* owner_;
    std::string name_;
    BlockList<double> values_;
    double multiplier_ = 1.0;
    bool dateTime_ = false;
    TChartListOrder order_ = loNone;
    std::string valueSource_;

    mutable bool inOrder_ = true;
    mutable bool orderKnown_ = true;
    mutable bool statsStale_ = true;
    mutable double max_ = 0, min_ = 0, total_ = 0, absTotal_ = 0;
    double absReduction_ = 0;
};

using TChartValueLists = std::vector<TChartValueList*>;

}  // namespace fv
