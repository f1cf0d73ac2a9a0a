// The window "General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)"; its controls come with the work that gives it its behaviour.
#include "publish/publish_setup_form.h"

namespace fv {

TPublishSetupForm::TPublishSetupForm(Component* owner, Program& program) : ProgramForm(owner, program, "PublishSetupForm") {
    SetCaption("General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)");
    SetBounds(0, 0, 640, 520);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
