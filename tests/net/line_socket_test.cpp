// Line mode (splitting, echo, editing) and the synchronous wait of TAsyncSocket.
#include <gtest/gtest.h>

#include "net/loopback_peer.h"
#include "net/socket_recorder.h"
#include "platform/app/application.h"

namespace fv {
namespace {

using namespace fv::testing;

class LineSocketTest : public ::testing::Test {
protected:
    void SetUp() override {
        s().SetAddr("127.0.0.1");
        s().SetPort(listener.PortText());
        s().Connect();
        peer = listener.Accept();
        ASSERT_GE(peer, 0);
        int one = 1;
        ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
        s().SetLineMode(true);
        s().OnDataAvailable = [this](Component*, int) { lines.push_back(s().ReceiveStr()); };
    }
    void TearDown() override {
        if (peer >= 0) ::close(peer);
    }
    // Sends one packet and waits until the socket has taken it in.
    void Packet(const std::string& bytes) {
        ASSERT_TRUE(WriteAll(peer, bytes));
        ASSERT_TRUE(rec.RunUntil([&] {
            int n = 0;
            sock::BytesWaiting(s().HSocket(), n);
            return n == 0 && loop.PendingTasks() == 0;
        }));
        rec.Settle();
    }
    TAsyncSocket& s() { return *rec.socket; }

    HeadlessLoop loop{true};
    SocketRecorder rec{loop};
    PlainListener listener;
    int peer = -1;
    std::vector<std::string> lines;
};

TEST_F(LineSocketTest, LineEndSplitAcrossReadsIsDeliveredOnceWhenComplete) {
    Packet("USER anonymous\r");
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(s().LineBufferLength(), 15);
    Packet("\n");
    ASSERT_EQ(lines, std::vector<std::string>{"USER anonymous\r\n"});
    EXPECT_EQ(s().LineBufferLength(), 0);
}

TEST_F(LineSocketTest, SeveralLinesInOneReadGiveOneEventEach) {
    Packet("220 first\r\n230 second\r\n331 par");
    EXPECT_EQ(lines, (std::vector<std::string>{"220 first\r\n", "230 second\r\n"}));
    Packet("tial\r\n");
    EXPECT_EQ(lines.back(), "331 partial\r\n");
    EXPECT_EQ(lines.size(), 3u);
}

TEST_F(LineSocketTest, OtherLineEnd) {
    s().SetLineEnd("\n");
    Packet("a\nb\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"a\n", "b\n"}));
}

TEST_F(LineSocketTest, EditingRemovesWithBackspaceAndExpandsTabs) {
    s().SetLineEdit(true);
    s().SetLineEcho(true);
    Packet("ab\bc\r\n");
    Packet("abc\tx\r\n");
    ASSERT_EQ(lines, (std::vector<std::string>{"ac\r\n", "abc     x\r\n"}));
    // The echo: every kept byte, "\b \b" for the backspace, a blank per expanded tab.
    std::string echo = ReadBytes(peer, 5 + 3 + 11);
    EXPECT_EQ(echo, std::string("ab\b \bc\r\nabc     x\r\n"));
}

TEST_F(LineSocketTest, BackspaceReachesIntoTheEarlierPacket) {
    s().SetLineEdit(true);
    Packet("xy");
    Packet("\b\bok\r\n");
    EXPECT_EQ(lines, std::vector<std::string>{"ok\r\n"});
}

TEST_F(LineSocketTest, EchoWithoutEditingSendsTheBytesBack) {
    s().SetLineEcho(true);
    Packet("hi\r\n");
    EXPECT_EQ(ReadBytes(peer, 4), "hi\r\n");
}

TEST_F(LineSocketTest, TextWithoutLineEndIsDeliveredOnceAtTheClose) {
    Packet("no line end");
    EXPECT_TRUE(lines.empty());
    ::close(peer);
    peer = -1;
    ASSERT_TRUE(rec.RunUntil([&] { return rec.Count("closed") > 0; }));
    EXPECT_EQ(lines, std::vector<std::string>{"no line end"});
    EXPECT_EQ(rec.Count("closed"), 1u);
}

TEST_F(LineSocketTest, ALineLeftUnreadStaysPendingWithoutSpinning) {
    int calls = 0;
    s().OnDataAvailable = [&](Component*, int) { ++calls; };
    Packet("one\r\n");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s().RcvdCount(), 5);
    s().OnDataAvailable = [this](Component*, int) { lines.push_back(s().ReceiveStr()); };
    Packet("two\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"one\r\n", "two\r\n"}));
}

TEST_F(LineSocketTest, PartialReadsOfALine) {
    s().OnDataAvailable = [this](Component*, int) {
        char buf[3];
        int n = s().Receive(buf, sizeof buf);
        if (n > 0) lines.emplace_back(buf, std::size_t(n));
    };
    Packet("abcdefg\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "def", "g\r\n"}));
}

TEST_F(LineSocketTest, SwitchingLineModeOffHandsTheBufferedBytesOutInOrder) {
    Packet("partial");
    EXPECT_TRUE(lines.empty());
    s().SetLineMode(false);
    ASSERT_TRUE(rec.RunUntil([&] { return !lines.empty(); }));
    Packet(" and more");
    std::string all;
    for (const auto& l : lines) all += l;
    EXPECT_EQ(all, "partial and more");
}

TEST_F(LineSocketTest, WithoutAHandlerLinesAreDropped) {
    s().OnDataAvailable = nullptr;
    Packet("gone\r\nalso gone\r\n");
    EXPECT_EQ(s().LineBufferLength(), 0);
}

TEST(SyncSocketTest, WaitUntilReadyTimesOutWith12001OnTheTestClock) {
    HeadlessLoop loop{true};
    TAsyncSocket s(nullptr, &loop);
    s.SetSyncTimeout(120000);
    bool done = false;
    Millis start = loop.Now();
    EXPECT_EQ(s.WaitUntilReady(done), SyncTimedOut);
    EXPECT_GE(loop.Now() - start, 120000);
    EXPECT_EQ(s.SyncDeadline(), start + 120000);
}

TEST(SyncSocketTest, WaitEndsWhenTheFlagIsSetByAnEvent) {
    HeadlessLoop loop{true};
    TAsyncSocket s(nullptr, &loop);
    s.SetSyncTimeout(0);  // no limit
    bool done = false;
    int timer = loop.StartTimer(30000, [&] { done = true; });
    Millis start = loop.Now();
    EXPECT_EQ(s.Synchronize(nullptr, done), 0);
    EXPECT_TRUE(done);
    EXPECT_EQ(loop.Now() - start, 30000);
    loop.StopTimer(timer);
}

TEST(SyncSocketTest, SynchronizeRunsTheRoutineAndWaitsForItsResult) {
    HeadlessLoop loop{true};
    TAsyncSocket s(nullptr, &loop);
    s.SetSyncTimeout(5000);
    bool done = true;
    int result = s.Synchronize([&] { loop.Post([&] { done = true; }); }, done);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(done);
}

TEST(SyncSocketTest, TerminatingApplicationEndsTheWait) {
    HeadlessLoop loop{true};
    Application app(loop);
    app.ExitHook = [](int) {};
    auto* s = new TAsyncSocket(&app);
    s->SetSyncTimeout(0);
    app.Terminate(0);
    bool done = false;
    EXPECT_EQ(s->WaitUntilReady(done), SyncTimedOut);
}

TEST(SyncSocketTest, WaitOnAConnectedSocketEndsWithTheData) {
    HeadlessLoop loop{true};
    PlainListener listener;
    TAsyncSocket s(nullptr, &loop);
    s.SetAddr("127.0.0.1");
    s.SetPort(listener.PortText());
    bool connected = false;
    s.OnSessionConnected = [&](Component*, int) { connected = true; };
    s.SetSyncTimeout(5000);
    EXPECT_EQ(s.Synchronize([&] { s.Connect(); }, connected), 0);
    int peer = listener.Accept();
    bool got = false;
    s.OnDataAvailable = [&](Component*, int) { got = !s.ReceiveStr().empty(); };
    WriteAll(peer, "ready");
    EXPECT_EQ(s.WaitUntilReady(got), 0);
    ::close(peer);
}

}  // namespace
}  // namespace fv
