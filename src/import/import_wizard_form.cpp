// The window "Import Wizard"; its controls come with the work that gives it its behaviour.
#include "import/import_wizard_form.h"

namespace fv {

TImportWizardForm::TImportWizardForm(Component* owner, Program& program) : ProgramForm(owner, program, "ImportWizardForm") {
    SetCaption("Import Wizard");
    SetBounds(0, 0, 640, 520);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
