// A data-source extension for the series page tests: a component that stands for a table with fields, and
// a chart of its own that accepts it as a source.
#pragma once

#include "chart/chart.h"
#include "platform/core/component.h"

namespace fv::testing {

class FieldTable : public Component {
public:
    using Component::Component;
};

class TableChart : public TChart {
public:
    using TChart::TChart;
    bool IsValidDataSource(const TChartSeries& series, const Component* source) const override {
        return dynamic_cast<const FieldTable*>(source) || TChart::IsValidDataSource(series, source);
    }
};

}  // namespace fv::testing
