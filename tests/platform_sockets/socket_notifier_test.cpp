// SocketNotifier on the headless loop against plain sockets on 127.0.0.1.
#include <gtest/gtest.h>

#include <vector>

#include "net/loopback_peer.h"
#include "platform/core/headless_loop.h"
#include "platform/sockets/socket_errors.h"
#include "platform/sockets/socket_notifier.h"

namespace fv {
namespace {

using namespace fv::testing;

struct Note {
    unsigned event;
    int error;
};

constexpr unsigned AllEvents = SockRead | SockWrite | SockAccept | SockConnect | SockClose;

class SocketNotifierTest : public ::testing::Test {
protected:
    void TearDown() override {
        notifier.Release();
        if (fd >= 0) sock::Close(fd);
    }

    // A non-blocking client socket registered for every event and connecting to port.
    void ConnectTo(std::uint16_t port) {
        int err = 0;
        fd = sock::Create(sock::StreamSocket, 0, err);
        ASSERT_GE(fd, 0);
        notifier.Select(fd, AllEvents);
        sock::Address to;
        sock::ParseDotted("127.0.0.1", to.Ip);
        to.Port = port;
        ASSERT_EQ(notifier.Connect(to), 0);
    }
    std::size_t Count(unsigned event) const {
        std::size_t n = 0;
        for (const auto& note : notes) n += note.event == event;
        return n;
    }
    bool RunFor(unsigned event, std::size_t count = 1) {
        return loop.RunUntil([&] { return Count(event) >= count; }, 3000);
    }
    // Lets the loop turn a few times so that anything that would be posted is.
    void Settle() {
        for (int i = 0; i < 5; ++i) loop.RunUntil([] { return false; }, 20);
    }

    HeadlessLoop loop{true};
    std::vector<Note> notes;
    SocketNotifier notifier{loop, [this](int, unsigned event, int error) { notes.push_back({event, error}); }};
    int fd = -1;
};

TEST_F(SocketNotifierTest, ConnectThenOneWriteAndNothingInsideTheCall) {
    PlainListener listener;
    ConnectTo(listener.Port());
    EXPECT_TRUE(notes.empty());  // never inside the call
    ASSERT_TRUE(RunFor(SockWrite));
    ASSERT_GE(notes.size(), 2u);
    EXPECT_EQ(notes[0].event, SockConnect);
    EXPECT_EQ(notes[0].error, 0);
    EXPECT_EQ(notes[1].event, SockWrite);
    Settle();
    EXPECT_EQ(Count(SockWrite), 1u);  // once, not on every turn while writable
}

TEST_F(SocketNotifierTest, RefusedPortGives10061) {
    ConnectTo(UnusedPort());
    ASSERT_TRUE(RunFor(SockConnect));
    EXPECT_EQ(notes[0].error, SockECONNREFUSED);
    Settle();
    EXPECT_EQ(notes.size(), 1u);
}

TEST_F(SocketNotifierTest, ReadIsRearmedByEachReceiveAndCloseComesAfterTheData) {
    PlainListener listener;
    ConnectTo(listener.Port());
    int peer = listener.Accept();
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(RunFor(SockWrite));
    ASSERT_TRUE(WriteAll(peer, "hello world"));
    ::close(peer);
    ASSERT_TRUE(RunFor(SockRead));
    Settle();
    EXPECT_EQ(Count(SockRead), 1u);  // not again until the program receives
    EXPECT_EQ(Count(SockClose), 0u);  // the data waits, so the close is not told yet

    char buf[5];
    int err = 0;
    ASSERT_EQ(notifier.Receive(buf, sizeof buf, err), 5);
    ASSERT_TRUE(RunFor(SockRead, 2));  // data is left: read comes back
    char rest[64];
    ASSERT_EQ(notifier.Receive(rest, sizeof rest, err), 6);
    ASSERT_TRUE(RunFor(SockClose));
    Settle();
    EXPECT_EQ(Count(SockClose), 1u);
    EXPECT_EQ(notes.back().event, SockClose);
    EXPECT_EQ(notes.back().error, 0);
}

TEST_F(SocketNotifierTest, ResetGives10054) {
    PlainListener listener;
    ConnectTo(listener.Port());
    int peer = listener.Accept();
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(RunFor(SockWrite));
    ResetAndClose(peer);
    ASSERT_TRUE(RunFor(SockClose));
    EXPECT_EQ(notes.back().error, SockECONNRESET);
}

TEST_F(SocketNotifierTest, WriteAfterASendThatWouldBlock) {
    PlainListener listener;
    ConnectTo(listener.Port());
    int peer = listener.Accept();
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(RunFor(SockWrite));
    sock::SetSendBufferSize(fd, 4096);
    std::string block(65536, 'x');
    long sent = 0;
    int err = 0;
    for (int i = 0; i < 1000; ++i) {
        long n = notifier.Send(block.data(), block.size(), false, err);
        if (n < 0) break;
        sent += n;
    }
    ASSERT_EQ(err, SockEWOULDBLOCK);
    std::string got = ReadBytes(peer, std::size_t(sent));
    EXPECT_EQ(long(got.size()), sent);
    ASSERT_TRUE(RunFor(SockWrite, 2));
    Settle();
    EXPECT_EQ(Count(SockWrite), 2u);  // once per send that would block, not on every writable turn
    ::close(peer);
}

TEST_F(SocketNotifierTest, AcceptIsPostedAndRearmedByAccept) {
    int err = 0;
    fd = sock::Create(sock::StreamSocket, 0, err);
    sock::Address local;
    sock::ParseDotted("127.0.0.1", local.Ip);
    ASSERT_EQ(sock::Bind(fd, local), 0);
    ASSERT_EQ(sock::Listen(fd, 5), 0);
    ASSERT_EQ(sock::GetSockName(fd, local), 0);
    notifier.Select(fd, SockRead | SockAccept | SockClose);
    int c1 = PlainConnect(local.Port);
    int c2 = PlainConnect(local.Port);
    ASSERT_TRUE(RunFor(SockAccept));
    Settle();
    EXPECT_EQ(Count(SockAccept), 1u);
    sock::Address peer;
    int a1 = notifier.Accept(peer, err);
    ASSERT_GE(a1, 0);
    EXPECT_EQ(sock::DottedText(peer.Ip), "127.0.0.1");
    ASSERT_TRUE(RunFor(SockAccept, 2));
    int a2 = notifier.Accept(peer, err);
    ASSERT_GE(a2, 0);
    for (int f : {c1, c2, a1, a2}) ::close(f);
}

TEST_F(SocketNotifierTest, AcceptedSocketGetsOneWriteWhenRegistered) {
    PlainListener listener;
    int client = PlainConnect(listener.Port());
    fd = listener.Accept();
    ASSERT_GE(fd, 0);
    notifier.Select(fd, SockRead | SockWrite | SockClose);
    ASSERT_TRUE(RunFor(SockWrite));
    Settle();
    EXPECT_EQ(Count(SockWrite), 1u);
    ::close(client);
}

TEST_F(SocketNotifierTest, StaleNotificationAfterDescriptorReuseIsDropped) {
    PlainListener listener;
    ConnectTo(listener.Port());
    int peer = listener.Accept();
    ASSERT_TRUE(RunFor(SockWrite));
    ASSERT_TRUE(WriteAll(peer, "old data"));
    ASSERT_TRUE(WaitFor(fd, POLLIN, 3000));
    // One turn without running posted work: the read for this connection is now queued.
    std::size_t before = notes.size();
    loop.ProcessPending();
    ASSERT_EQ(loop.PendingTasks(), 1u);
    ASSERT_EQ(notes.size(), before);

    int oldFd = fd;
    std::uint64_t oldGeneration = notifier.Generation();
    notifier.Release();
    sock::Close(fd);
    int err = 0;
    fd = sock::Create(sock::StreamSocket, 0, err);
    ASSERT_EQ(fd, oldFd);  // the system hands out the same number again
    notifier.Select(fd, SockRead | SockClose);
    EXPECT_NE(notifier.Generation(), oldGeneration);
    loop.ProcessPending();
    EXPECT_EQ(notes.size(), before);  // the queued read of the old connection was dropped
    ::close(peer);
}

TEST_F(SocketNotifierTest, PauseWithMaskZeroAndResumeRaisesReadAgain) {
    PlainListener listener;
    ConnectTo(listener.Port());
    int peer = listener.Accept();
    ASSERT_TRUE(RunFor(SockWrite));
    notifier.Select(fd, 0);
    ASSERT_TRUE(WriteAll(peer, "x"));
    Settle();
    EXPECT_EQ(Count(SockRead), 0u);
    notifier.Select(fd, AllEvents);
    ASSERT_TRUE(RunFor(SockRead));
    ::close(peer);
}

TEST_F(SocketNotifierTest, PostedNotificationCarriesTheCurrentGeneration) {
    PlainListener listener;
    ConnectTo(listener.Port());
    notifier.Post(SockWrite, 0);
    EXPECT_TRUE(notes.empty());
    notifier.Release();
    loop.ProcessPending();
    EXPECT_TRUE(notes.empty());
}

}  // namespace
}  // namespace fv
