// The main window's publishing commands on a started program: the Publish button and the two menu
// entries run the publisher (the run itself is tested with the publisher), the window's save and sort go
// first, a refused sort or save stops the run, and nothing starts while a run goes.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
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

}  // namespace
}  // namespace fv::testing
