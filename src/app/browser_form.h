// The window "Browser Selection"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TBrowserForm : public ProgramForm {
public:
    TBrowserForm(Component* owner, Program& program);
};

}  // namespace fv
