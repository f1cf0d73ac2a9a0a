// TCustomFtpClient: the requests a caller starts. The single-command requests, each one command and the
// codes that count as its success, and the multi-step requests, each the set of steps TFtpSequencer runs.
#include "net/custom_ftp_client.h"

namespace fv {

// --- single-command requests ----------------------------------------------------------------------------

void TCustomFtpClient::UserAsync() {
    if (userName_.empty()) {
        UsageError("UserName emtpy");
        return;
    }
    std::string cmd = "USER " + userName_;
    if (connectionType_ == ftpProxy) cmd += "@" + hostName_;
    ExecCommand(ftpRqUser, cmd, {331, 230}, nullptr);
}

void TCustomFtpClient::PassAsync() {
    if (passWord_.empty()) {
        UsageError("Password emtpy");
        return;
    }
    ExecCommand(ftpRqPass, "PASS " + passWord_, {230}, nullptr);
}

void TCustomFtpClient::CwdAsync() {
    if (hostDirName_.empty()) {
        UsageError("HostDirName emtpy");
        return;
    }
    ExecCommand(ftpRqCwd, "CWD " + hostDirName_, {200, 250, 257}, nullptr);
}

void TCustomFtpClient::SystAsync() { ExecCommand(ftpRqSyst, "SYST", {215}, nullptr); }

void TCustomFtpClient::QuitAsync() {
    CloseLocalFile();
    ExecCommand(ftpRqQuit, "QUIT", {221}, [this] { controlSocket_->Close(); });
    // From here on the close of the control connection is how this request ends.
    if (state_ == ftpStateWaitReply && commandVerb_ == "QUIT") closeExpected_ = true;
}

void TCustomFtpClient::SizeAsync() {
    sizeResult_ = 0;
    ExecCommand(ftpRqSize, "SIZE " + hostFileName_, {213}, nullptr);
}

void TCustomFtpClient::MkdAsync() { ExecCommand(ftpRqMkd, "MKD " + hostFileName_, {257}, nullptr); }
void TCustomFtpClient::RmdAsync() { ExecCommand(ftpRqRmd, "RMD " + hostFileName_, {250, 257}, nullptr); }
void TCustomFtpClient::DeleAsync() { ExecCommand(ftpRqDele, "DELE " + hostFileName_, {250, 257}, nullptr); }
void TCustomFtpClient::RntoAsync() { ExecCommand(ftpRqRnto, "RNTO " + localFileName_, {200, 250, 257}, nullptr); }
void TCustomFtpClient::RnfrAsync() { ExecCommand(ftpRqRnfr, "RNFR " + hostFileName_, {350}, nullptr); }
void TCustomFtpClient::PwdAsync() { ExecCommand(ftpRqPwd, "PWD", {250, 257}, nullptr); }
void TCustomFtpClient::QuoteAsync() { ExecCommand(ftpRqQuote, localFileName_, {}, nullptr); }
void TCustomFtpClient::CdupAsync() { ExecCommand(ftpRqCdup, "CDUP", {250}, nullptr); }

void TCustomFtpClient::TypeSetAsync() {
    ExecCommand(ftpRqType, std::string("TYPE ") + typeLetter_, {200}, nullptr);
}

void TCustomFtpClient::TypeBinaryAsync() {
    SetBinary(true);
    TypeSetAsync();
}

void TCustomFtpClient::TypeAsciiAsync() {
    SetBinary(false);
    TypeSetAsync();
}

void TCustomFtpClient::AbortAsync() { AbortWith("426 Operation aborted."); }

void TCustomFtpClient::AbortWith(const std::string& text) {
    abortText_ = text;
    FtpState old = state_;
    SetState(ftpStateAborting);
    CloseLocalFile();
    if (old == ftpStateDnsLookup) controlSocket_->CancelDnsLookup();
    try {
        if (controlSocket_->State() != wsClosed) controlSocket_->Close();
    } catch (const ESocketException&) {
    }
    CloseDataSocket();
    CloseLocalFile();
    connected_ = false;
    // A request whose connection was already gone hears of no close: it ends here.
    if (requestRunning_) {
        SetState(ftpStateReady);
        FailRequest(LocalFailureCode, abortText_);
    }
    SetState(ftpStateReady);
}

// --- high-level requests ----------------------------------------------------------------------------------

void TCustomFtpClient::ConnectAsync() { StartSequence(ftpRqConnect, {ftpStepOpen, ftpStepUser, ftpStepPass}); }
void TCustomFtpClient::SessionGetAsync() {
    StartSequence(ftpRqSessionGet, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType, ftpStepPort,
                                    ftpStepRetr, ftpStepQuit});
}
void TCustomFtpClient::DirAsync() { StartSequence(ftpRqDir, {ftpStepPort, ftpStepList}); }
void TCustomFtpClient::LsAsync() { StartSequence(ftpRqLs, {ftpStepPort, ftpStepNlst}); }
void TCustomFtpClient::GetAsync() { StartSequence(ftpRqGet, {ftpStepPort, ftpStepRetr}); }
void TCustomFtpClient::SessionDirAsync() {
    StartSequence(ftpRqSessionDir,
                  {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepPort, ftpStepList, ftpStepQuit});
}
void TCustomFtpClient::SessionLsAsync() {
    StartSequence(ftpRqSessionLs,
                  {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepPort, ftpStepNlst, ftpStepQuit});
}
void TCustomFtpClient::SessionSystAsync() {
    StartSequence(ftpRqSessionSyst, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepSyst, ftpStepQuit});
}
void TCustomFtpClient::SessionSizeAsync() {
    StartSequence(ftpRqSize, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepSize, ftpStepQuit});
}
void TCustomFtpClient::PutAsync() { StartSequence(ftpRqPut, {ftpStepPort, ftpStepStor}); }
void TCustomFtpClient::AppendAsync() { StartSequence(ftpRqAppend, {ftpStepPort, ftpStepAppe}); }
void TCustomFtpClient::SessionRenameAsync() {
    StartSequence(ftpRqSessionRename,
                  {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepRnfr, ftpStepRnto, ftpStepQuit});
}
void TCustomFtpClient::RenameAsync() { StartSequence(ftpRqRename, {ftpStepRnfr, ftpStepRnto}); }
void TCustomFtpClient::SessionDeleAsync() {
    StartSequence(ftpRqSessionDele, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepDele, ftpStepQuit});
}
void TCustomFtpClient::SessionMkdAsync() {
    StartSequence(ftpRqSessionMkd, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepMkd, ftpStepQuit});
}
void TCustomFtpClient::SessionRmdAsync() {
    StartSequence(ftpRqSessionRmd, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepRmd, ftpStepQuit});
}
void TCustomFtpClient::SessionQuoteAsync() {
    StartSequence(ftpRqSessionQuote,
                  {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepQuote, ftpStepQuit});
}
void TCustomFtpClient::SessionPutAsync() {
    StartSequence(ftpRqSessionPut, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType, ftpStepPort,
                                    ftpStepStor, ftpStepQuit});
}
void TCustomFtpClient::SessionAppendAsync() {
    StartSequence(ftpRqSessionPut, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType, ftpStepPort,
                                    ftpStepAppe, ftpStepQuit});
}
void TCustomFtpClient::ResumeGetAsync() { StartSequence(ftpRqResumeGet, {ftpStepPort, ftpStepRest, ftpStepRetr}); }
void TCustomFtpClient::SessionResumeGetAsync() {
    StartSequence(ftpRqSessionResumeGet, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType,
                                          ftpStepPort, ftpStepRest, ftpStepRetr, ftpStepQuit});
}
void TCustomFtpClient::ResumePutAsync() { StartSequence(ftpRqResumePut, {ftpStepPort, ftpStepRest, ftpStepStor}); }
void TCustomFtpClient::SessionResumePutAsync() {
    StartSequence(ftpRqSessionResumePut, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType,
                                          ftpStepPort, ftpStepRest, ftpStepStor, ftpStepQuit});
}

}  // namespace fv
