// The window "HTML Page & Table Header & Footer options."; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class THTMLForm : public ProgramForm {
public:
    THTMLForm(Component* owner, Program& program);
};

}  // namespace fv
