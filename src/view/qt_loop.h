// QtLoop: the program's message loop on Qt's event loop.
//
// Posted tasks wait in the loop's own queue, in order, and a Qt event to a private receiver wakes the loop
// for them, so they interleave with window events in the order both arrived. The queue
// is the loop's own because Qt does not hand events that were already queued to a loop spun inside the
// handler of another (a modal form opened by a task would starve the tasks behind it): while a task runs
// with others behind it, a fresh wake-up is always pending, and RunUntil drains the queue itself too. Timers are Qt timers (precise, so a four-second
// splash lasts four seconds); descriptors are watched with socket notifiers. RunUntil spins Qt's loop in
// place (processEvents, waiting for more) until its condition holds or its deadline passes, which is how a
// modal form or a synchronous network call waits while windows stay alive.
//
// Every callback goes through MessageLoop::RunTask, so an exception reaches OnTaskException and the loop
// goes on. Without a handler the exception is kept and rethrown from the RunUntil or ProcessPending that
// ran the callback: it must never unwind through Qt's own frames.
//
// A QApplication (or QCoreApplication) must exist before the loop is made; the loop must outlive the
// Application that uses it.
#pragma once

#include <deque>
#include <exception>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/core/clocks.h"
#include "platform/core/message_loop.h"

class QSocketNotifier;

namespace fv {

class QtLoop : public MessageLoop {
public:
    QtLoop();
    ~QtLoop() override;
    QtLoop(const QtLoop&) = delete;
    QtLoop& operator=(const QtLoop&) = delete;

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
    const Clock& GetClock() const override { return clock_; }

    std::size_t PendingTasks() const { return tasks_.size(); }
    std::size_t ActiveTimers() const { return timers_.size(); }
    std::size_t ActiveWatches() const { return watches_.size(); }

private:
    class Receiver;
    friend class Receiver;

    struct TimerEntry {
        int qtId;
        std::shared_ptr<Task> task;
    };
    struct WatchEntry {
        int fd;
        unsigned events;
        std::shared_ptr<std::function<void(unsigned)>> onReady;
        // One notifier per kind of readiness: readable, writable, exceptional condition.
        std::unique_ptr<QSocketNotifier> notifiers[3];
    };

    // Runs one callback of the loop: exceptions go to OnTaskException or are kept for rethrowing.
    void Dispatch(const Task& task);
    // Runs the tasks queued now (not those they queue); true when there were any.
    bool RunPostedTasks();
    void PostWake();
    void RethrowPending();
    void TimerFired(int qtId);
    void FdReady(WatchId id, unsigned bit);
    void UpdateNotifiers(WatchId id, WatchEntry& entry);
    void RetireNotifiers(WatchEntry& entry);
    void ReapNotifiers();

    std::unique_ptr<Receiver> receiver_;
    std::deque<Task> tasks_;
    bool wakePosted_ = false;
    SteadyClock clock_;
    std::map<TimerId, TimerEntry> timers_;
    std::unordered_map<int, TimerId> timerByQtId_;
    std::unordered_map<int, bool*> wakeTimers_;  // deadline timers of running RunUntil calls
    std::map<WatchId, WatchEntry> watches_;
    // Notifiers of stopped watches: deleted only when no callback of the loop is running, because the one
    // being stopped may be in the middle of emitting.
    std::vector<std::unique_ptr<QSocketNotifier>> retired_;
    TimerId nextTimer_ = 1;
    WatchId nextWatch_ = 1;
    int depth_ = 0;
    bool reapPosted_ = false;
    bool quit_ = false;
    std::exception_ptr pending_;
};

}  // namespace fv
