// The area series editor.
#include "chartui/series_editors/area_series_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TAreaSeriesEditor::TAreaSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "AreaSeriesEditor", 307, 162), Series(dynamic_cast<TAreaSeries&>(series)) {
    RGMultiArea = Add<RadioGroup>(this, "RGMultiArea", 8, 4, 130, 80, "&Multiple Areas:");
    RGMultiArea->SetItems({"None", "Stacked", "Stacked 100%"});
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 8, 92, 130, 17, "Color &Each Point");
    BAreaColor = Add<Button>(this, "BAreaColor", 8, 116, 80, 25, "&Color...");
    SHAreaColor = AddSwatch(this, "SHAreaColor", 96, 118, [this] { BAreaColorClick(SHAreaColor); });
    LPattern = Add<Label>(this, "LPattern", 150, 12, 50, 13, "&Pattern:");
    CBAreaBrush = AddList(this, "CBAreaBrush", 200, 8, 100, BrushStyleNames());
    CBStairs = Add<CheckBox>(this, "CBStairs", 150, 40, 70, 17, "&Stairs");
    CBInvStairs = Add<CheckBox>(this, "CBInvStairs", 226, 40, 74, 17, "Inverted");
    BAreaLinesPen = Add<Button>(this, "BAreaLinesPen", 150, 72, 100, 25, "Area &Lines...");
    BAreaLinePen = Add<Button>(this, "BAreaLinePen", 150, 104, 100, 25, "&Border...");
    Updating = false;  // no handler here waits for the load

    OnShow = [this](Component* s) { FormShow(s); };
    RGMultiArea->OnClick = [this](Component* s) { RGMultiAreaClick(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    BAreaColor->OnClick = [this](Component* s) { BAreaColorClick(s); };
    CBStairs->OnClick = [this](Component* s) { CBStairsClick(s); };
    CBInvStairs->OnClick = [this](Component* s) { CBInvStairsClick(s); };
    CBAreaBrush->OnChange = [this](Component* s) { CBAreaBrushChange(s); };
    BAreaLinesPen->OnClick = [this](Component* s) { BAreaLinesPenClick(s); };
    BAreaLinePen->OnClick = [this](Component* s) { BAreaLinePenClick(s); };
}

void TAreaSeriesEditor::FormShow(Component*) {
    ResetCursor();
    // Each control is given what the series holds, so the handlers that fire write the same values back.
    RGMultiArea->SetItemIndex(int(Series.MultiArea()));
    CBColorEach->SetChecked(Series.ColorEachPoint());
    CBAreaBrush->SetItemIndex(int(Series.AreaBrush()));
    CBStairs->SetChecked(Series.Stairs());
    CBInvStairs->SetChecked(Series.InvertedStairs());
    CBInvStairs->SetEnabled(Series.Stairs());
    RefreshSwatch();
    AddPointerPageOnce(Series.Pointer);
}

void TAreaSeriesEditor::RefreshSwatch() {
    SHAreaColor->SetVisible(!Series.ColorEachPoint());
    BAreaColor->SetEnabled(SHAreaColor->Visible());
    SHAreaColor->SetBrushColor(Series.AreaColor() == AutomaticColour ? Series.SeriesColor() : Series.AreaColor());
}

void TAreaSeriesEditor::RGMultiAreaClick(Component*) {
    if (RGMultiArea->ItemIndex() >= 0) Series.SetMultiArea(TMultiArea(RGMultiArea->ItemIndex()));
}

void TAreaSeriesEditor::CBColorEachClick(Component*) {
    Series.SetColorEachPoint(CBColorEach->Checked());
    RefreshSwatch();
}

void TAreaSeriesEditor::BAreaColorClick(Component*) {
    const Color chosen = EditColor(*this, SHAreaColor->BrushColor());
    Series.SetSeriesColor(chosen);
    // An area with a colour of its own is filled with that colour: the choice goes there too, or the
    // swatch and the area would go on showing the old one.
    if (Series.AreaColor() != AutomaticColour) Series.SetAreaColor(chosen);
    RefreshSwatch();
}

void TAreaSeriesEditor::CBStairsClick(Component*) {
    Series.SetStairs(CBStairs->Checked());
    CBInvStairs->SetEnabled(Series.Stairs());
}

void TAreaSeriesEditor::CBInvStairsClick(Component*) { Series.SetInvertedStairs(CBInvStairs->Checked()); }

void TAreaSeriesEditor::CBAreaBrushChange(Component*) {
    if (CBAreaBrush->ItemIndex() >= 0) Series.SetAreaBrush(BrushStyle(CBAreaBrush->ItemIndex()));
}

void TAreaSeriesEditor::BAreaLinesPenClick(Component*) { EditChartPen(*this, Series.AreaLinesPen); }

void TAreaSeriesEditor::BAreaLinePenClick(Component*) { EditChartPen(*this, Series.LinePen); }

}  // namespace fv
