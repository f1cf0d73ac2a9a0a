// The fast scroll of a held navigation button.
#include "app/fast_scroll.h"

#include "platform/core/timer.h"

namespace fv {

FastScroll::FastScroll(Timer& timer, std::function<void(std::uint8_t)> step) : timer_(timer), step_(std::move(step)) {}

void FastScroll::Press(std::uint8_t direction) {
    ScrollHeld = 1;
    ScrollDirection = direction;
    ScrollTicks = 0;
    timer_.SetEnabled(true);
}

void FastScroll::Release() {
    ScrollHeld = 0;
    timer_.SetInterval(Interval);
    ScrollSteps = 0;
}

void FastScroll::Tick() {
    ScrollTicks += 1;
    if (!ScrollHeld) {
        timer_.SetEnabled(false);
        return;
    }
    // The first tick only confirms the button is held; the click on release takes its own step.
    if (ScrollTicks > 1 && step_) step_(ScrollDirection);
    if (ScrollSteps++ == 7) timer_.SetInterval(FastInterval);
}

}  // namespace fv
