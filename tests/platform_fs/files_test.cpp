// Files and directories: masks, listings, paths, and whole-file writes that leave the old file intact when
// they fail.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/fs/files.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using fv::testing::TempDir;

TEST(MatchesMask, WildcardsMatchIgnoringCaseAndStarDotStarMatchesEveryName) {
    struct Case {
        std::string mask, name;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"qlx*.*", "QLX_index.HTM", true},
        {"qlx*.*", "qlx", true},  // "x.*" also takes a name with no extension
        {"qlx*.*", "qlxpgbk.gif", true},
        {"qlx*.*", "index.htm", false},
        {"qlx*.*", "aqlx.htm", false},
        {"*.db", "A.DB", true},
        {"*.db", "folivex.db", true},
        {"*.db", "a.dbx", false},
        {"*.db", "a.db.bak", false},
        {"*.db", "db", false},
        {"?", "a", true},
        {"?", "", false},
        {"?", "ab", false},
        {"a?c", "ABC", true},
        {"a?c", "ac", false},
        {"a?c", "abbc", false},
        {"*", "", true},
        {"*", "anything.at.all", true},
        {"*.*", "noextension", true},
        {"*.*", "two.dots.txt", true},
        {"*a*b", "xxaxxbxxb", true},
        {"*a*b", "xxaxxbxxc", false},
        {"folivex.cfg", "FOLIVEX.CFG", true},
        {"folivex.cfg", "folivex.cf", false},
        {"*.htm", "page.html", false},
    };
    for (const Case& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.mask << " vs " << c.name;
}

TEST(WriterTemporaryOwner, OnlyTheWritersOwnNamesNameAProcess) {
    struct Case {
        const char* name;
        std::optional<int> owner;
        const char* why;
    };
    const Case cases[] = {
        {"qlx_index.htm.tmp4242-17", 4242, "a page being written, or kept for the next write"},
        {"folivex.db.tmp1-0", 1, "any file's temporary"},
        {"qlx_index.htm", std::nullopt, "the page itself"},
        {"notes.tmp", std::nullopt, "a user's file that ends in .tmp"},
        {"a.tmp12-", std::nullopt, "no number after the dash"},
        {"a.tmp-12", std::nullopt, "no process id"},
        {"a.tmp1x-2", std::nullopt, "a process id with a letter"},
        {".tmp12-3", std::nullopt, "no name before the temporary's end"},
        {"a.tmp12-3.htm", std::nullopt, "the temporary's end must end the name"},
        {"a.tmp1234567890-1", std::nullopt, "more digits than a process id has"},
    };
    for (const Case& c : cases) EXPECT_EQ(WriterTemporaryOwner(c.name), c.owner) << c.name << ": " << c.why;
}

TEST(ProcessRunning, AProcessThatEndedIsNotRunning) {
    EXPECT_TRUE(ProcessRunning(::getpid()));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(ProcessRunning(child)) << "reaped, so gone";
    EXPECT_FALSE(ProcessRunning(0));
    EXPECT_FALSE(ProcessRunning(-1));
}

TEST(Paths, JoinBaseAndDirUseTheHostSeparator) {
    EXPECT_EQ(JoinPath("/data", "a.db"), "/data/a.db");
    EXPECT_EQ(JoinPath("/data/", "a.db"), "/data/a.db");
    EXPECT_EQ(JoinPath("/", "a.db"), "/a.db");
    EXPECT_EQ(JoinPath("", "a.db"), "a.db");
    EXPECT_EQ(BaseName("/data/sub/a.db"), "a.db");
    EXPECT_EQ(BaseName("a.db"), "a.db");
    EXPECT_EQ(DirName("/data/sub/a.db"), "/data/sub");
    EXPECT_EQ(DirName("/a.db"), "/");
    EXPECT_EQ(DirName("a.db"), "");
}

class FilesTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(dir.File(name), bytes)); }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (const DirEntry& e : ListDirectory(dir.Path())) out.push_back(e.Name);
        return out;
    }
    TempDir dir;
};

TEST_F(FilesTest, ListDirectorySortsWithoutRegardToCaseFiltersByMaskAndFlagsDirectories) {
    for (const char* name : {"b.db", "A.DB", "qlxlast.cfg", "Qlx1_1_1.jpg", "c.txt"}) Write(name, "x");
    ASSERT_TRUE(MakeDirectory(dir.File("Images")));
    ASSERT_TRUE(MakeDirectory(dir.File("archive.db")));

    std::vector<DirEntry> all = ListDirectory(dir.Path());
    std::vector<std::string> names;
    std::vector<std::string> dirs;
    for (const DirEntry& e : all) {
        names.push_back(e.Name);
        if (e.Directory) dirs.push_back(e.Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A.DB", "archive.db", "b.db", "c.txt", "Images", "Qlx1_1_1.jpg", "qlxlast.cfg"}))
        << "no \".\" or \"..\", sorted ignoring case";
    EXPECT_EQ(dirs, (std::vector<std::string>{"archive.db", "Images"}));

    std::vector<std::string> dbs;
    for (const DirEntry& e : ListDirectory(dir.Path(), "*.db")) dbs.push_back(e.Name);
    EXPECT_EQ(dbs, (std::vector<std::string>{"A.DB", "archive.db", "b.db"}));
    EXPECT_EQ(ListFiles(dir.Path(), "*.db"), (std::vector<std::string>{"A.DB", "b.db"}));
    EXPECT_EQ(ListFiles(dir.Path(), "qlx*.*"), (std::vector<std::string>{"Qlx1_1_1.jpg", "qlxlast.cfg"}));
    EXPECT_EQ(ListSubdirectories(dir.Path()), (std::vector<std::string>{"archive.db", "Images"}));

    EXPECT_TRUE(ListDirectory(dir.File("missing")).empty());
    EXPECT_TRUE(ListDirectory(dir.File("c.txt")).empty()) << "a file is not a directory to list";

    // An empty directory name lists the current directory.
    ASSERT_TRUE(ChangeDirectory(dir.Path()));
    EXPECT_EQ(ListSubdirectories(""), (std::vector<std::string>{"archive.db", "Images"}));
}

TEST_F(FilesTest, WriteWholeFileReplacesTheContentAndLeavesNoTemporaryFileBehind) {
    const std::string path = dir.File("folivex.db");
    const std::string first = "2\r\n\"a\"\t\r\n";
    std::string second(100000, 'z');
    second[5] = '\0';
    ASSERT_TRUE(WriteWholeFile(path, first));
    EXPECT_EQ(ReadWholeFile(path), first);
    ASSERT_TRUE(::chmod(path.c_str(), 0600) == 0);

    std::string error = "untouched";
    ASSERT_TRUE(WriteWholeFile(path, second, &error));
    EXPECT_EQ(ReadWholeFile(path), second);
    EXPECT_EQ(error, "untouched") << "a successful write reports nothing";
    ASSERT_TRUE(WriteWholeFile(path, ""));
    EXPECT_EQ(ReadWholeFile(path), "") << "shorter content leaves nothing of the old behind";

    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "the replaced file keeps its permissions";
    EXPECT_EQ(Names(), std::vector<std::string>{"folivex.db"});
}

TEST_F(FilesTest, AWriteThatCannotHappenReportsAnErrorAndChangesNothing) {
    // Neither case depends on permission bits, which do not stop root.
    std::string error;
    EXPECT_FALSE(WriteWholeFile(dir.File("no-such-dir/folivex.db"), "data", &error));
    EXPECT_NE(error.find("no-such-dir"), std::string::npos) << error;
    EXPECT_FALSE(PathExistsOnDisk(dir.File("no-such-dir")));

    ASSERT_TRUE(MakeDirectory(dir.File("target")));
    Write("target/inside.txt", "kept");
    error.clear();
    EXPECT_FALSE(WriteWholeFile(dir.File("target"), "data", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(IsDirectory(dir.File("target")));
    EXPECT_EQ(ReadWholeFile(dir.File("target/inside.txt")), "kept");
    EXPECT_EQ(Names(), std::vector<std::string>{"target"});
}

TEST_F(FilesTest, AWriteThatFailsHalfwayKeepsTheOldFileIntact) {
    // The file-size limit makes the write itself fail part of the way through, for root too.
    const std::string path = dir.File("folivex.cfg");
    Write("folivex.cfg", "v2.4\r\nold settings\r\n");

    struct sigaction ignore {}, old {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &old), 0);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    bool written = WriteWholeFile(path, std::string(1000, 'n'), &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::sigaction(SIGXFSZ, &old, nullptr);

    EXPECT_FALSE(written);
    EXPECT_NE(error.find("folivex.cfg"), std::string::npos) << error;
    EXPECT_EQ(ReadWholeFile(path), "v2.4\r\nold settings\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"folivex.cfg"}) << "the temporary file is gone";
}

TEST_F(FilesTest, APiecewiseWriteReplacesTheFileOnlyWhenCommitted) {
    const std::string path = dir.File("folivex.db");
    Write("folivex.db", "old");
    std::string big(WholeFileWriter::BufferSize * 2 + 17, 'b');
    {
        WholeFileWriter abandoned(path);
        abandoned.Write("half");
        abandoned.Write(big);
    }  // a writer dropped without Commit (a failure half-way)
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"folivex.db"});

    WholeFileWriter writer(path);
    writer.Write("1\r\n");
    writer.Write(big);
    writer.Write("end");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadWholeFile(path), "1\r\n" + big + "end");
    EXPECT_EQ(Names(), std::vector<std::string>{"folivex.db"});
}

TEST_F(FilesTest, ANewFileHasNoNameUntilItIsWhole) {
    const int probe = ::open(dir.Path().c_str(), O_TMPFILE | O_WRONLY, 0644);
    if (probe < 0) GTEST_SKIP() << "this file system has no files without a name: " << std::strerror(errno);
    ::close(probe);
    const std::string path = dir.File("qlx_1_1.htm");
    {
        WholeFileWriter abandoned(path);
        abandoned.Write("half a page");
        EXPECT_TRUE(Names().empty()) << "nothing shows while it is written";
    }
    EXPECT_TRUE(Names().empty()) << "a new file given up leaves nothing behind";

    WholeFileWriter writer(path);
    writer.Write("<HTML>ours</HTML>");
    Write("qlx_1_1.htm", "theirs");  // made under the name while ours was written
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadWholeFile(path), "<HTML>ours</HTML>") << "the file made meanwhile is replaced whole";
    EXPECT_EQ(Names(), std::vector<std::string>{"qlx_1_1.htm"});
}

TEST_F(FilesTest, AUserWithoutPrivilegesMakesNewFilesToo) {
    // A new file is linked in by its handle, which older kernels allow only to a privileged process; a
    // user's process then goes through /proc. Run as a user with no privileges (nobody), in a child, when
    // the test runs as root.
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string path = dir.File("qlx_index.htm");
    const auto write = [&] { return WriteWholeFile(path, "<HTML>index</HTML>", nullptr, Sync::Regenerable); };
    if (::geteuid() != 0) {
        ASSERT_TRUE(write());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
            if (::access(dir.Path().c_str(), W_OK | X_OK) != 0) ::_exit(3);
            ::_exit(write() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "an unprivileged user cannot reach " << dir.Path();
        ASSERT_EQ(WEXITSTATUS(status), 0) << "1: the write failed; 2: could not become nobody";
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u) << "made by the user";
    }
    EXPECT_EQ(ReadWholeFile(path), "<HTML>index</HTML>");
    EXPECT_EQ(Names(), std::vector<std::string>{"qlx_index.htm"});
}

TEST_F(FilesTest, ReadWholeFileGivesNothingForADirectoryOrAMissingFile) {
    Write("bytes.bin", std::string("a\0b\r\n\xff", 6));
    EXPECT_EQ(ReadWholeFile(dir.File("bytes.bin")), std::string("a\0b\r\n\xff", 6));
    EXPECT_EQ(ReadWholeFile(dir.Path()), std::nullopt);
    EXPECT_EQ(ReadWholeFile(dir.File("missing")), std::nullopt);
    Write("empty", "");
    EXPECT_EQ(ReadWholeFile(dir.File("empty")), std::string());
}

TEST_F(FilesTest, CopyFileBytesCopiesExactlyAndReportsAMissingSource) {
    const std::string bytes("qlx\0\r\n\x80gif", 10);
    Write("from.gif", bytes);
    Write("to.gif", "older and longer content");
    ASSERT_TRUE(CopyFileBytes(dir.File("from.gif"), dir.File("to.gif")));
    EXPECT_EQ(ReadWholeFile(dir.File("to.gif")), bytes);
    EXPECT_EQ(ReadWholeFile(dir.File("from.gif")), bytes);
    ASSERT_TRUE(CopyFileBytes(dir.File("from.gif"), dir.File("new.gif")));
    EXPECT_EQ(ReadWholeFile(dir.File("new.gif")), bytes);

    std::string error;
    EXPECT_FALSE(CopyFileBytes(dir.File("missing.gif"), dir.File("other.gif"), &error));
    EXPECT_NE(error.find("missing.gif"), std::string::npos) << error;
    EXPECT_FALSE(PathExistsOnDisk(dir.File("other.gif")));
    EXPECT_FALSE(CopyFileBytes(dir.Path(), dir.File("other.gif"))) << "a directory is not a file to copy";
    EXPECT_EQ(Names(), (std::vector<std::string>{"from.gif", "new.gif", "to.gif"}));
}

TEST_F(FilesTest, DirectoriesAndExistence) {
    Write("file", "x");
    EXPECT_TRUE(IsRegularFile(dir.File("file")));
    EXPECT_FALSE(IsDirectory(dir.File("file")));
    EXPECT_TRUE(IsDirectory(dir.Path()));
    EXPECT_FALSE(IsRegularFile(dir.Path()));
    EXPECT_TRUE(PathExistsOnDisk(dir.File("file")));
    EXPECT_TRUE(PathExistsOnDisk(dir.Path()));
    EXPECT_FALSE(PathExistsOnDisk(dir.File("missing")));

    EXPECT_TRUE(MakeDirectory(dir.File("sub")));
    EXPECT_TRUE(MakeDirectory(dir.File("sub"))) << "an existing directory is fine";
    EXPECT_FALSE(MakeDirectory(dir.File("file"))) << "a file is in the way";
    EXPECT_FALSE(MakeDirectory(dir.File("missing/sub")));

    ASSERT_TRUE(ChangeDirectory(dir.File("sub")));
    EXPECT_EQ(BaseName(CurrentDirectory()), "sub");
    EXPECT_FALSE(ChangeDirectory(dir.File("missing")));
    EXPECT_FALSE(ChangeDirectory(""));
    EXPECT_EQ(BaseName(CurrentDirectory()), "sub") << "a failed change stays where it was";

    EXPECT_TRUE(RemoveFile(dir.File("file")));
    EXPECT_FALSE(RemoveFile(dir.File("file")));
}

TEST_F(FilesTest, APathExistsButOnlyAFileThatOpensForReadingIsAReadableFile) {
    Write("image.jpg", "jpeg");
    Write("empty.txt", "");
    ASSERT_TRUE(MakeDirectory(dir.File("images")));
    struct Case {
        std::string path;
        bool pathExists, fileExists;
    };
    const std::vector<Case> cases = {
        {dir.File("image.jpg"), true, true},
        {dir.File("empty.txt"), true, true},
        {dir.File("images"), true, false},  // a directory exists but is not a file
        {dir.Path(), true, false},
        {dir.File("missing.jpg"), false, false},
        {dir.File("image.jpg/inside"), false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathExistsOnDisk(c.path), c.pathExists) << c.path;
        EXPECT_EQ(IsReadableFile(c.path), c.fileExists) << c.path;
    }
}

TEST_F(FilesTest, TwoSpellingsOfOnePathAreOneFile) {
    Write("a.db", "x");
    Write("b.db", "x");
    ASSERT_TRUE(MakeDirectory(dir.File("sub")));
    ASSERT_EQ(::symlink(dir.File("a.db").c_str(), dir.File("link.db").c_str()), 0);
    EXPECT_TRUE(SameFile(dir.File("a.db"), dir.File("sub/../a.db")));
    EXPECT_TRUE(SameFile(dir.File("a.db"), dir.File("link.db")));
    EXPECT_FALSE(SameFile(dir.File("a.db"), dir.File("b.db"))) << "same content, other file";
    EXPECT_FALSE(SameFile(dir.File("missing"), dir.File("missing"))) << "nothing is not a file";
    EXPECT_FALSE(IdentifyFile(dir.File("missing")).has_value());
    EXPECT_EQ(IdentifyFile(dir.File("link.db")), IdentifyFile(dir.File("a.db")));
}

}  // namespace
}  // namespace fv
