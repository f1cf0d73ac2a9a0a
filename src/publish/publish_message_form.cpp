// The window "Publishing - Auto detect NEW Files"; its controls come with the work that gives it its behaviour.
#include "publish/publish_message_form.h"

namespace fv {

TPublishMessageForm::TPublishMessageForm(Component* owner, Program& program) : ProgramForm(owner, program, "PublishMessageForm") {
    SetCaption("Publishing - Auto detect NEW Files");
    SetBounds(0, 0, 400, 220);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
