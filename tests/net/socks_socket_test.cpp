// The SOCKS client against a scripted proxy: what a real proxy cannot be made to do, and the settings.
#include <gtest/gtest.h>

#include "net/peer_threads.h"
#include "net/socket_recorder.h"

namespace fv {
namespace {

using namespace fv::testing;
using P = ScriptedProxy;

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int v : b) s.push_back(char(v));
    return s;
}

// A SOCKS 5 success reply with an IPv4 address.
const std::string Reply5Ipv4 = Bytes({5, 0, 0, 1, 127, 0, 0, 1, 0x1F, 0x90});

class SocksSocketTest : public ::testing::Test {
protected:
    void SetUp() override {
        s().OnSocksError = [this](Component*, int e, const std::string& m) {
            rec.Log("socks-error", e);
            socksMessages.push_back(m);
        };
        s().OnSocksConnected = [this](Component*, int e) { rec.Log("socks-connected", e); };
        s().OnSocksAuthState = [this](Component*, TSocksAuthState a) { rec.Log("auth", int(a)); };
    }
    void Start(const ScriptedProxy& proxy, const std::string& level = "5") {
        s().SetSocksServer("127.0.0.1");
        s().SetSocksPort(proxy.PortText());
        s().SetSocksLevel(level);
        s().SetAddr("ftp.example.org");
        s().SetPort("21");
        s().Connect();
    }
    TAsyncSocket& s() { return *rec.socket; }

    HeadlessLoop loop{true};
    std::vector<std::string> socksMessages;
    // Declared last so that the socket closes before any proxy of a test goes.
    SocketRecorder rec{loop};
};

TEST_F(SocksSocketTest, ReplyAndFirstDataInOnePacketGoThroughLeftover) {
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22),
             P::Send(Reply5Ipv4 + "220 Welcome\r\n")});
    std::vector<std::string> order;
    rec.socket->OnSessionConnected = [&](Component*, int e) { order.push_back("connected " + std::to_string(e)); };
    rec.socket->OnDataAvailable = [&](Component*, int) { order.push_back("data " + s().ReceiveStr()); };
    Start(proxy);
    ASSERT_TRUE(rec.RunUntil([&] { return order.size() >= 2; }));
    EXPECT_EQ(order[0], "connected 0");
    EXPECT_EQ(order[1], "data 220 Welcome\r\n");
    // The request named the destination as a domain: 5 1 0 3, length, name, port 21.
    EXPECT_EQ(proxy.Received(), Bytes({5, 1, 0}) + Bytes({5, 1, 0, 3, 15}) + "ftp.example.org" + Bytes({0, 21}));
    EXPECT_EQ(s().SocksState(), 0);
    EXPECT_EQ(s().LeftoverCount(), 0);
}

TEST_F(SocksSocketTest, RepliesByteByByteAreJoined) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    s().SetSocksUsercode("user");
    s().SetSocksPassword("secret");
    P proxy({P::Expect(3), P::Trickle(Bytes({5, 2})), P::Expect(2 + 4 + 1 + 6), P::Trickle(Bytes({1, 0})),
             P::Expect(22), P::Trickle(Reply5Ipv4)});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    EXPECT_EQ(rec.Count("connected"), 1u);
    EXPECT_TRUE(rec.Has("auth 0"));  // user and password sent
    EXPECT_TRUE(rec.Has("auth 1"));  // accepted
    EXPECT_EQ(proxy.Received().substr(3, 13), Bytes({1, 4}) + "user" + Bytes({6}) + "secret");
}

TEST_F(SocksSocketTest, Version4AnsweringAVersion5RequestGives20002) {
    P proxy({P::Expect(3), P::Send(Bytes({4, 0}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 20002"));
    EXPECT_TRUE(rec.Has("socks-error 20002"));
    EXPECT_EQ(socksMessages.at(0), "socks version error");
    ASSERT_TRUE(rec.RunUntil([&] { return s().State() == wsClosed; }));
}

TEST_F(SocksSocketTest, OnlyNoAuthenticationOfferedGives20003) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    P proxy({P::Expect(3), P::Send(Bytes({5, 0xFF}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 20003"));
    EXPECT_EQ(socksMessages.at(0), "authentification method not acceptable");
    EXPECT_EQ(proxy.Received(), Bytes({5, 1, 2}));
    // The order the owner sees: the proxy connection, the SOCKS error, the failed connect, the close.
    std::vector<std::string> expected{"socks-connected 0", "socks-error 20003", "connected 20003", "closed 20003"};
    ASSERT_TRUE(rec.RunUntil([&] { return rec.Count("closed") > 0; }));
    std::vector<std::string> seen;
    for (const auto& e : rec.events)
        if (e != "sent 0") seen.push_back(e);
    EXPECT_EQ(seen, expected);
}

TEST_F(SocksSocketTest, NoAuthenticationChosenAfterUserPasswordWasOffered) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22), P::Send(Reply5Ipv4)});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    EXPECT_TRUE(rec.Has("auth 3"));
}

struct ReplyCase {
    int code;
    int error;
    const char* text;
};

void PrintTo(const ReplyCase& c, std::ostream* os) { *os << "reply " << c.code; }

class Socks5ReplyTest : public SocksSocketTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(Socks5ReplyTest, ReplyCodeMapsToError) {
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22),
             P::Send(Bytes({5, GetParam().code, 0, 1, 0, 0, 0, 0, 0, 0}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected " + std::to_string(GetParam().error)));
    EXPECT_EQ(socksMessages.at(0), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, Socks5ReplyTest,
                         ::testing::Values(ReplyCase{1, 20004, "general SOCKS server failure"},
                                           ReplyCase{2, 20005, "connection not allowed by ruleset"},
                                           ReplyCase{3, 20006, "network unreachable"},
                                           ReplyCase{4, 20007, "host unreachable"},
                                           ReplyCase{5, 20008, "connection refused"},
                                           ReplyCase{6, 20009, "time to live expired"},
                                           ReplyCase{7, 20010, "command not supported"},
                                           ReplyCase{8, 20011, "address type not supported"},
                                           ReplyCase{9, 20012, "unassigned error #9"}));

class Socks4ReplyTest : public SocksSocketTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(Socks4ReplyTest, ReplyCodeMapsToError) {
    s().SetSocksUsercode("me");
    P proxy({P::Expect(9 + 2), P::Send(Bytes({0, GetParam().code, 0, 0, 0, 0, 0, 0}))});
    s().SetSocksServer("127.0.0.1");
    s().SetSocksPort(proxy.PortText());
    s().SetSocksLevel("4");
    s().SetAddr("10.1.2.3");
    s().SetPort("21");
    s().Connect();
    ASSERT_TRUE(rec.RunUntilEvent("connected " + std::to_string(GetParam().error)));
    EXPECT_EQ(socksMessages.at(0), GetParam().text);
    EXPECT_EQ(proxy.Received(), Bytes({4, 1, 0, 21, 10, 1, 2, 3}) + "me" + Bytes({0}));
    ASSERT_TRUE(rec.RunUntil([&] { return s().State() == wsClosed; }));
}

INSTANTIATE_TEST_SUITE_P(Table, Socks4ReplyTest,
                         ::testing::Values(ReplyCase{91, 20016, "request rejected or failed"},
                                           ReplyCase{92, 20008, "connection refused"},
                                           ReplyCase{93, 20015, "authentification failed"},
                                           ReplyCase{94, 20012, "unassigned error #94"}));

TEST_F(SocksSocketTest, LongDomainNameReplyIsTakenWhole) {
    std::string name(255, 'n');
    std::string reply = Bytes({5, 0, 0, 3, 255}) + name + Bytes({0, 21});
    ASSERT_EQ(reply.size(), 262u);
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22), P::Send(reply + "after")});
    std::string data;
    rec.socket->OnDataAvailable = [&](Component*, int) { data += s().ReceiveStr(); };
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    ASSERT_TRUE(rec.RunUntil([&] { return data == "after"; }));
}

TEST_F(SocksSocketTest, Ipv6AddressReplyIsAccepted) {
    std::string reply = Bytes({5, 0, 0, 4}) + std::string(16, '\0') + Bytes({0, 21});
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22), P::Trickle(reply)});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    EXPECT_EQ(rec.Count("socks-error"), 0u);
}

TEST_F(SocksSocketTest, UnknownAddressTypeGives20011) {
    P proxy({P::Expect(3), P::Send(Bytes({5, 0})), P::Expect(22), P::Send(Bytes({5, 0, 0, 9, 0}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 20011"));
}

TEST_F(SocksSocketTest, LongUserCodeAndPasswordAreSentWhole) {
    std::string user(200, 'u'), password(250, 'p');
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    s().SetSocksUsercode(user);
    s().SetSocksPassword(password);
    P proxy({P::Expect(3), P::Send(Bytes({5, 2})), P::Expect(3 + 200 + 250), P::Send(Bytes({1, 0})),
             P::Expect(22), P::Send(Reply5Ipv4)});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    EXPECT_EQ(proxy.Received().substr(3, 453), Bytes({1, 200}) + user + Bytes({250}) + password);
}

TEST_F(SocksSocketTest, UserCodeLongerThan255IsRefusedWithoutSending) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    s().SetSocksUsercode(std::string(256, 'u'));
    P proxy({P::Expect(3), P::Send(Bytes({5, 2}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 20015"));
    EXPECT_EQ(proxy.Received(), Bytes({5, 1, 2}));
}

TEST_F(SocksSocketTest, WrongAuthenticationReplyGives20015) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    P proxy({P::Expect(3), P::Send(Bytes({5, 2})), P::Expect(3), P::Send(Bytes({1, 1}))});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntilEvent("connected 20015"));
    EXPECT_EQ(socksMessages.at(0), "socks authentication failed");
}

TEST_F(SocksSocketTest, ProxyClosingDuringAuthenticationReportsAborted) {
    s().SetSocksAuthentication(socksAuthenticateUsercode);
    P proxy({P::Expect(3), P::Send(Bytes({5, 2})), P::Expect(3), P::CloseNow()});
    Start(proxy);
    ASSERT_TRUE(rec.RunUntil([&] { return rec.Count("closed") > 0; }));
    EXPECT_TRUE(rec.Has("auth 2"));
}

TEST_F(SocksSocketTest, Socks4ASendsTheNameAndAddress0001) {
    P proxy({P::Expect(9 + 10), P::Send(Bytes({0, 90, 0, 0, 0, 0, 0, 0}) + "hi")});
    std::string data;
    rec.socket->OnDataAvailable = [&](Component*, int) { data += s().ReceiveStr(); };
    s().SetSocksServer(" 127.0.0.1 ");
    s().SetSocksPort(proxy.PortText());
    s().SetSocksLevel("4a");
    s().SetAddr("localhost");
    s().SetPort("80");
    s().Connect();
    ASSERT_TRUE(rec.RunUntilEvent("connected 0"));
    ASSERT_TRUE(rec.RunUntil([&] { return data == "hi"; }));
    EXPECT_EQ(proxy.Received(), Bytes({4, 1, 0, 80, 0, 0, 0, 1, 0}) + "localhost" + Bytes({0}));
}

TEST_F(SocksSocketTest, Socks4DestinationFailingToResolveGives20017) {
    s().SetNameResolver([](bool, const std::string& what) {
        if (what == "127.0.0.1") return LookupResult{0, {"127.0.0.1"}};
        return LookupResult{SockHOST_NOT_FOUND, {}};
    });
    P proxy({P::Expect(100)});
    s().SetSocksServer("127.0.0.1");
    s().SetSocksPort(proxy.PortText());
    s().SetSocksLevel("4");
    s().SetAddr("nowhere.invalid");
    s().SetPort("21");
    s().Connect();
    ASSERT_TRUE(rec.RunUntilEvent("socks-error 20017"));
    EXPECT_EQ(socksMessages.at(0),
              "ESocketException AsyncSocketResolveHost: Cannot convert host address 'nowhere.invalid', Error #11001");
    ASSERT_TRUE(rec.RunUntil([&] { return s().State() == wsClosed; }));
    EXPECT_EQ(rec.Count("connected"), 0u);
}

TEST_F(SocksSocketTest, ClosedProxyPortGives10061) {
    s().SetSocksServer("127.0.0.1");
    s().SetSocksPort(std::to_string(UnusedPort()));
    s().SetAddr("127.0.0.1");
    s().SetPort("21");
    s().Connect();
    ASSERT_TRUE(rec.RunUntilEvent("connected 10061"));
    EXPECT_TRUE(rec.Has("socks-connected 10061"));
}

TEST_F(SocksSocketTest, SettingsAreCheckedAndKeptOverAClose) {
    s().SetSocksLevel("4a");
    EXPECT_EQ(s().SocksLevel(), "4A");
    try {
        s().SetSocksLevel("6");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "Invalid socks level. Must be 4, 4A or 5.");
    }
    s().SetSocksServer("  proxy.local ");
    EXPECT_EQ(s().SocksServer(), "proxy.local");
    s().SetSocksPort(" 1080 ");
    s().ResetToDefaults();
    EXPECT_EQ(s().SocksServer(), "proxy.local");
    EXPECT_EQ(s().SocksPort(), "1080");
    EXPECT_EQ(s().SocksLevel(), "4A");
    s().SetAddr("127.0.0.1");
    s().SetPort("0");
    EXPECT_THROW(s().Listen(), ESocketException);
    s().SetProto("udp");
    try {
        s().Connect();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "tcp is the only protocol supported thru socks server");
    }
}

TEST_F(SocksSocketTest, SettingsCannotChangeWhileOpen) {
    PlainListener listener;
    s().SetAddr("127.0.0.1");
    s().SetPort(listener.PortText());
    s().Connect();
    EXPECT_THROW(s().SetSocksServer("x"), ESocketException);
    EXPECT_THROW(s().SetSocksPort("1"), ESocketException);
    EXPECT_THROW(s().SetSocksLevel("4"), ESocketException);
}

}  // namespace
}  // namespace fv
