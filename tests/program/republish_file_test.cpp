// The republish-flag file: one byte per record in use, written in the database folder (or where the
// caller stands), a message when it cannot be written; and the mark that sends every record to the next
// publish.
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
    // The message names the file and the system's reason.
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Unable to Save Republish data !\n" +
                                                              dir.File("db/no such folder/shop.rep") +
                                                              ": No such file or directory"});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
}

TEST_F(RepublishFileTest, MarkAllForRepublishMarksEveryRecordInUseAndWritesTheFlags) {
    MarkAllForRepublish(*program);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(program->RecordTable[std::size_t(i)].NeedsPublishing, 1);
    EXPECT_EQ(program->RecordTable[4].NeedsPublishing, 0) << "only the records in use";
    EXPECT_EQ(program->RepublishAll, 1);
    EXPECT_EQ(ReadWholeFile(dir.File("db/shop.rep")).value_or("<missing>"), std::string("\x01\x01\x01", 3))
        << "written in the database folder";
}

TEST_F(RepublishFileTest, MarkAllForRepublishDoesNothingWhileLoading) {
    program->IsLoading = 1;
    MarkAllForRepublish(*program);
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RepublishAll, 0);
    EXPECT_FALSE(PathExistsOnDisk(dir.File("db/shop.rep"))) << "no file is written";
}

}  // namespace
}  // namespace fv::testing
