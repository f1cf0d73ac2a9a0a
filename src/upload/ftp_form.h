// The dialog "FTP Web Server Settings": the five settings of the web server the upload connects to. The
// edits are the settings; the upload and the configuration file read them directly.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ui/bit_btn.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "program/program_form.h"

namespace fv {

class TFTPForm : public ProgramForm {
public:
    TFTPForm(Component* owner, Program& program);

    GroupBox* MainPanel;
    Label* HostLabel;
    Edit* FTPhost;
    Label* AccountLabel;
    Edit* FTPAccountID;
    Label* PasswordLabel;
    Edit* FTPPassword;
    Label* PortLabel;
    Edit* FTPPort;
    Label* HostDirLabel;
    Edit* FTPHostDir;
    BitBtn* CancelButton;
    BitBtn* OKButton;

    void FTPVariableChange(Component* sender);
    void OKButtonClick(Component* sender);
    // Puts back the texts and the modified mark the dialog was opened with.
    void CancelButtonClick(Component* sender);
    void FormShow(Component* sender);

private:
    std::array<Edit*, 5> Edits() const { return {FTPhost, FTPAccountID, FTPPassword, FTPPort, FTPHostDir}; }
    std::array<std::string, 5> shownTexts_;
    DatabaseChanges::Remembered shownModified_;
};

}  // namespace fv
