// The file-system lists of the dialogs that browse for files: a directory list that is also the process's
// current directory (as it was on the original platform), a file list filtered by masks, and a drive box,
// which on this system offers only the root.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/controls.h"

namespace fv {

class FileListBox : public ListBox {
public:
    FileListBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "FileListBox"; }

    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& dir);  // lists that directory's files; the current directory stays
    // Masks separated by ';' ("*.jpg;*.gif"), matched without regard to case.
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    // Reads the directory again.
    void Update();
    // The full path of the selected file, or empty.
    std::string FileName() const;
    // Selects the file with this name (or full path) when it is listed; false when it is not.
    bool SelectFile(const std::string& nameOrPath);

private:
    std::string directory_;
    std::string mask_ = "*.*";
};

class DirectoryListBox : public ListBox {
public:
    DirectoryListBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "DirectoryListBox"; }

    const std::string& Directory() const { return directory_; }
    // Makes dir the shown directory and the process's current directory, updates the linked file list and
    // fires OnChange. False, with nothing changed, when dir cannot be entered.
    bool SetDirectory(const std::string& dir);
    // The list shows the way down from the root to the directory, then its subdirectories.
    std::string DirectoryOfItem(int index) const;
    // A double click on an item opens that directory.
    void DblClick() override;

    FileListBox* FileList = nullptr;
    NotifyEvent OnChange;

private:
    void Rebuild();
    std::string directory_;
    std::vector<std::string> itemPaths_;
};

class DriveComboBox : public ComboBox {
public:
    DriveComboBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "DriveComboBox"; }
    std::string Drive() const { return "/"; }
    DirectoryListBox* DirList = nullptr;
};

}  // namespace fv
