// FastScroll: the main window's fast scroll while its forward or back button is held down, over the
// window's timer.
//
// Rules:
// - A press holds the scroll in its direction and starts the timer; the press's own count starts at zero.
// - The first tick of a press only confirms the hold; every later tick takes one step.
// - The eighth tick since the last release switches the timer to its fastest rate (1 ms); the count of
//   ticks since the release is reset only by a release, so it runs across the whole press.
// - A release puts the timer back to 150 ms; the next tick stops it. The release's own click takes its
//   step through the button, not here.
#pragma once

#include <cstdint>
#include <functional>

namespace fv {

class Timer;

class FastScroll {
public:
    static constexpr int Interval = 150;     // ms between the steps of a held button
    static constexpr int FastInterval = 1;   // ms from the eighth tick on
    static constexpr std::uint8_t Forward = 1, Back = 2;

    // `step` takes one step in a direction (Forward or Back), as the button's click does.
    FastScroll(Timer& timer, std::function<void(std::uint8_t direction)> step);
    FastScroll(const FastScroll&) = delete;
    FastScroll& operator=(const FastScroll&) = delete;

    void Press(std::uint8_t direction);
    void Release();
    // One tick of the timer.
    void Tick();

    std::uint8_t ScrollHeld = 0;       // 1 while a button is held
    std::uint8_t ScrollDirection = 0;  // Forward or Back
    std::int32_t ScrollTicks = 0;      // ticks since the button went down
    std::int32_t ScrollSteps = 0;      // ticks since the last release

private:
    Timer& timer_;
    std::function<void(std::uint8_t)> step_;
};

}  // namespace fv
