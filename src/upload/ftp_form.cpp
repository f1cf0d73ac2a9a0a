// The FTP server settings dialog.
#include "platform/ui/bit_btn.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "upload/ftp_form.h"

namespace fv {

TFTPForm::TFTPForm(Component* owner, Program& program) : ProgramForm(owner, program, "FTPForm") {
    SetCaption("FTP Web Server Settings");
    EscapeCloses = true;  // no cancel button: Escape closes it as the close box does
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<GroupBox>(this, "MainPanel", 4, 4, 340, 196, "Internet Connection details");
    SizeToContainer(*MainPanel);
    auto row = [&](Label*& label, Edit*& edit, const std::string& name, const std::string& caption, int top,
                   int width) {
        label = Add<Label>(MainPanel, name + "Label", 12, top + 4, 130, 13, caption);
        edit = Add<Edit>(MainPanel, name, 146, top, width, 21);
    };
    row(HostLabel, FTPhost, "FTPhost", "Host Address", 22, 182);
    row(AccountLabel, FTPAccountID, "FTPAccountID", "Account ID", 48, 182);
    row(PasswordLabel, FTPPassword, "FTPPassword", "Password", 74, 182);
    row(PortLabel, FTPPort, "FTPPort", "Port", 100, 50);
    row(HostDirLabel, FTPHostDir, "FTPHostDir", "WebSite subdirectory", 126, 182);
    FTPhost->SetMaxLength(199);
    FTPAccountID->SetMaxLength(199);
    FTPPassword->SetMaxLength(199);
    FTPPassword->SetPasswordChar('*');
    FTPPort->SetMaxLength(5);
    const char* dirHint = "Only enter this if your published files should reside in a sub-directory on your Web "
                          "Hosts Server.";
    FTPHostDir->SetHint(dirHint);
    HostDirLabel->SetHint(dirHint);
    FTPhost->SetText("ftp.example.com");
    FTPAccountID->SetText("anonymous");
    FTPPassword->SetText("tramlike");
    FTPPort->SetText("21");
    FTPHostDir->SetText("qlx");
    CancelButton = AddCancelButton(MainPanel, "CancelButton", 253, 160, 75, 25, {.closes = false});
    OKButton = AddOkButton(MainPanel, "OKButton", 172, 160, 75, 25, {.closes = false});

    for (Edit* e : Edits()) e->OnChange = [this](Component* s) { FTPVariableChange(s); };
    OKButton->OnClick = [this](Component* s) { OKButtonClick(s); };
    CancelButton->OnClick = [this](Component* s) { CancelButtonClick(s); };
    OnShow = [this](Component* s) { FormShow(s); };
    Hide();
}

void TFTPForm::FormShow(Component*) {
    for (std::size_t i = 0; i < shownTexts_.size(); ++i) shownTexts_[i] = Edits()[i]->Text();
    shownModified_ = P.Changes.Remember();
}

void TFTPForm::FTPVariableChange(Component*) { P.Changes.Mark(Change::Settings); }

void TFTPForm::OKButtonClick(Component*) { SetModalResult(MrOk); }

void TFTPForm::CancelButtonClick(Component*) {
    for (std::size_t i = 0; i < shownTexts_.size(); ++i) Edits()[i]->SetText(shownTexts_[i]);
    P.Changes.Restore(shownModified_);
    SetModalResult(MrCancel);
}

}  // namespace fv
