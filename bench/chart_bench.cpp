// Filling a series: AddY of 1e6 values against appending the same doubles to a std::vector, and AddXY of
// 1e5 values in random X order against std::stable_sort of the same X values. Goals: AddY within 2x of
// the vector; random X within 10x of the sort (one insertion must not move the whole list).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/chart_series.h"

namespace {

std::vector<double> RandomDoubles(std::size_t n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> d(0, 1e6);
    std::vector<double> v(n);
    for (double& x : v) x = d(rng);
    return v;
}

const std::vector<double>& YValues() {
    static const std::vector<double> v = RandomDoubles(1000000, 1);
    return v;
}
const std::vector<double>& XValues() {
    static const std::vector<double> v = RandomDoubles(100000, 2);
    return v;
}

void BM_VectorAppend1e6(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> v;
        for (double y : YValues()) v.push_back(y);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(YValues().size()));
}
BENCHMARK(BM_VectorAppend1e6)->Unit(benchmark::kMillisecond);

void BM_SeriesAddY1e6(benchmark::State& state) {
    for (auto _ : state) {
        fv::TChartSeries s;
        for (double y : YValues()) s.AddY(y);
        benchmark::DoNotOptimize(s.Count());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(YValues().size()));
}
BENCHMARK(BM_SeriesAddY1e6)->Unit(benchmark::kMillisecond);

void BM_StableSort1e5(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> v = XValues();
        std::stable_sort(v.begin(), v.end());
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(XValues().size()));
}
BENCHMARK(BM_StableSort1e5)->Unit(benchmark::kMillisecond);

void BM_SeriesAddXYRandom1e5(benchmark::State& state) {
    for (auto _ : state) {
        fv::TChartSeries s;
        for (double x : XValues()) s.AddPoint(x, x);
        benchmark::DoNotOptimize(s.Count());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(XValues().size()));
}
BENCHMARK(BM_SeriesAddXYRandom1e5)->Unit(benchmark::kMillisecond);

}  // namespace
