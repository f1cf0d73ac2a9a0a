// Reference pictures of the polar, radar, candle, volume, error and error-bar series through the raster
// canvas: the round series flat with their grids and labels, candles and error bars standing in a 3D chart.
// Besides the comparison, each picture is checked for the colours its series must show.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>

#include "chart/extended/candle_series.h"
#include "chart/extended/error_series.h"
#include "chart/extended/polar_series.h"
#include "chart/plot_panel.h"
#include "view/reference_pictures.h"

namespace fv {
namespace {

// Pixels of exactly this colour in the picture.
int PixelsOf(const QImage& image, Color colour) {
    QRgb want = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF)) ++n;
    return n;
}

TEST(PolarCandleErrorPictures, APolarWithItsGridAndAngleLabels) {
    PlotPanel panel(400, 400);
    panel.SetColor(ClWhite);
    TPolarSeries polar;
    panel.AddSeries(polar);
    for (int k = 0; k < 36; ++k) polar.AddPolarPoint(k * 10, 50 + 40 * std::sin(k * 3 * 3.14159265 / 18));
    polar.SetSeriesColor(ClBlue);
    polar.Brush.SetStyle(BrushStyle::Solid);
    polar.Brush.SetColor(RGB(200, 220, 255));
    polar.Pointer.SetVisible(false);
    polar.SetCircleLabels(true);
    polar.SetCircled(true);
    panel.BottomAxis()->SetIncrement(30);
    panel.LeftAxis()->SetIncrement(25);
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, RGB(200, 220, 255)), 10000) << "the filled sectors";
    EXPECT_GT(PixelsOf(image, ClBlue), 300) << "the line round them";
    ExpectLikeReference(image, "extended_polar.png");
}

TEST(PolarCandleErrorPictures, ARadarWithItsPolygonGrid) {
    PlotPanel panel(400, 400);
    panel.SetColor(ClWhite);
    TRadarSeries radar, other;
    panel.AddSeries(radar);
    panel.AddSeries(other);
    const char* labels[] = {"Cars", "Phones", "Tables", "Monitors", "Lamps", "Desks"};
    const double a[] = {80, 55, 90, 40, 65, 70}, b[] = {30, 75, 45, 85, 35, 50};
    for (int k = 0; k < 6; ++k) {
        radar.AddY(a[k], labels[k]);
        other.AddY(b[k], labels[k]);
    }
    radar.SetSeriesColor(ClRed);
    other.SetSeriesColor(ClGreen);
    radar.SetCircleLabels(true);
    radar.SetCircleBackColor(RGB(255, 255, 220));
    panel.LeftAxis()->SetIncrement(20);
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, RGB(255, 255, 220)), 20000) << "the hexagonal background";
    EXPECT_GT(PixelsOf(image, ClRed), 100);
    EXPECT_GT(PixelsOf(image, ClGreen), 100);
    ExpectLikeReference(image, "extended_radar.png");
}

TEST(PolarCandleErrorPictures, CandlesInAThreeDChart) {
    PlotPanel panel(480, 320);
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    TCandleSeries candle;
    panel.AddSeries(candle);
    candle.SetDraw3D(true);
    candle.SetCandleWidth(12);
    candle.SetUpCloseColor(ClLime);
    const double prices[][4] = {{20, 34, 18, 30}, {30, 33, 22, 25}, {25, 40, 24, 38}, {38, 45, 36, 44},
                                {44, 46, 30, 32}, {32, 36, 28, 32}, {32, 48, 31, 47}, {47, 49, 38, 40}};
    for (int i = 0; i < 8; ++i) candle.AddOHLCPoint(45000 + i, prices[i][0], prices[i][1], prices[i][2], prices[i][3]);
    // The plot panel leaves no margins: half a day on either side keeps the first and last candle whole.
    panel.BottomAxis()->SetRange(44999.5, 45007.5);
    panel.BottomAxis()->SetDateTimeFormat("dd/mm");
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, ClLime), 200) << "up candles";
    EXPECT_GT(PixelsOf(image, ClRed), 200) << "down candles";
    ExpectLikeReference(image, "extended_candle_3d.png");
}

TEST(PolarCandleErrorPictures, VolumeLines) {
    PlotPanel panel(480, 240);
    panel.SetColor(ClWhite);
    TVolumeSeries volume;
    panel.AddSeries(volume);
    volume.SetSeriesColor(ClNavy);
    volume.LinePen.SetWidth(3);
    for (int i = 0; i < 30; ++i) volume.AddPoint(i, 100 + 80 * std::sin(i * 0.5) * std::sin(i * 0.5) + i * 3);
    panel.BottomAxis()->SetRange(-1, 30);
    panel.LeftAxis()->SetRange(0, 300);
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, ClNavy), 30 * 3 * 40) << "thirty thick lines down to the axis";
    ExpectLikeReference(image, "extended_volume.png");
}

TEST(PolarCandleErrorPictures, ErrorWhiskers) {
    PlotPanel panel(480, 320);
    panel.SetColor(ClWhite);
    TErrorSeries error;
    panel.AddSeries(error);
    error.SetSeriesColor(ClPurple);
    error.ErrorPen.SetWidth(2);
    const double values[] = {40, 55, 48, 70, 62, 80};
    for (int i = 0; i < 6; ++i) error.AddErrorPoint(i, values[i], 4 + i * 1.5);
    panel.BottomAxis()->SetRange(-0.5, 5.5);
    panel.LeftAxis()->SetRange(30, 95);
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, ClPurple), 300) << "whiskers up and down";
    ExpectLikeReference(image, "extended_error.png");
}

TEST(PolarCandleErrorPictures, ErrorBarsInAThreeDChart) {
    PlotPanel panel(480, 320);
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    TErrorBarSeries bars;
    panel.AddSeries(bars);
    bars.SetSeriesColor(RGB(90, 140, 220));
    bars.ErrorPen.SetColor(ClRed);
    bars.ErrorPen.SetWidth(2);
    const double values[] = {30, -15, 45, 25, -30, 50};
    for (int i = 0; i < 6; ++i) bars.AddErrorPoint(i, values[i], 6 + i);
    panel.BottomAxis()->SetRange(-0.5, 5.5);
    QImage image = PaintPanel(panel);
    EXPECT_GT(PixelsOf(image, RGB(90, 140, 220)), 3000) << "the bars' fronts";
    EXPECT_GT(PixelsOf(image, ClRed), 150) << "whiskers above and below";
    ExpectLikeReference(image, "extended_error_bar_3d.png");
}

}  // namespace
}  // namespace fv
