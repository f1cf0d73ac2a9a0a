// The window "Publishing - Auto detect NEW Files"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TPublishMessageForm : public ProgramForm {
public:
    TPublishMessageForm(Component* owner, Program& program);
};

}  // namespace fv
