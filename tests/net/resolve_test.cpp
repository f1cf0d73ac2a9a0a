// Resolution helpers of the socket layer: dotted addresses, ports, protocols, time values.
#include <gtest/gtest.h>

#include "net/custom_async_socket.h"

namespace fv {
namespace {

struct DottedCase {
    const char* text;
    bool dotted;
};

void PrintTo(const DottedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IsDottedAddressTest : public ::testing::TestWithParam<DottedCase> {};

TEST_P(IsDottedAddressTest, Decides) { EXPECT_EQ(IsDottedAddress(GetParam().text), GetParam().dotted); }

INSTANTIATE_TEST_SUITE_P(Table, IsDottedAddressTest,
                         ::testing::Values(DottedCase{"127.0.0.1", true}, DottedCase{"  10.1.2.3  ", true},
                                           DottedCase{"255.255.255.255", true}, DottedCase{".1.2.3", false},
                                           DottedCase{"1.2.3.", false}, DottedCase{"1..2.3", false},
                                           DottedCase{"1.2.3", false}, DottedCase{"1.2.3.4.5", false},
                                           DottedCase{"256.0.0.1", false}, DottedCase{"localhost", false},
                                           DottedCase{"", false}, DottedCase{"1.2.3.4 x", false}));

TEST(ResolveTest, HostOfDottedAndInvalidNames) {
    EXPECT_EQ(sock::DottedText(AsyncSocketResolveHost("127.0.0.1")), "127.0.0.1");
    EXPECT_EQ(sock::DottedText(AsyncSocketResolveHost("localhost")), "127.0.0.1");
    try {
        AsyncSocketResolveHost("");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "AsyncSocketResolveHost: '' Invalid Hostname.");
    }
    EXPECT_THROW(AsyncSocketResolveHost(std::string(257, 'a')), ESocketException);
}

TEST(ResolveTest, PortsByNumberAndName) {
    EXPECT_EQ(AsyncSocketResolvePort("21", "tcp"), 21);
    EXPECT_EQ(AsyncSocketResolvePort("8080", "tcp"), 8080);
    EXPECT_EQ(AsyncSocketResolvePort("ftp", "tcp"), 21);
    try {
        AsyncSocketResolvePort("", "tcp");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "AsyncSocketResolvePort: Invalid Port.");
    }
    EXPECT_THROW(AsyncSocketResolvePort(std::string(32, '1'), "tcp"), ESocketException);
    // Beyond 16 bits a port would silently wrap into another one.
    EXPECT_THROW(AsyncSocketResolvePort("70000", "tcp"), ESocketException);
    try {
        AsyncSocketResolvePort("no-such-service", "tcp");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(std::string(e.what()), "AsyncSocketResolvePort: Cannot convert port 'no-such-service', Error #11004");
    }
}

TEST(ResolveTest, Protocols) {
    EXPECT_EQ(AsyncSocketResolveProto("tcp"), 6);
    EXPECT_EQ(AsyncSocketResolveProto("udp"), 17);
    EXPECT_EQ(AsyncSocketResolveProto("17"), 17);
    try {
        AsyncSocketResolveProto("");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_STREQ(e.what(), "AsyncSocketResolveProto: Invalid Protocol.");
    }
    EXPECT_THROW(AsyncSocketResolveProto("nonsense"), ESocketException);
}

TEST(ResolveTest, TimeValues) {
    TTimeVal t{1, 0};
    EXPECT_TRUE(TimeValueIsSet(t));
    ClearTimeValue(t);
    EXPECT_FALSE(TimeValueIsSet(t));
    EXPECT_TRUE(CompareTimeValues({1, 2}, {1, 2}, true));
    EXPECT_FALSE(CompareTimeValues({1, 2}, {1, 3}, true));
    EXPECT_TRUE(CompareTimeValues({1, 2}, {1, 3}, false));
}

TEST(ResolveTest, UnknownErrorText) {
    EXPECT_EQ(SocketErrorText(12345), "Not a WinSock error");
}

}  // namespace
}  // namespace fv
