// Reference pictures of the grid and shape series through the raster canvas: a shaded surface and a
// contour in a rotated 3D chart, and shapes standing in an orthogonal 3D chart.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/extended/shape_series.h"
#include "chart/extended/surface_series.h"
#include "chart/plot_panel.h"
#include "view/reference_pictures.h"

namespace fv {
namespace {

// A hill and a hollow on a 30 by 30 grid.
double Landscape(int x, int z) {
    double dx = (x - 10) / 6.0, dz = (z - 12) / 6.0, ex = (x - 22) / 5.0, ez = (z - 20) / 5.0;
    return 3 * std::exp(-(dx * dx + dz * dz)) - 2 * std::exp(-(ex * ex + ez * ez));
}

void Rotated(PlotPanel& panel) {
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    panel.SetChart3DPercent(15);
    panel.View3DOptions().SetOrthogonal(false);
    panel.View3DOptions().SetZoom(90);
}

TEST(ExtendedSeriesPictures, AShadedSurfaceInARotatedChart) {
    PlotPanel panel(480, 360);
    Rotated(panel);
    TSurfaceSeries surface;
    panel.AddSeries(surface);
    surface.OnGetYValue = [](TChartSeries*, int x, int z) { return Landscape(x, z); };
    surface.FillGridValues(30, 30);
    surface.SetChartView3D(true);
    surface.SetStartColor(ClMaroon);
    surface.SetEndColor(RGB(255, 255, 200));
    surface.Pen.SetColor(ClGray);
    ExpectLikeReference(PaintPanel(panel), "extended_surface_3d.png");
}

TEST(ExtendedSeriesPictures, ContourLinesAtTheirLevelsInARotatedChart) {
    PlotPanel panel(480, 360);
    Rotated(panel);
    TContourSeries contour;
    panel.AddSeries(contour);
    contour.OnGetYValue = [](TChartSeries*, int x, int z) { return Landscape(x, z); };
    contour.FillGridValues(30, 30);
    contour.SetChartView3D(true);
    contour.SetNumLevels(12);
    contour.SetYPositionLevel(true);
    ExpectLikeReference(PaintPanel(panel), "extended_contour_3d.png");
}

TEST(ExtendedSeriesPictures, ShapesStandingInAThreeDChart) {
    PlotPanel panel(480, 360);
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    TChartShape cube, pyramid, circle, star;
    struct Look {
        TChartShape* shape;
        TChartShapeStyle style;
        double x0, y0, x1, y1;
        Color colour;
    };
    const Look looks[] = {
        {&cube, chasCube, 5, 5, 30, 40, ClRed},
        {&pyramid, chasPyramid, 40, 5, 65, 70, ClGreen},
        {&circle, chasCircle, 70, 50, 98, 95, ClYellow},
        {&star, chasStar, 75, 5, 95, 35, ClBlue},
    };
    for (const Look& l : looks) {
        panel.AddSeries(*l.shape);
        l.shape->SetStyle(l.style);
        l.shape->SetX0(l.x0);
        l.shape->SetY0(l.y0);
        l.shape->SetX1(l.x1);
        l.shape->SetY1(l.y1);
        l.shape->SetSeriesColor(l.colour);
    }
    star.Pen.SetColor(ClBlue);
    star.Pen.SetWidth(2);
    circle.SetText({"Peak", "at 95"});
    ExpectLikeReference(PaintPanel(panel), "extended_shapes_3d.png");
    for (const Look& l : looks) l.shape->SetParentChart(nullptr);
}

}  // namespace
}  // namespace fv
