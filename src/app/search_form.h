// The window "SearchForm"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TSearchForm : public ProgramForm {
public:
    TSearchForm(Component* owner, Program& program);
};

}  // namespace fv
