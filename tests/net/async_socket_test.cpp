// TAsyncSocket against plain sockets on 127.0.0.1: connect, send chain, receive, close, look-ups.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <future>
#include <thread>

#include "net/loopback_peer.h"
#include "net/socket_recorder.h"

namespace fv {
namespace {

using namespace fv::testing;

class AsyncSocketTest : public ::testing::Test {
protected:
    // Connects the socket to the listener and accepts the peer side.
    void ConnectPeer() {
        s().SetAddr("127.0.0.1");
        s().SetPort(listener.PortText());
        s().Connect();
        peer = listener.Accept();
        ASSERT_GE(peer, 0);
        ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
        // The write notification that follows every connect.
        ASSERT_TRUE(rec.RunUntilEvent("sent 0"));
        rec.events.clear();
        rec.blocks.clear();
    }
    void TearDown() override {
        if (peer >= 0) ::close(peer);
    }
    TAsyncSocket& s() { return *rec.socket; }

    HeadlessLoop loop{true};
    SocketRecorder rec{loop};
    PlainListener listener;
    int peer = -1;
};

TEST_F(AsyncSocketTest, ConnectGoesThroughOpenedConnectingConnected) {
    std::vector<std::pair<TSocketState, TSocketState>> changes;
    s().OnChangeState = [&](Component*, TSocketState o, TSocketState n) { changes.emplace_back(o, n); };
    ConnectPeer();
    ASSERT_GE(changes.size(), 3u);
    EXPECT_EQ(changes[0], std::make_pair(wsClosed, wsOpened));
    EXPECT_EQ(changes[1], std::make_pair(wsOpened, wsConnecting));
    EXPECT_EQ(changes[2], std::make_pair(wsConnecting, wsConnected));
    EXPECT_EQ(s().State(), wsConnected);
    EXPECT_EQ(s().PeerAddr(), "127.0.0.1");
    EXPECT_EQ(s().PeerPort(), listener.PortText());
    EXPECT_NE(s().LocalPortText(), "error");
    s().OnChangeState = nullptr;
}

TEST_F(AsyncSocketTest, FiveThousandBytesGoAsFourBlocksWithOneDataSentEvent) {
    ConnectPeer();
    std::string data(5000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = char('a' + i % 26);
    EXPECT_EQ(s().Send(data.data(), int(data.size())), 5000);
    EXPECT_EQ(rec.Count("sent"), 0u);  // the event comes later, through the loop
    ASSERT_TRUE(rec.RunUntilEvent("sent 0"));
    EXPECT_EQ(ReadBytes(peer, 5000), data);
    rec.Settle();
    EXPECT_EQ(rec.blocks, (std::vector<int>{1514, 1514, 1514, 458}));
    EXPECT_EQ(rec.Count("sent"), 1u);
}

TEST_F(AsyncSocketTest, SendChainIsBuiltInBlocksOfBufSize) {
    ConnectPeer();
    ASSERT_EQ(::shutdown(peer, SHUT_RD), 0);
    // While the system takes everything at once the chain ends empty; what it holds depends on the
    // system buffers, so only the split of what was sent is checked.
    std::string big(3 * 1514 + 1, 'z');
    s().Send(big.data(), int(big.size()));
    int total = 0;
    for (int b : rec.blocks) {
        EXPECT_LE(b, 1514);
        total += b;
    }
    EXPECT_EQ(total, int(big.size()));
}

TEST_F(AsyncSocketTest, PeerCloseDeliversPendingDataThenOneCloseEvent) {
    ConnectPeer();
    rec.readChunk = 7;  // several data events for the waiting bytes
    ASSERT_TRUE(WriteAll(peer, "first part, second part, the end"));
    ::close(peer);
    peer = -1;
    ASSERT_TRUE(rec.RunUntilEvent("closed 0"));
    rec.Settle();
    EXPECT_EQ(rec.received, "first part, second part, the end");
    EXPECT_EQ(rec.Count("closed"), 1u);
    // Every data event came before the close.
    EXPECT_EQ(rec.events.back(), "closed 0");
    EXPECT_EQ(s().State(), wsClosed);
}

// A handler that reads the end of the stream and closes the socket itself (as the FTP client does on
// its control connection) has announced the close: the close notification must not announce it again.
TEST_F(AsyncSocketTest, ClosingInsideTheLastDataEventGivesOneCloseEvent) {
    ConnectPeer();
    s().OnDataAvailable = [this](Component*, int e) {
        rec.Log("data", e);
        char buf[64];
        if (s().Receive(buf, sizeof buf) == 0) s().Close();
    };
    ::close(peer);
    peer = -1;
    ASSERT_TRUE(rec.RunUntilEvent("closed 0"));
    rec.Settle();
    EXPECT_EQ(rec.Count("closed"), 1u) << ::testing::PrintToString(rec.events);
}

TEST_F(AsyncSocketTest, RefusedPortGives10061) {
    s().SetAddr("127.0.0.1");
    s().SetPort(std::to_string(UnusedPort()));
    s().Connect();
    ASSERT_TRUE(rec.RunUntilEvent("connected 10061"));
    rec.Settle();
    EXPECT_EQ(s().State(), wsClosed);
    EXPECT_EQ(rec.Count("connected"), 1u);
}

TEST_F(AsyncSocketTest, ResetConnectionGives10054) {
    ConnectPeer();
    ResetAndClose(peer);
    peer = -1;
    ASSERT_TRUE(rec.RunUntil([&] { return rec.Count("closed") > 0; }));
    EXPECT_TRUE(rec.Has("closed 10054"));
    EXPECT_EQ(s().State(), wsClosed);
}

TEST_F(AsyncSocketTest, LocalhostResolvesThroughAMessage) {
    s().DnsLookup("localhost");
    EXPECT_TRUE(rec.events.empty());
    ASSERT_TRUE(rec.RunUntilEvent("dns 0"));
    EXPECT_EQ(s().DnsResult(), "127.0.0.1");
    ASSERT_FALSE(s().DnsResultList().empty());
    EXPECT_EQ(s().DnsResultList().front(), "127.0.0.1");
}

TEST_F(AsyncSocketTest, DottedAddressResolvesInsideTheCall) {
    s().DnsLookup(" 127.000.0.1 ");
    ASSERT_EQ(rec.events, std::vector<std::string>{"dns 0"});
    EXPECT_EQ(s().DnsResult(), "127.0.0.1");
}

TEST_F(AsyncSocketTest, CancellingALookupGives10004AndNothingLater) {
    s().DnsLookup("localhost");
    s().CancelDnsLookup();
    EXPECT_EQ(rec.events, std::vector<std::string>{"dns 10004"});
    rec.Settle();
    EXPECT_EQ(rec.events.size(), 1u);
    EXPECT_TRUE(s().DnsResult().empty());
}

TEST_F(AsyncSocketTest, EmptyLookupNameIsRefused) {
    EXPECT_THROW(s().DnsLookup(""), ESocketException);
    int errors = 0;
    s().OnError = [&](Component*) { ++errors; };
    s().DnsLookup("");
    EXPECT_EQ(errors, 1);
    EXPECT_TRUE(rec.Has("dns 10022"));
}

TEST_F(AsyncSocketTest, FailedLookupOfAConnectReachesSessionConnected) {
    s().SetNameResolver([](bool, const std::string&) { return LookupResult{SockHOST_NOT_FOUND, {}}; });
    s().SetAddr("no-such-host");
    s().SetPort("21");
    s().Connect();
    EXPECT_EQ(s().State(), wsConnecting);
    ASSERT_TRUE(rec.RunUntilEvent("connected 11001"));
    rec.Settle();
    EXPECT_EQ(s().State(), wsClosed);
}

TEST_F(AsyncSocketTest, ConnectToAHostNameDoesNotBlockAndConnects) {
    s().SetAddr("localhost");
    s().SetPort(listener.PortText());
    s().Connect();
    EXPECT_TRUE(rec.events.empty());
    EXPECT_EQ(s().State(), wsConnecting);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    peer = listener.Accept();
    EXPECT_GE(peer, 0);
}

TEST_F(AsyncSocketTest, StaleNotificationAfterDescriptorReuseIsIgnored) {
    ConnectPeer();
    ASSERT_TRUE(WriteAll(peer, "for the old connection"));
    ASSERT_TRUE(WaitFor(s().HSocket(), POLLIN, 3000));
    loop.ProcessPending();  // the read notification is now queued, not yet handled
    ASSERT_GT(loop.PendingTasks(), 0u);
    int oldFd = s().HSocket();
    s().Close();
    rec.events.clear();
    s().SetAddr("127.0.0.1");
    s().SetPort(listener.PortText());
    s().Connect();
    ASSERT_EQ(s().HSocket(), oldFd);  // the same descriptor number, a new connection
    int peer2 = listener.Accept();
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    rec.Settle();
    EXPECT_EQ(rec.Count("data"), 0u);
    EXPECT_TRUE(rec.received.empty());
    ::close(peer2);
}

TEST_F(AsyncSocketTest, CloseForgetsAddrPortAndProto) {
    ConnectPeer();
    s().SetProto("tcp");
    s().Close();
    EXPECT_TRUE(rec.Has("closed 0"));
    EXPECT_EQ(s().Addr(), "");
    EXPECT_EQ(s().Port(), "");
    EXPECT_EQ(s().Proto(), "tcp");
    try {
        s().Connect();
        FAIL() << "connect without a port";
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "Connect: No Port Specified");
    }
}

TEST_F(AsyncSocketTest, CloseDeliversQueuedDataAndAnOrderlyEnd) {
    ConnectPeer();
    std::string data(200000, 'q');
    s().Send(data.data(), int(data.size()));
    s().Flush();
    EXPECT_TRUE(s().AllSent());
    s().Close();
    int error = 0;
    EXPECT_EQ(ReadToEnd(peer, error).size(), data.size());
    EXPECT_EQ(error, 0);
}

// The linger setting is kept but never handed to the system. Each case is a setting that, if it were,
// would make Close do harm while the peer is slow to read: block the program's only thread until the
// peer catches up, or reset the connection and throw away what was already sent.
struct LingerCase {
    int seconds;
    const char* harm;
};

void PrintTo(const LingerCase& c, std::ostream* os) { *os << "linger " << c.seconds << " s"; }

class CloseNeverLingersTest : public AsyncSocketTest, public ::testing::WithParamInterface<LingerCase> {};

TEST_P(CloseNeverLingersTest, CloseReturnsAtOnceAndThePeerStillGetsEverythingSent) {
    s().SetLingerOnOff(wsLingerOn);
    s().SetLingerTimeout(GetParam().seconds);
    // Small buffers on both sides, so that most of what the kernel took is still unacknowledged.
    ASSERT_EQ(sock::SetReceiveBufferSize(listener.Fd(), 4096), 0);
    ConnectPeer();
    ASSERT_EQ(sock::SetSendBufferSize(s().HSocket(), 4096), 0);
    std::string data(1 << 20, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = char('a' + i % 26);
    s().Send(data.data(), int(data.size()));
    std::size_t taken = 0;  // what the kernel took; the rest waits in the send chain
    for (int b : rec.blocks) taken += std::size_t(b);
    ASSERT_GT(taken, 0u);
    ASSERT_LT(taken, data.size()) << "the peer was meant to fall behind";

    // The peer reads nothing until Close has returned, or until Close has plainly waited for it.
    std::promise<void> closeReturned;
    bool closeWaited = false;
    int error = 0;
    std::string got;
    std::thread reader([&, returned = closeReturned.get_future(), p = peer] {
        closeWaited = returned.wait_for(std::chrono::seconds(10)) == std::future_status::timeout;
        got = ReadToEnd(p, error, 30000);
    });
    s().Close();
    closeReturned.set_value();
    reader.join();
    EXPECT_FALSE(closeWaited) << GetParam().harm;
    EXPECT_EQ(error, 0) << GetParam().harm;
    EXPECT_EQ(got.size(), taken) << GetParam().harm;
    EXPECT_TRUE(got == data.substr(0, taken));
}

INSTANTIATE_TEST_SUITE_P(Table, CloseNeverLingersTest,
                         ::testing::Values(LingerCase{0, "a zero linger time resets the connection at the close"},
                                           LingerCase{60, "a linger time makes the close wait for the peer"}));

TEST_F(AsyncSocketTest, AbortResetsTheConnection) {
    ConnectPeer();
    ASSERT_TRUE(WriteAll(peer, "x"));  // unread data makes the reset certain
    s().Abort();
    EXPECT_EQ(s().State(), wsClosed);
    EXPECT_TRUE(rec.Has("closed 0"));
    int error = 0;
    ReadToEnd(peer, error);
    EXPECT_EQ(error, ECONNRESET);
}

TEST_F(AsyncSocketTest, PortCanBeSetToItsValueWhileConnectedButNotChanged) {
    ConnectPeer();
    EXPECT_NO_THROW(s().SetPort(listener.PortText()));
    try {
        s().SetPort("1");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "Cannot change Port if not closed");
    }
    EXPECT_THROW(s().SetAddr("10.0.0.1"), ESocketException);
    EXPECT_THROW(s().SetProto("udp"), ESocketException);
    EXPECT_THROW(s().SetLocalPort("5"), ESocketException);
    EXPECT_THROW(s().Connect(), ESocketException);
}

TEST_F(AsyncSocketTest, SendWhileNotConnectedIs10057) {
    int errors = 0;
    s().OnError = [&](Component*) { ++errors; };
    EXPECT_EQ(s().Send("x", 1), -1);
    EXPECT_EQ(s().LastError(), 10057);
    EXPECT_EQ(errors, 1);
}

TEST_F(AsyncSocketTest, LocalAddrMustBeDotted) {
    s().SetLocalAddr("");
    EXPECT_EQ(s().LocalAddr(), "0.0.0.0");
    try {
        s().SetLocalAddr("localhost");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "SetLocalAddr(): Invalid IP address");
    }
    EXPECT_THROW(s().SetSendFlags(2), ESocketException);
    s().SetSendFlags(wsSendUrgent);
    EXPECT_EQ(s().SendFlags(), wsSendUrgent);
}

TEST_F(AsyncSocketTest, ListenAcceptAndDupServeAConnection) {
    TAsyncSocket server(nullptr, &loop);
    TAsyncSocket served(nullptr, &loop);
    SocketRecorder serverLog(loop);
    serverLog.Attach(server);
    serverLog.Attach(served);
    server.SetAddr("127.0.0.1");
    server.SetPort("0");
    server.Listen();
    ASSERT_EQ(server.State(), wsListening);
    std::string port = server.LocalPortText();
    ASSERT_NE(port, "error");
    server.OnSessionAvailable = [&](Component*, int) {
        int fd = server.Accept();
        served.Dup(fd);
    };
    int client = PlainConnect(std::uint16_t(std::stoi(port)));
    ASSERT_GE(client, 0);
    ASSERT_TRUE(serverLog.RunUntil([&] { return served.State() == wsConnected; }));
    ASSERT_TRUE(WriteAll(client, "ping"));
    ASSERT_TRUE(serverLog.RunUntil([&] { return serverLog.received == "ping"; }));
    served.SendStr("pong");
    EXPECT_EQ(ReadBytes(client, 4), "pong");
    ::close(client);
    ASSERT_TRUE(serverLog.RunUntil([&] { return served.State() == wsClosed; }));
    EXPECT_THROW(served.Accept(), ESocketException);
}

TEST_F(AsyncSocketTest, ListeningThroughPortZeroWithoutAddressIsRefused) {
    try {
        s().Listen();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(std::string(e.what()), "Error 10022 in function listen: port not assigned\r\nInvalid argument");
    }
}

TEST_F(AsyncSocketTest, HandlerExceptionGoesToBgExceptionAndAborts) {
    ConnectPeer();
    std::string seen;
    s().OnBgException = [&](Component*, const std::exception& e, bool& canClose) {
        seen = e.what();
        EXPECT_TRUE(canClose);
    };
    s().OnDataAvailable = [](Component*, int) { throw std::runtime_error("handler failed"); };
    ASSERT_TRUE(WriteAll(peer, "boom"));
    ASSERT_TRUE(rec.RunUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen, "handler failed");
    EXPECT_EQ(s().State(), wsClosed);
}

TEST_F(AsyncSocketTest, TestMessageRaisesThroughTheBackgroundHandler) {
    ConnectPeer();
    std::string seen;
    s().OnBgException = [&](Component*, const std::exception& e, bool& canClose) {
        seen = e.what();
        canClose = false;
    };
    s().PostSocketMessage(WmTestException);
    EXPECT_TRUE(seen.empty());
    ASSERT_TRUE(rec.RunUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen, "Test exception in AsyncSocket");
    EXPECT_EQ(s().State(), wsConnected);  // the handler kept it open
}

TEST_F(AsyncSocketTest, CloseLaterClosesOnALaterTurn) {
    ConnectPeer();
    s().CloseLater();
    EXPECT_EQ(s().State(), wsConnected);
    ASSERT_TRUE(rec.RunUntilEvent("closed 0"));
    EXPECT_EQ(s().State(), wsClosed);
}

TEST_F(AsyncSocketTest, FreeLaterFreesTheComponentThroughItsOwner) {
    Component owner;
    auto* owned = new TAsyncSocket(&owner, &loop);
    ASSERT_EQ(owner.Components().size(), 1u);
    owned->FreeLater();
    EXPECT_EQ(owner.Components().size(), 1u);
    loop.ProcessPending();
    EXPECT_TRUE(owner.Components().empty());
}

TEST_F(AsyncSocketTest, WithoutAHandlerWaitingDataIsDropped) {
    ConnectPeer();
    s().OnDataAvailable = nullptr;
    ASSERT_TRUE(WriteAll(peer, std::string(3000, 'd')));
    ASSERT_TRUE(rec.RunUntil([&] {
        int n = 0;
        sock::BytesWaiting(s().HSocket(), n);
        return n == 0;
    }));
    EXPECT_EQ(s().State(), wsConnected);
}

TEST_F(AsyncSocketTest, AHandlerThatReadsNothingDoesNotSpin) {
    ConnectPeer();
    int calls = 0;
    s().OnDataAvailable = [&](Component*, int) { ++calls; };
    ASSERT_TRUE(WriteAll(peer, "unread"));
    ASSERT_TRUE(rec.RunUntil([&] { return calls > 0; }));
    rec.Settle();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s().RcvdCount(), 6);
}

TEST_F(AsyncSocketTest, NoReceiveLoopGivesOneDataEventPerNotification) {
    ConnectPeer();
    s().SetComponentOptions(wsoNoReceiveLoop);
    rec.readChunk = 2;
    ASSERT_TRUE(WriteAll(peer, "abcdef"));
    ASSERT_TRUE(rec.RunUntil([&] { return rec.received == "abcdef"; }));
    EXPECT_EQ(rec.Count("data"), 3u);
}

TEST_F(AsyncSocketTest, WaitForCloseDeliversDataUntilThePeerCloses) {
    ConnectPeer();
    std::thread writer([p = peer] {
        WriteAll(p, "late data");
        ::shutdown(p, SHUT_WR);
    });
    s().WaitForClose();
    writer.join();
    EXPECT_EQ(rec.received, "late data");
    EXPECT_EQ(s().State(), wsClosed);
    EXPECT_EQ(rec.Count("closed"), 1u);
}

TEST_F(AsyncSocketTest, PauseHoldsNotificationsAndResumeBringsThem) {
    ConnectPeer();
    s().Pause();
    ASSERT_TRUE(WriteAll(peer, "held"));
    rec.Settle();
    EXPECT_EQ(rec.Count("data"), 0u);
    s().Resume();
    ASSERT_TRUE(rec.RunUntil([&] { return rec.received == "held"; }));
}

// A file on disk for the sends straight from a file, removed at the end.
class TempFile {
public:
    explicit TempFile(const std::string& content) {
        char name[] = "/tmp/fv-sendfile-XXXXXX";
        fd_ = ::mkstemp(name);
        path_ = name;
        if (fd_ >= 0) WriteAll(fd_, content);
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        ::unlink(path_.c_str());
    }
    int Fd() const { return fd_; }

private:
    static void WriteAll(int fd, const std::string& s) {
        std::size_t done = 0;
        while (done < s.size()) {
            long n = ::write(fd, s.data() + done, s.size() - done);
            if (n <= 0) return;
            done += std::size_t(n);
        }
    }
    int fd_ = -1;
    std::string path_;
};

TEST_F(AsyncSocketTest, SendFileSendsFromTheOffsetAndGivesZeroAtTheEnd) {
    ConnectPeer();
    std::string content(300000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = char('a' + (i * 13 + i / 97) % 26);
    TempFile file(content);
    ASSERT_GE(file.Fd(), 0);
    std::int64_t offset = 1234;
    std::future<std::string> got = std::async(std::launch::async, [fd = peer] { return ReadBytes(fd, 300000 - 1234, 30000); });
    int zeroes = 0;
    ASSERT_TRUE(rec.RunUntil(
        [&] {
            const int n = s().SendFile(file.Fd(), offset, 65536);
            EXPECT_NE(n, TCustomAsyncSocket::SendFileRefused);
            if (n == 0) ++zeroes;
            return n == 0;
        },
        30000));
    EXPECT_EQ(zeroes, 1);
    EXPECT_EQ(offset, std::int64_t(content.size()));
    ASSERT_EQ(got.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    EXPECT_TRUE(got.get() == content.substr(1234));
    // Each part that went is followed by a data-sent event, as after a Send.
    ASSERT_TRUE(rec.RunUntilEvent("sent 0", 30000));
}

TEST_F(AsyncSocketTest, SendFileIsRefusedWhileBytesWaitInTheChainOrWhenNotConnected) {
    TempFile file("some bytes");
    std::int64_t offset = 0;
    EXPECT_EQ(s().SendFile(file.Fd(), offset, 10), TCustomAsyncSocket::SendFileRefused);
    ConnectPeer();
    // Fill the system's buffers until the chain holds bytes (the peer reads nothing).
    const std::string chunk(1 << 20, 'x');
    for (int i = 0; i < 64 && s().AllSent(); ++i) s().Send(chunk.data(), int(chunk.size()));
    ASSERT_FALSE(s().AllSent());
    EXPECT_EQ(s().SendFile(file.Fd(), offset, 10), TCustomAsyncSocket::SendFileRefused);
    EXPECT_EQ(offset, 0);
}

TEST_F(AsyncSocketTest, SendFileOverAShutSendingSideIsAnErrorNotASignal) {
    ConnectPeer();
    TempFile file(std::string(200000, 'y'));
    // Bytes sent after the sending side was shut meet a broken pipe, which the system also signals.
    s().Shutdown(1);
    std::int64_t offset = 0;
    const int result = s().SendFile(file.Fd(), offset, 65536);
    // Still here: the process was not ended by SIGPIPE; the caller falls back to Send, which reports it.
    EXPECT_EQ(result, TCustomAsyncSocket::SendFileRefused);
    EXPECT_EQ(offset, 0);
    sigset_t pending;
    sigpending(&pending);
    EXPECT_EQ(sigismember(&pending, SIGPIPE), 0);
}

}  // namespace
}  // namespace fv
