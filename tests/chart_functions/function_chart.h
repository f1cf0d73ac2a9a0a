// A chart for the function tests: source series filled with given values and a result series that a
// function calculates from them, on a chart without drawing.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "chart/chart_function.h"
#include "chart/fake_chart.h"

namespace fv {

using Points = std::vector<std::pair<double, double>>;

struct FunctionChart {
    Component owner;
    FakeChart chart;
    std::vector<TChartSeries*> sources;
    TChartSeries* result = nullptr;

    ~FunctionChart() { chart.destroying = true; }

    // A source with Y values at X 0, 1, 2, ...
    TChartSeries* AddSource(const std::vector<double>& ys) {
        Points points;
        for (std::size_t i = 0; i < ys.size(); ++i) points.emplace_back(double(i), ys[i]);
        return AddSourcePoints(points);
    }
    // A source of the given points (X, Y); a HorizSeries keeps its values along X.
    template <class S = TChartSeries> S* AddSourcePoints(const Points& points) {
        auto* s = owner.Make<S>("Source" + std::to_string(sources.size() + 1));
        s->SetParentChart(&chart);
        for (auto [x, y] : points) s->AddPoint(x, y);
        sources.push_back(s);
        return s;
    }

    // Makes the result series, calculated by `function` from every source added so far.
    template <class F> F* Calculate(std::unique_ptr<F> function) {
        F* f = function.get();
        result = owner.Make<TChartSeries>("Result");
        result->SetParentChart(&chart);
        result->SetFunction(std::move(function));
        for (TChartSeries* s : sources) result->AddDataSource(s);
        result->RefreshFromSource();
        return f;
    }

    Points Results() const {
        Points p;
        for (int i = 0; i < result->Count(); ++i) p.emplace_back(result->GetXValue(i), result->GetYValue(i));
        return p;
    }
    std::vector<double> ResultValues() const {
        std::vector<double> v;
        for (int i = 0; i < result->Count(); ++i) v.push_back(result->GetYValue(i));
        return v;
    }
};

}  // namespace fv
