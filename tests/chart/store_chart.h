// A chart for the file store's tests and fuzz target: the plain plot panel registered for chart files
// with the axis panel's table, and small series and function classes that show what the store does
// with horizontal series, extra value lists and functions.
#pragma once

#include "chart/chart_properties.h"
#include "chart/fast_line.h"
#include "chart/series_types.h"
#include "plot_panel.h"

namespace fv {

class StoreChart : public PlotPanel {
public:
    explicit StoreChart(Component* owner = nullptr, std::string name = {}) : PlotPanel(400, 300, owner) {
        SetName(std::move(name));
    }
};

// A fast line whose values run across: its mandatory list is X.
class HorizLineSeries : public TFastLineSeries {
public:
    using TFastLineSeries::TFastLineSeries;
    TChartValueList* MandatoryValueList() const override { return XValues; }
};

// A fast line with a third value list.
class ZLineSeries : public TFastLineSeries {
public:
    explicit ZLineSeries(Component* owner = nullptr, std::string name = {})
        : TFastLineSeries(owner, std::move(name)), ZValues(new TChartValueList(this, "Z")) {}
    TChartValueList* ZValues;
};

// The sum of the source's values; with several sources, the sum at each index.
class SumFunction : public TChartFunction {
public:
    double CalculateMany(const std::vector<TChartSeries*>& sources, int index) override {
        double sum = 0;
        for (TChartSeries* s : sources)
            if (index < s->Count()) sum += s->MandatoryValue(index);
        return sum;
    }
    double Calculate(TChartSeries& source, int first, int last) override {
        double sum = 0;
        if (first < 0) first = 0, last = source.Count() - 1;
        for (int i = first; i <= last; ++i) sum += source.MandatoryValue(i);
        return sum;
    }
};

inline void RegisterStoreTestClasses() {
    RegisterChartEngineTypes();
    RegisterChartClass<StoreChart>("TStoreChart", AxisPanelProperties());
    RegisterChartClass<HorizLineSeries>("THorizLineSeries", FastLineProperties());
    RegisterChartClass<ZLineSeries>("TZLineSeries", FastLineProperties());
    RegisterChartClass<SumFunction>("TSumFunction", FunctionProperties());
}

}  // namespace fv
