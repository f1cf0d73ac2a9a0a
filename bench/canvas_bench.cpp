// The raster canvas against QPainter: a million line segments (one polyline, a random walk of short steps)
// into a 1920 x 1080 image, through the canvas and straight through QPainter in the same run.
// Goal: the canvas within 1.2 times the time of QPainter alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gfx/canvas.h"
#include "view/qt_canvas.h"

namespace {

constexpr int Width = 1920, Height = 1080, Segments = 1000000;

// The same walk every run: steps of up to 20 pixels each way, kept inside the image.
const std::vector<fv::Point>& Walk() {
    static const std::vector<fv::Point> walk = [] {
        std::vector<fv::Point> pts;
        pts.reserve(Segments + 1);
        std::uint32_t seed = 12345;
        auto next = [&] { seed = seed * 1664525u + 1013904223u; return int(seed >> 16); };
        fv::Point p{Width / 2, Height / 2};
        pts.push_back(p);
        for (int i = 0; i < Segments; ++i) {
            p.X = std::clamp(p.X + next() % 41 - 20, 0, Width - 1);
            p.Y = std::clamp(p.Y + next() % 41 - 20, 0, Height - 1);
            pts.push_back(p);
        }
        return pts;
    }();
    return walk;
}

void BM_QPainterPolyline(benchmark::State& state) {
    std::vector<QPoint> pts;
    for (const auto& p : Walk()) pts.emplace_back(p.X, p.Y);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::black, 0);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawPolyline(pts.data(), int(pts.size()));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetItemsProcessed(state.iterations() * Segments);
}
BENCHMARK(BM_QPainterPolyline)->Unit(benchmark::kMillisecond);

void BM_CanvasPolyline(benchmark::State& state) {
    const auto& pts = Walk();
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        fv::QtCanvas canvas(image);
        canvas.SetPen({fv::ClBlack, 1, fv::PenStyle::Solid, fv::PenMode::Copy});
        canvas.Polyline(pts);
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetItemsProcessed(state.iterations() * Segments);
}
BENCHMARK(BM_CanvasPolyline)->Unit(benchmark::kMillisecond);

// The same segments one LineTo at a time, as a series that draws point by point does.
void BM_CanvasLineTo(benchmark::State& state) {
    const auto& pts = Walk();
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        fv::QtCanvas canvas(image);
        canvas.MoveTo(pts[0].X, pts[0].Y);
        for (std::size_t i = 1; i < pts.size(); ++i) canvas.LineTo(pts[i].X, pts[i].Y);
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetItemsProcessed(state.iterations() * Segments);
}
BENCHMARK(BM_CanvasLineTo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
