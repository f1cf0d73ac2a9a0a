// The window "FTP Web Server Settings"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TFTPForm : public ProgramForm {
public:
    TFTPForm(Component* owner, Program& program);
};

}  // namespace fv
