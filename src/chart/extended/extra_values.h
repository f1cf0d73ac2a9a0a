// Series types with value lists of their own beyond X and Y (a bubble's radius, an arrow's end, a task's
// end and successor) are built on this.
//
// Rules:
// - The extra values of a new point go in with it, before anyone hears of the point (OnAfterAdd, the
//   dependents, a repaint), so every list holds Count values whenever the series is read.
// - A caller that follows the add with AddExtraValues, as a chart file's reader does, finds it done.
// - After every add the pending values go back to what a point added without them gets
//   (ResetPendingValues: 0 unless the type says otherwise), so one add never leaks into the next.
#pragma once

#include "chart/chart_series.h"

namespace fv {

template <class Base> class WithExtraValues : public Base {
public:
    using Base::Base;

    void AddExtraValues(int index) override {
        if (ExtrasShort()) Base::AddExtraValues(index);
    }

protected:
    virtual void ResetPendingValues() {
        const TChartValueLists& lists = this->ValueLists();
        for (std::size_t k = 2; k < lists.size(); ++k) this->ClearPendingValue(*lists[k]);
    }
    void NotifyAdded(int index) override {
        if (ExtrasShort()) Base::AddExtraValues(index);
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
