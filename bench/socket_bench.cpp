// Bulk transfer over 127.0.0.1 through TAsyncSocket (send chain, write notifications, the message loop)
// against a plain blocking socket pair moving the same bytes in the same chunks, which is the limit the
// socket component can approach. The goal is at least 80% of the plain pair's throughput.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "net/async_socket.h"
#include "platform/core/headless_loop.h"

namespace {

constexpr long TotalBytes = 32L << 20;

// A listening socket on 127.0.0.1 and a thread that drains every connection it accepts.
class Drain {
public:
    Drain() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
        ::listen(listener_, 4);
        socklen_t len = sizeof sa;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&sa), &len);
        port_ = ntohs(sa.sin_port);
        thread_ = std::thread([this] {
            int c = ::accept(listener_, nullptr, nullptr);
            if (c < 0) return;
            std::string buf(1 << 20, '\0');
            for (;;) {
                long n = ::recv(c, buf.data(), buf.size(), 0);
                if (n <= 0) break;
                received_ += n;
            }
            ::close(c);
        });
    }
    ~Drain() {
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }
    std::uint16_t Port() const { return port_; }
    // Waits until the drain has taken `bytes` in all.
    void WaitFor(long bytes) const {
        while (received_.load() < bytes) std::this_thread::yield();
    }

private:
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<long> received_{0};
    std::thread thread_;
};

void PlainSocketPair(benchmark::State& state) {
    const std::size_t chunk = std::size_t(state.range(0));
    Drain drain;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(drain.Port());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        state.SkipWithError("connect failed");
        return;
    }
    std::string data(chunk, 'p');
    long sent = 0;
    for (auto _ : state) {
        for (long left = TotalBytes; left > 0;) {
            long n = ::send(fd, data.data(), std::min<long>(left, long(chunk)), MSG_NOSIGNAL);
            if (n <= 0) break;
            left -= n;
            sent += n;
        }
        drain.WaitFor(sent);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
    ::close(fd);
}

void AsyncSocketTransfer(benchmark::State& state) {
    const int chunk = int(state.range(0));
    Drain drain;
    fv::HeadlessLoop loop;
    fv::TAsyncSocket socket(nullptr, &loop);
    bool connected = false;
    socket.OnSessionConnected = [&](fv::Component*, int error) { connected = error == 0; };
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(drain.Port()));
    socket.Connect();
    loop.RunUntil([&] { return connected; }, 5000);
    if (!connected) {
        state.SkipWithError("connect failed");
        return;
    }
    std::string data(std::size_t(chunk), 'a');
    long left = 0;
    long sent = 0;
    // The owner's way of sending a stream: the next chunk on each data-sent event.
    socket.OnDataSent = [&](fv::Component*, int) {
        if (left <= 0) return;
        int n = int(std::min<long>(left, chunk));
        socket.Send(data.data(), n);
        left -= n;
        sent += n;
    };
    for (auto _ : state) {
        left = TotalBytes - chunk;
        socket.Send(data.data(), chunk);
        sent += chunk;
        loop.RunUntil([&] { return left <= 0 && socket.AllSent(); });
        drain.WaitFor(sent);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
    socket.OnDataSent = nullptr;
    socket.Close();
}

BENCHMARK(PlainSocketPair)->Arg(1514)->Arg(64 << 10)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AsyncSocketTransfer)->Arg(1514)->Arg(64 << 10)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
