// Bar series: settings shared by the chart's bar series, the bar size, where each bar lies, margins and
// value ranges.
#include "chart/series/bar_series.h"

#include <algorithm>

#include "chart/series/series_view.h"
#include "chart/series_marks.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCustomBarSeries::TCustomBarSeries(Component* owner, std::string name)
    : TChartSeries(owner, std::move(name)), BarBrush([this] { Repaint(); }), BarPen([this] { Repaint(); }) {
    YValues->SetName("Bar");
    YValues->SetOrder(loNone);
    Marks().SetVisible(true);
    Marks().SetArrowLength(20);
}

void TCustomBarSeries::SetBarWidthPercent(int value) {
    if (value < 1 || value > 100) throw BarException("Bar Width Percent must be between 1 and 100");
    Change(barWidthPercent_, value);
}

void TCustomBarSeries::SetOffsetPercent(int value) {
    if (value < -100 || value > 100) throw BarException("Bar Offset Percent must be between -100% and 100%");
    Change(offsetPercent_, value);
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
    if (value == multiBar_) return;
    for (TChartSeries* s : AllSameKind(*this))
        if (auto* bar = dynamic_cast<TCustomBarSeries*>(s)) bar->multiBar_ = value;
    Repaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
    Change(sideMargins_, value);
    for (TChartSeries* s : AllSameKind(*this))
        if (auto* bar = dynamic_cast<TCustomBarSeries*>(s)) bar->sideMargins_ = value;
}

void TCustomBarSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    SetBarWidthPercent(85);
    SetMultiBar(mbNone);
}

void TCustomBarSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustomBarSeries*>(&source); other && other != this) {
        autoBarSize_ = other->autoBarSize_;
        autoMarkPosition_ = other->autoMarkPosition_;
        barWidthPercent_ = other->barWidthPercent_;
        barStyle_ = other->barStyle_;
        BarPen.Assign(other->BarPen);
        BarBrush.Assign(other->BarBrush);
        customBarWidth_ = other->customBarWidth_;
        dark3D_ = other->dark3D_;
        multiBar_ = other->multiBar_;
        offsetPercent_ = other->offsetPercent_;
        yOrigin_ = other->yOrigin_;
        sideMargins_ = other->sideMargins_;
        useYOrigin_ = other->useYOrigin_;
    }
    TChartSeries::Assign(source);
}

// ------------------------------------------------------------------------------------------ bar size

int TCustomBarSeries::SidePosition() const {
    int position = 1;
    for (TChartSeries* s : ActiveSameKind(*this)) {
        if (s == this) break;
        ++position;
    }
    return position;
}

int TCustomBarSeries::SideGroups() const {
    return multiBar_ == mbSide ? std::max<int>(1, int(ActiveSameKind(*this).size())) : 1;
}

void TCustomBarSeries::CalcBarSize() {
    if (customBarWidth_ != 0) {
        barSize_ = customBarWidth_;
        return;
    }
    int n = Count(), groups = 1;
    if (ParentChart() && multiBar_ == mbSide) {
        std::vector<TChartSeries*> side = ActiveSameKind(*this);
        n = 0;
        for (TChartSeries* s : side) n = std::max(n, s->Count());
        groups = std::max<int>(1, int(side.size()));
    }
    if (int perPage = ChartMaxPointsPerPage(*this); perPage > 0) n = perPage;
    const TCustomChartAxis* axis = CategoryAxis();
    if (n <= 0 || !axis) {
        barSize_ = 0;
        return;
    }
    int length = axis->PixelLength;
    int room;
    if (autoBarSize_) {
        double span = axis->Maximum() + 2 - axis->Minimum();
        room = span > 0 ? RoundPixel(length / span) : 0;
    } else {
        room = length / (sideMargins_ ? n + 1 : n);
    }
    int size = RoundPixel(barWidthPercent_ * 0.01 * room) / groups;
    // An even size keeps the two halves of a bar the same around its point.
    if (size > 0 && size % 2 != 0) ++size;
    barSize_ = size;
}

// ----------------------------------------------------------------------------------------- positions

int TCustomBarSeries::BarStart(int index) const {
    int base = CategoryPixel(index);
    int start;
    if (multiBar_ == mbSide) {
        double p = SidePosition(), g = SideGroups();
        double shift = HorizontalBars() ? (g * 0.5 - p) * barSize_ : (p - g * 0.5 - 1) * barSize_;
        start = AddPixels(base, RoundPixel(shift));
    } else {
        start = SubPixels(base, barSize_ / 2);
    }
    if (offsetPercent_ != 0) start = AddPixels(start, RoundPixel(offsetPercent_ * barSize_ * 0.01));
    return start;
}

int TCustomBarSeries::StackedPixel(int index, double sum) const {
    double total = TChartSeries::PrecedingSum(index, true);
    return total == 0 ? 0 : ValuePixel(sum * 100 / total);
}

int TCustomBarSeries::ValueEnd(int index) const {
    double value = MandatoryValue(index);
    switch (multiBar_) {
        case mbStacked: return ValuePixel(value + PrecedingSum(index, false));
        case mbStacked100: return StackedPixel(index, value + PrecedingSum(index, false));
        default: return ValuePixel(value);
    }
}

int TCustomBarSeries::OriginEnd(int index) const {
    switch (multiBar_) {
        case mbStacked: return ValuePixel(PrecedingSum(index, false));
        case mbStacked100: return StackedPixel(index, PrecedingSum(index, false));
        default:
            if (useYOrigin_) return ValuePixel(yOrigin_);
            if (const TCustomChartAxis* axis = ValueAxis()) return HorizontalBars() ? axis->StartPixel : axis->EndPixel;
            return 0;
    }
}

double TCustomBarSeries::PrecedingSum(int index, bool includeSelf) const {
    // Bars that are not stacked all start at the origin.
    if (multiBar_ == mbNone || multiBar_ == mbSide) return yOrigin_;
    return TChartSeries::PrecedingSum(index, includeSelf);
}

// ------------------------------------------------------------------------------------------- layout

int TCustomBarSeries::MarksRoom(int index) const {
    TSeriesMarks& marks = Marks();
    if (Count() == 0 || !marks.Visible()) return 0;
    if (TCustomAxisPanel* panel = AxisPanelOf(*this)) panel->SetCanvasFont(marks.GetFont());
    int room = MarkTextSize(index) + marks.ArrowLength();
    if (marks.Frame().Visible()) room += 2 * marks.Frame().Width();
    return room;
}

void TCustomBarSeries::CategoryMargins(int& low, int& high) {
    CalcBarSize();
    int g = SideGroups();
    int extra = sideMargins_ ? g * barSize_ : g * barSize_ / 2;
    low += extra;
    high += extra;
}

void TCustomBarSeries::ValueMargins(int& low, int& high) {
    int m = MarksRoom(-1);
    if (m > 0) ++m;
    if (Count() == 0) return;
    const TChartValueList* values = MandatoryValueList();
    bool inverted = ValueAxis() && ValueAxis()->Inverted();
    int& lowSide = inverted ? high : low;
    int& highSide = inverted ? low : high;
    if (useYOrigin_ && values->MinValue() < yOrigin_) lowSide += m;
    if (!(useYOrigin_ && values->MaxValue() <= yOrigin_)) highSide += m;
}

void TBarSeries::HorizMargins(int& left, int& right) {
    TCustomBarSeries::HorizMargins(left, right);
    CategoryMargins(left, right);
}

void TBarSeries::VertMargins(int& top, int& bottom) {
    TCustomBarSeries::VertMargins(top, bottom);
    ValueMargins(bottom, top);
}

void THorizBarSeries::HorizMargins(int& left, int& right) {
    TCustomBarSeries::HorizMargins(left, right);
    ValueMargins(left, right);
}

void THorizBarSeries::VertMargins(int& top, int& bottom) {
    TCustomBarSeries::VertMargins(top, bottom);
    CategoryMargins(top, bottom);
}

double TCustomBarSeries::BarMaxValue(double baseMaximum) const {
    if (multiBar_ == mbStacked100) return 100;
    double result = baseMaximum;
    if (multiBar_ == mbStacked)
        for (int i = 0; i < Count(); ++i) result = std::max(result, MandatoryValue(i) + PrecedingSum(i, false));
    if (useYOrigin_) result = std::max(result, yOrigin_);
    return result;
}

double TCustomBarSeries::BarMinValue(double baseMinimum) const {
    if (multiBar_ == mbStacked100) return 0;
    return useYOrigin_ ? std::min(baseMinimum, yOrigin_) : baseMinimum;
}

void TCustomBarSeries::CalcZOrder() {
    // Bars side by side or stacked share the slot of the first active bar series before them.
    if (multiBar_ != mbNone && ZOrder == -1) {
        for (TChartSeries* s : ActiveSameKind(*this)) {
            if (s == this) break;
            AutoDepthSlot = s->DepthSlot();
            return;
        }
    }
    TChartSeries::CalcZOrder();
}

bool TCustomBarSeries::DrawValuesForward() const {
    const TCustomChartAxis* axis = CategoryAxis();
    return !(axis && axis->Inverted());
}

bool TCustomBarSeries::DrawPointForward(int index) const {
    if (multiBar_ == mbNone || multiBar_ == mbSide) return true;
    bool inverted = ValueAxis() && ValueAxis()->Inverted();
    return MandatoryValue(index) >= 0 ? !inverted : inverted;
}

// ------------------------------------------------------------------------------------- the two types

TBarSeries::TBarSeries(Component* owner, std::string name) : TCustomBarSeries(owner, std::move(name)) {}

THorizBarSeries::THorizBarSeries(Component* owner, std::string name) : TCustomBarSeries(owner, std::move(name)) {
    // Bars are placed along the vertical axis and grow along the horizontal one.
    YValues->SetName("Y");
    YValues->SetOrder(loAscending);
    XValues->SetName("Bar");
    XValues->SetOrder(loNone);
}

int TBarSeries::MarkTextSize(int index) const {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    return canvas ? canvas->FontHeight() : 0;
}

int THorizBarSeries::MarkTextSize(int index) const {
    // Horizontal bars have their marks beside them: the text's width counts, the widest for index -1.
    if (index == -1) return Marks().WidestMarkText();
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    return canvas ? canvas->TextWidth(Marks().GetMarkText(index)) : 0;
}

void TBarSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    // Over the middle of the bar, the arrow's length beyond its end: above a bar that grows up, below
    // one that grows down (with the box below the arrow).
    int half = BarSize() / 2, length = Marks().ArrowLength();
    position.ArrowStart.X += half;
    position.ArrowEnd.X += half;
    position.BoxTopLeft.X += half;
    int shift = OriginEnd(index) < position.ArrowStart.Y ? length + position.BoxHeight : -length;
    position.ArrowEnd.Y += shift;
    position.BoxTopLeft.Y += shift;
    TCustomBarSeries::DrawMark(index, text, position);
}

void THorizBarSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    // Beside the middle of the bar: right of a bar that grows right, left of one that grows left.
    int half = BarSize() / 2, length = Marks().ArrowLength();
    position.ArrowStart.Y += half;
    position.ArrowEnd.Y = position.ArrowStart.Y;
    bool growsLeft = OriginEnd(index) > position.ArrowStart.X;
    position.ArrowEnd.X = position.ArrowStart.X + (growsLeft ? -length : length);
    position.BoxTopLeft = {growsLeft ? position.ArrowEnd.X - position.BoxWidth : position.ArrowEnd.X,
                           position.ArrowEnd.Y - position.BoxHeight / 2};
    TCustomBarSeries::DrawMark(index, text, position);
}

void THorizBarSeries::FillSampleValues(int numValues) {
    if (numValues <= 0) throw BarException("FillSampleValues NumValues must be > 0");
    Clear();
    ChartRandom& random = RandomSource();
    double x = random.Random(1000) + 1000;
    double y = GetVertAxis() ? GetVertAxis()->Minimum() : 0;
    for (int i = 0; i < numValues; ++i) {
        x += random.Random(500) - 250;
        AddPoint(x, y);
        y += 1;
    }
    Repaint();
}

}  // namespace fv
