// HeadlessLoop: the message loop without a window system, on poll(2).
//
// With a manual clock, time moves only when a test advances it (AdvanceBy) or when the loop would
// otherwise sit idle with nothing but timers ahead: then it jumps straight to the next timer or deadline,
// so a four-second splash or a long network time-out takes no real time.
//
// A wait on watched descriptors is different: behind them may be a real peer (a server, a thread) that
// answers when the machine gets round to it, and no fixed grace can say how long that is under load. So
// while descriptors are watched the manual clock follows the real time spent waiting for them, and the
// loop waits in real time up to the next timer or deadline, as the steady clock does. Only a test whose
// peers are scripted and known to say nothing more calls SetPeersSilent(true): then a wait on descriptors
// gets IdleGraceMs of real time and, when none stirs, time jumps as above (a dead server's 90 s time-out
// takes no time). A test that forgets to say so is slow, never flaky.
//
// A RunUntil that could only wait forever (no task, no timer, no descriptor, no deadline) throws
// WouldWaitForever instead of hanging: in a test that means a modal dialog nobody answers.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <stdexcept>

#include "platform/core/clocks.h"
#include "platform/core/message_loop.h"

namespace fv {

class WouldWaitForever : public ScriptFailure {
public:
    using ScriptFailure::ScriptFailure;
};

class HeadlessLoop : public MessageLoop {
public:
    explicit HeadlessLoop(bool manualClock = false);
    ~HeadlessLoop() override;

    void Post(Task task) override;
    TimerId StartTimer(int intervalMs, Task onTick) override;
    void StopTimer(TimerId id) override;
    WatchId WatchFd(int fd, unsigned events, std::function<void(unsigned)> onReady) override;
    void ChangeWatch(WatchId id, unsigned events) override;
    void StopWatch(WatchId id) override;
    void ProcessPending() override;
    bool RunUntil(const std::function<bool()>& done, Millis timeoutMs = -1) override;
    void Run() override;
    void Quit() override { quit_ = true; }
    const Clock& GetClock() const override;

    // Manual clock only: moves time forward by ms, firing every timer that falls due on the way, in order,
    // each at its own time, with the posted work it causes.
    void AdvanceBy(Millis ms);

    bool ManualTime() const { return manual_ != nullptr; }

    // Manual clock only: the test declares that every watched descriptor belongs to a scripted peer
    // that will not stir unless the test makes it, so idle waits on them may jump ahead (see above).
    void SetPeersSilent(bool silent) { peersSilent_ = silent; }
    static constexpr Millis IdleGraceMs = 250;
    std::size_t PendingTasks() const { return tasks_.size(); }
    std::size_t ActiveTimers() const { return timers_.size(); }

private:
    struct TimerEntry {
        int interval;
        Millis due;
        std::shared_ptr<Task> task;
    };
    struct WatchEntry {
        int fd;
        unsigned events;
        std::shared_ptr<std::function<void(unsigned)>> onReady;
    };

    bool RunPostedTasks();
    bool FireDueTimers();
    // Polls the watched descriptors for up to waitMs of real time (0 = just look); true when any was ready.
    bool PollFds(int waitMs);
    Millis NextTimerDue() const;

    std::unique_ptr<ManualClock> manual_;
    SteadyClock steady_;
    std::deque<Task> tasks_;
    std::map<TimerId, TimerEntry> timers_;
    std::map<WatchId, WatchEntry> watches_;
    TimerId nextTimer_ = 1;
    WatchId nextWatch_ = 1;
    bool quit_ = false;
    bool peersSilent_ = false;
};

}  // namespace fv
