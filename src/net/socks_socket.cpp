// TCustomSocksSocket: the SOCKS 4, 4A and 5 negotiations, run from the socket's data events.
#include "net/socks_socket.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace fv {

namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

void PutPort(std::string& out, std::uint16_t port) {
    out.push_back(char(port >> 8));
    out.push_back(char(port & 0xFF));
}

}  // namespace

TCustomSocksSocket::TCustomSocksSocket(Component* owner, MessageLoop* loop)
    : TCustomAsyncSocket(owner, loop), destLookup_(loop_) {}

void TCustomSocksSocket::SetSocksLevel(const std::string& value) {
    if (state_ != wsClosed) {
        RaiseException("Can't change socks level if not closed");
        return;
    }
    std::string v = value;
    for (char& c : v) c = char(std::toupper(static_cast<unsigned char>(c)));
    if (v != "4" && v != "4A" && v != "5") {
        RaiseException("Invalid socks level. Must be 4, 4A or 5.");
        return;
    }
    socksLevel_ = v;
}

void TCustomSocksSocket::SetSocksServer(const std::string& value) {
    if (state_ != wsClosed) {
        RaiseException("Can't change socks server if not closed");
        return;
    }
    socksServer_ = Trim(value);
}

void TCustomSocksSocket::SetSocksPort(const std::string& value) {
    if (state_ != wsClosed) {
        RaiseException("Can't change socks port if not closed");
        return;
    }
    socksPort_ = Trim(value);
}

void TCustomSocksSocket::ResetToDefaults() {
    TCustomAsyncSocket::ResetToDefaults();
    // The SOCKS settings themselves are kept on purpose (see the header).
    socksState_ = 0;
    rcvCnt_ = 0;
    leftoverCount_ = 0;
    leftoverPos_ = 0;
    destResolved_ = true;
    requestWaiting_ = false;
    destLookup_.Cancel();
}

void TCustomSocksSocket::Connect() {
    if (!UsingSocks()) {
        TCustomAsyncSocket::Connect();
        return;
    }
    if (!CheckConnectable()) return;
    if (AsyncSocketResolveProto(proto_) != 6) {
        RaiseException("tcp is the only protocol supported thru socks server");
        return;
    }
    // A SOCKS 5 request carries the destination name with a one-byte length.
    if (!Level4() || socksLevel_ == "4A") {
        if (addr_.size() > 255) throw ESocketException("AsyncSocketResolveHost: '" + addr_ + "' Invalid Hostname.");
    }
    destPort_ = std::uint16_t(AsyncSocketResolvePort(port_, proto_));
    if (!portResolved_) {
        remote_.Port = std::uint16_t(AsyncSocketResolvePort(socksPort_, proto_));
        portResolved_ = true;
    }
    ResolveProtoAndPorts();
    destResolved_ = true;
    requestWaiting_ = false;
    if (socksLevel_ == "4") {
        if (IsDottedAddress(addr_)) {
            destIp_ = AsyncSocketResolveHost(addr_);
        } else {
            // Looked up on the side while the proxy connection is made; the request waits for it.
            destResolved_ = false;
            std::string name = addr_;
            std::weak_ptr<int> alive = AliveToken();
            int err = destLookup_.StartByName(name, [this, alive, name](const LookupResult& r) {
                if (alive.expired()) return;
                try {
                    if (r.Error != 0 || r.Results.empty()) {
                        int code = r.Error ? r.Error : SockNO_DATA;
                        FireSocksError(SocksResolveFailed,
                                       "ESocketException AsyncSocketResolveHost: Cannot convert host address '" +
                                           name + "', Error #" + std::to_string(code));
                        Close();
                        return;
                    }
                    sock::ParseDotted(r.Results.front(), destIp_);
                    destResolved_ = true;
                    if (requestWaiting_) {
                        requestWaiting_ = false;
                        SendSocksRequest();
                    }
                } catch (const std::exception& e) {
                    if (!alive.expired()) HandleEscapedException(e);
                }
            });
            if (err != 0) {
                SocketError("Connect (lookup)", err);
                return;
            }
        }
    }
    socksState_ = 1;
    rcvCnt_ = 0;
    leftoverCount_ = 0;
    ConnectTo(socksServer_);
}

void TCustomSocksSocket::Listen() {
    if (UsingSocks()) {
        RaiseException("Listening is not supported thru socks server");
        return;
    }
    TCustomAsyncSocket::Listen();
}

// --- events -----------------------------------------------------------------------------------------

void TCustomSocksSocket::FireSocksConnected(int error) {
    if (OnSocksConnected) OnSocksConnected(this, error);
}

void TCustomSocksSocket::FireSocksError(int error, const std::string& msg) {
    if (OnSocksError) OnSocksError(this, error, msg);
}

void TCustomSocksSocket::FireSessionConnected(int error) {
    if (socksState_ != 1) {
        TCustomAsyncSocket::FireSessionConnected(error);
        return;
    }
    std::weak_ptr<int> alive = AliveToken();
    FireSocksConnected(error);
    if (alive.expired()) return;
    if (error != 0) {
        TCustomAsyncSocket::FireSessionConnected(error);
        return;
    }
    if (state_ != wsConnected) return;  // the owner closed it from OnSocksConnected
    if (Level4()) {
        SendSocksRequest();
        return;
    }
    offeredMethod_ = socksAuthentication_ == socksAuthenticateUsercode ? 2 : 0;
    SendRequestBytes(std::string{char(5), char(1), char(offeredMethod_)});
}

void TCustomSocksSocket::FireSessionClosed(int error) {
    if (socksState_ == 2 && OnSocksAuthState) {
        std::weak_ptr<int> alive = AliveToken();
        OnSocksAuthState(this, socksAuthAborted);
        if (alive.expired()) return;
    }
    TCustomAsyncSocket::FireSessionClosed(error);
}

void TCustomSocksSocket::SocksFailed(int code, const std::string& msg) {
    std::weak_ptr<int> alive = AliveToken();
    socksState_ = 0;
    FireSocksError(code, msg);
    if (alive.expired()) return;
    TCustomAsyncSocket::FireSessionConnected(code);
    if (alive.expired()) return;
    if (hSocket_ != sock::NoSocket) InternalClose(true, code);
}

// --- requests ---------------------------------------------------------------------------------------

void TCustomSocksSocket::SendRequestBytes(const std::string& bytes) {
    // A request that cannot be sent shows up as the close of the connection; nothing to report here.
    try {
        Send(bytes.data(), int(bytes.size()));
    } catch (const ESocketException&) {
    }
}

void TCustomSocksSocket::SendSocksRequest() {
    if (Level4() && !destResolved_) {
        requestWaiting_ = true;
        return;
    }
    socksState_ = 3;
    rcvCnt_ = 0;
    std::string req;
    if (Level4()) {
        req.push_back(char(4));
        req.push_back(char(1));
        PutPort(req, destPort_);
        std::uint32_t ip = destIp_;
        if (socksLevel_ == "4A") sock::ParseDotted("0.0.0.1", ip);
        const auto* b = reinterpret_cast<const unsigned char*>(&ip);
        for (int i = 0; i < 4; ++i) req.push_back(char(b[i]));
        req += socksUsercode_;
        req.push_back('\0');
        if (socksLevel_ == "4A") {
            req += addr_;
            req.push_back('\0');
        }
    } else {
        req = {char(5), char(1), char(0), char(3)};
        req.push_back(char(addr_.size()));
        req += addr_;
        PutPort(req, destPort_);
    }
    SendRequestBytes(req);
}

void TCustomSocksSocket::SendAuthRequest() {
    if (socksUsercode_.size() > 255 || socksPassword_.size() > 255) {
        // The request carries each with a one-byte length: longer ones cannot be sent at all.
        SocksFailed(SocksAuthenticationFailed, "socks authentication failed");
        return;
    }
    socksState_ = 2;
    rcvCnt_ = 0;
    std::string req;
    req.push_back(char(1));
    req.push_back(char(socksUsercode_.size()));
    req += socksUsercode_;
    req.push_back(char(socksPassword_.size()));
    req += socksPassword_;
    std::weak_ptr<int> alive = AliveToken();
    if (OnSocksAuthState) OnSocksAuthState(this, socksAuthBegin);
    if (alive.expired() || state_ != wsConnected) return;
    SendRequestBytes(req);
}

// --- replies ----------------------------------------------------------------------------------------

int TCustomSocksSocket::ReadReply(int want) {
    int room = std::min(want, ReplyBufferSize - rcvCnt_);
    if (room <= 0) return 0;
    int error = 0;
    int n = TCustomAsyncSocket::ReceiveRaw(rcvBuf_ + rcvCnt_, room, error);
    if (n > 0) {
        rcvCnt_ += n;
        NoteConsumed();
    }
    return n;
}

bool TCustomSocksSocket::FireDataAvailable(int error) {
    if (socksState_ == 0) return TCustomAsyncSocket::FireDataAvailable(error);
    if (error != 0) {
        SocksFailed(error, "data receive error");
        return false;
    }
    switch (socksState_) {
        case 1:
            HandleMethodReply();
            return true;
        case 2:
            HandleAuthReply();
            return true;
        case 3:
            if (Level4()) HandleConnectReply4();
            else HandleConnectReply5();
            return true;
        default:
            SocksFailed(SocksInternalError, "internal error");
            return false;
    }
}

void TCustomSocksSocket::HandleMethodReply() {
    if (Level4()) {
        SocksFailed(SocksLogicError, "TAsyncSocket logic error");
        return;
    }
    // Only the two bytes of the choice: whatever the proxy sends after them stays for the next step.
    ReadReply(2 - rcvCnt_);
    if (rcvCnt_ < 2) return;
    rcvCnt_ = 0;
    if (rcvBuf_[0] != 5) {
        SocksFailed(SocksVersionError, "socks version error");
        return;
    }
    if (rcvBuf_[1] == 0) {
        if (offeredMethod_ == 2 && OnSocksAuthState) {
            std::weak_ptr<int> alive = AliveToken();
            OnSocksAuthState(this, socksAuthNone);
            if (alive.expired() || state_ != wsConnected) return;
        }
        SendSocksRequest();
    } else if (rcvBuf_[1] == 2) {
        SendAuthRequest();
    } else {
        SocksFailed(SocksMethodNotAcceptable, "authentification method not acceptable");
    }
}

void TCustomSocksSocket::HandleAuthReply() {
    ReadReply(ReplyBufferSize);
    if (rcvCnt_ >= 1 && rcvBuf_[0] != 1) {
        SocksFailed(SocksVersionError, "socks version error");
        return;
    }
    if (rcvCnt_ > 2) {
        SocksFailed(SocksLogicError, "too much data availaible");
        return;
    }
    if (rcvCnt_ < 2) return;
    if (rcvBuf_[1] != 0) {
        SocksFailed(SocksAuthenticationFailed, "socks authentication failed");
        return;
    }
    rcvCnt_ = 0;
    std::weak_ptr<int> alive = AliveToken();
    if (OnSocksAuthState) OnSocksAuthState(this, socksAuthAccepted);
    if (alive.expired() || state_ != wsConnected) return;
    SendSocksRequest();
}

void TCustomSocksSocket::HandleConnectReply4() {
    ReadReply(8 - rcvCnt_);
    if (rcvCnt_ < 8) return;
    rcvCnt_ = 0;
    if (rcvBuf_[0] != 0) {
        SocksFailed(SocksVersionError, "socks version error");
        return;
    }
    switch (rcvBuf_[1]) {
        case 90:
            Negotiated(8);
            return;
        case 91:
            SocksFailed(SocksRequestRejected, "request rejected or failed");
            return;
        case 92:
            SocksFailed(SocksConnectionRefused, "connection refused");
            return;
        case 93:
            SocksFailed(SocksAuthenticationFailed, "authentification failed");
            return;
        default:
            SocksFailed(SocksUnassignedError, "unassigned error #" + std::to_string(rcvBuf_[1]));
            return;
    }
}

void TCustomSocksSocket::HandleConnectReply5() {
    ReadReply(ReplyBufferSize);
    if (rcvCnt_ >= 1 && rcvBuf_[0] != 5) {
        SocksFailed(SocksVersionError, "socks version error");
        return;
    }
    if (rcvCnt_ >= 2 && rcvBuf_[1] != 0) {
        static const char* const texts[] = {"general SOCKS server failure", "connection not allowed by ruleset",
                                            "network unreachable",          "host unreachable",
                                            "connection refused",           "time to live expired",
                                            "command not supported",        "address type not supported"};
        int code = rcvBuf_[1];
        if (code >= 1 && code <= 8) SocksFailed(SocksGeneralFailure + code - 1, texts[code - 1]);
        else SocksFailed(SocksUnassignedError, "unassigned error #" + std::to_string(code));
        return;
    }
    if (rcvCnt_ <= 4) return;
    int type = rcvBuf_[3];
    int length = type == 1 ? 10 : type == 3 ? 7 + rcvBuf_[4] : type == 4 ? 22 : 5;
    if (rcvCnt_ < length) return;
    if (type != 1 && type != 3 && type != 4) {
        SocksFailed(SocksAddressTypeNotSupported, "address type not supported");
        return;
    }
    Negotiated(length);
}

void TCustomSocksSocket::Negotiated(int replyLength) {
    socksState_ = 0;
    leftoverPos_ = replyLength;
    leftoverCount_ = std::max(0, rcvCnt_ - replyLength);
    rcvCnt_ = 0;
    std::weak_ptr<int> alive = AliveToken();
    TCustomAsyncSocket::FireSessionConnected(0);
    if (alive.expired() || state_ != wsConnected) return;
    FireDataAvailable(0);
}

// --- receiving --------------------------------------------------------------------------------------

int TCustomSocksSocket::GetRcvdCount() {
    if (leftoverCount_ > 0) return leftoverCount_;
    return TCustomAsyncSocket::GetRcvdCount();
}

int TCustomSocksSocket::ReceiveRaw(void* buffer, int len, int& error) {
    if (leftoverCount_ > 0 && len > 0) {
        int n = std::min(len, leftoverCount_);
        std::memcpy(buffer, rcvBuf_ + leftoverPos_, std::size_t(n));
        leftoverPos_ += n;
        leftoverCount_ -= n;
        error = 0;
        return n;
    }
    return TCustomAsyncSocket::ReceiveRaw(buffer, len, error);
}

}  // namespace fv
