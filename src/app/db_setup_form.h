// The database setup dialog "DB Configuration": choosing, creating and deleting databases, starting an
// ODBC import, and the database's default image directory. Its directory list is the database directory.
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TDBSetupForm : public ProgramForm {
public:
    TDBSetupForm(Component* owner, Program& program);

    Panel* MainPanel;
    GroupBox* DatabaseGroup;
    Label* SourceLabel;
    DriveComboBox* DriveComboBox1;
    fv::DirectoryListBox* DirectoryListBox;
    fv::FileListBox* FileListBox;
    Label* FileTypeLabel;
    ComboBox* FilesOfType;
    Label* SelectedLabel;
    Edit* SelectedDatabase;
    Button* SelectButton;
    Button* NewButton;
    Button* DeleteButton;
    BitBtn* CancelButton;

    GroupBox* ODBCGroup;
    Label* ODBCLabel1;
    Label* ODBCLabel2;
    Label* ODBCLabel3;
    Label* ODBCLabel4;
    Button* ODBCButtonPressed;
    Button* HelpButton;

    Panel* ImagePanel;
    Label* ImageDirLabel;
    DriveComboBox* DriveComboBox2;
    fv::DirectoryListBox* ImageDirListBox;
    fv::FileListBox* ImageFileListBox;
    Label* InitialImageLabel;
    Edit* ImageDirectory;
    BitBtn* OKButton;
    BitBtn* BitBtn1;

    // The import reminder has not been shown in this run.
    bool ImportReminderPending = true;

    // Makes dir the database directory (the list's directory and the current directory); false when it
    // cannot be entered.
    bool SetDatabaseDirectory(const std::string& dir);
    // Reads the database directory again, so that files made or removed since show.
    void RereadDirectory();

    void FileListBoxChange(Component* sender);
    void FileListBoxDblClick(Component* sender);
    void SelectButtonClick(Component* sender);
    void NewButtonClick(Component* sender);
    void DeleteButtonClick(Component* sender);
    void CancelButtonClick(Component* sender);
    void FilesOfTypeChange(Component* sender);
    void DriveComboBox1Change(Component* sender);
    void ODBCButtonPressedClick(Component* sender);
    void HelpButtonClick(Component* sender);
    void FormShow(Component* sender);
    void ImageFileListBoxChange(Component* sender);
    void ImageDirListBoxEnter(Component* sender);
    void OKButtonClick(Component* sender);

private:
    void Refuse(const std::string& message);
};

}  // namespace fv
