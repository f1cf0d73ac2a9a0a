// TCustomFtpClient: properties, the command layer, the reply reader, the sequencer and the control
// connection. The transfer steps are in ftp_transfer_steps.cpp.
#include "net/custom_ftp_client.h"

#include <algorithm>

namespace fv {

namespace {

// The first word of a command, upper-cased.
std::string Verb(const std::string& cmd) {
    std::string v = cmd.substr(0, cmd.find(' '));
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return v;
}

}  // namespace

TCustomFtpClient::TCustomFtpClient(Component* owner, MessageLoop* loop)
    : Component(owner),
      loop_(LoopFrom(owner, loop)),
      controlSocket_(new TAsyncSocket(this, &loop_)),
      dataSocket_(new TAsyncSocket(this, &loop_)),
      data_(*dataSocket_) {
    controlSocket_->SetName("ControlSocket");
    dataSocket_->SetName("DataSocket");
    controlSocket_->OnSessionConnected = [this](Component*, int e) { ControlSessionConnected(e); };
    controlSocket_->OnDataAvailable = [this](Component*, int e) { ControlDataAvailable(e); };
    controlSocket_->OnSessionClosed = [this](Component*, int e) { ControlSessionClosed(e); };
    controlSocket_->OnDnsLookupDone = [this](Component*, int e) { ControlDnsLookupDone(e); };
    replyReader_.SetAcceptLF(options_ & ftpAcceptLF);
}

TCustomFtpClient::~TCustomFtpClient() {
    alive_.reset();
    CloseLocalFile();
    // The sockets go with the components this one owns; none of their events may reach a client that is
    // being destroyed.
    for (TAsyncSocket* s : {controlSocket_, dataSocket_}) {
        s->OnSessionConnected = nullptr;
        s->OnDataAvailable = nullptr;
        s->OnSessionClosed = nullptr;
        s->OnDnsLookupDone = nullptr;
        s->OnSessionAvailable = nullptr;
        s->OnDataSent = nullptr;
    }
}

// --- properties ---------------------------------------------------------------------------------------

TFtpShareMode TCustomFtpClient::ShareMode() const {
    switch (shareFlags_) {
        case 0: return ftpShareCompat;
        case 32: return ftpShareDenyWrite;
        case 48: return ftpShareDenyRead;
        case 64: return ftpShareDenyNone;
        default: return ftpShareExclusive;
    }
}

void TCustomFtpClient::SetShareMode(int mode) {
    static constexpr int Flags[] = {0, 16, 32, 48, 64};
    shareFlags_ = mode >= 0 && mode < 5 ? Flags[mode] : 16;
}

void TCustomFtpClient::SetOptions(TFtpOptions v) {
    options_ = v;
    replyReader_.SetAcceptLF(v & ftpAcceptLF);
}

void TCustomFtpClient::SetConnectionType(int type) {
    if (connected_) {
        UsageError("FTP component connected");
        return;
    }
    TAsyncSocket* sockets[] = {controlSocket_, dataSocket_};
    switch (type) {
        case ftpProxy:
            connectionType_ = ftpProxy;
            passive_ = true;
            for (TAsyncSocket* s : sockets) s->SetSocksAuthentication(socksNoAuthentication);
            break;
        case ftpSocks4:
        case ftpSocks4A:
        case ftpSocks5: {
            connectionType_ = TFtpConnectionType(type);
            passive_ = true;
            const char* level = type == ftpSocks4 ? "4" : type == ftpSocks4A ? "4A" : "5";
            for (TAsyncSocket* s : sockets) {
                s->SetSocksLevel(level);
                s->SetSocksAuthentication(socksAuthenticateUsercode);
            }
            break;
        }
        default:
            // Direct means direct: a SOCKS server left on the sockets would still carry every connection.
            connectionType_ = ftpDirect;
            for (TAsyncSocket* s : sockets) {
                s->SetSocksAuthentication(socksNoAuthentication);
                s->SetSocksServer("");
            }
            break;
    }
}

void TCustomFtpClient::SetSocksServer(const std::string& v) {
    controlSocket_->SetSocksServer(v);
    dataSocket_->SetSocksServer(v);
}

void TCustomFtpClient::SetSocksPort(const std::string& v) {
    controlSocket_->SetSocksPort(v);
    dataSocket_->SetSocksPort(v);
}

void TCustomFtpClient::SetSocksUserCode(const std::string& v) {
    controlSocket_->SetSocksUsercode(v);
    dataSocket_->SetSocksUsercode(v);
}

void TCustomFtpClient::SetSocksPassword(const std::string& v) {
    controlSocket_->SetSocksPassword(v);
    dataSocket_->SetSocksPassword(v);
}

// --- events -------------------------------------------------------------------------------------------

void TCustomFtpClient::FireDisplay(const std::string& msg) {
    if (!OnDisplay) return;
    std::string m = msg;
    OnDisplay(this, m);
}

void TCustomFtpClient::FireDisplayFile(std::string msg) {
    if (OnDisplayFile) OnDisplayFile(this, msg);
}

bool TCustomFtpClient::FireReadyToTransmit() {
    bool cancel = false;
    if (OnReadyToTransmit) OnReadyToTransmit(this, cancel);
    return !cancel;
}

void TCustomFtpClient::FireFtpError(const std::string& msg) {
    if (OnFtpError) {
        std::string m = msg;
        OnFtpError(this, m);
        return;
    }
    throw FtpException(msg);
}

void TCustomFtpClient::UsageError(const std::string& msg) {
    if (stepDepth_ > 0) {
        // Met by a step the sequencer started: nobody called that step, so the error ends its request.
        if (stepUsageError_.empty()) stepUsageError_ = msg;
        if (OnFtpError) {
            std::string m = msg;
            OnFtpError(this, m);
        }
        return;
    }
    FireFtpError(msg);
}

void TCustomFtpClient::HandleEscapedException(const std::exception& e) {
    bool canClose = true;
    if (!OnBgException) return;
    try {
        OnBgException(this, e, canClose);
    } catch (...) {
    }
}

void TCustomFtpClient::PostClientMessage(std::function<void()> handler) {
    std::weak_ptr<int> alive = alive_;
    loop_.Post([this, alive, handler = std::move(handler)] {
        if (alive.expired()) return;
        try {
            handler();
        } catch (const ScriptFailure&) {
            throw;
        } catch (const std::exception& e) {
            if (!alive.expired()) HandleEscapedException(e);
        }
    });
}

void TCustomFtpClient::SetState(FtpState s) {
    if (s == state_) return;
    state_ = s;
    if (OnStateChange) OnStateChange(this);
}

void TCustomFtpClient::NoteError(const std::string& text) {
    if (errorMessage_.empty()) errorMessage_ = text;
}

// --- command layer ------------------------------------------------------------------------------------

bool TCustomFtpClient::CheckReady() {
    if (state_ == ftpStateReady || state_ == ftpStateStepDone) return true;
    UsageError("FTP component not ready");
    return false;
}

void TCustomFtpClient::BeginRequest(TFtpRequest rq) {
    if (inSequence_) return;
    requestType_ = rq;
    ++requestSerial_;
    requestRunning_ = true;
    closeExpected_ = false;
    // A request reports its own failure, never the text of an earlier one.
    requestError_ = 0;
    errorMessage_.clear();
}

bool TCustomFtpClient::HoldsLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

bool TCustomFtpClient::RefusesLineBreak(const std::string& cmd) {
    // A name holding a line end would smuggle a second command onto the control connection.
    if (!HoldsLineBreak(cmd)) return false;
    UsageError(LineBreakError);
    return true;
}

void TCustomFtpClient::SendCommand(std::string cmd) {
    if (OnCommand) {
        OnCommand(this, cmd);
        // The handler may have changed the command: what goes out is what is checked.
        if (HoldsLineBreak(cmd)) {
            FailRequest(UsageErrorCode, LineBreakError);
            return;
        }
    }
    // The password never reaches the log.
    if (Verb(cmd) == "PASS") FireDisplay("> PASS ********");
    else FireDisplay("> " + cmd);
    if (controlSocket_->State() == wsConnected) controlSocket_->SendStr(cmd + "\r\n");
}

void TCustomFtpClient::ExecCommand(TFtpRequest rq, const std::string& cmd, std::vector<int> expected,
                                   Continuation afterReply) {
    if (!CheckReady()) return;
    if (!connected_) {
        UsageError("FTP component not connected");
        return;
    }
    if (RefusesLineBreak(cmd)) return;
    BeginRequest(rq);
    if (expected.size() > 16) expected.resize(16);
    expectedCodes_ = std::move(expected);
    commandVerb_ = Verb(cmd);
    if (commandVerb_ == "TYPE") {
        std::size_t letter = cmd.find_first_not_of(' ', 4);
        typeAsked_ = letter == std::string::npos ? 0 : char(std::toupper(static_cast<unsigned char>(cmd[letter])));
    }
    doneSignalled_ = false;
    nextStep_ = [this] { GenericReplyCheck(); };
    afterReply_ = std::move(afterReply);
    SetState(ftpStateWaitReply);
    SendCommand(cmd);
}

void TCustomFtpClient::GenericReplyCheck() {
    ShowReply();
    replyCode_ = FtpReplyCode(replyText_);
    if (expectedCodes_.empty()) {
        requestError_ = replyCode_ < 500 ? 0 : replyCode_;
    } else {
        requestError_ = replyCode_;
        if (std::find(expectedCodes_.begin(), expectedCodes_.end(), replyCode_) != expectedCodes_.end())
            requestError_ = 0;
    }
    if (requestError_ != 0) NoteError(replyText_);
    if (passive_ && replyCode_ == 227) pasvReply_ = replyText_;
    if (commandVerb_ == "TYPE" && requestError_ == 0) serverType_ = typeAsked_;
    if (requestError_ == 0) {
        if (commandVerb_ == "SIZE") sizeResult_ = std::max<std::int64_t>(0, FtpNumberAfterCode(replyText_));
        if (commandVerb_ == "CWD" || commandVerb_ == "MKD" || commandVerb_ == "PWD" || commandVerb_ == "CDUP")
            dirResult_ = FtpQuotedName(replyText_);
    }
    if (afterReply_) {
        Continuation after = afterReply_;
        after();
        return;
    }
    EndStep(requestError_);
}

void TCustomFtpClient::EndStep(int code) {
    if (doneSignalled_) return;
    doneSignalled_ = true;
    if (code == 0 && sequenceDone_) {
        if (state_ != ftpStateAborting) SetState(ftpStateStepDone);
        Continuation next = sequenceDone_;
        next();
        return;
    }
    SetState(ftpStateReady);
    // Nothing of a finished request stays open: no data connection, no local file.
    dataSocket_->OnSessionClosed = nullptr;
    dataSocket_->OnDataAvailable = nullptr;
    dataSocket_->OnDataSent = nullptr;
    dataSocket_->OnSessionAvailable = nullptr;
    dataSocket_->OnSessionConnected = nullptr;
    CloseDataSocket();
    CloseLocalFile();
    if (inSequence_ && savedReplyCode_ >= 0) {
        replyText_ = savedReplyText_;
        replyCode_ = savedReplyCode_;
    }
    inSequence_ = false;
    sequencer_.Clear();
    sequenceDone_ = nullptr;
    requestRunning_ = false;
    closeExpected_ = false;
    std::uint64_t serial = requestSerial_;
    TFtpRequest rq = requestType_;
    int word = code & 0xFFFF;
    PostClientMessage([this, serial, rq, word] {
        if (OnRequestDone) OnRequestDone(this, rq, word);
        RequestDelivered(serial, word);
    });
}

void TCustomFtpClient::FailRequest(int code, const std::string& text) {
    if (!requestRunning_) return;
    requestError_ = code;
    NoteError(text);
    FireDisplay("! " + text);
    doneSignalled_ = false;
    sequenceDone_ = nullptr;
    EndStep(code);
}

// --- the sequencer ------------------------------------------------------------------------------------

void TCustomFtpClient::StartSequence(TFtpRequest rq, std::initializer_list<FtpStep> steps) {
    const TFtpSequencer::StepSet bits = TFtpSequencer::Set(steps);
    if (TFtpSequencer::Holds(bits, ftpStepOpen) && connected_) {
        UsageError("FTP component already connected");
        return;
    }
    if (!CheckReady()) return;
    savedReplyText_ = replyText_;
    savedReplyCode_ = -1;
    requestType_ = rq;
    ++requestSerial_;
    requestRunning_ = true;
    closeExpected_ = false;
    requestError_ = 0;
    sequencer_.Start(bits);
    sequenceError_ = 0;
    inSequence_ = true;
    replyText_.clear();
    errorMessage_.clear();
    HighLevelSequencer();
}

void TCustomFtpClient::HighLevelSequencer() {
    if (state_ == ftpStateAborting) {
        sequencer_.Clear();
        sequenceError_ = 426;
        errorMessage_ = abortText_;
    }
    sequenceDone_ = [this] { HighLevelSequencer(); };
    const FtpStep step = sequencer_.Next(replyCode_, !hostDirName_.empty());
    if (step != ftpStepNone) {
        const FtpStep previous = sequencer_.Previous();
        if (step == ftpStepRetr && !(previous == ftpStepRest && resumeAt_ >= 0 && replyCode_ == 350)) resumeAt_ = 0;
        if (step == ftpStepQuit) {
            // The request reports the reply of the step before QUIT.
            savedReplyText_ = replyText_;
            savedReplyCode_ = replyCode_;
        }
        StartStep(step);
        return;
    }
    sequenceDone_ = nullptr;
    doneSignalled_ = false;
    EndStep(sequenceError_);
}

void TCustomFtpClient::StartStep(FtpStep step) {
    ++stepDepth_;
    stepUsageError_.clear();
    try {
        switch (step) {
            case ftpStepOpen: OpenAsync(); break;
            case ftpStepUser: UserAsync(); break;
            case ftpStepPass: PassAsync(); break;
            case ftpStepCwd: CwdAsync(); break;
            case ftpStepSize: SizeAsync(); break;
            case ftpStepMkd: MkdAsync(); break;
            case ftpStepRmd: RmdAsync(); break;
            case ftpStepRnfr: RnfrAsync(); break;
            case ftpStepRnto: RntoAsync(); break;
            case ftpStepRetr: RetrAsync(); break;
            case ftpStepList: ListAsync(); break;
            case ftpStepQuit: QuitAsync(); break;
            case ftpStepSyst: SystAsync(); break;
            case ftpStepDele: DeleAsync(); break;
            case ftpStepPwd: PwdAsync(); break;
            case ftpStepQuote: QuoteAsync(); break;
            case ftpStepStor: StorAsync(); break;
            case ftpStepType: TypeSetAsync(); break;
            case ftpStepRest: RestAsync(); break;
            case ftpStepCdup: CdupAsync(); break;
            case ftpStepNlst: NlstAsync(); break;
            case ftpStepAppe: AppeAsync(); break;
            case ftpStepPort: PortAsync(); break;
            case ftpStepNone: break;
        }
    } catch (const ScriptFailure&) {
        --stepDepth_;
        throw;
    } catch (const std::exception& e) {
        if (stepUsageError_.empty()) stepUsageError_ = e.what();
    }
    --stepDepth_;
    if (stepUsageError_.empty()) return;
    std::string text = std::move(stepUsageError_);
    stepUsageError_.clear();
    FailRequest(UsageErrorCode, text);
}

// --- the control connection ---------------------------------------------------------------------------------

void TCustomFtpClient::OpenAsync() {
    if (!CheckReady()) return;
    if (connected_) {
        UsageError("FTP component already connected");
        return;
    }
    BeginRequest(ftpRqOpen);
    doneSignalled_ = false;
    serverType_ = 0;
    replyReader_.Clear();
    replyTracker_.Reset();
    requestError_ = 0;
    resolvedAddr_.clear();
    SetState(ftpStateDnsLookup);
    try {
        controlSocket_->DnsLookup(connectionType_ == ftpProxy ? proxyServer_ : hostName_);
    } catch (const ESocketException&) {
        // An empty or malformed name: reported like a look-up that failed.
        if (state_ == ftpStateDnsLookup) ControlDnsLookupDone(SockEINVAL);
    }
}

void TCustomFtpClient::ConnectFailed(int error) {
    replyText_ = "500 " + SocketErrorText(error) + " (Winsock error #" + std::to_string(error) + ")";
    replyCode_ = 500;
    requestError_ = 500;
    NoteError(replyText_);
}

void TCustomFtpClient::ControlDnsLookupDone(int error) {
    if (state_ != ftpStateDnsLookup && state_ != ftpStateAborting) return;
    if (error != 0) {
        ConnectFailed(error);
        EndStep(error);
        return;
    }
    resolvedAddr_ = controlSocket_->DnsResult();
    try {
        controlSocket_->SetAddr(resolvedAddr_);
        controlSocket_->SetProto("tcp");
        controlSocket_->SetPort(port_);
        SetState(ftpStateWaitBanner);
        controlSocket_->Connect();
    } catch (const ESocketException&) {
        int e = controlSocket_->LastError() ? controlSocket_->LastError() : int(SockEINVAL);
        ConnectFailed(e);
        sequenceDone_ = nullptr;
        EndStep(e);
        if (controlSocket_->State() != wsClosed) controlSocket_->Close();
        SetState(ftpStateReady);
    }
}

void TCustomFtpClient::ControlSessionConnected(int error) {
    if (error != 0) {
        ConnectFailed(error);
        sequenceDone_ = nullptr;
        EndStep(error);
        if (controlSocket_->State() != wsClosed) controlSocket_->Close();
        SetState(ftpStateReady);
        return;
    }
    connected_ = true;
    greetingError_ = error;
}

void TCustomFtpClient::ControlDataAvailable(int error) {
    int n = controlSocket_->Receive(replyReader_.Space(), replyReader_.SpaceLeft());
    if (n == 0) {
        controlSocket_->Close();
        return;
    }
    if (n < 0) return;
    replyReader_.Added(n);
    greetingError_ = error;
    std::weak_ptr<int> alive = alive_;
    std::string line;
    while (replyReader_.NextLine(line)) {
        replyText_ = line;
        if (OnResponse) OnResponse(this);
        if (alive.expired()) return;
        HandleReplyLine(line);
        if (alive.expired()) return;
        if (controlSocket_->State() != wsConnected) return;
    }
}

void TCustomFtpClient::HandleReplyLine(const std::string& line) {
    FtpLineKind kind = replyTracker_.Classify(line);
    switch (state_) {
        case ftpStateWaitBanner: {
            FireDisplay("< " + line);
            if (kind != FtpLineKind::Final) return;
            int code = FtpReplyCode(line);
            replyCode_ = code;
            if (code != 220) {
                NoteError(line);
                requestError_ = code;
                controlSocket_->Close();
                return;
            }
            SetState(ftpStateConnected);
            if (OnSessionConnected) OnSessionConnected(this, greetingError_);
            EndStep(0);
            return;
        }
        case ftpStateWaitReply: {
            if (kind != FtpLineKind::Final) return;
            if (!nextStep_) {
                UsageError("Program error: FNext is nil");
                return;
            }
            Continuation next = nextStep_;
            next();
            return;
        }
        default:
            FireDisplay("< " + line);
            return;
    }
}

void TCustomFtpClient::ControlSessionClosed(int error) {
    serverType_ = 0;
    if (connected_) {
        connected_ = false;
        if (state_ != ftpStateAborting) SetState(ftpStateClosed);
        if (OnSessionClosed) OnSessionClosed(this, error);
    }
    // The server went away before it answered: whatever the request was doing did not happen. A close
    // of this side's abort ends even a QUIT as failed: the server never confirmed it.
    const bool aborting = state_ == ftpStateAborting;
    if (requestRunning_ && (!closeExpected_ || aborting) && requestError_ == 0) {
        if (aborting) {
            requestError_ = LocalFailureCode;
            NoteError(abortText_);
        } else {
            requestError_ = error != 0 ? error : LocalFailureCode;
            NoteError(error != 0 ? "426 Connection closed, error #" + std::to_string(error)
                                 : std::string("426 Connection closed before the reply"));
        }
        sequenceDone_ = nullptr;
    }
    if (state_ != ftpStateAborting) SetState(ftpStateStepDone);
    EndStep(requestError_);
}

}  // namespace fv
