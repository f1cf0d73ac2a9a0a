// "Axis Increment": asks for the desired increment of an axis or a function period. On a date-time axis
// the increment is one of the 25 standard steps (then stepped along the calendar when "Exact" is on) or a
// custom number of days and a time of day ("2 06:00:00" is 2.25 days); elsewhere it is a plain number.
// The caller sets the state before showing and reads it back after OK.
#pragma once

#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "program/program_form.h"

namespace fv {

// The time of day texts of the increment dialogs.
inline const char* const IncrementTimeFormat = "hh:nn:ss";
// The standard step names, "One Second" to "One Year", in the order of the date-time step table.
const std::vector<std::string>& DateTimeStepNames();
// An increment in days as days and time: the time of one second for 0 or less, "2 06:00:00" from one day
// on (the time only when there is a fraction), else the time.
std::string DaysAndTimeText(double days);
// A time of day "h:m" or "h:m:s" (blanks around it allowed) as a fraction of a day; false when it is none.
bool TryReadTimeText(const std::string& text, double& time);
// What an axis or a period shows of an increment: on a date-time axis the step's name when it is a
// standard step, else the days and time; elsewhere the number in `valuesFormat`.
std::string IncrementText(double increment, bool isDateTime, const std::string& valuesFormat = "#,##0.###");

class TAxisIncrement : public ProgramForm {
public:
    TAxisIncrement(Component* owner, Program& program);

    RadioGroup* RadioGroup1;
    ComboBox* CBSteps;
    Label* Label1;
    Edit* ECustom;
    CheckBox* CBExact;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;

    bool IsDateTime = false;
    bool IsExact = false;
    double Increment = 0;
    int IStep = 0;  // 0..24 a standard step, 25 none

    void FormShow(Component* sender);
    void RadioGroup1Click(Component* sender);
    void CBExactClick(Component* sender);
    void CBStepsChange(Component* sender);
    void BitBtn1Click(Component* sender);

private:
    // Where the custom increment sits on a date-time axis, under the steps.
    static constexpr int CustomTop = 78;
    bool loading_ = false;
};

}  // namespace fv
