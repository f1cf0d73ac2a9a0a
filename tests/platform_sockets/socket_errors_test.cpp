// Socket error numbers: the texts the program shows and the mapping of the system's errors.
#include <gtest/gtest.h>

#include <netdb.h>

#include <cerrno>

#include "platform/sockets/socket_calls.h"
#include "platform/sockets/socket_errors.h"

namespace fv {
namespace {

struct TextCase {
    int code;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.code; }

class SocketErrorTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SocketErrorTextTest, TextOfCode) {
    EXPECT_EQ(SocketErrorText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, SocketErrorTextTest,
                         ::testing::Values(TextCase{0, "No Error"}, TextCase{10004, "Interrupted system call"},
                                           TextCase{10022, "Invalid argument"},
                                           TextCase{10035, "Operation would block"},
                                           TextCase{10047, "Address family not supported by protocol family"},
                                           TextCase{10053, "Connection aborted"},
                                           TextCase{10054, "Connection reset by peer"},
                                           TextCase{10057, "Socket is not connected"},
                                           TextCase{10059, "Too many references: can't splice"},
                                           TextCase{10061, "Connection refused"},
                                           TextCase{10093, "WinSock not initialized"},
                                           TextCase{11001, "Host not found"}, TextCase{11004, "No Data"},
                                           TextCase{10005, "Not a WinSock error"},
                                           TextCase{-1, "Not a WinSock error"},
                                           TextCase{12001, "Not a WinSock error"}));

struct ErrnoCase {
    int err;
    int code;
};

void PrintTo(const ErrnoCase& c, std::ostream* os) { *os << "errno " << c.err; }

class SocketErrorFromErrnoTest : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(SocketErrorFromErrnoTest, Maps) { EXPECT_EQ(SocketErrorFromErrno(GetParam().err), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(Table, SocketErrorFromErrnoTest,
                         ::testing::Values(ErrnoCase{0, 0}, ErrnoCase{EINTR, 10004}, ErrnoCase{EAGAIN, 10035},
                                           ErrnoCase{EINPROGRESS, 10036}, ErrnoCase{ECONNREFUSED, 10061},
                                           ErrnoCase{ECONNRESET, 10054}, ErrnoCase{EPIPE, 10053},
                                           ErrnoCase{ENOTCONN, 10057}, ErrnoCase{ETIMEDOUT, 10060},
                                           ErrnoCase{EADDRINUSE, 10048}, ErrnoCase{EHOSTUNREACH, 10065}));

TEST(SocketErrorFromLookupTest, MapsLookupFailures) {
    EXPECT_EQ(SocketErrorFromLookup(0, 0), 0);
    EXPECT_EQ(SocketErrorFromLookup(EAI_NONAME, 0), 11001);
    EXPECT_EQ(SocketErrorFromLookup(EAI_AGAIN, 0), 11002);
    EXPECT_EQ(SocketErrorFromLookup(EAI_FAIL, 0), 11003);
    EXPECT_EQ(SocketErrorFromLookup(EAI_SYSTEM, ECONNREFUSED), 10061);
}

struct DottedCase {
    const char* text;
    bool valid;
    const char* normal;
};

void PrintTo(const DottedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseDottedTest : public ::testing::TestWithParam<DottedCase> {};

TEST_P(ParseDottedTest, ParsesAndPrints) {
    std::uint32_t ip = 0;
    ASSERT_EQ(sock::ParseDotted(GetParam().text, ip), GetParam().valid);
    if (GetParam().valid) {
        EXPECT_EQ(sock::DottedText(ip), GetParam().normal);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseDottedTest,
                         ::testing::Values(DottedCase{"127.0.0.1", true, "127.0.0.1"},
                                           DottedCase{"010.000.1.255", true, "10.0.1.255"},
                                           DottedCase{"255.255.255.255", true, "255.255.255.255"},
                                           DottedCase{"256.1.1.1", false, ""}, DottedCase{"1.2.3", false, ""},
                                           DottedCase{"1.2.3.4.5", false, ""}, DottedCase{"1..2.3", false, ""},
                                           DottedCase{"", false, ""}, DottedCase{"a.b.c.d", false, ""}));

}  // namespace
}  // namespace fv
