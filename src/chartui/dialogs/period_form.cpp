// The function period dialog.
#include "chartui/dialogs/period_form.h"

#include <cmath>

#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"
#include "chart/date_steps.h"

namespace fv {

namespace {
const char* const NegativePeriod = "Function Period should be >= 0";
}  // namespace

TFormPeriod::TFormPeriod(Component* owner, Program& program) : ProgramForm(owner, program, "FormPeriod") {
    SetUpChartDialog(*this, "Function Period", 330, 186);

    LCalc = Add<Label>(this, "LCalc", 8, 8, 314, 13, "Calculate every:");
    RBNum = Add<RadioButton>(this, "RBNum", 16, 30, 130, 17, "&Number of points:");
    ENum = Add<Edit>(this, "ENum", 150, 28, 60, 21, "0");
    CBAll = Add<CheckBox>(this, "CBAll", 222, 30, 96, 17, "&All points");
    RBRange = Add<RadioButton>(this, "RBRange", 16, 60, 130, 17, "&Range of values:");
    BLabel = Add<Label>(this, "BLabel", 150, 62, 90, 13);
    BChange = Add<Button>(this, "BChange", 246, 56, 75, 25, "&Change...");
    RGAlign = Add<RadioGroup>(this, "RGAlign", 8, 92, 314, 44, "Alignment:");
    RGAlign->SetItems({"&First", "C&enter", "&Last"});
    RGAlign->Columns = 3;
    Button2 = AddOkButton(this, "Button2", 166, 150, 75, 25, {.closes = false, .takesKey = false});
    Button3 = AddCancelButton(this, "Button3", 247, 150, 75, 25);
    Button3->Default = true;  // Enter cancels: a period is changed only on purpose

    OnShow = [this](Component* s) { FormShow(s); };
    RBNum->OnClick = [this](Component* s) { RBNumClick(s); };
    RBRange->OnClick = [this](Component* s) { RBRangeClick(s); };
    ENum->OnChange = [this](Component* s) { ENumChange(s); };
    CBAll->OnClick = [this](Component* s) { CBAllClick(s); };
    BChange->OnClick = [this](Component* s) { BChangeClick(s); };
    RGAlign->OnClick = [this](Component* s) { RGAlignClick(s); };
    Button2->OnClick = [this](Component* s) { Button2Click(s); };
}

void TFormPeriod::FormShow(Component*) {
    if (ThePeriodStyle == psRange && RangeAllowed) RBRange->SetChecked(true);
    else RBNum->SetChecked(true);
    RGAlign->SetItemIndex(int(ThePeriodAlign));
    if (RBNum->Checked()) {
        if (ThePeriod < 0) ThePeriod = 0;
        ThePeriod = std::round(ThePeriod);
    }
    ENum->SetText(FloatToStr(ThePeriod));
    CBAll->SetChecked(ThePeriod == 0);
    ShowRange();
    RBRange->SetEnabled(RangeAllowed);
    EnableByStyle();
}

void TFormPeriod::EnableByStyle() {
    const bool points = RBNum->Checked();
    CBAll->SetEnabled(points);
    ENum->SetEnabled(points);
    BChange->SetEnabled(!points && RangeAllowed);
}

void TFormPeriod::ShowRange() { BLabel->SetCaption(IncrementText(ThePeriod, IsDateTime)); }

void TFormPeriod::RBNumClick(Component*) {
    if (!RBNum->Checked()) return;
    ThePeriodStyle = psNumPoints;
    EnableByStyle();
    ENum->SetFocus();
}

void TFormPeriod::RBRangeClick(Component*) {
    if (!RBRange->Checked()) return;
    ThePeriodStyle = psRange;
    EnableByStyle();
    BChange->SetFocus();
}

void TFormPeriod::ENumChange(Component*) {
    const std::string& text = ENum->Text();
    // An emptied box is no period: all points.
    double value = text.find_first_not_of(' ') == std::string::npos ? 0 : StrToFloat(text);
    if (value < 0) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.MessageBox(NegativePeriod, P.App.Title, MbOk | MbIconExclamation);
        ENum->SetText(FloatToStr(ThePeriod));
        return;
    }
    ThePeriod = value;
    CBAll->SetChecked(ThePeriod == 0);
}

void TFormPeriod::CBAllClick(Component*) {
    if (!CBAll->Checked()) return;
    ENum->SetText("0");
    ThePeriod = 0;
}

void TFormPeriod::BChangeClick(Component*) {
    RBRange->SetChecked(true);
    TemporaryDialog<TAxisIncrement> dialog(P);
    dialog->SetCaption("Period range");
    dialog->IsDateTime = IsDateTime;
    dialog->IsExact = true;
    dialog->Increment = ThePeriod;
    dialog->IStep = DateTimeStepIndex(ThePeriod);
    if (dialog->ShowModal() != MrOk) return;
    ThePeriod = dialog->Increment;
    ShowRange();
    CBAll->SetChecked(ThePeriod == 0);
}

void TFormPeriod::RGAlignClick(Component*) {
    if (RGAlign->ItemIndex() >= 0) ThePeriodAlign = TFunctionPeriodAlign(RGAlign->ItemIndex());
}

void TFormPeriod::Button2Click(Component*) {
    // A number of points is whole: a period of a fraction of a point would hold no point at all.
    if (ThePeriodStyle == psNumPoints) ThePeriod = std::round(ThePeriod);
    SetModalResult(MrOk);
}

void ApplyFunctionPeriod(TChartFunction& function, const TFormPeriod& dialog) {
    function.BeginUpdate();
    try {
        function.SetPeriodStyle(dialog.ThePeriodStyle);
        function.SetPeriod(dialog.ThePeriod);
        function.SetPeriodAlign(dialog.ThePeriodAlign);
    } catch (...) {
        // The refusal goes on to the user; the function must not stay held.
        function.EndUpdate();
        throw;
    }
    function.EndUpdate();
}

}  // namespace fv
