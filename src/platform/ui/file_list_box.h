// FileListBox: the files of a directory that match masks, as the dialogs that browse for files list them.
#pragma once

#include <string>

#include "platform/ui/list_box.h"

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
    // Both at once, reading the directory once (a folder of thousands of files takes a while to list).
    void SetDirectoryAndMask(const std::string& dir, const std::string& mask);
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

}  // namespace fv
