// The window "Search Engine Setup"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TSearchSetup : public ProgramForm {
public:
    TSearchSetup(Component* owner, Program& program);
};

}  // namespace fv
