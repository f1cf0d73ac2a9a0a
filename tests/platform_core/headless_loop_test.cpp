// The headless message loop: posted tasks, timers on the manual clock, deadlines, descriptor watches and
// exceptions thrown by the work it runs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/headless_loop.h"

namespace fv {
namespace {

TEST(HeadlessLoop, PostedTasksRunInOrderAndATaskPostedByATaskWaitsForTheNextTurn) {
    HeadlessLoop loop(true);
    std::vector<std::string> log;
    loop.Post([&] {
        log.push_back("a");
        loop.Post([&] { log.push_back("a's child"); });
    });
    loop.Post([&] { log.push_back("b"); });
    loop.Post([&] { log.push_back("c"); });

    loop.ProcessPending();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(loop.PendingTasks(), 1u);
    loop.ProcessPending();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "a's child"}));
    EXPECT_EQ(loop.PendingTasks(), 0u);
}

TEST(HeadlessLoop, AdvanceByFiresEachTimerAtItsOwnTimeInOrder) {
    HeadlessLoop loop(true);
    std::vector<std::pair<Millis, std::string>> log;
    loop.StartTimer(100, [&] { log.emplace_back(loop.Now(), "slow"); });
    loop.StartTimer(30, [&] { log.emplace_back(loop.Now(), "fast"); });
    // Work a timer posts runs before the next timer's time comes. Timers due at the same moment fire in the
    // order they were started.
    loop.StartTimer(50, [&] { loop.Post([&] { log.emplace_back(loop.Now(), "posted by mid"); }); });
    loop.AdvanceBy(100);
    const std::vector<std::pair<Millis, std::string>> expected = {
        {30, "fast"}, {50, "posted by mid"}, {60, "fast"}, {90, "fast"}, {100, "slow"}, {100, "posted by mid"},
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(loop.Now(), 100);

    // Time moves to the target even when no timer falls due on the way.
    log.clear();
    loop.AdvanceBy(15);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.Now(), 115);
}

TEST(HeadlessLoop, ATimerRetimedFromItsOwnHandlerRunsAtTheNewPace) {
    HeadlessLoop loop(true);
    std::vector<Millis> ticks;
    MessageLoop::TimerId id = 0;
    auto tick = [&] {
        ticks.push_back(loop.Now());
        // What a Timer component does when its handler sets a new interval: stop and start again.
        if (ticks.size() == 1) {
            loop.StopTimer(id);
            id = loop.StartTimer(1, [&] { ticks.push_back(loop.Now()); });
        }
    };
    id = loop.StartTimer(150, tick);
    loop.AdvanceBy(155);
    EXPECT_EQ(ticks, (std::vector<Millis>{150, 151, 152, 153, 154, 155}));
}

TEST(HeadlessLoop, ATimerStoppedInItsOwnHandlerNeverFiresAgain) {
    HeadlessLoop loop(true);
    int fired = 0;
    MessageLoop::TimerId id = 0;
    id = loop.StartTimer(10, [&] {
        ++fired;
        loop.StopTimer(id);
    });
    // A timer stopped by another handler at the moment both fall due must not fire either.
    MessageLoop::TimerId victim = 0;
    int victimFired = 0;
    loop.StartTimer(10, [&] { loop.StopTimer(victim); });
    victim = loop.StartTimer(10, [&] { ++victimFired; });
    loop.AdvanceBy(100);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(victimFired, 0);
    EXPECT_EQ(loop.ActiveTimers(), 1u);
}

TEST(HeadlessLoop, ALoopSpunInsideATimerHandlerDoesNotMakeOtherTimersFireTwice) {
    // A timer handler that opens a modal dialog spins the loop inside itself; a timer that fell due together
    // with it fires in that inner run and must not fire again for the same period when the handler returns.
    HeadlessLoop loop(true);
    std::vector<Millis> outer, other;
    loop.StartTimer(100, [&] {
        outer.push_back(loop.Now());
        if (outer.size() == 1) {
            EXPECT_FALSE(loop.RunUntil([] { return false; }, 50));
        }
    });
    loop.StartTimer(100, [&] { other.push_back(loop.Now()); });
    loop.AdvanceBy(250);
    EXPECT_EQ(outer, (std::vector<Millis>{100, 200}));
    EXPECT_EQ(other, (std::vector<Millis>{100, 200}));
}

TEST(HeadlessLoop, RunUntilGivesUpAtItsDeadlineOnTheManualClockWithoutRealWaiting) {
    HeadlessLoop loop(true);
    std::vector<Millis> ticks;
    loop.StartTimer(40000, [&] { ticks.push_back(loop.Now()); });
    auto realStart = std::chrono::steady_clock::now();

    EXPECT_FALSE(loop.RunUntil([] { return false; }, 120000));
    EXPECT_EQ(loop.Now(), 120000);
    EXPECT_EQ(ticks, (std::vector<Millis>{40000, 80000, 120000}));

    // A condition that comes true ends the run early, at the moment it does.
    EXPECT_TRUE(loop.RunUntil([&] { return ticks.size() == 4; }, 120000));
    EXPECT_EQ(loop.Now(), 160000);

    // Without any timer the clock jumps straight to the deadline.
    HeadlessLoop idle(true);
    EXPECT_FALSE(idle.RunUntil([] { return false; }, 5000));
    EXPECT_EQ(idle.Now(), 5000);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(1));
}

TEST(HeadlessLoop, RunUntilThrowsWhenNothingCanEverHappen) {
    for (bool manual : {true, false}) {
        SCOPED_TRACE(manual ? "manual clock" : "steady clock");
        HeadlessLoop loop(manual);
        EXPECT_THROW(loop.RunUntil([] { return false; }), WouldWaitForever);

        // Queued work that cannot make the condition true leaves the same dead end once it is done.
        int ran = 0;
        loop.Post([&] { ++ran; });
        EXPECT_THROW(loop.RunUntil([] { return false; }), WouldWaitForever);
        EXPECT_EQ(ran, 1);

        // A condition that holds already needs nothing to happen.
        EXPECT_TRUE(loop.RunUntil([] { return true; }));
    }
}

class Pipe {
public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) fds_[0] = fds_[1] = -1;
    }
    ~Pipe() {
        for (int fd : fds_)
            if (fd >= 0) ::close(fd);
    }
    int Read() const { return fds_[0]; }
    int Write() const { return fds_[1]; }

private:
    int fds_[2];
};

TEST(HeadlessLoop, WatchedPipeReportsReadabilityAndAStoppedWatchReportsNothing) {
    HeadlessLoop loop(true);
    Pipe pipe;
    ASSERT_GE(pipe.Read(), 0);
    std::vector<unsigned> reports;
    MessageLoop::WatchId id = loop.WatchFd(pipe.Read(), FdReadable, [&](unsigned bits) {
        reports.push_back(bits);
        char buf[16];
        while (::read(pipe.Read(), buf, sizeof buf) > 0) {
        }
    });

    loop.ProcessPending();
    EXPECT_TRUE(reports.empty()) << "nothing written yet";

    ASSERT_EQ(::write(pipe.Write(), "x", 1), 1);
    loop.ProcessPending();
    EXPECT_EQ(reports, std::vector<unsigned>{FdReadable});

    // RunUntil waits for the descriptor: data written by a task arrives through the watch.
    reports.clear();
    loop.Post([&] { ASSERT_EQ(::write(pipe.Write(), "yz", 2), 2); });
    EXPECT_TRUE(loop.RunUntil([&] { return !reports.empty(); }, 5000));
    EXPECT_EQ(reports, std::vector<unsigned>{FdReadable});

    reports.clear();
    loop.StopWatch(id);
    ASSERT_EQ(::write(pipe.Write(), "w", 1), 1);
    loop.ProcessPending();
    EXPECT_TRUE(reports.empty()) << "a stopped watch must stay silent";
}

TEST(HeadlessLoop, APeerThatAnswersLaterThanAnyGraceIsWaitedForInRealTime) {
    // A real server on a busy machine: it answers after the loop's idle grace has long passed. The wait
    // must go on in real time up to its time-out instead of jumping there and calling the server dead.
    HeadlessLoop loop(true);
    Pipe pipe;
    bool woke = false;
    loop.WatchFd(pipe.Read(), FdReadable, [&](unsigned) { woke = true; });
    std::thread peer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(3 * HeadlessLoop::IdleGraceMs));
        [[maybe_unused]] auto n = ::write(pipe.Write(), "x", 1);
    });
    Millis start = loop.Now();
    EXPECT_TRUE(loop.RunUntil([&] { return woke; }, 90000));
    peer.join();
    EXPECT_LT(loop.Now() - start, 90000);
}

TEST(HeadlessLoop, ASilentWatchedDescriptorDoesNotMakeALongTimeOutTakeRealTime) {
    // A scripted server that accepted and then never answers: the program waits for its 90 s time-out.
    // The test says its peer is silent, so the loop may jump.
    HeadlessLoop loop(true);
    loop.SetPeersSilent(true);
    Pipe pipe;
    bool woke = false;
    loop.WatchFd(pipe.Read(), FdReadable, [&](unsigned) { woke = true; });
    auto realStart = std::chrono::steady_clock::now();
    Millis start = loop.Now();
    EXPECT_FALSE(loop.RunUntil([&] { return woke; }, 90000));
    EXPECT_GE(loop.Now() - start, 90000);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));

    // Data that does arrive is still seen before the clock jumps.
    loop.Post([&] { ASSERT_EQ(::write(pipe.Write(), "x", 1), 1); });
    EXPECT_TRUE(loop.RunUntil([&] { return woke; }, 90000));
}

TEST(HeadlessLoop, LookingAtWatchedDescriptorsTakesNoTimeOnTheManualClock) {
    // ProcessPending only looks; a timer must not fall due because the machine was slow over the look.
    HeadlessLoop loop(true);
    Pipe pipe;
    loop.WatchFd(pipe.Read(), FdReadable, [](unsigned) {});
    auto realEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    while (std::chrono::steady_clock::now() < realEnd) loop.ProcessPending();
    EXPECT_EQ(loop.Now(), 0);
}

TEST(HeadlessLoop, AWatchReportsOnlyWhatItAsksFor) {
    HeadlessLoop loop(true);
    Pipe pipe;
    ASSERT_GE(pipe.Write(), 0);
    std::vector<unsigned> reports;
    MessageLoop::WatchId id = loop.WatchFd(pipe.Write(), FdReadable, [&](unsigned bits) { reports.push_back(bits); });
    loop.ProcessPending();
    EXPECT_TRUE(reports.empty()) << "an empty pipe's write end is writable, but the watch asks for reading";

    loop.ChangeWatch(id, FdWritable);
    loop.ProcessPending();
    EXPECT_EQ(reports, std::vector<unsigned>{FdWritable});
}

TEST(HeadlessLoop, AnExceptionInAnyWorkGoesToOnTaskExceptionAndTheLoopGoesOn) {
    HeadlessLoop loop(true);
    std::vector<std::string> caught, ran;
    loop.OnTaskException = [&](const std::exception& e) { caught.push_back(e.what()); };

    loop.Post([] { throw std::runtime_error("task"); });
    loop.Post([&] { ran.push_back("after task"); });
    MessageLoop::TimerId timer = loop.StartTimer(10, [] { throw std::logic_error("timer"); });
    Pipe pipe;
    ASSERT_EQ(::write(pipe.Write(), "x", 1), 1);
    MessageLoop::WatchId watch = loop.WatchFd(pipe.Read(), FdReadable, [](unsigned) { throw std::runtime_error("watch"); });

    loop.ProcessPending();
    EXPECT_EQ(caught, (std::vector<std::string>{"task", "watch"}));
    EXPECT_EQ(ran, std::vector<std::string>{"after task"});
    loop.StopWatch(watch);

    loop.AdvanceBy(25);
    EXPECT_EQ(caught, (std::vector<std::string>{"task", "watch", "timer", "timer"})) << "the timer keeps running";
    loop.StopTimer(timer);

    // Without a handler the exception reaches whoever runs the loop, and the queue stays intact.
    loop.OnTaskException = nullptr;
    loop.Post([] { throw std::runtime_error("unhandled"); });
    loop.Post([&] { ran.push_back("still queued"); });
    EXPECT_THROW(loop.ProcessPending(), std::runtime_error);
    loop.ProcessPending();
    EXPECT_EQ(ran.back(), "still queued");
}

TEST(HeadlessLoop, RunEndsWithQuit) {
    HeadlessLoop loop(true);
    std::vector<Millis> ticks;
    MessageLoop::TimerId id = loop.StartTimer(500, [&] {
        ticks.push_back(loop.Now());
        if (ticks.size() == 3) loop.Quit();
    });
    loop.Run();
    EXPECT_EQ(ticks, (std::vector<Millis>{500, 1000, 1500}));
    loop.StopTimer(id);

    // Quit does not stick: the next Run goes until the next Quit.
    loop.Post([&] { loop.Post([&] { loop.Quit(); }); });
    loop.Run();
    EXPECT_EQ(loop.PendingTasks(), 0u);
}

}  // namespace
}  // namespace fv
