// The republish-flag file: one byte per record in use, written in the database folder (or where the
// caller stands), and a message when it cannot be written.
#include <gtest/gtest.h>

#include "platform/fs/files.h"
#include "program/republish_file.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class RepublishFileTest : public ProgramBase {
protected:
    void SetUp() override {
        ProgramBase::SetUp();
        ASSERT_TRUE(MakeDirectory(dir.File("db")));
        ASSERT_TRUE(MakeDirectory(dir.File("elsewhere")));
        program->DatabaseDirectory = dir.File("db");
        program->RepublishFileName = "shop.rep";
        program->RecordCount = 3;
        program->RecordTable[1].NeedsPublishing = 1;
        program->RecordTable[3].NeedsPublishing = 1;  // beyond the records in use: not written
        ASSERT_TRUE(ChangeDirectory(dir.File("elsewhere")));
    }
};

TEST_F(RepublishFileTest, WritesTheFlagsOfTheRecordsInUseWhereTheCallerSays) {
    struct Case {
        bool stay;
        const char* folder;
        const char* why;
    };
    for (const Case& c : {Case{false, "db", "by default the file goes beside the database"},
                          Case{true, "elsewhere", "a caller that has moved on keeps its folder"}}) {
        SCOPED_TRACE(c.why);
        ASSERT_TRUE(ChangeDirectory(dir.File("elsewhere")));
        EXPECT_TRUE(WriteRepublishFile(*program, c.stay));
        EXPECT_EQ(ReadWholeFile(dir.File(std::string(c.folder) + "/shop.rep")).value_or("<missing>"),
                  std::string("\0\x01\0", 3));
        EXPECT_TRUE(Messages().Messages().empty());
    }
}

TEST_F(RepublishFileTest, AFileThatCannotBeWrittenIsReportedAndAnswersFalse) {
    program->RepublishFileName = "no such folder/shop.rep";
    EXPECT_FALSE(WriteRepublishFile(*program));
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Unable to Save Republish data !"});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
}

}  // namespace
}  // namespace fv::testing
