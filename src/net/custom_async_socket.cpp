// TCustomAsyncSocket: connect, listen, close, the handling of notifications, and the use of its parts.
#include "net/custom_async_socket.h"

#include <fcntl.h>

#include <cstdio>

namespace fv {

namespace {

std::string Fmt(const char* fmt, int number) {
    char out[256];
    std::snprintf(out, sizeof out, fmt, number);
    return out;
}

constexpr unsigned ConnectMask = SockRead | SockWrite | SockAccept | SockConnect | SockClose;
constexpr unsigned ListenMask = SockRead | SockWrite | SockAccept | SockClose;
constexpr unsigned DupMask = SockRead | SockWrite | SockConnect | SockClose;

}  // namespace

TCustomAsyncSocket::TCustomAsyncSocket(Component* owner, MessageLoop* loop)
    : Component(owner),
      loop_(LoopFrom(owner, loop)),
      notifier_(loop_, [this](int fd, unsigned event, int error) {
          DispatchMessage(TSocketMessage{WmSocketNotify, event, error, fd});
      }),
      hostLookup_(loop_),
      connectLookup_(loop_) {
    ResetToDefaults();
}

TCustomAsyncSocket::~TCustomAsyncSocket() {
    destroying_ = true;
    hostLookup_.Cancel();
    connectLookup_.Cancel();
    try {
        if (state_ != wsClosed || hSocket_ != sock::NoSocket) Close();
    } catch (...) {
    }
    if (hSocket_ != sock::NoSocket) {
        notifier_.Release();
        sock::Close(hSocket_);
        hSocket_ = sock::NoSocket;
    }
    sendChain_.Clear();
}

// --- properties -------------------------------------------------------------------------------------

bool TCustomAsyncSocket::SetWhileClosed(const std::string& value, const char* what, std::string& field,
                                        bool& assigned, bool& resolved) {
    if (value == field && assigned) return false;
    if (state_ != wsClosed) {
        RaiseException(std::string("Cannot change ") + what + " if not closed");
        return false;
    }
    field = value;
    assigned = !value.empty();
    resolved = false;
    return true;
}

void TCustomAsyncSocket::SetAddr(const std::string& value) {
    SetWhileClosed(value, "Addr", addr_, addrAssigned_, addrResolved_);
}

void TCustomAsyncSocket::SetPort(const std::string& value) {
    SetWhileClosed(value, "Port", port_, portAssigned_, portResolved_);
}

void TCustomAsyncSocket::SetProto(const std::string& value) {
    SetWhileClosed(value, "Proto", proto_, protoAssigned_, protoResolved_);
}

void TCustomAsyncSocket::SetLocalAddr(const std::string& value) {
    std::string v = value.empty() ? std::string("0.0.0.0") : value;
    if (v == localAddr_) return;
    if (state_ != wsClosed) {
        RaiseException("Cannot change LocalAddr if not closed");
        return;
    }
    if (!IsDottedAddress(v)) {
        RaiseException("SetLocalAddr(): Invalid IP address");
        return;
    }
    localAddr_ = v;
}

void TCustomAsyncSocket::SetLocalPort(const std::string& value) {
    if (value == localPort_) return;
    if (state_ != wsClosed) {
        RaiseException("Cannot change LocalPort if not closed");
        return;
    }
    localPort_ = value;
    localPortResolved_ = false;
}

void TCustomAsyncSocket::SetSendFlags(int value) {
    if (value != wsSendNormal && value != wsSendUrgent) {
        RaiseException("Invalid SendFlags");
        return;
    }
    sendFlags_ = TSocketSendFlags(value);
}

void TCustomAsyncSocket::SetNameResolver(HostLookup::Resolver resolver) {
    hostLookup_.SetResolver(resolver);
    connectLookup_.SetResolver(std::move(resolver));
}

// --- errors, state, messages ------------------------------------------------------------------------

void TCustomAsyncSocket::RaiseException(const std::string& text) {
    if (OnError) {
        FireError();
        return;
    }
    throw ESocketException(text);
}

void TCustomAsyncSocket::SocketError(const std::string& function, int error) {
    std::string text = "Error " + std::to_string(error) + " in function " + function + "\r\n" + SocketErrorText(error);
    if (error == SockECONNRESET || error == SockENOTCONN) {
        if (hSocket_ != sock::NoSocket) {
            notifier_.Release();
            sock::Close(hSocket_);
            hSocket_ = sock::NoSocket;
        }
        if (state_ != wsClosed) ChangeState(wsClosed);
    }
    lastError_ = error;
    RaiseException(text);
}

void TCustomAsyncSocket::ChangeState(TSocketState newState) {
    TSocketState old = state_;
    state_ = newState;
    // A component being destroyed tells nobody: its owner may be half gone already.
    if (!destroying_) FireChangeState(old, newState);
}

void TCustomAsyncSocket::HandleEscapedException(const std::exception& e) {
    bool canClose = true;
    if (OnBgException) {
        try {
            OnBgException(this, e, canClose);
        } catch (...) {
        }
    }
    if (canClose) {
        try {
            Abort();
        } catch (...) {
        }
    }
}

void TCustomAsyncSocket::DispatchMessage(const TSocketMessage& msg) {
    std::weak_ptr<int> alive = alive_;
    try {
        WndProc(msg);
    } catch (const std::exception& e) {
        if (!alive.expired()) HandleEscapedException(e);
    }
}

void TCustomAsyncSocket::PostSocketMessage(int msg) {
    std::weak_ptr<int> alive = alive_;
    loop_.Post([alive, this, msg] {
        if (alive.expired()) return;
        DispatchMessage(TSocketMessage{msg, 0, 0, hSocket_});
    });
}

bool TCustomAsyncSocket::PumpUntil(const std::function<bool()>& done, Millis timeoutMs) {
    std::weak_ptr<int> alive = alive_;
    loop_.RunUntil([&] { return alive.expired() || done(); }, timeoutMs);
    return !alive.expired();
}

void TCustomAsyncSocket::WndProc(const TSocketMessage& msg) {
    switch (msg.Msg) {
        case WmSocketNotify: {
            if (msg.Fd != hSocket_ || paused_) return;
            ++eventSerial_;
            std::weak_ptr<int> alive = alive_;
            switch (msg.Event) {
                case SockConnect:
                    ChangeState(wsConnected);
                    FireSessionConnected(msg.Error);
                    if (!alive.expired() && msg.Error != 0 && state_ != wsClosed) Close();
                    break;
                case SockRead:
                    ReceiveLoop(msg.Error);
                    break;
                case SockWrite:
                    TryToSend();
                    if (!alive.expired() && allSent_ && hSocket_ != sock::NoSocket) FireDataSent(msg.Error);
                    break;
                case SockAccept:
                    FireSessionAvailable(msg.Error);
                    break;
                case SockClose: {
                    if (state_ == wsConnecting) return;
                    std::uint64_t serial = connectionSerial_;
                    ReceiveLoop(0);
                    // A data handler that closed the socket has announced the close already.
                    if (alive.expired() || serial != connectionSerial_ || hSocket_ != msg.Fd) return;
                    if (!closeSignalled_) {
                        closeSignalled_ = true;
                        FireSessionClosed(msg.Error);
                    }
                    if (!alive.expired() && serial == connectionSerial_ && state_ != wsClosed) Close();
                    break;
                }
                default:
                    break;
            }
            return;
        }
        case WmDnsLookupDone:
        case WmAddrLookupDone: {
            int error = 0;
            if (!hostLookup_.Finish(error)) return;
            FireDnsLookupDone(error);
            return;
        }
        case WmCloseLater:
            Close();
            return;
        case WmFreeLater:
            // The component goes now; nothing of it may be touched afterwards.
            if (Owner()) Owner()->FreeComponent(this);
            else delete this;
            return;
        case WmTestException:
            throw ESocketException("Test exception in AsyncSocket");
        default:
            return;
    }
}

// --- defaults and closing ---------------------------------------------------------------------------

void TCustomAsyncSocket::ResetToDefaults() {
    if (hSocket_ != sock::NoSocket) {
        notifier_.Release();
        sock::Close(hSocket_);
    }
    connectLookup_.Cancel();
    addr_.clear();
    port_.clear();
    addrAssigned_ = addrResolved_ = false;
    portAssigned_ = portResolved_ = false;
    proto_ = "tcp";
    protoAssigned_ = true;
    protoResolved_ = false;
    protoNumber_ = 6;
    socketType_ = sock::StreamSocket;
    localPort_ = "0";
    localPortResolved_ = false;
    localPortNumber_ = 0;
    localAddr_ = "0.0.0.0";
    remote_ = sock::Address{};
    lingerOnOff_ = wsLingerOn;
    lingerTimeout_ = 0;
    hSocket_ = sock::NoSocket;
    state_ = wsClosed;
    allSent_ = true;
    paused_ = false;
    readCount_ = 0;
    closeSignalled_ = false;
    flushTimeout_ = 60;
    selectMask_ = 0;
}

void TCustomAsyncSocket::Close() { InternalClose(true, 0); }

void TCustomAsyncSocket::InternalClose(bool shut, int error) {
    connectLookup_.Cancel();
    if (hSocket_ == sock::NoSocket) {
        if (state_ != wsClosed) {
            ChangeState(wsClosed);
            try {
                ResetToDefaults();
            } catch (...) {
            }
        }
        return;
    }
    std::uint64_t serial = connectionSerial_;
    std::weak_ptr<int> alive = alive_;
    int fd = hSocket_;
    if (shut) sock::Shutdown(fd, 1);
    notifier_.Release();
    hSocket_ = sock::NoSocket;
    int err = sock::Close(fd);
    if (err != SockNoError && err != SockNOTINITIALISED) {
        lastError_ = err;
        ChangeState(wsClosed);
        SocketError("Disconnect (closesocket)", err);
        return;
    }
    ChangeState(wsClosed);
    if (alive.expired()) return;
    if (!destroying_ && !closeSignalled_) {
        closeSignalled_ = true;
        FireSessionClosed(error);
        if (alive.expired()) return;
    }
    // A handler that connected again inside the closed event keeps its new connection.
    if (serial != connectionSerial_ || hSocket_ != sock::NoSocket) return;
    try {
        ResetToDefaults();
    } catch (...) {
    }
}

void TCustomAsyncSocket::CloseLater() { PostSocketMessage(WmCloseLater); }

void TCustomAsyncSocket::FreeLater() { PostSocketMessage(WmFreeLater); }

void TCustomAsyncSocket::Abort() {
    CancelDnsLookup();
    DropSendChain();
    allSent_ = true;
    if (hSocket_ != sock::NoSocket && state_ == wsConnected && socketType_ == sock::StreamSocket) {
        // An abort resets the connection at once instead of lingering over what is queued.
        int fd = hSocket_;
        notifier_.Release();
        hSocket_ = sock::NoSocket;
        sock::CloseAbortive(fd);
        std::weak_ptr<int> alive = alive_;
        std::uint64_t serial = connectionSerial_;
        ChangeState(wsClosed);
        if (alive.expired()) return;
        if (!destroying_ && !closeSignalled_) {
            closeSignalled_ = true;
            FireSessionClosed(0);
            if (alive.expired()) return;
        }
        if (serial == connectionSerial_ && hSocket_ == sock::NoSocket) ResetToDefaults();
        return;
    }
    InternalClose(false, 0);
}

void TCustomAsyncSocket::Shutdown(int how) {
    if (hSocket_ != sock::NoSocket) sock::Shutdown(hSocket_, how);
}

void TCustomAsyncSocket::Pause() {
    paused_ = true;
    if (hSocket_ != sock::NoSocket) notifier_.Select(hSocket_, 0);
}

void TCustomAsyncSocket::Resume() {
    paused_ = false;
    if (hSocket_ != sock::NoSocket) notifier_.Select(hSocket_, selectMask_);
}

void TCustomAsyncSocket::ApplyLinger() {
    if (lingerOnOff_ == wsLingerNoSet) return;
    if (hSocket_ == sock::NoSocket) {
        RaiseException("Cannot set linger option at this time");
        return;
    }
    // Deliberately not handed to the system: see the note at the top of the header.
}

void TCustomAsyncSocket::DropSendChain() {
    sendChain_.Clear();
    allSent_ = true;
}

// --- connecting and listening -----------------------------------------------------------------------

void TCustomAsyncSocket::ResolveProtoAndPorts() {
    if (!protoResolved_) {
        protoNumber_ = AsyncSocketResolveProto(proto_);
        socketType_ = protoNumber_ == 17 ? sock::DatagramSocket : sock::StreamSocket;
        protoResolved_ = true;
    }
    if (!portResolved_) {
        remote_.Port = std::uint16_t(AsyncSocketResolvePort(port_, proto_));
        portResolved_ = true;
    }
    if (!localPortResolved_) {
        localPortNumber_ = AsyncSocketResolvePort(localPort_.empty() ? std::string("0") : localPort_, proto_);
        localPortResolved_ = true;
    }
}

void TCustomAsyncSocket::BindSocket() {
    sock::Address local;
    sock::ParseDotted(localAddr_, local.Ip);
    local.Port = std::uint16_t(localPortNumber_);
    int err = sock::Bind(hSocket_, local);
    if (err != 0) {
        lastError_ = err;
        RaiseExceptionFmt(Fmt("winsock.bind failed, error #%d", err));
        return;
    }
    sock::Address bound;
    err = sock::GetSockName(hSocket_, bound);
    if (err != 0) {
        lastError_ = err;
        RaiseExceptionFmt(Fmt("winsock.getsockname failed, error #%d", err));
        return;
    }
    localPort_ = std::to_string(bound.Port);
    localPortNumber_ = bound.Port;
}

bool TCustomAsyncSocket::OpenForConnect() {
    DropSendChain();
    int err = 0;
    int fd = sock::Create(socketType_, socketType_ == sock::DatagramSocket ? 0 : protoNumber_, err);
    if (fd == sock::NoSocket) {
        SocketError("Connect (socket)", err);
        return false;
    }
    hSocket_ = fd;
    ++connectionSerial_;
    closeSignalled_ = false;
    ChangeState(wsOpened);
    if (socketType_ == sock::DatagramSocket) {
        BindSocket();
        if (hSocket_ == sock::NoSocket) return false;
    } else {
        if (localPortNumber_ != 0 || localAddr_ != "0.0.0.0") {
            BindSocket();
            if (hSocket_ == sock::NoSocket) return false;
        }
        ApplyLinger();
        if ((err = sock::SetKeepAlive(fd, true)) != 0) {
            SocketError("setsockopt(SO_KEEPALIVE)", err);
            return false;
        }
        if ((err = sock::SetReuseAddress(fd, true)) != 0) {
            SocketError("setsockopt(SO_REUSEADDR)", err);
            return false;
        }
    }
    selectMask_ = ConnectMask;
    notifier_.Select(fd, selectMask_);
    return true;
}

void TCustomAsyncSocket::StartConnect() {
    if (hSocket_ == sock::NoSocket) return;
    if (socketType_ == sock::DatagramSocket) {
        if (remote_.Ip == 0xFFFFFFFFu) {
            int err = sock::SetBroadcast(hSocket_, true);
            if (err != 0) {
                SocketError("setsockopt(SO_BROADCAST)", err);
                return;
            }
        }
        ChangeState(wsConnected);
        FireSessionConnected(0);
        return;
    }
    int err = notifier_.Connect(remote_);
    if (err != 0) {
        lastError_ = err;
        SocketError("Connect", err);
        return;
    }
    if (state_ != wsConnecting) ChangeState(wsConnecting);
}

void TCustomAsyncSocket::LookupForConnect(const std::string& name, std::function<void(const LookupResult&)> then) {
    std::weak_ptr<int> alive = alive_;
    int err = connectLookup_.StartByName(name, [this, alive, then = std::move(then)](const LookupResult& r) {
        if (alive.expired()) return;
        try {
            then(r);
        } catch (const std::exception& e) {
            if (!alive.expired()) HandleEscapedException(e);
        }
    });
    if (err != 0) {
        lastError_ = err;
        SocketError("Connect (lookup)", err);
    }
}

bool TCustomAsyncSocket::CheckConnectable() {
    if (hSocket_ != sock::NoSocket && state_ != wsClosed) {
        RaiseException("Connect: Socket already in use");
        return false;
    }
    if (!portAssigned_) {
        RaiseException("Connect: No Port Specified");
        return false;
    }
    if (!addrAssigned_) {
        RaiseException("Connect: No IP Address Specified");
        return false;
    }
    if (!protoAssigned_) {
        RaiseException("Connect: No Protocol Specified");
        return false;
    }
    return true;
}

void TCustomAsyncSocket::Connect() {
    if (!CheckConnectable()) return;
    ResolveProtoAndPorts();
    ConnectTo(addr_);
}

void TCustomAsyncSocket::ConnectTo(const std::string& host) {
    bool lookup = false;
    if (!addrResolved_) {
        if (IsDottedAddress(host) || host.empty() || host.size() > 256) {
            remote_.Ip = AsyncSocketResolveHost(host);
            addrResolved_ = true;
        } else {
            lookup = true;
        }
    }
    if (!OpenForConnect()) return;
    if (!lookup) {
        StartConnect();
        return;
    }
    // The name is looked up on the side; the connect goes on when the answer comes.
    ChangeState(wsConnecting);
    int fd = hSocket_;
    LookupForConnect(host, [this, fd](const LookupResult& r) {
        if (hSocket_ != fd) return;
        if (r.Error != 0 || r.Results.empty()) {
            // Reported like a connect that failed, with the look-up's error.
            DispatchMessage(TSocketMessage{WmSocketNotify, SockConnect, r.Error ? r.Error : SockNO_DATA, fd});
            return;
        }
        sock::ParseDotted(r.Results.front(), remote_.Ip);
        addrResolved_ = true;
        StartConnect();
    });
}

void TCustomAsyncSocket::Listen() {
    if (!portAssigned_) {
        SocketError("listen: port not assigned", SockEINVAL);
        return;
    }
    if (!protoAssigned_) {
        SocketError("listen: protocol not assigned", SockEINVAL);
        return;
    }
    if (!addrAssigned_) {
        SocketError("listen: address not assigned", SockEINVAL);
        return;
    }
    ResolveProtoAndPorts();
    if (!addrResolved_) {
        remote_.Ip = AsyncSocketResolveHost(addr_);
        addrResolved_ = true;
    }
    DropSendChain();
    int err = 0;
    int fd = sock::Create(socketType_, socketType_ == sock::DatagramSocket ? 0 : protoNumber_, err);
    if (fd == sock::NoSocket) {
        SocketError("socket", err);
        return;
    }
    hSocket_ = fd;
    ++connectionSerial_;
    closeSignalled_ = false;
    err = sock::Bind(fd, remote_);
    if (err != 0) {
        lastError_ = err;
        try {
            SocketError("Bind", err);
        } catch (...) {
            Close();
            throw;
        }
        Close();
        return;
    }
    ChangeState(wsBound);
    if (socketType_ == sock::DatagramSocket) {
        ChangeState(wsListening);
        ChangeState(wsConnected);
        FireSessionConnected(0);
    } else {
        err = sock::Listen(fd, 5);
        if (err != 0) {
            SocketError("Listen", err);
            return;
        }
        ChangeState(wsListening);
    }
    if (hSocket_ == sock::NoSocket) return;
    selectMask_ = ListenMask;
    notifier_.Select(hSocket_, selectMask_);
}

int TCustomAsyncSocket::Accept() {
    sock::Address peer;
    return Accept(peer);
}

int TCustomAsyncSocket::Accept(sock::Address& peer) {
    if (state_ != wsListening) {
        SocketError("not a listening socket", SockEINVAL);
        return -1;
    }
    int err = 0;
    int fd = notifier_.Accept(peer, err);
    if (fd == sock::NoSocket) {
        SocketError("Accept", err);
        return -1;
    }
    return fd;
}

void TCustomAsyncSocket::Dup(int newHSocket) {
    if (newHSocket == 0 || newHSocket == -1) {
        SocketError("Dup", SockEINVAL);
        return;
    }
    if (hSocket_ != sock::NoSocket) {
        notifier_.Release();
        int err = sock::Close(hSocket_);
        hSocket_ = sock::NoSocket;
        if (err != 0) {
            SocketError("Dup (closesocket)", err);
            return;
        }
    }
    // A handle taken over from elsewhere must not block the loop.
    int flags = ::fcntl(newHSocket, F_GETFL);
    if (flags >= 0 && !(flags & O_NONBLOCK)) ::fcntl(newHSocket, F_SETFL, flags | O_NONBLOCK);
    hSocket_ = newHSocket;
    ++connectionSerial_;
    closeSignalled_ = false;
    allSent_ = true;
    int type = sock::StreamSocket;
    sock::SocketType(newHSocket, type);
    socketType_ = type;
    ApplyLinger();
    selectMask_ = DupMask;
    notifier_.Select(hSocket_, selectMask_);
    ChangeState(wsConnected);
}

// --- sending ----------------------------------------------------------------------------------------

int TCustomAsyncSocket::SendBlock(const void* data, int len, int& error) {
    long n;
    bool urgent = sendFlags_ == wsSendUrgent;
    if (socketType_ == sock::DatagramSocket) n = notifier_.SendTo(data, std::size_t(len), remote_, urgent, error);
    else n = notifier_.Send(data, std::size_t(len), urgent, error);
    if (n > 0 && OnSendData) OnSendData(this, int(n));
    return int(n);
}

void TCustomAsyncSocket::TryToSend() {
    if (hSocket_ == sock::NoSocket) return;
    std::weak_ptr<int> alive = alive_;
    for (;;) {
        int len = 0;
        const unsigned char* p = sendChain_.Front(len);
        if (len <= 0) break;
        int error = 0;
        int count;
        if (socketType_ == sock::DatagramSocket) {
            // Each block is one datagram.
            count = SendBlock(p, len, error);
            if (alive.expired() || hSocket_ == sock::NoSocket) return;
            if (count > 0) sendChain_.RemoveFront(count);
        } else {
            // The blocks waiting in the chain go to the system in one gathered call; the owner still hears
            // of each block (OnSendData) as it went out.
            SocketNotifier::Piece pieces[64];
            std::size_t n = sendChain_.Gather(pieces, 64);
            long sent = notifier_.SendPieces(pieces, n, sendFlags_ == wsSendUrgent, error);
            count = int(sent);
            bool goOn = sendChain_.Consume(sent, [&](int taken) {
                if (!OnSendData) return true;
                OnSendData(this, taken);
                return !alive.expired() && hSocket_ != sock::NoSocket;
            });
            if (!goOn) return;
        }
        if (count > 0) {
            // Round again: a partial send then meets "would block", which re-arms the write notification.
            continue;
        }
        if (count == 0) return;
        lastError_ = error;
        if (error == SockEINVAL || error == SockENOTSOCK || error == SockECONNABORTED || error == SockECONNRESET ||
            error == SockENOTCONN) {
            closeSignalled_ = true;
            InternalClose(false, error);
            if (!alive.expired()) FireSessionClosed(error);
            return;
        }
        if (error == SockEWOULDBLOCK) return;
        SocketError("TryToSend failed", error);
        return;
    }
    allSent_ = true;
}

int TCustomAsyncSocket::Send(const void* data, int len) {
    if (state_ != wsConnected) {
        lastError_ = SockENOTCONN;
        SocketError("Send", SockENOTCONN);
        return -1;
    }
    if (len <= 0 || !data) return 0;
    allSent_ = false;
    const auto* p = static_cast<const unsigned char*>(data);
    sendChain_.Append(p, len);
    TryToSend();
    if (allSent_ && hSocket_ != sock::NoSocket) notifier_.Post(SockWrite, 0);
    return len;
}

int TCustomAsyncSocket::SendStr(const std::string& text) { return Send(text.data(), int(text.size())); }

int TCustomAsyncSocket::SendTo(const sock::Address& to, const void* data, int len) {
    if (hSocket_ == sock::NoSocket) {
        lastError_ = SockENOTSOCK;
        return -1;
    }
    int error = 0;
    long n = notifier_.SendTo(data, std::size_t(std::max(len, 0)), to, sendFlags_ == wsSendUrgent, error);
    if (n < 0) lastError_ = error;
    return int(n);
}

// --- receiving --------------------------------------------------------------------------------------

int TCustomAsyncSocket::ReceiveRaw(void* buffer, int len, int& error) {
    if (hSocket_ == sock::NoSocket) {
        error = SockENOTSOCK;
        return -1;
    }
    long n = notifier_.Receive(buffer, std::size_t(std::max(len, 0)), error);
    return int(n);
}

int TCustomAsyncSocket::ReceiveRawFrom(void* buffer, int len, sock::Address& from, int& error) {
    if (hSocket_ == sock::NoSocket) {
        error = SockENOTSOCK;
        return -1;
    }
    return int(notifier_.ReceiveFrom(buffer, std::size_t(std::max(len, 0)), from, error));
}

int TCustomAsyncSocket::Receive(void* buffer, int len) {
    int error = 0;
    int n = ReceiveRaw(buffer, len, error);
    if (n >= 0) {
        readCount_ += n;
        if (n > 0) NoteConsumed();
    } else {
        lastError_ = error;
    }
    return n;
}

int TCustomAsyncSocket::ReceiveFrom(void* buffer, int len, sock::Address& from) {
    int error = 0;
    int n = ReceiveRawFrom(buffer, len, from, error);
    if (n >= 0) {
        readCount_ += n;
        if (n > 0) NoteConsumed();
    } else {
        lastError_ = error;
    }
    return n;
}

std::string TCustomAsyncSocket::ReceiveStr() {
    int n = GetRcvdCount();
    if (n <= 0) return {};
    std::string out(std::size_t(n), '\0');
    int r = Receive(out.data(), n);
    if (r <= 0) return {};
    out.resize(std::size_t(r));
    return out;
}

int TCustomAsyncSocket::GetRcvdCount() {
    if (hSocket_ == sock::NoSocket) return 0;
    int count = 0;
    int err = sock::BytesWaiting(hSocket_, count);
    if (err != 0) {
        SocketError("ioctlSocket", err);
        return -1;
    }
    return count;
}

void TCustomAsyncSocket::ReceiveLoop(int error) {
    // The loop's view of this socket; a local class may use what the member function may use.
    struct Source final : TSocketReceiveLoop::Source {
        TCustomAsyncSocket& s;
        std::weak_ptr<int> alive;
        explicit Source(TCustomAsyncSocket& socket) : s(socket), alive(socket.alive_) {}
        void BeginRound() override { s.lastError_ = 0; }
        bool Deliver(int err) override { return s.FireDataAvailable(err); }
        bool Gone() override { return alive.expired() || s.hSocket_ == sock::NoSocket; }
        int Discard(void* buffer, int len, int& err) override { return s.ReceiveRaw(buffer, len, err); }
        bool MayRepeat() override { return !(s.componentOptions_ & wsoNoReceiveLoop) && s.lastError_ == 0; }
        int Waiting() override {
            try {
                return s.GetRcvdCount();
            } catch (const ESocketException&) {
                return 0;
            }
        }
    } source(*this);
    receiveLoop_.Run(source, error);
}

// --- look-ups ---------------------------------------------------------------------------------------

void TCustomAsyncSocket::RestartLookup() { hostLookup_.Restart(); }

std::uint32_t TCustomAsyncSocket::DottedValue(const std::string& text) {
    // The first word of the text (blanks around it are allowed), as a number.
    std::string t = text.substr(text.find_first_not_of(' '));
    t = t.substr(0, t.find(' '));
    std::uint32_t ip = 0;
    sock::ParseDotted(t, ip);
    return ip;
}

void TCustomAsyncSocket::DnsLookup(const std::string& hostName) {
    if (hostName.empty()) {
        RaiseException("DNS lookup: invalid host name.");
        FireDnsLookupDone(SockEINVAL);
        return;
    }
    RestartLookup();
    if (IsDottedAddress(hostName)) {
        hostLookup_.AnswerDotted(sock::DottedText(DottedValue(hostName)));
        FireDnsLookupDone(0);
        return;
    }
    int err = hostLookup_.StartByName(hostName, [this](int error) {
        DispatchMessage(TSocketMessage{WmDnsLookupDone, 0, error, hSocket_});
    });
    if (err != 0) {
        char text[400];
        std::snprintf(text, sizeof text, "%s: can't start DNS lookup, error #%d", hostName.substr(0, 300).c_str(), err);
        RaiseExceptionFmt(text);
        return;
    }
}

void TCustomAsyncSocket::ReverseDnsLookup(const std::string& hostAddr) {
    if (hostAddr.empty() || !IsDottedAddress(hostAddr)) {
        RaiseException("DNS lookup: invalid host name.");
        FireDnsLookupDone(SockEINVAL);
        return;
    }
    RestartLookup();
    const std::string address = sock::DottedText(DottedValue(hostAddr));
    int err = hostLookup_.StartByAddress(address, [this](int error) {
        DispatchMessage(TSocketMessage{WmAddrLookupDone, 0, error, hSocket_});
    });
    if (err != 0) {
        char text[400];
        std::snprintf(text, sizeof text, "%s: can't start DNS lookup, error #%d", address.c_str(), err);
        RaiseExceptionFmt(text);
        return;
    }
}

void TCustomAsyncSocket::CancelDnsLookup() {
    if (!hostLookup_.Cancel()) return;
    if (!destroying_) FireDnsLookupDone(SockEINTR);
}

void TCustomAsyncSocket::FireDnsLookupDone(int error) {
    if (OnDnsLookupDone) OnDnsLookupDone(this, error);
}

// --- names ------------------------------------------------------------------------------------------

int TCustomAsyncSocket::GetPeerName(sock::Address& name) {
    if (state_ != wsConnected || hSocket_ == sock::NoSocket) return -1;
    int err = sock::GetPeerName(hSocket_, name);
    if (err != 0) {
        lastError_ = err;
        return -1;
    }
    return 0;
}

std::string TCustomAsyncSocket::GetPeerAddr() {
    sock::Address a;
    if (GetPeerName(a) != 0) return "error";
    return sock::DottedText(a.Ip);
}

std::string TCustomAsyncSocket::GetPeerPort() {
    sock::Address a;
    if (GetPeerName(a) != 0) return "error";
    return std::to_string(a.Port);
}

int TCustomAsyncSocket::GetSockName(sock::Address& name) {
    if (hSocket_ == sock::NoSocket) return SockENOTSOCK;
    int err = sock::GetSockName(hSocket_, name);
    if (err != 0) lastError_ = err;
    return err;
}

std::string TCustomAsyncSocket::LocalPortText() {
    if (state_ != wsBound && state_ != wsConnected && state_ != wsListening) return "error";
    sock::Address a;
    if (GetSockName(a) != 0) return "error";
    return std::to_string(a.Port);
}

// --- events -----------------------------------------------------------------------------------------

bool TCustomAsyncSocket::FireDataAvailable(int error) {
    if (!OnDataAvailable) return false;
    OnDataAvailable(this, error);
    return true;
}

void TCustomAsyncSocket::FireSessionAvailable(int error) {
    if (OnSessionAvailable) OnSessionAvailable(this, error);
}

void TCustomAsyncSocket::FireSessionConnected(int error) {
    if (OnSessionConnected) OnSessionConnected(this, error);
}

void TCustomAsyncSocket::FireSessionClosed(int error) {
    if (OnSessionClosed) OnSessionClosed(this, error);
}

void TCustomAsyncSocket::FireDataSent(int error) {
    if (OnDataSent) OnDataSent(this, error);
}

void TCustomAsyncSocket::FireChangeState(TSocketState oldState, TSocketState newState) {
    if (OnChangeState) OnChangeState(this, oldState, newState);
}

void TCustomAsyncSocket::FireError() {
    if (OnError) OnError(this);
}

// --- waits ------------------------------------------------------------------------------------------

void TCustomAsyncSocket::MessagePump() { loop_.ProcessPending(); }

void TCustomAsyncSocket::Flush() {
    while (hSocket_ != sock::NoSocket && !allSent_) {
        TryToSend();
        if (hSocket_ == sock::NoSocket || allSent_) break;
        // The write notification sends the rest; wait in the loop until the chain is empty or the socket
        // is gone.
        if (!PumpUntil([this] { return hSocket_ == sock::NoSocket || allSent_; })) return;
    }
}

void TCustomAsyncSocket::WaitForClose() {
    while (hSocket_ != sock::NoSocket && state_ != wsClosed) {
        std::uint64_t seen = eventSerial_;
        if (!PumpUntil([this, seen] { return hSocket_ == sock::NoSocket || state_ == wsClosed || eventSerial_ != seen; }))
            return;
        if (hSocket_ == sock::NoSocket || state_ == wsClosed) break;
        int waiting = 0;
        if (sock::BytesWaiting(hSocket_, waiting) != 0) break;
        std::weak_ptr<int> alive = alive_;
        if (waiting > 0) FireDataAvailable(0);
        if (alive.expired() || hSocket_ == sock::NoSocket) return;
        char probe;
        int err = 0;
        if (notifier_.Receive(&probe, 0, err) < 0 && err != SockEWOULDBLOCK) break;
    }
}

}  // namespace fv
