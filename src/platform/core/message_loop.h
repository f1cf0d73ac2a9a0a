// The message loop: the one place where the program waits.
//
// All of the program's work runs on one thread, driven by posted messages, timers and socket readiness.
// There is one loop per program; a modal form or a synchronous network call does not start a second loop
// but spins the same one until its condition holds (RunUntil), which is how nested loops behaved on the
// platform the program was written for. Two implementations exist: HeadlessLoop (poll(2) and a clock that
// tests may drive by hand) and the Qt loop in view/.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace fv {

// Milliseconds on the loop's clock. Only differences mean anything.
using Millis = std::int64_t;

// A failure of a test's script (a dialog nobody answers, a wait that can never end). It is never shown
// to a user as an error of the program: it always travels up to the test.
class ScriptFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis Now() const = 0;
};

// Readiness bits of a watched descriptor.
enum FdEvent : unsigned { FdReadable = 1, FdWritable = 2, FdError = 4 };

class MessageLoop {
public:
    using Task = std::function<void()>;
    using TimerId = int;
    using WatchId = int;

    virtual ~MessageLoop() = default;

    // Queues a task that runs after everything already queued, on a later turn of the loop.
    virtual void Post(Task task) = 0;

    // A repeating timer: fires every intervalMs (at least 1 ms) until stopped. Ids are never reused.
    virtual TimerId StartTimer(int intervalMs, Task onTick) = 0;
    virtual void StopTimer(TimerId id) = 0;

    // Calls onReady with the FdEvent bits whenever fd is ready for what `events` asks.
    virtual WatchId WatchFd(int fd, unsigned events, std::function<void(unsigned)> onReady) = 0;
    virtual void ChangeWatch(WatchId id, unsigned events) = 0;
    virtual void StopWatch(WatchId id) = 0;

    // Runs everything that is due now without waiting.
    virtual void ProcessPending() = 0;

    // Runs the loop until done() is true or timeoutMs (on the loop's clock, -1 = none) has passed.
    // Returns done(). A modal form and a synchronous socket call are both built on this.
    virtual bool RunUntil(const std::function<bool()>& done, Millis timeoutMs = -1) = 0;

    // Runs until Quit().
    virtual void Run() = 0;
    virtual void Quit() = 0;

    virtual const Clock& GetClock() const = 0;
    Millis Now() const { return GetClock().Now(); }

    // Called with the exception of a task that threw; the loop goes on afterwards.
    std::function<void(const std::exception&)> OnTaskException;

protected:
    // Runs a task, handing any exception it throws to OnTaskException (or rethrowing when none is set).
    // A ScriptFailure always goes on up.
    void RunTask(const Task& task) {
        if (!OnTaskException) { task(); return; }
        try {
            task();
        } catch (const ScriptFailure&) {
            throw;
        } catch (const std::exception& e) {
            OnTaskException(e);
        }
    }
};

}  // namespace fv
