// Publishing only the changed records after records were edited, deleted, added or moved: the publish
// folder then holds, byte for byte, what a forced publish of the same database writes into an empty
// folder - every page number, "of n", neighbour and picture name that a change shifted included - apart
// from the pages and pictures of places that no longer exist, which the upload deletes at the site.
#include <algorithm>
#include <functional>

#include "publish/publisher.h"
#include "publish_fixture.h"

namespace fv::testing {
namespace {

class PublishChangesTest : public PublishFixture {
protected:
    // The record at table index r goes, as the record editor's delete takes it out of the table.
    void Delete(int r) {
        auto& table = program->RecordTable;
        std::rotate(table.begin() + r, table.begin() + r + 1, table.begin() + program->RecordCount);
        program->RecordCount -= 1;
        table[std::size_t(program->RecordCount)] = DatabaseRecord{};
    }
    // The record moves to the end of another category's records (where the sort puts it), marked.
    void MoveTo(int r, const std::string& category) {
        DatabaseRecord moved = program->RecordTable[std::size_t(r)];
        Delete(r);
        moved.Category = category;
        moved.NeedsPublishing = 1;
        int at = 0;
        for (int k = 0; k < program->RecordCount; ++k)
            if (program->RecordTable[std::size_t(k)].Category == category) at = k + 1;
        auto& table = program->RecordTable;
        std::rotate(table.begin() + at, table.begin() + program->RecordCount, table.begin() + program->RecordCount + 1);
        table[std::size_t(at)] = moved;
        program->RecordCount += 1;
    }
    void Edit(int r, const std::string& value) {
        program->RecordTable[std::size_t(r)].Field[2] = value;
        program->RecordTable[std::size_t(r)].NeedsPublishing = 1;
    }
    void ChangeOnly() {
        Settings().ForcePublish->SetChecked(false);
        Publish();
    }
};

TEST_F(PublishChangesTest, AfterEditsAndDeletesAChangedOnlyPublishEqualsAForcedOne) {
    using Step = std::function<void()>;
    struct Case {
        std::vector<Step> steps;
        const char* why;
    };
    const auto del = [this](int r) { return Step([this, r] { Delete(r); }); };
    const auto edit = [this](int r, const char* v) { return Step([this, r, v] { Edit(r, v); }); };
    const auto move = [this](int r, const char* c) { return Step([this, r, c] { MoveTo(r, c); }); };
    const Step publish = [this] { ChangeOnly(); };
    const Step picture = [this] {
        program->RecordTable[6].Image[0] = Picture("pics/rake.gif");
        program->RecordTable[6].NeedsPublishing = 1;
    };
    const std::vector<Case> cases = {
        {{del(0), del(0), del(1)}, "three records of the first category go: the others renumber, and the book "
                                   "sharing the first record's picture now names it itself, as does the music"},
        {{del(5)}, "a record in the middle of a category: the later ones move up, their pictures with them"},
        {{del(4), publish, edit(9, "12.00"), publish, del(0)}, "deletes and an edit with publishes between"},
        {{move(0, "Music")}, "a record moves to another category: both categories renumber"},
        {{del(11), publish, del(10)}, "the last records of the last category go one after the other"},
        {{picture, publish, del(4)}, "a picture that a later record shares with an earlier one loses its owner"},
        {{del(3), edit(2, "1.00"), edit(7, "2.00")}, "a delete and edits in other categories in one run"},
    };
    const std::string forcedSite = dir.File("forced");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove_all(site);
        std::filesystem::remove_all(forcedSite);
        ASSERT_TRUE(MakeDirectory(site));
        ASSERT_TRUE(MakeDirectory(forcedSite));
        program->PublishDirectory = site;
        program->RecordCount = 0;
        MakeShopDatabase();
        Settings().ForcePublish->SetChecked(true);
        Publish();
        for (const Step& step : c.steps) step();
        ChangeOnly();
        ASSERT_EQ(Messages().Messages(), std::vector<std::string>{});
        const auto changedOnly = Tree(site);

        program->PublishDirectory = forcedSite;
        Settings().ForcePublish->SetChecked(true);
        Publish();
        const auto forced = Tree(forcedSite);
        for (const auto& [name, bytes] : forced) {
            ASSERT_TRUE(changedOnly.count(name)) << name << " is missing";
            EXPECT_TRUE(changedOnly.at(name) == bytes) << name << " differs from the forced publish";
        }
        // What is left over is a page or picture of a place that is gone, for the upload to delete.
        for (const auto& [name, bytes] : changedOnly)
            if (!forced.count(name)) EXPECT_TRUE(IsPublisherOutputName(name)) << name;
    }
}

}  // namespace
}  // namespace fv::testing
