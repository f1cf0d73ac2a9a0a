// SocketNotifier: readiness of one socket turned into posted notifications on the message loop.
//
// This is how sockets reached the program on the platform it was written for: the socket layer posted a
// message to the socket's window for each network event, and the window procedure handled it on a later
// turn of the loop. The rules of that scheme are kept because the code above relies on them:
//  - Read is posted when data waits and then not again until the program receives (each receive re-arms
//    it, so it comes back while data is left). Accept works the same way with each accept.
//  - Write is posted once when a connect completes, once after an accepted socket is registered, and once
//    after a send that would have blocked, when the socket can take data again.
//  - Connect is posted once with the outcome of a connect, as a socket error number (10061 refused...).
//  - Close is posted once per connection, after the data that was waiting has been received, with 0 for
//    an orderly close or the error that ended the connection (10054 for a reset).
// Notifications are never handled inside the call that caused them. Each registration of a descriptor
// gets a new generation: a notification still queued for an earlier registration, even one of the same
// descriptor number reused by the system, is dropped when it comes up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/core/message_loop.h"
#include "platform/sockets/socket_calls.h"

namespace fv {

enum SocketEvent : unsigned {
    SockRead = 1,
    SockWrite = 2,
    SockOob = 4,
    SockAccept = 8,
    SockConnect = 16,
    SockClose = 32,
};

class SocketNotifier {
public:
    // Called on the loop for each notification of the registered descriptor.
    using Handler = std::function<void(int fd, unsigned event, int error)>;

    SocketNotifier(MessageLoop& loop, Handler handler);
    ~SocketNotifier();
    SocketNotifier(const SocketNotifier&) = delete;
    SocketNotifier& operator=(const SocketNotifier&) = delete;

    // Asks for the events in mask (SocketEvent bits) on fd. A new descriptor starts a new generation;
    // the same descriptor with another mask only changes what is asked for (mask 0 pauses).
    void Select(int fd, unsigned mask);
    // Forgets the descriptor before it is closed; notifications still queued for it are dropped.
    void Release();

    int Fd() const;
    unsigned Mask() const;
    std::uint64_t Generation() const;
    MessageLoop& Loop() const;

    // Starts a connect on the registered descriptor. 0 means the outcome follows as a Connect
    // notification (also for a refused or unreachable destination); otherwise the error of a call that
    // could not start at all.
    int Connect(const sock::Address& to);
    // The calls below re-arm the notifications the way the old socket layer did.
    long Receive(void* data, std::size_t size, int& error);
    long ReceiveFrom(void* data, std::size_t size, sock::Address& from, int& error);
    long Send(const void* data, std::size_t size, bool urgent, int& error);
    long SendTo(const void* data, std::size_t size, const sock::Address& to, bool urgent, int& error);
    // Sends several pieces in one call (a gathered send); the count sent, or -1 with error set.
    struct Piece {
        const void* Data;
        std::size_t Size;
    };
    long SendPieces(const Piece* pieces, std::size_t count, bool urgent, int& error);
    // Sends up to size bytes of the file fileFd from offset straight from the file, without passing them
    // through this process (offset moves on by what went); the count sent, 0 at the end of the file, or -1
    // with error set. A broken connection gives its error, never a signal to the process.
    long SendFile(int fileFd, std::int64_t& offset, std::size_t size, int& error);
    int Accept(sock::Address& peer, int& error);

    // Posts a notification of the current registration, as if the system had raised it.
    void Post(unsigned event, int error);

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
};

}  // namespace fv
