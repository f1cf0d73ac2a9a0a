// The splash window and its timer.
#include "app/intro_form.h"

#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "platform/fs/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "program/shipped_files.h"

namespace fv {

TIntroForm::TIntroForm(Component* owner, Program& program) : ProgramForm(owner, program, "IntroForm") {
    SetBorder(FormBorder::None);
    Position = FormPosition::ScreenCenter;
    SetClientSize(222, 86);
    OleContainer1 = Add<Image>(this, "OleContainer1", 0, 0, 222, 88);
    OleContainer1->SetStretch(true);
    OleContainer1->ResourceName = "splash.png";
    Dummy = Add<Edit>(this, "Dummy", 1000, 0, 20, 20);
    OnActivate = [this](Component* s) { FormActivate(s); };
    Timer1 = Make<Timer>("Timer1", SplashMillis, true);
    Timer1->SetOnTimer([this](Component* s) { Timer1Timer(s); });
    // The splash is visible from the moment it exists.
    Show();
}

void TIntroForm::FormActivate(Component*) {
    Dummy->SetFocus();
    Repaint();
    // The splash is silent: no start-up sound plays.
}

void TIntroForm::Timer1Timer(Component*) {
    Timer1->SetEnabled(false);
    std::string cwd = CurrentDirectory();
    P.ProgramDirectory = cwd.size() > 1000 ? cwd.substr(0, 1000) : cwd;
    InstallShippedFiles(P);
    P.FolivexForm->SetCaption(std::string(ProductName) + ": [" + VersionText + "]");
    P.FolivexForm->InitialLoadTimer->SetEnabled(true);
    P.LoadForm->Show();
    Hide();
    P.FolivexForm->Show();
    P.FolivexForm->Repaint();
    P.LoadForm->Repaint();
}

}  // namespace fv
