// The category list dialog: one category per line, and the renaming of a category in every record.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TCategoryForm : public ProgramForm {
public:
    TCategoryForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* Label1;
    Memo* CatList;
    Label* Label2;
    Edit* NewName;
    Button* Button1;  // "Rename Category"
    BitBtn* BitBtn1;  // cancel
    BitBtn* BitBtn2;  // OK

    // Renames the category selected in CatList to NewName in every record and in the category box.
    void Button1Click(Component* sender);
};

}  // namespace fv
