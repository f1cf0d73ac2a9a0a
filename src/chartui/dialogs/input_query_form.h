// A small modal question for one line of text: a caption, a prompt, an edit preset with the value, OK
// and Cancel. InputQuery answers whether the user confirmed and leaves the edited text in `value` then
// (and only then).
#pragma once

#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "program/program_form.h"

namespace fv {

class TInputQueryForm : public ProgramForm {
public:
    TInputQueryForm(Component* owner, Program& program, const std::string& caption, const std::string& prompt,
                    const std::string& value);

    Label* Prompt;
    Edit* Value;
    BitBtn* OKButton;
    BitBtn* CancelButton;
};

bool InputQuery(Program& program, const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace fv
