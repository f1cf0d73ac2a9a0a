// A random walk of 1e6 points plotted as a fast line into a 1920 x 1080 image and written as PNG, against
// gnuplot (pngcairo) plotting the same binary file to the same size in the same run. Both read the data
// from the file. gnuplot's start-up (the same script without the plot) is measured on its own and taken
// off its total. Goal: the fast line under 0.1 times gnuplot's plot.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>


#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chart/fast_line.h"
#include "chart/plot_panel.h"
#include "gnuplot_peer.h"
#include "view/qt_canvas.h"

namespace {

constexpr int Width = 1920, Height = 1080, Points = 1000000;

std::filesystem::path WorkDir() {
    static const std::filesystem::path dir = fv::bench::NewWorkDir("folivex-fastline");
    return dir;
}

// x, y pairs of doubles: x the index, y a walk of steps in [-1, 1) from a fixed sequence.
std::filesystem::path DataFile() {
    static const std::filesystem::path file = [] {
        std::vector<double> xy;
        xy.reserve(2 * Points);
        std::uint32_t seed = 12345;
        double y = 0;
        for (int i = 0; i < Points; ++i) {
            seed = seed * 1664525u + 1013904223u;
            y += double(seed >> 8) / double(1u << 23) - 1;
            xy.push_back(i);
            xy.push_back(y);
        }
        auto path = WorkDir() / "walk.bin";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(xy.data()), std::streamsize(xy.size() * sizeof(double)));
        return path;
    }();
    return file;
}

std::vector<double> ReadData() {
    std::vector<double> xy(2 * std::size_t(Points));
    std::ifstream(DataFile(), std::ios::binary).read(reinterpret_cast<char*>(xy.data()), std::streamsize(xy.size() * sizeof(double)));
    return xy;
}

void BM_FastLinePlotToPng(benchmark::State& state) {
    DataFile();
    auto out = WorkDir() / "fastline.png";
    for (auto _ : state) {
        std::vector<double> xy = ReadData();
        fv::PlotPanel panel(Width, Height);
        fv::TFastLineSeries line;
        // Filled before it joins the chart, as a bulk load does: no repaint request per point.
        for (std::size_t i = 0; i < xy.size(); i += 2) line.AddPoint(xy[i], xy[i + 1]);
        panel.AddSeries(line);
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        fv::QtCanvas canvas(image);
        panel.Paint(canvas);
        // Light compression: the picture is written once and read rarely.
        image.save(QString::fromStdString(out.string()), "PNG", 90);
        panel.RemoveSeries(line);
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_FastLinePlotToPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

std::filesystem::path GnuplotScript(bool plot) {
    auto path = WorkDir() / (plot ? "plot.gp" : "startup.gp");
    std::ofstream s(path);
    s << "set terminal pngcairo size " << Width << "," << Height << "\n"
      << "set output '" << (WorkDir() / (plot ? "gnuplot.png" : "empty.png")).string() << "'\n";
    if (plot) s << "plot '" << DataFile().string() << "' binary format='%double%double' with lines notitle\n";
    return path;
}

void Gnuplot(benchmark::State& state, bool plot) { fv::bench::RunGnuplotBenchmark(state, GnuplotScript(plot)); }

void BM_GnuplotStartup(benchmark::State& state) { Gnuplot(state, false); }
BENCHMARK(BM_GnuplotStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_GnuplotPlotToPng(benchmark::State& state) { Gnuplot(state, true); }
BENCHMARK(BM_GnuplotPlotToPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fv::bench::GnuplotRatioReporter reporter("BM_FastLinePlotToPng", "BM_GnuplotStartup", "BM_GnuplotPlotToPng",
                                             "the fast line", 0.1);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(WorkDir());
    return 0;
}
