// A folder held open: relative opens, content comparison before a write, kernel copies.
#include "platform/fs/folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace fv {

namespace {

constexpr std::size_t CompareChunk = 65536;

// Reads exactly size bytes at offset; false on an error or a file shorter than that.
bool ReadAt(int fd, char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= std::size_t(n);
        offset += n;
    }
    return true;
}

// The file open as fd holds exactly these bytes (its size already known to be theirs).
bool HoldsBytes(int fd, std::string_view bytes) {
    std::unique_ptr<char[]> chunk(new char[CompareChunk]);
    for (std::size_t at = 0; at < bytes.size(); at += CompareChunk) {
        const std::size_t n = std::min(CompareChunk, bytes.size() - at);
        if (!ReadAt(fd, chunk.get(), n, off_t(at)) || std::memcmp(chunk.get(), bytes.data() + at, n) != 0) return false;
    }
    return true;
}

// Two open files of the same size hold the same bytes, read side by side in chunks.
bool SameContent(int a, int b, off_t size) {
    std::unique_ptr<char[]> ca(new char[CompareChunk]), cb(new char[CompareChunk]);
    for (off_t at = 0; at < size; at += off_t(CompareChunk)) {
        const std::size_t n = std::size_t(std::min<off_t>(off_t(CompareChunk), size - at));
        if (!ReadAt(a, ca.get(), n, at) || !ReadAt(b, cb.get(), n, at) || std::memcmp(ca.get(), cb.get(), n) != 0)
            return false;
    }
    return true;
}

// The file `name` of the folder as it is now: open for reading with its status, or not there.
struct Existing {
    int Fd = -1;
    struct stat St {};
    ~Existing() {
        if (Fd >= 0) ::close(Fd);
    }
    // The mode a replacement keeps, for WholeFileWriter.
    int Mode() const { return Fd >= 0 ? int(St.st_mode & 07777) : WholeFileWriter::NoOldFile; }
};

// Opens the existing file; false (with errno) when the name is a directory or cannot be looked at. A pipe
// under the name is opened without waiting for a writer (and then replaced, being no plain file).
bool OpenExisting(int folderFd, const std::string& name, Existing& e) {
    e.Fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (e.Fd < 0) return errno == ENOENT;  // nothing there is the common case
    if (::fstat(e.Fd, &e.St) != 0) return false;
    if (S_ISDIR(e.St.st_mode)) {
        errno = EISDIR;
        return false;
    }
    return true;
}

Folder::Put Failed(std::string* error, const std::string& what, int reason = errno) {
    if (error) *error = what + ": " + std::strerror(reason);
    return Folder::Put::Failed;
}

}  // namespace

Folder::Folder(const std::string& path) : path_(path) {
    fd_ = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) openError_ = errno;
}

Folder::~Folder() {
    if (fd_ >= 0 && !spare_.Name.empty()) ::unlinkat(fd_, spare_.Name.c_str(), 0);
    if (fd_ >= 0) ::close(fd_);
}

std::vector<DirEntry> Folder::List(const std::string& mask) const {
    if (fd_ < 0) return {};
    return ListOpenDirectory(fd_, mask);
}

Folder::Put Folder::PutBytes(const std::string& name, std::string_view bytes, Sync sync, std::string* error) {
    if (fd_ < 0) return Failed(error, path_, openError_);
    Existing old;
    if (!OpenExisting(fd_, name, old)) return Failed(error, JoinPath(path_, name));
    if (old.Fd >= 0 && S_ISREG(old.St.st_mode) && std::size_t(old.St.st_size) == bytes.size() &&
        HoldsBytes(old.Fd, bytes))
        return Put::AlreadyEqual;
    WholeFileWriter writer(fd_, name, sync, old.Mode(), &spare_);
    writer.Write(bytes);
    std::string reason;
    if (writer.Commit(&reason)) return Put::Written;
    if (error) *error = JoinPath(path_, reason);
    return Put::Failed;
}

Folder::Put Folder::PutCopy(const std::string& source, const std::string& name, Sync sync, std::string* error) {
    if (fd_ < 0) return Failed(error, path_, openError_);
    Existing from;
    from.Fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from.Fd < 0 || ::fstat(from.Fd, &from.St) != 0) return Failed(error, source);
    if (S_ISDIR(from.St.st_mode)) {
        errno = EISDIR;
        return Failed(error, source);
    }
    Existing old;
    if (!OpenExisting(fd_, name, old)) return Failed(error, JoinPath(path_, name));
    if (old.Fd >= 0) {
        // The source itself (the folder is where the pictures come from) stays as it is.
        if (old.St.st_dev == from.St.st_dev && old.St.st_ino == from.St.st_ino) return Put::AlreadyEqual;
        // Equal sizes are not enough: a picture edited on disk may keep its size.
        if (S_ISREG(old.St.st_mode) && old.St.st_size == from.St.st_size &&
            SameContent(old.Fd, from.Fd, from.St.st_size))
            return Put::AlreadyEqual;
    }
    WholeFileWriter writer(fd_, name, sync, old.Mode(), &spare_);
    writer.CopyFrom(from.Fd);
    std::string reason;
    if (writer.Commit(&reason)) return Put::Written;
    if (error) *error = JoinPath(path_, reason);
    return Put::Failed;
}

std::optional<std::string> Folder::Read(const std::string& name) const {
    Existing file;
    if (fd_ < 0 || !OpenExisting(fd_, name, file) || file.Fd < 0 || !S_ISREG(file.St.st_mode)) return std::nullopt;
    std::string bytes(std::size_t(file.St.st_size), '\0');
    if (!ReadAt(file.Fd, bytes.data(), bytes.size(), 0)) return std::nullopt;
    return bytes;
}

bool Folder::Remove(const std::string& name) const { return fd_ >= 0 && ::unlinkat(fd_, name.c_str(), 0) == 0; }

std::optional<FileIdentity> Folder::Identify(const std::string& name) const {
    struct stat st {};
    if (fd_ < 0 || ::fstatat(fd_, name.c_str(), &st, 0) != 0) return std::nullopt;
    return FileIdentity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

}  // namespace fv
