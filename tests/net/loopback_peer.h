// Plain blocking sockets on 127.0.0.1 for the far side of the loopback tests, with bounded waits.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

namespace fv::testing {

inline sockaddr_in LoopbackAddress(std::uint16_t port) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(port);
    return sa;
}

inline bool WaitFor(int fd, short events, int timeoutMs) {
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

// A listening socket on 127.0.0.1 with a port chosen by the system.
class PlainListener {
public:
    PlainListener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int on = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in sa = LoopbackAddress(0);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
        ::listen(fd_, 16);
        socklen_t len = sizeof sa;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&sa), &len);
        port_ = ntohs(sa.sin_port);
    }
    ~PlainListener() { Close(); }
    PlainListener(const PlainListener&) = delete;
    PlainListener& operator=(const PlainListener&) = delete;

    std::uint16_t Port() const { return port_; }
    std::string PortText() const { return std::to_string(port_); }
    int Fd() const { return fd_; }
    // The next connection, or -1 when none comes within the time.
    int Accept(int timeoutMs = 5000) {
        if (!WaitFor(fd_, POLLIN, timeoutMs)) return -1;
        return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

inline int PlainConnect(std::uint16_t port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa = LoopbackAddress(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A port on 127.0.0.1 that nothing listens on (taken from the system and released again).
inline std::uint16_t UnusedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa = LoopbackAddress(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    socklen_t len = sizeof sa;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
    ::close(fd);
    return ntohs(sa.sin_port);
}

inline bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        long n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

// Reads until n bytes came, the peer closed or the time ran out.
inline std::string ReadBytes(int fd, std::size_t n, int timeoutMs = 5000) {
    std::string out;
    char buf[65536];
    while (out.size() < n) {
        if (!WaitFor(fd, POLLIN, timeoutMs)) break;
        long r = ::recv(fd, buf, std::min(sizeof buf, n - out.size()), 0);
        if (r <= 0) break;
        out.append(buf, std::size_t(r));
    }
    return out;
}

// Reads until the peer closes (or resets, or the time runs out); `error` gets errno of a failed read.
inline std::string ReadToEnd(int fd, int& error, int timeoutMs = 5000) {
    std::string out;
    char buf[65536];
    error = 0;
    for (;;) {
        if (!WaitFor(fd, POLLIN, timeoutMs)) {
            error = ETIMEDOUT;
            break;
        }
        long r = ::recv(fd, buf, sizeof buf, 0);
        if (r < 0) {
            error = errno;
            break;
        }
        if (r == 0) break;
        out.append(buf, std::size_t(r));
    }
    return out;
}

// Closes with a reset instead of an orderly close.
inline void ResetAndClose(int fd) {
    linger l{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    ::close(fd);
}

}  // namespace fv::testing
