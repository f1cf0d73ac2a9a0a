// A folder held open by a handle, for programs that put many files into one folder: every file is opened,
// compared, written and renamed relative to the handle instead of walking the folder's path again, and a
// file that already holds the bytes it would get is left as it is (its inode, its times) rather than
// replaced by an equal copy. Files written over old ones pass the old files on as the next temporary file,
// so that rewriting a folder of thousands of files neither frees nor takes an inode for each.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/files.h"

namespace fv {

class Folder {
public:
    // Opens the folder; IsOpen tells whether that worked (every call below fails on a folder not open).
    explicit Folder(const std::string& path);
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

    // The entries, as ListDirectory gives them.
    std::vector<DirEntry> List(const std::string& mask = "*") const;

    // What putting content into a file of the folder did.
    enum class Put { Written, AlreadyEqual, Failed };
    // The bytes as the whole content of the file `name`: replaced whole (WholeFileWriter) unless the file
    // already holds exactly these bytes.
    Put PutBytes(const std::string& name, std::string_view bytes, Sync sync, std::string* error = nullptr);
    // A copy of the file at `source` (a path) as the file `name`: copied by the kernel and replaced whole,
    // unless the file already has the same size and the same content, or is the source itself.
    Put PutCopy(const std::string& source, const std::string& name, Sync sync, std::string* error = nullptr);

    // The whole content of the file `name`; nullopt when it cannot be read (or is a directory).
    std::optional<std::string> Read(const std::string& name) const;

    bool Remove(const std::string& name) const;
    std::optional<FileIdentity> Identify(const std::string& name) const;

private:
    std::string path_;
    int fd_ = -1;
    int openError_ = 0;  // why the folder did not open
    // The file the last replacement left behind, filled by the next one; removed when the folder closes.
    WholeFileWriter::Spare spare_;
};

}  // namespace fv
