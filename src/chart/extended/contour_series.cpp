// The contour: evenly spaced levels and the lines of each level traced over every grid cell. A cell is cut
// into four triangles around its centre (the mean of its corners); in each triangle the signs of the three
// heights above the level pick one of ten cases from a table: nothing, an edge of the triangle, a line from
// a corner to the opposite side, or a line between two sides.
#include <algorithm>
#include <vector>

#include "chart/axis_panel.h"
#include "chart/chart_units.h"
#include "chart/extended/surface_series.h"
#include "chart/value_format.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

// Case by the signs (+1 for -1, 0, +1) of corner m, the centre and corner m + 1.
constexpr int CaseTable[3][3][3] = {{{0, 0, 8}, {0, 2, 5}, {7, 6, 9}},
                                    {{0, 3, 4}, {1, 3, 1}, {4, 3, 0}},
                                    {{9, 6, 7}, {5, 2, 0}, {8, 0, 0}}};

int Sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// One cell being traced at one level: heights, screen x and depth of the centre (0) and corners 1..4.
struct CellTrace {
    double h[5];
    int x[5], d[5];
    int s[5];
    // The last crossing worked out: a side whose two heights are equal has none, and keeps this one.
    int crossX = 0, crossD = 0;

    void Crossing(int a, int b, int& outX, int& outD) {
        if (h[b] != h[a]) {
            double w = h[b] - h[a];
            crossX = RoundPixel((h[b] * x[a] - h[a] * x[b]) / w);
            crossD = RoundPixel((h[b] * d[a] - h[a] * d[b]) / w);
        }
        outX = crossX;
        outD = crossD;
    }
};

}  // namespace

TContourSeries::TContourSeries(Component* owner, std::string name)
    : TCustom3DGridSeries(owner, std::move(name)), Pen([this] { Repaint(); }) {
    SetColorEachPoint(true);
}

void TContourSeries::SetNumLevels(int value) {
    // The level table has 251 places, and no level at all would leave the drawing without a first one.
    Change(numLevels_, std::clamp(value, 1, MaxLevels));
}

void TContourSeries::PrepareValues() {
    TCustom3DGridSeries::PrepareValues();
    double minY = YValues->MinValue(), maxY = YValues->MaxValue();
    double step = (maxY - minY) / numLevels_;
    for (int i = 0; i < numLevels_; ++i) {
        double value = minY + step * i;
        Color colour;
        if (ColorEachPoint()) colour = PaletteColor(i);
        else if (UsePalette() || UseColorRange()) colour = CellColorOf(value);
        else colour = SeriesColor();
        if (OnGetLevel) OnGetLevel(this, i, value, colour);
        levels_[std::size_t(i)] = {value, colour};
    }
}

void TContourSeries::DrawAllValues() {
    if (Count() == 0) return;
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
    if (!panel || !panel->AxisCanvas().ReferenceCanvas()) return;
    ValidateGridIndex();
    TCanvas3D& canvas = panel->AxisCanvas();
    Canvas& c = *canvas.ReferenceCanvas();
    canvas.AssignVisiblePen(Pen);
    const TCustomChartAxis& depthAxis = panel->DepthAxis();

    // Each point's pixel across and depth, and each level's height on the screen, once per drawing.
    int n = Count();
    std::vector<int> screenX(static_cast<std::size_t>(n)), depth(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        screenX[std::size_t(i)] = XScreenPos(GetXValue(i));
        depth[std::size_t(i)] = depthAxis.ValueToPixel(ZValues->GetValue(i));
    }
    int levelY[MaxLevels];
    int yp = YScreenPos(yPosition_);
    for (int i = 0; i < numLevels_; ++i) levelY[i] = yPositionLevel_ ? YScreenPos(levels_[std::size_t(i)].Value) : yp;
    const double lowest = levels_[0].Value, highest = levels_[std::size_t(numLevels_ - 1)].Value;

    CellTrace t;
    const int numX = IndexedNumX(), numZ = IndexedNumZ();
    for (int z = 1; z <= numZ - 1; ++z)
        for (int x = 1; x <= numX - 1; ++x) {
            int corner[5] = {-1, GridPointIndex(x, z), GridPointIndex(x + 1, z), GridPointIndex(x + 1, z + 1),
                             GridPointIndex(x, z + 1)};
            if (corner[1] < 0 || corner[2] < 0 || corner[3] < 0 || corner[4] < 0) continue;
            double y[5];
            for (int m = 1; m <= 4; ++m) y[m] = GetYValue(corner[m]);
            double cmin = std::min({y[1], y[2], y[3], y[4]}), cmax = std::max({y[1], y[2], y[3], y[4]});
            if (cmax < lowest || cmin > highest) continue;
            for (int m = 1; m <= 4; ++m) {
                t.x[m] = screenX[std::size_t(corner[m])];
                // Corners 1 and 2 lie on the cell's first row of depth, 3 and 4 on the next.
                t.d[m] = depth[std::size_t(corner[m <= 2 ? 1 : 4])];
            }
            t.x[0] = (t.x[1] + t.x[2]) / 2;
            t.d[0] = (t.d[1] + t.d[3]) / 2;
            for (int i = 0; i < numLevels_; ++i) {
                double level = levels_[std::size_t(i)].Value;
                if (level < cmin || level > cmax) continue;
                Color colour = levels_[std::size_t(i)].LevelColor;
                if (c.GetPen().PenColor != colour) {
                    fv::Pen p = c.GetPen();
                    p.PenColor = colour;
                    c.SetPen(p);
                }
                for (int m = 1; m <= 4; ++m) t.h[m] = y[m] - level;
                t.h[0] = (t.h[1] + t.h[2] + t.h[3] + t.h[4]) * 0.25;
                for (int m = 0; m <= 4; ++m) t.s[m] = Sign(t.h[m]);
                int yl = levelY[i];
                for (int m = 1; m <= 4; ++m) {
                    int m1 = m, m2 = 0, m3 = m == 4 ? 1 : m + 1;
                    int kind = CaseTable[t.s[m1] + 1][t.s[m2] + 1][t.s[m3] + 1];
                    if (kind == 0) continue;
                    int ax = 0, ad = 0, bx = 0, bd = 0;
                    auto vertex = [&](int v, int& ox, int& od) {
                        ox = t.x[v];
                        od = t.d[v];
                    };
                    switch (kind) {
                    case 1: vertex(m1, ax, ad); vertex(m2, bx, bd); break;
                    case 2: vertex(m2, ax, ad); vertex(m3, bx, bd); break;
                    case 3: vertex(m3, ax, ad); vertex(m1, bx, bd); break;
                    case 4: vertex(m1, ax, ad); t.Crossing(m2, m3, bx, bd); break;
                    case 5: vertex(m2, ax, ad); t.Crossing(m3, m1, bx, bd); break;
                    case 6: vertex(m3, ax, ad); t.Crossing(m1, m2, bx, bd); break;
                    case 7: t.Crossing(m1, m2, ax, ad); t.Crossing(m2, m3, bx, bd); break;
                    case 8: t.Crossing(m2, m3, ax, ad); t.Crossing(m3, m1, bx, bd); break;
                    case 9: t.Crossing(m3, m1, ax, ad); t.Crossing(m1, m2, bx, bd); break;
                    }
                    canvas.MoveToZ(ax, yl, ad);
                    canvas.LineToZ(bx, yl, bd);
                }
            }
        }
}

void TContourSeries::FillSampleValues(int numValues) {
    TCustom3DGridSeries::FillSampleValues(numValues);
    SetYPosition((YValues->MaxValue() + YValues->MinValue()) * 0.5);
}

void TContourSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    if (!enabled) SetSeriesColor(ClGray);
    SetUseColorRange(enabled);
}

std::string TContourSeries::LegendString(int index, TLegendTextStyle) const {
    if (index < 0 || index >= numLevels_) return {};
    return FormatNumber(levels_[std::size_t(numLevels_ - index - 1)].Value, ValueFormat());
}

Color TContourSeries::LegendItemColor(int index) const {
    if (index < 0 || index >= numLevels_) return SeriesColor();
    return levels_[std::size_t(numLevels_ - index - 1)].LevelColor;
}

void TContourSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TContourSeries*>(&source)) {
        Pen.Assign(other->Pen);
        numLevels_ = other->numLevels_;
        yPosition_ = other->yPosition_;
        yPositionLevel_ = other->yPositionLevel_;
    }
    TCustom3DGridSeries::Assign(source);
}

}  // namespace fv
