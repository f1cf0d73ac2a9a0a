// TCustomFtpClient: the transfer steps. The data connection (active with PORT, passive with PASV), the
// resume step, the receiving commands RETR, LIST and NLST, the sending commands STOR and APPE, progress and
// the statistics line. A transfer step ends once, at the later of its final reply and the close of its data
// connection, or at its first failure; the local file is closed on every road out. The bytes themselves
// move through TFtpDataConnection.
#include "net/custom_ftp_client.h"

namespace fv {

// --- helpers ------------------------------------------------------------------------------------------

bool TCustomFtpClient::CloseLocalFile() { return data_.CloseFile(); }

void TCustomFtpClient::CloseDataSocket() {
    try {
        if (dataSocket_->State() != wsClosed) dataSocket_->Close();
    } catch (const ESocketException&) {
    }
}

void TCustomFtpClient::LocalTransferFailure(const std::string& text) {
    if (localError_ != 0) return;
    // The transfer is cut short on this side: the server must not be allowed to finish it cleanly,
    // so the data connection is reset, not closed, and the step fails whatever the final reply says.
    localError_ = LocalFailureCode;
    requestError_ = LocalFailureCode;
    NoteError(text);
    CloseLocalFile();
    try {
        dataSocket_->Abort();
    } catch (const ESocketException&) {
    }
}

void TCustomFtpClient::DataConnectFailed(int error) {
    replyText_ = "Unable to establish data connection, error #" + std::to_string(error);
    replyCode_ = 550;
    requestError_ = 550;
    NoteError(replyText_);
    dataSocket_->OnSessionClosed = nullptr;
    CloseDataSocket();
    CloseLocalFile();
    resumeAt_ = 0;
    EndStep(550);
}

int TCustomFtpClient::ShowTransferReply() {
    ShowReply();
    replyCode_ = FtpReplyCode(replyText_);
    return replyCode_;
}

void TCustomFtpClient::TransferRefused(const char* note) {
    NoteError(replyText_);
    nextStep_ = nullptr;
    dataSocket_->OnSessionClosed = nullptr;
    CloseDataSocket();
    CloseLocalFile();
    if (note) FireDisplay(note);
    resumeAt_ = 0;
    requestError_ = replyCode_;
    EndStep(replyCode_);
}

void TCustomFtpClient::TryToFinish() {
    bool closed = sending_ ? sendClosed_ : recvClosed_;
    if (!replyComplete_ || !closed) return;
    ShowTransferStats();
    const std::int64_t stored = resumeAt_ + data_.ByteCount();
    resumeAt_ = 0;
    int code = localError_ != 0 ? localError_ : dataError_;
    // An appended file's size at the server includes what was there before: only a store is compared.
    if (code == 0 && sending_ && !useAppend_ && serverType_ == 'I') {
        CheckStoredSize(stored);
        return;
    }
    requestError_ = code;
    EndStep(code);
}

void TCustomFtpClient::CheckStoredSize(std::int64_t expected) {
    storeReplyText_ = replyText_;
    storeReplyCode_ = replyCode_;
    expectedCodes_.clear();
    afterReply_ = nullptr;
    commandVerb_ = "SIZE";
    nextStep_ = [this, expected] { StoredSizeReply(expected); };
    SetState(ftpStateWaitReply);
    SendCommand("SIZE " + hostFileName_);
}

void TCustomFtpClient::StoredSizeReply(std::int64_t expected) {
    ShowReply();
    const int code = FtpReplyCode(replyText_);
    const std::int64_t held = code == 213 ? FtpNumberAfterCode(replyText_) : -1;
    // The request reports the store's final reply; the size reply stays in the log.
    replyText_ = storeReplyText_;
    replyCode_ = storeReplyCode_;
    if (code != 213 || held < 0) {
        // A server without SIZE (500, 502) or that will not tell (550): the half-close check stands alone.
        FireDisplay("! Size at the server not known: the data connection's end alone confirms the file");
        requestError_ = 0;
        EndStep(0);
        return;
    }
    if (held != expected) {
        const std::string text = "426 The server holds " + std::to_string(held) + " bytes instead of " +
                                 std::to_string(expected);
        FireDisplay("! " + text);
        localError_ = LocalFailureCode;
        requestError_ = LocalFailureCode;
        NoteError(text);
        EndStep(LocalFailureCode);
        return;
    }
    requestError_ = 0;
    EndStep(0);
}

void TCustomFtpClient::ShowTransferStats() {
    stopTick_ = loop_.Now();
    if (startTick_ == 0) startTick_ = stopTick_;
    FireDisplay(TFtpDataConnection::StatsLine(data_.ByteCount(), stopTick_ - startTick_));
}

bool TCustomFtpClient::FireProgress() {
    bool abort = false;
    if (OnProgress) OnProgress(this, data_.ByteCount() + resumeAt_, abort);
    if (!abort) return true;
    FireDisplay("! Abort requested");
    LocalTransferFailure("426 Transfer aborted");
    return false;
}

bool TCustomFtpClient::AcceptDataConnection() {
    // The address comes from the accept itself: a connection the server reset at once has none left to
    // ask for, and it is still the server's (its transfer then fails at once instead of waiting).
    sock::Address peer, server;
    int fd = dataSocket_->Accept(peer);
    if (fd < 0) return false;
    bool fromServer = controlSocket_->GetPeerName(server) == 0 && peer.Ip == server.Ip;
    if (!fromServer) {
        // Anyone may reach the port we named; only the server we talk to may deliver the data.
        FireDisplay("! Data connection from " + sock::DottedText(peer.Ip) + " refused");
        sock::CloseAbortive(fd);
        return false;
    }
    dataSocket_->OnSessionAvailable = nullptr;
    dataSocket_->Close();
    dataSocket_->Dup(fd);
    return true;
}

void TCustomFtpClient::ConnectPassiveData(std::function<void(int)> onConnected) {
    if (pasvPort_ <= 0) {
        DataConnectFailed(SockEINVAL);
        return;
    }
    try {
        CloseDataSocket();
        dataSocket_->SetProto("tcp");
        // Always the control connection's server, whatever address the 227 reply named.
        dataSocket_->SetAddr(resolvedAddr_.empty() ? controlSocket_->Addr() : resolvedAddr_);
        dataSocket_->SetPort(std::to_string(pasvPort_));
        dataSocket_->SetLingerOnOff(wsLingerOff);
        dataSocket_->SetLingerTimeout(0);
        dataSocket_->OnSessionConnected = [onConnected](Component*, int e) { onConnected(e); };
        dataSocket_->Connect();
    } catch (const ESocketException&) {
        DataConnectFailed(dataSocket_->LastError() ? dataSocket_->LastError() : int(SockEINVAL));
    }
}

void TCustomFtpClient::PostStartSending() {
    std::uint64_t serial = transferSerial_;
    PostClientMessage([this, serial] {
        if (serial != transferSerial_ || doneSignalled_) return;
        startTick_ = loop_.Now();
        SendNextBlock(0);
    });
}

// --- PORT / PASV ----------------------------------------------------------------------------------------

void TCustomFtpClient::PortAsync() {
    if (!CheckReady()) return;
    if (!connected_) {
        UsageError("FTP component not connected");
        return;
    }
    CloseDataSocket();
    dataSocket_->OnSessionAvailable = nullptr;
    dataSocket_->OnSessionClosed = nullptr;
    dataSocket_->OnDataAvailable = nullptr;
    dataSocket_->OnDataSent = nullptr;
    dataSocket_->OnSessionConnected = nullptr;
    dataSocket_->SetProto("tcp");
    dataSocket_->SetAddr("0.0.0.0");
    dataSocket_->SetPort("0");
    pasvReply_.clear();
    pasvPort_ = 0;
    std::string cmd;
    if (passive_) {
        cmd = "PASV";
    } else {
        dataSocket_->SetLingerOnOff(wsLingerOn);
        dataSocket_->SetLingerTimeout(10);
        dataSocket_->Listen();
        sock::Address listening, local;
        if (dataSocket_->GetSockName(listening) != 0 || controlSocket_->GetSockName(local) != 0) {
            UsageError("winsock.getsockname failed, error #" + std::to_string(dataSocket_->LastError()));
            return;
        }
        std::uint32_t ip = local.Ip;
        if (resolvedAddr_ == "127.0.0.1") sock::ParseDotted("127.0.0.1", ip);
        cmd = FormatPortCommand(ip, listening.Port);
    }
    data_.ResetCount();
    ExecCommand(ftpRqPort, cmd, {200, 227}, passive_ ? Continuation([this] { PortReplyDone(); }) : nullptr);
}

void TCustomFtpClient::PortReplyDone() {
    if (requestError_ != 0) {
        EndStep(requestError_);
        return;
    }
    std::uint32_t ip = 0;
    if (replyCode_ != 227 || !ParsePasvReply(replyText_, ip, pasvPort_)) {
        // Without a port of its own this reply gives nothing to connect to; an older one would be stale.
        pasvPort_ = 0;
        requestError_ = 550;
        NoteError("550 No data port in the reply to PASV: " + replyText_);
        EndStep(550);
        return;
    }
    EndStep(0);
}

// --- REST ---------------------------------------------------------------------------------------------

void TCustomFtpClient::RestAsync() {
    if (!CheckReady()) return;
    TFtpRequest rq = inSequence_ ? requestType_ : ftpRqRest;
    if (rq != ftpRqResumePut && rq != ftpRqSessionResumePut && !(options_ & ftpNoAutoResumeAt))
        resumeAt_ = TFtpDataConnection::LocalFileSize(localFileName_);
    if (resumeAt_ <= 0) {
        BeginRequest(ftpRqRest);
        doneSignalled_ = false;
        EndStep(0);
        return;
    }
    ExecCommand(ftpRqRest, "REST " + std::to_string(resumeAt_), {}, nullptr);
}

// --- receiving --------------------------------------------------------------------------------------------

void TCustomFtpClient::RetrAsync() { StartReceive(ftpRqGet, "RETR"); }
void TCustomFtpClient::ListAsync() { StartReceive(ftpRqDir, "LIST"); }
void TCustomFtpClient::NlstAsync() { StartReceive(ftpRqLs, "NLST"); }

void TCustomFtpClient::StartReceive(TFtpRequest rq, const char* command) {
    if (!connected_) {
        UsageError(std::string(command) + ": not connected");
        return;
    }
    if (localFileName_.empty() && !displayFileFlag_) {
        UsageError("LocalFileName empty");
        return;
    }
    std::string cmd = hostFileName_.empty() ? std::string(command) : std::string(command) + " " + hostFileName_;
    if (RefusesLineBreak(cmd)) return;
    if (!CheckReady()) return;
    BeginRequest(rq);
    dataCommand_ = command;
    sending_ = false;
    replyComplete_ = recvClosed_ = doneSignalled_ = false;
    data_.ResetCount();
    dataError_ = 0;
    localError_ = 0;
    startTick_ = 0;
    ++transferSerial_;
    dataSocket_->OnSessionAvailable = [this](Component*, int e) { ReceiveAccepted(e); };
    if (!displayFileFlag_) {
        if (!data_.OpenForReceive(localFileName_, resumeAt_)) {
            replyText_ = "Unable to open local file " + localFileName_;
            replyCode_ = 550;
            requestError_ = 550;
            NoteError(replyText_);
            CloseDataSocket();
            EndStep(550);
            return;
        }
    }
    SetState(ftpStateWaitReply);
    if (passive_) {
        ConnectPassiveData([this](int e) { ReceiveConnected(e); });
        if (doneSignalled_) return;
    }
    expectedCodes_.clear();
    afterReply_ = nullptr;
    commandVerb_ = command;
    nextStep_ = [this] { FirstReceiveReply(); };
    SendCommand(cmd);
}

void TCustomFtpClient::ReceiveAccepted(int) {
    if (!AcceptDataConnection()) return;
    dataSocket_->OnSessionClosed = [this](Component*, int e) { ReceiveClosed(e); };
    dataSocket_->OnDataAvailable = [this](Component*, int e) { DataReceive(e); };
    dataSocket_->OnDataSent = nullptr;
    startTick_ = loop_.Now();
}

void TCustomFtpClient::ReceiveConnected(int error) {
    if (error != 0) {
        DataConnectFailed(error);
        return;
    }
    dataSocket_->OnSessionClosed = [this](Component*, int e) { ReceiveClosed(e); };
    dataSocket_->OnDataAvailable = [this](Component*, int e) { DataReceive(e); };
    dataSocket_->OnDataSent = nullptr;
    startTick_ = loop_.Now();
}

void TCustomFtpClient::FirstReceiveReply() {
    int code = ShowTransferReply();
    if (code != 150 && code != 125) {
        TransferRefused(nullptr);
        return;
    }
    nextStep_ = [this] { FinalReceiveReply(); };
}

void TCustomFtpClient::FinalReceiveReply() {
    int code = ShowTransferReply();
    if (code == 125 || code == 226 || code == 250) {
        replyComplete_ = true;
        TryToFinish();
        return;
    }
    TransferRefused("! RETR/LIST/NLST Failed");
}

void TCustomFtpClient::DataReceive(int) {
    if (!FireProgress() || doneSignalled_) return;
    const char* block = nullptr;
    int n = 0;
    switch (data_.ReceiveBlock(block, n)) {
        case TFtpDataConnection::Outcome::Moved:
            if (displayFileFlag_) TFtpDataConnection::SplitLines(block, n, [this](std::string line) { FireDisplayFile(std::move(line)); });
            return;
        case TFtpDataConnection::Outcome::WriteFailed:
            FireDisplay("! Error writing local file");
            LocalTransferFailure("426 Error writing local file");
            return;
        case TFtpDataConnection::Outcome::ReceiveFailed:
            FireDisplay("! Data: Receive error " + std::to_string(dataSocket_->LastError()));
            LocalTransferFailure("426 Data: Receive error " + std::to_string(dataSocket_->LastError()));
            return;
        default:
            return;
    }
}

void TCustomFtpClient::ReceiveClosed(int error) {
    // The last bytes reach the disk only now: a failing flush is a failed write like any other.
    if (!CloseLocalFile()) {
        FireDisplay("! Error writing local file");
        if (localError_ == 0) {
            localError_ = LocalFailureCode;
            requestError_ = LocalFailureCode;
            NoteError("426 Error writing local file");
        }
    }
    recvClosed_ = true;
    dataError_ = error;
    TryToFinish();
}

// --- sending --------------------------------------------------------------------------------------------

void TCustomFtpClient::StorAsync() { StartSend(false); }
void TCustomFtpClient::AppeAsync() { StartSend(true); }

void TCustomFtpClient::StartSend(bool append) {
    useAppend_ = append;
    TFtpRequest rq = append ? ftpRqAppend : ftpRqPut;
    requestType_ = rq;
    if (!connected_) {
        UsageError("STOR/APPE: not connected");
        return;
    }
    if (localFileName_.empty()) {
        UsageError("LocalFileName empty");
        return;
    }
    std::string cmd = (append ? "APPE " : "STOR ") + hostFileName_;
    if (RefusesLineBreak(cmd)) return;
    if (!CheckReady()) return;
    BeginRequest(rq);
    requestType_ = rq;
    storeCommand_ = cmd;
    sending_ = true;
    replyComplete_ = sendClosed_ = doneSignalled_ = dataConnected_ = storAccepted_ = false;
    startTick_ = 0;
    data_.ResetCount();
    dataError_ = 0;
    localError_ = 0;
    ++transferSerial_;
    if (!FireReadyToTransmit()) {
        errorMessage_ = "426 Transmit cancelled by application";
        replyCode_ = 426;
        FireDisplay("! " + errorMessage_);
        requestError_ = 426;
        EndStep(426);
        return;
    }
    dataSocket_->OnSessionAvailable = [this](Component*, int e) { SendAccepted(e); };
    if (!data_.OpenForSend(localFileName_, resumeAt_)) {
        errorMessage_ = "426 Unable to open local file " + localFileName_;
        replyCode_ = 426;
        FireDisplay("! " + errorMessage_);
        CloseDataSocket();
        requestError_ = 426;
        EndStep(426);
        return;
    }
    SetState(ftpStateWaitReply);
    if (passive_) {
        // The command waits for the data connection.
        ConnectPassiveData([this](int e) { SendConnected(e); });
        return;
    }
    SendStoreCommand();
}

void TCustomFtpClient::SendStoreCommand() {
    expectedCodes_.clear();
    afterReply_ = nullptr;
    commandVerb_ = useAppend_ ? "APPE" : "STOR";
    nextStep_ = [this] { StoreReply(); };
    SetState(ftpStateWaitReply);
    SendCommand(storeCommand_);
}

void TCustomFtpClient::SendConnected(int error) {
    if (error != 0) {
        DataConnectFailed(error);
        return;
    }
    dataSocket_->OnSessionClosed = [this](Component*, int e) { SendClosedHandler(e); };
    dataSocket_->OnDataAvailable = nullptr;
    dataSocket_->OnDataSent = nullptr;
    dataConnected_ = true;
    startTick_ = loop_.Now();
    SendStoreCommand();
}

void TCustomFtpClient::SendAccepted(int) {
    if (!AcceptDataConnection()) return;
    dataSocket_->OnSessionClosed = [this](Component*, int e) { SendClosedHandler(e); };
    dataSocket_->OnDataAvailable = [this](Component*, int) {
        char sink[4096];
        dataSocket_->Receive(sink, sizeof sink);
    };
    dataSocket_->OnDataSent = [this](Component*, int e) { SendNextBlock(e); };
    int size = 0;
    if (sock::GetSendBufferSize(dataSocket_->HSocket(), size) != 0) {
        FireDisplay("! winsock.getsockopt(SO_SNDBUF) failed");
        DataConnectFailed(dataSocket_->LastError() ? dataSocket_->LastError() : int(SockEINVAL));
        return;
    }
    dataSocket_->SetLingerOnOff(wsLingerOff);
    dataSocket_->SetLingerTimeout(10);
    dataConnected_ = true;
    if (storAccepted_ && startTick_ == 0) PostStartSending();
}

void TCustomFtpClient::StoreReply() {
    int code = ShowTransferReply();
    if (code == 150 || code == 125) {
        storAccepted_ = true;
        nextStep_ = [this] { FinalStoreReply(); };
        if (passive_) {
            dataSocket_->OnDataSent = [this](Component*, int e) { SendNextBlock(e); };
            SendNextBlock(0);
        } else if (dataConnected_ && startTick_ == 0) {
            PostStartSending();
        }
        return;
    }
    TransferRefused(nullptr);
}

void TCustomFtpClient::FinalStoreReply() {
    int code = ShowTransferReply();
    if (code == 226 || code == 250) {
        replyComplete_ = true;
        TryToFinish();
        return;
    }
    TransferRefused("! STOR Failed");
}

void TCustomFtpClient::SendNextBlock(int error) {
    if (!data_.FileOpen() || doneSignalled_) return;
    // A progress handler may abort the transfer or the whole client (the user's Abort during the wait).
    if (!FireProgress() || !data_.FileOpen() || doneSignalled_) return;
    if (error != 0) {
        FireDisplay("! Error #" + std::to_string(error) + " sending data");
        LocalTransferFailure("426 Error #" + std::to_string(error) + " sending data");
        return;
    }
    if (data_.EndOfFile() || !storAccepted_ || !dataConnected_) return;
    const auto outcome = data_.SendBlocks([this] { return FireProgress() && data_.FileOpen() && !doneSignalled_; });
    if (outcome == TFtpDataConnection::Outcome::ReadFailed) {
        FireDisplay("! Error reading file");
        LocalTransferFailure("426 Error reading local file " + localFileName_);
    }
}

void TCustomFtpClient::SendClosedHandler(int error) {
    // Judged while the connection is still open: what the server's end never acknowledged.
    const std::string problem = data_.StoreEndProblem(error);
    CloseLocalFile();
    sendClosed_ = true;
    dataError_ = error;
    if (localError_ == 0 && !problem.empty()) {
        FireDisplay("! " + problem.substr(4));
        localError_ = LocalFailureCode;
        requestError_ = LocalFailureCode;
        NoteError(problem);
    }
    TryToFinish();
}

}  // namespace fv
