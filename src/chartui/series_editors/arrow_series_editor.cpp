// The arrow series editor.
#include "chartui/series_editors/arrow_series_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TArrowSeriesEditor::TArrowSeriesEditor(Component* owner, Program& program, TArrowSeries& series)
    : TSeriesEditorForm(owner, program, "ArrowSeriesEditor", 239, 105), Arrows(series) {
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 8, 8, 120, 17, "Color &Each Arrow");
    BArrowColor = Add<Button>(this, "BArrowColor", 8, 32, 82, 25, "&Color...");
    SHArrowColor = AddSwatch(this, "SHArrowColor", 96, 32, 26, 25, [this] { BArrowColorClick(SHArrowColor); });
    BPen = Add<Button>(this, "BPen", 8, 66, 82, 25, "&Border...");
    BBrush = Add<Button>(this, "BBrush", 96, 66, 82, 25, "&Pattern...");
    LArrowWidth = Add<Label>(this, "LArrowWidth", 130, 10, 48, 13, "&Width:");
    UDArrowWidth = AddSpin(this, "SEArrowWidth", "UDArrowWidth", 182, 6, 36, 1, 100, 1,
                           [this] { SEArrowWidthChange(SEArrowWidth); }, &SEArrowWidth);
    LArrowHeight = Add<Label>(this, "LArrowHeight", 130, 38, 48, 13, "&Height:");
    UDArrowHeight = AddSpin(this, "SEArrowHeight", "UDArrowHeight", 182, 34, 36, 1, 100, 1,
                            [this] { SEArrowHeightChange(SEArrowHeight); }, &SEArrowHeight);

    OnShow = [this](Component* s) { FormShow(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    BArrowColor->OnClick = [this](Component* s) { BArrowColorClick(s); };
    BPen->OnClick = [this](Component* s) { BPenClick(s); };
    BBrush->OnClick = [this](Component* s) { BBrushClick(s); };
}

void TArrowSeriesEditor::FormShow(Component*) {
    ResetCursor();
    CBColorEach->SetChecked(Arrows.ColorEachPoint());
    UDArrowWidth->SetPosition(Arrows.ArrowWidth());
    UDArrowHeight->SetPosition(Arrows.ArrowHeight());
    ShowColour(*SHArrowColor, Arrows.SeriesColor());
    ShowColorControls();
    Updating = false;
}

void TArrowSeriesEditor::ShowColorControls() {
    BArrowColor->SetEnabled(!Arrows.ColorEachPoint());
    SHArrowColor->SetVisible(BArrowColor->Enabled());
}

void TArrowSeriesEditor::CBColorEachClick(Component*) {
    Arrows.SetColorEachPoint(CBColorEach->Checked());
    if (Arrows.ColorEachPoint()) Arrows.Pointer.Brush.SetColor(AutomaticColour);
    ShowColorControls();
}

void TArrowSeriesEditor::BArrowColorClick(Component*) {
    Arrows.SetSeriesColor(EditColor(*this, Arrows.SeriesColor()));
    ShowColour(*SHArrowColor, Arrows.SeriesColor());
}

void TArrowSeriesEditor::BPenClick(Component*) { EditChartPen(*this, Arrows.Pointer.Pen); }

void TArrowSeriesEditor::BBrushClick(Component*) { EditChartBrush(*this, Arrows.Pointer.Brush); }

void TArrowSeriesEditor::SEArrowWidthChange(Component*) {
    if (!Updating) Arrows.SetArrowWidth(UDArrowWidth->Position());
}

void TArrowSeriesEditor::SEArrowHeightChange(Component*) {
    if (!Updating) Arrows.SetArrowHeight(UDArrowHeight->Position());
}

}  // namespace fv
