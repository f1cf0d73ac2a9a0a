// The raster canvas against QPainter drawing the same million line segments (a random walk of short
// steps) into a 1920 x 1080 image, the sides alternating round by round:
// - the canvas' Polyline against QPainter::drawPolyline of the same points. Goal: 1.2 x.
// - the canvas' MoveTo and then one LineTo per point, as a series that draws point by point does, against
//   QPainter::drawLine once per segment. Goal: 1.1 x.
// Both sides draw with a one-pixel black pen with flat caps, without antialiasing, on a white image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "alternating.h"
#include "platform/gfx/canvas.h"
#include "view/qt_canvas.h"

namespace {

constexpr int Width = 1920, Height = 1080, Segments = 1000000;

// The same walk every run: steps of up to 20 pixels each way, kept inside the image.
std::vector<fv::Point> Walk() {
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
}

void PrepareQPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black, 0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    const std::vector<fv::Point> walk = Walk();
    std::vector<QPoint> qwalk;
    for (const auto& p : walk) qwalk.emplace_back(p.X, p.Y);
    QImage image(Width, Height, QImage::Format_RGB32);
    const fv::Pen blackPen{fv::ClBlack, 1, fv::PenStyle::Solid, fv::PenMode::Copy};

    std::vector<fv::bench::TimedSide> polyline = {
        {"canvas Polyline", [&] {
             image.fill(Qt::white);
             fv::QtCanvas canvas(image);
             canvas.SetPen(blackPen);
             canvas.Polyline(walk);
         }},
        {"QPainter::drawPolyline", [&] {
             image.fill(Qt::white);
             QPainter painter(&image);
             PrepareQPainter(painter);
             painter.drawPolyline(qwalk.data(), int(qwalk.size()));
         }},
    };
    std::printf("1e6 segments as one polyline, canvas against QPainter:\n");
    fv::bench::RunAlternating(polyline, rounds);
    fv::bench::PrintSides(polyline);
    fv::bench::PrintRatio("canvas Polyline / QPainter polyline", polyline[0].Median(), polyline[1].Median(), 1.2);

    std::vector<fv::bench::TimedSide> lineTo = {
        {"canvas MoveTo + LineTo per point", [&] {
             image.fill(Qt::white);
             fv::QtCanvas canvas(image);
             canvas.SetPen(blackPen);
             canvas.MoveTo(walk[0].X, walk[0].Y);
             for (std::size_t i = 1; i < walk.size(); ++i) canvas.LineTo(walk[i].X, walk[i].Y);
         }},
        {"QPainter::drawLine per segment", [&] {
             image.fill(Qt::white);
             QPainter painter(&image);
             PrepareQPainter(painter);
             for (std::size_t i = 1; i < qwalk.size(); ++i) painter.drawLine(qwalk[i - 1], qwalk[i]);
         }},
    };
    std::printf("\n1e6 segments point by point, canvas against QPainter:\n");
    fv::bench::RunAlternating(lineTo, rounds);
    fv::bench::PrintSides(lineTo);
    fv::bench::PrintRatio("canvas LineTo / QPainter drawLine", lineTo[0].Median(), lineTo[1].Median(), 1.1);
    std::printf("(for scale: canvas LineTo / QPainter polyline = %.3f x)\n", lineTo[0].Median() / polyline[1].Median());
    return 0;
}
