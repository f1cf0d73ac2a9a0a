// The application object: the end of the program, exceptions escaping handlers, and the scripted message
// boxes and beeps that tests read back.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/ui/form.h"

namespace fv {
namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Title = "Folivex";
        app.ExitHook = [this](int code) { log.push_back("exit " + std::to_string(code)); };
    }
    HeadlessLoop loop{true};
    Application app{loop};
    std::vector<std::string> log;
};

TEST_F(ApplicationTest, TerminateRunsEveryFormsOnDestroyOnceThenTheExitHook) {
    for (const char* name : {"Splash", "Main", "Hidden"}) {
        Form* f = app.CreateForm<Form>(name);
        f->OnDestroy = [this](Component* s) { log.push_back("destroy " + s->Name()); };
    }
    app.Forms()[1]->Show();
    EXPECT_EQ(app.MainForm()->Name(), "Splash") << "the first form created is the main form";
    EXPECT_FALSE(app.Terminated());

    app.Terminate(3);
    EXPECT_EQ(log, (std::vector<std::string>{"destroy Splash", "destroy Main", "destroy Hidden", "exit 3"}));
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(app.ExitCode(), 3);

    // Ending again changes nothing, and the message loop does not start any more.
    app.Terminate(5);
    app.Run();
    EXPECT_EQ(log.size(), 4u);
    EXPECT_EQ(app.ExitCode(), 3);
}

TEST_F(ApplicationTest, TerminateFromAnOnDestroyHandlerDoesNotRunTheHandlersTwice) {
    Form* a = app.CreateForm<Form>("A");
    Form* b = app.CreateForm<Form>("B");
    a->OnDestroy = [this](Component*) {
        log.push_back("destroy A");
        app.Terminate(9);
    };
    b->OnDestroy = [this](Component*) { log.push_back("destroy B"); };
    app.Terminate(1);
    EXPECT_EQ(log, (std::vector<std::string>{"destroy A", "destroy B", "exit 1"}));
}

TEST_F(ApplicationTest, TerminateEndsARunningLoop) {
    Form* f = app.CreateForm<Form>("Main");
    f->OnDestroy = [this](Component*) { log.push_back("destroy"); };
    loop.StartTimer(4000, [this] { app.Terminate(0); });
    app.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"destroy", "exit 0"}));
    EXPECT_EQ(loop.Now(), 4000);
}

TEST(ApplicationExit, WithoutAnExitHookTheProcessEndsWithTheCode) {
    EXPECT_EXIT(
        {
            HeadlessLoop loop(true);
            Application app(loop);
            app.Terminate(7);
        },
        ::testing::ExitedWithCode(7), "");
}

TEST_F(ApplicationTest, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    int after = 0;
    loop.Post([] { throw std::runtime_error("Disk full"); });
    loop.Post([&] { ++after; });
    loop.StartTimer(100, [] { throw std::runtime_error("Timer broke"); });
    loop.AdvanceBy(100);
    app.Dispatch([] { throw std::invalid_argument("Bad value"); });
    app.Dispatch([&] { ++after; });

    EXPECT_EQ(after, 2);
    const std::vector<ServiceEvent>& shown = app.Scripted().Log();
    ASSERT_EQ(shown.size(), 3u);
    const char* texts[] = {"Disk full", "Timer broke", "Bad value"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i].What, ServiceEvent::Kind::Message);
        EXPECT_EQ(shown[i].Text, texts[i]);
        EXPECT_EQ(shown[i].Caption, "Folivex");
        EXPECT_EQ(shown[i].Flags & MbIconMask, unsigned(MbIconHand));
    }
}

TEST(ScriptedMessages, AnswersQuestionsFromTheQueueAndLogsMessagesAndBeepsInOrder) {
    ScriptedMessages m;
    m.Answer(IdNo);
    m.Answer(IdCancel);

    m.Beep(BeepKind::Question);
    EXPECT_EQ(m.MessageBox("Save Changes?", "Folivex", MbYesNo | MbIconQuestion), IdNo);
    m.Beep(BeepKind::Exclamation);
    // A box with only an OK button takes no answer from the queue.
    EXPECT_EQ(m.MessageBox("Saved.", "Folivex", MbOk), IdOk);
    EXPECT_EQ(m.UnusedAnswers(), 1u);
    EXPECT_EQ(m.MessageBox("Overwrite?", "Import", MbYesNoCancel), IdCancel);
    m.Beep(BeepKind::Default);

    EXPECT_EQ(m.Messages(), (std::vector<std::string>{"Save Changes?", "Saved.", "Overwrite?"}));
    EXPECT_EQ(m.Beeps(), (std::vector<BeepKind>{BeepKind::Question, BeepKind::Exclamation, BeepKind::Default}));
    const std::vector<ServiceEvent>& log = m.Log();
    ASSERT_EQ(log.size(), 6u);
    using K = ServiceEvent::Kind;
    const K kinds[] = {K::Beep, K::Message, K::Beep, K::Message, K::Message, K::Beep};
    for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].What, kinds[i]) << i;
    EXPECT_EQ(log[1].Caption, "Folivex");
    EXPECT_EQ(log[1].Flags, unsigned(MbYesNo | MbIconQuestion));
    EXPECT_EQ(log[1].Answer, IdNo);
    EXPECT_EQ(log[4].Caption, "Import");
    EXPECT_EQ(log[4].Answer, IdCancel);
    EXPECT_EQ(m.UnusedAnswers(), 0u);

    m.ClearLog();
    EXPECT_TRUE(m.Log().empty());
}

TEST(ScriptedMessages, AQuestionWithoutAQueuedAnswerThrows) {
    ScriptedMessages m;
    for (unsigned buttons : {unsigned(MbYesNo), unsigned(MbOkCancel), unsigned(MbYesNoCancel)}) {
        try {
            m.MessageBox("Save Imported File ?", "Folivex", buttons | MbIconQuestion);
            ADD_FAILURE() << "no exception for buttons " << buttons;
        } catch (const UnansweredQuestion& e) {
            EXPECT_NE(std::string(e.what()).find("Save Imported File ?"), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(m.Log().empty());
}

TEST_F(ApplicationTest, MessagesGoThroughTheInstalledServiceAndShowMessageUsesTheTitle) {
    app.ShowMessage("Hello");
    app.Beep(BeepKind::Asterisk);
    ASSERT_EQ(app.Scripted().Log().size(), 2u);
    EXPECT_EQ(app.Scripted().Log()[0].Caption, "Folivex");
    EXPECT_EQ(app.Scripted().Log()[0].Flags, unsigned(MbOk));

    // A service the view installs takes over; clearing it brings the scripted one back.
    struct Counting : MessageService {
        int MessageBox(const std::string&, const std::string&, unsigned) override { return ++boxes, IdYes; }
        void Beep(BeepKind) override { ++beeps; }
        void PlaySound(EventSound) override {}
        int boxes = 0, beeps = 0;
    } real;
    app.SetMessages(&real);
    EXPECT_EQ(app.MessageBox("Sure?", "Folivex", MbYesNo), IdYes);
    app.Beep();
    EXPECT_EQ(real.boxes, 1);
    EXPECT_EQ(real.beeps, 1);
    app.SetMessages(nullptr);
    app.ShowMessage("Back");
    EXPECT_EQ(app.Scripted().Messages(), (std::vector<std::string>{"Hello", "Back"}));
}

TEST_F(ApplicationTest, AScriptFailureInsideAHandlerReachesTheTestInsteadOfAMessageBox) {
    // A question nobody answered is the test's mistake, not the program's error message.
    loop.Post([this] { app.MessageBox("Overwrite?", "Folivex", MbYesNo); });
    EXPECT_THROW(loop.ProcessPending(), UnansweredQuestion);
    EXPECT_THROW(app.Dispatch([this] { app.MessageBox("Again?", "Folivex", MbYesNo); }), UnansweredQuestion);
    EXPECT_TRUE(app.Scripted().Messages().empty());
    // An ordinary error is still shown and swallowed.
    app.Dispatch([] { throw std::runtime_error("disk full"); });
    EXPECT_EQ(app.Scripted().Messages(), std::vector<std::string>{"disk full"});
}

}  // namespace
}  // namespace fv
