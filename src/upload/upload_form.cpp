// The window "Upload to Web Site"; its controls come with the work that gives it its behaviour.
#include "upload/upload_form.h"

namespace fv {

TUploadForm::TUploadForm(Component* owner, Program& program) : ProgramForm(owner, program, "UploadForm") {
    SetCaption("Upload to Web Site");
    SetBounds(0, 0, 480, 360);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
