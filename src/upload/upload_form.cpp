// The upload dialog: its controls, the FTP client's settings, and the handlers of everything but the
// upload itself (upload_run.cpp).
#include "upload/upload_form.h"

#include "platform/app/application.h"
#include "records/database_state.h"

namespace fv {

TUploadForm::TUploadForm(Component* owner, Program& program)
    : ProgramForm(owner, program, "UploadForm"), FtpClient1(Make<TFtpClient>()) {
    SetCaption("Upload to Web Site");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;

    FtpClient1->SetName("FtpClient1");
    FtpClient1->SetTimeout(90);
    FtpClient1->SetMultiThreaded(false);
    FtpClient1->SetPort("ftp");
    FtpClient1->SetDisplayFileFlag(false);
    FtpClient1->SetBinary(true);
    FtpClient1->SetShareMode(ftpShareExclusive);
    FtpClient1->SetOptions(ftpAcceptLF);
    FtpClient1->SetConnectionType(ftpDirect);
    FtpClient1->OnProgress = [this](Component* s, std::int64_t count, bool& abort) { FtpClient1Progress(s, count, abort); };
    FtpClient1->OnSessionConnected = [this](Component* s, int e) { FtpClient1SessionConnected(s, e); };
    FtpClient1->OnSessionClosed = [this](Component* s, int e) { FtpClient1SessionClosed(s, e); };
    FtpClient1->OnRequestDone = [this](Component* s, TFtpRequest rq, int e) { FtpClient1RequestDone(s, rq, e); };
    FtpClient1->OnStateChange = [this](Component* s) { FtpClient1StateChange(s); };

    //  [logo]  WebSite Upload / Manager
    //  Status Messages
    //  [DisplayMemo......................................]
    //  [FileNow..........................................]
    //  [S E N D] [Ok] [Fail]                       [Exit]
    //  [FTP Status][Not Connected to Web Site.............]
    //  [.................................................]
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 460, 370);
    PelmarixLogo = Add<Image>(MainPanel, "PelmarixLogo", 8, 8, 64, 48);
    HeaderText1 = Add<Label>(MainPanel, "HeaderText1", 80, 12, 240, 16, "           WebSite Upload");
    HeaderText2 = Add<Label>(MainPanel, "HeaderText2", 80, 34, 240, 16, "                 Manager");
    for (Label* header : {HeaderText1, HeaderText2}) {
        Font f = header->GetFont();
        f.Style = FsBold;
        f.Size = 10;
        header->SetFont(f);
    }
    FilesAtSite = Add<ListBox>(MainPanel, "FilesAtSite", 400, 8, 52, 48);
    FilesAtSite->Hide();

    AGroup = Add<GroupBox>(MainPanel, "AGroup", 8, 62, 444, 258);
    Label1 = Add<Label>(AGroup, "Label1", 10, 18, 120, 13, "Status Messages");
    DisplayMemo = Add<Memo>(AGroup, "DisplayMemo", 10, 36, 424, 150);
    log_ = std::make_unique<UploadLog>(*DisplayMemo);
    DisplayMemo->SetReadOnly(true);
    DisplayMemo->ScrollBars = ScrollStyle::Vertical;
    FileNow = Add<Edit>(AGroup, "FileNow", 10, 194, 424, 21);
    FileNow->SetReadOnly(true);
    FileNow->SetEnabled(false);
    SendButton = Add<Button>(AGroup, "SendButton", 10, 224, 100, 25, "S E N D");
    SendButton->Default = true;
    Tick = Add<BitBtn>(AGroup, "Tick", 120, 224, 75, 25, "Ok");
    Tick->ButtonKind = BitBtn::BtnKind::Ok;
    Tick->ModalResult = MrOk;
    Tick->Hide();
    Abort = Add<BitBtn>(AGroup, "Abort", 205, 224, 75, 25, "Fail");
    Abort->ButtonKind = BitBtn::BtnKind::Abort;
    Abort->ModalResult = MrAbort;
    Abort->Hide();
    ExitButton = Add<Button>(AGroup, "ExitButton", 334, 224, 100, 25, "Exit");

    StatusBar1 = Add<StatusBar>(MainPanel, "StatusBar1", 4, 326, 452, 19);
    StatusBar1->SetPanels({{"FTP Status", 100}});
    StatusBar1->SetSimpleText("Not Connected to Web Site");
    StatusBar2 = Add<StatusBar>(MainPanel, "StatusBar2", 4, 347, 452, 19);
    SizeToContainer(*MainPanel);
    // Tab runs through each group's controls in the order they stand above.
    for (Control* parent : {static_cast<Control*>(this), static_cast<Control*>(MainPanel), static_cast<Control*>(AGroup)}) {
        int next = 0;
        for (Control* c : parent->Controls()) c->SetTabOrder(next++);
    }

    SendButton->OnClick = [this](Component* s) { SendButtonClick(s); };
    ExitButton->OnClick = [this](Component* s) { ExitButtonClick(s); };
    Abort->OnClick = [this](Component* s) { AbortClick(s); };
    OnActivate = [this](Component* s) { FormActivate(s); };
    Hide();
}

void TUploadForm::FormActivate(Component*) { SendButton->SetFocus(); }

void TUploadForm::AbortClick(Component*) { ReturnToDatabaseDirectory(P); }

void TUploadForm::ExitButtonClick(Component*) {
    if (!UploadRunning) {
        ReturnToDatabaseDirectory(P);
        SetModalResult(MrOk);
        return;
    }
    if (!AskYesNo(BeepKind::Question, "Do you want to Exit now ?", "Transfer Abort ?")) return;
    Tick->Hide();
    Abort->Hide();
    P.App.Beep(BeepKind::Default);
    if (ExitClickCount++ != 1) {
        // The transfer in hand completes; the upload stops before the next file.
        UploadAbortRequested = 1;
        return;
    }
    // The second confirmation breaks off the transfer in hand.
    UploadAbortRequested = 0;
    UploadRunning = 0;
    abortedByUser_ = true;
    RunFtpCommand(false, &TFtpClient::Abort);
    P.App.SetScreenCursor(Cursor::Default);
    SendButton->SetEnabled(true);
    SetModalResult(MrCancel);
}

bool TUploadForm::AskYesNo(BeepKind beep, const std::string& text, const std::string& caption) {
    FlushLog();
    P.App.Beep(beep);
    return P.App.MessageBox(text, caption, MbYesNo | MbIconQuestion) == IdYes;
}

bool TUploadForm::RunFtpCommand(bool report, bool (TFtpClient::*call)()) {
    FtpClient1->OnDisplay = [this](Component* s, std::string& text) { ShowClientText(s, text); };
    if ((FtpClient1->*call)()) {
        AddLogLine("Command ok.");
        return true;
    }
    // What fails because the user broke the transfer off is no failure of the server's.
    if (!report || abortedByUser_) return false;
    P.App.Beep(BeepKind::Exclamation);
    AddLogLine("Command FAILED.");
    Abort->Show();
    Abort->SetFocus();
    UploadRunning = 0;
    RunFtpCommand(false, &TFtpClient::Quit);
    P.App.SetScreenCursor(Cursor::Default);
    return false;
}

void TUploadForm::ShowClientText(Component*, std::string& text) { AddLogLine(text); }

void TUploadForm::FtpClient1Progress(Component*, std::int64_t count, bool&) {
    StatusBar2->SetSimpleText("Progress =" + std::to_string(count));
}

void TUploadForm::FtpClient1RequestDone(Component*, TFtpRequest rqType, int error) {
    const int code = FtpClient1->ReplyCode();
    AddLogLine("Request " + std::to_string(int(rqType)) + " Done.");
    AddLogLine("StatusCode = " + std::to_string(code / 65536) + " : " + std::to_string(code % 65536));
    AddLogLine("LastResponse was : \"" + FtpClient1->ReplyText() + "\"");
    AddLogLine(error ? "Error = " + std::to_string(error) + " (" + FtpClient1->ErrorMessage() + ")"
                     : std::string("No error"));
}

void TUploadForm::FtpClient1SessionConnected(Component*, int) { StatusBar1->SetSimpleText("Connected to Web Site"); }

void TUploadForm::FtpClient1SessionClosed(Component*, int) { StatusBar1->SetSimpleText("Not Connected to Web Site"); }

void TUploadForm::FtpClient1StateChange(Component*) {
    StatusBar2->SetSimpleText(std::to_string(int(FtpClient1->State())));
}

}  // namespace fv
