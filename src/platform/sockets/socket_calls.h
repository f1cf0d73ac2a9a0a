// Thin wrappers over the BSD socket calls: IPv4 addresses, non-blocking descriptors, socket options and
// the local look-ups of services and protocols. Every failure comes back as a socket error number
// (socket_errors.h), never as errno.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fv::sock {

constexpr int NoSocket = -1;
constexpr int StreamSocket = 1;    // SOCK_STREAM
constexpr int DatagramSocket = 2;  // SOCK_DGRAM

// An IPv4 endpoint: the address in network byte order, the port in host order.
struct Address {
    std::uint32_t Ip = 0;
    std::uint16_t Port = 0;
};

// Text of a dotted IPv4 address in network order ("127.0.0.1").
std::string DottedText(std::uint32_t ip);
// Parses four decimal parts of at most 255 separated by dots; false otherwise.
bool ParseDotted(const std::string& text, std::uint32_t& ip);

// A new non-blocking socket (close-on-exec); NoSocket and error set on failure.
int Create(int type, int protocol, int& error);
int Bind(int fd, const Address& address);
int Listen(int fd, int backlog);
int Shutdown(int fd, int how);
// Closes normally: without a linger option set the system sends what is queued in the background.
int Close(int fd);
// Closes abortively: the connection is reset and whatever is still queued is dropped.
int CloseAbortive(int fd);

int GetSockName(int fd, Address& address);
int GetPeerName(int fd, Address& address);
// Bytes that a receive would return now.
int BytesWaiting(int fd, int& count);
int SocketType(int fd, int& type);
bool IsListening(int fd);

int SetBoolOption(int fd, int level, int name, bool on);
int SetKeepAlive(int fd, bool on);
int SetReuseAddress(int fd, bool on);
int SetBroadcast(int fd, bool on);
int GetSendBufferSize(int fd, int& size);
int SetSendBufferSize(int fd, int size);
int SetReceiveBufferSize(int fd, int size);

// Looks a service up in the local services database: the port in host order.
int LookupService(const std::string& name, const std::string& protocol, int& port);
// Looks a protocol up in the local protocols database.
int LookupProtocol(const std::string& name, int& number);

}  // namespace fv::sock
