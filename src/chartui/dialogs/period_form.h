// "Function Period": the period of a calculated function as a number of points or as a range of X values
// (days on a date-time axis), and where each period's result stands. The caller fills the state, shows
// the dialog and, after OK, hands the state to the function with ApplyFunctionPeriod.
//
// Rules of the number of points: an empty text means 0 (all points); a negative number is refused with a
// message and the last period stays; a text that is no number is the conversion error the user sees; on
// OK a number of points is rounded to whole points, so 0.3 becomes 0 (all points) and never a period of
// no points.
#pragma once

#include "chart/chart_function.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/radio_group.h"
#include "program/program_form.h"

namespace fv {

class TFormPeriod : public ProgramForm {
public:
    TFormPeriod(Component* owner, Program& program);

    Label* LCalc;
    RadioButton* RBNum;
    Edit* ENum;
    CheckBox* CBAll;
    RadioButton* RBRange;
    Label* BLabel;
    Button* BChange;
    RadioGroup* RGAlign;
    BitBtn* Button2;
    BitBtn* Button3;

    double ThePeriod = 0;
    TFunctionPeriodStyle ThePeriodStyle = psNumPoints;
    bool RangeAllowed = true;
    TFunctionPeriodAlign ThePeriodAlign = paCenter;
    bool IsDateTime = false;

    void FormShow(Component* sender);
    void RBNumClick(Component* sender);
    void RBRangeClick(Component* sender);
    void ENumChange(Component* sender);
    void CBAllClick(Component* sender);
    void BChangeClick(Component* sender);
    void RGAlignClick(Component* sender);
    void Button2Click(Component* sender);

private:
    void EnableByStyle();
    void ShowRange();
};

// Gives the function the dialog's style, period and align in one update, which recalculates once at its
// end; the update ends also when the function refuses a value.
void ApplyFunctionPeriod(TChartFunction& function, const TFormPeriod& dialog);

}  // namespace fv
