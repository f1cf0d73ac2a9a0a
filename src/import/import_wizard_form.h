// The window "Import Wizard"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TImportWizardForm : public ProgramForm {
public:
    TImportWizardForm(Component* owner, Program& program);
};

}  // namespace fv
