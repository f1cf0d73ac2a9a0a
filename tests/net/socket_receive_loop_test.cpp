// TSocketReceiveLoop on its own, against a scripted source: how many rounds one read notification makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "net/socket_receive_loop.h"
#include "platform/sockets/socket_errors.h"

namespace fv {
namespace {

// Bytes waiting at a socket, and a handler that reads a fixed count per call (or none at all).
struct ScriptedSource : TSocketReceiveLoop::Source {
    TSocketReceiveLoop& loop;
    std::string waiting;
    bool hasHandler = true;
    int readPerCall = 0;
    bool oneRound = false;
    bool closeInHandler = false;
    bool gone = false;
    int delivered = 0;
    int discarded = 0;

    explicit ScriptedSource(TSocketReceiveLoop& l) : loop(l) {}
    void BeginRound() override {}
    bool Deliver(int) override {
        if (!hasHandler) return false;
        ++delivered;
        std::size_t n = std::min(waiting.size(), std::size_t(readPerCall));
        waiting.erase(0, n);
        if (n > 0) loop.NoteConsumed();
        if (closeInHandler) gone = true;
        return true;
    }
    bool Gone() override { return gone; }
    int Discard(void*, int len, int& error) override {
        if (waiting.empty()) {
            error = SockEWOULDBLOCK;
            return -1;
        }
        int n = std::min(int(waiting.size()), len);
        waiting.erase(0, std::size_t(n));
        ++discarded;
        return n;
    }
    bool MayRepeat() override { return !oneRound; }
    int Waiting() override { return int(waiting.size()); }
};

struct Case {
    const char* why;
    std::size_t bytes;
    bool hasHandler;
    int readPerCall;
    bool oneRound;
    bool closeInHandler;
    int delivered;     // handler calls
    int discarded;     // reads into the sink
    std::size_t left;  // bytes still waiting
};

// The reason names the case in failure messages; the test name stays the same from run to run.
void PrintTo(const Case& c, std::ostream* os) { *os << c.why; }

class ReceiveLoopCases : public ::testing::TestWithParam<Case> {};

TEST_P(ReceiveLoopCases, RoundsOfOneNotification) {
    const Case& c = GetParam();
    TSocketReceiveLoop loop;
    ScriptedSource source(loop);
    source.waiting.assign(c.bytes, 'x');
    source.hasHandler = c.hasHandler;
    source.readPerCall = c.readPerCall;
    source.oneRound = c.oneRound;
    source.closeInHandler = c.closeInHandler;
    loop.Run(source, 0);
    EXPECT_EQ(source.delivered, c.delivered) << c.why;
    EXPECT_EQ(source.discarded, c.discarded) << c.why;
    EXPECT_EQ(source.waiting.size(), c.left) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReceiveLoopCases,
    ::testing::Values(
        Case{"a handler reading part of a burst is called until the burst is read", 35, true, 10, false, false, 4, 0, 0},
        Case{"a handler that reads nothing ends the loop after one round instead of spinning", 35, true, 0, false,
             false, 1, 0, 35},
        Case{"one round asked for: the rest waits for the next notification", 35, true, 10, true, false, 1, 0, 25},
        Case{"a handler that closes the socket ends the loop at once", 35, true, 10, false, true, 1, 0, 25},
        Case{"without a handler the bytes are read and dropped", 3000, false, 0, false, false, 0, 3, 0},
        Case{"without a handler and without bytes nothing is read", 0, false, 0, false, false, 0, 0, 0}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Case" + std::to_string(info.index); });

TEST(SocketReceiveLoop, CountsConsumedReceives) {
    TSocketReceiveLoop loop;
    EXPECT_EQ(loop.Consumed(), 0u);
    loop.NoteConsumed();
    loop.NoteConsumed();
    EXPECT_EQ(loop.Consumed(), 2u);
}

}  // namespace
}  // namespace fv
