// HeadlessLoop: posted tasks, timers and descriptor readiness without a window system.
#include "platform/core/headless_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <vector>

namespace fv {

namespace {
constexpr Millis Never = std::numeric_limits<Millis>::max();
}

HeadlessLoop::HeadlessLoop(bool manualClock) {
    if (manualClock) manual_ = std::make_unique<ManualClock>();
}

HeadlessLoop::~HeadlessLoop() = default;

const Clock& HeadlessLoop::GetClock() const {
    if (manual_) return *manual_;
    return steady_;
}

void HeadlessLoop::Post(Task task) { tasks_.push_back(std::move(task)); }

MessageLoop::TimerId HeadlessLoop::StartTimer(int intervalMs, Task onTick) {
    int interval = std::max(1, intervalMs);
    TimerId id = nextTimer_++;
    timers_[id] = TimerEntry{interval, Now() + interval, std::make_shared<Task>(std::move(onTick))};
    return id;
}

void HeadlessLoop::StopTimer(TimerId id) { timers_.erase(id); }

MessageLoop::WatchId HeadlessLoop::WatchFd(int fd, unsigned events, std::function<void(unsigned)> onReady) {
    WatchId id = nextWatch_++;
    watches_[id] = WatchEntry{fd, events, std::make_shared<std::function<void(unsigned)>>(std::move(onReady))};
    return id;
}

void HeadlessLoop::ChangeWatch(WatchId id, unsigned events) {
    auto it = watches_.find(id);
    if (it != watches_.end()) it->second.events = events;
}

void HeadlessLoop::StopWatch(WatchId id) { watches_.erase(id); }

bool HeadlessLoop::RunPostedTasks() {
    // Only what was queued when we started: a task that posts another leaves it for the next turn.
    std::size_t n = tasks_.size();
    for (std::size_t i = 0; i < n && !tasks_.empty(); ++i) {
        Task t = std::move(tasks_.front());
        tasks_.pop_front();
        RunTask(t);
    }
    return n > 0;
}

Millis HeadlessLoop::NextTimerDue() const {
    Millis next = Never;
    for (const auto& [id, t] : timers_) next = std::min(next, t.due);
    return next;
}

bool HeadlessLoop::FireDueTimers() {
    Millis now = Now();
    // Collect first: a handler may start or stop timers.
    std::vector<std::pair<Millis, TimerId>> due;
    for (const auto& [id, t] : timers_)
        if (t.due <= now) due.emplace_back(t.due, id);
    std::sort(due.begin(), due.end());
    for (const auto& [when, id] : due) {
        auto it = timers_.find(id);
        if (it == timers_.end()) continue;  // stopped by an earlier handler
        // Already fired for this period by a loop an earlier handler spun (a modal dialog).
        if (it->second.due != when) continue;
        // Like window-system timers, a late timer fires once, not once per missed interval.
        it->second.due = Now() + it->second.interval;
        std::shared_ptr<Task> task = it->second.task;
        RunTask(*task);
    }
    return !due.empty();
}

bool HeadlessLoop::PollFds(int waitMs) {
    if (watches_.empty()) return false;
    std::vector<pollfd> fds;
    std::vector<WatchId> ids;
    for (const auto& [id, w] : watches_) {
        short ev = 0;
        if (w.events & FdReadable) ev |= POLLIN;
        if (w.events & FdWritable) ev |= POLLOUT;
        fds.push_back(pollfd{w.fd, ev, 0});
        ids.push_back(id);
    }
    Millis before = steady_.Now();
    int n = ::poll(fds.data(), nfds_t(fds.size()), waitMs);
    // A wait moves a manual clock by the real time it took. A mere look (waitMs 0) is no wait, however
    // long a busy machine takes over it: it leaves the clock alone, so only the test moves time then.
    if (manual_ && waitMs > 0) manual_->Advance(steady_.Now() - before);
    if (n <= 0) return false;
    for (std::size_t i = 0; i < fds.size(); ++i) {
        if (!fds[i].revents) continue;
        auto it = watches_.find(ids[i]);
        if (it == watches_.end()) continue;
        unsigned bits = 0;
        if (fds[i].revents & (POLLIN | POLLHUP)) bits |= FdReadable;
        if (fds[i].revents & POLLOUT) bits |= FdWritable;
        if (fds[i].revents & (POLLERR | POLLNVAL)) bits |= FdError;
        bits &= (it->second.events | FdError);
        if (!bits) continue;
        auto cb = it->second.onReady;
        RunTask([&] { (*cb)(bits); });
    }
    return true;
}

void HeadlessLoop::ProcessPending() {
    RunPostedTasks();
    FireDueTimers();
    PollFds(0);
}

bool HeadlessLoop::RunUntil(const std::function<bool()>& done, Millis timeoutMs) {
    Millis deadline = timeoutMs < 0 ? Never : Now() + timeoutMs;
    for (;;) {
        if (done()) return true;
        bool worked = RunPostedTasks();
        worked |= FireDueTimers();
        if (done()) return true;
        if (Now() >= deadline) return false;
        if (worked || !tasks_.empty()) {
            PollFds(0);
            continue;
        }
        Millis until = std::min(NextTimerDue(), deadline);
        if (watches_.empty()) {
            if (until == Never)
                throw WouldWaitForever("The program would wait for ever: nothing is queued, timed or watched");
            if (manual_) manual_->Set(until);
            else {
                Millis wait = until - Now();
                if (wait > 0) ::poll(nullptr, 0, int(std::min<Millis>(wait, 1000)));
            }
            continue;
        }
        if (manual_ && peersSilent_) {
            // The peers are known to be silent: after a moment of real time for what is already on its
            // way, the program only waits for its next timer or deadline, so time jumps there.
            Millis grace = until == Never ? IdleGraceMs : std::clamp<Millis>(until - Now(), 0, IdleGraceMs);
            if (!PollFds(int(grace)) && until != Never) manual_->Set(until);
            continue;
        }
        // A peer may answer at any moment: wait in real time (PollFds moves a manual clock along with it).
        Millis wait = until == Never ? 1000 : std::clamp<Millis>(until - Now(), 0, 1000);
        PollFds(int(wait));
    }
}

void HeadlessLoop::Run() {
    quit_ = false;
    RunUntil([this] { return quit_; });
    quit_ = false;
}

void HeadlessLoop::AdvanceBy(Millis ms) {
    if (!manual_) return;
    Millis target = manual_->Now() + std::max<Millis>(0, ms);
    for (;;) {
        RunPostedTasks();
        Millis next = NextTimerDue();
        if (next > target) break;
        manual_->Set(next);
        FireDueTimers();
    }
    manual_->Set(target);
    // Let the work the last timers caused finish, but never spin on a task that keeps re-posting itself.
    for (int round = 0; round < 1000 && RunPostedTasks(); ++round) {
    }
}

}  // namespace fv
