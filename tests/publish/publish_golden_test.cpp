// The published site of a small shop database compared byte for byte with golden copies: a forced publish
// of every page, then an incremental one after a change to one record. FOLIVEX_UPDATE_GOLDEN=1 rewrites
// the golden copies from what the program writes now (look at the difference before committing it).
#include <cstdlib>

#include "publish_fixture.h"

namespace fv::testing {
namespace {

const std::string GoldenRoot = std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/publish/";

void CompareWithGolden(const std::map<std::string, std::string>& tree, const std::string& name) {
    PublishFixture::ExpectGoldenTree(tree, GoldenRoot + name);
}

class PublishGoldenTest : public PublishFixture {};

TEST_F(PublishGoldenTest, ForcedThenIncrementalAfterOneChange) {
    MakeShopDatabase();
    Settings().ForcePublish->SetChecked(true);
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_TRUE(IsDirectory(JoinPath(site, "atsite")));
    CompareWithGolden(Tree(site), "forced");
    EXPECT_EQ(ReadWholeFile(dir.File("folivex.rep")).value_or(""), std::string(12, '\0'));
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_EQ(program->RepublishAll, 0);

    // One record of the second category changes; the next run, later that day, rewrites only its page,
    // its category's quick-view page and the index page.
    Settings().ForcePublish->SetChecked(false);
    program->RecordTable[5].Field[2] = "29.50";
    program->RecordTable[5].NeedsPublishing = 1;
    clock = LaterThatDay;
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    const auto tree = Tree(site);
    CompareWithGolden(tree, "incremental");
    std::vector<std::string> rewritten;
    for (const auto& [path, bytes] : tree)
        if (bytes.find("(Dec/08/2026 15:30:00)") != std::string::npos) rewritten.push_back(path);
    EXPECT_EQ(rewritten, (std::vector<std::string>{"qlx_2_2.htm", "qlx_2_s.htm", "qlx_index.htm"}));
}

// A forced run over the site it published before - with a stale page and picture of a record that is gone,
// a file of the user's own and a full mirror folder - ends with the same site as a forced run into an
// empty folder: the stale files and the mirror's copies go, and every page and picture whose bytes are
// already right is left as it is (the same file, not an equal copy), yet waits for the upload all the same,
// since the mirror folder it is compared with is empty.
TEST_F(PublishGoldenTest, AForcedRunOverItsOwnSiteEndsWithTheSameFiles) {
    MakeShopDatabase();
    Settings().ForcePublish->SetChecked(true);
    Publish();
    for (const char* name : {"qlx_9_9.htm", "qlx9_9_1.gif", "qlxnotes.txt", "atsite/qlx_1_1.htm", "atsite/qlxb.gif"})
        ASSERT_TRUE(WriteWholeFile(JoinPath(site, name), "earlier"));
    const auto inode = [&](const std::string& name) { return IdentifyFile(JoinPath(site, name)); };
    const auto pageBefore = inode("qlx_2_2.htm"), pictureBefore = inode("qlx1_1_1.gif");

    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    auto tree = Tree(site);
    EXPECT_EQ(tree.count("qlxnotes.txt"), 1u) << "not the publisher's file";
    tree.erase("qlxnotes.txt");
    CompareWithGolden(tree, "forced");
    EXPECT_TRUE(IsDirectory(JoinPath(site, "atsite")));
    EXPECT_TRUE(Tree(JoinPath(site, "atsite")).empty()) << "the next upload sends every file";
    EXPECT_EQ(inode("qlx_2_2.htm"), pageBefore);
    EXPECT_EQ(inode("qlx1_1_1.gif"), pictureBefore);

    // Later that day every page carries the new time and is written anew; the pictures stay as they are.
    // Each page goes in over its old file, which the next page takes as its own: the last one does not
    // stay once the run is over, even while the publisher is still there.
    clock = LaterThatDay;
    Publisher later(*program, nullptr, publishClock);
    later.Run();
    tree = Tree(site);
    for (const auto& [name, bytes] : tree) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    EXPECT_NE(tree.at("qlx_2_2.htm").find("(Dec/08/2026 15:30:00)"), std::string::npos);
    EXPECT_NE(inode("qlx_2_2.htm"), pageBefore);
    EXPECT_EQ(inode("qlx1_1_1.gif"), pictureBefore);
    std::size_t pages = 0;
    for (const auto& [name, bytes] : tree)
        if (name.size() > 4 && name.substr(name.size() - 4) == ".htm") ++pages;
    EXPECT_EQ(pages, 16u);
}

}  // namespace
}  // namespace fv::testing
