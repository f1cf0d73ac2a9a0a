// The two clocks of the headless loop: the system's monotonic clock, and one that only moves when told.
#pragma once

#include <chrono>

#include "platform/core/message_loop.h"

namespace fv {

class SteadyClock : public Clock {
public:
    Millis Now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

class ManualClock : public Clock {
public:
    Millis Now() const override { return now_; }
    void Set(Millis t) { if (t > now_) now_ = t; }
    void Advance(Millis ms) { if (ms > 0) now_ += ms; }

private:
    Millis now_ = 0;
};

}  // namespace fv
