// TCustomAsyncSocket: connecting (to a dotted address or to a name looked up on the side), listening,
// accepting and taking over a handle; the look-ups asked for by DnsLookup and ReverseDnsLookup; the names
// of both ends.
#include <fcntl.h>

#include <cstdio>

#include "net/custom_async_socket.h"

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

}  // namespace fv
