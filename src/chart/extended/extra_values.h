// Series types with value lists of their own beyond X and Y (a 3D point's Z, an error, the high, low and
// close of a price, a bubble's radius, an arrow's end, a task's end and successor) are built on this.
//
// Rules:
// - The extra values of a new point go in with it, before anyone hears of the point (OnAfterAdd, the
//   dependents, a repaint), so every list holds Count values whenever the series is read.
// - A caller that follows the add with AddExtraValues, as a chart file's reader does, finds it done.
// - After every add the pending values go back to what a point added without them gets
//   (ResetPendingValues: 0 unless the type says otherwise), so one add never leaks into the next.
#pragma once

#include <initializer_list>
#include <string>

#include "chart/chart_series.h"

namespace fv {

template <class Base> class WithExtraValues : public Base {
public:
    using Base::Base;

    void AddExtraValues(int index) override {
        if (ExtrasShort()) Base::AddExtraValues(index);
    }

protected:
    // Adds the point (x, y) with the values of the extra lists, in their order after X and Y; the index,
    // or -1 when OnBeforeAdd refused it. The pending values are reset after the add either way.
    int AddWithExtras(double x, double y, std::initializer_list<double> extras, const std::string& label, Color colour) {
        const TChartValueLists& lists = this->ValueLists();
        std::size_t k = 2;
        for (double v : extras) lists.at(k++)->PendingValue = v;
        const int index = this->AddPoint(x, y, label, colour);
        ResetPendingValues();
        return index;
    }
    virtual void ResetPendingValues() {
        const TChartValueLists& lists = this->ValueLists();
        for (std::size_t k = 2; k < lists.size(); ++k) this->ClearPendingValue(*lists[k]);
    }
    void NotifyAdded(int index) override {
        // Through the type's own AddExtraValues: a grid enters the point into its index there.
        if (ExtrasShort()) this->AddExtraValues(index);
        ResetPendingValues();
        Base::NotifyAdded(index);
    }

private:
    // The extra lists are one value short: the point in hand has not had them yet.
    bool ExtrasShort() const {
        const TChartValueLists& lists = this->ValueLists();
        return lists.size() > 2 && lists.back()->Count() < this->Count();
    }
};

}  // namespace fv
