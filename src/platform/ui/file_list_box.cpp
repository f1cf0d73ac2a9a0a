// FileListBox: listing and picking files.
#include "platform/ui/file_list_box.h"

#include "platform/fs/files.h"

namespace fv {

FileListBox::FileListBox(Component* owner, std::string name) : ListBox(owner, std::move(name)) {}

void FileListBox::SetDirectory(const std::string& dir) { SetDirectoryAndMask(dir, mask_); }

void FileListBox::SetMask(const std::string& mask) { SetDirectoryAndMask(directory_, mask); }

void FileListBox::SetDirectoryAndMask(const std::string& dir, const std::string& mask) {
    directory_ = dir;
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

}  // namespace fv
