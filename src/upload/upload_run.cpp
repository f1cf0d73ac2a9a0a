// The upload itself, run by one click on "S E N D": every file of the publish folder to the site, its
// copy into the mirror folder, the clean-up of the site and the end of the session.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "records/database_state.h"
#include "records/file_warning.h"
#include "upload/ftp_form.h"
#include "upload/site_files.h"
#include "upload/upload_form.h"

namespace fv {

namespace {

// A folder of this run's own under the system's temporary folder, removed with its content at the end:
// the probe file and the site listing are written there and nowhere a user keeps files.
class PrivateFolder {
public:
    PrivateFolder() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "folivex-upload-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~PrivateFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool Made() const { return !path_.empty(); }
    std::string File(const std::string& name) const { return JoinPath(path_, name); }

private:
    std::string path_;
};

}  // namespace

struct TUploadForm::Upload {
    std::string PublishDirectory;
    std::vector<std::string> Entries;
    std::unique_ptr<PrivateFolder> Scratch;
    // The site names this run sent: the clean-up never deletes one of them.
    std::set<std::string> Sent;
    // Entries that could not be sent for a reason of this side (a broken image link).
    int NotSent = 0;
};

void TUploadForm::SendButtonClick(Component*) {
    // The handler waits in the message loop, where another click or the Enter key can arrive.
    if (sending_) return;
    sending_ = true;
    SendButton->SetEnabled(false);
    try {
        RunUpload();
    } catch (...) {
        sending_ = false;
        throw;
    }
    sending_ = false;
    FlushLog();
}

void TUploadForm::RunUpload() {
    Application& app = P.App;
    Upload run;
    run.PublishDirectory = P.PublishDirectory;
    ExitClickCount = 0;
    abortedByUser_ = false;
    app.SetScreenCursor(Cursor::HourGlass);
    ReturnToDatabaseDirectory(P);
    RunFtpCommand(false, &TFtpClient::Abort);
    UploadAbortRequested = 0;
    // Each run works from its own listing only.
    FilesAtSite->ClearItems();

    run.Entries = ListFiles(run.PublishDirectory, "*.*");
    // A file a whole-file write holds under a name of its own is not sent: it is half made, or an old copy.
    std::erase_if(run.Entries, [](const std::string& name) { return WriterTemporaryOwner(name).has_value(); });
    const std::size_t n = run.Entries.size();
    if (n == 0) {
        app.Beep(BeepKind::Default);
        app.ShowMessage("No Uploads files present. Upload not necessary this time.");
        app.SetScreenCursor(Cursor::Default);
        SendButton->SetEnabled(true);
        SetModalResult(MrOk);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (UploadAbortRequested) {
            UploadAbortRequested = 0;
            UploadRunning = 0;
            RunFtpCommand(false, &TFtpClient::Abort);
            app.SetScreenCursor(Cursor::Default);
            SendButton->SetEnabled(true);
            SetModalResult(MrCancel);
            return;
        }
        if (i == 0 && Prepare(run) == Outcome::Ended) return;
        if (SendFile(run, i) == Outcome::Ended) return;
    }
    if (CleanUpSite(run) == Outcome::Ended) return;
    if (!RunFtpCommand(false, &TFtpClient::Quit)) {
        if (abortedByUser_) return;
        // Every file was confirmed before: a session that did not end cleanly takes none of that back.
        AddLogLine("Quit FAILED (" + FtpClient1->ErrorMessage() + "). Every file was sent.");
    }
    Finish(run);
}

TUploadForm::Outcome TUploadForm::Prepare(Upload& run) {
    Application& app = P.App;
    TFTPForm& settings = *P.FTPForm;
    app.SetScreenCursor(Cursor::Default);
    if (!AskYesNo(BeepKind::Question, "[ " + std::to_string(run.Entries.size()) + " ] Files to Upload. Continue ?",
                  "Continue ?")) {
        Tick->Hide();
        UploadRunning = 0;
        app.Beep(BeepKind::Default);
        app.SetScreenCursor(Cursor::Default);
        SetModalResult(MrOk);
        return Outcome::Ended;
    }
    app.SetScreenCursor(Cursor::HourGlass);
    UploadRunning = 1;
    AddLogLine("Attempting to Connect to Site....");

    FtpClient1->SetTimeout(120);
    FtpClient1->SetHostName(settings.FTPhost->Text());
    FtpClient1->SetPort(settings.FTPPort->Text());
    FtpClient1->SetUserName(settings.FTPAccountID->Text());
    FtpClient1->SetPassWord(settings.FTPPassword->Text());
    if (!RunFtpCommand(true, &TFtpClient::Connect)) return EndFailed();

    const std::string hostDirectory = settings.FTPHostDir->Text();
    if (!hostDirectory.empty()) {
        FtpClient1->SetTimeout(20);
        FtpClient1->SetHostFileName(hostDirectory);
        // An existing directory is refused, which is no error here.
        RunFtpCommand(false, &TFtpClient::Mkd);
        FtpClient1->SetHostDirName(hostDirectory);
        if (!RunFtpCommand(true, &TFtpClient::Cwd)) return EndFailed();
    }

    run.Scratch = std::make_unique<PrivateFolder>();
    if (!run.Scratch->Made() || !WriteWholeFile(run.Scratch->File("dummy"), "dummy")) {
        P.App.Beep(BeepKind::Exclamation);
        AddLogLine("Unable to write the probe file in a temporary folder.");
        return FailNow();
    }
    // The probe shows that the server takes a file before any page is sent.
    FtpClient1->SetHostDirName("");
    FtpClient1->SetHostFileName("dummy");
    FtpClient1->SetLocalFileName(run.Scratch->File("dummy"));
    FtpClient1->SetBinary(false);
    const bool probed = RunFtpCommand(true, &TFtpClient::Put);
    RemoveFile(run.Scratch->File("dummy"));
    if (!probed) return EndFailed();

    const std::string listing = run.Scratch->File("FILELIST.TXT");
    FtpClient1->SetHostDirName("");
    FtpClient1->SetHostFileName("");
    FtpClient1->SetLocalFileName(listing);
    if (!RunFtpCommand(true, &TFtpClient::Ls)) return EndFailed();
    if (!FileExistsOrWarn(app, listing)) {
        return FailNow();
    }
    FilesAtSite->SetItems(SiteListingNames(ReadWholeFile(listing).value_or("")));
    RemoveFile(listing);

    FtpClient1->SetBinary(true);
    if (!RunFtpCommand(true, &TFtpClient::TypeSet)) return EndFailed();
    return Outcome::Go;
}

TUploadForm::Outcome TUploadForm::SendFile(Upload& run, std::size_t index) {
    const UploadItem item = ResolveUploadItem(run.PublishDirectory, run.Entries[index]);
    FileNow->SetText(item.SiteName + " (" + std::to_string(index + 1) + " of " + std::to_string(run.Entries.size()) +
                     " files)");
    FileNow->Repaint();
    if (SkippedAtUpload(item.SiteName)) return Outcome::Go;
    if (!item.Problem.empty()) {
        // Kept in the publish folder for the next upload, and nothing of it goes into the mirror.
        AddLogLine(item.Problem + " Not sent.");
        ++run.NotSent;
        return Outcome::Go;
    }
    StatusBar2->SetSimpleText("Sending " + item.SiteName);
    FtpClient1->SetHostDirName("");
    FtpClient1->SetHostFileName(item.SiteName);
    FtpClient1->SetLocalFileName(item.LocalPath);
    AddLogLine("File: " + (item.Linked ? item.LocalPath : item.Entry));
    if (!RunFtpCommand(true, &TFtpClient::Put)) return abortedByUser_ ? Outcome::Ended : EndFailed();
    run.Sent.insert(item.SiteName);

    // The mirror stands for what the site holds, under the site's names; the published file goes only
    // once its copy there is sure.
    const std::string mirrorCopy = JoinPath(JoinPath(run.PublishDirectory, "atsite"), item.SiteName);
    if (!CopyFileBytes(item.LocalPath, mirrorCopy, nullptr, Sync::Regenerable)) {
        P.App.ShowMessage("Unable to locate file '" + item.LocalPath + "'");
        AddLogLine("The copy into the mirror folder failed: " + item.Entry + " is kept.");
        return Outcome::Go;
    }
    if (item.SiteName.rfind("qlx", 0) == 0) RemoveFile(JoinPath(run.PublishDirectory, item.Entry));
    P.App.Messages().PlaySound(EventSound::Complete);
    return Outcome::Go;
}

TUploadForm::Outcome TUploadForm::CleanUpSite(Upload& run) {
    const std::string mirror = JoinPath(run.PublishDirectory, "atsite");
    // Without the mirror every published file would look old: only this run's probe is deleted then.
    const bool mirrorRead = IsDirectory(mirror) && ::access(mirror.c_str(), R_OK | X_OK) == 0;
    if (!mirrorRead) AddLogLine("The mirror folder [" + mirror + "] cannot be read: no published file at the site is deleted.");
    const std::vector<std::string> listed = mirrorRead ? ListFiles(mirror, "*.*") : std::vector<std::string>();
    const std::set<std::string> mirrored(listed.begin(), listed.end());
    const std::vector<std::string> siteNames = FilesAtSite->Items();
    for (const std::string& name : siteNames) {
        const SiteFileAction action = CleanUpAction(name, mirrored, run.Sent);
        if (action == SiteFileAction::Ignore || (!mirrorRead && name != "dummy")) continue;
        StatusBar2->SetSimpleText("Checking " + name);
        if (action == SiteFileAction::Keep) continue;
        if (action == SiteFileAction::Ask &&
            !AskYesNo(BeepKind::Exclamation, "Old File found at Site [" + name + "] - Delete it ?", "Delete ?"))
            continue;
        StatusBar2->SetSimpleText("Deleting at Site: " + name);
        FtpClient1->SetHostFileName(name);
        if (!RunFtpCommand(true, &TFtpClient::Dele)) return EndFailed();
    }
    return Outcome::Go;
}

void TUploadForm::Finish(Upload& run) {
    Application& app = P.App;
    UploadRunning = 0;
    if (run.NotSent > 0) {
        // The files that could not go stay in the publish folder: the dialog ends as failed.
        AddLogLine(std::to_string(run.NotSent) + " file(s) could not be sent and are kept for the next upload.");
        app.Beep(BeepKind::Exclamation);
        Abort->Show();
        Abort->SetFocus();
        app.SetScreenCursor(Cursor::Default);
        SendButton->SetEnabled(true);
    } else {
        Tick->Show();
        Tick->SetFocus();
        app.Beep(BeepKind::Default);
        app.SetScreenCursor(Cursor::Default);
        // One upload per opening of the dialog.
        SendButton->SetEnabled(false);
    }
    ReturnToDatabaseDirectory(P);
}

TUploadForm::Outcome TUploadForm::EndFailed() {
    // "Fail" is the way out, or another try with "S E N D".
    SendButton->SetEnabled(true);
    ReturnToDatabaseDirectory(P);
    return Outcome::Ended;
}

TUploadForm::Outcome TUploadForm::FailNow() {
    FilesAtSite->ClearItems();
    Abort->Show();
    Abort->SetFocus();
    UploadRunning = 0;
    RunFtpCommand(false, &TFtpClient::Quit);
    P.App.SetScreenCursor(Cursor::Default);
    return EndFailed();
}

}  // namespace fv
