// The publish notice "Publishing - Auto detect NEW Files": after a publish that did not write every page,
// it reminds the user that only changed records were published, until "Don't show me this message again
// this session" is ticked.
#pragma once

#include <array>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TPublishMessageForm : public ProgramForm {
public:
    TPublishMessageForm(Component* owner, Program& program);

    Panel* MainPanel;
    std::array<Label*, 8> Lines;
    CheckBox* DontShow;
    BitBtn* BitBtn1;  // OK
};

}  // namespace fv
