// Pictures drawn through the raster canvas and compared with the reference pictures in
// tests/fixtures/view: a white image to draw on, a chart panel painted into one, and the comparison.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "chart/chart_panel.h"
#include "view/qt_canvas.h"

namespace fv {

inline QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline std::filesystem::path ReferenceDir() {
    return std::filesystem::path(FOLIVEX_SOURCE_DIR) / "tests/fixtures/view";
}

// Compares with the reference picture, allowing a few pixels of difference (a font renderer's rounding);
// FOLIVEX_UPDATE_PICTURES=1 writes the reference instead. The picture is saved in the build folder either way.
inline void ExpectLikeReference(const QImage& image, const std::string& name) {
    image.save(QString::fromStdString((std::filesystem::path(FOLIVEX_BINARY_DIR) / name).string()));
    auto ref = ReferenceDir() / name;
    if (std::getenv("FOLIVEX_UPDATE_PICTURES")) {
        std::filesystem::create_directories(ReferenceDir());
        ASSERT_TRUE(image.save(QString::fromStdString(ref.string())));
        return;
    }
    QImage want(QString::fromStdString(ref.string()));
    ASSERT_FALSE(want.isNull()) << "no reference " << ref << " (FOLIVEX_UPDATE_PICTURES=1 writes it)";
    want = want.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(want.size(), image.size());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor a(image.pixel(x, y)), b(want.pixel(x, y));
            if (std::abs(a.red() - b.red()) > 8 || std::abs(a.green() - b.green()) > 8 || std::abs(a.blue() - b.blue()) > 8)
                ++differing;
        }
    EXPECT_LE(differing, image.width() * image.height() / 500) << name << ": " << differing << " pixels differ";
}

inline QImage PaintPanel(TCustomChartPanel& panel) {
    QImage image = WhiteImage(panel.Width(), panel.Height());
    QtCanvas canvas(image);
    panel.Paint(canvas);
    return image;
}

}  // namespace fv
