// The window "RozizAForm"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TRozizAForm : public ProgramForm {
public:
    TRozizAForm(Component* owner, Program& program);
};

}  // namespace fv
