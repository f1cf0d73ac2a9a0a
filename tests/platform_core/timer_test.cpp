// Timers on the loop of the component chain they belong to.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/component.h"
#include "platform/core/headless_loop.h"
#include "platform/core/timer.h"

namespace fv {
namespace {

// The top of an owner chain that gives its components a loop, as the application does in the program.
class LoopRoot : public Component {
public:
    explicit LoopRoot(MessageLoop& loop) : loop_(loop) {}
    MessageLoop* Loop() const override { return &loop_; }

private:
    MessageLoop& loop_;
};

class TimerTest : public ::testing::Test {
protected:
    HeadlessLoop loop{true};
    LoopRoot app{loop};
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
