// TSocketSendChain on its own: blocks filled in order, a gathered send onto a socketpair that takes only
// part of the chain, and the rest sent after the reader made room.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "net/socket_send_chain.h"

namespace fv {
namespace {

std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char('a' + i % 26);
    return s;
}

// Sends what the chain gathers with one writev; returns the count (or -1 when the socket would block).
long SendGathered(TSocketSendChain& chain, int fd, std::vector<int>* shares = nullptr) {
    SocketNotifier::Piece pieces[64];
    std::size_t n = chain.Gather(pieces, 64);
    iovec iov[64];
    for (std::size_t i = 0; i < n; ++i) iov[i] = {const_cast<void*>(pieces[i].Data), pieces[i].Size};
    long sent = ::writev(fd, iov, int(n));
    if (sent > 0) {
        EXPECT_TRUE(chain.Consume(sent, [&](int taken) {
            if (shares) shares->push_back(taken);
            return true;
        }));
    }
    return sent;
}

std::string ReadAll(int fd) {
    std::string out;
    char buf[4096];
    for (;;) {
        long n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        out.append(buf, std::size_t(n));
    }
    return out;
}

TEST(SocketSendChain, AppendFillsTheLastBlockBeforeStartingANewOne) {
    // 100-byte blocks: 250 bytes take three blocks, 50 more fill the third, one more starts a fourth.
    TSocketSendChain chain(100);
    chain.Append(Pattern(250).data(), 250);
    EXPECT_EQ(chain.Length(), 3u);
    chain.Append(Pattern(50).data(), 50);
    EXPECT_EQ(chain.Length(), 3u);
    chain.Append("x", 1);
    EXPECT_EQ(chain.Length(), 4u);
    int len = 0;
    const unsigned char* p = chain.Front(len);
    ASSERT_EQ(len, 100);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p), 3), "abc");
}

TEST(SocketSendChain, APartialSendLeavesTheRestInOrderForTheNextSend) {
    int sv[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sv), 0);
    // A small send buffer, so the system takes only part of the chain in one gathered send.
    int small = 4096;
    ::setsockopt(sv[0], SOL_SOCKET, SO_SNDBUF, &small, sizeof small);
    ::fcntl(sv[0], F_SETFL, ::fcntl(sv[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(sv[1], F_SETFL, ::fcntl(sv[1], F_GETFL) | O_NONBLOCK);

    const std::string data = Pattern(200000);
    TSocketSendChain chain(1514);
    chain.Append(data.data(), int(data.size()));

    std::vector<int> shares;
    long first = SendGathered(chain, sv[0], &shares);
    ASSERT_GT(first, 0);
    ASSERT_LT(first, long(data.size())) << "the socket took everything: no partial send to look at";
    // Every share is one block's part of the send, and together they are the count sent.
    long sum = 0;
    for (int s : shares) {
        EXPECT_GT(s, 0);
        EXPECT_LE(s, 1514);
        sum += s;
    }
    EXPECT_EQ(sum, first);
    // What is left starts right behind what went out.
    int len = 0;
    const unsigned char* p = chain.Front(len);
    ASSERT_GT(len, 0);
    EXPECT_EQ(char(*p), data[std::size_t(first)]);

    // The reader makes room and the chain goes out to its end, the bytes arriving whole and in order.
    std::string received = ReadAll(sv[1]);
    for (int rounds = 0; rounds < 100000 && chain.Front(len) != nullptr; ++rounds) {
        SendGathered(chain, sv[0]);
        received += ReadAll(sv[1]);
    }
    received += ReadAll(sv[1]);
    EXPECT_EQ(chain.Front(len), nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(received, data);
    ::close(sv[0]);
    ::close(sv[1]);
}

TEST(SocketSendChain, ConsumeStopsWhenTheListenerSaysSo) {
    // The owner may close the socket inside its per-block event: the walk stops and drops nothing more.
    TSocketSendChain chain(10);
    chain.Append(Pattern(30).data(), 30);
    int calls = 0;
    EXPECT_FALSE(chain.Consume(25, [&](int) { return ++calls < 1; }));
    EXPECT_EQ(calls, 1);
    int len = 0;
    chain.Front(len);
    EXPECT_EQ(len, 10) << "only the first block was dropped";
}

TEST(SocketSendChain, GatherSkipsSpentBlocksAndKeepsToTheLimit) {
    TSocketSendChain chain(10);
    chain.Append(Pattern(45).data(), 45);
    chain.Consume(10, [](int) { return true; });
    SocketNotifier::Piece pieces[2];
    // Blocks of 10, 10, 10, 5 wait; at most two pieces are asked for.
    ASSERT_EQ(chain.Gather(pieces, 2), 2u);
    EXPECT_EQ(pieces[0].Size, 10u);
    EXPECT_EQ(std::string(static_cast<const char*>(pieces[0].Data), 1), "k");
    chain.Clear();
    EXPECT_TRUE(chain.Empty());
    EXPECT_EQ(chain.Gather(pieces, 2), 0u);
}

}  // namespace
}  // namespace fv
