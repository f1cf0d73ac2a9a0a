// Saving a database: the files it writes, the empty database, failures that keep the old files, and the
// exit that a failed save stops.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "records/record_text.h"
#include "records/state_files.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class DatabaseSaveTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    void AddRecord(const std::string& category, const std::string& field1) {
        DatabaseRecord& r = program->RecordTable[std::size_t(program->RecordCount)];
        r = DatabaseRecord{};
        r.Category = category;
        r.Field[0] = field1;
        r.NeedsPublishing = 1;
        program->RecordCount += 1;
        program->CurrentRecord = 1;
        program->DatabaseModified = 1;
    }
    std::string File(const std::string& name) { return ReadWholeFile(dir.File(name)).value_or("<missing>"); }

    // Every write of this process fails past the first few bytes (this works for root too).
    struct FailingWrites {
        FailingWrites() {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            ::sigaction(SIGXFSZ, &ignore, &oldAction);
            ::getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 4;
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        ~FailingWrites() {
            ::setrlimit(RLIMIT_FSIZE, &saved);
            ::sigaction(SIGXFSZ, &oldAction, nullptr);
        }
        rlimit saved{};
        struct sigaction oldAction {};
    };
};

TEST_F(DatabaseSaveTest, WritesTheDatabaseConfigurationAndRepublishFiles) {
    AddRecord("Sport", "Elise");
    Main().SaveDBButtonClick(nullptr);
    EXPECT_EQ(File("folivex.db"), DatabaseText(*program));
    EXPECT_EQ(File("folivex.db").substr(0, 3), "1\r\n");
    EXPECT_EQ(File("folivex.cfg").substr(0, 6), "v2.4\r\n");
    EXPECT_EQ(File("folivex.rep"), std::string("\1", 1));
    EXPECT_EQ(File("folivex.cht"), "<missing>");
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_TRUE(Messages().Messages().empty());
    EXPECT_EQ(program->SaveForm->SaveProgressBar->Position(), 100);
    // The save form stays up about a second without holding the program.
    EXPECT_TRUE(program->SaveForm->Visible());
    loop.AdvanceBy(1000);
    EXPECT_FALSE(program->SaveForm->Visible());
}

// The user saves with the "Save DB" button or File > "&Save" (Ctrl+S), not only by leaving or publishing.
TEST_F(DatabaseSaveTest, TheSaveButtonAndTheSaveEntryWriteTheDatabase) {
    struct Way {
        const char* what;
        std::function<void()> run;
    };
    const Way ways[] = {
        {"Save DB button", [this] { Main().SaveIt->Click(); }},
        {"File > Save", [this] { Main().Sort1->Click(); }},
        {"Ctrl+S", [this] { EXPECT_TRUE(Main().PressShortCut("Ctrl+S")); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        RemoveFile(dir.File("folivex.db"));
        AddRecord("Sport", way.what);
        way.run();
        EXPECT_EQ(File("folivex.db"), DatabaseText(*program));
        EXPECT_NE(File("folivex.db").find(way.what), std::string::npos);
        EXPECT_EQ(program->DatabaseModified, 0);
    }
}

TEST_F(DatabaseSaveTest, ARecordUnderEditIsStoredBeforeAnyFileIsWritten) {
    AddRecord("Sport", "old");
    Main().CopyRecordToScreen(nullptr, 0);
    Main().DBEdit[0]->SetFocus();
    Main().DBEdit[0]->UserSetText("new");
    Main().SaveDBButtonClick(nullptr);
    EXPECT_EQ(program->RecordTable[0].Field[0], "new");
    EXPECT_NE(File("folivex.db").find("\"new\""), std::string::npos);
}

TEST_F(DatabaseSaveTest, AnEmptyDatabaseIsSavedAsACountOfNought) {
    AddRecord("Sport", "last");
    Main().SaveDBButtonClick(nullptr);
    Messages().Answer(IdYes);
    Main().DeleteButton->Click();
    Main().SaveDBButtonClick(nullptr);
    EXPECT_EQ(File("folivex.db"), "0\r\n");
    EXPECT_EQ(File("folivex.rep"), "");
    for (const std::string& m : Messages().Messages()) EXPECT_EQ(m.find("No records"), std::string::npos) << m;
}

TEST_F(DatabaseSaveTest, AFailedWriteReportsKeepsTheOldFilesAndTheUnsavedState) {
    AddRecord("Sport", "first");
    Main().SaveDBButtonClick(nullptr);
    const std::string oldDb = File("folivex.db"), oldCfg = File("folivex.cfg");
    AddRecord("Sport", "second");
    {
        FailingWrites failing;
        Main().SaveDBButtonClick(nullptr);
    }
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Unable to Save Database !"});
    EXPECT_EQ(File("folivex.db"), oldDb);
    EXPECT_EQ(File("folivex.cfg"), oldCfg);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_FALSE(program->SaveForm->Visible());
    // No temporary file is left beside the database.
    EXPECT_EQ(ListFiles(dir.Path(), "*.tmp*"), std::vector<std::string>{});
}

TEST_F(DatabaseSaveTest, AConfigurationThatCannotBeWrittenKeepsTheDatabaseUnsaved) {
    AddRecord("Sport", "x");
    ASSERT_TRUE(MakeDirectory(dir.File("folivex.cfg")));  // in the way of the configuration file
    Main().SaveDBButtonClick(nullptr);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Unable to Save Database Configuration data !"});
    EXPECT_EQ(program->DatabaseModified, 1);
}

TEST_F(DatabaseSaveTest, TheExitAfterAFailedSaveDoesNotEndTheProgram) {
    AddRecord("Sport", "x");
    ASSERT_TRUE(MakeDirectory(dir.File("folivex.db")));
    Messages().Answer(IdYes);
    Main().ExitButtonClick(nullptr);
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(File("qlxlast.cfg"), "<missing>");

    // Closing the window asks too, and ends once the user declines to save.
    Messages().Answer(IdNo);
    Main().Close();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_NE(File("qlxlast.cfg"), "<missing>");
}

TEST_F(DatabaseSaveTest, TheEndOfTheProgramWritesTheFlagsBesideTheDatabase) {
    TempDir elsewhere;
    AddRecord("Sport", "x");
    program->DatabaseModified = 0;
    ASSERT_TRUE(ChangeDirectory(elsewhere.Path()));
    Main().Close();
    EXPECT_EQ(File("folivex.rep"), std::string("\1", 1));
    EXPECT_FALSE(PathExistsOnDisk(elsewhere.File("folivex.rep")));
}

TEST(DatabaseFileWrite, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
    TempDir dir;
    const std::string path = dir.File("big.db");
    DatabaseState oldDb, newDb;
    for (DatabaseState* db : {&oldDb, &newDb}) {
        db->RecordCount = MaxRecords;
        for (int i = 0; i < MaxRecords; ++i) {
            DatabaseRecord& r = db->RecordTable[std::size_t(i)];
            r.Category = db == &oldDb ? "Old" : "New";
            for (std::string& f : r.Field) f = std::string(60, char('a' + i % 26));
            r.Memo = std::string(300, 'm') + "\r\n";
        }
    }
    const std::string oldText = DatabaseText(oldDb), newText = DatabaseText(newDb);
    std::mt19937 rng(7);
    int sawOld = 0, sawNew = 0;
    for (int trial = 0; trial < 20; ++trial) {
        ASSERT_TRUE(WriteWholeFile(path, oldText));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool ok = WriteDatabaseFile(newDb, path);
            ::_exit(ok ? 0 : 1);
        }
        ::usleep(useconds_t(rng() % 60000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        std::string now = ReadWholeFile(path).value_or("");
        bool whole = now == oldText || now == newText;
        EXPECT_TRUE(whole) << "trial " << trial << ": " << now.size() << " bytes";
        sawOld += now == oldText;
        sawNew += now == newText;
    }
    EXPECT_EQ(sawOld + sawNew, 20);
}

}  // namespace
}  // namespace fv::testing
