// "Axis Maximum and Minimum": asks for one limit of an axis. On an axis of dates it asks for a date and a
// time of day (the time only for a value under one day); elsewhere for a number. A text that does not read
// as one is the conversion error the user sees, and the dialog stays open.
#pragma once

#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "program/program_form.h"

namespace fv {

// A date in the locale's short date format ("m/d/yyyy"), as a day number; false when it is none.
bool TryReadDateText(const std::string& text, double& date);

class TAxisMaxMin : public ProgramForm {
public:
    TAxisMaxMin(Component* owner, Program& program);

    Label* Label1;
    Edit* EMaximum;
    Label* Label2;
    Edit* EMinimum;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;

    bool IsDateTime = false;
    double MaxMin = 0;

    void FormShow(Component* sender);
    void BitBtn1Click(Component* sender);
};

}  // namespace fv
