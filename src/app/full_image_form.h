// The window "Full Image": a record picture at its own size, closed with its OK button.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/image.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TFullImageForm : public ProgramForm {
public:
    TFullImageForm(Component* owner, Program& program);

    Panel* MainPanel;
    fv::Image* Image;
    BitBtn* BitBtn1;

    // Shows a copy of the picture (an empty one for null) modally, the window sized to it.
    void ShowPicture(const BitmapPtr& picture);
};

}  // namespace fv
