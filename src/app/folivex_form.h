// The main window: the record editor, its navigation and commands, and the menu.
#pragma once

#include "app/program_form.h"
#include "platform/ui/menu.h"
#include "platform/ui/timer.h"

namespace fv {

class TFolivexForm : public ProgramForm {
public:
    TFolivexForm(Component* owner, Program& program);

    Timer* InitialLoadTimer;
    Timer* MouseyTimer;
    MainMenu* MainMenu1;

    void FormShow(Component* sender);
    void FormClose(Component* sender, CloseAction& action);
    void FormDestroy(Component* sender);
    void InitialLoadTimerHit(Component* sender);
    void ExitButtonClick(Component* sender);
};

}  // namespace fv
