// The main window.
#include "app/folivex_form.h"

namespace fv {

TFolivexForm::TFolivexForm(Component* owner, Program& program) : ProgramForm(owner, program, "FolivexForm") {
    SetCaption("Folivex Database Web Publishing Tools");
    SetBounds(0, 0, 800, 600);
    MainMenu1 = Make<MainMenu>("MainMenu1");
    SetMenu(MainMenu1);
    InitialLoadTimer = Make<Timer>("InitialLoadTimer", 1000, false);
    InitialLoadTimer->SetOnTimer([this](Component* s) { InitialLoadTimerHit(s); });
    MouseyTimer = Make<Timer>("MouseyTimer", 150, false);
    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](Component* s) { FormDestroy(s); };
}

void TFolivexForm::FormShow(Component*) { Repaint(); }

void TFolivexForm::FormClose(Component*, CloseAction&) {
    // Closing the main window any other way than the exit commands ends the program at once.
    P.App.Terminate(0);
}

void TFolivexForm::FormDestroy(Component*) {}

void TFolivexForm::InitialLoadTimerHit(Component*) { InitialLoadTimer->SetEnabled(false); }

void TFolivexForm::ExitButtonClick(Component*) { P.App.Terminate(0); }

}  // namespace fv
