// Filling a series, each side against a peer doing the same work in the same run, the sides alternating
// round by round:
// - AddY of 1e6 values against appending the same doubles one by one to a std::vector. Goal: 1.5 x.
// - AddPoint of 1e5 points in random X order against std::stable_sort of the same X values. Goal: 10 x
//   (one insertion must not move the whole list).
// The allocator keeps the memory the rounds free instead of giving it back to the system, so that after
// the warm-up round neither side pays for fresh pages: on a virtual machine under load the page faults
// of a new 8 MB array cost more than the appends themselves and would hide the work compared.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>
#include <random>
#include <vector>

#include "alternating.h"
#include "chart/chart_series.h"

namespace {

std::vector<double> RandomDoubles(std::size_t n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> d(0, 1e6);
    std::vector<double> v(n);
    for (double& x : v) x = d(rng);
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    const std::vector<double> ys = RandomDoubles(1000000, 1);
    const std::vector<double> xs = RandomDoubles(100000, 2);

    std::vector<fv::bench::TimedSide> fill = {
        {"TChartSeries::AddY, 1e6 values", [&] {
             fv::TChartSeries s;
             for (double y : ys) s.AddY(y);
             benchmark::DoNotOptimize(s.Count());
         }},
        {"std::vector<double>::push_back, 1e6 values", [&] {
             std::vector<double> v;
             for (double y : ys) v.push_back(y);
             benchmark::DoNotOptimize(v.data());
         }},
    };
    std::printf("AddY of 1e6 values against a vector append of the same doubles:\n");
    fv::bench::RunAlternating(fill, rounds);
    fv::bench::PrintSides(fill);
    fv::bench::PrintRatio("AddY / vector append", fill[0].Median(), fill[1].Median(), 1.5);

    std::vector<fv::bench::TimedSide> random = {
        {"TChartSeries::AddPoint, 1e5 random X", [&] {
             fv::TChartSeries s;
             for (double x : xs) s.AddPoint(x, x);
             benchmark::DoNotOptimize(s.Count());
         }},
        {"std::stable_sort of the same 1e5 X", [&] {
             std::vector<double> v = xs;
             std::stable_sort(v.begin(), v.end());
             benchmark::DoNotOptimize(v.data());
         }},
    };
    std::printf("\nAddPoint of 1e5 points in random X order against a stable sort of the same X values:\n");
    fv::bench::RunAlternating(random, rounds);
    fv::bench::PrintSides(random);
    fv::bench::PrintRatio("random-X AddPoint / stable sort", random[0].Median(), random[1].Median(), 10);
    return 0;
}
