// The form that shows a publish run going: the stage's caption, its progress bar, and the cancel button,
// which asks the publisher to stop between two items.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/group_box.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "program/program_form.h"

namespace fv {

class TPublishForm : public ProgramForm {
public:
    TPublishForm(Component* owner, Program& program);
    Panel* MainPanel;
    GroupBox* PublishGroup;
    ProgressBar* PublishProgressBar;
    BitBtn* BitBtn1;
    void BitBtn1Click(Component* sender);
};

}  // namespace fv
