// gnuplot as the peer of the chart benchmarks: running it on a script, and a reporter that prints our
// time over gnuplot's plot without its start-up (the same script without the plot, measured on its own).
#pragma once

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fv::bench {

// A new folder under /tmp for the data and pictures of one run.
inline std::filesystem::path NewWorkDir(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    return std::filesystem::path(mkdtemp(pattern.data()));
}

// Runs gnuplot on a script; false when it cannot be run or fails.
inline bool RunGnuplot(const std::filesystem::path& script) {
    pid_t pid = fork();
    if (pid == 0) {
        execlp("gnuplot", "gnuplot", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs the script once per iteration; a missing gnuplot skips the benchmark with the reason.
inline void RunGnuplotBenchmark(benchmark::State& state, const std::filesystem::path& script) {
    for (auto _ : state)
        if (!RunGnuplot(script)) {
            state.SkipWithError("gnuplot (Debian's gnuplot-nox) could not be run");
            break;
        }
}

// Prints the runs as usual, then ours over gnuplot's plot less its start-up, against the goal.
class GnuplotRatioReporter : public benchmark::ConsoleReporter {
public:
    GnuplotRatioReporter(std::string ours, std::string startup, std::string plot, std::string what, double goal)
        : ours_(std::move(ours)), startup_(std::move(startup)), plot_(std::move(plot)), what_(std::move(what)), goal_(goal) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        auto find = [&](const std::string& prefix) {
            for (const auto& [name, t] : times_)
                if (name.rfind(prefix, 0) == 0) return t;
            return -1.0;
        };
        double ours = find(ours_), startup = find(startup_), total = find(plot_);
        if (ours < 0 || startup < 0 || total < 0) return;
        double plot = total - startup;
        std::printf("gnuplot start-up %.1f ms, its plot %.1f ms; %s %.1f ms = %.3f x gnuplot's plot (goal < %g)\n",
                    startup, plot, what_.c_str(), ours, ours / plot, goal_);
    }

private:
    std::string ours_, startup_, plot_, what_;
    double goal_;
    std::map<std::string, double> times_;
};

}  // namespace fv::bench
