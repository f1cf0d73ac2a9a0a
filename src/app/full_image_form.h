// The window "Full Image"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TFullImageForm : public ProgramForm {
public:
    TFullImageForm(Component* owner, Program& program);
};

}  // namespace fv
