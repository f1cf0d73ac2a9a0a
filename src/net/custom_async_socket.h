// TCustomAsyncSocket: one non-blocking socket whose network events become events of the component.
//
// The socket's notifications (read, write, accept, connect, close) and its look-up answers arrive as
// posted messages on the program's message loop and are handled by WndProc, so every event runs on the
// one GUI thread on a later turn of the loop, never inside the call that caused it. Sending goes through
// a chain of TBuffer blocks; receiving is on demand from the data-available event.
//
// The class is the facade of three parts with their own rules: the send chain (TSocketSendChain), the
// receive loop of a read notification (TSocketReceiveLoop) and the look-ups asked for by DnsLookup
// (TSocketHostLookup). Connecting, listening, closing and the events stay here; the implementation is cut
// in three files by what it does: custom_async_socket.cpp (notifications, closing, events, waits),
// custom_async_socket_connect.cpp (connect, listen, accept, look-ups, names) and custom_async_socket_io.cpp
// (send and receive).
//
// Differences from the socket layer this replaces, all on purpose:
//  - A host name given to Connect is looked up without blocking the loop; the connect continues when the
//    answer comes (a failed look-up reaches OnSessionConnected with its error, 11001 for an unknown host).
//  - The linger setting is kept but never handed to the system: on Linux a positive linger time makes
//    close() block the GUI thread. Close shuts the sending side down and closes normally (the system
//    delivers what is queued); only Abort closes abortively and resets the connection.
//  - A data handler that leaves the waiting bytes unread ends the receive loop instead of spinning on it.
#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/buffer.h"
#include "net/socket_host_lookup.h"
#include "net/socket_receive_loop.h"
#include "net/socket_send_chain.h"
#include "platform/core/component.h"
#include "platform/core/message_loop.h"
#include "platform/sockets/host_lookup.h"
#include "platform/sockets/socket_calls.h"
#include "platform/sockets/socket_errors.h"
#include "platform/sockets/socket_notifier.h"

namespace fv {

enum TSocketState {
    wsInvalidState,
    wsOpened,
    wsBound,
    wsConnecting,
    wsConnected,
    wsAccepting,
    wsListening,
    wsClosed,
};

enum TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };

// A set of TAsyncSocketOption bits.
enum TAsyncSocketOption : unsigned { wsoNoReceiveLoop = 1 };
using TAsyncSocketOptions = unsigned;

class ESocketException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The socket's private messages, numbered as the window messages they stand for (WM_USER + n).
enum TSocketMessageKind : int {
    WmSocketNotify = 1,
    WmDnsLookupDone = 2,
    WmAddrLookupDone = 3,
    WmCloseLater = 4,
    WmFreeLater = 5,
    WmTestException = 6,
    WmLineModeData = 20,
};

struct TSocketMessage {
    int Msg = 0;
    unsigned Event = 0;  // SocketEvent bit of a WmSocketNotify
    int Error = 0;
    int Fd = sock::NoSocket;
};

using SocketErrorEvent = std::function<void(Component* sender, int error)>;
using SocketStateEvent = std::function<void(Component* sender, TSocketState oldState, TSocketState newState)>;
using SocketBgExceptionEvent = std::function<void(Component* sender, const std::exception& e, bool& canClose)>;

// Name, port and protocol resolution of the socket layer.
bool IsDottedAddress(const std::string& text);
// The IPv4 address (network order) of a dotted address or a host name. A host name is looked up with
// the blocking system call: the socket itself never uses that for a name, it looks names up on the side.
std::uint32_t AsyncSocketResolveHost(const std::string& name);
int AsyncSocketResolvePort(const std::string& port, const std::string& proto);
int AsyncSocketResolveProto(const std::string& proto);

// Time values of the select-style calls.
struct TTimeVal {
    long Sec = 0;
    long USec = 0;
};
bool TimeValueIsSet(const TTimeVal& t);
void ClearTimeValue(TTimeVal& t);
bool CompareTimeValues(const TTimeVal& a, const TTimeVal& b, bool equalFlag);

class TCustomAsyncSocket : public Component {
public:
    // The socket runs on the given loop, or on the loop of its owner chain when none is given.
    explicit TCustomAsyncSocket(Component* owner = nullptr, MessageLoop* loop = nullptr);
    ~TCustomAsyncSocket() override;

    MessageLoop* Loop() const override { return &loop_; }

    // Properties.
    const std::string& Addr() const { return addr_; }
    void SetAddr(const std::string& value);
    const std::string& Port() const { return port_; }
    virtual void SetPort(const std::string& value);
    const std::string& Proto() const { return proto_; }
    virtual void SetProto(const std::string& value);
    const std::string& LocalAddr() const { return localAddr_; }
    void SetLocalAddr(const std::string& value);
    const std::string& LocalPort() const { return localPort_; }
    void SetLocalPort(const std::string& value);
    std::string PeerAddr() { return GetPeerAddr(); }
    std::string PeerPort() { return GetPeerPort(); }
    const std::string& DnsResult() const { return hostLookup_.Result(); }
    const std::vector<std::string>& DnsResultList() const { return hostLookup_.ResultList(); }
    TSocketState State() const { return state_; }
    long long ReadCount() const { return readCount_; }
    int RcvdCount() { return GetRcvdCount(); }
    int LastError() const { return lastError_; }
    bool MultiThreaded() const { return multiThreaded_; }
    void SetMultiThreaded(bool value) { multiThreaded_ = value; }
    TAsyncSocketOptions ComponentOptions() const { return componentOptions_; }
    void SetComponentOptions(TAsyncSocketOptions value) { componentOptions_ = value; }
    int FlushTimeout() const { return flushTimeout_; }
    void SetFlushTimeout(int value) { flushTimeout_ = value; }
    TSocketSendFlags SendFlags() const { return sendFlags_; }
    void SetSendFlags(int value);
    TSocketLingerOnOff LingerOnOff() const { return lingerOnOff_; }
    void SetLingerOnOff(TSocketLingerOnOff value) { lingerOnOff_ = value; }
    int LingerTimeout() const { return lingerTimeout_; }
    void SetLingerTimeout(int value) { lingerTimeout_ = value; }
    int HSocket() const { return hSocket_; }
    int BufSize() const { return sendChain_.BlockSize(); }
    bool AllSent() const { return allSent_; }
    bool Paused() const { return paused_; }
    // Blocks in the send chain (a test looks at how data was split).
    std::size_t SendChainLength() const { return sendChain_.Length(); }

    // Events.
    SocketErrorEvent OnDataAvailable;
    SocketErrorEvent OnDataSent;
    std::function<void(Component* sender, int bytesSent)> OnSendData;
    SocketErrorEvent OnSessionClosed;
    SocketErrorEvent OnSessionAvailable;
    SocketErrorEvent OnSessionConnected;
    SocketErrorEvent OnSocksConnected;
    SocketStateEvent OnChangeState;
    NotifyEvent OnLineTooLong;
    SocketErrorEvent OnDnsLookupDone;
    NotifyEvent OnError;
    SocketBgExceptionEvent OnBgException;

    // Operations.
    virtual void WndProc(const TSocketMessage& msg);
    virtual void ResetToDefaults();
    virtual void Connect();
    virtual void Close();
    virtual void CloseLater();
    virtual void FreeLater();
    virtual void Abort();
    virtual void Flush();
    virtual void WaitForClose();
    virtual void Listen();
    virtual int Accept();
    // Accept, giving the address the connection came from (known even when it was reset meanwhile).
    int Accept(sock::Address& peer);
    virtual int Receive(void* buffer, int len);
    virtual std::string ReceiveStr();
    virtual int ReceiveFrom(void* buffer, int len, sock::Address& from);
    virtual int Send(const void* data, int len);
    virtual int SendTo(const sock::Address& to, const void* data, int len);
    virtual int SendStr(const std::string& text);
    // Sends up to len bytes of an open file from offset straight from the file (offset moves on by what
    // went), on a connected stream while nothing waits in the send chain. The count sent, 0 at the end of
    // the file; SendFileLater when the system takes nothing now (the data-sent event follows when it
    // does); SendFileRefused when the bytes cannot go this way now (the caller sends them with Send, which
    // reports a broken connection as usual).
    int SendFile(int fileFd, std::int64_t& offset, int len);
    static constexpr int SendFileLater = -1;
    static constexpr int SendFileRefused = -2;
    virtual void DnsLookup(const std::string& hostName);
    virtual void ReverseDnsLookup(const std::string& hostAddr);
    virtual void CancelDnsLookup();
    virtual std::string GetPeerAddr();
    virtual std::string GetPeerPort();
    // 0, or -1 when not connected (or when the system call failed; LastError says why).
    virtual int GetPeerName(sock::Address& name);
    virtual std::string LocalPortText();
    virtual int GetSockName(sock::Address& name);
    virtual void Dup(int newHSocket);
    virtual void Shutdown(int how);
    virtual void Pause();
    virtual void Resume();
    virtual void MessagePump();

    // Posts a private message to this socket; it is handled by WndProc on a later turn of the loop.
    void PostSocketMessage(int msg);
    // Look-ups of this socket use this resolver instead of the system's (tests script slow or failing
    // name servers with it).
    void SetNameResolver(HostLookup::Resolver resolver);

protected:
    virtual void InternalClose(bool shut, int error);
    virtual int GetRcvdCount();
    virtual void BindSocket();
    virtual int SendBlock(const void* data, int len, int& error);
    virtual void RaiseExceptionFmt(const std::string& text) { RaiseException(text); }
    virtual void RaiseException(const std::string& text);
    // Cancels a running lookup and forgets the last result.
    void RestartLookup();
    // The dotted address at the start of a text that IsDottedAddress accepted.
    static std::uint32_t DottedValue(const std::string& text);
    // Address, port and protocol change only while closed; false when nothing changed.
    bool SetWhileClosed(const std::string& value, const char* what, std::string& field, bool& assigned,
                        bool& resolved);
    virtual void HandleEscapedException(const std::exception& e);
    // Returns whether a handler took the event (without one, the receive loop drops the data).
    virtual bool FireDataAvailable(int error);
    virtual void FireSessionAvailable(int error);
    virtual void FireSessionConnected(int error);
    virtual void FireSessionClosed(int error);
    virtual void FireDataSent(int error);
    virtual void FireChangeState(TSocketState oldState, TSocketState newState);
    virtual void FireDnsLookupDone(int error);
    virtual void FireError();
    // The lowest receive: from the system, re-arming the read notification; error set on a negative count.
    virtual int ReceiveRaw(void* buffer, int len, int& error);
    virtual int ReceiveRawFrom(void* buffer, int len, sock::Address& from, int& error);
    // Counts the bytes a receive handed out, or records its error; returns n.
    int CountReceived(int n, int error);

    // Raises "Error <e> in function <name>" with the error's text; 10054 and 10057 close the handle.
    void SocketError(const std::string& function, int error);
    void ChangeState(TSocketState newState);
    void TryToSend();
    void ApplyLinger();
    void DropSendChain();
    // The receive loop of a read notification (also run once more when the connection closes).
    void ReceiveLoop(int error);
    // Runs a message through WndProc, handing an escaping exception to HandleEscapedException.
    void DispatchMessage(const TSocketMessage& msg);
    // Runs the loop until done() holds or this socket is gone; false when the socket was destroyed.
    bool PumpUntil(const std::function<bool()>& done, Millis timeoutMs = -1);

    // The checks of a connect ("Connect: No Port Specified"...); false after one was reported.
    bool CheckConnectable();
    // Connects to host (a dotted address or a name looked up on the side) at the resolved remote port.
    void ConnectTo(const std::string& host);
    // Resolves protocol, remote port and local port as far as not yet done (may throw ESocketException).
    void ResolveProtoAndPorts();
    // Creates the socket and applies the options of a connect; false after a reported failure.
    bool OpenForConnect();
    // Continues a connect once the remote address is known.
    void StartConnect();
    // Looks up a host name for the connect in progress; `then` runs with the outcome on the loop.
    void LookupForConnect(const std::string& name, std::function<void(const LookupResult&)> then);

    bool Destroying() const { return destroying_; }
    // Counts receives that handed out bytes, so the receive loop sees whether a handler read anything.
    void NoteConsumed() { receiveLoop_.NoteConsumed(); }
    std::weak_ptr<int> AliveToken() const { return alive_; }

    MessageLoop& loop_;
    SocketNotifier notifier_;
    TSocketHostLookup hostLookup_;
    HostLookup connectLookup_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    int hSocket_ = sock::NoSocket;
    TSocketState state_ = wsClosed;
    std::string addr_, port_, proto_ = "tcp", localAddr_ = "0.0.0.0", localPort_ = "0";
    bool addrAssigned_ = false, addrResolved_ = false;
    bool portAssigned_ = false, portResolved_ = false;
    bool protoAssigned_ = true, protoResolved_ = false;
    bool localPortResolved_ = false;
    sock::Address remote_;
    int localPortNumber_ = 0;
    int protoNumber_ = 6;
    int socketType_ = sock::StreamSocket;
    long long readCount_ = 0;
    int lastError_ = 0;
    bool multiThreaded_ = false;
    TAsyncSocketOptions componentOptions_ = 0;
    int flushTimeout_ = 60;
    TSocketSendFlags sendFlags_ = wsSendNormal;
    TSocketLingerOnOff lingerOnOff_ = wsLingerOn;
    int lingerTimeout_ = 0;
    TSocketSendChain sendChain_;
    TSocketReceiveLoop receiveLoop_;
    bool allSent_ = true;
    bool paused_ = false;
    bool closeSignalled_ = false;
    unsigned selectMask_ = 0;
    bool terminated_ = false;
    bool destroying_ = false;
    // Counts connections (connect, listen, dup): a handler that starts a new one inside a close event must
    // not have it torn down by the end of that close.
    std::uint64_t connectionSerial_ = 0;
    // Counts handled notifications: a wait that pumps messages returns when one came.
    std::uint64_t eventSerial_ = 0;
};

}  // namespace fv
