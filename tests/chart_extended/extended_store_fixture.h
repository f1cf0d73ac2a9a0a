// The chart file tests of the further series types: the types registered, a series added to a store
// chart, and a chart saved, loaded into a fresh one and saved again.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/series_types.h"
#include "chart/store_chart.h"

namespace fv {

struct ExtendedStoreFixture : ::testing::Test {
    void SetUp() override {
        RegisterStoreTestClasses();
        RegisterExtendedSeriesTypes();
    }
    template <class S> S* Add(StoreChart& chart, const std::string& name) {
        auto* s = new S(&chart, name);
        s->SetParentChart(&chart);
        return s;
    }
    // The first series of the chart loaded from `bytes`, of type S.
    template <class S> S* Loaded(StoreChart& into, const std::string& bytes) {
        LoadChartStream(&into, bytes);
        EXPECT_EQ(into.SeriesCount(), 1);
        return into.SeriesCount() ? dynamic_cast<S*>(into.GetSeries(0)) : nullptr;
    }
    // The chart saved, loaded into `into` and saved again to the same bytes; its first series, of type S.
    template <class S> S* RoundTrip(StoreChart& chart, StoreChart& into) {
        const std::string bytes = SaveChartStream(chart);
        S* loaded = Loaded<S>(into, bytes);
        EXPECT_EQ(SaveChartStream(into), bytes);
        return loaded;
    }
};

}  // namespace fv
