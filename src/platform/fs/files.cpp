// Files and directories on POSIX.
#include "platform/fs/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <pthread.h>
#include <random>
#include <utility>

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
    // On the stack: the directory lists ask for it on every change of folder.
    char buf[4096];
    if (!::getcwd(buf, sizeof buf)) return {};
    return std::string(buf);
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

std::vector<DirEntry> ListOpenDirectory(int folderFd, const std::string& mask) {
    std::vector<DirEntry> out;
    // The stream works on its own copy of the handle, rewound, so the caller's handle stays as it was.
    const int copy = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return out;
    DIR* d = ::fdopendir(copy);
    if (!d) {
        ::close(copy);
        return out;
    }
    ::rewinddir(d);
    while (dirent* e = ::readdir(d)) {
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
        if (!MatchesMask(name, mask)) continue;
        bool directory = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            // The listing does not say, or the entry is a link: its target decides.
            struct stat st {};
            directory = ::fstatat(copy, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        out.push_back(DirEntry{name, directory});
    }
    ::closedir(d);
    std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
        const std::size_t n = std::min(a.Name.size(), b.Name.size());
        for (std::size_t i = 0; i < n; ++i)
            if (Lower(a.Name[i]) != Lower(b.Name[i])) return Lower(a.Name[i]) < Lower(b.Name[i]);
        return a.Name.size() != b.Name.size() ? a.Name.size() < b.Name.size() : a.Name < b.Name;
    });
    return out;
}

std::vector<DirEntry> ListDirectory(const std::string& dir, const std::string& mask) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    std::vector<DirEntry> out = ListOpenDirectory(fd, mask);
    ::close(fd);
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

// The faults injected by tests, per step kind: calls still to pass before the fault, and its errno.
struct InjectedFaults {
    std::mutex Lock;
    std::atomic<int> Armed{0};  // faults not yet fired; the common case looks at nothing else
    struct Fault {
        int CallsLeft = 0;
        int Error = 0;
        std::string NameContains;
    };
    Fault Steps[4];
    static InjectedFaults& Get() {
        static InjectedFaults faults;
        return faults;
    }
};

// True (with errno set) when this call of the step is one a test asked to fail.
bool InjectedFault(WriteStep step, const std::string& path) {
    InjectedFaults& f = InjectedFaults::Get();
    if (f.Armed.load() == 0) return false;
    std::lock_guard<std::mutex> lock(f.Lock);
    InjectedFaults::Fault& fault = f.Steps[int(step)];
    if (fault.CallsLeft <= 0 || path.find(fault.NameContains) == std::string::npos) return false;
    if (--fault.CallsLeft > 0) return false;
    --f.Armed;
    errno = fault.Error;
    return true;
}

bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

// Writes every byte into fd, the file being written for path.
bool WriteAll(int fd, const char* data, std::size_t size, const std::string& path) {
    if (size > 0 && InjectedFault(WriteStep::Write, path)) return false;
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

void InjectWriteFault(WriteStep step, int nth, int error, const std::string& nameContains) {
    InjectedFaults& f = InjectedFaults::Get();
    std::lock_guard<std::mutex> lock(f.Lock);
    InjectedFaults::Fault& fault = f.Steps[int(step)];
    const bool wasArmed = fault.CallsLeft > 0;
    fault = {nth, error, nameContains};
    if (!wasArmed && nth > 0) ++f.Armed;
    if (wasArmed && nth <= 0) --f.Armed;
}

void ClearWriteFaults() {
    InjectedFaults& f = InjectedFaults::Get();
    std::lock_guard<std::mutex> lock(f.Lock);
    for (InjectedFaults::Fault& fault : f.Steps) fault = {};
    f.Armed = 0;
}

namespace {

// The process id, looked up once and again in a child after a fork, and the generator of temporary names,
// seeded anew in a child so that parent and child never pick the same names.
struct ProcessIdentity {
    pid_t Pid = ::getpid();
    uid_t User = ::geteuid();
    gid_t Group = ::getegid();
    std::mt19937 Rng{std::random_device{}()};
    ProcessIdentity() {
        ::pthread_atfork(nullptr, nullptr, [] {
            Identity().Pid = ::getpid();
            Identity().Rng.seed(std::random_device{}());
        });
    }
    static ProcessIdentity& Identity() {
        static ProcessIdentity identity;
        return identity;
    }
};

pid_t ProcessId() { return ProcessIdentity::Identity().Pid; }
std::mt19937& TemporaryNames() { return ProcessIdentity::Identity().Rng; }

}  // namespace

std::optional<int> WriterTemporaryOwner(std::string_view name) {
    const std::size_t dash = name.rfind('-');
    const std::size_t tmp = name.rfind(".tmp", dash);
    if (dash == std::string_view::npos || tmp == std::string_view::npos || tmp == 0) return std::nullopt;
    const std::string_view pid = name.substr(tmp + 4, dash - tmp - 4), number = name.substr(dash + 1);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.size() <= 9 && std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(pid) || !digits(number)) return std::nullopt;
    return std::stoi(std::string(pid));
}

bool ProcessRunning(int pid) { return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM); }

WholeFileWriter::WholeFileWriter(const std::string& path, Sync sync) : path_(path), dirFd_(AT_FDCWD), sync_(sync) {
    Open(LookUpMode);
}

WholeFileWriter::WholeFileWriter(int folderFd, const std::string& name, Sync sync, int replacedMode, Spare* spare)
    : path_(name), dirFd_(folderFd), sync_(sync), spare_(spare) {
    Open(replacedMode);
}

void WholeFileWriter::Open(int replacedMode) {
    buffer_.reserve(BufferSize);
    if (replacedMode == LookUpMode) {
        // One look at the target: a directory is refused, a file gives the mode its replacement keeps.
        struct stat st {};
        replacedMode = NoOldFile;
        if (::fstatat(dirFd_, path_.c_str(), &st, 0) == 0) {
            if (S_ISDIR(st.st_mode)) {
                errno = EISDIR;
                Fail(&error_, path_);
                return;
            }
            replacedMode = int(st.st_mode & 07777);
        }
    }
    replacing_ = replacedMode >= 0;
    if (InjectedFault(WriteStep::Open, path_)) {
        Fail(&error_, path_);
        return;
    }
    // A replacement fills the spare old file when there is one; a new file is made without a name where
    // the file system allows it, and named only when whole.
    if (!(replacing_ ? TakeSpare() : OpenUnnamed())) {
        // A name of our own beside the target: the process id keeps apart a parent and a child, and a name
        // already taken (left by a save that was killed) is skipped.
        for (int attempt = 0; attempt < 16; ++attempt) {
            tmp_ = TemporaryName();
            fd_ = ::openat(dirFd_, tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ >= 0 || errno != EEXIST) break;
        }
        if (fd_ < 0) {
            Fail(&error_, path_);
            return;
        }
    }
    // Keep the mode of the file we replace.
    if (replacing_) ::fchmod(fd_, mode_t(replacedMode));
}

std::string WholeFileWriter::TemporaryName() const {
    return path_ + ".tmp" + std::to_string(ProcessId()) + "-" + std::to_string(TemporaryNames()() % 1000000);
}

bool WholeFileWriter::OpenUnnamed() {
    const std::string dir = DirName(path_);
    fd_ = ::openat(dirFd_, dir.empty() ? "." : dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    return fd_ >= 0;  // tmp_ stays empty: the file has no name yet
}

bool WholeFileWriter::LinkUnnamed(int fd) {
    // By the handle itself where the process may (AT_EMPTY_PATH asks for a privilege on older kernels),
    // else by its entry under /proc, which any process may link from.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const auto link = [&](const std::string& name) {
        return ::linkat(fd, "", dirFd_, name.c_str(), AT_EMPTY_PATH) == 0 ||
               ((errno == ENOENT || errno == EPERM) &&
                ::linkat(AT_FDCWD, self.c_str(), dirFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0);
    };
    if (link(path_)) return true;
    if (errno != EEXIST) return false;
    // A file came to be under the name while this one was written: it is replaced whole, as any old file
    // is, through a temporary name.
    for (int attempt = 0; attempt < 16; ++attempt) {
        tmp_ = TemporaryName();
        if (link(tmp_)) {
            if (::renameat(dirFd_, tmp_.c_str(), dirFd_, path_.c_str()) == 0) return true;
            ::unlinkat(dirFd_, tmp_.c_str(), 0);
            return false;
        }
        if (errno != EEXIST) break;
    }
    tmp_.clear();
    return false;
}

bool WholeFileWriter::TakeSpare() {
    if (!spare_ || spare_->Name.empty()) return false;
    const std::string name = std::exchange(spare_->Name, {});
    // Not through a link, and without waiting on a pipe; then only a plain file that is ours as a new one
    // would be, and that no other name shares (emptying it must not touch anyone else's file).
    const int fd = ::openat(dirFd_, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    const ProcessIdentity& us = ProcessIdentity::Identity();
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == us.User &&
        st.st_gid == us.Group) {
        // Written over from the start and cut to its new length at the end, not emptied first: some file
        // systems take a file emptied and written again for a replacement that must reach the disk at once,
        // and would wait on the disk for every file.
        fd_ = fd;
        tmp_ = name;
        spareSize_ = st.st_size;
        return true;
    }
    if (fd >= 0) ::close(fd);
    ::unlinkat(dirFd_, name.c_str(), 0);
    return false;
}

WholeFileWriter::~WholeFileWriter() { Abandon(); }

void WholeFileWriter::Abandon() {
    if (fd_ < 0) return;
    int saved = errno;
    ::close(fd_);
    if (!tmp_.empty()) ::unlinkat(dirFd_, tmp_.c_str(), 0);
    fd_ = -1;
    errno = saved;
}

void WholeFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return;
    if (buffer_.size() + bytes.size() > BufferSize) Flush();
    if (bytes.size() >= BufferSize) {
        if (fd_ >= 0 && !WriteAll(fd_, bytes.data(), bytes.size(), path_)) {
            Fail(&error_, path_);
            Abandon();
        }
        return;
    }
    buffer_.append(bytes);
}

void WholeFileWriter::Flush() {
    if (fd_ < 0 || buffer_.empty()) return;
    if (!WriteAll(fd_, buffer_.data(), buffer_.size(), path_)) {
        Fail(&error_, path_);
        Abandon();
    }
    buffer_.clear();
}

void WholeFileWriter::CopyFrom(int sourceFd) {
    Flush();
    bool kernel = true;
    while (fd_ >= 0) {
        ssize_t n;
        if (InjectedFault(WriteStep::Copy, path_)) {
            n = -1;
        } else if (kernel) {
            n = ::copy_file_range(sourceFd, nullptr, fd_, nullptr, std::size_t(1) << 30, 0);
            // Between file systems that cannot, or on a kernel without it: the plain way from here on.
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                          errno == EBADF || errno == EPERM)) {
                kernel = false;
                continue;
            }
        } else {
            buffer_.resize(BufferSize);
            n = ::read(sourceFd, buffer_.data(), BufferSize);
            if (n > 0 && !WriteAll(fd_, buffer_.data(), std::size_t(n), path_)) n = -1;
            buffer_.clear();
        }
        if (n == 0) return;
        if (n < 0 && errno != EINTR) {
            Fail(&error_, path_);
            Abandon();
        }
    }
}

bool WholeFileWriter::Commit(std::string* error) {
    Flush();
    if (fd_ >= 0 && InjectedFault(WriteStep::Finish, path_)) {
        Fail(&error_, path_);
        Abandon();
    }
    if (fd_ >= 0 && spareSize_ > 0) {
        // A spare longer than what was written keeps nothing of its old content.
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        if (end < 0 || (end < spareSize_ && ::ftruncate(fd_, end) != 0)) {
            Fail(&error_, path_);
            Abandon();
        }
    }
    if (fd_ >= 0 && sync_ == Sync::Durable && ::fsync(fd_) != 0) {
        Fail(&error_, path_);
        Abandon();
    }
    if (fd_ >= 0 && tmp_.empty()) {
        // A file without a name is linked in by its handle; one that is not goes with the handle.
        const int fd = std::exchange(fd_, -1);
        const bool linked = LinkUnnamed(fd);
        if (!linked) Fail(&error_, path_);
        ::close(fd);
        if (linked) return true;
    } else if (fd_ >= 0) {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) {
            Fail(&error_, path_);
            ::unlinkat(dirFd_, tmp_.c_str(), 0);
        } else if (!PutInPlace()) {
            Fail(&error_, path_);
            ::unlinkat(dirFd_, tmp_.c_str(), 0);
        } else {
            return true;
        }
    }
    if (error) *error = error_;
    return false;
}

bool WholeFileWriter::PutInPlace() {
    if (sync_ == Sync::Regenerable && replacing_) {
        // A file renamed over an old one makes some file systems write its data out at once, so that a
        // crash cannot leave it empty; a file that can be made again needs no such haste, and publishing
        // thousands of pages would wait on the disk for each. Exchanging the two names is just as atomic
        // (the name always holds one whole file) and leaves the old file under the temporary name.
        if (::renameat2(dirFd_, tmp_.c_str(), dirFd_, path_.c_str(), RENAME_EXCHANGE) == 0) {
            if (spare_ && spare_->Name.empty())
                spare_->Name = tmp_;  // the old file, for the next writer to fill
            else
                ::unlinkat(dirFd_, tmp_.c_str(), 0);
            return true;
        }
        // No old file (or no exchange on this file system): the plain rename below.
    }
    return ::renameat(dirFd_, tmp_.c_str(), dirFd_, path_.c_str()) == 0;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error, Sync sync) {
    WholeFileWriter writer(path, sync);
    writer.Write(bytes);
    return writer.Commit(error);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool CopyFileBytes(const std::string& from, const std::string& to, std::string* error, Sync sync) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return Fail(error, from);
    struct stat st {};
    if (::fstat(source, &st) != 0 || S_ISDIR(st.st_mode)) {
        if (S_ISDIR(st.st_mode)) errno = EISDIR;
        Fail(error, from);
        ::close(source);
        return false;
    }
    WholeFileWriter writer(to, sync);
    writer.CopyFrom(source);
    ::close(source);
    return writer.Commit(error);
}

bool MakeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0755) == 0 || IsDirectory(path); }

}  // namespace fv
