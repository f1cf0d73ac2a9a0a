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

}  // namespace
}  // namespace fv::testing
