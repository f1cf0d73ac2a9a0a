// Forms: modal runs on the headless loop, focus, what the observer (the view) is told, and tearing a form
// down with everything on it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/core/timer.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/menu.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tab_sheet.h"

namespace fv {
namespace {

template <class T> T* Place(Control* parent, const std::string& name = {}) {
    T* c = parent->Make<T>(name);
    c->SetParent(parent);
    return c;
}

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.ExitHook = [](int) {};
        main = app.CreateForm<Form>("Main");
        main->Show();
        dialog = app.CreateForm<Form>("Dialog");
        ok = Place<Button>(dialog, "Ok");
        ok->ModalResult = MrOk;
        cancel = Place<Button>(dialog, "Cancel");
        cancel->ModalResult = MrCancel;
        dialog->OnClose = [this](Component*, CloseAction&) { closes.push_back(dialog->ModalResult()); };
    }

    HeadlessLoop loop{true};
    Application app{loop};
    Form* main = nullptr;
    Form* dialog = nullptr;
    Button* ok = nullptr;
    Button* cancel = nullptr;
    std::vector<int> closes;  // the modal result as OnClose saw it
};

TEST_F(ModalTest, ShowModalReturnsTheResultTheAnswerLeaves) {
    struct Case {
        std::string answer;
        std::function<void()> act;
        int result;
    };
    const std::vector<Case> cases = {
        {"OK button", [this] { ok->Click(); }, MrOk},
        {"Cancel button", [this] { cancel->Click(); }, MrCancel},
        {"a result of the program's own", [this] { dialog->SetModalResult(5); }, 5},
        {"closing the form", [this] { dialog->Close(); }, MrCancel},
        {"hiding the form", [this] { dialog->Hide(); }, MrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        closes.clear();
        int calls = 0;
        app.OnModal = [&](Form& f) {
            ++calls;
            EXPECT_EQ(&f, dialog);
            EXPECT_TRUE(f.Visible());
            EXPECT_TRUE(f.Modal());
            EXPECT_EQ(app.ActiveForm(), dialog);
            EXPECT_EQ(f.ModalResult(), MrNone) << "each modal run starts without a result";
            c.act();
        };
        EXPECT_EQ(dialog->ShowModal(), c.result);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(dialog->ModalResult(), c.result);
        EXPECT_EQ(closes, std::vector<int>{c.result});
        EXPECT_FALSE(dialog->Visible()) << "a modal form is hidden when its run ends";
        EXPECT_FALSE(dialog->Modal());
        EXPECT_EQ(app.ActiveForm(), main);
    }
}

TEST_F(ModalTest, ClosingAModelessFormHidesItUnlessOnCloseSaysOtherwise) {
    std::vector<CloseAction> offered;
    CloseAction answer = CloseAction::None;
    main->OnClose = [&](Component*, CloseAction& action) {
        offered.push_back(action);
        action = answer;
    };
    main->Close();
    EXPECT_TRUE(main->Visible()) << "OnClose refused";
    answer = CloseAction::Hide;
    main->Close();
    EXPECT_FALSE(main->Visible());
    EXPECT_EQ(offered, (std::vector<CloseAction>{CloseAction::Hide, CloseAction::Hide}));
    EXPECT_EQ(main->ModalResult(), MrNone) << "only a modal close sets a result";
}

TEST_F(ModalTest, AnUnansweredModalThrowsInsteadOfHangingAndLeavesTheFormUsable) {
    EXPECT_THROW(dialog->ShowModal(), WouldWaitForever);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());

    // An OnModal that does not answer is no better.
    app.OnModal = [](Form&) {};
    EXPECT_THROW(dialog->ShowModal(), WouldWaitForever);
    EXPECT_FALSE(dialog->Modal());

    app.OnModal = [this](Form&) { ok->Click(); };
    EXPECT_EQ(dialog->ShowModal(), MrOk);
}

TEST_F(ModalTest, AModalRunKeepsTheLoopGoingSoTimersCanAnswerIt) {
    Timer* timer = main->Make<Timer>("Answer", 4000);
    timer->SetOnTimer([this](Component* t) {
        static_cast<Timer*>(t)->SetEnabled(false);
        ok->Click();
    });
    Millis start = loop.Now();
    EXPECT_EQ(dialog->ShowModal(), MrOk);
    EXPECT_EQ(loop.Now() - start, 4000) << "the manual clock jumps to the timer and no further";
}

TEST_F(ModalTest, NestedModalFormsEachReturnTheirOwnResultAndHandTheActivationBack) {
    Form* inner = app.CreateForm<Form>("Inner");
    auto* innerRetry = Place<Button>(inner, "Retry");
    innerRetry->ModalResult = MrRetry;
    std::vector<std::string> log;
    app.OnModal = [&](Form& f) {
        log.push_back(f.Name());
        if (&f == dialog) {
            int r = inner->ShowModal();
            log.push_back("inner gave " + std::to_string(r));
            EXPECT_EQ(app.ActiveForm(), dialog);
            EXPECT_TRUE(dialog->Modal());
            ok->Click();
        } else {
            EXPECT_EQ(app.ActiveForm(), inner);
            innerRetry->Click();
        }
    };
    EXPECT_EQ(dialog->ShowModal(), MrOk);
    EXPECT_EQ(log, (std::vector<std::string>{"Dialog", "Inner", "inner gave 4"}));
    EXPECT_EQ(app.ActiveForm(), main);
}

TEST(Focus, MovingTheActiveControlFiresExitOfTheOldThenEnterOfTheNew) {
    Form form(nullptr);
    auto* a = Place<Edit>(&form, "A");
    auto* b = Place<Edit>(&form, "B");
    std::vector<std::string> log;
    for (Edit* e : {a, b}) {
        e->OnEnter = [&log](Component* s) { log.push_back(s->Name() + " enter"); };
        e->OnExit = [&log](Component* s) { log.push_back(s->Name() + " exit"); };
    }
    a->SetFocus();
    EXPECT_TRUE(a->Focused());
    b->SetFocus();
    EXPECT_TRUE(b->Focused());
    EXPECT_FALSE(a->Focused());
    b->SetFocus();
    form.SetActiveControl(a);
    form.SetActiveControl(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"A enter", "A exit", "B enter", "B exit", "A enter", "A exit"}));
    EXPECT_EQ(form.ActiveControl(), nullptr);

    // Freeing the focused control leaves the form with none rather than a dangling one.
    b->SetFocus();
    form.FreeComponent(b);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    log.clear();
    a->SetFocus();
    EXPECT_EQ(log, std::vector<std::string>{"A enter"});
}

// Records what the view would be told.
class RecordingObserver : public ControlObserver {
public:
    void ControlChanged(Control& c, Property what) override {
        log.push_back("changed " + c.Name() + " " + std::to_string(int(what)));
    }
    void ControlAdded(Control& c) override {
        log.push_back("added " + c.Name() + " to " + (c.Parent() ? c.Parent()->Name() : "nothing"));
    }
    void ControlRemoved(Control& c) override {
        log.push_back("removed " + c.Name() + " from " + (c.Parent() ? c.Parent()->Name() : "nothing"));
    }
    void MenuChanged(MenuItem& item) override { log.push_back("menu " + item.Name()); }
    std::vector<std::string> log;
};

std::string Changed(const std::string& name, Property p) { return "changed " + name + " " + std::to_string(int(p)); }

TEST(Observer, HearsEveryChangeAdditionAndRemovalOnItsFormAndNothingElse) {
    Form form(nullptr, "F");
    Form otherForm(nullptr, "G");
    RecordingObserver view;
    form.SetObserver(&view);

    auto* panel = Place<Panel>(&form, "P");
    auto* edit = form.Make<Edit>("E");
    edit->SetParent(&form);
    auto* check = Place<CheckBox>(panel, "C");  // two levels down still reaches the form's observer
    EXPECT_EQ(view.log, (std::vector<std::string>{"added P to F", "added E to F", "added C to P"}));

    view.log.clear();
    edit->SetText("x");
    edit->SetText("x");
    check->SetChecked(true);
    panel->SetBounds(1, 2, 30, 40);
    panel->SetBounds(1, 2, 30, 40);
    edit->SetEnabled(false);
    EXPECT_EQ(view.log, (std::vector<std::string>{Changed("E", Property::Text), Changed("C", Property::Checked),
                                                  Changed("P", Property::Bounds), Changed("E", Property::Enabled)}));

    view.log.clear();
    edit->SetParent(panel);
    EXPECT_EQ(view.log, (std::vector<std::string>{"removed E from F", "added E to P"}));

    view.log.clear();
    form.FreeComponent(edit);
    EXPECT_EQ(view.log, (std::vector<std::string>{"removed E from P"}));

    view.log.clear();
    auto* menu = form.Make<MainMenu>("Menu");
    form.SetMenu(menu);
    auto* item = menu->Add(form.Make<MenuItem>("Open", "&Open"));
    item->SetEnabled(false);
    EXPECT_EQ(view.log, (std::vector<std::string>{Changed("F", Property::Menu), "menu Menu", "menu Open"}));

    // A control on another form reports to that form, not to this observer.
    view.log.clear();
    auto* stranger = Place<Edit>(&otherForm, "S");
    stranger->SetText("y");
    EXPECT_TRUE(view.log.empty());
}

TEST(Observer, AStatusBarShowsItsSimpleTextOrItsPanelsAndTellsTheViewOfEachChange) {
    Form form(nullptr, "F");
    RecordingObserver view;
    form.SetObserver(&view);
    auto* bar = Place<StatusBar>(&form, "B");
    bar->SetBounds(0, 0, 300, 19);
    bar->SetPanels({{"FTP Status", 100}, {"Ready", 50}});
    bar->SetSimpleText("Not Connected");
    // The simple text across the whole width while SimplePanel is on (as it is from the start).
    ASSERT_EQ(bar->ShownPanels().size(), 1u);
    EXPECT_EQ(bar->ShownPanels()[0].Text, "Not Connected");
    EXPECT_EQ(bar->ShownPanels()[0].Width, 300);
    bar->SetSimplePanel(false);
    bar->SetSimplePanel(false);
    ASSERT_EQ(bar->ShownPanels().size(), 2u);
    EXPECT_EQ(bar->ShownPanels()[0].Text, "FTP Status");
    EXPECT_EQ(bar->ShownPanels()[1].Width, 50);
    EXPECT_EQ(view.log, (std::vector<std::string>{"added B to F", Changed("B", Property::Bounds),
                                                  Changed("B", Property::Items), Changed("B", Property::Text),
                                                  Changed("B", Property::Style)}));
}

TEST(Destruction, FreeingAFormWithEverythingOnItIsClean) {
    HeadlessLoop loop(true);
    Application app(loop);
    app.ExitHook = [](int) {};
    RecordingObserver view;
    int ticks = 0;
    {
        // A form the application does not keep in its list, so it can be freed before the application goes.
        Form* form = app.Make<Form>("Doomed");
        form->SetObserver(&view);
        auto* panel = Place<Panel>(form, "Panel");
        auto* edit = Place<Edit>(panel, "Edit");
        auto* group = Place<GroupBox>(form, "Group");
        for (int i = 0; i < 3; ++i) Place<RadioButton>(group)->SetChecked(i == 1);
        auto* pages = Place<PageControl>(form, "Pages");
        auto* sheet1 = Place<TabSheet>(pages);
        Place<TabSheet>(pages);
        pages->SetActivePage(sheet1);
        Place<ComboBox>(sheet1)->SetItems({"a", "b"});
        // A control created before the panel it is then put on.
        auto* early = form->Make<Label>("Early");
        auto* late = Place<Panel>(form, "Late");
        early->SetParent(late);
        auto* menu = form->Make<MainMenu>();
        form->SetMenu(menu);
        menu->Add(form->Make<MenuItem>("File", "&File"))->Add(form->Make<MenuItem>("Open", "&Open", "Ctrl+O"));
        form->Make<Timer>("Tick", 100)->SetOnTimer([&ticks](Component*) { ++ticks; });
        form->Show();
        edit->SetFocus();
        loop.AdvanceBy(250);
        EXPECT_EQ(ticks, 2);
        ASSERT_EQ(app.ActiveForm(), form);
        app.FreeComponent(form);
        EXPECT_NE(app.ActiveForm(), form) << "the application must not keep the freed form as its active one";
    }
    EXPECT_EQ(app.FindComponent("Doomed"), nullptr);
    loop.AdvanceBy(1000);
    EXPECT_EQ(ticks, 2) << "the freed form's timer stopped with it";
    EXPECT_EQ(loop.ActiveTimers(), 0u);

    // The forms the application keeps go with it, in whatever state they are.
    Form* kept = app.CreateForm<Form>("Kept");
    kept->SetObserver(&view);
    Place<Edit>(Place<Panel>(kept))->SetFocus();
    kept->Show();
}

TEST(Destruction, FreeingAFormTheApplicationCreatedLeavesItNothingDangling) {
    HeadlessLoop loop(true);
    Application app(loop);
    std::vector<int> exits;
    app.ExitHook = [&exits](int code) { exits.push_back(code); };
    Form* first = app.CreateForm<Form>("First");
    Form* freed = app.CreateForm<Form>("Freed");
    Form* dialog = app.CreateForm<Form>("Dialog");
    first->Show();
    Place<Edit>(freed)->SetFocus();
    freed->Show();
    ASSERT_EQ(app.ActiveForm(), freed);

    app.FreeComponent(freed);
    EXPECT_EQ(app.Forms(), (std::vector<Form*>{first, dialog}));
    EXPECT_NE(app.ActiveForm(), freed);

    // What the application does with its forms afterwards touches only the living ones.
    app.OnModal = [](Form& f) { f.SetModalResult(MrOk); };
    EXPECT_EQ(dialog->ShowModal(), MrOk);
    EXPECT_EQ(app.FindForm("Freed"), nullptr);
    std::vector<std::string> destroyed;
    for (Form* f : app.Forms()) f->OnDestroy = [&destroyed](Component* s) { destroyed.push_back(s->Name()); };
    app.Terminate(0);
    EXPECT_EQ(destroyed, (std::vector<std::string>{"First", "Dialog"}));
    EXPECT_EQ(exits, std::vector<int>{0});
}

TEST_F(ModalTest, AFormInsideAControlShowsAndHidesAsAControlAndNeverBecomesTheActiveForm) {
    auto* pages = Place<PageControl>(main, "Pages");
    auto* sheet = Place<TabSheet>(pages, "Sheet");
    auto* page = main->Make<Form>("Page");
    auto* box = Place<CheckBox>(page, "Box");
    std::vector<std::string> log;
    page->OnShow = [&](Component*) { log.push_back("show"); };
    page->OnHide = [&](Component*) { log.push_back("hide"); };
    page->OnActivate = [&](Component*) { log.push_back("activate"); };
    page->SetParent(sheet);
    page->Show();
    EXPECT_TRUE(page->Visible());
    EXPECT_TRUE(box->Showing());
    EXPECT_EQ(app.ActiveForm(), main);
    page->Show();  // again: nothing
    box->SetFocus();
    EXPECT_EQ(main->ActiveControl(), box) << "its controls take the focus on the form around it";
    // The dialog coming and going hands the activation back to the main form, never to the page.
    dialog->Show();
    dialog->Hide();
    EXPECT_EQ(app.ActiveForm(), main);
    page->Hide();
    EXPECT_FALSE(box->Showing());
    EXPECT_EQ(log, (std::vector<std::string>{"show", "hide"}));
}

TEST(MinimumSize, AFormIsNeverSmallerThanItsMinimumAndARaisedMinimumEnlargesIt) {
    HeadlessLoop loop{true};
    Application app{loop};
    Form* form = app.CreateForm<Form>("Sized");
    form->SetBounds(0, 0, 400, 300);
    form->SetMinimumSize(208, 127);
    EXPECT_EQ(form->MinimumClientWidth(), 200);
    EXPECT_EQ(form->MinimumClientHeight(), 100);
    struct Case { int width, height, wantWidth, wantHeight; } cases[] = {
        {300, 200, 300, 200}, {100, 200, 208, 200}, {300, 50, 300, 127}, {0, 0, 208, 127}, {208, 127, 208, 127},
    };
    for (const Case& c : cases) {
        form->SetBounds(10, 20, c.width, c.height);
        EXPECT_EQ(form->Width(), c.wantWidth) << c.width << " x " << c.height;
        EXPECT_EQ(form->Height(), c.wantHeight) << c.width << " x " << c.height;
        EXPECT_EQ(form->Left(), 10);
    }
    form->SetClientSize(10, 10);
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->ClientHeight(), 100);
    form->SetMinimumSize(508, 427);
    EXPECT_EQ(form->Width(), 508);
    EXPECT_EQ(form->Height(), 427);
    form->SetMinimumSize(0, 0);
    form->SetClientSize(10, 10);
    EXPECT_EQ(form->ClientWidth(), 10);
}

}  // namespace
}  // namespace fv
