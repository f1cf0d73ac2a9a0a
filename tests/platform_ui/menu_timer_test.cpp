// Menus (shortcuts, disabled items, access-key ampersands) and timers on the application's loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/app/headless_loop.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/timer.h"

namespace fv {
namespace {

TEST(Menu, PlainCaptionDropsAccessKeyAmpersandsAndKeepsDoubledOnesAsOne) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"&File", "File"},
        {"E&xit", "Exit"},
        {"Save && E&xit", "Save & Exit"},
        {"&&&Open", "&Open"},
        {"Trailing&", "Trailing"},
        {"No ampersand", "No ampersand"},
        {"&&", "&"},
        {"", ""},
    };
    Form form(nullptr);
    for (const auto& [caption, plain] : cases) {
        auto* item = form.Make<MenuItem>("", caption);
        EXPECT_EQ(item->PlainCaption(), plain) << caption;
    }
}

TEST(Menu, ShortCutsRunEnabledItemsAnywhereInTheMenuAndNothingElse) {
    Form form(nullptr);
    EXPECT_FALSE(form.PressShortCut("Ctrl+O")) << "a form without a menu has no shortcuts";

    auto* menu = form.Make<MainMenu>("Menu");
    form.SetMenu(menu);
    auto* file = menu->Add(form.Make<MenuItem>("File", "&File"));
    auto* open = file->Add(form.Make<MenuItem>("Open", "&Open...", "Ctrl+O"));
    auto* exit = file->Add(form.Make<MenuItem>("Exit", "Save && E&xit", "Ctrl+Shift+X"));
    auto* help = menu->Add(form.Make<MenuItem>("Help", "&Help"));
    auto* about = help->Add(form.Make<MenuItem>("About", "&About", "F1"));
    std::vector<std::string> clicks;
    for (MenuItem* i : {open, exit, about})
        i->OnClick = [&clicks](Component* s) { clicks.push_back(s->Name()); };
    exit->SetEnabled(false);

    struct Case {
        std::string key;
        bool handled;
    };
    const std::vector<Case> cases = {
        {"Ctrl+O", true}, {"ctrl + o", true}, {"F1", true}, {"Ctrl+Shift+X", false}, {"Ctrl+Q", false}, {"O", false},
    };
    for (const Case& c : cases) EXPECT_EQ(form.PressShortCut(c.key), c.handled) << c.key;
    EXPECT_EQ(clicks, (std::vector<std::string>{"Open", "Open", "About"}));

    // A disabled item does nothing however it is reached; enabled again, it works.
    exit->Click();
    EXPECT_EQ(clicks.size(), 3u);
    exit->SetEnabled(true);
    EXPECT_TRUE(form.PressShortCut("Ctrl+Shift+X"));
    EXPECT_EQ(clicks.back(), "Exit");

    EXPECT_EQ(menu->FindByCaption("Save & Exit"), exit);
    EXPECT_EQ(menu->FindByCaption("About"), about);
    EXPECT_EQ(menu->FindByCaption("Nothing"), nullptr);
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { app.ExitHook = [](int) {}; }
    HeadlessLoop loop{true};
    Application app{loop};
    std::vector<Millis> ticks;  // the clock at each tick
    NotifyEvent Record() {
        return [this](Component*) { ticks.push_back(loop.Now()); };
    }
};

TEST_F(TimerTest, RunsOnlyWhenEnabledWithAHandlerAndALoop) {
    auto* noHandler = app.Make<Timer>("NoHandler", 100);
    auto* disabled = app.Make<Timer>("Disabled", 100, false);
    disabled->SetOnTimer(Record());
    Timer loose(nullptr, "Loose", 100);  // no owner, so no loop to run on
    loose.SetOnTimer(Record());
    auto* zero = app.Make<Timer>("Zero", 0);
    zero->SetOnTimer(Record());
    for (Timer* t : {noHandler, disabled, &loose, zero}) EXPECT_FALSE(t->Running()) << t->Name();
    loop.AdvanceBy(1000);
    EXPECT_TRUE(ticks.empty());

    disabled->SetEnabled(true);
    EXPECT_TRUE(disabled->Running());
    loop.AdvanceBy(250);
    EXPECT_EQ(ticks, (std::vector<Millis>{1100, 1200}));

    disabled->SetEnabled(false);
    loop.AdvanceBy(1000);
    EXPECT_EQ(ticks.size(), 2u);

    // Taking the handler away stops it as well.
    disabled->SetEnabled(true);
    disabled->SetOnTimer(nullptr);
    EXPECT_FALSE(disabled->Running());
    loop.AdvanceBy(1000);
    EXPECT_EQ(ticks.size(), 2u);
}

TEST_F(TimerTest, ChangingTheIntervalRestartsTheCount) {
    auto* t = app.Make<Timer>("T", 1000);
    t->SetOnTimer(Record());
    loop.AdvanceBy(600);
    t->SetInterval(500);  // due at 1100 now, not at 1000
    loop.AdvanceBy(1000);
    EXPECT_EQ(ticks, (std::vector<Millis>{1100, 1600}));

    // Setting the same interval again is no change and does not restart it.
    ticks.clear();
    loop.AdvanceBy(300);  // 1900
    t->SetInterval(500);
    loop.AdvanceBy(200);  // 2100
    EXPECT_EQ(ticks, std::vector<Millis>{2100});
}

TEST_F(TimerTest, AHandlerMayStopOrRetimeItsOwnTimer) {
    auto* once = app.Make<Timer>("Once", 4000);
    once->SetOnTimer([this](Component* s) {
        ticks.push_back(loop.Now());
        static_cast<Timer*>(s)->SetEnabled(false);
    });
    auto* faster = app.Make<Timer>("Faster", 150);
    std::vector<Millis> fasterTicks;
    faster->SetOnTimer([&](Component* s) {
        fasterTicks.push_back(loop.Now());
        static_cast<Timer*>(s)->SetInterval(1);
    });
    loop.AdvanceBy(154);
    EXPECT_EQ(fasterTicks, (std::vector<Millis>{150, 151, 152, 153, 154}));
    faster->SetEnabled(false);
    loop.AdvanceBy(10000);
    EXPECT_EQ(ticks, std::vector<Millis>{4000});
    EXPECT_FALSE(once->Running());
    EXPECT_EQ(loop.ActiveTimers(), 0u);
}

}  // namespace
}  // namespace fv
