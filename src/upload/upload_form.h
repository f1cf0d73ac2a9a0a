// The window "Upload to Web Site"; its controls come with the work that gives it its behaviour.
#pragma once

#include "program/program_form.h"

namespace fv {

class TUploadForm : public ProgramForm {
public:
    TUploadForm(Component* owner, Program& program);
};

}  // namespace fv
