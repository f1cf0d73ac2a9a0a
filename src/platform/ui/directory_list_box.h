// DirectoryListBox: the way down to a directory and its subdirectories. The shown directory is also the
// process's current directory: choosing a folder changes where relative paths point.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/file_list_box.h"
#include "platform/ui/list_box.h"

namespace fv {

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
    // A double click on an item opens that directory; so does Return on the selected item.
    void DblClick() override;

protected:
    void KeyAction(int& key, unsigned shift) override;

public:

    FileListBox* FileList = nullptr;
    NotifyEvent OnChange;

private:
    void Rebuild();
    std::string directory_;
    std::vector<std::string> itemPaths_;
};

}  // namespace fv
