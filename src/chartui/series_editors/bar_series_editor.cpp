// The bar series editor.
#include "chartui/series_editors/bar_series_editor.h"

#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"

namespace fv {

TBarSeriesEditor::TBarSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "BarSeriesEditor", 317, 195),
      Series(dynamic_cast<TCustomBarSeries&>(series)) {
    UDBarWidth = AddSpin(this, "BarWidth", "% Bar &Width:", 8, 8, 74, 1, 100, 5, SEBarwidth);
    SEBarwidth->SetName("SEBarwidth");
    SEBarwidth->SetText("1");
    UDBarOffset = AddSpin(this, "BarOffset", "% Bar O&ffset:", 8, 34, 74, -100, 100, 5, SEBarOffset);
    SEBarOffset->SetText("0");
    LStyle = Add<Label>(this, "LStyle", 8, 64, 40, 13, "St&yle:");
    CBBarStyle = AddList(this, "CBBarStyle", 52, 60, 110,
                         {"Rectangle", "Pyramid", "Invert. Pyramid", "Cylinder", "Ellipse", "Arrow", "Rect.Gradient"});
    CBYOrigin = Add<CheckBox>(this, "CBYOrigin", 8, 90, 84, 17, "Use &Origin:");
    EYOrigin = Add<Edit>(this, "EYOrigin", 96, 88, 66, 21);
    EYOrigin->SetText("0");
    RGMultiBar = Add<RadioGroup>(this, "RGMultiBar", 176, 4, 134, 96, "&Multiple Bar:");
    RGMultiBar->SetItems({"None", "Side", "Stacked", "Stacked 100%"});
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 8, 118, 100, 17, "Color &Each");
    CBDarkBar = Add<CheckBox>(this, "CBDarkBar", 8, 140, 150, 17, "&Dark Bar 3D Sides");
    CBBarSideMargins = Add<CheckBox>(this, "CBBarSideMargins", 8, 162, 150, 17, "Bar S&ide Margins");
    CBMarksAutoPosition = Add<CheckBox>(this, "CBMarksAutoPosition", 160, 162, 150, 17, "&Auto Mark Position");
    BBarPen = Add<Button>(this, "BBarPen", 176, 106, 64, 25, "&Border...");
    BBarBrush = Add<Button>(this, "BBarBrush", 242, 106, 70, 25, "&Pattern...");
    BBarColor = Add<Button>(this, "BBarColor", 176, 134, 64, 25, "&Color...");
    SHBarColor = AddSwatch(this, "SHBarColor", 248, 136, [this] { BBarColorClick(SHBarColor); });

    OnShow = [this](Component* s) { FormShow(s); };
    SEBarwidth->OnChange = [this](Component* s) { SEBarwidthChange(s); };
    SEBarOffset->OnChange = [this](Component* s) { SEBarOffsetChange(s); };
    CBBarStyle->OnChange = [this](Component* s) { CBBarStyleChange(s); };
    CBYOrigin->OnClick = [this](Component* s) { CBYOriginClick(s); };
    EYOrigin->OnChange = [this](Component* s) { EYOriginChange(s); };
    RGMultiBar->OnClick = [this](Component* s) { RGMultiBarClick(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    CBDarkBar->OnClick = [this](Component* s) { CBDarkBarClick(s); };
    CBBarSideMargins->OnClick = [this](Component* s) { CBBarSideMarginsClick(s); };
    BBarPen->OnClick = [this](Component* s) { BBarPenClick(s); };
    BBarBrush->OnClick = [this](Component* s) { BBarBrushClick(s); };
    BBarColor->OnClick = [this](Component* s) { BBarColorClick(s); };
    CBMarksAutoPosition->OnClick = [this](Component* s) { CBMarksAutoPositionClick(s); };
}

void TBarSeriesEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    CBBarStyle->SetItemIndex(int(Series.BarStyle()));
    UDBarWidth->SetPosition(Series.BarWidthPercent());
    UDBarOffset->SetPosition(Series.OffsetPercent());
    CBYOrigin->SetChecked(Series.UseYOrigin());
    EYOrigin->SetText(FloatToStr(Series.YOrigin()));
    EYOrigin->SetEnabled(Series.UseYOrigin());
    RGMultiBar->SetItemIndex(int(Series.MultiBar()));
    CBColorEach->SetChecked(Series.ColorEachPoint());
    CBMarksAutoPosition->SetChecked(Series.AutoMarkPosition());
    CBDarkBar->SetChecked(Series.Dark3D());
    CBBarSideMargins->SetChecked(Series.SideMargins());
    RefreshSwatch();
    Updating = false;
}

void TBarSeriesEditor::RefreshSwatch() {
    SHBarColor->SetVisible(!Series.ColorEachPoint());
    BBarColor->SetEnabled(SHBarColor->Visible());
    if (SHBarColor->Visible()) SHBarColor->SetBrushColor(Series.SeriesColor());
}

void TBarSeriesEditor::SEBarwidthChange(Component*) {
    if (!Updating) Series.SetBarWidthPercent(UDBarWidth->Position());
}

void TBarSeriesEditor::SEBarOffsetChange(Component*) {
    if (!Updating) Series.SetOffsetPercent(UDBarOffset->Position());
}

void TBarSeriesEditor::CBBarStyleChange(Component*) {
    if (!Updating && CBBarStyle->ItemIndex() >= 0) Series.SetBarStyle(TBarStyle(CBBarStyle->ItemIndex()));
}

void TBarSeriesEditor::CBYOriginClick(Component*) {
    if (Updating) return;
    Series.SetUseYOrigin(CBYOrigin->Checked());
    EYOrigin->SetEnabled(CBYOrigin->Checked());
    if (EYOrigin->Enabled()) EYOrigin->SetFocus();
}

void TBarSeriesEditor::EYOriginChange(Component*) {
    double value = 0;
    if (!Updating && NumberOfEdit(*EYOrigin, value)) Series.SetYOrigin(value);
}

void TBarSeriesEditor::RGMultiBarClick(Component*) {
    if (!Updating && RGMultiBar->ItemIndex() >= 0) Series.SetMultiBar(TMultiBar(RGMultiBar->ItemIndex()));
}

void TBarSeriesEditor::CBColorEachClick(Component*) {
    if (Updating) return;
    Series.SetColorEachPoint(CBColorEach->Checked());
    RefreshSwatch();
}

void TBarSeriesEditor::CBDarkBarClick(Component*) {
    if (!Updating) Series.SetDark3D(CBDarkBar->Checked());
}

void TBarSeriesEditor::CBBarSideMarginsClick(Component*) {
    if (!Updating) Series.SetSideMargins(CBBarSideMargins->Checked());
}

void TBarSeriesEditor::BBarPenClick(Component*) { EditChartPen(*this, Series.BarPen); }

void TBarSeriesEditor::BBarBrushClick(Component*) { EditChartBrush(*this, Series.BarBrush); }

void TBarSeriesEditor::BBarColorClick(Component*) {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    CBColorEach->SetChecked(false);  // its handler stops the colour of each point
    RefreshSwatch();
}

void TBarSeriesEditor::CBMarksAutoPositionClick(Component*) {
    Series.SetAutoMarkPosition(CBMarksAutoPosition->Checked());
}

}  // namespace fv
