// A 500 x 500 grid drawn as a shaded surface with its contour lines on the floor of a 1920 x 1080 3D
// chart and written as PNG, against gnuplot (pngcairo, `set pm3d at s`, `set contour base`, 10 levels)
// drawing the same grid from the same binary file in the same run. gnuplot's start-up (the same script
// without the plot) is measured on its own and taken off its total. Goal: faster than gnuplot's plot.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chart/extended/surface_series.h"
#include "chart/plot_panel.h"
#include "gnuplot_peer.h"
#include "view/qt_canvas.h"

namespace {

constexpr int Width = 1920, Height = 1080, Side = 500;

std::filesystem::path WorkDir() {
    static const std::filesystem::path dir = fv::bench::NewWorkDir("folivex-grid");
    return dir;
}

// Side x Side doubles, row by row: waves across both directions.
std::filesystem::path DataFile() {
    static const std::filesystem::path file = [] {
        std::vector<double> y;
        y.reserve(std::size_t(Side) * Side);
        for (int x = 0; x < Side; ++x)
            for (int z = 0; z < Side; ++z) y.push_back(std::sin(x / 40.0) * std::cos(z / 55.0) + 0.3 * std::sin((x + z) / 23.0));
        auto path = WorkDir() / "grid.bin";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(y.data()), std::streamsize(y.size() * sizeof(double)));
        return path;
    }();
    return file;
}

std::vector<double> ReadData() {
    std::vector<double> y(std::size_t(Side) * Side);
    std::ifstream(DataFile(), std::ios::binary).read(reinterpret_cast<char*>(y.data()), std::streamsize(y.size() * sizeof(double)));
    return y;
}

void BM_SurfaceAndContourToPng(benchmark::State& state) {
    DataFile();
    auto out = WorkDir() / "surface.png";
    for (auto _ : state) {
        std::vector<double> y = ReadData();
        fv::PlotPanel panel(Width, Height);
        panel.SetView3D(true);
        panel.SetColor(fv::ClWhite);
        panel.SetChart3DPercent(15);
        panel.View3DOptions().SetOrthogonal(false);
        fv::TSurfaceSeries surface;
        fv::TContourSeries contour;
        auto value = [&](fv::TChartSeries*, int x, int z) { return y[std::size_t(x - 1) * Side + std::size_t(z - 1)]; };
        // Filled before they join the chart, as a bulk load does: no repaint request per point.
        for (fv::TCustom3DGridSeries* grid : {static_cast<fv::TCustom3DGridSeries*>(&surface), static_cast<fv::TCustom3DGridSeries*>(&contour)}) {
            grid->OnGetYValue = value;
            grid->FillGridValues(Side, Side);
        }
        surface.Pen.SetVisible(false);
        contour.SetYPosition(contour.MinYValue());
        panel.AddSeries(surface);
        panel.AddSeries(contour);
        surface.SetChartView3D(true);
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        fv::QtCanvas canvas(image);
        panel.Paint(canvas);
        // Light compression: the picture is written once and read rarely.
        image.save(QString::fromStdString(out.string()), "PNG", 90);
        panel.RemoveSeries(contour);
        panel.RemoveSeries(surface);
    }
    state.SetItemsProcessed(state.iterations() * Side * Side);
}
BENCHMARK(BM_SurfaceAndContourToPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

std::filesystem::path GnuplotScript(bool plot) {
    auto path = WorkDir() / (plot ? "plot.gp" : "startup.gp");
    std::ofstream s(path);
    s << "set terminal pngcairo size " << Width << "," << Height << "\n"
      << "set output '" << (WorkDir() / (plot ? "gnuplot.png" : "empty.png")).string() << "'\n";
    if (plot)
        s << "set contour base\nset cntrparam levels 10\nset pm3d at s\nunset surface\nunset key\n"
          << "splot '" << DataFile().string() << "' binary array=(" << Side << "," << Side
          << ") format='%double' with lines\n";
    return path;
}

void BM_GnuplotStartup(benchmark::State& state) { fv::bench::RunGnuplotBenchmark(state, GnuplotScript(false)); }
BENCHMARK(BM_GnuplotStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_GnuplotPm3dContourToPng(benchmark::State& state) { fv::bench::RunGnuplotBenchmark(state, GnuplotScript(true)); }
BENCHMARK(BM_GnuplotPm3dContourToPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fv::bench::GnuplotRatioReporter reporter("BM_SurfaceAndContourToPng", "BM_GnuplotStartup", "BM_GnuplotPm3dContourToPng",
                                             "the surface and contour", 1.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!std::getenv("FOLIVEX_KEEP_BENCH_FILES")) std::filesystem::remove_all(WorkDir());
    return 0;
}
