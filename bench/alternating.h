// Two or more ways of doing the same work, timed in alternation: each round runs every side once, the
// order turning by one side each round, so that a change in the machine's load falls on all sides alike.
// Each run is timed twice: the processor time it used (this process and the programs it ran and waited
// for, user and system), which a loaded machine hardly changes, and the time on the clock. The median of
// the rounds stands for each side; the ratios are of processor times, the clock times are printed beside.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <time.h>

namespace fv::bench {

inline double MedianOf(std::vector<double> s) {
    if (s.empty()) return 0;
    std::sort(s.begin(), s.end());
    std::size_t n = s.size();
    return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}

// Processor seconds used so far by this process and by the children it has waited for.
inline double ProcessorSeconds() {
    timespec own{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return double(own.tv_sec) + double(own.tv_nsec) * 1e-9 + double(children.ru_utime.tv_sec + children.ru_stime.tv_sec) +
           double(children.ru_utime.tv_usec + children.ru_stime.tv_usec) * 1e-6;
}

struct TimedSide {
    TimedSide(std::string name, std::function<void()> run) : name(std::move(name)), run(std::move(run)) {}
    std::string name;
    std::function<void()> run;
    std::vector<double> seconds;  // processor time, one per round
    std::vector<double> clock;    // time on the clock, one per round

    double Median() const { return MedianOf(seconds); }
    double ClockMedian() const { return MedianOf(clock); }
};

// Runs `warmUp` untimed rounds, then `rounds` timed ones, every side once per round.
inline void RunAlternating(std::vector<TimedSide>& sides, int rounds, int warmUp = 1) {
    const std::size_t n = sides.size();
    for (int r = -warmUp; r < rounds; ++r)
        for (std::size_t k = 0; k < n; ++k) {
            TimedSide& side = sides[(k + std::size_t(r + warmUp)) % n];
            const double cpu = ProcessorSeconds();
            const auto start = std::chrono::steady_clock::now();
            side.run();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            if (r < 0) continue;
            side.seconds.push_back(ProcessorSeconds() - cpu);
            side.clock.push_back(took.count());
        }
}

inline void PrintSides(const std::vector<TimedSide>& sides, const char* unit = "ms", double scale = 1e3) {
    for (const TimedSide& s : sides)
        std::printf("  %-48s processor %9.3f %s, clock %9.3f %s (medians of %zu rounds)\n", s.name.c_str(),
                    s.Median() * scale, unit, s.ClockMedian() * scale, unit, s.seconds.size());
}

// "what: ours / peer = ratio (goal <= goal)", with a verdict; the times are processor times.
inline void PrintRatio(const std::string& what, double ours, double peer, double goal) {
    double ratio = peer > 0 ? ours / peer : 0;
    std::printf("%s: %.3f x (goal <= %.2f x) %s\n", what.c_str(), ratio, goal, ratio <= goal ? "reached" : "NOT reached");
}

}  // namespace fv::bench
