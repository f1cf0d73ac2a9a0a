// The window "Karvo Shopping Cart"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TKarvoForm : public ProgramForm {
public:
    TKarvoForm(Component* owner, Program& program);
};

}  // namespace fv
