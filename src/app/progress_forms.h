// The small forms that show a long operation of the main window running: saving, loading and sorting
// (the publishing one is the publisher's own, in publish/). The load form's activation gives the
// program's small dialogs their final sizes.
#pragma once

#include "platform/core/timer.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "program/program_form.h"

namespace fv {

class TSaveForm : public ProgramForm {
public:
    TSaveForm(Component* owner, Program& program);
    GroupBox* MainPanel;
    ProgressBar* SaveProgressBar;
    Timer* HideTimer;
    // Keeps the form on screen for ms more without holding up the program.
    void HideAfter(int ms);
};

class TLoadForm : public ProgramForm {
public:
    TLoadForm(Component* owner, Program& program);
    GroupBox* MainPanel;
    ProgressBar* LoadProgressBar;
    void FormActivate(Component* sender);
};

class TSortForm : public ProgramForm {
public:
    TSortForm(Component* owner, Program& program);
    GroupBox* SortGroup;
    Label* Label1;
};

// Gives a form the size of its outer container plus its frame (width + 13, height + 35).
void SizeFormToContainer(ProgramForm* form, const std::string& container = "MainPanel");

}  // namespace fv
