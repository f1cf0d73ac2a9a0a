// QtLoop: posted tasks, timers, descriptor watches and the nested spin, on Qt's event loop.
#include "view/qt_loop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <algorithm>
#include <stdexcept>

namespace fv {

namespace {

QEvent::Type WakeEventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

QEvent::Type ReapEventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

constexpr unsigned NotifierBits[3] = {FdReadable, FdWritable, FdError};
constexpr QSocketNotifier::Type NotifierTypes[3] = {QSocketNotifier::Read, QSocketNotifier::Write,
                                                    QSocketNotifier::Exception};

}  // namespace

// The QObject that Qt delivers the loop's events and timers to.
class QtLoop::Receiver : public QObject {
public:
    explicit Receiver(QtLoop& loop) : loop_(loop) {}

    bool event(QEvent* e) override {
        if (e->type() == WakeEventType()) {
            loop_.wakePosted_ = false;
            loop_.RunPostedTasks();
            return true;
        }
        if (e->type() == ReapEventType()) {
            loop_.reapPosted_ = false;
            loop_.ReapNotifiers();
            return true;
        }
        return QObject::event(e);
    }

protected:
    void timerEvent(QTimerEvent* e) override { loop_.TimerFired(e->timerId()); }

private:
    QtLoop& loop_;
};

QtLoop::QtLoop() : receiver_(std::make_unique<Receiver>(*this)) {
    if (!QCoreApplication::instance()) throw std::logic_error("QtLoop needs a QApplication");
}

QtLoop::~QtLoop() {
    for (auto& [id, t] : timers_) receiver_->killTimer(t.qtId);
    for (auto& [qtId, flag] : wakeTimers_) receiver_->killTimer(qtId);
    watches_.clear();
    retired_.clear();
    // Deleting the receiver drops its pending wake-up.
    receiver_.reset();
}

void QtLoop::Dispatch(const Task& task) {
    ++depth_;
    try {
        RunTask(task);
    } catch (...) {
        if (!pending_) pending_ = std::current_exception();
    }
    --depth_;
    if (depth_ == 0 && !retired_.empty() && !reapPosted_) {
        reapPosted_ = true;
        QCoreApplication::postEvent(receiver_.get(), new QEvent(ReapEventType()));
    }
}

void QtLoop::RethrowPending() {
    if (!pending_) return;
    std::exception_ptr e = pending_;
    pending_ = nullptr;
    std::rethrow_exception(e);
}

void QtLoop::Post(Task task) {
    tasks_.push_back(std::move(task));
    PostWake();
}

void QtLoop::PostWake() {
    if (wakePosted_) return;
    wakePosted_ = true;
    QCoreApplication::postEvent(receiver_.get(), new QEvent(WakeEventType()));
}

bool QtLoop::RunPostedTasks() {
    const std::size_t queued = tasks_.size();
    for (std::size_t i = 0; i < queued && !tasks_.empty(); ++i) {
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        // Should this task spin a loop of its own (a message box, a modal form), the tasks behind it
        // must still run there.
        if (!tasks_.empty()) PostWake();
        Dispatch(task);
    }
    return queued > 0;
}

MessageLoop::TimerId QtLoop::StartTimer(int intervalMs, Task onTick) {
    int qtId = receiver_->startTimer(std::max(1, intervalMs), Qt::PreciseTimer);
    if (qtId == 0) throw std::runtime_error("The window system has no timer left");
    TimerId id = nextTimer_++;
    timers_[id] = TimerEntry{qtId, std::make_shared<Task>(std::move(onTick))};
    timerByQtId_[qtId] = id;
    return id;
}

void QtLoop::StopTimer(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    // Killing a Qt timer from inside its own tick is allowed; the task itself is kept alive by the caller.
    receiver_->killTimer(it->second.qtId);
    timerByQtId_.erase(it->second.qtId);
    timers_.erase(it);
}

void QtLoop::TimerFired(int qtId) {
    if (auto wake = wakeTimers_.find(qtId); wake != wakeTimers_.end()) {
        *wake->second = true;
        receiver_->killTimer(qtId);
        wakeTimers_.erase(wake);
        return;
    }
    auto byQt = timerByQtId_.find(qtId);
    if (byQt == timerByQtId_.end()) return;
    auto it = timers_.find(byQt->second);
    if (it == timers_.end()) return;
    std::shared_ptr<Task> task = it->second.task;  // survives a StopTimer from inside the tick
    Dispatch(*task);
}

MessageLoop::WatchId QtLoop::WatchFd(int fd, unsigned events, std::function<void(unsigned)> onReady) {
    WatchId id = nextWatch_++;
    WatchEntry& entry = watches_[id];
    entry.fd = fd;
    entry.events = events;
    entry.onReady = std::make_shared<std::function<void(unsigned)>>(std::move(onReady));
    UpdateNotifiers(id, entry);
    return id;
}

void QtLoop::UpdateNotifiers(WatchId id, WatchEntry& entry) {
    for (int i = 0; i < 3; ++i) {
        bool wanted = entry.events & NotifierBits[i];
        std::unique_ptr<QSocketNotifier>& n = entry.notifiers[i];
        if (wanted && !n) {
            n = std::make_unique<QSocketNotifier>(qintptr(entry.fd), NotifierTypes[i]);
            unsigned bit = NotifierBits[i];
            QObject::connect(n.get(), &QSocketNotifier::activated, receiver_.get(),
                             [this, id, bit] { FdReady(id, bit); });
        }
        // Disabled rather than deleted: this may run inside the notifier's own callback.
        if (n) n->setEnabled(wanted);
    }
}

void QtLoop::ChangeWatch(WatchId id, unsigned events) {
    auto it = watches_.find(id);
    if (it == watches_.end()) return;
    it->second.events = events;
    UpdateNotifiers(id, it->second);
}

void QtLoop::RetireNotifiers(WatchEntry& entry) {
    for (auto& n : entry.notifiers)
        if (n) {
            n->setEnabled(false);
            retired_.push_back(std::move(n));
        }
}

void QtLoop::StopWatch(WatchId id) {
    auto it = watches_.find(id);
    if (it == watches_.end()) return;
    RetireNotifiers(it->second);
    watches_.erase(it);
    // Outside every callback of the loop no notifier is emitting, so they can go at once.
    if (depth_ == 0) ReapNotifiers();
}

void QtLoop::ReapNotifiers() {
    if (depth_ == 0) retired_.clear();
}

void QtLoop::FdReady(WatchId id, unsigned bit) {
    auto it = watches_.find(id);
    if (it == watches_.end() || !(it->second.events & bit)) return;
    std::shared_ptr<std::function<void(unsigned)>> onReady = it->second.onReady;
    Dispatch([&] { (*onReady)(bit); });
}

void QtLoop::ProcessPending() {
    RunPostedTasks();
    RethrowPending();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    RethrowPending();
}

bool QtLoop::RunUntil(const std::function<bool()>& done, Millis timeoutMs) {
    const bool timed = timeoutMs >= 0;
    const Millis deadline = timed ? Now() + timeoutMs : 0;
    bool woken = false;
    int wakeId = 0;
    auto disarm = [&] {
        if (wakeId && wakeTimers_.erase(wakeId)) receiver_->killTimer(wakeId);
        wakeId = 0;
    };
    auto arm = [&](Millis ms) {
        disarm();
        woken = false;
        wakeId = receiver_->startTimer(int(std::clamp<Millis>(ms, 1, 0x7FFFFFFF)), Qt::PreciseTimer);
        if (wakeId) wakeTimers_[wakeId] = &woken;
    };
    if (done()) return true;
    try {
        // The first turn only handles what is already there, as the headless loop does.
        ProcessPending();
        if (timed) arm(deadline - Now());
        for (;;) {
            if (done()) break;
            if (timed) {
                Millis left = deadline - Now();
                if (left <= 0) break;
                // A timer may be rounded a little early: wait again for what is left.
                if (woken || !wakeId) arm(left);
            }
            RunPostedTasks();
            RethrowPending();
            if (done()) break;
            QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
            if (tasks_.empty()) flags |= QEventLoop::WaitForMoreEvents;
            QCoreApplication::processEvents(flags);
            RethrowPending();
        }
    } catch (...) {
        disarm();
        throw;
    }
    disarm();
    return done();
}

void QtLoop::Run() {
    quit_ = false;
    RunUntil([this] { return quit_; });
    quit_ = false;
}

}  // namespace fv
