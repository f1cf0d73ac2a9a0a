// Files and directories on POSIX.
#include "platform/fs/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>

namespace fv {

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == PathSeparator) return dir + name;
    return dir + PathSeparator + name;
}

std::string BaseName(const std::string& path) {
    std::size_t p = path.rfind(PathSeparator);
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string DirName(const std::string& path) {
    std::size_t p = path.rfind(PathSeparator);
    if (p == std::string::npos) return "";
    if (p == 0) return "/";
    return path.substr(0, p);
}

std::string CurrentDirectory() {
    std::string buf(4096, '\0');
    if (!::getcwd(buf.data(), buf.size())) return {};
    buf.resize(std::strlen(buf.c_str()));
    return buf;
}

bool ChangeDirectory(const std::string& dir) { return !dir.empty() && ::chdir(dir.c_str()) == 0; }

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PathExistsOnDisk(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool IsReadableFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    // On this system a directory opens for reading too; it is still not a file.
    bool isFile = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return isFile;
}

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

bool SameFile(const std::string& a, const std::string& b) {
    std::optional<FileIdentity> ia = IdentifyFile(a);
    return ia && ia == IdentifyFile(b);
}

namespace {

char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

bool Match(const char* n, const char* m) {
    // Iterative wildcard match with one backtrack point for the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*m == '*') {
            star = m++;
            resume = n;
        } else if (*m == '?' || (*m && Lower(*m) == Lower(*n))) {
            ++m;
            ++n;
        } else if (star) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (*m == '*') ++m;
    return *m == '\0';
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask.empty() || mask == "*" || mask == "*.*") return true;
    if (Match(name.c_str(), mask.c_str())) return true;
    // "name.*" also matches a name with no extension at all.
    if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0 && name.find('.') == std::string::npos)
        return Match(name.c_str(), mask.substr(0, mask.size() - 2).c_str());
    return false;
}

std::vector<DirEntry> ListDirectory(const std::string& dir, const std::string& mask) {
    std::vector<DirEntry> out;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (!MatchesMask(name, mask)) continue;
        out.push_back(DirEntry{name, IsDirectory(JoinPath(dir.empty() ? "." : dir, name))});
    }
    ::closedir(d);
    std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
        std::string la = a.Name, lb = b.Name;
        std::transform(la.begin(), la.end(), la.begin(), Lower);
        std::transform(lb.begin(), lb.end(), lb.begin(), Lower);
        return la != lb ? la < lb : a.Name < b.Name;
    });
    return out;
}

std::vector<std::string> ListFiles(const std::string& dir, const std::string& mask) {
    std::vector<std::string> out;
    for (const DirEntry& e : ListDirectory(dir, mask))
        if (!e.Directory) out.push_back(e.Name);
    return out;
}

std::vector<std::string> ListSubdirectories(const std::string& dir) {
    std::vector<std::string> out;
    for (const DirEntry& e : ListDirectory(dir, "*"))
        if (e.Directory) out.push_back(e.Name);
    return out;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read straight into the string, sized from the file; a file that grows meanwhile is read to its end.
    std::string out(std::size_t(st.st_size > 0 ? st.st_size : 0) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(out.size() * 2 + 65536);
        ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        used += std::size_t(n);
    }
    out.resize(used);
    ::close(fd);
    return out;
}

namespace {

bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

}  // namespace

WholeFileWriter::WholeFileWriter(const std::string& path, Sync sync) : path_(path), sync_(sync) {
    buffer_.reserve(BufferSize);
    if (IsDirectory(path)) {
        errno = EISDIR;
        Fail(&error_, path);
        return;
    }
    // A name of our own beside the target: the process id keeps apart a parent and a child that share
    // the generator's state, and a name already taken (left by a save that was killed) is skipped.
    static thread_local std::mt19937 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 16; ++attempt) {
        tmp_ = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(rng() % 1000000);
        fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) {
        Fail(&error_, tmp_);
        return;
    }
    // Keep the mode of the file we replace.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) ::fchmod(fd_, st.st_mode & 07777);
}

WholeFileWriter::~WholeFileWriter() { Abandon(); }

void WholeFileWriter::Abandon() {
    if (fd_ < 0) return;
    int saved = errno;
    ::close(fd_);
    ::unlink(tmp_.c_str());
    fd_ = -1;
    errno = saved;
}

void WholeFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return;
    if (buffer_.size() + bytes.size() > BufferSize) Flush();
    if (bytes.size() >= BufferSize) {
        if (fd_ >= 0 && !WriteAll(fd_, bytes.data(), bytes.size())) {
            Fail(&error_, path_);
            Abandon();
        }
        return;
    }
    buffer_.append(bytes);
}

void WholeFileWriter::Flush() {
    if (fd_ < 0 || buffer_.empty()) return;
    if (!WriteAll(fd_, buffer_.data(), buffer_.size())) {
        Fail(&error_, path_);
        Abandon();
    }
    buffer_.clear();
}

bool WholeFileWriter::Commit(std::string* error) {
    Flush();
    if (fd_ >= 0 && sync_ == Sync::Durable && ::fsync(fd_) != 0) {
        Fail(&error_, path_);
        Abandon();
    }
    if (fd_ >= 0) {
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            Fail(&error_, path_);
            ::unlink(tmp_.c_str());
        } else if (::rename(tmp_.c_str(), path_.c_str()) != 0) {
            Fail(&error_, path_);
            ::unlink(tmp_.c_str());
        } else {
            return true;
        }
    }
    if (error) *error = error_;
    return false;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error, Sync sync) {
    WholeFileWriter writer(path, sync);
    writer.Write(bytes);
    return writer.Commit(error);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool CopyFileBytes(const std::string& from, const std::string& to, std::string* error, Sync sync) {
    std::optional<std::string> data = ReadWholeFile(from);
    if (!data) return Fail(error, from);
    return WriteWholeFile(to, *data, error, sync);
}

bool MakeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0755) == 0 || IsDirectory(path); }

}  // namespace fv
