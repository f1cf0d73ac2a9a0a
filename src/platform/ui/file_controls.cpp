// Directory list, file list and drive box.
#include "platform/ui/file_controls.h"

#include "platform/fs/files.h"

namespace fv {

FileListBox::FileListBox(Component* owner, std::string name) : ListBox(owner, std::move(name)) {}

void FileListBox::SetDirectory(const std::string& dir) {
    directory_ = dir;
    Update();
}

void FileListBox::SetMask(const std::string& mask) {
    mask_ = mask.empty() ? "*.*" : mask;
    Update();
}

void FileListBox::Update() {
    std::vector<std::string> names;
    std::vector<std::string> masks;
    std::size_t start = 0;
    while (start <= mask_.size()) {
        std::size_t end = mask_.find(';', start);
        if (end == std::string::npos) end = mask_.size();
        if (end > start) masks.push_back(mask_.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& file : ListFiles(directory_.empty() ? "." : directory_, "*")) {
        for (const std::string& m : masks)
            if (MatchesMask(file, m)) {
                names.push_back(file);
                break;
            }
    }
    SetItems(std::move(names));
    SetItemIndex(-1);
}

std::string FileListBox::FileName() const {
    if (ItemIndex() < 0) return {};
    return JoinPath(directory_, Items()[std::size_t(ItemIndex())]);
}

bool FileListBox::SelectFile(const std::string& nameOrPath) {
    int i = IndexOf(BaseName(nameOrPath));
    SetItemIndex(i);
    return i >= 0;
}

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

DriveComboBox::DriveComboBox(Component* owner, std::string name) : ComboBox(owner, std::move(name)) {
    Style = ComboStyle::DropDownList;
    SetItems({"/"});
    SetItemIndex(0);
}

}  // namespace fv
