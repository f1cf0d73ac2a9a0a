// The dialog "Overwrite Import File": before the first save of text-imported data, the records are
// written over the imported file or under a new database name.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TOverwriteForm : public ProgramForm {
public:
    TOverwriteForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* Label2;
    Label* Label3;
    Label* ImportFileLabel;
    Edit* ImportFileName;
    Label* NewFileLabel;
    Edit* NewFileName;
    Button* NewFileNameButton;
    Button* OverwriteButton;
    BitBtn* BitBtn1;

    void FormActivate(Component* sender);
    void OverwriteButtonClick(Component* sender);
    void NewFileNameButtonClick(Component* sender);
};

}  // namespace fv
