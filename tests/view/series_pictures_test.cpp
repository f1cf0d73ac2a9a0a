// Reference pictures of the standard series types through the raster canvas, each flat and in 3D:
// lines with a null point and stairs, stacked areas, pointers of several shapes, side-by-side bars in
// three styles, stacked horizontal bars, and a pie with an exploded slice and an "Other" slice.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"
#include "chart/series_marks.h"
#include "chart_series/series_chart.h"
#include "view/reference_pictures.h"

namespace fv {
namespace {

// Draws a chart with its axes: flat in `name`_2d.png, in 3D with the series' marks in `name`_3d.png.
void ExpectPictures(const std::string& name, const std::function<void(SeriesChart&)>& fill) {
    for (bool is3D : {false, true}) {
        SeriesChart chart(is3D, is3D ? PixelRect{50, 70, 320, 270} : PixelRect{50, 20, 370, 270});
        chart.SetColor(ClWhite);
        fill(chart);
        chart.drawMarks = is3D;
        for (int i = 0; i < chart.SeriesCount(); ++i) chart.GetSeries(i)->Marks().SetVisible(is3D);
        ExpectLikeReference(PaintPanel(chart), name + (is3D ? "_3d.png" : "_2d.png"));
    }
}

// A fixed zigzag: the same picture on every machine.
double Zigzag(int i, int phase) { return 20 + ((i * 37 + phase * 23) % 60); }

TEST(SeriesPictures, Lines) {
    TLineSeries a, b;
    ExpectPictures("series_line", [&](SeriesChart& chart) {
        a.SetParentChart(&chart);
        b.SetParentChart(&chart);
        a.Clear();
        b.Clear();
        for (int i = 0; i <= 10; ++i) {
            a.AddPoint(i * 10, Zigzag(i, 0), "", i == 6 ? NoColour : AutomaticColour);
            b.AddPoint(i * 10, Zigzag(i, 1) / 2);
        }
        a.SetSeriesColor(ClRed);
        a.Pointer.SetVisible(true);
        a.Pointer.SetStyle(psCircle);
        b.SetSeriesColor(ClBlue);
        b.SetStairs(true);
    });
}

TEST(SeriesPictures, StackedAreas) {
    TAreaSeries a, b;
    ExpectPictures("series_area", [&](SeriesChart& chart) {
        a.SetParentChart(&chart);
        b.SetParentChart(&chart);
        a.Clear();
        b.Clear();
        for (int i = 0; i <= 10; ++i) {
            a.AddPoint(i * 10, Zigzag(i, 2) / 2);
            b.AddPoint(i * 10, Zigzag(i, 3) / 3);
        }
        a.SetSeriesColor(ClGreen);
        b.SetSeriesColor(RGB(255, 160, 0));
        b.SetMultiArea(maStacked);
    });
}

TEST(SeriesPictures, PointersOfSeveralShapes) {
    TPointSeries a, b;
    ExpectPictures("series_point", [&](SeriesChart& chart) {
        a.SetParentChart(&chart);
        b.SetParentChart(&chart);
        a.Clear();
        b.Clear();
        for (int i = 0; i <= 10; ++i) {
            a.AddPoint(i * 10, Zigzag(i, 4));
            b.AddPoint(i * 10 + 5, Zigzag(i, 5));
        }
        a.SetSeriesColor(ClNavy);
        b.SetSeriesColor(ClFuchsia);
        b.OnGetPointerStyle = [](TCustomSeries*, int index) { return TSeriesPointerStyle(index % 9); };
        b.Pointer.SetHorizSize(5);
        b.Pointer.SetVertSize(5);
    });
}

TEST(SeriesPictures, BarsSideBySide) {
    TBarSeries a, b, c;
    ExpectPictures("series_bar", [&](SeriesChart& chart) {
        TBarSeries* bars[] = {&a, &b, &c};
        const TBarStyle styles[] = {bsRectangle, bsCilinder, bsPyramid};
        const Color colours[] = {ClRed, ClTeal, RGB(255, 200, 0)};
        for (int k = 0; k < 3; ++k) {
            bars[k]->SetParentChart(&chart);
            bars[k]->Clear();
            for (int i = 0; i < 5; ++i) bars[k]->AddPoint(i, Zigzag(i, k));
            bars[k]->SetBarStyle(styles[k]);
            bars[k]->SetSeriesColor(colours[k]);
        }
        chart.SetLimits(*chart.BottomAxis(), -0.6, 4.6);
    });
}

TEST(SeriesPictures, StackedHorizontalBars) {
    THorizBarSeries a, b;
    ExpectPictures("series_horizbar", [&](SeriesChart& chart) {
        a.SetParentChart(&chart);
        b.SetParentChart(&chart);
        a.Clear();
        b.Clear();
        for (int i = 0; i < 4; ++i) {
            a.AddY(Zigzag(i, 6) / 2);
            b.AddY(Zigzag(i, 7) / 3);
        }
        a.SetSeriesColor(ClBlue);
        b.SetSeriesColor(ClLime);
        b.SetBarStyle(bsRectGradient);
        a.SetMultiBar(mbStacked);
        chart.SetLimits(*chart.LeftAxis(), -0.6, 3.6);
    });
}

TEST(SeriesPictures, PieWithAnExplodedAndAnOtherSlice) {
    TPieSeries pie;
    ExpectPictures("series_pie", [&](SeriesChart& chart) {
        pie.SetParentChart(&chart);
        pie.Clear();
        for (double v : {40.0, 25.0, 15.0, 12.0, 3.0, 2.0, 3.0}) pie.AddY(v);
        pie.OtherSlice.SetStyle(poBelowPercent);
        pie.OtherSlice.SetValue(5);
        pie.ExplodedSlices.SetValue(1, 15);
        pie.SetCircled(true);
        pie.SetRotationAngle(30);
    });
}

}  // namespace
}  // namespace fv
