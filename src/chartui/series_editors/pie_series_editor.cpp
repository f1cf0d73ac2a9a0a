// The pie series editor.
#include "chartui/series_editors/pie_series_editor.h"

#include "chart/axis_panel.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"

namespace fv {

TPieSeriesEditor::TPieSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "PieSeriesEditor", 350, 191), Series(dynamic_cast<TPieSeries&>(series)) {
    CBCircled = Add<CheckBox>(this, "CBCircled", 8, 6, 100, 17, "&Circled Pie");
    CB3D = Add<CheckBox>(this, "CB3D", 8, 28, 100, 17, "&3 Dimensions");
    CBDark3d = Add<CheckBox>(this, "CBDark3d", 8, 50, 100, 17, "&Dark 3D");
    CBPatterns = Add<CheckBox>(this, "CBPatterns", 8, 72, 100, 17, "Pa&tterns");
    UDRotation = AddSpin(this, "Rotation", "&Rotation:", 112, 4, 96, 0, 360, 5, SERotation);
    UDRotation->Wrap = true;
    UDExpBig = AddSpin(this, "ExpBig", "&Explode biggest:", 112, 30, 96, 0, 100, 5, SEExpBig);
    UDXRadius = AddSpin(this, "XRadius", "&X Radius:", 112, 56, 96, 0, 2000, 5, SEXRadius);
    CBAutoXR = Add<CheckBox>(this, "CBAutoXR", 278, 58, 60, 17, "&Auto");
    UDYRadius = AddSpin(this, "YRadius", "&Y Radius:", 112, 82, 96, 0, 2000, 5, SEYRadius);
    CBAutoYR = Add<CheckBox>(this, "CBAutoYR", 278, 84, 60, 17, "A&uto");
    CBAutoXR->SetChecked(true);
    CBAutoYR->SetChecked(true);
    BPiePen = Add<Button>(this, "BPiePen", 8, 98, 100, 25, "&Pie Border...");
    BBackPieColor = Add<Button>(this, "BBackPieColor", 8, 128, 100, 25, "&Back Color...");
    LOrder = Add<Label>(this, "LOrder", 8, 166, 40, 13, "&Order:");
    CBOrder = AddList(this, "CBOrder", 50, 162, 90, {"Default", "Ascending", "Descending"});
    GBOther = Add<GroupBox>(this, "GBOther", 150, 110, 194, 78, "Group slices:");
    Add<Label>(GBOther, "LOtherStyle", 8, 20, 40, 13, "&Style:");
    CBOther = AddList(GBOther, "CBOther", 50, 16, 136, {"None", "Below %", "Below Value"});
    Add<Label>(GBOther, "LOtherValue", 8, 50, 40, 13, "&Value:");
    EOtherValue = Add<Edit>(GBOther, "EOtherValue", 50, 46, 50, 21);
    EOtherValue->SetText("0");
    Add<Label>(GBOther, "LOtherLabel", 104, 50, 34, 13, "&Label:");
    EOtherLabel = Add<Edit>(GBOther, "EOtherLabel", 140, 46, 46, 21);
    EOtherLabel->SetText("Other");

    OnShow = [this](Component* s) { FormShow(s); };
    CBCircled->OnClick = [this](Component* s) { CBCircledClick(s); };
    CB3D->OnClick = [this](Component* s) { CB3DClick(s); };
    CBDark3d->OnClick = [this](Component* s) { CBDark3dClick(s); };
    SERotation->OnChange = [this](Component* s) { SERotationChange(s); };
    SEExpBig->OnChange = [this](Component* s) { SEExpBigChange(s); };
    SEXRadius->OnChange = [this](Component* s) { SEXRadiusChange(s); };
    SEYRadius->OnChange = [this](Component* s) { SEYRadiusChange(s); };
    CBAutoXR->OnClick = [this](Component* s) { CBAutoXRClick(s); };
    CBAutoYR->OnClick = [this](Component* s) { CBAutoYRClick(s); };
    BPiePen->OnClick = [this](Component* s) { BPiePenClick(s); };
    CBPatterns->OnClick = [this](Component* s) { CBPatternsClick(s); };
    BBackPieColor->OnClick = [this](Component* s) { BBackPieColorClick(s); };
    CBOther->OnChange = [this](Component* s) { CBOtherChange(s); };
    EOtherValue->OnChange = [this](Component* s) { EOtherValueChange(s); };
    EOtherLabel->OnChange = [this](Component* s) { EOtherLabelChange(s); };
    CBOrder->OnChange = [this](Component* s) { CBOrderChange(s); };
}

void TPieSeriesEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    CBCircled->SetChecked(Series.Circled());
    SeriesHost* chart = Series.ParentChart();
    CB3D->SetChecked(chart && chart->Chart3D());
    CB3D->SetEnabled(chart != nullptr);
    UDExpBig->SetPosition(Series.ExplodeBiggest());
    UDRotation->SetPosition(Series.RotationAngle());
    CBDark3d->SetChecked(Series.Dark3D());
    CBPatterns->SetChecked(Series.UsePatterns());
    BBackPieColor->SetEnabled(Series.UsePatterns());
    UDXRadius->SetPosition(Series.CustomXRadius());
    UDYRadius->SetPosition(Series.CustomYRadius());
    EOtherLabel->SetText(Series.OtherSlice.Text());
    EOtherValue->SetText(FloatToStr(Series.OtherSlice.Value()));
    CBOther->SetItemIndex(int(Series.OtherSlice.Style()));
    EOtherLabel->SetEnabled(Series.OtherSlice.Style() != poNone);
    EOtherValue->SetEnabled(Series.OtherSlice.Style() != poNone);
    CBOrder->SetItemIndex(int(Series.PieValues()->Order()));
    Updating = false;
}

void TPieSeriesEditor::CBCircledClick(Component*) {
    if (!Updating) Series.SetCircled(CBCircled->Checked());
}

void TPieSeriesEditor::CB3DClick(Component*) {
    if (!Updating) Series.SetChartView3D(CB3D->Checked());
}

void TPieSeriesEditor::CBDark3dClick(Component*) {
    if (!Updating) Series.SetDark3D(CBDark3d->Checked());
}

void TPieSeriesEditor::SERotationChange(Component*) {
    if (!Updating) Series.SetRotationAngle(UDRotation->Position());
}

void TPieSeriesEditor::SEExpBigChange(Component*) {
    if (!Updating) Series.SetExplodeBiggest(UDExpBig->Position());
}

void TPieSeriesEditor::SEXRadiusChange(Component*) {
    if (Updating) return;
    Series.SetCustomXRadius(UDXRadius->Position());
    CBAutoXR->SetChecked(UDXRadius->Position() == 0);
}

void TPieSeriesEditor::SEYRadiusChange(Component*) {
    if (Updating) return;
    Series.SetCustomYRadius(UDYRadius->Position());
    CBAutoYR->SetChecked(UDYRadius->Position() == 0);
}

void TPieSeriesEditor::CBAutoXRClick(Component*) {
    if (CBAutoXR->Checked()) UDXRadius->SetPosition(0);
}

void TPieSeriesEditor::CBAutoYRClick(Component*) {
    if (CBAutoYR->Checked()) UDYRadius->SetPosition(0);
}

void TPieSeriesEditor::BPiePenClick(Component*) { EditChartPen(*this, Series.PiePen); }

void TPieSeriesEditor::CBPatternsClick(Component*) {
    if (Updating) return;
    Series.SetUsePatterns(CBPatterns->Checked());
    BBackPieColor->SetEnabled(CBPatterns->Checked());
}

void TPieSeriesEditor::BBackPieColorClick(Component*) {
    Series.SetCircleBackColor(EditColor(*this, Series.CircleBackColor()));
}

void TPieSeriesEditor::CBOtherChange(Component*) {
    if (Updating || CBOther->ItemIndex() < 0) return;
    Series.OtherSlice.SetStyle(TPieOtherStyle(CBOther->ItemIndex()));
    EOtherLabel->SetEnabled(CBOther->ItemIndex() != poNone);
    EOtherValue->SetEnabled(CBOther->ItemIndex() != poNone);
}

void TPieSeriesEditor::EOtherValueChange(Component*) {
    double value = 0;
    if (!Updating && NumberOfEdit(*EOtherValue, value)) Series.OtherSlice.SetValue(value);
}

void TPieSeriesEditor::EOtherLabelChange(Component*) {
    if (!Updating) Series.OtherSlice.SetText(EOtherLabel->Text());
}

void TPieSeriesEditor::CBOrderChange(Component*) {
    const int index = CBOrder->ItemIndex();
    if (Updating || index <= 0) return;  // "Default" leaves the values as they are
    Series.PieValues()->SetOrder(TChartListOrder(index));
    Series.PieValues()->SortByOrder();
    Series.Repaint();
}

}  // namespace fv
