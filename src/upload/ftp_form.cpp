// The window "FTP Web Server Settings"; its controls come with the work that gives it its behaviour.
#include "upload/ftp_form.h"

namespace fv {

TFTPForm::TFTPForm(Component* owner, Program& program) : ProgramForm(owner, program, "FTPForm") {
    SetCaption("FTP Web Server Settings");
    SetBounds(0, 0, 360, 240);
    Position = FormPosition::ScreenCenter;
}

}  // namespace fv
