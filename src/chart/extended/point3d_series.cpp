// The point 3D series (markers at their own depth, joined by a line) and the bubble series (markers sized
// by a radius).
#include "chart/extended/point3d_series.h"

#include <algorithm>
#include <cmath>

#include "chart/axis_panel.h"
#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

// -------------------------------------------------------------------------------------------- point 3D

TPoint3DSeries::TPoint3DSeries(Component* owner, std::string name)
    : TCustom3DSeries(owner, std::move(name)), LinePen([this] { Repaint(); }) {}

void TPoint3DSeries::PointDepths(int index, int& front, int& back) const {
    const TCustomAxisPanel* panel = AxisPanelOf(*this);
    front = panel ? panel->DepthAxis().ValueToPixel(ZValues->GetValue(index)) : 0;
    back = AddPixels(front, YScreenSize(depthSize_));
}

void TPoint3DSeries::DrawAllValues() {
    hasPrevious_ = false;
    // Each marker moves the series' depths to its own; the slot is given back afterwards.
    int start = SlotStartDepth, end = SlotEndDepth, middle = SlotMiddleDepth;
    TCustom3DSeries::DrawAllValues();
    SlotStartDepth = start;
    SlotEndDepth = end;
    SlotMiddleDepth = middle;
}

void TPoint3DSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Color colour = ValueColor(index);
    if (colour == NoColour) {
        hasPrevious_ = false;
        return;
    }
    int front, back;
    PointDepths(index, front, back);
    SlotStartDepth = front;
    SlotEndDepth = back;
    SlotMiddleDepth = MidPixel(front, back);
    const int x = PointScreenX(index), y = PointScreenY(index);
    if (Pointer.Visible()) {
        Pointer.PrepareCanvas(*canvas, colour);
        Pointer.Draw(x, y, colour, OnGetPointerStyle ? OnGetPointerStyle(this, index) : Pointer.Style());
    }
    if (hasPrevious_ && index > FirstVisibleIndex && LinePen.Visible()) {
        canvas->AssignVisiblePen(LinePen);
        canvas->SetBackMode(BackMode::Transparent);
        canvas->MoveToZ(previousX_, previousY_, previousDepth_);
        canvas->LineToZ(x, y, front);
    }
    previousX_ = x;
    previousY_ = y;
    previousDepth_ = front;
    hasPrevious_ = true;
}

void TPoint3DSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    int front, back;
    PointDepths(index, front, back);
    Marks().MarksDepth = Pointer.Visible() ? MidPixel(front, back) : front;
    int lift = Marks().ArrowLength();
    position.ArrowEnd.Y -= lift;
    position.BoxTopLeft.Y -= lift;
    TCustom3DSeries::DrawMark(index, text, position);
}

void TPoint3DSeries::DrawLegendShape(int index, const PixelRect& rect) {
    if (!Pointer.Visible()) {
        TCustom3DSeries::DrawLegendShape(index, rect);
        return;
    }
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Color colour = index == -1 ? SeriesColor() : ValueColor(index);
    if (LinePen.Visible()) {
        canvas->AssignVisiblePen(LinePen);
        canvas->HorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    Pointer.DrawLegendShape(colour, rect, LinePen.Visible());
}

void TPoint3DSeries::HorizMargins(int& left, int& right) {
    TCustom3DSeries::HorizMargins(left, right);
    Pointer.InflateHorizMargins(left, right);
}

void TPoint3DSeries::VertMargins(int& top, int& bottom) {
    TCustom3DSeries::VertMargins(top, bottom);
    Pointer.InflateVertMargins(top, bottom);
}

int TPoint3DSeries::Clicked(int x, int y) {
    int result = TCustom3DSeries::Clicked(x, y);
    if (result != -1 || !Pointer.Visible()) return result;
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    const TCustomAxisPanel* panel = AxisPanelOf(*this);
    for (int i = 0, n = Count(); i < n; ++i) {
        // The click taken back to the depth of this point's Z value.
        int cx = x, cy = y;
        if (canvas && panel) canvas->UnprojectPoint(cx, cy, panel->DepthAxis().ValueToPixel(ZValues->GetValue(i)));
        if (std::abs(PointScreenX(i) - cx) < Pointer.HorizSize() && std::abs(PointScreenY(i) - cy) < Pointer.VertSize()) {
            if (OnClickPointer) OnClickPointer(this, i, x, y);
            return i;
        }
    }
    return -1;
}

void TPoint3DSeries::FillSampleValues(int numValues) {
    double startX, stepX, minY, rangeY, firstY;
    RandomBounds(numValues, startX, stepX, minY, rangeY, firstY);  // seeds the random source
    ChartRandom& random = RandomSource();
    for (int i = 0; i < numValues; ++i) {
        int x = random.Random(100), z = random.Random(100), y = random.Random(100);
        AddXYZPoint(x, y, z);
    }
    RefreshDependents();
}

void TPoint3DSeries::PrepareForGallery(bool enabled) {
    TCustom3DSeries::PrepareForGallery(enabled);
    LinePen.SetColor(ClNavy);
}

void TPoint3DSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TPoint3DSeries*>(&source); other && other != this) {
        Pointer.Assign(other->Pointer);
        depthSize_ = other->depthSize_;
        LinePen.Assign(other->LinePen);
    }
    TCustom3DSeries::Assign(source);
}

// ---------------------------------------------------------------------------------------------- bubble

TBubbleSeries::TBubbleSeries(Component* owner, std::string name) : WithExtraValues<TPointSeries>(owner, std::move(name)) {
    RadiusValues = new TChartValueList(this, "Radius");
    SetColorEachPoint(true);
    Pointer.SetInflateMargins(false);
    Pointer.SetStyle(psCircle);
    // Each bubble takes its size from its radius.
    Pointer.SizeEditable = false;
    Marks().Frame().SetVisible(false);
    Marks().SetTransparent(true);
}

int TBubbleSeries::AddBubblePoint(double x, double y, double radius, const std::string& label, Color colour) {
    return AddWithExtras(x, y, {radius}, label, colour);
}

int TBubbleSeries::BubbleVertSize(int index) const { return YScreenSize(RadiusValues->GetValue(index)); }

int TBubbleSeries::BubbleHorizSize(int index) const {
    return squared_ ? BubbleVertSize(index) : XScreenSize(RadiusValues->GetValue(index));
}

namespace {

// The pointer drawn at other sizes for a while. Its own sizes come back afterwards: they are stored in a
// chart file, which refuses a size below 1 (a bubble of radius 0 is 0 pixels).
class PointerSizes {
public:
    PointerSizes(TSeriesPointer& pointer, int horiz, int vert)
        : pointer_(pointer), horiz_(pointer.HorizSize()), vert_(pointer.VertSize()) {
        pointer.StoreHorizSize(horiz);
        pointer.StoreVertSize(vert);
    }
    ~PointerSizes() {
        pointer_.StoreHorizSize(horiz_);
        pointer_.StoreVertSize(vert_);
    }
    PointerSizes(const PointerSizes&) = delete;
    PointerSizes& operator=(const PointerSizes&) = delete;

private:
    TSeriesPointer& pointer_;
    int horiz_, vert_;
};

}  // namespace

void TBubbleSeries::DrawValue(int index) {
    Color colour = ValueColor(index);
    if (colour == NoColour) return;
    PointerSizes sizes(Pointer, BubbleHorizSize(index), BubbleVertSize(index));
    DrawPointerAt(PointScreenX(index), PointScreenY(index), index, colour);
}

void TBubbleSeries::DrawLegendShape(int index, const PixelRect& rect) {
    int size = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
    PointerSizes sizes(Pointer, size, size);
    TPointSeries::DrawLegendShape(index, rect);
}

bool TBubbleSeries::PointerHit(int index, int pointX, int pointY, int x, int y) const {
    // Each bubble is hit within its own size, not the pointer's.
    return std::abs(x - pointX) < std::abs(BubbleHorizSize(index)) && std::abs(y - pointY) < std::abs(BubbleVertSize(index));
}

double TBubbleSeries::MaxYValue() const {
    double result = TPointSeries::MaxYValue();
    for (int i = 0, n = Count(); i < n; ++i) result = std::max(result, GetYValue(i) + RadiusValues->GetValue(i));
    return result;
}

double TBubbleSeries::MinYValue() const {
    double result = TPointSeries::MinYValue();
    for (int i = 0, n = Count(); i < n; ++i) result = std::min(result, GetYValue(i) - RadiusValues->GetValue(i));
    return result;
}

bool TBubbleSeries::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TBubbleSeries*>(&other) != nullptr;
}

void TBubbleSeries::FillSampleValues(int numValues) {
    Clear();
    double x, stepX, minY, rangeY, firstY;
    RandomBounds(numValues, x, stepX, minY, rangeY, firstY);
    ChartRandom& random = RandomSource();
    int range = RoundPixel(rangeY);
    for (int i = 0; i < numValues; ++i) {
        double y = random.Random(range);
        double radius = RoundPixel(rangeY / (10 + random.Random(15))) + rangeY * 0.1;
        AddBubblePoint(x, y, radius);
        x += stepX;
    }
    RefreshDependents();
}

void TBubbleSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TBubbleSeries*>(&source)) squared_ = other->squared_;
    TPointSeries::Assign(source);
}

}  // namespace fv
