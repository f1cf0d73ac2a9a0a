// Axis labels and increments: which values an axis labels, how they read, and how title, labels, ticks,
// minor ticks and grid lines are drawn.
//
// Every loop here is bounded by limits that may come from a stored chart, so limits that are not finite
// draw no labels, label and minor tick counts are capped, and stepping stops when a step no longer moves
// the value (a step lost in the value's precision).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

std::string TCustomChartAxis::FormatLabelText(double value, bool withEvent, bool dateTime) const {
    std::string text;
    if (!dateTime) {
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
            return MaxLineWidth(FormatLabelText(v, false, IsDateTime), [&](const std::string& t) { return canvas.TextWidth(t); },
                                lines);
        };
        return std::max(width(low), width(high)) + canvas.TextWidth(" ");
    }
    case TAxisLabelStyle::talMark: return chart_->WidestMarkText();
    case TAxisLabelStyle::talText: return chart_->WidestPointLabel();
    default: return 0;
    }
}

std::string TAxisHost::SeriesMarkText(const TChartSeries& series, int index) const {
    std::string text = series.PointLabel(index);
    if (text.empty()) text = FormatNumber(series.MarkValue(index), series.ValueFormat());
    if (series.OnGetMarkText) series.OnGetMarkText(const_cast<TChartSeries*>(&series), index, text);
    return text;
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
        case TAxisLabelStyle::talMark: DrawSeriesLabels(true); break;
        case TAxisLabelStyle::talText:
            if (DepthRole()) DrawDepthTitles();
            else DrawSeriesLabels(false);
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
    if (DepthRole()) {
        canvas.SetTextAlign(TaCenter | TaTop);
        canvas.RotatedTextOutZ(TitlePixel, chart_->AxisChartRect().Bottom, Title.Angle(), Title.Caption(),
                               chart_->AxisHorizDepth() / 2);
    } else {
        // Like a label: outward of the title's edge, centred along the axis, whatever side and angle.
        int dx = 0, dy = 0;
        canvas.SetTextAlign(OutwardAlignment(Title.Angle(), 1, canvas.FontHeight(), dx, dy));
        Point at = TurnedOffset(Title.Angle(), dx, dy);
        int x = Horizontal() ? CenterPixel : TitlePixel, y = Horizontal() ? TitlePixel : CenterPixel;
        canvas.RotatedTextOut(AddPixels(x, at.X), AddPixels(y, at.Y), Title.Angle(), Title.Caption());
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

void TCustomChartAxis::DrawLabel(int pixel, double value, const std::string& text, bool show) {
    if (!tickOnLabelsOnly_) DrawTicksAndGrid(pixel, value);
    if (!labels_ || !show) return;
    if (tickOnLabelsOnly_) DrawTicksAndGrid(pixel, value);
    ++DrawnLabelCount;
    TCanvas3D& canvas = chart_->AxisCanvas();
    SetCanvasFont(labelsFont_);
    canvas.SetBackColor(chart_->AxisBackColor());
    if (Canvas* c = canvas.ReferenceCanvas()) {
        Brush brush = c->GetBrush();
        brush.BrushColor = chart_->AxisBackColor();
        brush.Style = BrushStyle::Clear;
        c->SetBrush(brush);
    }
    int lineHeight = canvas.FontHeight();
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == LineBreak) lines.emplace_back();
        else lines.back() += c;
    }
    int lineCount = int(lines.size());
    int x = 0, y = 0;
    if (DepthRole()) x = LabelsPixel, y = chart_->AxisChartRect().Bottom;
    else if (Horizontal()) x = pixel, y = LabelsPixel;
    else x = LabelsPixel, y = pixel;
    int dx = 0, dy = 0;
    unsigned align = DepthRole() ? TaLeft | TaTop : OutwardAlignment(labelsAngle_, lineCount, lineHeight, dx, dy);
    canvas.SetTextAlign(align);
    // Lines follow one another down the text's own direction, which turns with the labels' angle.
    for (int i = 0; i < lineCount; ++i) {
        Point at = TurnedOffset(labelsAngle_, dx, SaturateToInt(double(dy) + double(i) * lineHeight));
        int lx = AddPixels(x, at.X), ly = AddPixels(y, at.Y);
        if (DepthRole()) canvas.RotatedTextOutZ(lx, ly, labelsAngle_, lines[i], pixel);
        else canvas.RotatedTextOut(lx, ly, labelsAngle_, lines[i]);
    }
}

unsigned TCustomChartAxis::OutwardAlignment(int angle, int lineCount, int lineHeight, int& dx, int& dy) const {
    dx = dy = 0;
    if (angle % 90 != 0) return TaLeft | TaTop;
    // The text stands outward of its edge and is centred on its pixel across the axis. The outward
    // direction of the axis is turned into the text's own frame (x along its lines, y down them), so the
    // same rule serves 0, 90, 180 and 270 degrees.
    int ox = 0, oy = 0;
    switch (Side()) {
    case TAxisSide::Bottom: oy = 1; break;
    case TAxisSide::Top: oy = -1; break;
    case TAxisSide::Left: ox = -1; break;
    default: ox = 1; break;
    }
    int lx = 0, ly = 0;
    switch (angle) {
    case 0: lx = ox, ly = oy; break;
    case 90: lx = -oy, ly = ox; break;
    case 180: lx = -ox, ly = -oy; break;
    default: lx = oy, ly = -ox; break;
    }
    int block = lineHeight * lineCount;
    if (lx != 0) {
        dy = -block / 2;
        return (lx > 0 ? TaLeft : TaRight) | TaTop;
    }
    if (ly < 0) dy = -block;
    return TaCenter | TaTop;
}

Point TCustomChartAxis::TurnedOffset(int angle, int dx, int down) {
    double turn = angle * 3.14159265358979323846 / 180;
    double cosA = std::cos(turn), sinA = std::sin(turn);
    return {RoundPixel(dx * cosA + down * sinA), RoundPixel(-dx * sinA + down * cosA)};
}

void TCustomChartAxis::DrawSeriesLabels(bool marks) {
    std::vector<TChartSeries*> series;
    int first = -1, last = -1;
    for (int i = 0, n = chart_->SeriesCount(); i < n; ++i) {
        TChartSeries* s = chart_->GetSeries(i);
        if (!s->Active() || !s->UsesAxis(this) || s->Count() == 0) continue;
        s->FindVisibleRange();
        if (s->FirstVisibleIndex < 0) continue;
        series.push_back(s);
        first = first < 0 ? s->FirstVisibleIndex : std::min(first, s->FirstVisibleIndex);
        last = std::max(last, s->LastVisibleIndex);
    }
    if (series.empty()) return;
    TCanvas3D& canvas = chart_->AxisCanvas();
    bool along = Horizontal() ? labelsAngle_ != 90 && labelsAngle_ != 270 : labelsAngle_ == 90 || labelsAngle_ == 270;
    bool placed = false;
    int previousPixel = 0, previousHalf = 0;
    for (int i = first; i <= last; ++i) {
        TChartSeries* owner = nullptr;
        for (TChartSeries* s : series)
            if (i < s->Count()) {
                owner = s;
                break;
            }
        if (!owner) continue;
        std::string text = marks ? chart_->SeriesMarkText(*owner, i) : owner->PointLabel(i);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(*this, owner, i, text);
        double value = Horizontal() ? owner->GetXValue(i) : owner->GetYValue(i);
        if (!(value >= LowLimit && value <= HighLimit)) continue;
        int pixel = ValueToPixel(value);
        bool show = true;
        if (labelsSeparation_ != 0) {
            SetCanvasFont(labelsFont_);
            int lines = 0;
            int size = along ? MaxLineWidth(text, [&](const std::string& t) { return canvas.TextWidth(t); }, lines)
                             : canvas.FontHeight();
            int half = int((std::int64_t(size) + std::int64_t(size * 0.02 * labelsSeparation_)) / 2);
            if (placed) {
                std::int64_t lo = std::int64_t(pixel) - half, hi = std::int64_t(pixel) + half;
                std::int64_t prevLo = std::int64_t(previousPixel) - previousHalf,
                             prevHi = std::int64_t(previousPixel) + previousHalf;
                show = hi < prevLo || lo > prevHi;
            }
            placed = true;
            previousPixel = pixel;
            previousHalf = half;
        }
        DrawLabel(pixel, value, text, show);
    }
}

void TCustomChartAxis::DrawDepthTitles() {
    bool anyActive = false;
    for (int i = 0, n = chart_->SeriesCount(); i < n && !anyActive; ++i) anyActive = chart_->GetSeries(i)->Active();
    if (!anyActive) return;
    // Limits come from a stored chart too: slots outside the int range are none, and the count is capped.
    double low = std::trunc(LowLimit), high = std::trunc(HighLimit);
    if (low < -MaxLabelQuotient || high > MaxLabelQuotient) return;
    double count = std::min(high - low + 1, double(MaxValueLabels));
    for (int k = 0; k < count; ++k) {
        int i = int(low) + k;
        std::string text = chart_->SeriesTitleOfLegendIndex(i);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(*this, nullptr, i, text);
        double value = HighLimit - i - 0.5;
        DrawLabel(ValueToPixel(value), value, text);
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
            DrawGridLine(at);
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

void TCustomChartAxis::DrawGridLine(int pixel) {
    TCanvas3D& canvas = chart_->AxisCanvas();
    PixelRect r = chart_->AxisChartRect();
    int z = chart_->AxisHorizDepth();
    // In 3D a near-side axis' grid runs back over the floor or the side wall to the back plane first.
    if (z > 0 && !OppositeSide()) {
        if (Horizontal()) canvas.ZLine(pixel, r.Bottom, 0, z);
        else canvas.ZLine(r.Left, pixel, 0, z);
    }
    if (Horizontal()) canvas.VertLineZ(pixel, r.Top, r.Bottom, z);
    else canvas.HorizLineZ(r.Left, r.Right, pixel, z);
}

}  // namespace fv
