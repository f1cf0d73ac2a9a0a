// The polar and radar series editor.
#include "chartui/series_editors/polar_series_editor.h"

#include <algorithm>
#include <cmath>

#include "chartui/dialogs/chart_editors.h"

namespace fv {

namespace {

// A real setting shown on an up-down of [min, max]: rounded, and kept inside the range first so that no
// value is too large to round.
int Rounded(double value, int min, int max) {
    if (std::isnan(value)) return min;
    return int(std::lround(std::clamp(value, double(min), double(max))));
}

}  // namespace

TPolarSeriesEditor::TPolarSeriesEditor(Component* owner, Program& program, TCustomPolarSeries& series)
    : TSeriesEditorForm(owner, program, "PolarSeriesEditor", 288, 192), Series(series) {
    CBCircled = Add<CheckBox>(this, "CBCircled", 8, 6, 134, 17, "&Circled");
    CheckBox1 = Add<CheckBox>(this, "CheckBox1", 8, 28, 134, 17, "C&lose Circle");
    BPiePen = Add<Button>(this, "BPiePen", 8, 54, 134, 25, "Circle &Pen...");
    BBackPieColor = Add<Button>(this, "BBackPieColor", 8, 84, 134, 25, "Circle &Back Color...");
    Button2 = Add<Button>(this, "Button2", 8, 126, 134, 25, "P&en...");
    BBrush = Add<Button>(this, "BBrush", 8, 156, 134, 25, "Pattern...");
    UDRotation = AddSpin(this, "Rotation", "&Rotation:", 148, 4, 68, 0, 360, 5, SERotation, &LRotation);
    UDRotation->Wrap = true;
    UDAngleInc = AddSpin(this, "AngleInc", "&Increment:", 148, 30, 68, 0, 360, 1, SEAngleInc, &LAngleInc);
    UDXRadius = AddSpin(this, "XRadius", "&X Radius:", 148, 60, 68, 0, 2000, 1, SEXRadius, &LXRadius);
    UDYRadius = AddSpin(this, "YRadius", "&Y Radius:", 148, 86, 68, 0, 2000, 1, SEYRadius, &LYRadius);
    UDRadiusInc = AddSpin(this, "RadiusInc", "Increment:", 148, 112, 68, 0, 32767, 1, SERadiusInc, &LRadiusInc);
    GBLabels = Add<GroupBox>(this, "GBLabels", 148, 134, 134, 56, "Labels:");
    CBAngleLabels = Add<CheckBox>(GBLabels, "CBAngleLabels", 8, 16, 66, 17, "&Visible");
    CBLabelsRot = Add<CheckBox>(GBLabels, "CBLabelsRot", 8, 34, 66, 17, "R&otated");
    Button1 = Add<Button>(GBLabels, "Button1", 76, 20, 56, 25, "&Font...");

    OnShow = [this](Component* s) { FormShow(s); };
    CBCircled->OnClick = [this](Component* s) { CBCircledClick(s); };
    CheckBox1->OnClick = [this](Component* s) { CheckBox1Click(s); };
    SERotation->OnChange = [this](Component* s) { SERotationChange(s); };
    SEXRadius->OnChange = [this](Component* s) { SEXRadiusChange(s); };
    SEYRadius->OnChange = [this](Component* s) { SEYRadiusChange(s); };
    SEAngleInc->OnChange = [this](Component* s) { SEAngleIncChange(s); };
    SERadiusInc->OnChange = [this](Component* s) { SERadiusIncChange(s); };
    BPiePen->OnClick = [this](Component* s) { BPiePenClick(s); };
    Button2->OnClick = [this](Component* s) { Button2Click(s); };
    BBrush->OnClick = [this](Component* s) { BBrushClick(s); };
    BBackPieColor->OnClick = [this](Component* s) { BBackPieColorClick(s); };
    CBAngleLabels->OnClick = [this](Component* s) { CBAngleLabelsClick(s); };
    CBLabelsRot->OnClick = [this](Component* s) { CBLabelsRotClick(s); };
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
}

void TPolarSeriesEditor::FormShow(Component*) {
    ResetCursor();
    CBCircled->SetChecked(Series.Circled());
    CheckBox1->SetChecked(Series.CloseCircle());
    UDRotation->SetPosition(Series.RotationAngle());
    UDXRadius->SetPosition(Series.CustomXRadius());
    UDYRadius->SetPosition(Series.CustomYRadius());
    UDRadiusInc->SetPosition(Rounded(Series.RadiusIncrement(), 0, 32767));
    CBAngleLabels->SetChecked(Series.CircleLabels());
    CBLabelsRot->SetChecked(Series.CircleLabelsRotated());
    TPolarSeries* polar = Polar();
    if (polar) UDAngleInc->SetPosition(Rounded(polar->AngleIncrement(), 0, 360));
    ShowControls(polar != nullptr, {LRotation, SERotation, UDRotation, LAngleInc, SEAngleInc, UDAngleInc});
    AddPointerPageOnce(Series.Pointer);
    Updating = false;
}

void TPolarSeriesEditor::CBCircledClick(Component*) { Series.SetCircled(CBCircled->Checked()); }

void TPolarSeriesEditor::CheckBox1Click(Component*) { Series.SetCloseCircle(CheckBox1->Checked()); }

void TPolarSeriesEditor::SERotationChange(Component*) {
    if (!Updating) Series.SetRotationAngle(UDRotation->Position());
}

void TPolarSeriesEditor::SEXRadiusChange(Component*) {
    if (!Updating) Series.SetCustomXRadius(UDXRadius->Position());
}

void TPolarSeriesEditor::SEYRadiusChange(Component*) {
    if (!Updating) Series.SetCustomYRadius(UDYRadius->Position());
}

void TPolarSeriesEditor::SEAngleIncChange(Component*) {
    if (Updating) return;
    if (TPolarSeries* polar = Polar()) polar->SetAngleIncrement(UDAngleInc->Position());
}

void TPolarSeriesEditor::SERadiusIncChange(Component*) {
    if (!Updating) Series.SetRadiusIncrement(UDRadiusInc->Position());
}

void TPolarSeriesEditor::BPiePenClick(Component*) { EditChartPen(*this, Series.CirclePen); }

void TPolarSeriesEditor::Button2Click(Component*) {
    EditChartPen(*this, Series.Pen);
    Series.SetSeriesColor(Series.Pen.GetColor());
}

void TPolarSeriesEditor::BBrushClick(Component*) { EditChartBrush(*this, Series.Brush); }

void TPolarSeriesEditor::BBackPieColorClick(Component*) {
    Series.SetCircleBackColor(EditColor(*this, Series.CircleBackColor()));
}

void TPolarSeriesEditor::CBAngleLabelsClick(Component*) { Series.SetCircleLabels(CBAngleLabels->Checked()); }

void TPolarSeriesEditor::CBLabelsRotClick(Component*) {
    Series.SetCircleLabelsRotated(CBLabelsRot->Checked());
}

void TPolarSeriesEditor::Button1Click(Component*) {
    Series.SetCircleLabelsFont(EditChartFont(*this, Series.CircleLabelsFont()));
}

}  // namespace fv
