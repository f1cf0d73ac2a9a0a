// The window "Publish Font Colour/Size selection"; its controls come with the work that gives it its behaviour.
#pragma once

#include "app/program_form.h"

namespace fv {

class TFontForm : public ProgramForm {
public:
    TFontForm(Component* owner, Program& program);
};

}  // namespace fv
