// The window "General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TPublishSetupForm : public ProgramForm {
public:
    TPublishSetupForm(Component* owner, Program& program);
};

}  // namespace fv
