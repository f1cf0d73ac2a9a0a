// The polar and radar series: point positions, the background, the polar grid and the axes along the
// radii, angle labels, the joined points with their sectors and markers, clicks, the legend symbol,
// sample values and the gallery.
#include "chart/extended/polar_series.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <typeinfo>

#include "chart/chart_units.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {
namespace {

constexpr double DegreesToRadians = std::numbers::pi / 180;
// Past this many spokes or rings a grid is no longer a grid: it is left off.
constexpr double MaxGridLines = 10000;

void SetPenStyle(Canvas& canvas, PenStyle style) {
    fv::Pen p = canvas.GetPen();
    p.Style = style;
    canvas.SetPen(p);
}

}  // namespace

TCustomPolarSeries::TCustomPolarSeries(Component* owner, std::string name)
    : TCircledSeries(owner, std::move(name)), Pen([this] { Repaint(); }), Brush([this] { Repaint(); }),
      CirclePen([this] { Repaint(); }), circleLabelsFont_(DefaultChartFont()) {
    YValues->SetName("Radius");
    Brush.SetStyle(BrushStyle::Clear);
}

int TCustomPolarSeries::AddPolarPoint(double angle, double value, const std::string& label, Color colour) {
    return AddPoint(angle, value, label, colour);
}

double TCustomPolarSeries::RadiusIncrement() const {
    TCustomChartAxis* axis = RadiusAxis();
    return axis ? axis->Increment() : 0;
}

void TCustomPolarSeries::SetRadiusIncrement(double value) {
    if (TCustomChartAxis* axis = RadiusAxis()) axis->SetIncrement(value);
}

double TPolarSeries::AngleIncrement() const {
    TCustomChartAxis* axis = AngleAxis();
    return axis && axis->Increment() != 0 ? axis->Increment() : 10;
}

void TPolarSeries::SetAngleIncrement(double value) {
    if (TCustomChartAxis* axis = AngleAxis()) axis->SetIncrement(value);
}

std::string TCustomPolarSeries::CircleLabelText(double angle) const {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", angle);
    return std::string(text) + "\u00BA";
}

void TCustomPolarSeries::SetSeriesColor(Color value) {
    TCircledSeries::SetSeriesColor(value);
    Pen.SetColor(value);
}

void TCustomPolarSeries::SetParentChart(SeriesHost* chart) {
    TCircledSeries::SetParentChart(chart);
    // A polar chart is designed flat: its circle would otherwise lean back.
    if (chart && chart->IsDesigning())
        if (TCustomAxisPanel* panel = AxisPanelOf(*this)) panel->SetView3D(false);
}

// ------------------------------------------------------------------------------------------ positions

Point TCustomPolarSeries::PositionAt(double degrees, double xRadius, double yRadius) const {
    double a = degrees * DegreesToRadians + RotationRadians();
    // A radius far beyond the axis' maximum lands far off the picture, not back across it.
    return {AddPixels(CircleXCenter, RoundPixel(std::cos(a) * xRadius)),
            SubPixels(CircleYCenter, RoundPixel(std::sin(a) * yRadius))};
}

Point TCustomPolarSeries::PointPosition(int index) const {
    const TCustomChartAxis* axis = RadiusAxis();
    double d = axis ? axis->Maximum() - axis->Minimum() : 0;
    if (d == 0) return {0, 0};
    double t = (GetYValue(index) - axis->Minimum()) / d;
    return PositionAt(GetXValue(index), t * XRadius, t * YRadius);
}

// ----------------------------------------------------------------------------- background and grid

bool TCustomPolarSeries::DrawsGrid() const {
    SeriesHost* chart = ParentChart();
    if (!chart) return false;
    for (int i = 0, n = chart->SeriesCount(); i < n; ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (s->Active() && typeid(*s) == typeid(*this)) return s == this;
    }
    return false;
}

void TCustomPolarSeries::DoBeforeDrawValues() {
    bool first = DrawsGrid();
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    TCustomAxisPanel* panel = AxisPanelOf(*this);
    if (first && circleLabels_ && canvas && panel) {
        // Room round the circle for the labels: a line above and below, the widest angle beside.
        canvas->ReferenceCanvas()->SetFont(circleLabelsFont_);
        int h = canvas->FontHeight(), w = canvas->TextWidth("360");
        PixelRect& r = panel->PlotRect;
        r = {r.Left + w, r.Top + h + 2, r.Right - w, r.Bottom - h - 2};
    }
    TCircledSeries::DoBeforeDrawValues();
    if (first && canvas) {
        DrawBackground();
        DrawPolarGrid();
    }
}

void TCustomPolarSeries::FillSector(Point a, Point b, int z) {
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    Canvas& c = *canvas.ReferenceCanvas();
    CanvasStateGuard guard(c);
    SetPenStyle(c, PenStyle::Clear);
    canvas.TriangleZ({CircleXCenter, CircleYCenter}, a, b, z);
}

void TCustomPolarSeries::DrawRing(int a, int b, int z) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    if (PolygonSides <= 0) {
        canvas->EllipseZ(CircleXCenter - a, CircleYCenter - b, CircleXCenter + a, CircleYCenter + b, z);
        return;
    }
    bool filled = canvas->ReferenceCanvas()->GetBrush().Style != BrushStyle::Clear;
    double step = 360.0 / PolygonSides;
    Point previous = PositionAt(0, a, b);
    canvas->MoveToZ(previous.X, previous.Y, z);
    for (int k = 0; k <= PolygonSides; ++k) {
        Point p = PositionAt(k * step, a, b);
        if (filled) {
            FillSector(previous, p, z);
            canvas->MoveToZ(previous.X, previous.Y, z);
        }
        canvas->LineToZ(p.X, p.Y, z);
        previous = p;
    }
}

void TCustomPolarSeries::DrawBackground() {
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    Canvas& c = *canvas.ReferenceCanvas();
    if (CircleBackColor() == AutomaticColour) SetBrushStyle(c, BrushStyle::Clear);
    else c.SetBrush({BackColorInUse(), BrushStyle::Solid, nullptr});
    canvas.AssignVisiblePen(CirclePen);
    DrawRing(CircleWidth / 2, CircleHeight / 2, SlotEndDepth);
}

void TCustomPolarSeries::DrawPolarGrid() {
    DrawSpokes();
    DrawRings();
    DrawRadiusAxes();
}

namespace {

// The canvas pen of an axis grid, a clear brush and a transparent background.
void PrepareGridPen(TChartCanvas3D& canvas, const TCustomChartAxis& axis) {
    Canvas& c = *canvas.ReferenceCanvas();
    canvas.AssignVisiblePen(axis.Grid);
    if (axis.Grid.GetColor() == AutomaticColour) SetPenColour(c, ClGray);
    SetBrushStyle(c, BrushStyle::Clear);
    c.SetBackMode(BackMode::Transparent);
}

}  // namespace

void TCustomPolarSeries::DrawSpokes() {
    TCustomChartAxis* axis = AngleAxis();
    if (!axis || !(axis->Grid.Visible() || circleLabels_)) return;
    double inc = axis->Increment() > 0 ? axis->Increment() : 10;
    if (360 / inc >= MaxGridLines) return;
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    // A step smaller than the angles' rounding would never bring the angle below 0: count the spokes.
    int spokes = int(std::floor(360 / inc));
    for (int k = 0; k <= spokes; ++k) {
        double angle = 360 - k * inc;
        if (angle < 0) break;
        if (circleLabels_) DrawCircleLabel(angle);
        if (axis->Grid.Visible()) {
            PrepareGridPen(canvas, *axis);
            Point p = PositionAt(angle, XRadius, YRadius);
            canvas.LineZ(CircleXCenter, CircleYCenter, p.X, p.Y, SlotEndDepth);
        }
    }
}

void TCustomPolarSeries::DrawRings() {
    TCustomChartAxis* axis = RadiusAxis();
    if (!axis || !axis->Grid.Visible()) return;
    double inc = axis->CalcLabelsIncrement();
    double minimum = axis->Minimum(), maximum = axis->Maximum(), range = maximum - minimum;
    if (!(inc > 0) || range == 0) return;
    if (std::fabs(maximum / inc) >= 2147483647.0 || std::fabs(range / inc) >= MaxGridLines) return;
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    PrepareGridPen(canvas, *axis);
    double v = axis->RoundFirstLabel() ? std::trunc(maximum / inc) * inc : maximum;
    auto ring = [&](double value) {
        double t = (value - minimum) / range;
        DrawRing(RoundPixel(XRadius * t), RoundPixel(YRadius * t), SlotEndDepth);
    };
    if (axis->LabelsOnAxis()) {
        while (v > maximum) v -= inc;
        for (; v >= minimum; v -= inc) ring(v);
    } else {
        while (v >= maximum) v -= inc;
        for (; v > minimum; v -= inc) ring(v);
    }
}

void TCustomPolarSeries::DrawRadiusAxes() {
    SeriesHost* chart = ParentChart();
    TCustomChartAxis* left = RadiusAxis();
    if (!chart || !left) return;
    const int cx = CircleXCenter, cy = CircleYCenter;
    const double minimum = left->Minimum(), maximum = left->Maximum(), inc = left->Increment();
    // An axis along a radius, its line through the centre and its labels outward by its ticks.
    auto place = [](TCustomChartAxis& axis, int centre, int direction, int& labels, int& title) {
        int o = axis.OuterTicksSize(), s = axis.LabelsSpace();
        labels = centre + direction * o;
        title = centre + direction * (o + s);
    };
    int labels, title;
    if (TCustomChartAxis* right = chart->RightAxis(); right && right->Visible()) {
        place(*right, cx, 1, labels, title);
        right->DrawAtPositionWithRange(labels, title, cy, CircleRect.Top, false, cx, minimum, maximum, inc);
    }
    if (PolygonSides > 0) return;
    // The axes that run from the centre towards the low end of their pixels are turned round for it.
    auto turned = [](TCustomChartAxis& axis, auto draw) {
        axis.SetInvertedQuiet(true);
        struct Restore {
            TCustomChartAxis& axis;
            ~Restore() { axis.SetInvertedQuiet(false); }
        } restore{axis};
        draw();
    };
    if (left->Visible()) {
        place(*left, cx, -1, labels, title);
        turned(*left, [&] { left->DrawAtPosition(labels, title, CircleRect.Bottom, cy, false, cx); });
    }
    if (TCustomChartAxis* top = chart->TopAxis(); top && top->Visible()) {
        place(*top, cy, -1, labels, title);
        turned(*top, [&] {
            top->DrawAtPositionWithRange(labels, title, cx, CircleRect.Left, false, cy, minimum, maximum, inc);
        });
    }
    if (TCustomChartAxis* bottom = chart->BottomAxis(); bottom && bottom->Visible()) {
        place(*bottom, cy, 1, labels, title);
        bottom->DrawAtPositionWithRange(labels, title, CircleRect.Right, cx, false, cy, minimum, maximum, inc);
    }
}

void TCustomPolarSeries::DrawCircleLabel(double angle) {
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    Canvas& c = *canvas.ReferenceCanvas();
    c.SetFont(circleLabelsFont_);
    c.SetBackMode(BackMode::Transparent);
    int h = canvas.FontHeight();
    if (angle >= 360) angle -= 360;
    double p = angle;
    if (circleLabelsRotated_) p = angle > 90 && angle < 270 ? angle - 3 : angle + 2;
    Point at = PositionAt(p, XRadius + 2, YRadius + 2);
    double turned = angle + RotationAngle();
    if (turned >= 360) turned -= 360;
    std::string text = CircleLabelText(angle);
    if (circleLabelsRotated_) {
        if (turned <= 90 || turned >= 270) {
            canvas.SetTextAlign(TaLeft | TaTop);
        } else {
            canvas.SetTextAlign(TaRight | TaTop);
            turned += 180;
        }
        canvas.RotatedTextOutZ(at.X, at.Y, RoundPixel(turned), text, SlotEndDepth);
        return;
    }
    if (turned == 0 || turned == 180) at.Y -= h / 2;
    else if (turned > 0 && turned < 180) at.Y -= h;
    unsigned align = turned == 90 || turned == 270 ? TaCenter : turned > 90 && turned < 270 ? TaRight : TaLeft;
    canvas.SetTextAlign(align | TaTop);
    int w = canvas.TextWidth("0") / 2;
    if (turned == 0) at.X += w;
    else if (turned == 180) at.X -= w;
    canvas.TextOutZ(at.X, at.Y, text, SlotEndDepth);
}

// ------------------------------------------------------------------------------------------- points

namespace {

// Points whose screen position lies outside the drawable range are skipped, as line points are.
bool Drawable(Point p) {
    return p.X >= -MaxScreenCoordinate && p.X <= MaxScreenCoordinate && p.Y >= -MaxScreenCoordinate &&
           p.Y <= MaxScreenCoordinate;
}

}  // namespace

void TCustomPolarSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    const int z = SlotStartDepth;
    if (index == FirstVisibleIndex) started_ = false;
    Point p = PointPosition(index);
    if (!Drawable(p)) return;
    auto penIn = [&](Color colour) {
        canvas->AssignVisiblePen(Pen);
        if (Pen.Visible()) SetPenColour(c, colour);
    };
    penIn(ValueColor(index));
    c.SetBackMode(BackMode::Transparent);
    bool fill = Brush.Style() != BrushStyle::Clear;
    if (fill) {
        fv::Brush b = Brush.CanvasBrush();
        b.BrushColor = ResolveColor(b.BrushColor, ValueColor(index));
        c.SetBrush(b);
    }
    auto lineTo = [&](Point to) {
        if (fill) {
            FillSector(previous_, to, z);
            canvas->MoveToZ(previous_.X, previous_.Y, z);
        }
        canvas->LineToZ(to.X, to.Y, z);
    };
    if (!started_) {
        canvas->MoveToZ(p.X, p.Y, z);
        started_ = true;
    } else {
        if (p.X != previous_.X || p.Y != previous_.Y) lineTo(p);
        Point first = PointPosition(0);
        if (index == LastVisibleIndex && closeCircle_ && Drawable(first)) {
            penIn(ValueColor(0));
            previous_ = p;
            lineTo(first);
        }
    }
    previous_ = p;
}

void TCustomPolarSeries::DrawAllValues() {
    TCircledSeries::DrawAllValues();
    if (!Pointer.Visible() || FirstVisibleIndex < 0) return;
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex && i < Count(); ++i) {
        Color colour = ValueColor(i);
        if (colour == NoColour) continue;
        Point p = PointPosition(i);
        if (!Drawable(p)) continue;
        Pointer.PrepareCanvas(*canvas, colour);
        Pointer.Draw(p.X, p.Y, colour, Pointer.Style());
    }
}

int TCustomPolarSeries::Clicked(int x, int y) {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->UnprojectPoint(x, y, SlotStartDepth);
    int result = TCircledSeries::Clicked(x, y);
    if (result != -1 || !Pointer.Visible() || FirstVisibleIndex < 0) return result;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex && i < Count(); ++i) {
        Point p = PointPosition(i);
        if (std::abs(p.X - x) < Pointer.HorizSize() && std::abs(p.Y - y) < Pointer.VertSize()) return i;
    }
    return -1;
}

void TCustomPolarSeries::DrawLegendShape(int index, const PixelRect& rect) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Color colour = index == -1 ? SeriesColor() : ValueColor(index);
    if (Pen.Visible()) {
        canvas->AssignVisiblePen(Pen);
        SetPenColour(*canvas->ReferenceCanvas(), colour);
        int middle = (rect.Top + rect.Bottom) / 2;
        canvas->HorizLine(rect.Left, rect.Right, middle);
    }
    if (Pointer.Visible()) Pointer.DrawLegendShape(colour, rect, Pen.Visible());
    else if (!Pen.Visible()) TCircledSeries::DrawLegendShape(index, rect);
}

// --------------------------------------------------------------------------- samples and the gallery

TPolarSeries::TPolarSeries(Component* owner, std::string name) : TCustomPolarSeries(owner, std::move(name)) {}

void TPolarSeries::FillSampleValues(int numValues) {
    Clear();
    double startX, stepX, minY, rangeY, firstY;
    RandomBounds(numValues, startX, stepX, minY, rangeY, firstY);  // seeds the random numbers
    for (int k = 1; k <= numValues; ++k) AddPoint(360.0 / numValues * k, RandomSource().Random(1000) + 1);
    RefreshDependents();
}

void TCustomPolarSeries::PrepareForGallery(bool enabled) {
    TCircledSeries::PrepareForGallery(enabled);
    SetCircled(true);
    if (TCustomAxisPanel* panel = AxisPanelOf(*this)) {
        panel->SetView3D(false);
        panel->SetChart3DPercent(5);
        panel->RightAxis()->SetLabels(false);
        panel->TopAxis()->SetLabels(false);
        panel->View3DOptions().SetZoom(120);
    }
}

TRadarSeries::TRadarSeries(Component* owner, std::string name) : TCustomPolarSeries(owner, std::move(name)) {}

void TRadarSeries::PrepareValues() {
    TCustomPolarSeries::PrepareValues();
    SetRotationAngle(90);
    int n = 0;
    if (SeriesHost* chart = ParentChart())
        for (int i = 0, count = chart->SeriesCount(); i < count; ++i)
            if (TChartSeries* s = chart->GetSeries(i); s->Active()) n = std::max(n, s->Count());
    PolygonSides = n;
    if (n == 0) return;
    double step = 360.0 / n;
    if (TCustomChartAxis* axis = AngleAxis()) axis->SetIncrement(step);
    for (int k = 0; k < Count(); ++k) XValues->SetValue(k, step * k);
}

std::string TRadarSeries::CircleLabelText(double angle) const {
    // The angles of the spokes are counted down from 360 and those of the points up from 0: the same angle
    // may differ in its last bits.
    const double tolerance = 1e-9;
    for (int k = 0; k < Count(); ++k)
        if (std::fabs(GetXValue(k) - angle) <= tolerance) return PointLabel(k);
    return {};
}

void TRadarSeries::FillSampleValues(int) {
    Clear();
    double startX, stepX, minY, rangeY, firstY;
    RandomBounds(5, startX, stepX, minY, rangeY, firstY);  // seeds the random numbers
    for (const char* label : {"Cars", "Phones", "Tables", "Monitors", "Lamps"}) AddY(RandomSource().Random(1000), label);
    RefreshDependents();
}

void TRadarSeries::PrepareForGallery(bool enabled) {
    TCustomPolarSeries::PrepareForGallery(enabled);
    FillSampleValues(NumSampleValues());
}

void TCustomPolarSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustomPolarSeries*>(&source); other && other != this) {
        circleLabels_ = other->circleLabels_;
        circleLabelsFont_ = other->circleLabelsFont_;
        circleLabelsRotated_ = other->circleLabelsRotated_;
        Brush.Assign(other->Brush);
        CirclePen.Assign(other->CirclePen);
        closeCircle_ = other->closeCircle_;
        Pen.Assign(other->Pen);
        Pointer.Assign(other->Pointer);
    }
    TCircledSeries::Assign(source);
}

}  // namespace fv
