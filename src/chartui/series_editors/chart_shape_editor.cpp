// The shape series editor.
#include "chartui/series_editors/chart_shape_editor.h"

#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"

namespace fv {

TChartShapeEditor::TChartShapeEditor(Component* owner, Program& program, TChartShape& series)
    : TSeriesEditorForm(owner, program, "ChartShapeEditor", 339, 194), TheShape(series) {
    Updating = false;  // set by the show itself
    LStyle = Add<Label>(this, "LStyle", 8, 12, 42, 13, "&Style:");
    CBStyle = Add<ComboBox>(this, "CBStyle", 52, 8, 120, 21);
    CBStyle->Style = ComboBox::ComboStyle::DropDownList;
    CBStyle->SetItems({"Rectangle", "Circle", "Vertical Line", "Horiz. Line", "Triangle", "Invert. Triangle", "Line",
                       "Diamond", "Cube", "Cross", "Diagonal Cross", "Star", "Pyramid", "Invert. Pyramid"});
    BShapeColor = Add<Button>(this, "BShapeColor", 8, 38, 94, 25, "Bac&kground...");
    SHColor = AddSwatch(this, "SHColor", 106, 38, 26, 25, [this] { BShapeColorClick(SHColor); });
    BShapeBrush = Add<Button>(this, "BShapeBrush", 8, 68, 94, 25, "&Pattern...");
    BShapePen = Add<Button>(this, "BShapePen", 8, 98, 94, 25, "Bor&der...");
    CBTrans = Add<CheckBox>(this, "CBTrans", 106, 72, 90, 17, "Tra&nsparent");

    auto corner = [this](const char* name, const char* caption, int left, int top, Label*& label) {
        label = Add<Label>(this, std::string("L") + (name + 2), left, top + 4, 48, 13, caption);
        return Add<Edit>(this, name, left + 50, top, 46, 21);
    };
    SEX0 = corner("SEX0", "&Left:", 8, 132, LX0);
    SEY0 = corner("SEY0", "&Top:", 8, 160, LY0);
    SEX1 = corner("SEX1", "&Right:", 106, 132, LX1);
    SEY1 = corner("SEY1", "&Bottom:", 106, 160, LY1);

    LText = Add<Label>(this, "LText", 204, 8, 40, 13, "Te&xt:");
    MemoText = Add<Memo>(this, "MemoText", 204, 24, 128, 56);
    RGAlign = Add<RadioGroup>(this, "RGAlign", 204, 84, 128, 76, "&Alignment");
    RGAlign->SetItems({"Left", "Center", "Right"});
    Button1 = Add<Button>(this, "Button1", 204, 164, 86, 25, "F&ont...");

    OnShow = [this](Component* s) { FormShow(s); };
    CBStyle->OnChange = [this](Component* s) { CBStyleChange(s); };
    CBTrans->OnClick = [this](Component*) { TheShape.SetTransparent(CBTrans->Checked()); };
    SEX0->OnChange = [this](Component*) { CornerChange(*SEX0, 0, true); };
    SEY0->OnChange = [this](Component*) { CornerChange(*SEY0, 0, false); };
    SEX1->OnChange = [this](Component*) { CornerChange(*SEX1, 1, true); };
    SEY1->OnChange = [this](Component*) { CornerChange(*SEY1, 1, false); };
    MemoText->OnChange = [this](Component* s) { MemoTextChange(s); };
    RGAlign->OnClick = [this](Component* s) { RGAlignClick(s); };
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
    BShapeColor->OnClick = [this](Component* s) { BShapeColorClick(s); };
    BShapeBrush->OnClick = [this](Component* s) { BShapeBrushClick(s); };
    BShapePen->OnClick = [this](Component* s) { BShapePenClick(s); };
}

void TChartShapeEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    ShowColour(*SHColor, TheShape.Brush.GetColor());
    CBStyle->SetItemIndex(int(TheShape.Style()));
    CBTrans->SetChecked(TheShape.Transparent());
    if (TheShape.Count() == 2) {
        SEX0->SetText(FloatToStr(TheShape.X0()));
        SEY0->SetText(FloatToStr(TheShape.Y0()));
        SEX1->SetText(FloatToStr(TheShape.X1()));
        SEY1->SetText(FloatToStr(TheShape.Y1()));
    }
    MemoText->SetFont(TheShape.ShapeFont());
    MemoText->SetLines(TheShape.Text());
    switch (TheShape.Alignment()) {
    case TAlignment::taLeftJustify: RGAlign->SetItemIndex(0); break;
    case TAlignment::taRightJustify: RGAlign->SetItemIndex(2); break;
    case TAlignment::taCenter: RGAlign->SetItemIndex(1); break;
    }
    Updating = false;
}

void TChartShapeEditor::CBStyleChange(Component*) {
    if (CBStyle->ItemIndex() >= 0) TheShape.SetStyle(TChartShapeStyle(CBStyle->ItemIndex()));
}

void TChartShapeEditor::CornerChange(Edit& edit, int index, bool x) {
    if (Updating || edit.Text().empty()) return;
    const double value = StrToFloat(edit.Text());  // a text that is no number is the user's error to see
    // A series without this corner has nothing to move (and draws nothing until it has two points).
    if (index >= TheShape.Count()) return;
    if (x) TheShape.SetXValue(index, value);
    else TheShape.SetYValue(index, value);
}

void TChartShapeEditor::MemoTextChange(Component*) {
    if (!Updating) TheShape.SetText(MemoText->Lines());
}

void TChartShapeEditor::RGAlignClick(Component*) {
    switch (RGAlign->ItemIndex()) {
    case 0: TheShape.SetAlignment(TAlignment::taLeftJustify); break;
    case 1: TheShape.SetAlignment(TAlignment::taCenter); break;
    case 2: TheShape.SetAlignment(TAlignment::taRightJustify); break;
    default: break;
    }
}

void TChartShapeEditor::Button1Click(Component*) {
    TheShape.SetFont(EditChartFont(*this, TheShape.ShapeFont()));
    MemoText->SetFont(TheShape.ShapeFont());
}

void TChartShapeEditor::BShapeColorClick(Component*) {
    TheShape.SetSeriesColor(EditColor(*this, TheShape.Brush.GetColor()));
    ShowColour(*SHColor, TheShape.Brush.GetColor());
}

void TChartShapeEditor::BShapeBrushClick(Component*) {
    EditChartBrush(*this, TheShape.Brush);
    TheShape.SetSeriesColor(TheShape.Brush.GetColor());
    ShowColour(*SHColor, TheShape.Brush.GetColor());
}

void TChartShapeEditor::BShapePenClick(Component*) { EditChartPen(*this, TheShape.Pen); }

}  // namespace fv
