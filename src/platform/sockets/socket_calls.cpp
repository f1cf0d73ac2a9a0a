// BSD socket calls with the program's error numbers.
#include "platform/sockets/socket_calls.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/sockets/socket_errors.h"

namespace fv::sock {

namespace {

sockaddr_in ToSockaddr(const Address& a) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = a.Ip;
    sa.sin_port = htons(a.Port);
    return sa;
}

int Result(int rc) { return rc < 0 ? LastSocketError() : SockNoError; }

}  // namespace

std::string DottedText(std::uint32_t ip) {
    const auto* b = reinterpret_cast<const unsigned char*>(&ip);
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", b[0], b[1], b[2], b[3]);
    return text;
}

bool ParseDotted(const std::string& text, std::uint32_t& ip) {
    unsigned char parts[4];
    std::size_t i = 0;
    for (int p = 0; p < 4; ++p) {
        if (p > 0) {
            if (i >= text.size() || text[i] != '.') return false;
            ++i;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + unsigned(text[i] - '0');
            if (value > 255) return false;
            ++i;
            ++digits;
        }
        if (digits == 0) return false;
        parts[p] = static_cast<unsigned char>(value);
    }
    if (i != text.size()) return false;
    std::uint32_t out = 0;
    auto* b = reinterpret_cast<unsigned char*>(&out);
    for (int p = 0; p < 4; ++p) b[p] = parts[p];
    ip = out;
    return true;
}

int Create(int type, int protocol, int& error) {
    int sysType = type == DatagramSocket ? SOCK_DGRAM : SOCK_STREAM;
    int fd = ::socket(AF_INET, sysType | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    error = fd < 0 ? LastSocketError() : SockNoError;
    return fd < 0 ? NoSocket : fd;
}

int Bind(int fd, const Address& address) {
    sockaddr_in sa = ToSockaddr(address);
    return Result(::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa));
}

int Listen(int fd, int backlog) { return Result(::listen(fd, backlog)); }

int Shutdown(int fd, int how) {
    int sysHow = how == 0 ? SHUT_RD : how == 1 ? SHUT_WR : SHUT_RDWR;
    return Result(::shutdown(fd, sysHow));
}

int Close(int fd) {
    // Linux releases the descriptor even when close reports EINTR, so the call is never repeated.
    int rc = ::close(fd);
    if (rc < 0 && errno == EINTR) return SockNoError;
    return Result(rc);
}

int CloseAbortive(int fd) {
    linger l{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    return Close(fd);
}

int GetSockName(int fd, Address& address) {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) < 0) return LastSocketError();
    if (sa.sin_family != AF_INET) return SockEAFNOSUPPORT;
    address.Ip = sa.sin_addr.s_addr;
    address.Port = ntohs(sa.sin_port);
    return SockNoError;
}

int GetPeerName(int fd, Address& address) {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&sa), &len) < 0) return LastSocketError();
    if (sa.sin_family != AF_INET) return SockEAFNOSUPPORT;
    address.Ip = sa.sin_addr.s_addr;
    address.Port = ntohs(sa.sin_port);
    return SockNoError;
}

int BytesWaiting(int fd, int& count) {
    int n = 0;
    if (::ioctl(fd, FIONREAD, &n) < 0) {
        count = -1;
        return LastSocketError();
    }
    count = n;
    return SockNoError;
}

int SocketType(int fd, int& type) {
    int t = 0;
    socklen_t len = sizeof t;
    if (::getsockopt(fd, SOL_SOCKET, SO_TYPE, &t, &len) < 0) return LastSocketError();
    type = t == SOCK_DGRAM ? DatagramSocket : StreamSocket;
    return SockNoError;
}

bool IsListening(int fd) {
    int on = 0;
    socklen_t len = sizeof on;
    return ::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &on, &len) == 0 && on != 0;
}

int SetBoolOption(int fd, int level, int name, bool on) {
    int v = on ? 1 : 0;
    return Result(::setsockopt(fd, level, name, &v, sizeof v));
}

int SetKeepAlive(int fd, bool on) { return SetBoolOption(fd, SOL_SOCKET, SO_KEEPALIVE, on); }
int SetReuseAddress(int fd, bool on) { return SetBoolOption(fd, SOL_SOCKET, SO_REUSEADDR, on); }
int SetBroadcast(int fd, bool on) { return SetBoolOption(fd, SOL_SOCKET, SO_BROADCAST, on); }

int GetSendBufferSize(int fd, int& size) {
    socklen_t len = sizeof size;
    return Result(::getsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, &len));
}

int SetSendBufferSize(int fd, int size) { return Result(::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size)); }
int SetReceiveBufferSize(int fd, int size) {
    return Result(::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size));
}

int LookupService(const std::string& name, const std::string& protocol, int& port) {
    servent entry{};
    servent* found = nullptr;
    char buffer[1024];
    int rc = ::getservbyname_r(name.c_str(), protocol.empty() ? nullptr : protocol.c_str(), &entry, buffer,
                               sizeof buffer, &found);
    if (rc != 0 || !found) return SockNO_DATA;
    port = ntohs(static_cast<std::uint16_t>(found->s_port));
    return SockNoError;
}

int LookupProtocol(const std::string& name, int& number) {
    protoent entry{};
    protoent* found = nullptr;
    char buffer[1024];
    int rc = ::getprotobyname_r(name.c_str(), &entry, buffer, sizeof buffer, &found);
    if (rc != 0 || !found) {
        // A container without /etc/protocols still knows the two protocols the program uses.
        if (name == "tcp") { number = 6; return SockNoError; }
        if (name == "udp") { number = 17; return SockNoError; }
        return SockNO_DATA;
    }
    number = found->p_proto;
    return SockNoError;
}

}  // namespace fv::sock
