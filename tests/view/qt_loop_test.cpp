// The message loop on Qt: order of posted tasks, timers, the nested spin and its deadline, descriptor
// watches, and exceptions thrown by tasks.
#include <gtest/gtest.h>

#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "view/qt_loop.h"

namespace fv {
namespace {

const auto Never = [] { return false; };

TEST(QtLoopTest, PostedTasksRunInOrderAndATaskPostedByATaskRunsAfterThem) {
    QtLoop loop;
    std::vector<int> order;
    for (int i = 1; i <= 3; ++i)
        loop.Post([&, i] {
            order.push_back(i);
            if (i == 1) loop.Post([&] { order.push_back(4); });
        });
    EXPECT_TRUE(order.empty()) << "a posted task runs on a later turn, not at once";
    EXPECT_TRUE(loop.RunUntil([&] { return order.size() == 4; }, 2000));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST(QtLoopTest, ASpinInsideATaskRunsTheTasksQueuedAfterIt) {
    // A modal form opened by a posted task waits in a nested spin; the work queued behind must go on.
    QtLoop loop;
    std::vector<std::string> log;
    bool released = false;
    loop.Post([&] {
        log.push_back("outer starts");
        EXPECT_TRUE(loop.RunUntil([&] { return released; }, 2000));
        log.push_back("outer ends");
    });
    loop.Post([&] {
        log.push_back("second");
        released = true;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return log.size() == 3; }, 3000));
    EXPECT_EQ(log, (std::vector<std::string>{"outer starts", "second", "outer ends"}));
}

TEST(QtLoopTest, TimerRepeatsUntilStoppedInsideItsOwnTick) {
    QtLoop loop;
    int ticks = 0;
    MessageLoop::TimerId id = 0;
    id = loop.StartTimer(5, [&] {
        if (++ticks == 3) loop.StopTimer(id);
    });
    EXPECT_EQ(loop.ActiveTimers(), 1u);
    EXPECT_TRUE(loop.RunUntil([&] { return ticks == 3; }, 2000));
    EXPECT_FALSE(loop.RunUntil(Never, 60));
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.ActiveTimers(), 0u);
}

TEST(QtLoopTest, TimerRestartedInsideItsTickGoesOnWithANewId) {
    QtLoop loop;
    std::vector<MessageLoop::TimerId> ids;
    std::function<void()> tick = [&] {
        loop.StopTimer(ids.back());
        if (ids.size() < 4) ids.push_back(loop.StartTimer(5, tick));
    };
    ids.push_back(loop.StartTimer(5, tick));
    EXPECT_TRUE(loop.RunUntil([&] { return ids.size() == 4 && loop.ActiveTimers() == 0; }, 2000));
    for (std::size_t i = 1; i < ids.size(); ++i) EXPECT_GT(ids[i], ids[i - 1]) << "ids are never reused";
}

TEST(QtLoopTest, TimerFirstFiresAfterItsInterval) {
    QtLoop loop;
    Millis start = loop.Now();
    Millis firstTick = -1;
    MessageLoop::TimerId id = loop.StartTimer(200, [&] {
        if (firstTick < 0) firstTick = loop.Now() - start;
    });
    EXPECT_TRUE(loop.RunUntil([&] { return firstTick >= 0; }, 3000));
    loop.StopTimer(id);
    EXPECT_GE(firstTick, 199);
    EXPECT_LT(firstTick, 1500);  // generous: a busy machine may be late, but never early
}

TEST(QtLoopTest, RunUntilReturnsAtItsDeadlineEvenWhileTimersKeepTheLoopBusy) {
    // A timer that is due again and again keeps Qt's loop from ever going idle; the spin must end at its
    // deadline all the same, not once the timer stops. The timer stops itself after Lifetime ticks, which
    // take at least a second (the nth tick never comes before n intervals), while a spin that ends at its
    // deadline sees about thirty and at most one more per turn. So however slow the machine, the timer
    // still runs when a sound spin returns, and has stopped when a spin returns only for want of events.
    // How many ticks come within the 150 ms is the machine's business and is not asserted.
    QtLoop loop;
    constexpr int Lifetime = 200;
    int ticks = 0;
    MessageLoop::TimerId id = 0;
    id = loop.StartTimer(5, [&] {
        if (++ticks == Lifetime) loop.StopTimer(id);
    });
    ASSERT_TRUE(loop.RunUntil([&] { return ticks > 0; }, 60000));  // the loop is busy from here on
    Millis start = loop.Now();
    EXPECT_FALSE(loop.RunUntil(Never, 150));
    EXPECT_GE(loop.Now() - start, 150) << "not before the deadline";
    EXPECT_LT(ticks, Lifetime) << "the spin ended only when the busy timer stopped";
    ASSERT_EQ(loop.ActiveTimers(), 1u);
    // The spin leaves the timer running.
    const int ticksAtReturn = ticks;
    EXPECT_TRUE(loop.RunUntil([&] { return ticks > ticksAtReturn; }, 60000));
}

TEST(QtLoopTest, RunUntilWithNothingToDoStillWaitsForItsDeadline) {
    QtLoop loop;
    Millis start = loop.Now();
    EXPECT_FALSE(loop.RunUntil(Never, 120));
    EXPECT_GE(loop.Now() - start, 120);
}

TEST(QtLoopTest, RunUntilReturnsAtOnceWhenTheConditionAlreadyHolds) {
    QtLoop loop;
    bool ran = false;
    loop.Post([&] { ran = true; });
    EXPECT_TRUE(loop.RunUntil([] { return true; }, 1000));
    EXPECT_FALSE(ran);
}

class PipeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::pipe(fds), 0); }
    void TearDown() override {
        ::close(fds[0]);
        ::close(fds[1]);
    }
    int fds[2] = {-1, -1};
};

TEST_F(PipeTest, WatchReportsAPipeReadableOnlyOnceThereIsData) {
    QtLoop loop;
    std::vector<unsigned> reports;
    MessageLoop::WatchId id = loop.WatchFd(fds[0], FdReadable, [&](unsigned bits) {
        reports.push_back(bits);
        char c;
        ASSERT_EQ(::read(fds[0], &c, 1), 1);
    });
    EXPECT_FALSE(loop.RunUntil([&] { return !reports.empty(); }, 50));
    ASSERT_EQ(::write(fds[1], "x", 1), 1);
    EXPECT_TRUE(loop.RunUntil([&] { return !reports.empty(); }, 2000));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], unsigned(FdReadable));
    loop.StopWatch(id);
    EXPECT_EQ(loop.ActiveWatches(), 0u);
}

TEST_F(PipeTest, AWatchStoppedInsideItsCallbackReportsNoMore) {
    QtLoop loop;
    int reports = 0;
    MessageLoop::WatchId id = 0;
    id = loop.WatchFd(fds[0], FdReadable, [&](unsigned) {
        ++reports;
        loop.StopWatch(id);  // the data stays unread: a live watch would report it again and again
    });
    ASSERT_EQ(::write(fds[1], "xy", 2), 2);
    EXPECT_TRUE(loop.RunUntil([&] { return reports > 0; }, 2000));
    EXPECT_FALSE(loop.RunUntil(Never, 80));
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(loop.ActiveWatches(), 0u);
}

TEST_F(PipeTest, ChangeWatchSwitchesBetweenWritableAndNothing) {
    QtLoop loop;
    std::vector<unsigned> reports;
    MessageLoop::WatchId id = 0;
    id = loop.WatchFd(fds[1], FdWritable, [&](unsigned bits) {
        reports.push_back(bits);
        loop.ChangeWatch(id, 0);
    });
    EXPECT_TRUE(loop.RunUntil([&] { return !reports.empty(); }, 2000));
    EXPECT_FALSE(loop.RunUntil(Never, 60));
    EXPECT_EQ(reports, (std::vector<unsigned>{FdWritable}));
    loop.ChangeWatch(id, FdWritable);
    EXPECT_TRUE(loop.RunUntil([&] { return reports.size() == 2; }, 2000));
}

TEST(QtLoopTest, AnExceptionOfAPostedTaskReachesTheHandlerAndTheLoopGoesOn) {
    QtLoop loop;
    std::vector<std::string> caught;
    loop.OnTaskException = [&](const std::exception& e) { caught.push_back(e.what()); };
    bool after = false;
    loop.Post([] { throw std::runtime_error("disk full"); });
    loop.Post([&] { after = true; });
    EXPECT_TRUE(loop.RunUntil([&] { return after; }, 2000));
    EXPECT_EQ(caught, (std::vector<std::string>{"disk full"}));
}

TEST(QtLoopTest, AnExceptionOfATimerReachesTheHandler) {
    QtLoop loop;
    std::vector<std::string> caught;
    loop.OnTaskException = [&](const std::exception& e) { caught.push_back(e.what()); };
    MessageLoop::TimerId id = 0;
    id = loop.StartTimer(5, [&] {
        loop.StopTimer(id);
        throw std::runtime_error("tick failed");
    });
    EXPECT_TRUE(loop.RunUntil([&] { return !caught.empty(); }, 2000));
    EXPECT_EQ(caught, (std::vector<std::string>{"tick failed"}));
}

TEST(QtLoopTest, WithoutAHandlerTheExceptionComesOutOfRunUntilAndTheLoopStaysUsable) {
    QtLoop loop;
    bool after = false;
    loop.Post([] { throw std::runtime_error("no handler"); });
    EXPECT_THROW(loop.RunUntil(Never, 1000), std::runtime_error);
    loop.Post([&] { after = true; });
    EXPECT_TRUE(loop.RunUntil([&] { return after; }, 1000));
}

TEST(QtLoopTest, RunEndsWhenATaskQuits) {
    QtLoop loop;
    int ran = 0;
    loop.Post([&] { ++ran; });
    loop.Post([&] { loop.Quit(); });
    loop.Run();
    EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace fv
