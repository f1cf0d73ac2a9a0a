// The pointer page.
#include "chartui/series_editors/series_pointer_editor.h"

#include "chart/chart_units.h"
#include "chart/series/custom_series.h"
#include "chartui/dialogs/chart_editors.h"

namespace fv {

TSeriesPointerEditor::TSeriesPointerEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesPointerEditor(owner, program, series, dynamic_cast<TCustomSeries&>(series).Pointer) {}

TSeriesPointerEditor::TSeriesPointerEditor(Component* owner, Program& program, TChartSeries&,
                                           TSeriesPointer& pointer)
    : TSeriesEditorForm(owner, program, "SeriesPointerEditor", 320, 172), Pointer(pointer) {
    GPPoint = Add<GroupBox>(this, "GPPoint", 6, 4, 308, 162);
    CBDrawPoint = Add<CheckBox>(GPPoint, "CBDrawPoint", 10, 16, 80, 17, "&Visible");
    CB3dPoint = Add<CheckBox>(GPPoint, "CB3dPoint", 10, 40, 80, 17, "&3D");
    CBPoDark = Add<CheckBox>(GPPoint, "CBPoDark", 10, 64, 80, 17, "Dar&k 3D");
    CBInflate = Add<CheckBox>(GPPoint, "CBInflate", 10, 88, 120, 17, "Inflate &Margins");
    UDPointHorizSize = AddSpin(GPPoint, "PointHorizSize", "&Width:", 150, 14, 44, 1, 1000, 1, SEPointHorizSize, &Label1);
    UDPointVertSize = AddSpin(GPPoint, "PointVertSize", "&Height:", 150, 40, 44, 1, 1000, 1, SEPointVertSize, &Label2);
    LStyle = Add<Label>(GPPoint, "LStyle", 150, 72, 40, 13, "St&yle:");
    CBPointStyle = AddList(GPPoint, "CBPointStyle", 194, 68, 104,
                           {"Square", "Circle", "Triangle", "Down Triangle", "Cross", "Diagonal Cross", "Star",
                            "Diamond", "Small Dot"});
    BPoinPenCol = Add<Button>(GPPoint, "BPoinPenCol", 10, 124, 90, 25, "B&order...");
    BPointFillColor = Add<Button>(GPPoint, "BPointFillColor", 106, 124, 100, 25, "B&ackground...");
    CBDefBrushColor = Add<CheckBox>(GPPoint, "CBDefBrushColor", 214, 128, 80, 17, "&Default");
    SEPointHorizSize->SetText("1");
    SEPointVertSize->SetText("1");

    OnShow = [this](Component* s) { FormShow(s); };
    CBDrawPoint->OnClick = [this](Component* s) { CBDrawPointClick(s); };
    CB3dPoint->OnClick = [this](Component* s) { CB3dPointClick(s); };
    CBPoDark->OnClick = [this](Component* s) { CBPoDarkClick(s); };
    CBInflate->OnClick = [this](Component* s) { CBInflateClick(s); };
    SEPointHorizSize->OnChange = [this](Component* s) { SEPointHorizSizeChange(s); };
    SEPointVertSize->OnChange = [this](Component* s) { SEPointVertSizeChange(s); };
    CBPointStyle->OnChange = [this](Component* s) { CBPointStyleChange(s); };
    BPoinPenCol->OnClick = [this](Component* s) { BPoinPenColClick(s); };
    BPointFillColor->OnClick = [this](Component* s) { BPointFillColorClick(s); };
    CBDefBrushColor->OnClick = [this](Component* s) { CBDefBrushColorClick(s); };
}

void TSeriesPointerEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    ApplyVisible(Pointer.Visible());
    CBDrawPoint->SetChecked(Pointer.Visible());
    CB3dPoint->SetChecked(Pointer.Draw3D());
    UDPointHorizSize->SetPosition(Pointer.HorizSize());
    UDPointVertSize->SetPosition(Pointer.VertSize());
    CBPointStyle->SetItemIndex(int(Pointer.Style()));
    Apply3DRule();
    CBInflate->SetChecked(Pointer.InflateMargins());
    CBPoDark->SetChecked(Pointer.Dark3D());
    CBDefBrushColor->SetChecked(Pointer.Brush.GetColor() == AutomaticColour);
    Updating = false;
}

void TSeriesPointerEditor::ApplyVisible(bool visible) {
    Pointer.SetVisible(visible);
    if (visible) {
        Apply3DRule();
    } else {
        CB3dPoint->SetEnabled(false);
        CBPoDark->SetEnabled(false);
    }
    EnableControls(visible, {CBInflate, SEPointHorizSize, UDPointHorizSize, SEPointVertSize, UDPointVertSize,
                             BPointFillColor, CBPointStyle, BPoinPenCol, CBDefBrushColor});
}

void TSeriesPointerEditor::Apply3DRule() {
    const TChartSeries* series = Pointer.Owner();
    const bool chart3D = series && series->ParentChart() && series->ParentChart()->Chart3D();
    const int style = CBPointStyle->ItemIndex();
    const bool shaped = style == psRectangle || style == psTriangle || style == psDownTriangle;
    CB3dPoint->SetEnabled(chart3D && shaped && CBDrawPoint->Checked());
    CBPoDark->SetEnabled(CB3dPoint->Enabled());
}

void TSeriesPointerEditor::CBDrawPointClick(Component*) {
    if (!Updating) ApplyVisible(CBDrawPoint->Checked());
}

void TSeriesPointerEditor::CB3dPointClick(Component*) {
    if (!Updating) Pointer.SetDraw3D(CB3dPoint->Checked());
}

void TSeriesPointerEditor::CBPoDarkClick(Component*) {
    if (!Updating) Pointer.SetDark3D(CBPoDark->Checked());
}

void TSeriesPointerEditor::CBInflateClick(Component*) {
    if (!Updating) Pointer.SetInflateMargins(CBInflate->Checked());
}

void TSeriesPointerEditor::SEPointHorizSizeChange(Component*) {
    if (!Updating) Pointer.SetHorizSize(UDPointHorizSize->Position());
}

void TSeriesPointerEditor::SEPointVertSizeChange(Component*) {
    if (!Updating) Pointer.SetVertSize(UDPointVertSize->Position());
}

void TSeriesPointerEditor::CBPointStyleChange(Component*) {
    if (Updating || CBPointStyle->ItemIndex() < 0) return;
    Pointer.SetStyle(TSeriesPointerStyle(CBPointStyle->ItemIndex()));
    Apply3DRule();
}

void TSeriesPointerEditor::BPoinPenColClick(Component*) { EditChartPen(*this, Pointer.Pen); }

void TSeriesPointerEditor::BPointFillColorClick(Component*) {
    const Color current = Pointer.Brush.GetColor();
    const Color start = current == AutomaticColour && Pointer.Owner() ? Pointer.Owner()->SeriesColor() : current;
    Pointer.Brush.SetColor(EditColor(*this, start));
    CBDefBrushColor->SetChecked(Pointer.Brush.GetColor() == AutomaticColour);
}

void TSeriesPointerEditor::CBDefBrushColorClick(Component*) {
    if (!Updating && CBDefBrushColor->Checked()) Pointer.Brush.SetColor(AutomaticColour);
}

}  // namespace fv
