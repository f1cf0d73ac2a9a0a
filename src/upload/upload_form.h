// The dialog "Upload to Web Site": one click on "S E N D" sends every file waiting in the publish folder
// to the web server, keeps a copy of each under the name it has at the site in the "atsite" mirror folder,
// and then removes at the site what is no longer published. The whole upload runs inside that click on
// the GUI thread through the FTP client's synchronous calls, which run the message loop while they wait:
// the dialog repaints, its log fills and "Exit" answers during a transfer.
//
// Rules beyond the plain sequence, each because a file at the site or on the disk is at stake:
//  - A local file is deleted only after its copy in the mirror was checked; a name sent in this run is
//    never deleted at the site; without a readable mirror folder nothing is deleted at the site.
//  - After any failed step the upload ends: no clean-up works from a broken session or an old listing.
//    Only the closing QUIT is different: every file was confirmed by then, so its failure is logged and
//    the upload still ends "Ok".
//  - The probe file and the site listing live in a private temporary folder, never in a user's folder.
//  - A second click on "S E N D" (or Enter) while the upload runs does nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/ftp_client.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "platform/ui/status_bar.h"
#include "program/program_form.h"
#include "upload/upload_log.h"

namespace fv {

class TUploadForm : public ProgramForm {
public:
    TUploadForm(Component* owner, Program& program);

    TFtpClient* FtpClient1;
    Panel* MainPanel;
    Image* PelmarixLogo;
    Label* HeaderText1;
    Label* HeaderText2;
    ListBox* FilesAtSite;  // hidden: the names the site listing gave, one per item
    GroupBox* AGroup;
    Label* Label1;
    Memo* DisplayMemo;
    Edit* FileNow;
    Button* SendButton;
    BitBtn* Tick;
    BitBtn* Abort;
    Button* ExitButton;
    StatusBar* StatusBar1;
    StatusBar* StatusBar2;

    // 1 from the user's yes to the count question until the upload ends, fails or is aborted.
    std::uint8_t UploadRunning = 0;
    // "Exit" was confirmed once: the upload stops before its next file.
    std::uint8_t UploadAbortRequested = 0;
    // Exit confirmations during the current upload.
    std::int32_t ExitClickCount = 0;

    void SendButtonClick(Component* sender);
    void ExitButtonClick(Component* sender);
    void AbortClick(Component* sender);
    void FormActivate(Component* sender);
    void FtpClient1Progress(Component* sender, std::int64_t count, bool& abort);
    void FtpClient1RequestDone(Component* sender, TFtpRequest rqType, int error);
    void FtpClient1SessionConnected(Component* sender, int error);
    void FtpClient1SessionClosed(Component* sender, int error);
    void FtpClient1StateChange(Component* sender);
    void ShowClientText(Component* sender, std::string& text);

    // Runs one synchronous call of the client. True: "Command ok.". False with report: the failure is
    // shown ("Command FAILED.", the "Fail" button) and the connection quit.
    bool RunFtpCommand(bool report, bool (TFtpClient::*call)());

    // Adds a line to the log under DisplayMemo.
    void AddLogLine(const std::string& line) { log_->Add(line); }
    // The log's lines reach DisplayMemo now rather than with the next batch.
    void FlushLog() { log_->Flush(); }

private:
    enum class Outcome { Go, Ended };
    struct Upload;

    void RunUpload();
    Outcome Prepare(Upload& run);
    Outcome SendFile(Upload& run, std::size_t index);
    Outcome CleanUpSite(Upload& run);
    void Finish(Upload& run);
    // The end of a run after a failure: the dialog stays open with "Fail" shown.
    Outcome EndFailed();
    // A failure of this side (no client command failed): shown as a failed command is, then EndFailed.
    Outcome FailNow();
    bool AskYesNo(BeepKind beep, const std::string& text, const std::string& caption);

    std::unique_ptr<UploadLog> log_;
    // The send handler is running (it waits in the loop, where a second click could arrive).
    bool sending_ = false;
    // The second "Exit" aborted the client: what the abort made fail is no failure to report.
    bool abortedByUser_ = false;
};

}  // namespace fv
