// The main window's publishing commands on a started program: the Publish button and the two menu
// entries run the publisher (the run itself is tested with the publisher), the window's save and sort go
// first, a refused sort or save stops the run, and nothing starts while a run goes.
#include <gtest/gtest.h>

#include <map>

#include "app/folivex_form.h"
#include "platform/fs/files.h"
#include "publish/publisher.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/menu.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class PublishCommandsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        Main().PublishClock = [] { return std::time_t(1796738639); };
        program->PublishMessageForm->DontShow->SetChecked(true);
        program->SearchSetup->EnableSearchButton->SetChecked(false);
        site = dir.File("publish");
        Messages().ClearLog();
    }

    TFolivexForm& Main() { return *program->FolivexForm; }

    // Records of the new database's one category, "Category A", in the order given.
    void AddRecords(std::initializer_list<const char*> firstFields) {
        for (const char* f : firstFields) {
            DatabaseRecord& r = program->RecordTable[std::size_t(program->RecordCount++)];
            r = DatabaseRecord{};
            r.Category = "Category A";
            r.Field[0] = f;
            r.NeedsPublishing = 1;
        }
        program->CurrentRecord = 1;
        program->DatabaseModified = 1;
    }
    std::string Page(const std::string& name) { return ReadWholeFile(JoinPath(site, name)).value_or("<missing>"); }
    bool Published() { return PathExistsOnDisk(JoinPath(site, "qlx_1_1.htm")); }

    std::string site;
};

TEST_F(PublishCommandsTest, ThePublishButtonSavesSortsAndPublishes) {
    AddRecords({"pear", "apple"});
    Main().Order[0]->SetText("1");
    Main().PublishItButton->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_NE(Page("qlx_1_1.htm").find(">apple<"), std::string::npos) << "sorted by field 1 before numbering";
    EXPECT_NE(Page("qlx_1_2.htm").find(">pear<"), std::string::npos);
    EXPECT_NE(ReadWholeFile(dir.File("folivex.db")).value_or("").find("apple"), std::string::npos) << "saved first";
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(PublishCommandsTest, TheWindowsRefusalsStopTheRun) {
    AddRecords({"one", "two"});  // a single record needs no sort
    program->DatabaseModified = 0;
    Main().Order[0]->SetText("7");  // not a sort order (the box says so as it is typed)
    Messages().ClearLog();
    Main().PublishItButton->Click();
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{"The Sort order can be 1,2 or 3 only.",
                                        "The records could not be sorted, so nothing has been published."}));
    EXPECT_FALSE(Published());

    Main().Order[0]->SetText("");
    program->DatabaseModified = 1;
    program->DatabaseFileName = "missing-folder/x.db";
    program->ConfigFileName = "missing-folder/x.cfg";
    Messages().ClearLog();
    Main().PublishItButton->Click();
    EXPECT_FALSE(Messages().Messages().empty()) << "the failed save says why";
    EXPECT_FALSE(Published());
    EXPECT_EQ(program->DatabaseModified, 1);
}

TEST_F(PublishCommandsTest, PublishOnlyModifiedWarnsWhenTheForceBoxIsChecked) {
    AddRecords({"one"});
    program->PublishSetupForm->ForcePublish->SetChecked(true);
    Main().Publishonlymodifiedrecords1->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{
        "The 'Force Publish' box is checked on the 'General Publishing Rules' page and so ALL records will be "
        "republished each time. Uncheck the box to publish only newer pages."});
    EXPECT_TRUE(Published());
}

TEST_F(PublishCommandsTest, ForcePublishMarksEveryRecordFirst) {
    // On an empty database the flag file is written (empty) and the run refuses.
    Main().ForcePublishofALLrecords1->Click();
    EXPECT_EQ(ReadWholeFile(dir.File("folivex.rep")).value_or("<missing>"), "");
    EXPECT_EQ(Messages().Messages().size(), 1u);
    EXPECT_FALSE(Published());

    AddRecords({"one", "two"});
    program->RecordTable[1].NeedsPublishing = 0;
    Messages().ClearLog();
    Main().ForcePublishofALLrecords1->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, "qlx_1_2.htm")));
    EXPECT_EQ(program->RepublishAll, 0);
}

TEST_F(PublishCommandsTest, NothingStartsWhileARunGoes) {
    AddRecords({"one"});
    Main().Publishing = true;
    Main().PublishItButton->Click();
    Main().Publishonlymodifiedrecords1->Click();
    Main().ForcePublishofALLrecords1->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_FALSE(Published());
    EXPECT_EQ(program->RepublishAll, 0);
    Main().Publishing = false;
    Main().PublishItButton->Click();
    EXPECT_TRUE(Published());
    EXPECT_FALSE(Main().Publishing);
}

// The user's way: publish, delete three records with the window's Delete button, publish only the changed
// records. The publish folder then holds what a forced publish of the same database writes into another
// folder, byte for byte - the "of n" of records that were not marked, and the picture names that moved to
// other categories' pages - bar the pages of places that are gone, which the upload deletes.
TEST_F(PublishCommandsTest, AfterDeletesTheChangedRecordsPublishGivesTheSiteOfAForcedPublish) {
    ASSERT_TRUE(MakeDirectory(dir.File("pics")));
    const std::string leaf = dir.File("pics/leaf.gif"), fern = dir.File("pics/fern.gif");
    ASSERT_TRUE(WriteWholeFile(leaf, "GIF89a leaf"));
    ASSERT_TRUE(WriteWholeFile(fern, "GIF89a fern"));
    Main().Category->SetItems({"Category A", "Category B"});
    AddRecords({"a1", "a2", "a3", "a4", "a5", "b1", "b2", "b3"});
    for (int r = 5; r < 8; ++r) program->RecordTable[std::size_t(r)].Category = "Category B";
    program->RecordTable[0].Image[0] = leaf;  // its name is taken by the later records with the same picture
    program->RecordTable[2].Image[0] = fern;
    program->RecordTable[3].Image[0] = leaf;
    program->RecordTable[6].Image[1] = fern;
    program->RecordTable[7].Image[0] = leaf;
    program->PublishSetupForm->ForcePublish->SetChecked(false);
    Main().PublishItButton->Click();
    ASSERT_EQ(Messages().Messages(), std::vector<std::string>{});

    for (int record : {1, 1, 2}) {
        program->CurrentRecord = record;
        Main().CopyRecordToScreen(nullptr, record - 1);
        Messages().Answer(IdYes);
        Main().DeleteButton->Click();
    }
    ASSERT_EQ(program->RecordCount, 5);
    Messages().ClearLog();
    Main().Publishonlymodifiedrecords1->Click();
    ASSERT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_NE(Page("qlx_1_1.htm").find("Record 1 of 2"), std::string::npos);

    const std::string forcedSite = dir.File("forced");
    ASSERT_TRUE(MakeDirectory(forcedSite));
    program->PublishDirectory = forcedSite;
    program->PublishSetupForm->ForcePublish->SetChecked(true);
    Main().PublishItButton->Click();
    const auto files = [](const std::string& folder) {
        std::map<std::string, std::string> out;
        for (const std::string& name : ListFiles(folder, "qlx*.*")) out[name] = ReadWholeFile(JoinPath(folder, name)).value();
        return out;
    };
    const auto changedOnly = files(site), forced = files(forcedSite);
    ASSERT_FALSE(forced.empty());
    for (const auto& [name, bytes] : forced) {
        ASSERT_TRUE(changedOnly.count(name)) << name;
        EXPECT_TRUE(changedOnly.at(name) == bytes) << name << " differs from the forced publish";
    }
    for (const auto& [name, bytes] : changedOnly)
        if (!forced.count(name)) EXPECT_TRUE(IsPublisherOutputName(name)) << name;
}

// A picture path that names no file - a folder, also one with a dot in its name - is a missing picture
// wherever the program meets it: showing the record warns and shows nothing, and the publish leaves it off
// the page (no picture name without an extension) and says which file it did not find.
TEST_F(PublishCommandsTest, APicturePathThatIsAFolderIsAMissingPictureWhenShownAndPublished) {
    struct Case {
        const char* path;
        const char* why;
    };
    for (const Case& c : {Case{"album", "a folder"}, Case{"album.v2", "a folder with a dot in its name"},
                          Case{"gone.gif", "a file that is not there"}}) {
        SCOPED_TRACE(c.why);
        const std::string missing = dir.File(c.path);
        if (std::string(c.path) != "gone.gif") ASSERT_TRUE(MakeDirectory(missing));
        program->RecordCount = 0;
        AddRecords({"one"});
        program->RecordTable[0].Image[0] = missing;
        const std::string warning = "The File [" + missing + "] has not been located.";
        Messages().ClearLog();
        Main().CopyRecordToScreen(nullptr, 0);
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{warning});
        EXPECT_FALSE(Main().TheImage->Visible());
        Messages().ClearLog();
        Main().PublishItButton->Click();
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{warning});
        EXPECT_EQ(Page("qlx_1_1.htm").find("<IMG SRC=\"qlx1_1_1"), std::string::npos);
        EXPECT_EQ(Page("qlx_index.htm").find("qlxidx"), std::string::npos);
    }
}

}  // namespace
}  // namespace fv::testing
