// The window "DB Configuration"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TDBSetupForm : public ProgramForm {
public:
    TDBSetupForm(Component* owner, Program& program);
};

}  // namespace fv
