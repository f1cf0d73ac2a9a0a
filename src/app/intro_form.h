// The splash window: shown for four seconds at start, then it hands over to the main window.
#pragma once

#include "platform/core/timer.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "program/program_form.h"

namespace fv {

class TIntroForm : public ProgramForm {
public:
    TIntroForm(Component* owner, Program& program);

    Image* OleContainer1;  // the splash picture
    Edit* Dummy;           // off screen; takes the keyboard focus
    Timer* Timer1;

    void FormActivate(Component* sender);
    void Timer1Timer(Component* sender);

    static constexpr int SplashMillis = 4000;
};

}  // namespace fv
