// Axis settings, value-pixel mapping and placement.
#include "chart/axis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "chart/chart_panel.h"
#include "chart/chart_series.h"
#include "chart/chart_units.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

void TChartAxisTitle::SetAngle(int value) {
    CheckAngleRange(value, "Axis Title");
    if (angle_ == value) return;
    angle_ = value;
    if (axis_.ParentChart()) axis_.ParentChart()->Repaint();
}

void TChartAxisTitle::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    if (axis_.ParentChart()) axis_.ParentChart()->Repaint();
}

void TChartAxisTitle::SetFont(const Font& value) {
    font_ = value;
    if (axis_.ParentChart()) axis_.ParentChart()->Repaint();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other) {
    angle_ = other.angle_;
    caption_ = other.caption_;
    SetFont(other.font_);
}

TCustomChartAxis::TCustomChartAxis(TAxisHost* chart, TAxisSide side)
    : Axis([this] { Repaint(); }), Grid([this] { Repaint(); }), MinorTicks([this] { Repaint(); }),
      Ticks([this] { Repaint(); }), TicksInner([this] { Repaint(); }), chart_(chart), side_(side),
      labelsFont_(DefaultChartFont()), visible_(side != TAxisSide::Depth) {
    Title.angle_ = DefaultTitleAngle();
    Title.font_ = DefaultChartFont();
}

int TCustomChartAxis::DefaultTitleAngle() const {
    switch (side_) {
    case TAxisSide::Left: return 90;
    case TAxisSide::Right: return 270;
    default: return 0;
    }
}

void TCustomChartAxis::SetAutomatic(bool value) {
    Change(automatic_, value);
    // Loading restores the partial flags on their own.
    if (value && !(chart_ && chart_->IsLoading())) {
        automaticMinimum_ = true;
        automaticMaximum_ = true;
    }
}

void TCustomChartAxis::SetAutomaticMaximum(bool value) {
    Change(automaticMaximum_, value);
    if (!value || automaticMinimum_) automatic_ = value;
}

void TCustomChartAxis::SetAutomaticMinimum(bool value) {
    Change(automaticMinimum_, value);
    if (!value || automaticMaximum_) automatic_ = value;
}

void TCustomChartAxis::SetIncrement(double value) {
    if (value < 0) throw AxisException("Axis increment must be >= 0");
    Change(increment_, value);
}

// A stored chart writes its limits one at a time, so while loading a minimum may pass the old maximum.
void TCustomChartAxis::SetMaximum(double value) {
    if (!(chart_ && chart_->IsLoading()) && value < minimum_)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    Change(maximum_, value);
}

void TCustomChartAxis::SetMinimum(double value) {
    if (!(chart_ && chart_->IsLoading()) && value > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    Change(minimum_, value);
}

void TCustomChartAxis::SetLogarithmic(bool value) {
    if (value && IsDateTimeAxis()) throw AxisException("DateTime Axis cannot be Logarithmic");
    if (value) {
        AdjustMaxMin();
        if (LowLimit < 0 || HighLimit < 0) throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    Change(logarithmic_, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value) {
    if (value < 2) throw AxisException("Axis Logarithmic Base should be >= 2");
    Change(logarithmicBase_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value) {
    CheckAngleRange(value, "Axis Labels");
    Change(labelsAngle_, value);
}

void TCustomChartAxis::SetLabelsFont(const Font& value) {
    labelsFont_ = value;
    Repaint();
}

void TCustomChartAxis::SetLabelsSeparation(int value) {
    if (value < 0) throw AxisException("Labels Separation % must be greater than 0");
    Change(labelsSeparation_, value);
}

void TCustomChartAxis::SetRange(double aMin, double aMax) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    minimum_ = std::min(aMin, aMax);
    maximum_ = std::max(aMin, aMax);
    if (maximum_ - minimum_ < 1e-10) maximum_ = minimum_ + 1e-10;
}

void TCustomChartAxis::Assign(const TCustomChartAxis& other) {
    automatic_ = other.automatic_;
    automaticMaximum_ = other.automaticMaximum_;
    automaticMinimum_ = other.automaticMinimum_;
    increment_ = other.increment_;
    maximum_ = other.maximum_;
    minimum_ = other.minimum_;
    logarithmic_ = other.logarithmic_;
    logarithmicBase_ = other.logarithmicBase_;
    Axis.Assign(other.Axis);
    Title.Assign(other.Title);
    titleSize_ = other.titleSize_;
    Grid.Assign(other.Grid);
    gridCentered_ = other.gridCentered_;
    labels_ = other.labels_;
    labelsAngle_ = other.labelsAngle_;
    labelsFont_ = other.labelsFont_;
    labelsOnAxis_ = other.labelsOnAxis_;
    labelsSeparation_ = other.labelsSeparation_;
    labelsSize_ = other.labelsSize_;
    labelStyle_ = other.labelStyle_;
    axisValuesFormat_ = other.axisValuesFormat_;
    dateTimeFormat_ = other.dateTimeFormat_;
    exactDateTime_ = other.exactDateTime_;
    roundFirstLabel_ = other.roundFirstLabel_;
    labelsMultiLine_ = other.labelsMultiLine_;
    minorTickCount_ = other.minorTickCount_;
    minorTickLength_ = other.minorTickLength_;
    MinorTicks.Assign(other.MinorTicks);
    Ticks.Assign(other.Ticks);
    TicksInner.Assign(other.TicksInner);
    tickInnerLength_ = other.tickInnerLength_;
    tickLength_ = other.tickLength_;
    tickOnLabelsOnly_ = other.tickOnLabelsOnly_;
    inverted_ = other.inverted_;
    visible_ = other.visible_;
    startPosition_ = other.startPosition_;
    endPosition_ = other.endPosition_;
    positionPercent_ = other.positionPercent_;
    if (other.DepthRole()) side_ = TAxisSide::Depth;
    Repaint();
}

bool TCustomChartAxis::IsDateTimeAxis() const {
    if (!chart_) return false;
    for (int i = 0, n = chart_->SeriesCount(); i < n; ++i) {
        const TChartSeries* s = chart_->GetSeries(i);
        if (s->Active() && s->UsesAxis(this)) return Horizontal() ? s->XValues->DateTime() : s->YValues->DateTime();
    }
    return false;
}

void TCustomChartAxis::CalcAutoMinMax(double& min, double& max) const {
    if (!chart_) return;
    // The depth axis is neither: the chart answers its Z limits through the vertical query.
    if (automatic_ || automaticMaximum_) max = Horizontal() ? chart_->MaxXValue(this) : chart_->MaxYValue(this);
    if (automatic_ || automaticMinimum_) min = Horizontal() ? chart_->MinXValue(this) : chart_->MinYValue(this);
}

void TCustomChartAxis::AdjustMaxMin() {
    CalcAutoMinMax(minimum_, maximum_);
    HighLimit = maximum_;
    LowLimit = minimum_;
    LimitRange = HighLimit - LowLimit;
}

int TCustomChartAxis::OffsetPixel(int start, double offset) {
    // Rounded before it is added, so the pixel is the same whichever end it is counted from.
    return SaturateToInt(double(start) + std::nearbyint(offset));
}

double TCustomChartAxis::LogRange(double& logMin, double& logMax) const {
    logMax = HighLimit > 0 ? std::log(HighLimit) : 0;
    logMin = LowLimit > 0 ? std::log(LowLimit) : 0;
    return logMax - logMin;
}

double TCustomChartAxis::Along(double value, double length) const {
    if (std::isfinite(LimitRange)) return (value - LowLimit) * length / LimitRange;
    // Limits so far apart that their difference overflows: the same ratio from halves.
    return (value / 2 - LowLimit / 2) / (HighLimit / 2 - LowLimit / 2) * length;
}

int TCustomChartAxis::HorizPosOfValue(double value) const {
    if (DepthRole() || logarithmic_) return VertPosOfValue(value);
    if (LimitRange == 0) return CenterPixel;
    double t = Along(value, PixelLength);
    return inverted_ ? OffsetPixel(EndPixel, -t) : OffsetPixel(StartPixel, t);
}

int TCustomChartAxis::VertPosOfValue(double value) const {
    if (DepthRole()) {
        if (LimitRange == 0) return chart_ ? chart_->AxisHorizDepth() : 0;
        double width = chart_ ? chart_->AxisWidth3D() : 0;
        return OffsetPixel(0, inverted_ ? width - Along(value, width) : Along(value, width));
    }
    bool horizontal = Horizontal();
    if (logarithmic_) {
        double logMin, logMax;
        double range = LogRange(logMin, logMax);
        if (range == 0) return CenterPixel;
        if (!(value > 0)) return horizontal != inverted_ ? StartPixel : EndPixel;
        double d = inverted_ ? logMax - std::log(value) : std::log(value) - logMin;
        double t = PixelLength * d / range;
        return horizontal ? OffsetPixel(StartPixel, t) : OffsetPixel(EndPixel, -t);
    }
    if (horizontal) return HorizPosOfValue(value);
    if (LimitRange == 0) return CenterPixel;
    double t = Along(value, PixelLength);
    return inverted_ ? OffsetPixel(StartPixel, t) : OffsetPixel(EndPixel, -t);
}

int TCustomChartAxis::ValueToPixelLength(double value) const {
    if (!(value > 0)) return 0;
    if (logarithmic_) {
        double logMin, logMax;
        double range = LogRange(logMin, logMax);
        return range == 0 ? 0 : OffsetPixel(0, std::log(value) * PixelLength / range);
    }
    return LimitRange == 0 ? 0 : OffsetPixel(0, value * PixelLength / LimitRange);
}

double TCustomChartAxis::PixelToValue(int pixel) const {
    bool horizontal = Horizontal();
    double fromStart = inverted_ ? double(EndPixel) - pixel : double(pixel) - StartPixel;
    if (!logarithmic_) {
        if (PixelLength < 1) return 0;
        double t = fromStart * LimitRange / PixelLength;
        return horizontal ? LowLimit + t : HighLimit - t;
    }
    bool startIsHigh = horizontal == inverted_;
    if (pixel == StartPixel) return startIsHigh ? HighLimit : LowLimit;
    if (pixel == EndPixel) return startIsHigh ? LowLimit : HighLimit;
    double logMin, logMax;
    double range = LogRange(logMin, logMax);
    if (range == 0 || PixelLength < 1) return LowLimit;
    double t = fromStart * range / PixelLength;
    return horizontal ? std::exp(logMin + t) : std::exp(logMax - t);
}

void TCustomChartAxis::SetPixels(int startPixel, int endPixel) {
    StartPixel = startPixel;
    EndPixel = endPixel;
    PixelLength = SubPixels(EndPixel, StartPixel);
    CenterPixel = int((std::int64_t(StartPixel) + EndPixel) / 2);
}

void TCustomChartAxis::CalcExtent(const PixelRect& r) {
    int start = Horizontal() ? r.Left : r.Top;
    double length = Horizontal() ? r.Width() : r.Height();
    SetPixels(OffsetPixel(start, length * startPosition_ / 100), OffsetPixel(start, length * endPosition_ / 100));
}

void TCustomChartAxis::ShrinkForMargins(int low, int high) {
    int oldStart = StartPixel, oldEnd = EndPixel;
    SetPixels(AddPixels(oldStart, low), SubPixels(oldEnd, high));
    double newMin = PixelToValue(oldStart);
    double newMax = PixelToValue(oldEnd);
    SetPixels(oldStart, oldEnd);
    if (newMin > newMax) std::swap(newMin, newMax);
    LowLimit = newMin;
    HighLimit = newMax;
    LimitRange = HighLimit - LowLimit;
}

int TCustomChartAxis::PositionShift(const PixelRect& chartRect) const {
    if (positionPercent_ == 0) return 0;
    double across = Horizontal() ? chartRect.Height() : chartRect.Width();
    int shift = RoundPixel(positionPercent_ / 100 * across);
    // Toward the chart's inside: up for the bottom axis, right for the left axis, and back for the others.
    return Outward(0, -shift);
}

int TCustomChartAxis::AxisLinePosition(const PixelRect& r) const {
    int base = 0;
    switch (side_) {
    case TAxisSide::Top: base = r.Top; break;
    case TAxisSide::Bottom: base = r.Bottom; break;
    case TAxisSide::Left: base = r.Left; break;
    case TAxisSide::Right:
    case TAxisSide::Depth: base = r.Right; break;
    }
    return AddPixels(base, PositionShift(r));
}

int TCustomChartAxis::Outward(int pixel, int by) const {
    bool down = side_ == TAxisSide::Bottom || side_ == TAxisSide::Right || side_ == TAxisSide::Depth;
    return down ? AddPixels(pixel, by) : SubPixels(pixel, by);
}

int TCustomChartAxis::ShrinkSide(PixelRect& r, int by) const {
    switch (side_) {
    case TAxisSide::Bottom: return r.Bottom = SubPixels(r.Bottom, by);
    case TAxisSide::Top: return r.Top = AddPixels(r.Top, by);
    case TAxisSide::Left: return r.Left = AddPixels(r.Left, by);
    default: return r.Right = SubPixels(r.Right, by);
    }
}

void TCustomChartAxis::PlaceInRect(PixelRect& r, bool layout) {
    if (!layout) {
        LinePixel = AxisLinePosition(chart_ ? chart_->AxisChartRect() : r);
        LabelsPixel = Outward(LinePixel, OuterTicksSize());
        TitlePixel = Outward(LabelsPixel, LabelsSpace());
        return;
    }
    IsDateTime = IsDateTimeAxis();
    if (DepthRole()) {
        TitlePixel = r.Right;
        return;
    }
    if (!Title.Caption().empty()) TitlePixel = ShrinkSide(r, TitleSpace());
    if (labels_) LabelsPixel = ShrinkSide(r, LabelsSpace());
    int wall = chart_ ? chart_->AxisWallSize(side_) : 0;
    ShrinkSide(r, OuterTicksSize() + std::max(wall, 0));
    int shift = PositionShift(chart_ ? chart_->AxisChartRect() : r);
    TitlePixel = AddPixels(TitlePixel, shift);
    LabelsPixel = AddPixels(LabelsPixel, shift);
}

int TCustomChartAxis::OuterTicksSize() const {
    int size = (Axis.Visible() ? Axis.Width() : 0) + (Ticks.Visible() ? tickLength_ : 0);
    if (MinorTicks.Visible()) size = std::max(size, minorTickLength_);
    return size;
}

bool TCustomChartAxis::RunsAlongAxis(int angle) const {
    bool level = angle == 0 || angle == 180;
    return Horizontal() ? level : !level;
}

void TCustomChartAxis::SetCanvasFont(const Font& font) const {
    if (chart_)
        if (Canvas* c = chart_->AxisCanvas().ReferenceCanvas()) c->SetFont(font);
}

int TCustomChartAxis::LabelsSpace() const {
    if (labelsSize_ != 0) return labelsSize_;
    if (!chart_) return 0;
    SetCanvasFont(labelsFont_);
    return RunsAlongAxis(labelsAngle_) ? chart_->AxisCanvas().FontHeight() : WidestLabel();
}

int TCustomChartAxis::TitleSpace() const {
    if (titleSize_ != 0) return titleSize_;
    if (!chart_) return 0;
    SetCanvasFont(Title.GetFont());
    TCanvas3D& canvas = chart_->AxisCanvas();
    return RunsAlongAxis(Title.Angle()) ? canvas.FontHeight() : canvas.TextWidth(Title.Caption());
}

bool TCustomChartAxis::Clicked(int x, int y) const {
    if (!chart_ || !chart_->AxisShown(*this)) return false;
    int alongLo = std::min(StartPixel, EndPixel), alongHi = std::max(StartPixel, EndPixel);
    int beyondLine = Outward(LinePixel, -3);
    int acrossLo = std::min(LabelsPixel, beyondLine), acrossHi = std::max(LabelsPixel, beyondLine);
    int along = Horizontal() ? x : y, across = Horizontal() ? y : x;
    return along >= alongLo && along <= alongHi && across >= acrossLo && across <= acrossHi;
}

void TCustomChartAxis::DrawAxisLine(int wallSize) {
    if (!chart_) return;
    TCanvas3D& canvas = chart_->AxisCanvas();
    int back = chart_->AxisHorizDepth();
    if (DepthRole()) {
        PixelRect r = chart_->AxisChartRect();
        canvas.ZLine(r.Right, AddPixels(r.Bottom, chart_->AxisWallSize(TAxisSide::Bottom)), 0, back);
    } else if (Horizontal()) {
        if (OppositeSide()) canvas.HorizLineZ(StartPixel, EndPixel, LinePixel, back);
        else canvas.HorizLineZ(SubPixels(StartPixel, chart_->AxisWallSize(TAxisSide::Left)), EndPixel,
                               AddPixels(LinePixel, wallSize), 0);
    } else {
        if (OppositeSide()) canvas.VertLineZ(LinePixel, StartPixel, EndPixel, back);
        else canvas.VertLineZ(SubPixels(LinePixel, wallSize), StartPixel,
                              AddPixels(EndPixel, chart_->AxisWallSize(TAxisSide::Bottom)), 0);
    }
}

TChartDepthAxis::TChartDepthAxis(TAxisHost* chart) : TCustomChartAxis(chart, TAxisSide::Depth) {}

}  // namespace fv
