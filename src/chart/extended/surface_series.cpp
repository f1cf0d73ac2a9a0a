// The surface: cells drawn back to front as filled planes, outlines or corner dots, and its hit test.
#include "chart/extended/surface_series.h"

#include "chart/axis_panel.h"
#include "chart/hit_tests.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TSurfaceSeries::TSurfaceSeries(Component* owner, std::string name)
    : TCustom3DGridSeries(owner, std::move(name)), Pen([this] { Repaint(); }), Brush([this] { Repaint(); }) {}

void TSurfaceSeries::SetWireFrame(bool value) {
    if (value) Pen.SetVisible(true);
    Change(wireFrame_, value);
    if (value) dotFrame_ = false;
}

void TSurfaceSeries::SetDotFrame(bool value) {
    if (value) Pen.SetVisible(true);
    Change(dotFrame_, value);
    if (value) wireFrame_ = false;
}

bool TSurfaceSeries::BeginDrawing(Drawing& d) {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
    if (!panel || !panel->AxisCanvas().ReferenceCanvas()) return false;
    ValidateGridIndex();
    d.Canvas = &panel->AxisCanvas();
    // Every corner is shared by up to four cells: its pixels are worked out once.
    int n = Count();
    d.Screen.resize(std::size_t(n));
    for (int i = 0; i < n; ++i) d.Screen[std::size_t(i)] = {XScreenPos(GetXValue(i)), YScreenPos(GetYValue(i))};
    // The depth of grid column c is that of the Z value c + Round(MinZ) - 1.
    // Worked out as a double: a smallest Z far below the int range rounds to INT_MIN, and one less overflows.
    const double base = double(RoundPixel(ZValues->MinValue())) - 1;
    const TCustomChartAxis& depth = panel->DepthAxis();
    d.ColumnDepth.resize(std::size_t(IndexedNumZ()) + 2);
    for (int c = 0; c < int(d.ColumnDepth.size()); ++c)
        d.ColumnDepth[std::size_t(c)] = depth.ValueToPixel(double(c) + base);
    return true;
}

int TSurfaceSeries::ColumnDepthOf(const Drawing& d, int column) const {
    return column >= 0 && column < int(d.ColumnDepth.size()) ? d.ColumnDepth[std::size_t(column)] : 0;
}

void TSurfaceSeries::DrawAllValues() {
    if (Count() == 0) return;
    Drawing& d = drawing_;
    if (!BeginDrawing(d)) return;
    Canvas& c = *d.Canvas->ReferenceCanvas();
    // An invisible pen clears the outline (AssignVisiblePen); frames show it whatever.
    TChartPen pen;
    pen.Assign(Pen);
    if (wireFrame_ || dotFrame_) pen.SetVisible(true);
    d.Canvas->AssignVisiblePen(pen);
    fv::Brush brush = Brush.CanvasBrush();
    brush.BrushColor = SeriesColor();
    d.UniformBrush = false;
    if (wireFrame_ || dotFrame_) {
        brush.Style = BrushStyle::Clear;
        d.UniformBrush = true;
    }
    c.SetBrush(brush);

    // Back to front: the far end of the depth axis first, and along the horizontal axis towards the side
    // the depth leans away from.
    auto* panel = static_cast<TCustomAxisPanel*>(ParentChart());
    bool depthInverted = panel->DepthAxis().Inverted();
    bool horizInverted = GetHorizAxis() && GetHorizAxis()->Inverted();
    ColumnStep = depthInverted ? 1 : -1;
    RowStep = horizInverted ? 1 : -1;
    int numX = IndexedNumX(), numZ = IndexedNumZ();
    auto columns = [&](int x) {
        if (depthInverted)
            for (int z = 1; z <= numZ - 1; ++z) DrawCell(x, z);
        else
            for (int z = numZ; z >= 2; --z) DrawCell(x, z);
    };
    if (horizInverted)
        for (int x = numX - 1; x >= 1; --x) columns(x);
    else
        for (int x = 2; x <= numX; ++x) columns(x);
    d = Drawing{};
}

void TSurfaceSeries::DrawCell(int x, int z) {
    Drawing& d = drawing_;
    if (!d.Canvas) return;
    int i0 = GridPointIndex(x, z), i1 = GridPointIndex(x + RowStep, z);
    int i2 = GridPointIndex(x + RowStep, z + ColumnStep), i3 = GridPointIndex(x, z + ColumnStep);
    if (i0 < 0 || i1 < 0 || i2 < 0 || i3 < 0) return;
    int z0 = ColumnDepthOf(d, z), z1 = ColumnDepthOf(d, z + ColumnStep);
    Canvas& c = *d.Canvas->ReferenceCanvas();
    if (!d.UniformBrush) {
        Color colour = ValueColor(i0);
        if (colour == NoColour) return;
        if (c.GetBrush().BrushColor != colour) {
            fv::Brush b = c.GetBrush();
            b.BrushColor = colour;
            c.SetBrush(b);
        }
    }
    const Point& s0 = d.Screen[std::size_t(i0)];
    const Point& s1 = d.Screen[std::size_t(i1)];
    const Point& s2 = d.Screen[std::size_t(i2)];
    const Point& s3 = d.Screen[std::size_t(i3)];
    if (dotFrame_) {
        d.Canvas->PixelZ(s0.X, s0.Y, ValueColor(i0), z0);
        d.Canvas->PixelZ(s1.X, s1.Y, ValueColor(i1), z0);
        d.Canvas->PixelZ(s2.X, s2.Y, ValueColor(i2), z1);
        d.Canvas->PixelZ(s3.X, s3.Y, ValueColor(i3), z1);
    } else {
        d.Canvas->PlaneWithDepths(s0, s1, s2, s3, z0, z1);
    }
}

int TSurfaceSeries::Clicked(int x, int y) {
    if (Count() == 0 || NumXValues() < 2) return -1;
    const int numX = IndexedNumX(), numZ = IndexedNumZ();
    RowStep = ColumnStep = -1;
    PixelPoint p{x, y};
    for (int gx = 2; gx <= numX; ++gx)
        for (int gz = 2; gz <= numZ; ++gz) {
            int i0 = GridPointIndex(gx, gz), i1 = GridPointIndex(gx - 1, gz);
            int i2 = GridPointIndex(gx - 1, gz - 1), i3 = GridPointIndex(gx, gz - 1);
            if (i0 < 0 || i1 < 0 || i2 < 0 || i3 < 0) continue;
            std::vector<PixelPoint> cell;
            for (int i : {i0, i1, i2, i3}) cell.push_back({PointScreenX(i), PointScreenY(i)});
            if (PointInPolygon(p, cell)) return i0;
        }
    return -1;
}

void TSurfaceSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    // A preview makes its own sample surface whenever it is refilled.
    SampleMode = true;
    SetUseColorRange(false);
    Pen.SetColor(enabled ? ClBlack : ClGray);
    SetUsePalette(enabled);
    FillGridValues(10, 10);
}

void TSurfaceSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TSurfaceSeries*>(&source)) {
        Pen.Assign(other->Pen);
        Brush.Assign(other->Brush);
        wireFrame_ = other->wireFrame_;
        dotFrame_ = other->dotFrame_;
    }
    TCustom3DGridSeries::Assign(source);
}

}  // namespace fv
