// The fast scroll of a held navigation button, driven tick by tick: the steps it takes, when the timer
// turns fast, and when it stops.
#include <gtest/gtest.h>

#include <string>

#include "app/fast_scroll.h"
#include "platform/core/timer.h"

namespace fv::testing {
namespace {

TEST(FastScroll, StepsAndTimerFollowThePressTheTicksAndTheRelease) {
    struct Case {
        const char* what;
        const char* script;  // f: press forward, b: press back, t: a tick, r: release
        const char* steps;   // the steps taken, in order (F forward, B back)
        int interval;        // the timer's interval after the script
        bool enabled;        // whether the timer still runs
    };
    const Case cases[] = {
        {"a press starts the timer", "f", "", 150, true},
        {"the first tick only confirms the hold", "ft", "", 150, true},
        {"every later tick steps", "fttt", "FF", 150, true},
        {"seven ticks stay slow", "fttttttt", "FFFFFF", 150, true},
        {"the eighth tick turns fast", "ftttttttt", "FFFFFFF", 1, true},
        {"back steps back", "btt", "B", 150, true},
        {"a release slows the timer and its next tick stops it", "ftttttttttr", "FFFFFFFF", 150, true},
        {"the tick after the release", "ftttttttttrt", "FFFFFFFF", 150, false},
        {"a new press counts its ticks afresh", "fttrtftt", "FF", 150, true},
        // Only a release resets the count toward the fast rate: a second press without one goes on.
        {"a press without a release keeps the count", "fttttbttttt", "FFFBBBB", 1, true},
        {"after a release the count starts again", "fttttrtbttttttt", "FFFBBBBBB", 150, true},
    };
    for (const Case& c : cases) {
        Timer timer(nullptr, "MouseyTimer", 150, false);
        std::string steps;
        FastScroll scroll(timer, [&](std::uint8_t d) { steps += d == FastScroll::Forward ? 'F' : 'B'; });
        for (const char* s = c.script; *s; ++s) {
            switch (*s) {
            case 'f': scroll.Press(FastScroll::Forward); break;
            case 'b': scroll.Press(FastScroll::Back); break;
            case 't': scroll.Tick(); break;
            default: scroll.Release(); break;
            }
        }
        EXPECT_EQ(steps, c.steps) << c.what;
        EXPECT_EQ(timer.Interval(), c.interval) << c.what;
        EXPECT_EQ(timer.Enabled(), c.enabled) << c.what;
    }
}

TEST(FastScroll, ItsStateReadsAsTheWindowKeepsIt) {
    Timer timer(nullptr, "MouseyTimer", 150, false);
    FastScroll scroll(timer, nullptr);
    scroll.Press(FastScroll::Back);
    EXPECT_EQ(scroll.ScrollHeld, 1);
    EXPECT_EQ(scroll.ScrollDirection, FastScroll::Back);
    for (int i = 0; i < 3; ++i) scroll.Tick();
    EXPECT_EQ(scroll.ScrollTicks, 3);
    EXPECT_EQ(scroll.ScrollSteps, 3);
    scroll.Release();
    EXPECT_EQ(scroll.ScrollHeld, 0);
    EXPECT_EQ(scroll.ScrollSteps, 0);
    EXPECT_EQ(scroll.ScrollTicks, 3) << "the ticks of a press are counted from its start only";
}

}  // namespace
}  // namespace fv::testing
