// The line, point and area series: their looks, and the stacking of areas.
#include "chart/series/line_series.h"

#include <algorithm>

#include "chart/series/series_view.h"
#include "chart/series_marks.h"

namespace fv {

// ------------------------------------------------------------------------------------------------ line

TLineSeries::TLineSeries(Component* owner, std::string name) : TCustomSeries(owner, std::move(name)) {
    // A function over the whole range is drawn as a line from the first to the last X.
    FunctionSinglePoint = false;
    SetDrawLine(true);
    Pointer.SetVisible(false);
}

void TLineSeries::GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->AssignVisiblePen(LinePen);
    style = LineBrush();
}

void TLineSeries::Assign(TChartSeries& source) {
    TCustomSeries::Assign(source);
    Pointer.SetVisible(false);
    SetDrawArea(false);
    SetDrawLine(true);
}

// ----------------------------------------------------------------------------------------------- point

TPointSeries::TPointSeries(Component* owner, std::string name) : TCustomSeries(owner, std::move(name)) {
    SetDrawLine(false);
    SetClickableLine(false);
    Pointer.SetVisible(true);
    Marks().SetArrowLength(0);
}

void TPointSeries::SetColorEachPoint(bool value) {
    TCustomSeries::SetColorEachPoint(value);
    // Each point shows its own colour only when the pointer's brush does not fix one.
    if (value) Pointer.Brush.SetColor(AutomaticColour);
}

void TPointSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    Pointer.SetHorizSize(6);
    Pointer.SetVertSize(6);
    SeriesHost* chart = ParentChart();
    if (chart && chart->SeriesCount() > 1 && chart->GetSeries(1) == this) Pointer.SetStyle(psTriangle);
}

void TPointSeries::Assign(TChartSeries& source) {
    TCustomSeries::Assign(source);
    Pointer.SetVisible(true);
    SetDrawArea(false);
    SetDrawLine(false);
    SetClickableLine(false);
}

// ------------------------------------------------------------------------------------------------ area

TAreaSeries::TAreaSeries(Component* owner, std::string name) : TCustomSeries(owner, std::move(name)) {
    FunctionSinglePoint = false;
    SetDrawArea(true);
    Pointer.SetVisible(false);
}

void TAreaSeries::SetMultiArea(TMultiArea value) {
    if (value == multiArea_) return;
    // Every area series this one is a kind of.
    for (TChartSeries* s : AllSameKind(*this))
        if (auto* area = dynamic_cast<TAreaSeries*>(s); area && area->ClassIncludes(*this)) area->multiArea_ = value;
    Repaint();
}

int TAreaSeries::StackedY(int index, double value) const {
    double sum = PrecedingSum(index, false);
    if (multiArea_ == maStacked) {
        const TCustomChartAxis* axis = GetVertAxis();
        int pixel = YScreenPos(sum + value);
        return axis ? std::min(axis->EndPixel, pixel) : pixel;
    }
    double total = PrecedingSum(index, true);
    return total != 0 ? YScreenPos((sum + value) * 100 / total) : 0;
}

int TAreaSeries::PointScreenY(int index) const {
    return multiArea_ == maNone ? TCustomSeries::PointScreenY(index) : StackedY(index, GetYValue(index));
}

int TAreaSeries::AreaBottom(int index) const {
    return multiArea_ == maNone ? TCustomSeries::AreaBottom(index) : StackedY(index, 0);
}

double TAreaSeries::MaxYValue() const {
    if (multiArea_ == maStacked100) return 100;
    double result = TCustomSeries::MaxYValue();
    if (multiArea_ == maStacked)
        for (int i = 0; i < Count(); ++i) result = std::max(result, GetYValue(i) + PrecedingSum(i, false));
    return result;
}

double TAreaSeries::MinYValue() const {
    return multiArea_ == maStacked100 ? 0 : TCustomSeries::MinYValue();
}

void TAreaSeries::CalcZOrder() {
    // Stacked areas lie in one slot: the first of them takes a slot as any series does, the others the
    // chart's depth counter as it stands.
    TCustomAxisPanel* panel = AxisPanelOf(*this);
    std::vector<TChartSeries*> areas = ActiveSameKind(*this);
    if (multiArea_ != maNone && panel && ZOrder == -1 && !areas.empty() && areas.front() != this) {
        AutoDepthSlot = std::max(0, panel->HighestDepthSlot);
        return;
    }
    TCustomSeries::CalcZOrder();
}

void TAreaSeries::GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) {
    backColour = AreaColourFor(legendIndex == -1 ? SeriesColor() : ValueColor(legendIndex));
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->AssignVisiblePen(AreaLinesPen);
    style = AreaBrush();
}

void TAreaSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TAreaSeries*>(&source)) multiArea_ = other->multiArea_;
    TCustomSeries::Assign(source);
    SetDrawArea(true);
    SetDrawLine(true);
    Pointer.SetVisible(false);
}

}  // namespace fv
