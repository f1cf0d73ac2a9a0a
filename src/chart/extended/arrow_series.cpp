// The arrow series (an arrow from each point to its end) and the gantt series (task bars joined to the
// task they lead to).
#include "chart/extended/arrow_series.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/date_steps.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

// ----------------------------------------------------------------------------------------------- arrow

TArrowSeries::TArrowSeries(Component* owner, std::string name) : WithExtraValues<TPointSeries>(owner, std::move(name)) {
    XValues->SetDateTime(true);
    EndXValues = new TChartValueList(this, "EndX");
    EndXValues->SetDateTime(true);
    EndYValues = new TChartValueList(this, "EndY");
    Pointer.SetInflateMargins(false);
    Marks().Frame().SetVisible(false);
    Marks().SetTransparent(true);
}

int TArrowSeries::AddArrowPoint(double x0, double y0, double x1, double y1, const std::string& label, Color colour) {
    return AddWithExtras(x0, y0, {x1, y1}, label, colour);
}

void TArrowSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Color colour = ValueColor(index);
    if (colour == NoColour) return;
    Point from{PointScreenX(index), PointScreenY(index)};
    Point to{XScreenPos(EndXValues->GetValue(index)), YScreenPos(EndYValues->GetValue(index))};
    if (canvas->Is3D) {
        Pointer.PrepareCanvas(*canvas, colour);
    } else {
        canvas->AssignVisiblePen(Pointer.Pen);
        SetPenColour(*canvas->ReferenceCanvas(), colour);
    }
    canvas->ArrowZ(canvas->Is3D, from, to, ArrowHeight(), ArrowWidth(), SlotMiddleDepth);
}

double TArrowSeries::MaxXValue() const { return std::max(TPointSeries::MaxXValue(), EndXValues->MaxValue()); }
double TArrowSeries::MinXValue() const { return std::min(TPointSeries::MinXValue(), EndXValues->MinValue()); }
double TArrowSeries::MaxYValue() const { return std::max(TPointSeries::MaxYValue(), EndYValues->MaxValue()); }
double TArrowSeries::MinYValue() const { return std::min(TPointSeries::MinYValue(), EndYValues->MinValue()); }

bool TArrowSeries::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TArrowSeries*>(&other) != nullptr;
}

void TArrowSeries::FillSampleValues(int numValues) {
    Clear();
    double startX, stepX, minY, rangeY, firstY;
    RandomBounds(numValues, startX, stepX, minY, rangeY, firstY);
    ChartRandom& random = RandomSource();
    const int span = RoundPixel(numValues * stepX), range = RoundPixel(rangeY);
    for (int i = 0; i < numValues; ++i) {
        double x0 = startX + random.Random(span);
        double y0 = minY + random.Random(range);
        double x1 = x0 + random.Random(span);
        double y1 = y0 + random.Random(range);
        AddArrowPoint(x0, y0, x1, y1);
    }
    RefreshDependents();
}

void TArrowSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    FillSampleValues(3);
    SetArrowWidth(12);
    SetArrowHeight(12);
    if (!enabled) SetSeriesColor(ClGray);
}

// ----------------------------------------------------------------------------------------------- gantt

TGanttSeries::TGanttSeries(Component* owner, std::string name)
    : WithExtraValues<TPointSeries>(owner, std::move(name)), ConnectingPen([this] { Repaint(); }) {
    XValues->SetName("Start");
    XValues->SetDateTime(true);
    // NextTask names tasks by index: a task added with an earlier start must not move the ones before it.
    XValues->SetOrder(loNone);
    EndValues = new TChartValueList(this, "End");
    EndValues->SetDateTime(true);
    NextTask = new TChartValueList(this, "NextTask");
    NextTask->PendingValue = -1;
    SetColorEachPoint(true);
    Pointer.SetStyle(psRectangle);
}

void TGanttSeries::ResetPendingValues() {
    ClearPendingValue(*EndValues);
    NextTask->PendingValue = -1;
}

int TGanttSeries::AddGanttTask(double start, double end, double y, const std::string& label, Color colour) {
    return AddWithExtras(start, y, {end, -1}, label, colour);
}

int TGanttSeries::NextTaskOf(int index) const {
    double next = NextTask->GetValue(index);
    // Compared before rounding: a stored value far out of range names no task rather than wrapping.
    if (!(next > -0.5 && next < Count() - 0.5)) return -1;
    return RoundPixel(next);
}

template <class F> void TGanttSeries::Relink(int count, F newIndex) {
    for (int j = 0, n = Count(); j < n; ++j) {
        double next = NextTask->GetValue(j);
        if (!(next > -0.5 && next < count - 0.5)) continue;
        int old = RoundPixel(next), now = newIndex(old);
        if (now != old) NextTask->SetValue(j, now);
    }
}

void TGanttSeries::DeletePoint(int index) {
    const int count = Count();
    WithExtraValues<TPointSeries>::DeletePoint(index);
    Relink(count, [index](int old) { return old == index ? -1 : old > index ? old - 1 : old; });
}

void TGanttSeries::SwapPoints(int a, int b) {
    WithExtraValues<TPointSeries>::SwapPoints(a, b);
    Relink(Count(), [a, b](int old) { return old == a ? b : old == b ? a : old; });
}

void TGanttSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas || !Pointer.Visible()) return;
    Color colour = ValueColor(index);
    if (colour == NoColour) return;
    Pointer.PrepareCanvas(*canvas, colour);
    const int xs = PointScreenX(index), xe = XScreenPos(EndValues->GetValue(index)), y = PointScreenY(index);
    const int h = SaturateToInt((std::int64_t(xe) - xs) / 2);
    TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(this, index) : Pointer.Style();
    Pointer.DrawPointer(*canvas, canvas->Is3D, AddPixels(xs, h), y, h, Pointer.VertSize(), colour, style);
    int n = NextTaskOf(index);
    if (n < 0 || !ConnectingPen.Visible()) return;
    canvas->AssignVisiblePen(ConnectingPen);
    SetBrushStyle(*canvas->ReferenceCanvas(), BrushStyle::Clear);
    const int xn = PointScreenX(n), yn = PointScreenY(n);
    const int m = SaturateToInt(xe + (std::int64_t(xn) - xe) / 2);
    const int z = SlotMiddleDepth;
    canvas->LineZ(xe, y, m, y, z);
    canvas->LineZ(m, y, m, yn, z);
    canvas->LineZ(m, yn, xn, yn, z);
}

void TGanttSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    // From the start of the bar to its middle, and down to the bar's row.
    const int xe = XScreenPos(EndValues->GetValue(index));
    const int dx = SaturateToInt((std::int64_t(xe) - position.ArrowStart.X) / 2), dy = position.BoxHeight / 2;
    position.ArrowStart.X = AddPixels(position.ArrowStart.X, dx);
    position.ArrowEnd.X = AddPixels(position.ArrowEnd.X, dx);
    position.BoxTopLeft.X = AddPixels(position.BoxTopLeft.X, dx);
    position.ArrowEnd.Y = AddPixels(position.ArrowEnd.Y, dy);
    position.BoxTopLeft.Y = AddPixels(position.BoxTopLeft.Y, dy);
    TPointSeries::DrawMark(index, text, position);
}

bool TGanttSeries::PointerHit(int index, int pointX, int pointY, int x, int y) const {
    const int xe = XScreenPos(EndValues->GetValue(index));
    return x >= std::min(pointX, xe) && x <= std::max(pointX, xe) && std::abs(y - pointY) < Pointer.VertSize();
}

double TGanttSeries::MaxXValue() const { return std::max(TPointSeries::MaxXValue(), EndValues->MaxValue()); }

bool TGanttSeries::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TGanttSeries*>(&other) != nullptr;
}

void TGanttSeries::FillSampleValues(int numValues) {
    static const std::array<const char*, 10> Tasks = {"Design",    "Prototyping", "Development", "Sales",       "Marketing",
                                                      "Testing",   "Manufac.",    "Debugging",   "New Version", "Banking"};
    Clear();
    double startX, stepX, minY, rangeY, firstY;
    RandomBounds(numValues, startX, stepX, minY, rangeY, firstY);  // seeds the random source
    ChartRandom& random = RandomSource();
    const int last = std::min(numValues, random.Random(20) + 10);
    const double today = Today();
    for (int k = 0; k <= last; ++k) {
        double start = today + 3 * k + random.Random(5);
        double end = start + 9 + random.Random(16);
        int added = AddGanttTask(start, end, k % 10, Tasks[std::size_t(k % 10)]);
        if (added < 0) continue;
        for (int j = 0; j < Count(); ++j)
            if (j != added && NextTask->GetValue(j) == -1 && EndValues->GetValue(j) < start) {
                NextTask->SetValue(j, added);
                break;
            }
    }
    RefreshDependents();
}

void TGanttSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    SetColorEachPoint(enabled);
    Pointer.SetVertSize(3);
}

void TGanttSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TGanttSeries*>(&source); other && other != this) ConnectingPen.Assign(other->ConnectingPen);
    TPointSeries::Assign(source);
}

}  // namespace fv
