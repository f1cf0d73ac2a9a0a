// Reference pictures of the point 3D, bubble, arrow, gantt and Bezier series through the raster canvas:
// point 3D markers joined across depths in a rotated 3D chart, bubbles of several radii, arrows, gantt
// task bars with their connecting lines standing in an orthogonal 3D chart, and a Bezier curve with its
// control points. Each also checks a pixel the series must have painted.
#include <gtest/gtest.h>

#include <QColor>

#include <cmath>

#include "chart/extended/arrow_series.h"
#include "chart/extended/bezier_series.h"
#include "chart/extended/point3d_series.h"
#include "chart/plot_panel.h"
#include "view/reference_pictures.h"

namespace fv {
namespace {

Color PixelAt(const QImage& image, int x, int y) {
    QColor c(image.pixel(x, y));
    return RGB(c.red(), c.green(), c.blue());
}

// How many pixels within `radius` of (x, y) have the colour: a shape under a line through it still shows.
int PixelsNear(const QImage& image, int x, int y, int radius, Color colour) {
    int found = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && PixelAt(image, x + dx, y + dy) == colour) ++found;
    return found;
}

TEST(SpanSeriesPictures, Point3DMarkersAcrossDepthsInARotatedChart) {
    PlotPanel panel(480, 360);
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    panel.SetChart3DPercent(30);
    panel.View3DOptions().SetOrthogonal(false);
    panel.View3DOptions().SetZoom(80);
    TPoint3DSeries s;
    panel.AddSeries(s);
    // A helix climbing through the depth.
    for (int i = 0; i < 12; ++i) s.AddXYZPoint(50 + int(40 * std::cos(i * 0.6)), i * 8.0, 50 + int(40 * std::sin(i * 0.6)));
    s.SetSeriesColor(ClRed);
    s.LinePen.SetColor(ClNavy);
    s.LinePen.SetWidth(2);
    s.Pointer.SetHorizSize(6);
    s.Pointer.SetVertSize(6);
    QImage image = PaintPanel(panel);
    ExpectLikeReference(image, "span_point3d_3d.png");
    int front, back;
    s.PointDepths(5, front, back);
    Point p = panel.Canvas3D().Project(s.PointScreenX(5), s.PointScreenY(5), front);
    EXPECT_GT(PixelsNear(image, p.X, p.Y, 4, ClRed), 10) << "the red face of marker 5, under its line";
    EXPECT_GT(PixelsNear(image, p.X, p.Y, 4, ClNavy), 0) << "the line runs through it";
}

TEST(SpanSeriesPictures, BubblesOfSeveralRadii) {
    PlotPanel panel(480, 360);
    panel.SetColor(ClWhite);
    TBubbleSeries s;
    panel.AddSeries(s);
    const double values[][3] = {{1, 40, 8}, {2, 20, 5}, {3, 60, 12}, {4, 35, 3}, {5, 50, 9}};
    const Color colours[] = {ClRed, ClGreen, ClBlue, ClFuchsia, ClTeal};
    for (int i = 0; i < 5; ++i) s.AddBubblePoint(values[i][0], values[i][1], values[i][2], "", colours[i]);
    QImage image = PaintPanel(panel);
    ExpectLikeReference(image, "span_bubble_2d.png");
    // Beside each centre, towards the middle of the chart (grid lines run through the centres, and the
    // bubbles at either end are cut by the chart's edge).
    for (int i = 0; i < 5; ++i) {
        int x = s.PointScreenX(i), y = s.PointScreenY(i);
        EXPECT_EQ(PixelAt(image, x + (x < 240 ? 4 : -4), y + 3), colours[i]) << "bubble " << i;
    }
    EXPECT_LE(panel.LeftAxis()->Minimum(), 17) << "the lowest bubble fits whole";
    EXPECT_GE(panel.LeftAxis()->Maximum(), 72) << "the highest too";
}

TEST(SpanSeriesPictures, Arrows) {
    PlotPanel panel(480, 360);
    panel.SetColor(ClWhite);
    TArrowSeries s;
    panel.AddSeries(s);
    s.SetArrowWidth(10);
    s.SetArrowHeight(14);
    s.Pointer.Pen.SetWidth(2);
    s.AddArrowPoint(0, 0, 10, 10, "", ClRed);
    s.AddArrowPoint(10, 2, 2, 8, "", ClBlue);
    s.AddArrowPoint(4, 10, 6, 1, "", ClGreen);
    s.AddArrowPoint(1, 5, 9, 5, "", ClBlack);
    QImage image = PaintPanel(panel);
    ExpectLikeReference(image, "span_arrow_2d.png");
    // Half way along the horizontal black arrow (the second in X order).
    ASSERT_EQ(s.PointColor(1), ClBlack);
    int x = (s.PointScreenX(1) + s.XScreenPos(s.EndXValues->GetValue(1))) / 2, y = s.PointScreenY(1);
    EXPECT_GT(PixelsNear(image, x, y, 1, ClBlack), 2);
}

TEST(SpanSeriesPictures, GanttTasksInAThreeDChart) {
    PlotPanel panel(480, 360);
    panel.SetView3D(true);
    panel.SetColor(ClWhite);
    panel.SetChart3DPercent(20);
    TGanttSeries s;
    panel.AddSeries(s);
    s.Pointer.SetVertSize(8);
    s.ConnectingPen.SetWidth(2);
    const double tasks[][3] = {{0, 10, 0}, {12, 20, 1}, {12, 30, 2}, {22, 35, 3}, {33, 45, 1}};
    const Color colours[] = {ClRed, ClGreen, ClBlue, ClFuchsia, ClOlive};
    for (int i = 0; i < 5; ++i) s.AddGanttTask(tasks[i][0], tasks[i][1], tasks[i][2], "", colours[i]);
    s.NextTask->SetValue(0, 1);
    s.NextTask->SetValue(1, 3);
    s.NextTask->SetValue(3, 4);
    QImage image = PaintPanel(panel);
    ExpectLikeReference(image, "span_gantt_3d.png");
    // The front face of task 2, half way along.
    int x = (s.PointScreenX(2) + s.XScreenPos(30)) / 2;
    Point p = panel.Canvas3D().Project(x, s.PointScreenY(2), s.SlotStartDepth);
    EXPECT_EQ(PixelAt(image, p.X, p.Y), ClBlue);
}

TEST(SpanSeriesPictures, ABezierCurveWithItsControlPoints) {
    PlotPanel panel(480, 360);
    panel.SetColor(ClWhite);
    TBezierSeries s;
    panel.AddSeries(s);
    const double ys[] = {10, 80, 90, 20, 0, 60, 100, 40, 70, 30};
    for (int i = 0; i < 10; ++i) s.AddPoint(i * 10, ys[i]);
    s.SetSeriesColor(ClMaroon);
    s.LinePen.SetWidth(2);
    s.Pointer.SetStyle(psCircle);
    s.Pointer.Brush.SetColor(ClYellow);
    QImage image = PaintPanel(panel);
    ExpectLikeReference(image, "span_bezier_2d.png");
    // The curve ends on point 8 (three segments); point 9 has only its marker.
    EXPECT_EQ(PixelAt(image, s.PointScreenX(8) - 1, s.PointScreenY(8)), ClYellow) << "point 8's marker";
    EXPECT_EQ(PixelAt(image, s.PointScreenX(0), s.PointScreenY(0)), ClYellow);
}

}  // namespace
}  // namespace fv
