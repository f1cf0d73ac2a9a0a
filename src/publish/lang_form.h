// The window "Multi-Lingual support settings..."; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TLangForm : public ProgramForm {
public:
    TLangForm(Component* owner, Program& program);
};

}  // namespace fv
