// TCustomFtpClient: the FTP client on its control connection: commands, replies, states, and the
// sequencer that runs a multi-step request (connect, log in, change directory, transfer, quit) one step
// after the other in a fixed order.
//
// Everything is event driven on the one GUI thread: the control socket's events move the client from step
// to step, and the end of a request is delivered as a posted message (OnRequestDone), so a caller never
// hears of the end inside the call that started it. The transfer steps (PORT/PASV, REST, RETR, LIST, NLST,
// STOR, APPE) are in ftp_transfer_steps.cpp, the bytes they move go through TFtpDataConnection, the order
// of a request's steps is TFtpSequencer's; the synchronous calls are in TFtpClient (ftp_client.h).
//
// Rules this client keeps beyond the plain protocol, each because the upload relies on a true result
// meaning the file is really on the server:
//  - A control connection that closes before a request got its final reply fails the request; only
//    the close after QUIT ends one well.
//  - A local read or write error, or an abort from OnProgress, resets the data connection and fails the
//    transfer with 426, whatever the server answers afterwards.
//  - A stored file counts as sent only when the server took all of it: after the last byte the data
//    connection is half-closed and the server's end of it awaited. A reset, an error, a close before the
//    last byte, or an end that leaves bytes unacknowledged fails the store, whatever the final reply
//    says. In binary type the size the server then gives (SIZE) must be the size sent; a server that
//    does not answer SIZE leaves the half-close check alone.
//  - A usage error met by a step that the sequencer starts ends the request at once with its text.
//  - Error text and code are cleared when a request starts, so a failure never shows an older text.
//  - The password is shown masked in the log; a command holding CR or LF is refused before it is sent,
//    also when OnCommand put the line break in.
//  - A request ended by a time-out or an abort reports that as its error before its OnRequestDone runs;
//    a QUIT cut short that way fails, though the connection is gone as QUIT would have left it.
//  - The direct connection type clears the SOCKS server of both sockets; the PORT listener takes a data
//    connection only from the control connection's peer; a 227 reply is read for its six numbers.
//  - Byte counts and resume positions are 64-bit; addresses are IPv4, as the sockets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/async_socket.h"
#include "net/ftp_data_connection.h"
#include "net/ftp_reply.h"
#include "net/ftp_sequencer.h"
#include "net/ftp_types.h"
#include "platform/core/message_loop.h"
#include "platform/core/component.h"

namespace fv {

class TCustomFtpClient : public Component {
public:
    // The client runs on the given loop, or on the loop of its owner chain when none is given.
    explicit TCustomFtpClient(Component* owner = nullptr, MessageLoop* loop = nullptr);
    ~TCustomFtpClient() override;

    MessageLoop* Loop() const override { return &loop_; }

    // --- properties ---
    const std::string& HostName() const { return hostName_; }
    void SetHostName(const std::string& v) { hostName_ = v; }
    const std::string& Port() const { return port_; }
    void SetPort(const std::string& v) { port_ = v; }
    const std::string& UserName() const { return userName_; }
    void SetUserName(const std::string& v) { userName_ = v; }
    const std::string& PassWord() const { return passWord_; }
    void SetPassWord(const std::string& v) { passWord_ = v; }
    const std::string& HostDirName() const { return hostDirName_; }
    void SetHostDirName(const std::string& v) { hostDirName_ = v; }
    const std::string& HostFileName() const { return hostFileName_; }
    void SetHostFileName(const std::string& v) { hostFileName_ = v; }
    const std::string& LocalFileName() const { return localFileName_; }
    void SetLocalFileName(const std::string& v) { localFileName_ = v; }
    bool DisplayFileFlag() const { return displayFileFlag_; }
    void SetDisplayFileFlag(bool v) { displayFileFlag_ = v; }
    bool Binary() const { return typeLetter_ == 'I'; }
    void SetBinary(bool v) { typeLetter_ = v ? 'I' : 'A'; }
    char TypeLetter() const { return typeLetter_; }
    const std::string& ErrorMessage() const { return errorMessage_; }
    TFtpShareMode ShareMode() const;
    void SetShareMode(int mode);
    int ShareFlags() const { return shareFlags_; }
    TFtpOptions Options() const { return options_; }
    void SetOptions(TFtpOptions v);
    TFtpConnectionType ConnectionType() const { return connectionType_; }
    void SetConnectionType(int type);
    const std::string& ProxyServer() const { return proxyServer_; }
    void SetProxyServer(const std::string& v) { proxyServer_ = v; }
    std::string SocksServer() const { return controlSocket_->SocksServer(); }
    void SetSocksServer(const std::string& v);
    std::string SocksPort() const { return controlSocket_->SocksPort(); }
    void SetSocksPort(const std::string& v);
    std::string SocksUserCode() const { return controlSocket_->SocksUsercode(); }
    void SetSocksUserCode(const std::string& v);
    std::string SocksPassword() const { return controlSocket_->SocksPassword(); }
    void SetSocksPassword(const std::string& v);
    // Data connections use PASV (set by the proxy and SOCKS connection types, or by hand).
    bool Passive() const { return passive_; }
    void SetPassive(bool v) { passive_ = v; }

    // --- what the last reply and request left ---
    FtpState State() const { return state_; }
    bool Connected() const { return connected_; }
    const std::string& ReplyText() const { return replyText_; }
    int ReplyCode() const { return replyCode_; }
    int RequestError() const { return requestError_; }
    TFtpRequest RequestType() const { return requestType_; }
    std::int64_t SizeResult() const { return sizeResult_; }
    const std::string& DirResult() const { return dirResult_; }
    const std::string& ResolvedAddr() const { return resolvedAddr_; }
    const std::string& PasvReply() const { return pasvReply_; }
    std::int64_t ResumeAt() const { return resumeAt_; }
    void SetResumeAt(std::int64_t v) { resumeAt_ = v; }
    std::int64_t ByteCount() const { return data_.ByteCount(); }
    bool InSequence() const { return inSequence_; }
    TAsyncSocket* ControlSocket() const { return controlSocket_; }
    TAsyncSocket* DataSocket() const { return dataSocket_; }

    // --- events ---
    FtpTextEvent OnDisplay;
    FtpTextEvent OnDisplayFile;
    FtpTextEvent OnCommand;
    NotifyEvent OnResponse;
    FtpProgressEvent OnProgress;
    FtpErrorEvent OnSessionConnected;
    FtpErrorEvent OnSessionClosed;
    FtpRequestDoneEvent OnRequestDone;
    NotifyEvent OnStateChange;
    FtpReadyToTransmitEvent OnReadyToTransmit;
    FtpBgExceptionEvent OnBgException;
    // Usage errors go here instead of being raised as FtpException.
    FtpTextEvent OnFtpError;

    // --- single-command requests ---
    virtual void OpenAsync();
    virtual void UserAsync();
    virtual void PassAsync();
    virtual void CwdAsync();
    virtual void SystAsync();
    virtual void QuitAsync();
    virtual void SizeAsync();
    virtual void MkdAsync();
    virtual void RmdAsync();
    virtual void DeleAsync();
    virtual void RnfrAsync();
    virtual void RntoAsync();
    virtual void PwdAsync();
    virtual void QuoteAsync();
    virtual void CdupAsync();
    virtual void TypeSetAsync();
    virtual void TypeBinaryAsync();
    virtual void TypeAsciiAsync();
    virtual void AbortAsync();
    // Transfer steps (ftp_transfer_steps.cpp).
    virtual void PortAsync();
    virtual void RestAsync();
    virtual void RetrAsync();
    virtual void ListAsync();
    virtual void NlstAsync();
    virtual void StorAsync();
    virtual void AppeAsync();

    // --- high-level requests ---
    virtual void ConnectAsync();
    virtual void SessionGetAsync();
    virtual void DirAsync();
    virtual void LsAsync();
    virtual void GetAsync();
    virtual void SessionDirAsync();
    virtual void SessionLsAsync();
    virtual void SessionSystAsync();
    virtual void SessionSizeAsync();
    virtual void PutAsync();
    virtual void AppendAsync();
    virtual void SessionRenameAsync();
    virtual void RenameAsync();
    virtual void SessionDeleAsync();
    virtual void SessionMkdAsync();
    virtual void SessionRmdAsync();
    virtual void SessionQuoteAsync();
    virtual void SessionPutAsync();
    virtual void SessionAppendAsync();
    virtual void ResumeGetAsync();
    virtual void SessionResumeGetAsync();
    virtual void ResumePutAsync();
    virtual void SessionResumePutAsync();

    // The bytes read from the local file for one block of a STOR or APPE: 64 socket buffers, as many as
    // the socket hands to the system in one call.
    static constexpr int SendBlockSize = TFtpDataConnection::SendBlockSize;
    // The usage error of a command that holds CR or LF.
    static constexpr const char* LineBreakError = "Command holds a line break";
    // The code a request ends with when a step met a usage error (its text goes to ErrorMessage).
    static constexpr int UsageErrorCode = 500;
    // The code of a request that lost its control connection, and of a transfer failed on this side.
    static constexpr int LocalFailureCode = 426;

protected:
    virtual void SendCommand(std::string cmd);
    virtual void FireDisplay(const std::string& msg);
    virtual bool FireReadyToTransmit();
    virtual void FireDisplayFile(std::string msg);
    virtual void FireFtpError(const std::string& msg);
    // False when the handler asked to abort the transfer.
    virtual bool FireProgress();
    virtual void ShowTransferStats();
    virtual void HandleEscapedException(const std::exception& e);
    // Told when a request's end was delivered (after OnRequestDone); serial as RequestSerial gave it.
    virtual void RequestDelivered(std::uint64_t serial, int code) {}

    // Counts requests: a new one starts with a new serial.
    std::uint64_t RequestSerial() const { return requestSerial_; }

    // --- command layer ---
    using Continuation = std::function<void()>;
    // Usage error: to OnFtpError or raised; inside a step the sequencer started it ends the request.
    void UsageError(const std::string& msg);
    bool CheckReady();
    static bool HoldsLineBreak(const std::string& text);
    // Refuses a command holding a line end with a usage error; true when it did.
    bool RefusesLineBreak(const std::string& cmd);
    // Texts and codes of a look-up or connect that failed.
    void ConnectFailed(int error);
    // Starts a request unless a high-level one runs (then the step belongs to it).
    void BeginRequest(TFtpRequest rq);
    void ExecCommand(TFtpRequest rq, const std::string& cmd, std::vector<int> expected, Continuation afterReply);
    void SetState(FtpState s);
    void EndStep(int code);
    void StartSequence(TFtpRequest rq, std::initializer_list<FtpStep> steps);
    void HighLevelSequencer();
    void StartStep(FtpStep step);
    // Sets ErrorMessage unless the request already has one.
    void NoteError(const std::string& text);
    // The generic check of a final reply; runs AfterReply or ends the step.
    void GenericReplyCheck();
    void ShowReply() { FireDisplay("< " + replyText_); }
    // Fails the running request with a code and a text of this side.
    void FailRequest(int code, const std::string& text);

    // --- control connection ---
    void ControlDnsLookupDone(int error);
    void ControlSessionConnected(int error);
    void ControlDataAvailable(int error);
    void ControlSessionClosed(int error);
    void HandleReplyLine(const std::string& line);

    // --- data connection (ftp_transfer_steps.cpp) ---
    void PortReplyDone();
    void StartReceive(TFtpRequest rq, const char* command);
    void StartSend(bool append);
    void ReceiveAccepted(int error);
    void ReceiveConnected(int error);
    void FirstReceiveReply();
    void FinalReceiveReply();
    void DataReceive(int error);
    void ReceiveClosed(int error);
    void SendAccepted(int error);
    void SendConnected(int error);
    void SendStoreCommand();
    void StoreReply();
    void FinalStoreReply();
    void SendNextBlock(int error);
    void SendClosedHandler(int error);
    void TryToFinish();
    // After a store in binary type: asks the server the file's size and fails the step when it is not
    // the size sent.
    void CheckStoredSize(std::int64_t expected);
    void StoredSizeReply(std::int64_t expected);
    // Shows a reply of a transfer step and reads its code.
    int ShowTransferReply();
    // The server refused or broke off the transfer: all of it is closed, the step ends with the reply's
    // code (with a note for the log when given).
    void TransferRefused(const char* note);
    // Records a failure of this side in a transfer and resets the data connection.
    void LocalTransferFailure(const std::string& text);
    void DataConnectFailed(int error);
    // Takes the waiting connection of the PORT listener when it comes from the control connection's peer.
    bool AcceptDataConnection();
    void ConnectPassiveData(std::function<void(int)> onConnected);
    // False when the close failed (the last bytes did not reach the disk).
    bool CloseLocalFile();
    void CloseDataSocket();
    void PostStartSending();
    // Closes whatever is open and ends a running request with the given text ("426 Operation aborted.",
    // "426 Timeout").
    void AbortWith(const std::string& text);

    // Runs a posted message of the client (request done, start sending).
    void PostClientMessage(std::function<void()> handler);

    MessageLoop& loop_;
    TAsyncSocket* controlSocket_ = nullptr;
    TAsyncSocket* dataSocket_ = nullptr;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    std::string hostName_, port_ = "ftp", userName_, passWord_, hostDirName_, hostFileName_, localFileName_;
    bool displayFileFlag_ = false;
    char typeLetter_ = 'I';
    std::string errorMessage_;
    int shareFlags_ = 16;
    TFtpOptions options_ = ftpAcceptLF;
    TFtpConnectionType connectionType_ = ftpDirect;
    std::string proxyServer_;
    bool passive_ = false;

    FtpState state_ = ftpStateReady;
    bool connected_ = false;
    FtpReplyReader replyReader_;
    FtpReplyTracker replyTracker_;
    std::string replyText_;
    int replyCode_ = 0;
    int requestError_ = 0;
    TFtpRequest requestType_ = ftpRqNone;
    bool inSequence_ = false;
    TFtpSequencer sequencer_;
    int sequenceError_ = 0;
    std::string savedReplyText_;
    int savedReplyCode_ = -1;
    std::vector<int> expectedCodes_;
    std::string commandVerb_;
    int greetingError_ = 0;
    Continuation nextStep_;
    Continuation afterReply_;
    Continuation sequenceDone_;
    bool doneSignalled_ = false;
    std::int64_t sizeResult_ = 0;
    std::string dirResult_;
    std::string resolvedAddr_;
    std::string pasvReply_;
    int pasvPort_ = 0;
    // The type the server confirmed for this session ('A', 'I', ...), 0 while unknown; the letter of a
    // TYPE command waiting for its reply.
    char serverType_ = 0;
    char typeAsked_ = 0;
    // The text of the abort in progress.
    std::string abortText_ = "426 Operation aborted.";
    std::uint64_t requestSerial_ = 0;
    bool requestRunning_ = false;
    // QUIT was sent: the close of the control connection is this request's good end.
    bool closeExpected_ = false;
    // Inside a step started by the sequencer, and the usage error such a step met.
    int stepDepth_ = 0;
    std::string stepUsageError_;

    // --- transfer ---
    TFtpDataConnection data_;
    std::int64_t resumeAt_ = 0;
    Millis startTick_ = 0, stopTick_ = 0;
    std::string dataCommand_;
    bool useAppend_ = false;
    int dataError_ = 0;
    int localError_ = 0;
    bool replyComplete_ = false, recvClosed_ = false, sendClosed_ = false;
    bool storAccepted_ = false, dataConnected_ = false, sending_ = false;
    std::string storeCommand_;
    // The final reply of a store while its size is checked: the request reports it, not the size.
    std::string storeReplyText_;
    int storeReplyCode_ = 0;
    std::uint64_t transferSerial_ = 0;
};

}  // namespace fv
