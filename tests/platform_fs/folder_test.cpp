// A folder held open: files put in only when their bytes differ (compared, not guessed from the size),
// kernel copies with the plain fallback, and the failures that leave the old file as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/fs/folder.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using fv::testing::TempDir;

class FolderTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(dir.File(name), bytes)); }
    std::string Read(const std::string& name) { return ReadWholeFile(dir.File(name)).value_or("<missing>"); }
    ino_t Inode(const std::string& name) {
        struct stat st {};
        return ::stat(dir.File(name).c_str(), &st) == 0 ? st.st_ino : 0;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (const DirEntry& e : ListDirectory(dir.Path())) out.push_back(e.Name);
        return out;
    }
    TempDir dir;
};

TEST_F(FolderTest, BytesArePutInOnlyWhenTheyDiffer) {
    struct Case {
        std::string old;  // "" with present false: no file yet
        bool present;
        std::string bytes;
        Folder::Put expected;
        const char* why;
    };
    const std::string big(200000, 'p');
    std::string bigChangedAtTheEnd = big;
    bigChangedAtTheEnd.back() = 'q';
    const std::vector<Case> cases = {
        {"", false, "<HTML>", Folder::Put::Written, "a new file"},
        {"<HTML>", true, "<HTML>", Folder::Put::AlreadyEqual, "the same bytes"},
        {"<HTML>", true, "<HTML>\r\n", Folder::Put::Written, "longer"},
        {"<HTML>", true, "<html>", Folder::Put::Written, "same size, other bytes"},
        {big, true, bigChangedAtTheEnd, Folder::Put::Written, "differs only past the first chunk"},
        {big, true, big, Folder::Put::AlreadyEqual, "equal over several chunks"},
        {"", true, "", Folder::Put::AlreadyEqual, "empty and empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        RemoveFile(dir.File("page.htm"));
        if (c.present) Write("page.htm", c.old);
        const ino_t before = Inode("page.htm");
        {
            Folder folder(dir.Path());
            ASSERT_TRUE(folder.IsOpen());
            EXPECT_EQ(folder.PutBytes("page.htm", c.bytes, Sync::Regenerable), c.expected);
        }
        EXPECT_EQ(Read("page.htm"), c.bytes);
        // A file left alone is the very same file; a written one replaced it whole.
        if (c.expected == Folder::Put::AlreadyEqual) EXPECT_EQ(Inode("page.htm"), before);
        EXPECT_EQ(Names(), std::vector<std::string>{"page.htm"}) << "no temporary file stays";
    }
}

TEST_F(FolderTest, ACopyComparesContentNotOnlyTheSize) {
    Folder folder(dir.Path());
    Write("leaf.gif", "GIF89a-leaf");
    EXPECT_EQ(folder.PutCopy(dir.File("leaf.gif"), "qlx1_1_1.gif", Sync::Regenerable), Folder::Put::Written);
    EXPECT_EQ(Read("qlx1_1_1.gif"), "GIF89a-leaf");
    const ino_t copied = Inode("qlx1_1_1.gif");
    EXPECT_EQ(folder.PutCopy(dir.File("leaf.gif"), "qlx1_1_1.gif", Sync::Regenerable), Folder::Put::AlreadyEqual);
    EXPECT_EQ(Inode("qlx1_1_1.gif"), copied);

    // The picture is edited on disk and keeps its size: it is copied again all the same.
    Write("leaf.gif", "GIF89a-LEAF");
    EXPECT_EQ(folder.PutCopy(dir.File("leaf.gif"), "qlx1_1_1.gif", Sync::Regenerable), Folder::Put::Written);
    EXPECT_EQ(Read("qlx1_1_1.gif"), "GIF89a-LEAF");
    // The published copy is what changed, at the same size: the picture's bytes come back.
    Write("qlx1_1_1.gif", "GIF89a-xxxx");
    EXPECT_EQ(folder.PutCopy(dir.File("leaf.gif"), "qlx1_1_1.gif", Sync::Regenerable), Folder::Put::Written);
    EXPECT_EQ(Read("qlx1_1_1.gif"), "GIF89a-LEAF");

    // A large picture, copied by the kernel, arrives whole.
    std::string large(3 << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = char(i * 7 + i / 4096);
    Write("large.jpg", large);
    EXPECT_EQ(folder.PutCopy(dir.File("large.jpg"), "qlx2_1_1.jpg", Sync::Durable), Folder::Put::Written);
    EXPECT_TRUE(Read("qlx2_1_1.jpg") == large);
}

TEST_F(FolderTest, FilesWrittenOverOldOnesPassTheOldFilesOnInPlaceOfNewOnes) {
    const std::vector<std::string> pages = {"qlx_1_1.htm", "qlx_1_2.htm", "qlx_1_3.htm", "qlx_1_4.htm"};
    // Old files both shorter and longer than the new ones: each is written over and cut to its new length.
    const std::vector<std::size_t> oldSizes = {10, 5000, 3, 100};
    std::set<ino_t> before;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        Write(pages[i], std::string(oldSizes[i], 'o'));
        before.insert(Inode(pages[i]));
    }
    {
        Folder folder(dir.Path());
        for (const std::string& p : pages) EXPECT_EQ(folder.PutBytes(p, "new " + p, Sync::Regenerable), Folder::Put::Written);
        EXPECT_EQ(Names().size(), pages.size() + 1) << "the last old file waits for a next writer";
    }
    int made = 0;
    for (const std::string& p : pages) {
        EXPECT_EQ(Read(p), "new " + p);
        made += before.count(Inode(p)) == 0;
    }
    EXPECT_EQ(made, 1) << "only the first replacement needed a new file";
    EXPECT_EQ(Names(), pages) << "the last old file goes when the folder closes";
}

TEST_F(FolderTest, AnOldFileThatIsNotPlainlyOursIsNeverFilledAgain) {
    // Each case puts something under a.htm, replaces it (the exchange leaves it for the next writer), then
    // replaces b.htm, whose writer must not write into it.
    const std::string outside = dir.File("outside.txt");
    struct Case {
        const char* why;
        std::function<void()> make;     // makes a.htm
        std::function<void()> check;    // what must hold afterwards
    };
    const std::vector<Case> cases = {
        {"a file with a second name keeps its content under that name",
         [&] {
             Write("a.htm", "shared");
             ASSERT_EQ(::link(dir.File("a.htm").c_str(), dir.File("keep.txt").c_str()), 0);
         },
         [&] { EXPECT_EQ(Read("keep.txt"), "shared"); }},
        {"a link is not followed",
         [&] {
             ASSERT_TRUE(WriteWholeFile(outside, "outside"));
             ASSERT_EQ(::symlink(outside.c_str(), dir.File("a.htm").c_str()), 0);
         },
         [&] { EXPECT_EQ(ReadWholeFile(outside).value_or(""), "outside"); }},
        {"a pipe is not waited on", [&] { ASSERT_EQ(::mkfifo(dir.File("a.htm").c_str(), 0644), 0); }, [] {}},
        {"a file of another mode gives the next file that file's own mode",
         [&] {
             Write("a.htm", "private");
             ASSERT_EQ(::chmod(dir.File("a.htm").c_str(), 0600), 0);
         },
         [&] {
             struct stat a {}, b {};
             ASSERT_EQ(::stat(dir.File("a.htm").c_str(), &a), 0);
             ASSERT_EQ(::stat(dir.File("b.htm").c_str(), &b), 0);
             EXPECT_EQ(a.st_mode & 0777, 0600u);
             EXPECT_EQ(b.st_mode & 0777, 0644u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        for (const std::string& name : Names()) RemoveFile(dir.File(name));
        RemoveFile(outside);
        c.make();
        Write("b.htm", "old b");
        ASSERT_EQ(::chmod(dir.File("b.htm").c_str(), 0644), 0);
        {
            Folder folder(dir.Path());
            EXPECT_EQ(folder.PutBytes("a.htm", "new a", Sync::Regenerable), Folder::Put::Written);
            EXPECT_EQ(folder.PutBytes("b.htm", "new b", Sync::Regenerable), Folder::Put::Written);
        }
        EXPECT_EQ(Read("a.htm"), "new a");
        EXPECT_EQ(Read("b.htm"), "new b");
        EXPECT_TRUE(IsRegularFile(dir.File("a.htm")));
        c.check();
        for (const std::string& name : Names())
            EXPECT_TRUE(name == "a.htm" || name == "b.htm" || name == "keep.txt" || name == "outside.txt") << name << " was left behind";
    }
}

TEST_F(FolderTest, TheSourceItselfIsLeftAlone) {
    Folder folder(dir.Path());
    Write("qlxpgbk.gif", "background");
    ASSERT_EQ(::chmod(dir.File("qlxpgbk.gif").c_str(), 0600), 0);
    const ino_t before = Inode("qlxpgbk.gif");
    EXPECT_EQ(folder.PutCopy(dir.File("sub/../qlxpgbk.gif"), "qlxpgbk.gif", Sync::Regenerable), Folder::Put::Failed)
        << "no folder sub: the source cannot be opened";
    EXPECT_EQ(folder.PutCopy(dir.File("./qlxpgbk.gif"), "qlxpgbk.gif", Sync::Regenerable), Folder::Put::AlreadyEqual);
    EXPECT_EQ(Inode("qlxpgbk.gif"), before);
    // A replaced file keeps its permissions.
    Write("other.gif", "another background");
    EXPECT_EQ(folder.PutCopy(dir.File("other.gif"), "qlxpgbk.gif", Sync::Regenerable), Folder::Put::Written);
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("qlxpgbk.gif").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(FolderTest, FailuresReportAndLeaveTheOldFile) {
    Folder folder(dir.Path());
    Write("qlx1_1_1.gif", "old picture");
    ASSERT_TRUE(MakeDirectory(dir.File("qlx_1_1.htm")));
    std::string error;
    EXPECT_EQ(folder.PutCopy(dir.File("missing.gif"), "qlx1_1_1.gif", Sync::Regenerable, &error), Folder::Put::Failed);
    EXPECT_NE(error.find("missing.gif"), std::string::npos) << error;
    EXPECT_EQ(Read("qlx1_1_1.gif"), "old picture");
    EXPECT_EQ(folder.PutCopy(dir.Path(), "qlx1_1_1.gif", Sync::Regenerable), Folder::Put::Failed)
        << "a directory is not a picture";
    error.clear();
    EXPECT_EQ(folder.PutBytes("qlx_1_1.htm", "page", Sync::Regenerable, &error), Folder::Put::Failed)
        << "a directory in the way";
    EXPECT_NE(error.find("qlx_1_1.htm"), std::string::npos) << error;
    EXPECT_EQ(Names(), (std::vector<std::string>{"qlx1_1_1.gif", "qlx_1_1.htm"}));

    Folder missing(dir.File("gone"));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.PutBytes("a.htm", "x", Sync::Regenerable), Folder::Put::Failed);
    // The reason is the folder's own, whatever failed in between.
    errno = EIO;
    EXPECT_EQ(missing.PutCopy(dir.File("qlx1_1_1.gif"), "a.gif", Sync::Regenerable, &error), Folder::Put::Failed);
    EXPECT_EQ(error, dir.File("gone") + ": " + std::strerror(ENOENT));
    EXPECT_TRUE(missing.List().empty());
    EXPECT_FALSE(missing.Remove("a.htm"));
}

TEST_F(FolderTest, ListRemoveAndIdentifyWorkRelativeToTheFolder) {
    Write("b.htm", "b");
    Write("A.gif", "a");
    ASSERT_TRUE(MakeDirectory(dir.File("atsite")));
    ASSERT_EQ(::symlink(dir.File("atsite").c_str(), dir.File("mirror").c_str()), 0);
    Folder folder(dir.Path());
    std::vector<std::string> names, dirs;
    for (const DirEntry& e : folder.List()) {
        names.push_back(e.Name);
        if (e.Directory) dirs.push_back(e.Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A.gif", "atsite", "b.htm", "mirror"}));
    EXPECT_EQ(dirs, (std::vector<std::string>{"atsite", "mirror"})) << "a link to a folder counts as a folder";
    EXPECT_EQ(folder.List().size(), 4u) << "a second listing starts from the top again";
    EXPECT_EQ(folder.Identify("A.gif"), IdentifyFile(dir.File("A.gif")));
    EXPECT_FALSE(folder.Identify("missing").has_value());
    EXPECT_TRUE(folder.Remove("b.htm"));
    EXPECT_FALSE(folder.Remove("b.htm"));
    EXPECT_FALSE(PathExistsOnDisk(dir.File("b.htm")));
}

TEST_F(FolderTest, AWriterCopiesFromAPipeThroughTheBuffer) {
    // A pipe is no file the kernel copies from file to file: the writer falls back to reading it.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::string bytes(300000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(i % 251);
    std::thread feeder([&] {
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t n = ::write(ends[1], bytes.data() + at, bytes.size() - at);
            if (n <= 0) break;
            at += std::size_t(n);
        }
        ::close(ends[1]);
    });
    WholeFileWriter writer(dir.File("piped.bin"), Sync::Regenerable);
    writer.Write("head:");
    writer.CopyFrom(ends[0]);
    feeder.join();
    ::close(ends[0]);
    ASSERT_TRUE(writer.Commit());
    EXPECT_TRUE(Read("piped.bin") == "head:" + bytes);
}

// A disk that fills up or fails part-way, at each step of a put (made to fail on request): the put says so
// with the file's name and the system's reason, the old file stays as it was, a new one never appears, and
// no temporary file is left beside them.
TEST_F(FolderTest, AFailingStepLeavesTheOldFileAndNamesTheReason) {
    struct Case {
        WriteStep step;
        int nth;
        bool copy;       // a copy of a file, else bytes
        bool oldFile;    // an old file is replaced, else a new one made
        const char* why;
    };
    const std::vector<Case> cases = {
        {WriteStep::Open, 1, false, false, "the new file cannot be made"},
        {WriteStep::Open, 2, false, true, "the temporary file of a replacement cannot be made (second put)"},
        {WriteStep::Write, 1, false, true, "the disk fills while the bytes go in"},
        {WriteStep::Write, 2, false, false, "the second file's bytes find the disk full"},
        {WriteStep::Copy, 1, true, true, "the disk fills while a picture is copied over the old one"},
        {WriteStep::Copy, 1, true, false, "the disk fills while a new picture is copied"},
        {WriteStep::Finish, 1, false, true, "the file cannot be synced or put in place"},
        {WriteStep::Finish, 2, true, false, "the second put cannot finish its copy"},
    };
    Write("source.gif", std::string(300000, 'p'));
    for (const Case& c : cases)
        for (int error : {ENOSPC, EIO}) {
            SCOPED_TRACE(std::string(c.why) + ", " + std::strerror(error));
            ::unlink(dir.File("target").c_str());
            ::unlink(dir.File("first").c_str());
            if (c.oldFile) Write("target", "the old file");
            Folder folder(dir.Path());
            InjectWriteFault(c.step, c.nth, error);
            // The puts before the nth go through.
            for (int i = 1; i < c.nth; ++i)
                ASSERT_NE(c.copy ? folder.PutCopy(dir.File("source.gif"), "first", Sync::Regenerable)
                                 : folder.PutBytes("first", "first " + std::to_string(i), Sync::Regenerable),
                          Folder::Put::Failed);
            std::string reason;
            const Folder::Put put = c.copy ? folder.PutCopy(dir.File("source.gif"), "target", Sync::Regenerable, &reason)
                                           : folder.PutBytes("target", std::string(200000, 'n'), Sync::Regenerable, &reason);
            ClearWriteFaults();
            EXPECT_EQ(put, Folder::Put::Failed);
            EXPECT_EQ(reason, dir.File("target") + ": " + std::strerror(error));
            EXPECT_EQ(Read("target"), c.oldFile ? "the old file" : "<missing>");
            for (const DirEntry& e : ListDirectory(dir.Path()))
                EXPECT_EQ(e.Name.find(".tmp"), std::string::npos) << e.Name << " stayed";
        }
}

}  // namespace
}  // namespace fv
