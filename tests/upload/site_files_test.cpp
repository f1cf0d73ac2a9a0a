// The names of the upload: what an entry of the publish folder is sent as, and what the clean-up does
// with each name the site listing gives.
#include <gtest/gtest.h>

#include "platform/fs/files.h"
#include "support/temp_dir.h"
#include "upload/site_files.h"

namespace fv::testing {
namespace {

TEST(SiteFilesTest, CleanUpActionOfEachSiteName) {
    const std::set<std::string> mirrored = {"qlx_index.htm", "notes.txt"};
    const std::set<std::string> sent = {"qlx_1_1.htm"};
    struct Case {
        const char* name;
        SiteFileAction action;
        const char* why;
    };
    const Case cases[] = {
        {"total 12", SiteFileAction::Ignore, "the head line of a long listing"},
        {".", SiteFileAction::Ignore, "the folder itself"},
        {"..", SiteFileAction::Ignore, "the folder above"},
        {"", SiteFileAction::Ignore, "an empty line is no name"},
        {"qlx_index.htm", SiteFileAction::Keep, "the mirror holds it"},
        {"notes.txt", SiteFileAction::Keep, "the mirror holds it, whatever its prefix"},
        {"qlx_1_1.htm", SiteFileAction::Keep, "sent in this run, even when its mirror copy failed"},
        {"QLX_INDEX.HTM", SiteFileAction::Ask, "names compare with their letter case"},
        {"qlx_old.htm", SiteFileAction::Delete, "an old published file"},
        {"dummy", SiteFileAction::Delete, "the probe"},
        {"dummy.txt", SiteFileAction::Ask, "only the probe's exact name goes without a question"},
        {"dummydata", SiteFileAction::Ask, "only the probe's exact name goes without a question"},
        {"totals.txt", SiteFileAction::Ask, "\"total \" needs its blank"},
        {"index.html", SiteFileAction::Ask, "someone else's file"},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanUpAction(c.name, mirrored, sent), c.action) << c.name << ": " << c.why;
}

TEST(SiteFilesTest, OnlyNamesStartingFilelistAreSkipped) {
    EXPECT_TRUE(SkippedAtUpload("FILELIST.TXT"));
    EXPECT_TRUE(SkippedAtUpload("FILELIST"));
    EXPECT_FALSE(SkippedAtUpload("filelist.txt"));
    EXPECT_FALSE(SkippedAtUpload("FILELIS.TXT"));
}

TEST(SiteFilesTest, EntriesAndImageLinks) {
    TempDir dir;
    const std::string publish = dir.File("publish");
    const std::string pictures = dir.File("pics.v2");
    ASSERT_TRUE(MakeDirectory(publish));
    ASSERT_TRUE(MakeDirectory(pictures));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pictures, "photo.jpg"), "JPEG"));
    ASSERT_TRUE(WriteWholeFile(JoinPath(pictures, "scan.jpeg"), "JPEG"));
    auto link = [&](const std::string& name, const std::string& content) {
        ASSERT_TRUE(WriteWholeFile(JoinPath(publish, name), content));
    };
    link("qlx1_1_1.img", JoinPath(pictures, "photo.jpg") + "\r\n");
    link("qlx1_1_2.img", JoinPath(pictures, "scan.jpeg") + "\n");
    link("qlx1_1_3.img", JoinPath(pictures, "gone.jpg") + "\r\n");
    link("qlx1_1_4.img", "\r\n");

    UploadItem page = ResolveUploadItem(publish, "qlx_1_1.htm");
    EXPECT_EQ(page.SiteName, "qlx_1_1.htm");
    EXPECT_EQ(page.LocalPath, JoinPath(publish, "qlx_1_1.htm"));
    EXPECT_FALSE(page.Linked);
    EXPECT_EQ(page.Problem, "");

    // The image is read from where the link says, and keeps its own extension; the dot of the folder
    // "pics.v2" is no extension.
    UploadItem photo = ResolveUploadItem(publish, "qlx1_1_1.img");
    EXPECT_TRUE(photo.Linked);
    EXPECT_EQ(photo.SiteName, "qlx1_1_1.jpg");
    EXPECT_EQ(photo.LocalPath, JoinPath(pictures, "photo.jpg"));
    EXPECT_EQ(photo.Problem, "");
    UploadItem scan = ResolveUploadItem(publish, "qlx1_1_2.img");
    EXPECT_EQ(scan.SiteName, "qlx1_1_2.jpeg");

    for (const char* broken : {"qlx1_1_3.img", "qlx1_1_4.img", "qlx1_1_5.img"}) {
        UploadItem b = ResolveUploadItem(publish, broken);
        EXPECT_NE(b.Problem, "") << broken;
        EXPECT_EQ(b.SiteName, broken) << "a broken link keeps its own name";
    }
}

}  // namespace
}  // namespace fv::testing
