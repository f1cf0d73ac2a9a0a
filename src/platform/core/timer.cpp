// Timer on the application's message loop.
#include "platform/core/timer.h"

#include "platform/core/message_loop.h"

namespace fv {

Timer::Timer(Component* owner, std::string name, int interval, bool enabled)
    : Component(owner, std::move(name)), interval_(interval), enabled_(enabled) {}

Timer::~Timer() {
    if (id_ && loop_) loop_->StopTimer(id_);
}

void Timer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Update();
}

void Timer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Update();
}

void Timer::SetOnTimer(NotifyEvent handler) {
    onTimer_ = std::move(handler);
    Update();
}

void Timer::Update() {
    if (id_ && loop_) loop_->StopTimer(id_);
    id_ = 0;
    if (!enabled_ || interval_ <= 0 || !onTimer_) return;
    loop_ = Loop();
    if (!loop_) return;
    id_ = loop_->StartTimer(interval_, [this] {
        if (onTimer_) onTimer_(this);
    });
}

}  // namespace fv
