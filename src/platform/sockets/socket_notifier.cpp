// SocketNotifier: descriptor watches on the message loop, armed and disarmed as the old socket layer did.
#include "platform/sockets/socket_notifier.h"

#include <netinet/in.h>
#include <sys/sendfile.h>
#include <sys/socket.h>

#include <sys/uio.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include "platform/sockets/socket_errors.h"

namespace fv {

struct SocketNotifier::Impl {
    Impl(MessageLoop& l, Handler h) : loop(l), handler(std::move(h)) {}

    MessageLoop& loop;
    Handler handler;
    int fd = sock::NoSocket;
    unsigned mask = 0;
    std::uint64_t generation = 0;
    int type = sock::StreamSocket;
    bool connecting = false;
    bool readArmed = false;
    bool writeArmed = false;
    bool ended = false;  // Close (or a failed Connect) was posted: nothing more comes for this connection
    MessageLoop::WatchId watch = 0;
    unsigned watched = 0;
    std::weak_ptr<Impl> self;

    void Update();
    void OnReady(unsigned bits);
    void PostEvent(unsigned event, int error);
    void StopWatching() {
        if (watch) loop.StopWatch(watch);
        watch = 0;
        watched = 0;
    }
};

void SocketNotifier::Impl::Update() {
    unsigned want = 0;
    if (fd != sock::NoSocket && mask != 0 && !ended) {
        if (connecting) {
            want = FdWritable;
        } else {
            if (readArmed && (mask & (SockRead | SockAccept | SockClose))) want |= FdReadable;
            if (writeArmed && (mask & SockWrite)) want |= FdWritable;
        }
    }
    if (want == 0) {
        StopWatching();
        return;
    }
    if (!watch) {
        // The watch is stopped before this object goes, so the raw pointer never dangles.
        watch = loop.WatchFd(fd, want, [this](unsigned bits) { OnReady(bits); });
    } else if (want != watched) {
        loop.ChangeWatch(watch, want);
    }
    watched = want;
}

void SocketNotifier::Impl::PostEvent(unsigned event, int error) {
    std::uint64_t gen = generation;
    int postedFd = fd;
    std::weak_ptr<Impl> weak = self;
    loop.Post([weak, gen, postedFd, event, error] {
        auto impl = weak.lock();
        // A notification of an earlier registration (the descriptor was closed, perhaps reused) is stale.
        if (!impl || impl->generation != gen || impl->fd != postedFd) return;
        if (impl->handler) impl->handler(postedFd, event, error);
    });
}

void SocketNotifier::Impl::OnReady(unsigned bits) {
    if (fd == sock::NoSocket || ended) return;
    if (connecting) {
        int err = 0;
        socklen_t len = sizeof err;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) < 0) err = errno;
        connecting = false;
        if (err != 0) {
            ended = true;
            PostEvent(SockConnect, SocketErrorFromErrno(err));
        } else {
            PostEvent(SockConnect, 0);
            readArmed = true;
            writeArmed = true;
        }
        Update();
        return;
    }
    bool acted = false;
    if ((bits & (FdReadable | FdError)) && readArmed) {
        if (type == sock::StreamSocket && sock::IsListening(fd)) {
            if (mask & SockAccept) PostEvent(SockAccept, 0);
            readArmed = false;
            acted = true;
        } else if (type == sock::DatagramSocket) {
            if (mask & SockRead) PostEvent(SockRead, 0);
            readArmed = false;
            acted = true;
        } else {
            // A peek tells waiting data from the end of the connection without taking anything.
            char c;
            long n = ::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
            if (n > 0) {
                if (mask & SockRead) PostEvent(SockRead, 0);
                readArmed = false;
                acted = true;
            } else if (n == 0) {
                ended = true;
                if (mask & SockClose) PostEvent(SockClose, 0);
                acted = true;
            } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                ended = true;
                if (mask & SockClose) PostEvent(SockClose, LastSocketError());
                acted = true;
            }
        }
    }
    if ((bits & FdWritable) && writeArmed && !ended) {
        PostEvent(SockWrite, 0);
        writeArmed = false;
        acted = true;
    }
    if ((bits & FdError) && !acted && !ended) {
        // An error while only writing was watched: the connection is gone.
        int err = 0;
        socklen_t len = sizeof err;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
        ended = true;
        if (mask & SockClose) PostEvent(SockClose, err ? SocketErrorFromErrno(err) : SockECONNRESET);
    }
    Update();
}

SocketNotifier::SocketNotifier(MessageLoop& loop, Handler handler)
    : impl_(std::make_shared<Impl>(loop, std::move(handler))) {
    impl_->self = impl_;
}

SocketNotifier::~SocketNotifier() { impl_->StopWatching(); }

void SocketNotifier::Select(int fd, unsigned mask) {
    Impl& s = *impl_;
    if (fd != s.fd) {
        s.StopWatching();
        ++s.generation;
        s.fd = fd;
        s.connecting = false;
        s.ended = false;
        s.type = sock::StreamSocket;
        if (fd != sock::NoSocket) sock::SocketType(fd, s.type);
        sock::Address peer;
        bool connected = fd != sock::NoSocket && sock::GetPeerName(fd, peer) == SockNoError;
        bool usable = connected || s.type == sock::DatagramSocket || (fd != sock::NoSocket && sock::IsListening(fd));
        // A stream socket that is neither connected nor listening has nothing to read yet (poll would call
        // it hung up); reading is armed when its connect completes.
        s.readArmed = usable;
        // An accepted (or otherwise connected) socket and a datagram socket can send at once: say so.
        s.writeArmed = s.type == sock::DatagramSocket || connected;
    } else if (mask != 0 && !s.connecting) {
        // Asking again re-enables reading, as the old layer did; a notification dropped while paused is
        // then raised anew when data waits.
        sock::Address peer;
        if (s.type == sock::DatagramSocket || sock::GetPeerName(fd, peer) == SockNoError || sock::IsListening(fd))
            s.readArmed = true;
    }
    s.mask = mask;
    s.Update();
}

void SocketNotifier::Release() {
    Impl& s = *impl_;
    s.StopWatching();
    ++s.generation;
    s.fd = sock::NoSocket;
    s.mask = 0;
    s.connecting = false;
    s.readArmed = s.writeArmed = false;
    s.ended = false;
}

int SocketNotifier::Fd() const { return impl_->fd; }
unsigned SocketNotifier::Mask() const { return impl_->mask; }
std::uint64_t SocketNotifier::Generation() const { return impl_->generation; }
MessageLoop& SocketNotifier::Loop() const { return impl_->loop; }

int SocketNotifier::Connect(const sock::Address& to) {
    Impl& s = *impl_;
    if (s.fd == sock::NoSocket) return SockENOTSOCK;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = to.Ip;
    sa.sin_port = htons(to.Port);
    int rc = ::connect(s.fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    int err = rc < 0 ? errno : 0;
    if (rc == 0) {
        // Completed at once (a datagram socket, or a fast loopback): the outcome still comes as a message.
        if (s.type == sock::StreamSocket) {
            s.PostEvent(SockConnect, 0);
            s.readArmed = true;
            s.writeArmed = true;
        }
        s.Update();
        return SockNoError;
    }
    if (err == EINPROGRESS || err == EAGAIN || err == EINTR) {
        s.connecting = true;
        s.Update();
        return SockNoError;
    }
    if (err == ECONNREFUSED || err == ENETUNREACH || err == EHOSTUNREACH || err == ETIMEDOUT ||
        err == ECONNRESET) {
        // On the old platform a non-blocking connect always reported its outcome by message.
        s.ended = true;
        s.PostEvent(SockConnect, SocketErrorFromErrno(err));
        s.Update();
        return SockNoError;
    }
    return SocketErrorFromErrno(err);
}

long SocketNotifier::Receive(void* data, std::size_t size, int& error) {
    Impl& s = *impl_;
    long n = ::recv(s.fd, data, size, MSG_DONTWAIT);
    error = n < 0 ? LastSocketError() : SockNoError;
    s.readArmed = true;
    s.Update();
    return n;
}

long SocketNotifier::ReceiveFrom(void* data, std::size_t size, sock::Address& from, int& error) {
    Impl& s = *impl_;
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    long n = ::recvfrom(s.fd, data, size, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&sa), &len);
    error = n < 0 ? LastSocketError() : SockNoError;
    if (n >= 0) {
        from.Ip = sa.sin_addr.s_addr;
        from.Port = ntohs(sa.sin_port);
    }
    s.readArmed = true;
    s.Update();
    return n;
}

long SocketNotifier::Send(const void* data, std::size_t size, bool urgent, int& error) {
    Impl& s = *impl_;
    long n = ::send(s.fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT | (urgent ? MSG_OOB : 0));
    error = n < 0 ? LastSocketError() : SockNoError;
    if (n < 0 && error == SockEWOULDBLOCK) {
        s.writeArmed = true;
        s.Update();
    }
    return n;
}

long SocketNotifier::SendTo(const void* data, std::size_t size, const sock::Address& to, bool urgent, int& error) {
    Impl& s = *impl_;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = to.Ip;
    sa.sin_port = htons(to.Port);
    long n = ::sendto(s.fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT | (urgent ? MSG_OOB : 0),
                      reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    error = n < 0 ? LastSocketError() : SockNoError;
    if (n < 0 && error == SockEWOULDBLOCK) {
        s.writeArmed = true;
        s.Update();
    }
    return n;
}

long SocketNotifier::SendPieces(const Piece* pieces, std::size_t count, bool urgent, int& error) {
    Impl& s = *impl_;
    iovec iov[64];
    std::size_t n = std::min<std::size_t>(count, 64);
    for (std::size_t i = 0; i < n; ++i) {
        iov[i].iov_base = const_cast<void*>(pieces[i].Data);
        iov[i].iov_len = pieces[i].Size;
    }
    msghdr msg{};
    msg.msg_iov = iov;
    msg.msg_iovlen = n;
    long sent = ::sendmsg(s.fd, &msg, MSG_NOSIGNAL | MSG_DONTWAIT | (urgent ? MSG_OOB : 0));
    error = sent < 0 ? LastSocketError() : SockNoError;
    if (sent < 0 && error == SockEWOULDBLOCK) {
        s.writeArmed = true;
        s.Update();
    }
    return sent;
}

long SocketNotifier::SendFile(int fileFd, std::int64_t& offset, std::size_t size, int& error) {
    Impl& s = *impl_;
    // The call has no flag against SIGPIPE: the signal is held back around it and a SIGPIPE it raised is
    // taken off again, so a broken connection is an error code like for every other send.
    sigset_t pipe, old, pending;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe, &old);
    off_t off = off_t(offset);
    long sent = ::sendfile(s.fd, fileFd, &off, size);
    const int cause = sent < 0 ? errno : 0;
    error = sent < 0 ? LastSocketError() : SockNoError;
    if (cause == EPIPE && !wasPending) {
        timespec none{};
        sigtimedwait(&pipe, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    if (sent > 0) offset = std::int64_t(off);
    if (sent < 0 && error == SockEWOULDBLOCK) {
        s.writeArmed = true;
        s.Update();
    }
    return sent;
}

int SocketNotifier::Accept(sock::Address& peer, int& error) {
    Impl& s = *impl_;
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    int fd = ::accept4(s.fd, reinterpret_cast<sockaddr*>(&sa), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
    error = fd < 0 ? LastSocketError() : SockNoError;
    if (fd >= 0) {
        peer.Ip = sa.sin_addr.s_addr;
        peer.Port = ntohs(sa.sin_port);
    }
    s.readArmed = true;
    s.Update();
    return fd < 0 ? sock::NoSocket : fd;
}

void SocketNotifier::Post(unsigned event, int error) { impl_->PostEvent(event, error); }

}  // namespace fv
