// TCustomAsyncSocket: construction, properties, errors, the handling of notifications, closing, events and
// waits. Connecting, listening, look-ups and names are in custom_async_socket_connect.cpp; sending and
// receiving in custom_async_socket_io.cpp.
#include "net/custom_async_socket.h"

#include <cstdio>

namespace fv {

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
