// The small search dialog: the text to look for in one field of the following records.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TSearchForm : public ProgramForm {
public:
    TSearchForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* Label1;
    Edit* SearchEdit;  // keeps its text from one search to the next
    Button* SearchButton;
    BitBtn* CancelButton;

    void FormShow(Component* sender);
};

}  // namespace fv
