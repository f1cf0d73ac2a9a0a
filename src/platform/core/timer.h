// Timer: a component that fires OnTimer every Interval milliseconds while it is enabled and has a handler,
// on the message loop of its application. Changing the interval of a running timer restarts it.
#pragma once

#include "platform/core/component.h"

namespace fv {

class Timer : public Component {
public:
    Timer(Component* owner, std::string name = {}, int interval = 1000, bool enabled = true);
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // Starts the timer once the handler is in place (a timer without handler does not run).
    void SetOnTimer(NotifyEvent handler);
    const NotifyEvent& OnTimer() const { return onTimer_; }
    bool Running() const { return id_ != 0; }

private:
    void Update();
    int interval_;
    bool enabled_;
    NotifyEvent onTimer_;
    int id_ = 0;
    MessageLoop* loop_ = nullptr;
};

}  // namespace fv
