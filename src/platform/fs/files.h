// Files and directories: paths with the host's separator, the current directory, directory listings with
// case-insensitive masks, and whole-file writes that never leave a half-written file behind.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace fv {

constexpr char PathSeparator = '/';

// Joins a directory and a name with one separator.
std::string JoinPath(const std::string& dir, const std::string& name);
// The part after the last separator, and the part before it ("" when there is none).
std::string BaseName(const std::string& path);
std::string DirName(const std::string& path);

std::string CurrentDirectory();
// Changes the process's current directory; false when it does not exist or cannot be entered.
bool ChangeDirectory(const std::string& dir);

bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);
// A file or directory exists under this path.
bool PathExistsOnDisk(const std::string& path);
// The path names a file that opens for reading now. A directory is not a file here.
bool IsReadableFile(const std::string& path);

// Which file a path names on disk, so that two spellings of one path (a link, "a/../b") are seen as one.
struct FileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    auto operator<=>(const FileIdentity&) const = default;
};
// The identity of the file under path; nullopt when nothing is there.
std::optional<FileIdentity> IdentifyFile(const std::string& path);
// Both paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b);

// True when name matches the mask ("*.db", "qlx*.*", "a?c"), ignoring letter case. "*.*" matches every
// name, also one without a dot.
bool MatchesMask(const std::string& name, const std::string& mask);

// The process whose whole-file writer named a file so ("<name>.tmp<process id>-<number>": a file while it
// is written, or an old one kept for the next write); nullopt for any other name. Such a file is no file of
// the folder's own, and one whose process has ended was left by a write that never finished.
std::optional<int> WriterTemporaryOwner(std::string_view name);
// The process is running (a process of another user counts).
bool ProcessRunning(int pid);

struct DirEntry {
    std::string Name;
    bool Directory = false;  // a directory, or a link to one
};

// The entries of a directory whose names match the mask, sorted by name without regard to case;
// "." and ".." are left out. Empty when the directory cannot be read. The type comes from the listing
// itself; only a link, or an entry of a file system that does not say, is looked at on its own.
std::vector<DirEntry> ListDirectory(const std::string& dir, const std::string& mask = "*");
// The same for a directory open as folderFd (which keeps its own position: the listing works on a copy).
std::vector<DirEntry> ListOpenDirectory(int folderFd, const std::string& mask = "*");
std::vector<std::string> ListFiles(const std::string& dir, const std::string& mask = "*");
std::vector<std::string> ListSubdirectories(const std::string& dir);

// The whole content of a file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// How far a written file is made safe. Both replace the old file only by renaming a complete new one
// over it; Durable also syncs the new one to the disk first, which a file that can be made again from the
// database (a published page, a copied picture) does not need.
enum class Sync { Durable, Regenerable };

// Writes bytes as the whole new content of path: into a temporary file beside it, flushed and synced,
// then renamed over the old file. Where there is no old file yet, the new one is made without a name (on
// file systems that allow it) and linked in when whole. On any failure the old file is untouched, the
// temporary file is gone and the reason is in *error (when given).
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error = nullptr,
                    Sync sync = Sync::Durable);

// The same, written piece by piece through a buffer: nothing replaces the old file until Commit succeeds,
// and a writer destroyed without Commit leaves the old file as it was.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const std::string& path, Sync sync = Sync::Durable);
    // The file `name` of the directory open as folderFd: the temporary file is made and renamed relative
    // to that handle, so that writing many files into one folder walks its path only once. replacedMode is
    // the mode of the file being replaced when the caller has already looked (NoOldFile when there is
    // none); LookUpMode makes the writer look itself.
    static constexpr int LookUpMode = -1, NoOldFile = -2;
    // A file of the folder that writers pass on to one another (see Folder). A writer replacing an old
    // file takes the spare as its temporary file, emptied, in place of making a new one; an exchange
    // leaves the file it replaced there for the next writer. Writing many files over their old ones then
    // neither frees an inode nor takes a new one for each. Only a plain file of ours with no other name is
    // taken; anything else found there is removed and a new temporary file made. The spare is written
    // over and then cut to its new length.
    struct Spare {
        std::string Name;  // empty: none
    };
    WholeFileWriter(int folderFd, const std::string& name, Sync sync, int replacedMode = LookUpMode,
                    Spare* spare = nullptr);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    void Write(std::string_view bytes);
    // Appends the rest of an open file, from its position to its end: copied by the kernel from file to
    // file where the file systems allow it, through the buffer otherwise, and never read whole into memory.
    void CopyFrom(int sourceFd);
    // Flushes, syncs and renames over the old file; false (with the reason) when anything failed.
    bool Commit(std::string* error = nullptr);

    static constexpr std::size_t BufferSize = 65536;

private:
    void Open(int replacedMode);
    std::string TemporaryName() const;
    bool OpenUnnamed();
    bool LinkUnnamed(int fd);
    bool TakeSpare();
    bool PutInPlace();
    void Flush();
    void Abandon();
    std::string path_, tmp_, error_, buffer_;  // tmp_ empty while the new file has no name
    int dirFd_;
    int fd_ = -1;
    bool replacing_ = false;  // an old file was there when the writer began
    Sync sync_;
    Spare* spare_ = nullptr;
    off_t spareSize_ = 0;  // the length of the spare taken, which the new content may not reach
};

// A seam for tests of what a full or failing disk does: the nth call from now (counted from 1) of one
// step of the whole-file writer fails with the given errno, as the system call would. Every step kind
// counts on its own, and only the calls for files whose name contains nameContains (every file when it is
// empty); a fault fires once. Open: making the new (temporary) file; Write: writing bytes into it; Copy:
// copying a file's bytes into it; Finish: syncing it and putting it in place.
enum class WriteStep { Open, Write, Copy, Finish };
void InjectWriteFault(WriteStep step, int nth, int error, const std::string& nameContains = {});
// Drops every fault not yet fired.
void ClearWriteFaults();

bool RemoveFile(const std::string& path);
// Copies a file over any existing destination (replaced whole, as WriteWholeFile does), by the kernel.
bool CopyFileBytes(const std::string& from, const std::string& to, std::string* error = nullptr,
                   Sync sync = Sync::Durable);
bool MakeDirectory(const std::string& path);

}  // namespace fv
