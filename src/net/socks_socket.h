// TCustomSocksSocket: a stream socket that reaches its destination through a SOCKS 4, 4A or 5 proxy.
//
// With SocksServer set, Connect goes to the proxy and the negotiation runs inside the socket's data
// events; the owner sees OnSessionConnected only when the proxy has connected the destination, or with a
// SOCKS error code (20001 to 20017) when it could not.
//
// Unlike the client this replaces:
//  - The SOCKS settings survive a close, so every connection of an owner goes through the proxy until the
//    owner clears SocksServer (the FTP client's data connections depend on it).
//  - Replies are read into a buffer that holds the longest SOCKS 5 reply (a 255-byte domain name), user
//    code and password are length-checked (255 bytes each), and replies with an IPv6 address are taken.
//  - The destination of a SOCKS 4 request is looked up without blocking the loop.
#pragma once

#include <cstdint>
#include <string>

#include "net/custom_async_socket.h"

namespace fv {

enum TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };

enum TSocksAuthState { socksAuthBegin, socksAuthAccepted, socksAuthAborted, socksAuthNone };

// The SOCKS error codes reported through OnSocksError and OnSessionConnected.
enum SocksErrorCode : int {
    SocksLogicError = 20001,
    SocksVersionError = 20002,
    SocksMethodNotAcceptable = 20003,
    SocksGeneralFailure = 20004,
    SocksNotAllowed = 20005,
    SocksNetworkUnreachable = 20006,
    SocksHostUnreachable = 20007,
    SocksConnectionRefused = 20008,
    SocksTtlExpired = 20009,
    SocksCommandNotSupported = 20010,
    SocksAddressTypeNotSupported = 20011,
    SocksUnassignedError = 20012,
    SocksInternalError = 20013,
    SocksAuthenticationFailed = 20015,
    SocksRequestRejected = 20016,
    SocksResolveFailed = 20017,
};

class TCustomSocksSocket : public TCustomAsyncSocket {
public:
    explicit TCustomSocksSocket(Component* owner = nullptr, MessageLoop* loop = nullptr);

    const std::string& SocksLevel() const { return socksLevel_; }
    void SetSocksLevel(const std::string& value);
    const std::string& SocksServer() const { return socksServer_; }
    virtual void SetSocksServer(const std::string& value);
    const std::string& SocksPort() const { return socksPort_; }
    virtual void SetSocksPort(const std::string& value);
    const std::string& SocksUsercode() const { return socksUsercode_; }
    void SetSocksUsercode(const std::string& value) { socksUsercode_ = value; }
    const std::string& SocksPassword() const { return socksPassword_; }
    void SetSocksPassword(const std::string& value) { socksPassword_ = value; }
    TSocksAuthentication SocksAuthentication() const { return socksAuthentication_; }
    void SetSocksAuthentication(TSocksAuthentication value) { socksAuthentication_ = value; }

    // 0 data (no negotiation running), 1 waiting for the method choice, 2 for the user/password reply,
    // 3 for the connect reply.
    int SocksState() const { return socksState_; }
    // Bytes that came behind the SOCKS 5 connect reply and are handed out first by Receive.
    int LeftoverCount() const { return leftoverCount_; }

    std::function<void(Component* sender, int error, const std::string& msg)> OnSocksError;
    std::function<void(Component* sender, TSocksAuthState authState)> OnSocksAuthState;

    void Connect() override;
    void Listen() override;
    void ResetToDefaults() override;

    // The longest SOCKS 5 reply: 4 header bytes, a length byte, a 255-byte name and the port.
    static constexpr int ReplyBufferSize = 512;

protected:
    virtual void FireSocksConnected(int error);
    virtual void FireSocksError(int error, const std::string& msg);
    int GetRcvdCount() override;
    bool FireDataAvailable(int error) override;
    void FireSessionConnected(int error) override;
    void FireSessionClosed(int error) override;
    int ReceiveRaw(void* buffer, int len, int& error) override;

private:
    bool UsingSocks() const { return !socksServer_.empty(); }
    bool Level4() const { return !socksLevel_.empty() && socksLevel_[0] == '4'; }
    // Reports a SOCKS failure: OnSocksError, then OnSessionConnected with the code, then the close.
    void SocksFailed(int code, const std::string& msg);
    void SendRequestBytes(const std::string& bytes);
    void SendSocksRequest();
    void SendAuthRequest();
    // Appends up to `want` bytes from the system behind those already in the reply buffer.
    int ReadReply(int want);
    void HandleMethodReply();
    void HandleAuthReply();
    void HandleConnectReply4();
    void HandleConnectReply5();
    // The negotiation is over: the owner hears of the connection, then of the data already here.
    void Negotiated(int replyLength);

    std::string socksLevel_ = "5";
    std::string socksServer_;
    std::string socksPort_;
    std::string socksUsercode_;
    std::string socksPassword_;
    TSocksAuthentication socksAuthentication_ = socksNoAuthentication;
    int socksState_ = 0;
    int offeredMethod_ = 0;
    unsigned char rcvBuf_[ReplyBufferSize] = {};
    int rcvCnt_ = 0;
    int leftoverCount_ = 0;
    int leftoverPos_ = 0;
    std::uint16_t destPort_ = 0;
    std::uint32_t destIp_ = 0;
    bool destResolved_ = true;
    bool requestWaiting_ = false;
    HostLookup destLookup_;
};

}  // namespace fv
