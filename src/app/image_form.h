// The window "Image Selection "; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TImageForm : public ProgramForm {
public:
    TImageForm(Component* owner, Program& program);
};

}  // namespace fv
