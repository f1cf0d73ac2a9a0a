// The window "Modify Categories"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TCategoryForm : public ProgramForm {
public:
    TCategoryForm(Component* owner, Program& program);
};

}  // namespace fv
