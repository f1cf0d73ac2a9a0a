// DirectoryListBox: entering directories and the file list that follows.
#include "platform/ui/directory_list_box.h"

#include "platform/fs/files.h"

namespace fv {

DirectoryListBox::DirectoryListBox(Component* owner, std::string name) : ListBox(owner, std::move(name)) {
    directory_ = CurrentDirectory();
    Rebuild();
}

bool DirectoryListBox::SetDirectory(const std::string& dir) {
    if (dir.empty() || !IsDirectory(dir) || !ChangeDirectory(dir)) return false;
    std::string now = CurrentDirectory();
    bool changed = now != directory_;
    directory_ = now;
    Rebuild();
    if (FileList) FileList->SetDirectory(directory_);
    if (changed && OnChange) OnChange(this);
    return true;
}

std::string DirectoryListBox::DirectoryOfItem(int index) const {
    if (index < 0 || index >= int(itemPaths_.size())) return {};
    return itemPaths_[std::size_t(index)];
}

void DirectoryListBox::DblClick() {
    std::string target = DirectoryOfItem(ItemIndex());
    if (!target.empty()) SetDirectory(target);
    Control::DblClick();
}

void DirectoryListBox::KeyAction(int& key, unsigned shift) {
    if (key != KeyReturn || shift != 0) return;
    std::string target = DirectoryOfItem(ItemIndex());
    if (!target.empty()) SetDirectory(target);
    key = KeyNone;  // the folder list uses Return: it is not the dialog's OK
}

void DirectoryListBox::Rebuild() {
    std::vector<std::string> items;
    itemPaths_.clear();
    // The way down: "/", then each folder to the current one.
    items.push_back("/");
    itemPaths_.push_back("/");
    std::string path;
    std::size_t start = 1;
    while (start < directory_.size()) {
        std::size_t end = directory_.find('/', start);
        if (end == std::string::npos) end = directory_.size();
        std::string part = directory_.substr(start, end - start);
        path += "/" + part;
        items.push_back(part);
        itemPaths_.push_back(path);
        start = end + 1;
    }
    int current = int(items.size()) - 1;
    for (const std::string& sub : ListSubdirectories(directory_)) {
        items.push_back(sub);
        itemPaths_.push_back(JoinPath(directory_, sub));
    }
    SetItems(std::move(items));
    SetItemIndex(current);
}

}  // namespace fv
