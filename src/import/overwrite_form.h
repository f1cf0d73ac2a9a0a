// The window "Overwrite Import File"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TOverwriteForm : public ProgramForm {
public:
    TOverwriteForm(Component* owner, Program& program);
};

}  // namespace fv
