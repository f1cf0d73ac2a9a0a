// The window "ODBC Database Connection"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TDBForm : public ProgramForm {
public:
    TDBForm(Component* owner, Program& program);
};

}  // namespace fv
