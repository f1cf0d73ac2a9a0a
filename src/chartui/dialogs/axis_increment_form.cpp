// The increment dialog and the increment texts.
#include "chartui/dialogs/axis_increment_form.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "chart/date_steps.h"
#include "chart/value_format.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"

namespace fv {

const std::vector<std::string>& DateTimeStepNames() {
    static const std::vector<std::string> names = {
        "One Second",   "Five Seconds", "Ten Seconds", "Fifteen Seconds", "Thirty Seconds", "One Minute",
        "Five Minutes", "Ten Minutes",  "Fifteen Minutes", "Thirty Minutes", "One Hour",    "Two Hours",
        "Six Hours",    "Twelve Hours", "One Day",     "Two Days",        "Three Days",     "One Week",
        "Half Month",   "One Month",    "Two Months",  "Three Months",    "Four Months",    "Six Months",
        "One Year"};
    return names;
}

namespace {

std::string TimeText(double fraction) { return FormatDateTime(fraction, IncrementTimeFormat); }

}  // namespace

bool TryReadTimeText(const std::string& text, double& time) {
    int h = 0, m = 0, s = 0, used = 0;
    const int fields = std::sscanf(text.c_str(), " %d:%d%n:%d%n", &h, &m, &used, &s, &used);
    if (fields < 2) return false;
    if (fields == 2) s = 0;
    while (used < int(text.size()) && text[std::size_t(used)] == ' ') ++used;
    if (used != int(text.size()) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return false;
    time = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}

std::string DaysAndTimeText(double days) {
    if (days <= 0) return TimeText(OneSecond);
    if (days >= 1) {
        const double whole = std::floor(days);
        const double fraction = days - whole;
        std::string text = FloatToStr(whole);
        if (fraction != 0) text += " " + TimeText(fraction);
        return text;
    }
    return TimeText(days);
}

std::string IncrementText(double increment, bool isDateTime, const std::string& valuesFormat) {
    if (!isDateTime) return FormatNumber(increment, valuesFormat);
    const int step = DateTimeStepIndex(increment);
    if (step < DateTimeStepCount) return DateTimeStepNames()[std::size_t(step)];
    return DaysAndTimeText(increment);
}

TAxisIncrement::TAxisIncrement(Component* owner, Program& program)
    : ProgramForm(owner, program, "AxisIncrement") {
    SetUpChartDialog(*this, "Axis Increment", 320, 108);
    RadioGroup1 = Add<RadioGroup>(this, "RadioGroup1", 8, 4, 100, 64, "Increment:");
    RadioGroup1->SetItems({"&Standard:", "&Custom:"});
    CBSteps = Add<ComboBox>(this, "CBSteps", 116, 18, 90, 21);
    CBSteps->Style = ComboBox::ComboStyle::DropDownList;
    CBSteps->SetItems(DateTimeStepNames());
    CBExact = Add<CheckBox>(this, "CBExact", 116, 48, 116, 17, "&Exact Date Time");
    Label1 = Add<Label>(this, "Label1", 8, CustomTop + 4, 66, 13, "&Increment:");
    ECustom = Add<Edit>(this, "ECustom", 78, CustomTop, 128, 21);
    BitBtn1 = AddOkButton(this, "BitBtn1", 242, 8, 70, 25, {.closes = false});
    BitBtn2 = AddCancelButton(this, "BitBtn2", 242, 40, 70, 25);

    OnShow = [this](Component* s) { FormShow(s); };
    RadioGroup1->OnClick = [this](Component* s) { RadioGroup1Click(s); };
    CBExact->OnClick = [this](Component* s) { CBExactClick(s); };
    CBSteps->OnChange = [this](Component* s) { CBStepsChange(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
}

void TAxisIncrement::FormShow(Component*) {
    loading_ = true;
    P.App.SetScreenCursor(Cursor::Default);
    CBExact->SetVisible(IsDateTime);
    CBExact->SetChecked(IsExact);
    CBSteps->SetVisible(IsDateTime);
    RadioGroup1->SetVisible(IsDateTime);
    if (IsDateTime) {
        ECustom->SetTop(CustomTop);
        Label1->SetTop(CustomTop + 4);
        ECustom->SetHint("Enter [Number of Days] [hh:mm:ss]");
        ECustom->SetText(DaysAndTimeText(Increment));
        if (IsExact && IStep != DateTimeStepCount) {
            RadioGroup1->SetItemIndex(0);
            CBSteps->SetItemIndex(IStep);
            ECustom->SetText("");
            ECustom->SetEnabled(false);
            CBSteps->SetEnabled(true);
            CBExact->SetEnabled(true);
            CBSteps->SetFocus();
        } else {
            RadioGroup1->SetItemIndex(1);
            CBSteps->SetItemIndex(-1);
            CBSteps->SetEnabled(false);
            CBExact->SetEnabled(false);
        }
    } else {
        RadioGroup1->SetItemIndex(1);
        ECustom->SetHint("");
        ECustom->SetText(FloatToStr(Increment));
        // Without the steps the number moves up beside the OK button, its label with it.
        ECustom->SetTop(BitBtn1->Top());
        Label1->SetTop(BitBtn1->Top() + 4);
        ECustom->SetFocus();
    }
    loading_ = false;
}

void TAxisIncrement::RadioGroup1Click(Component*) {
    if (loading_) return;
    const bool standard = RadioGroup1->ItemIndex() == 0;
    ECustom->SetEnabled(!standard);
    IsExact = standard;
    CBExact->SetChecked(standard);
    CBExact->SetEnabled(standard);
    CBSteps->SetEnabled(standard);
    if (standard) {
        if (IStep >= DateTimeStepCount) IStep = 0;
        CBSteps->SetItemIndex(IStep);
        CBSteps->SetFocus();
    } else {
        ECustom->SetText(DaysAndTimeText(Increment));
        ECustom->SetFocus();
    }
}

void TAxisIncrement::CBExactClick(Component*) {
    if (loading_) return;
    IsExact = CBExact->Checked();
    if (!IsExact && RadioGroup1->ItemIndex() != 1) RadioGroup1->SetItemIndex(1);
}

void TAxisIncrement::CBStepsChange(Component*) {
    if (CBSteps->ItemIndex() >= 0) IStep = CBSteps->ItemIndex();
}

void TAxisIncrement::BitBtn1Click(Component*) {
    const std::string text = ECustom->Text();
    if (!IsDateTime) {
        Increment = StrToFloat(text);
    } else if (RadioGroup1->ItemIndex() == 1) {
        double time = 0;
        const std::size_t blank = text.find(' ');
        if (blank != std::string::npos && TryReadTimeText(text.substr(blank + 1), time)) {
            Increment = StrToFloat(text.substr(0, blank)) + time;
        } else if (blank == std::string::npos && TryReadTimeText(text, time)) {
            Increment = time;
        } else {
            // Not days and a time: the whole text as days, or the conversion error the user sees.
            Increment = StrToFloat(text);
        }
    } else {
        Increment = DateTimeStep(IStep < DateTimeStepCount ? IStep : 0);
    }
    SetModalResult(MrOk);
}

}  // namespace fv
