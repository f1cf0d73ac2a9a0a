// A random walk of 1e6 points plotted as a fast line into a 1920 x 1080 picture written as PNG, against
// gnuplot's `png` terminal (libgd, drawn without antialiasing as our raster canvas draws) plotting the
// same binary file to the same size, the sides alternating round by round.
//
// Our side is what the program does to make a picture of a chart: the series is filled from the file
// before it joins a chart (a bulk load), the chart is drawn through TCustomChartPanel::CreateBitmapImage
// on the program's raster service (the path of its bitmap save and clipboard copy), and the picture is
// written as PNG at zlib's default compression, as gnuplot writes its own. gnuplot's start-up (the same
// script without the plot) is timed in the same rounds and taken off its total.
// Goal: the fast line within 0.3 x gnuplot's plot. The program's own bitmap file save (BMP, uncompressed)
// is timed beside it for scale. `bench_fast_line <rounds>` sets the number of rounds; `bench_fast_line
// <rounds> ours` runs our side alone that many times, for a profiler.
#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "alternating.h"
#include "chart/chart.h"
#include "chart/fast_line.h"
#include "gnuplot_peer.h"
#include "view/qt_output.h"

namespace {

constexpr int Width = 1920, Height = 1080, Points = 1000000;

// x, y pairs of doubles: x the index, y a walk of steps in [-1, 1) from a fixed sequence.
void WriteData(const std::filesystem::path& path) {
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
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(xy.data()), std::streamsize(xy.size() * sizeof(double)));
}

// The pairs as they are in the file, into memory that is not cleared first.
std::unique_ptr<double[]> ReadData(const std::filesystem::path& path) {
    std::unique_ptr<double[]> xy(new double[2 * std::size_t(Points)]);
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(xy.get()), std::streamsize(2 * std::size_t(Points) * sizeof(double)));
    return xy;
}

// The chart of the plot: flat, no legend, white, the fast line filled from the file.
struct Plot {
    fv::TChart chart{nullptr};
    fv::TFastLineSeries line;

    explicit Plot(const std::filesystem::path& data) {
        chart.SetBounds(0, 0, Width, Height);
        chart.SetBufferedDisplay(false);
        chart.SetView3D(false);
        chart.Legend().SetVisible(false);
        std::unique_ptr<double[]> xy = ReadData(data);
        for (std::size_t i = 0; i < 2 * std::size_t(Points); i += 2) line.AddPoint(xy[i], xy[i + 1]);
        chart.AddSeries(line);
    }
    ~Plot() { chart.RemoveSeries(line); }
};

std::filesystem::path GnuplotScript(const std::filesystem::path& dir, const std::filesystem::path& data, bool plot) {
    auto path = dir / (plot ? "plot.gp" : "startup.gp");
    std::ofstream s(path);
    s << "set terminal png size " << Width << "," << Height << "\n"
      << "set output '" << (dir / (plot ? "gnuplot.png" : "empty.png")).string() << "'\n";
    if (plot) s << "plot '" << data.string() << "' binary format='%double%double' with lines notitle\n";
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 7;
    const std::filesystem::path dir = fv::bench::NewWorkDir("folivex-fastline");
    const std::filesystem::path data = dir / "walk.bin", ours = dir / "fastline.png", bmp = dir / "fastline.bmp";
    WriteData(data);
    const std::filesystem::path startupScript = GnuplotScript(dir, data, false), plotScript = GnuplotScript(dir, data, true);
    if (!fv::bench::RunGnuplot(startupScript)) {
        std::printf("gnuplot (Debian's gnuplot-nox) could not be run: nothing to compare with\n");
        return 1;
    }
    fv::QtRaster raster;
    bool failed = false;

    std::vector<fv::bench::TimedSide> sides = {
        {"fast line: file, chart, picture, PNG", [&] {
             Plot plot(data);
             fv::Bitmap picture = plot.chart.CreateBitmapImage(raster, fv::ClWhite, plot.chart.ChartBounds());
             QImage image(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width, picture.Height,
                          qsizetype(picture.Width) * 4, QImage::Format_RGB32);
             failed |= !image.save(QString::fromStdString(ours.string()), "PNG");
         }},
        {"gnuplot png: start-up and plot", [&] { failed |= !fv::bench::RunGnuplot(plotScript); }},
        {"gnuplot png: start-up only", [&] { failed |= !fv::bench::RunGnuplot(startupScript); }},
        {"fast line: file, chart, the program's BMP save", [&] {
             Plot plot(data);
             plot.chart.SaveToBitmapFile(raster, bmp.string());
         }},
    };
    if (argc > 2 && std::string(argv[2]) == "ours") {
        // Our side alone, for a profiler: `bench_fast_line <rounds> ours`.
        for (int r = 0; r < rounds; ++r) sides[0].run();
        std::filesystem::remove_all(dir);
        return failed ? 1 : 0;
    }
    std::printf("1e6 points as a line into a %d x %d picture file, ours against gnuplot's png terminal:\n", Width, Height);
    fv::bench::RunAlternating(sides, rounds);
    fv::bench::PrintSides(sides);
    const double gnuplotPlot = sides[1].Median() - sides[2].Median();
    std::printf("gnuplot's plot alone (its total less its start-up): processor %.1f ms\n", gnuplotPlot * 1e3);
    std::printf("PNG sizes: ours %ju bytes, gnuplot's %ju bytes; our BMP %ju bytes\n",
                std::uintmax_t(std::filesystem::file_size(ours)), std::uintmax_t(std::filesystem::file_size(dir / "gnuplot.png")),
                std::uintmax_t(std::filesystem::file_size(bmp)));
    fv::bench::PrintRatio("fast line to PNG / gnuplot png plot", sides[0].Median(), gnuplotPlot, 0.3);
    std::printf("(on the clock: %.3f x)\n", sides[0].ClockMedian() / (sides[1].ClockMedian() - sides[2].ClockMedian()));
    if (failed) std::printf("a side failed to write its picture\n");
    if (!std::getenv("FOLIVEX_KEEP_BENCH_FILES")) std::filesystem::remove_all(dir);
    return failed ? 1 : 0;
}
