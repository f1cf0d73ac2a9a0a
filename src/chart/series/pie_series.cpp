// The pie: the grouped "Other" slice, slice angles, explosion, drawing flat and in 3D, clicks, samples.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "chart/series/pie_series.h"
#include "chart/series/series_view.h"
#include "chart/series_marks.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;
}

// --------------------------------------------------------------------------------- the small parts

void TPieOtherSlice::SetStyle(TPieOtherStyle value) {
    if (value == style_) return;
    style_ = value;
    owner_->Repaint();
}

void TPieOtherSlice::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    owner_->Repaint();
}

void TPieOtherSlice::SetValue(double value) {
    if (value == value_) return;
    value_ = value;
    owner_->Repaint();
}

void TPieOtherSlice::Assign(const TPieOtherSlice& other) {
    style_ = other.style_;
    text_ = other.text_;
    value_ = other.value_;
}

int TExplodedSlices::Value(int index) const {
    return index >= 0 && index < Count() ? values_[std::size_t(index)] : 0;
}

void TExplodedSlices::Grow(int count) {
    if (count > Count()) values_.resize(std::size_t(count), 0);
}

void TExplodedSlices::SetValue(int index, int value) {
    if (index < 0) return;
    value = std::clamp(value, -MaxDistance, MaxDistance);
    Grow(index + 1);
    if (values_[std::size_t(index)] == value) return;
    values_[std::size_t(index)] = value;
    owner_->Repaint();
}

void TExplodedSlices::SetValues(std::vector<int> values) {
    for (int& v : values) v = std::clamp(v, -MaxDistance, MaxDistance);
    if (values == values_) return;
    values_ = std::move(values);
    owner_->Repaint();
}

void TExplodedSlices::Swap(int a, int b) {
    Grow(std::max(a, b) + 1);
    std::swap(values_[std::size_t(a)], values_[std::size_t(b)]);
}

// ------------------------------------------------------------------------------------------ the pie

TPieSeries::TPieSeries(Component* owner, std::string name)
    : TCircledSeries(owner, std::move(name)), PiePen([this] { Repaint(); }) {
    YValues->SetName("Pie");
    XValues->SetName("");
    SetColorEachPoint(true);
    Marks().SetVisible(true);
    Marks().SetArrowLength(8);
}

void TPieSeries::SetExplodeBiggest(int value) {
    value = std::clamp(value, -TExplodedSlices::MaxDistance, TExplodedSlices::MaxDistance);
    Change(explodeBiggest_, value);
    if (int biggest = BiggestSlice(); biggest >= 0) ExplodedSlices.SetValue(biggest, value);
}

int TPieSeries::BiggestSlice() const {
    if (Count() == 0) return -1;
    return YValues->IndexOfValue(YValues->MaxValue());
}

BrushStyle TPieSeries::SlicePattern(int index) {
    static constexpr BrushStyle patterns[] = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::FDiagonal,
                                              BrushStyle::BDiagonal,  BrushStyle::Cross,    BrushStyle::DiagCross};
    return patterns[index % 6];
}

void TPieSeries::ClearLists() {
    TCircledSeries::ClearLists();
    if (!IsLoading()) ExplodedSlices.Clear();
}

void TPieSeries::SwapPoints(int a, int b) {
    TCircledSeries::SwapPoints(a, b);
    ExplodedSlices.Grow(Count());
    ExplodedSlices.Swap(a, b);
}

void TPieSeries::PrepareValues() {
    // Reworking the points is part of a drawing, not a change to repaint for.
    SeriesHost* chart = ParentChart();
    bool repaint = chart && chart->AutoRepaint();
    if (chart) chart->SetAutoRepaint(false);
    if (YValues->Order() != loNone) YValues->SortByOrder();
    for (int i = 0; i < Count(); ++i)
        if (GetXValue(i) == OtherSliceX) {
            DeletePoint(i);
            break;
        }
    XValues->FillWithIndexes();
    if (OtherSlice.Style() != poNone) {
        double total = YValues->AbsoluteTotal(), grouped = 0;
        for (int i = 0; i < Count(); ++i) {
            double value = GetYValue(i);
            // With nothing to share out every point counts as 100 %, as its percent text says.
            if (OtherSlice.Style() == poBelowPercent) value = total == 0 ? 100 : value * 100 / total;
            if (value < OtherSlice.Value()) {
                XValues->SetValue(i, GroupedX);
                grouped += GetYValue(i);
            }
        }
        if (grouped != 0) {
            AddPoint(OtherSliceX, grouped, OtherSlice.Text(), AutomaticColour);
            YValues->ReduceAbsoluteTotal(std::fabs(grouped));
        }
    }
    if (chart) chart->SetAutoRepaint(repaint);
}

void TPieSeries::CalcAngles() {
    angles_.assign(std::size_t(Count()), {});
    double total = YValues->AbsoluteTotal();
    double factor = total == 0 ? 0 : TwoPi / total, sum = 0, end = 0;
    for (int i = 0; i < Count(); ++i) {
        TPieAngle& a = angles_[std::size_t(i)];
        a.StartAngle = end;
        if (total == 0) {
            end = TwoPi;
        } else {
            if (!IsGrouped(i)) sum += std::fabs(GetYValue(i));
            end = sum == total ? TwoPi : sum * factor;
        }
        end = std::min(end, a.StartAngle + TwoPi);
        a.EndAngle = end;
        a.MiddleAngle = (a.StartAngle + a.EndAngle) / 2;
    }
}

Point TPieSeries::ExplodeOffset(int index) const {
    int e = ExplodedSlices.Value(index);
    if (!hasExploded_ || e <= 0 || index >= int(angles_.size())) return {0, 0};
    double a = angles_[std::size_t(index)].MiddleAngle + RotationRadians();
    return {RoundPixel(std::cos(a) * XRadius * e / 100.0), RoundPixel(std::sin(a) * YRadius * e / 100.0)};
}

void TPieSeries::ExplodedRadius(int index, int& xRadius, int& yRadius) const {
    int e = hasExploded_ ? ExplodedSlices.Value(index) : 0;
    xRadius = RoundPixel(XRadius * (1 + e / 100.0));
    yRadius = RoundPixel(YRadius * (1 + e / 100.0));
}

void TPieSeries::DrawAllValues() {
    if (explodeBiggest_ > 0)
        if (int biggest = BiggestSlice(); biggest >= 0) ExplodedSlices.SetValue(biggest, explodeBiggest_);
    int most = -1;
    for (int i = 0; i < Count(); ++i)
        if (ExplodedSlices.Value(i) > 0 && (most < 0 || ExplodedSlices.Value(i) > ExplodedSlices.Value(most))) most = i;
    CalcAngles();
    hasExploded_ = most >= 0;
    if (hasExploded_) {
        // The circle shrinks so that the slice exploded furthest stays inside the chart.
        Point d = ExplodeOffset(most);
        int sx = std::abs(d.X) / 2, sy = std::abs(d.Y) / 2;
        CircleRect = {CircleRect.Left + sx, CircleRect.Top + sy, CircleRect.Right - sx, CircleRect.Bottom - sy};
        CalcRadii();
    }
    previousEnd_ = AngleToPos(0, XRadius, YRadius);
    if (!hasExploded_ || !ChartIs3D(*this)) {
        TCircledSeries::DrawAllValues();
        return;
    }
    // In 3D the slices furthest back (nearest the top) are drawn first, so nearer ones cover them.
    std::vector<int> order;
    for (int i = 0; i < Count(); ++i) order.push_back(i);
    auto distance = [&](int i) {
        double a = std::fmod(angles_[std::size_t(i)].MiddleAngle + RotationRadians(), TwoPi);
        return std::fabs(a - std::numbers::pi / 2);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return distance(a) < distance(b); });
    for (int i : order) DrawValue(i);
}

void TPieSeries::DrawValue(int index) {
    // A chart drawing series that share a slot point by point comes here without DrawAllValues.
    if (int(angles_.size()) != Count()) {
        CalcAngles();
        previousEnd_ = AngleToPos(0, XRadius, YRadius);
    }
    if (CircleWidth < 5 || CircleHeight < 5 || IsGrouped(index)) return;
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    c.SetBrush({ValueColor(index), usePatterns_ ? SlicePattern(index) : BrushStyle::Solid, nullptr});
    c.SetBackColor(BackColorInUse());
    DrawPieSlice(index);
}

void TPieSeries::DrawPieSlice(int index) {
    TChartCanvas3D* drawing = ChartCanvasOf(*this);
    if (!drawing || index < 0 || index >= int(angles_.size())) return;
    TChartCanvas3D& canvas = *drawing;
    canvas.AssignVisiblePen(PiePen);
    Point d = ExplodeOffset(index);
    const TPieAngle& a = angles_[std::size_t(index)];
    if (canvas.Is3D) {
        if (canvas.AllowsFreeRotation()) d.X = -d.X;
        canvas.PieSliceZ(CircleXCenter + d.X, CircleYCenter - d.Y, XRadius, YRadius, a.StartAngle + RotationRadians(),
                         a.EndAngle + RotationRadians(), SlotStartDepth, SlotEndDepth, hasExploded_, dark3D_);
        return;
    }
    Point end = AngleToPos(a.EndAngle, XRadius, YRadius);
    const PixelRect& r = CircleRect;
    if (a.EndAngle - a.StartAngle >= TwoPi) {
        // One slice that is the whole pie: its start and end rays meet, so it is drawn as the circle.
        canvas.Ellipse(r.Left + d.X, r.Top - d.Y, r.Right + d.X, r.Bottom - d.Y);
    } else if (end.X != previousEnd_.X || end.Y != previousEnd_.Y) {
        canvas.Pie(r.Left + d.X, r.Top - d.Y, r.Right + d.X, r.Bottom - d.Y, previousEnd_.X + d.X, previousEnd_.Y - d.Y,
                   end.X + d.X, end.Y - d.Y);
    }
    previousEnd_ = end;
}

void TPieSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    if (IsGrouped(index) || index >= int(angles_.size())) return;
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    // From the rim out along the slice's middle, the box on the outer side of the arrow's end.
    int xr, yr;
    ExplodedRadius(index, xr, yr);
    const int length = Marks().ArrowLength();
    const double middle = angles_[std::size_t(index)].MiddleAngle;
    position.ArrowStart = AngleToPos(middle, xr, yr);
    position.ArrowEnd = AngleToPos(middle, xr + canvas->TextWidth("W") + length, yr + canvas->FontHeight() + length);
    const Point end = position.ArrowEnd;
    position.BoxTopLeft = {end.X > CircleXCenter ? end.X : end.X - position.BoxWidth,
                           end.Y > CircleYCenter ? end.Y : end.Y - position.BoxHeight};
    Marks().MarksDepth = SlotEndDepth;
    TCircledSeries::DrawMark(index, text, position);
}

int TPieSeries::CountLegendItems() const {
    int grouped = 0;
    for (int i = 0; i < Count(); ++i) grouped += IsGrouped(i);
    return Count() - grouped;
}

int TPieSeries::LegendToValueIndex(int legendIndex) const {
    for (int i = 0, k = 0; i < Count(); ++i) {
        if (IsGrouped(i)) continue;
        if (k++ == legendIndex) return i;
    }
    return legendIndex;
}

void TPieSeries::FillSampleValues(int numValues) {
    if (numValues <= 0) throw std::runtime_error("FillSampleValues NumValues must be > 0");
    static const char* const names[] = {"Cars", "Phones", "Tables", "Monitors", "Lamps", "Keyboards", "Bikes", "Chairs"};
    Clear();
    for (int i = 0; i < numValues; ++i) AddY(RandomSource().Random(1000) + 1, names[i % 8]);
    RefreshDependents();
}

// A pie never rescales the axes: it answers their current limits.
double TPieSeries::MaxXValue() const { return GetHorizAxis() ? GetHorizAxis()->Maximum() : 0; }
double TPieSeries::MinXValue() const { return GetHorizAxis() ? GetHorizAxis()->Minimum() : 0; }
double TPieSeries::MaxYValue() const { return GetVertAxis() ? GetVertAxis()->Maximum() : 0; }
double TPieSeries::MinYValue() const { return GetVertAxis() ? GetVertAxis()->Minimum() : 0; }

void TPieSeries::PrepareForGallery(bool enabled) {
    TCircledSeries::PrepareForGallery(enabled);
    FillSampleValues(8);
    if (TCustomAxisPanel* panel = AxisPanelOf(*this)) {
        panel->SetChart3DPercent(75);
        SetCircled(!panel->View3D());
        panel->View3DOptions().SetOrthogonal(false);
        panel->View3DOptions().SetRotation(0);
        panel->View3DOptions().SetElevation(305);
    }
    SetColorEachPoint(enabled);
}

int TPieSeries::Clicked(int x, int y) {
    int result = TCircledSeries::Clicked(x, y);
    if (result != -1) return result;
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->UnprojectPoint(x, y, 0);
    double angle = PointToAngle(x, y);
    for (int i = 0; i < Count() && i < int(angles_.size()); ++i) {
        if (IsGrouped(i)) continue;
        Point d = ExplodeOffset(i);
        const TPieAngle& a = angles_[std::size_t(i)];
        if (std::abs(x - CircleXCenter) < XRadius + std::abs(d.X) && std::abs(y - CircleYCenter) < YRadius + std::abs(d.Y) &&
            a.StartAngle <= angle && angle <= a.EndAngle)
            return i;
    }
    return -1;
}

void TPieSeries::GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) {
    TCircledSeries::GetLegendBrush(legendIndex, backColour, style);
    if (usePatterns_) style = SlicePattern(LegendToValueIndex(legendIndex));
}

void TPieSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TPieSeries*>(&source); other && other != this) {
        dark3D_ = other->dark3D_;
        usePatterns_ = other->usePatterns_;
        PiePen.Assign(other->PiePen);
        explodeBiggest_ = other->explodeBiggest_;
        OtherSlice.Assign(other->OtherSlice);
    }
    TCircledSeries::Assign(source);
    // After the points: taking them empties the list of explode distances.
    if (auto* other = dynamic_cast<TPieSeries*>(&source); other && other != this)
        ExplodedSlices.SetValues(other->ExplodedSlices.Values());
    SetColorEachPoint(true);
}

}  // namespace fv
