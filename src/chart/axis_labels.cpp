// Axis labels and increments: which values an axis labels, how they read, and how title, labels, ticks,
// minor ticks and grid lines are drawn.
//
// Every loop here is bounded by limits that may come from a stored chart, so limits that are not finite
// draw no labels, label and minor tick counts are capped, and stepping stops when a step no longer moves
// the value (a step lost in the value's precision).
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/axis.h"
#include "chart/chart_series.h"
#include "chart/chart_units.h"
#include "chart/date_steps.h"
#include "chart/value_format.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

constexpr double MaxLabelQuotient = 2147483647.0;
constexpr int MaxValueLabels = 10000;
constexpr int MaxStepSearch = 2000;

}  // namespace

std::string TCustomChartAxis::FormatLabelText(double value, bool withEvent) const {
    std::string text;
    if (!IsDateTime) {
        text = FormatNumber(value, axisValuesFormat_);
    } else if (value >= 0) {
        // Before a step is known the range stands in for it, so a long range shows dates, a short one times.
        double range = labelStep_ > 0 ? labelStep_ : LimitRange;
        text = FormatDateTime(value, dateTimeFormat_.empty() ? DateTimeDefaultFormat(range) : dateTimeFormat_);
    }
    if (withEvent && chart_ && chart_->OnGetAxisLabel)
        chart_->OnGetAxisLabel(const_cast<TCustomChartAxis&>(*this), nullptr, -1, text);
    if (labelsMultiLine_) std::replace(text.begin(), text.end(), ' ', LineBreak);
    return text;
}

TAxisLabelStyle TCustomChartAxis::ResolvedLabelStyle() const {
    if (labelStyle_ != TAxisLabelStyle::talAuto) return labelStyle_;
    TAxisLabelStyle result = DepthRole() ? TAxisLabelStyle::talText : TAxisLabelStyle::talNone;
    if (!chart_) return result;
    for (int i = 0, n = chart_->SeriesCount(); i < n; ++i) {
        const TChartSeries* s = chart_->GetSeries(i);
        if (!s->Active()) continue;
        if (DepthRole()) {
            if (s->OwnZValues || s->MaxZValue() != s->MinZValue()) return TAxisLabelStyle::talValue;
            continue;
        }
        if (!s->UsesAxis(this)) continue;
        bool positionAxis = s->IsVertical() == Horizontal();
        if (positionAxis && s->Count() > 0 && s->HasLabel(0) && !s->PointLabel(0).empty())
            return TAxisLabelStyle::talText;
        result = TAxisLabelStyle::talValue;
    }
    return result;
}

double TCustomChartAxis::IncrementForLabelCount(int maxLabels) const {
    double smallestDate = DateTimeStep(0);
    if (maxLabels <= 0) return IsDateTime ? smallestDate : 1e-12;
    if (!std::isfinite(LimitRange)) return std::max(increment_, IsDateTime ? smallestDate : 1e-12);
    if (IsDateTime) {
        double s = std::max(increment_, smallestDate);
        if (LimitRange / s > 1000000) s = LimitRange * 1e-6;
        for (int i = 0; i < MaxStepSearch && std::nearbyint(LimitRange / s) > maxLabels; ++i)
            s = s >= DateTimeStep(OneYearStep) ? 2 * s : DateTimeStepAbove(s);
        return std::max(s, smallestDate);
    }
    double s = increment_ > 0 ? increment_ : std::fabs(LimitRange) >= 1 ? 1 : 1e-12;
    if (labelsSeparation_ > 0) {
        for (int i = 0; i < MaxStepSearch; ++i) {
            double q = LimitRange / s;
            if (std::fabs(q) < MaxLabelQuotient && std::nearbyint(q) <= maxLabels) break;
            s = NextNiceStep(s);
        }
    }
    return std::max(s, 1e-12);
}

int TCustomChartAxis::LabelSize(double value) const {
    TCanvas3D& canvas = chart_->AxisCanvas();
    bool level = labelsAngle_ == 0 || labelsAngle_ == 180;
    // A horizontal axis stacks labels side by side: level texts need their width, turned ones a line.
    if (Horizontal() != level) return canvas.FontHeight();
    int lines = 0;
    return MaxLineWidth(FormatLabel(value), [&](const std::string& t) { return canvas.TextWidth(t); }, lines);
}

double TCustomChartAxis::CalcLabelsIncrement() const {
    if (!chart_) return IncrementForLabelCount(1);
    SetCanvasFont(labelsFont_);
    int size = std::max(LabelSize(HighLimit), LabelSize(LowLimit));
    if (labelsSeparation_ > 0) size += RoundPixel(labelsSeparation_ / 100.0 * size);
    int maxLabels = size <= 0 ? 1 : RoundPixel(double(PixelLength) / size);
    return IncrementForLabelCount(maxLabels);
}

int TCustomChartAxis::WidestLabel() const {
    if (!chart_) return 0;
    switch (ResolvedLabelStyle()) {
    case TAxisLabelStyle::talValue: {
        double step = CalcLabelsIncrement();
        double low = LowLimit, high = HighLimit;
        if ((IsDateTime && exactDateTime_) || roundFirstLabel_) {
            // Rounded to the step only where the quotient is a number an integer holds.
            auto round = [&](double v) {
                double q = v / step;
                return step > 0 && std::fabs(q) < MaxLabelQuotient ? std::trunc(q) * step : v;
            };
            low = round(low);
            high = round(high);
        }
        TCanvas3D& canvas = chart_->AxisCanvas();
        SetCanvasFont(labelsFont_);
        int lines = 0;
        auto width = [&](double v) {
            return MaxLineWidth(FormatLabelText(v, false), [&](const std::string& t) { return canvas.TextWidth(t); },
                                lines);
        };
        return std::max(width(low), width(high)) + canvas.TextWidth(" ");
    }
    default: return 0;
    }
}

void TCustomChartAxis::DrawAxis(bool calcPosAxis) {
    if (!chart_) return;
    TCanvas3D& canvas = chart_->AxisCanvas();
    IsDateTime = IsDateTimeAxis();
    wall_ = chart_->AxisWallSize(side_);
    SetCanvasFont(labelsFont_);
    labelStep_ = 0;
    double step = CalcLabelsIncrement();
    labelStep_ = step;
    previousTick_ = -1;
    DrawnLabelCount = 0;
    if (calcPosAxis) LinePixel = AxisLinePosition(chart_->AxisChartRect());
    if (!Title.Caption().empty()) DrawTitle();

    int dateIndex = DateTimeStepCount;
    if (IsDateTime && exactDateTime_) {
        dateIndex = DateTimeStepIndex(increment_);
        if (dateIndex != DateTimeStepCount)
            while (dateIndex < OneYearStep && step > DateTimeStep(dateIndex)) ++dateIndex;
    }
    bool calendarStep = dateIndex >= HalfMonthStep && dateIndex <= OneYearStep;
    bool finite = std::isfinite(LowLimit) && std::isfinite(HighLimit) && std::isfinite(step);
    if (finite && (step > 0 || calendarStep) && HighLimit >= LowLimit) {
        switch (ResolvedLabelStyle()) {
        case TAxisLabelStyle::talValue:
            if (chart_->OnGetNextAxisLabel && DrawCustomLabels()) break;
            if (!logarithmic_ || increment_ != 0) DrawValueLabels(step, dateIndex);
            else DrawLogarithmicLabels();
            break;
        default: break;
        }
    }
    if (Axis.Visible()) {
        canvas.AssignVisiblePen(Axis);
        DrawAxisLine(wall_);
    }
}

void TCustomChartAxis::DrawAtPosition(int posLabels, int posTitle, int endPixel, int startPixel, bool showGrid,
                                      int posAxis) {
    LabelsPixel = posLabels;
    TitlePixel = posTitle;
    LinePixel = posAxis;
    SetPixels(startPixel, endPixel);
    // The grid's switch changes for this drawing only: no repaint of the chart for it.
    bool gridShown = Grid.Visible();
    TNotifyChange notify = std::move(Grid.OnChange);
    Grid.OnChange = nullptr;
    Grid.SetVisible(showGrid);
    struct Restore {
        TChartPen& grid;
        bool shown;
        TNotifyChange& notify;
        ~Restore() {
            grid.SetVisible(shown);
            grid.OnChange = std::move(notify);
        }
    } restore{Grid, gridShown, notify};
    DrawAxis(false);
}

void TCustomChartAxis::DrawAtPositionWithRange(int posLabels, int posTitle, int endPixel, int startPixel,
                                               bool showGrid, int posAxis, double minimum, double maximum,
                                               double increment) {
    struct Saved {
        TCustomChartAxis& axis;
        double minimum, maximum, increment, low, high, range;
        bool automatic;
        ~Saved() {
            axis.minimum_ = minimum;
            axis.maximum_ = maximum;
            axis.increment_ = increment;
            axis.automatic_ = automatic;
            axis.LowLimit = low;
            axis.HighLimit = high;
            axis.LimitRange = range;
        }
    } saved{*this, minimum_, maximum_, increment_, LowLimit, HighLimit, LimitRange, automatic_};
    automatic_ = false;
    minimum_ = minimum;
    maximum_ = maximum;
    increment_ = increment;
    LowLimit = minimum;
    HighLimit = maximum;
    LimitRange = maximum - minimum;
    DrawAtPosition(posLabels, posTitle, endPixel, startPixel, showGrid, posAxis);
}

void TCustomChartAxis::DrawTitle() {
    TCanvas3D& canvas = chart_->AxisCanvas();
    SetCanvasFont(Title.GetFont());
    canvas.SetTextAlign(TaCenter | TaTop);
    if (DepthRole()) {
        canvas.RotatedTextOutZ(TitlePixel, chart_->AxisChartRect().Bottom, Title.Angle(), Title.Caption(),
                               chart_->AxisHorizDepth() / 2);
    } else if (Horizontal()) {
        canvas.RotatedTextOut(CenterPixel, TitlePixel, Title.Angle(), Title.Caption());
    } else {
        canvas.RotatedTextOut(TitlePixel, CenterPixel, Title.Angle(), Title.Caption());
    }
    SetCanvasFont(labelsFont_);
}

void TCustomChartAxis::DrawValueLabels(double step, int dateIndex) {
    double v = HighLimit / step;
    if (std::fabs(v) >= MaxLabelQuotient || std::fabs(LimitRange / step) >= MaxValueLabels) return;
    bool exact = IsDateTime && exactDateTime_;
    double value;
    if (exact && dateIndex > 13 && dateIndex < DateTimeStepCount) value = RoundDateToStep(dateIndex, HighLimit);
    else if (LowLimit != HighLimit && roundFirstLabel_) value = std::trunc(v) * step;
    else value = HighLimit;
    bool calendar = exact && dateIndex > 17 && dateIndex < DateTimeStepCount;
    // Moves one label down; false when the step no longer changes the value.
    auto stepDown = [&] {
        double before = value;
        if (calendar) StepDateTime(false, true, value, dateIndex, step);
        else value -= step;
        return value < before;
    };
    int guard = 0;
    if (labelsOnAxis_) {
        while (value > HighLimit && ++guard <= MaxValueLabels)
            if (!stepDown()) return;
        while (value >= LowLimit && DrawnLabelCount <= MaxValueLabels) {
            DrawLabel(ValueToPixel(value), value, FormatLabel(value));
            if (!stepDown()) return;
        }
    } else {
        while (value >= HighLimit && ++guard <= MaxValueLabels)
            if (!stepDown()) return;
        while (value > LowLimit && DrawnLabelCount <= MaxValueLabels) {
            DrawLabel(ValueToPixel(value), value, FormatLabel(value));
            if (!stepDown()) return;
        }
    }
}

bool TCustomChartAxis::DrawCustomLabels() {
    double value = LowLimit;
    bool stop = true;
    for (int index = 0; index <= 1000; ++index) {
        chart_->OnGetNextAxisLabel(*this, index, stop, value);
        if (stop) return index > 0;
        if (!(value >= LowLimit - 1e-7 && value <= HighLimit + 1e-7)) return true;
        DrawLabel(ValueToPixel(value), value, FormatLabel(value));
    }
    return true;
}

void TCustomChartAxis::DrawLogarithmicLabels() {
    if (LowLimit == HighLimit) return;
    double base = logarithmicBase_;
    double low = LowLimit;
    double value;
    if (low > 0) {
        value = std::pow(base, std::nearbyint(std::log(low) / std::log(base)));
    } else {
        low = low < 0 ? 1e-10 : 0.1;
        value = low;
    }
    int minorCount = std::clamp(minorTickCount_, 0, std::max(std::abs(PixelLength), 0));
    for (int guard = 0; value <= HighLimit && guard < MaxStepSearch; ++guard) {
        if (value >= low) {
            DrawLabel(ValueToPixel(value), value, FormatLabel(value));
            if (MinorTicks.Visible()) {
                chart_->AxisCanvas().AssignVisiblePen(MinorTicks);
                for (int i = 1; i <= minorCount; ++i) {
                    double minor = value + i * (base * value - value) / (minorCount + 1);
                    if (minor > HighLimit) break;
                    DrawTick(ValueToPixel(minor), 0, minorTickLength_);
                }
            }
        }
        value *= base;
    }
}

void TCustomChartAxis::DrawLabel(int pixel, double value, const std::string& text) {
    if (!tickOnLabelsOnly_) DrawTicksAndGrid(pixel, value);
    if (!labels_) return;
    if (tickOnLabelsOnly_) DrawTicksAndGrid(pixel, value);
    ++DrawnLabelCount;
    TCanvas3D& canvas = chart_->AxisCanvas();
    SetCanvasFont(labelsFont_);
    canvas.SetBackColor(chart_->AxisBackColor());
    int lineHeight = canvas.FontHeight();
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == LineBreak) lines.emplace_back();
        else lines.back() += c;
    }
    int lineCount = int(lines.size());
    unsigned align = TaLeft | TaTop;
    int x = 0, y = 0;
    if (DepthRole()) {
        x = LabelsPixel, y = chart_->AxisChartRect().Bottom;
    } else if (Horizontal()) {
        x = pixel, y = LabelsPixel;
        if (labelsAngle_ == 0) {
            align = TaCenter | TaTop;
            // Above the top axis the block of lines ends at the labels' edge.
            if (OppositeSide()) y = SubPixels(y, lineHeight * lineCount);
        }
    } else {
        x = LabelsPixel, y = pixel;
        if (labelsAngle_ == 0) {
            align = (OppositeSide() ? TaLeft : TaRight) | TaTop;
            y = SubPixels(y, lineHeight * lineCount / 2);
        }
    }
    canvas.SetTextAlign(align);
    for (int i = 0; i < lineCount; ++i) {
        int ly = AddPixels(y, i * lineHeight);
        if (DepthRole()) canvas.RotatedTextOutZ(x, ly, labelsAngle_, lines[i], pixel);
        else canvas.RotatedTextOut(x, ly, labelsAngle_, lines[i]);
    }
}

void TCustomChartAxis::DrawTick(int pixel, int from, int length) {
    TCanvas3D& canvas = chart_->AxisCanvas();
    if (DepthRole()) {
        PixelRect r = chart_->AxisChartRect();
        int y = AddPixels(r.Bottom, chart_->AxisWallSize(TAxisSide::Bottom));
        canvas.LineZ(AddPixels(LinePixel, from), y, AddPixels(LinePixel, from + length), y, pixel);
        return;
    }
    int base = OppositeSide() ? LinePixel : Outward(LinePixel, wall_);
    int z = OppositeSide() ? chart_->AxisHorizDepth() : 0;
    int a = Outward(base, from), b = Outward(base, from + length);
    if (Horizontal()) canvas.LineZ(pixel, a, pixel, b, z);
    else canvas.LineZ(a, pixel, b, pixel, z);
}

void TCustomChartAxis::DrawTicksAndGrid(int pixel, double value) {
    TCanvas3D& canvas = chart_->AxisCanvas();
    if (Ticks.Visible()) {
        canvas.AssignVisiblePen(Ticks);
        DrawTick(pixel, 0, tickLength_);
    }
    if (Grid.Visible() && value != LowLimit && value != HighLimit && !DepthRole()) {
        int at = pixel;
        if (gridCentered_) {
            if (previousTick_ != -1) at = int((std::int64_t(pixel) + previousTick_) / 2);
        }
        if (!gridCentered_ || previousTick_ != -1) {
            TDottedGrayPen pen;
            pen.Assign(Grid);
            if (pen.GetColor() == AutomaticColour) pen.SetColor(0x808080);
            canvas.AssignVisiblePen(pen);
            PixelRect r = chart_->AxisChartRect();
            int z = chart_->AxisHorizDepth();
            if (Horizontal()) canvas.VertLineZ(at, r.Top, r.Bottom, z);
            else canvas.HorizLineZ(r.Left, r.Right, at, z);
        }
    }
    if (TicksInner.Visible() && tickInnerLength_ != 0) {
        canvas.AssignVisiblePen(TicksInner);
        DrawTick(pixel, 0, -tickInnerLength_);
    }
    if (MinorTicks.Visible() && previousTick_ != -1 && !logarithmic_) {
        canvas.AssignVisiblePen(MinorTicks);
        // Ticks of values far outside the limits sit at the ends of the pixel range: the gap is worked
        // out wide.
        std::int64_t gap = std::int64_t(pixel) - previousTick_;
        // At most one minor tick a pixel, however many a stored chart asks for.
        int count = int(std::clamp<std::int64_t>(minorTickCount_, 0, std::max<std::int64_t>(std::llabs(gap) - 1, 0)));
        for (int i = 1; i <= count; ++i)
            DrawTick(SubPixels(pixel, RoundPixel(double(gap) / (count + 1) * i)), 0, minorTickLength_);
    }
    previousTick_ = pixel;
}

}  // namespace fv
