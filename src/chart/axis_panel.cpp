// The axis panel's series list, axes, extreme values, paging and depth slots.
#include "chart/axis_panel.h"

#include <algorithm>

#include "chart/chart_units.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCustomAxisPanel::TCustomAxisPanel(Component* owner, std::string name)
    : TCustomChartPanelExtended(owner, std::move(name)) {}

TCustomAxisPanel::~TCustomAxisPanel() {
    destroying = true;
    while (!seriesList.empty()) seriesList.front()->SetParentChart(nullptr);
}

void TCustomAxisPanel::InsertSeries(TChartSeries& series) {
    if (std::find(seriesList.begin(), seriesList.end(), &series) != seriesList.end()) return;
    if (series.SeriesColor() == AutomaticColour) series.SetSeriesColor(PickFreeSeriesColor(true));
    AdoptSeries(series, this);
    if (Designing && !series.SeriesFunction()) series.FillSampleValues(series.NumSampleValues());
    else series.RefreshFromSource();
    seriesList.push_back(&series);
    Repaint();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series) {
    auto it = std::find(seriesList.begin(), seriesList.end(), &series);
    if (it == seriesList.end()) return;
    series.LeaveSources();
    ForgetParent(series);
    seriesList.erase(it);
    Repaint();
}

void TCustomAxisPanel::DestroyAllSeries() {
    while (!seriesList.empty()) {
        TChartSeries* s = seriesList.front();
        s->SetParentChart(nullptr);
        // A series that a form owns is freed through it, so the owner does not free it again.
        if (Component* owner = s->Owner()) owner->FreeComponent(s);
        else delete s;
    }
}

bool TCustomAxisPanel::IsFreeSeriesColor(Color colour, bool checkBackground) const {
    if (checkBackground && (colour == GetColor() || colour == BackColor())) return false;
    return std::none_of(seriesList.begin(), seriesList.end(),
                        [&](const TChartSeries* s) { return s->SeriesColor() == colour; });
}

void TCustomAxisPanel::Assign(const TCustomAxisPanel& other) {
    axisVisible = other.axisVisible;
    bottomAxis.Assign(other.bottomAxis);
    topAxis.Assign(other.topAxis);
    leftAxis.Assign(other.leftAxis);
    rightAxis.Assign(other.rightAxis);
    depthAxis.Assign(other.depthAxis);
    clipPoints = other.clipPoints;
    maxPointsPerPage = other.maxPointsPerPage;
    page = other.page;
    scaleLastPage = other.scaleLastPage;
    view3DWalls = other.view3DWalls;
    TCustomChartPanelExtended::Assign(other);
}

Color TCustomAxisPanel::PickFreeSeriesColor(bool checkBackground) const {
    for (int i = 0; i < PaletteSize; ++i)
        if (IsFreeSeriesColor(PaletteColor(i), checkBackground)) return PaletteColor(i);
    return PaletteColor(PaletteSize);
}

TChartSeries* TCustomAxisPanel::FirstSeriesOfAxis(const TCustomChartAxis& axis) const {
    for (TChartSeries* s : seriesList)
        if (s->Active() && s->UsesAxis(&axis)) return s;
    return nullptr;
}

bool TCustomAxisPanel::AxisShown(const TCustomChartAxis& axis) const {
    if (!axisVisible || !axis.Visible()) return false;
    if (axis.DepthRole()) return View3D();
    bool anyWithAxes = false;
    for (const TChartSeries* s : seriesList) {
        if (!s->Active() || !s->UsesAxes()) continue;
        anyWithAxes = true;
        if (s->UsesAxis(&axis)) return true;
    }
    return !anyWithAxes;
}

int TCustomAxisPanel::MaxValuesCount() const {
    int most = 0;
    for (const TChartSeries* s : seriesList)
        if (s->Active()) most = std::max(most, s->Count());
    return most;
}

TChartSeries* TCustomAxisPanel::SeriesOfLegendIndex(int index) const {
    for (TChartSeries* s : seriesList)
        if (s->Active() && s->ShowInLegend() && index-- == 0) return s;
    return nullptr;
}

std::string TCustomAxisPanel::SeriesTitleOfLegendIndex(int index) const {
    const TChartSeries* s = SeriesOfLegendIndex(index);
    if (!s) return {};
    if (!s->Title().empty()) return s->Title();
    if (!s->Name().empty()) return s->Name();
    return "Series " + std::to_string(index);
}

double TCustomAxisPanel::MinMaxOfAxis(const TCustomChartAxis* axis, bool minimum, bool horizontal) const {
    if (!axis) return 0;
    if (axis->DepthRole()) {
        if (axis->ResolvedLabelStyle() != TAxisLabelStyle::talValue) return minimum ? -0.5 : HighestDepthSlot + 0.5;
        for (const TChartSeries* s : seriesList)
            if (s->Active()) return minimum ? s->MinZValue() : s->MaxZValue();
        return 0;
    }
    const TChartSeries* first = FirstSeriesOfAxis(*axis);
    bool positionAxis = first ? first->IsVertical() == horizontal : horizontal;
    if (maxPointsPerPage <= 0 || !positionAxis) return SeriesHost::MinMaxOfAxis(axis, minimum, horizontal);
    if (!first || first->Count() == 0) return 0;
    int n = first->Count(), p = maxPointsPerPage;
    // In 64 bits: a page number near the int limit times the page size must not wrap.
    long long firstIndex = (long long)p * (page - 1);
    if (firstIndex >= n) firstIndex = (long long)std::max(0, n / p - 1) * p;
    long long lastIndex = firstIndex + p - 1;
    if (lastIndex >= n) lastIndex = firstIndex + n % p - 1;
    const TChartValueList* list = first->PositionList();
    double low = list->GetValue(int(firstIndex));
    if (minimum) return low;
    double high = list->GetValue(int(lastIndex));
    long long held = lastIndex - firstIndex + 1;
    // A short last page is stretched to the width of a full one so its points keep their spacing.
    if (!scaleLastPage && held < p) return low + (high - low) * p / double(held);
    return high;
}

int TCustomAxisPanel::PageCount() const {
    if (maxPointsPerPage <= 0 || seriesList.empty()) return 1;
    bool vertical = seriesList.front()->IsVertical();
    const TCustomChartAxis* axes[2] = {vertical ? BottomAxis() : LeftAxis(), vertical ? TopAxis() : RightAxis()};
    int result = 1;
    for (const TCustomChartAxis* axis : axes) {
        int count = 0;
        for (const TChartSeries* s : seriesList)
            if (s->Active() && s->UsesAxis(axis)) count = std::max(count, s->Count());
        int pages = count == 0 ? 1 : count / maxPointsPerPage + (count % maxPointsPerPage > 0 ? 1 : 0);
        result = std::max(result, pages);
    }
    return result;
}

void TCustomAxisPanel::SetPage(int value) {
    value = std::max(std::min(value, PageCount()), 1);
    if (value == page) return;
    page = value;
    Repaint();
    if (OnPageChange) OnPageChange(this);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value) {
    if (value < 0) throw ChartException("MaxPointsPerPage must be >= 0");
    Store(maxPointsPerPage, value);
    if (PageCount() < page) SetPage(PageCount());
}

int TCustomAxisPanel::CalcSlotDepth() {
    if (!View3D()) {
        SlotWidth3D = SlotHeight3D = HorizDepth = VertDepth = 0;
        return 0;
    }
    int w = RoundPixel(double(Width()) * Chart3DPercent() / 1000);
    if (!View3DOptions().Orthogonal()) w *= 2;
    SlotWidth3D = SlotHeight3D = w;
    int slots = DepthPerSeries ? std::max(1, HighestDepthSlot + 1) : 1;
    HorizDepth = VertDepth = SaturateToInt(std::int64_t(slots) * w);
    return slots;
}

}  // namespace fv
