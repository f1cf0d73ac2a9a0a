// TFtpClient: the FTP client with a synchronous call for each request.
//
// A synchronous call starts the request and runs the message loop until that very request has ended
// and its OnRequestDone has run, then returns whether it ended without error. The wait sleeps in the
// loop (it never spins) and measures Timeout on the loop's 64-bit clock as silence: every data block
// of a transfer starts it again. When it runs out the client aborts, ErrorMessage becomes
// "426 Timeout" and the call returns false. A request that an event handler starts while a call waits
// does not confuse it: each call waits for its own request, counted by serial.
#pragma once

#include <vector>

#include "net/custom_ftp_client.h"

namespace fv {

class TFtpClient : public TCustomFtpClient {
public:
    using TCustomFtpClient::TCustomFtpClient;

    // Seconds of silence a synchronous call waits; 0 or less waits without limit.
    int Timeout() const { return timeout_; }
    void SetTimeout(int seconds) { timeout_ = seconds; }
    // Kept for the settings that name it; every wait runs the one message loop of the program.
    bool MultiThreaded() const { return multiThreaded_; }
    void SetMultiThreaded(bool v) { multiThreaded_ = v; }
    // When the running synchronous wait gives up, on the loop's clock.
    Millis Deadline() const { return deadline_; }

    using AsyncOperation = void (TCustomFtpClient::*)();
    // Runs the operation and waits for the request it started; false at once when it raised an error or
    // started nothing.
    bool Synchronize(AsyncOperation op);

    bool Open() { return Synchronize(&TCustomFtpClient::OpenAsync); }
    bool User() { return Synchronize(&TCustomFtpClient::UserAsync); }
    bool Pass() { return Synchronize(&TCustomFtpClient::PassAsync); }
    bool Cwd() { return Synchronize(&TCustomFtpClient::CwdAsync); }
    bool Syst() { return Synchronize(&TCustomFtpClient::SystAsync); }
    bool Quit() { return Synchronize(&TCustomFtpClient::QuitAsync); }
    bool Size() { return Synchronize(&TCustomFtpClient::SizeAsync); }
    bool Mkd() { return Synchronize(&TCustomFtpClient::MkdAsync); }
    bool Rmd() { return Synchronize(&TCustomFtpClient::RmdAsync); }
    bool Dele() { return Synchronize(&TCustomFtpClient::DeleAsync); }
    bool Rnfr() { return Synchronize(&TCustomFtpClient::RnfrAsync); }
    bool Rnto() { return Synchronize(&TCustomFtpClient::RntoAsync); }
    bool Pwd() { return Synchronize(&TCustomFtpClient::PwdAsync); }
    bool Quote() { return Synchronize(&TCustomFtpClient::QuoteAsync); }
    bool Cdup() { return Synchronize(&TCustomFtpClient::CdupAsync); }
    bool TypeSet() { return Synchronize(&TCustomFtpClient::TypeSetAsync); }
    bool TypeBinary() { return Synchronize(&TCustomFtpClient::TypeBinaryAsync); }
    bool TypeAscii() { return Synchronize(&TCustomFtpClient::TypeAsciiAsync); }
    bool Port() { return Synchronize(&TCustomFtpClient::PortAsync); }
    bool Rest() { return Synchronize(&TCustomFtpClient::RestAsync); }
    bool Retr() { return Synchronize(&TCustomFtpClient::RetrAsync); }
    bool List() { return Synchronize(&TCustomFtpClient::ListAsync); }
    bool Nlst() { return Synchronize(&TCustomFtpClient::NlstAsync); }
    bool Stor() { return Synchronize(&TCustomFtpClient::StorAsync); }
    bool Appe() { return Synchronize(&TCustomFtpClient::AppeAsync); }
    bool Connect() { return Synchronize(&TCustomFtpClient::ConnectAsync); }
    bool SessionGet() { return Synchronize(&TCustomFtpClient::SessionGetAsync); }
    bool Dir() { return Synchronize(&TCustomFtpClient::DirAsync); }
    bool Ls() { return Synchronize(&TCustomFtpClient::LsAsync); }
    bool Get() { return Synchronize(&TCustomFtpClient::GetAsync); }
    bool SessionDir() { return Synchronize(&TCustomFtpClient::SessionDirAsync); }
    bool SessionLs() { return Synchronize(&TCustomFtpClient::SessionLsAsync); }
    bool SessionSyst() { return Synchronize(&TCustomFtpClient::SessionSystAsync); }
    bool SessionSize() { return Synchronize(&TCustomFtpClient::SessionSizeAsync); }
    bool Put() { return Synchronize(&TCustomFtpClient::PutAsync); }
    bool Append() { return Synchronize(&TCustomFtpClient::AppendAsync); }
    bool SessionRename() { return Synchronize(&TCustomFtpClient::SessionRenameAsync); }
    bool Rename() { return Synchronize(&TCustomFtpClient::RenameAsync); }
    bool SessionDele() { return Synchronize(&TCustomFtpClient::SessionDeleAsync); }
    bool SessionMkd() { return Synchronize(&TCustomFtpClient::SessionMkdAsync); }
    bool SessionRmd() { return Synchronize(&TCustomFtpClient::SessionRmdAsync); }
    bool SessionQuote() { return Synchronize(&TCustomFtpClient::SessionQuoteAsync); }
    bool SessionPut() { return Synchronize(&TCustomFtpClient::SessionPutAsync); }
    bool SessionAppend() { return Synchronize(&TCustomFtpClient::SessionAppendAsync); }
    bool ResumeGet() { return Synchronize(&TCustomFtpClient::ResumeGetAsync); }
    bool SessionResumeGet() { return Synchronize(&TCustomFtpClient::SessionResumeGetAsync); }
    bool ResumePut() { return Synchronize(&TCustomFtpClient::ResumePutAsync); }
    bool SessionResumePut() { return Synchronize(&TCustomFtpClient::SessionResumePutAsync); }
    // Closes whatever is open; true unless the last request left an error code.
    bool Abort();

protected:
    bool FireProgress() override;
    void RequestDelivered(std::uint64_t serial, int code) override;

private:
    struct Waiter {
        std::uint64_t serial;
        bool done = false;
        int code = 0;
    };
    // Waits for the request with this serial; true when it ended without error.
    bool WaitUntilReady(std::uint64_t serial);
    bool ApplicationTerminating() const;
    void RestartDeadline() { deadline_ = loop_.Now() + Millis(timeout_) * 1000; }

    int timeout_ = 15;
    bool multiThreaded_ = false;
    Millis deadline_ = 0;
    std::vector<Waiter*> waiters_;
};

}  // namespace fv
