// Loading databases: the program's own files, a new database's defaults, imports of CSV files and ODBC
// queries, the table's limit, and the round trip of load, save, load and save again.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "import/overwrite_form.h"
#include "publish/publish_setup_form.h"
#include "records/record_text.h"
#include "support/database_files_printer.h"
#include "support/program_fixture.h"
#include "support/test_odbc.h"

namespace fv::testing {
namespace {

class DatabaseLoadTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load (of nothing)
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    void Write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteWholeFile(dir.File(name), bytes)); }
    std::string File(const std::string& name) { return ReadWholeFile(dir.File(name)).value_or("<missing>"); }
    // Opens the database as the database setup dialog does.
    void Open(const std::string& name) {
        program->SavedFiles = program->Files();
        program->Files() = CompanionFiles(name).value();
        Main().LoadDatabase(nullptr);
    }
    // Answers the import wizard: maps the columns to fields and presses Import (or cancels).
    void ScriptWizard(std::vector<std::string> mapTo, bool import = true, bool append = false) {
        app->OnModal = [this, mapTo, import, append](Form& f) {
            ASSERT_EQ(&f, program->ImportWizardForm);
            TImportWizardForm& w = *program->ImportWizardForm;
            wizardDelimiter = w.Delimiter->Text();
            wizardPreview = {w.MapFrom[0][0]->Text(), w.MapFrom[0][1]->Text(), w.MapFrom[1][0]->Text()};
            for (std::size_t i = 0; i < mapTo.size(); ++i) w.MapToDB[i]->UserSetText(mapTo[i]);
            if (append) w.ImportMode->UserSelect(1);
            (import ? w.GoImportButton : w.BitBtn2)->Click();
        };
    }
    std::string Csv(int rows) {
        std::string csv;
        for (int i = 1; i <= rows; ++i) csv += "Make " + std::to_string(i) + ",Model,1000\r\n";
        return csv;
    }
    std::string wizardDelimiter;
    std::vector<std::string> wizardPreview;
};

TEST_F(DatabaseLoadTest, OwnFileWithoutConfigurationGetsTheDefaultsOfANewDatabase) {
    std::string records = "4\r\n";
    for (const char* c : {"Sport", "", "Sport", "Family"}) {
        records += std::string(*c ? "\"" : "") + c + (*c ? "\"" : "") + "\t\"x\"";
        records += std::string(23, '\t') + "\r\n";
    }
    Write("folivex.db", records);
    Open("folivex.db");
    EXPECT_EQ(program->RecordCount, 4);
    EXPECT_EQ(Main().Category->Items(), (std::vector<std::string>{"Sport", "Category unknown", "Family"}));
    EXPECT_EQ(program->RecordTable[1].Category, "Category unknown");
    EXPECT_EQ(Main().DBLabel[0]->Text(), "Label 1");
    EXPECT_EQ(Main().DBLabel[6]->Text(), "....");
    EXPECT_EQ(Main().Colour[3]->GetColor(), ClYellow);
    EXPECT_EQ(program->HeaderFont.Size, "+2");
    EXPECT_EQ(program->PublishSetupForm->TableHeader->Text(), "== Folivex ==");
    EXPECT_EQ(program->PublishDirectory, dir.File("publish"));
    EXPECT_TRUE(program->PublishSetupForm->OleTableBackground->Visible());  // the shipped stone.gif
    for (int i = 0; i < 4; ++i) EXPECT_EQ(program->RecordTable[std::size_t(i)].NeedsPublishing, 1);
    EXPECT_EQ(Main().DBGroup->Caption(), "Record (1) of (4)");
    EXPECT_EQ(Main().CurrentDatabase->Text(), "folivex.db");
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_EQ(program->IsLoading, 0);
    EXPECT_TRUE(Messages().Messages().empty()) << Messages().Messages().front();
}

TEST_F(DatabaseLoadTest, LoadSaveLoadSaveGivesTheSameFiles) {
    Write("folivex.db", *ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db"));
    Open("folivex.db");
    ASSERT_EQ(program->RecordCount, 3);
    program->RecordTable[1].NeedsPublishing = 0;
    ASSERT_TRUE(Main().SaveDatabase());
    const std::string db1 = File("folivex.db"), cfg1 = File("folivex.cfg"), rep1 = File("folivex.rep");
    Open("folivex.db");
    ASSERT_TRUE(Main().SaveDatabase());
    EXPECT_EQ(File("folivex.db"), db1);
    EXPECT_EQ(File("folivex.cfg"), cfg1);
    EXPECT_EQ(File("folivex.rep"), rep1);
    EXPECT_EQ(rep1, std::string("\1\0\1", 3));
    EXPECT_EQ(db1.substr(0, 3), "3\r\n");
}

// What the user types comes back from a save and a load as the same text: the memo with its quotes (as
// the two single quotes every slot uses), its empty lines and its last line; a second save changes nothing.
TEST_F(DatabaseLoadTest, TypedTextsSurviveASaveAndALoad) {
    Main().Category->SetItems({"Car"});
    Main().AddButton->Click();
    Main().Category->UserSelect(0);
    Main().DBEdit[0]->UserSetText("the \"Ka\"\tsmall");
    Main().ScrollBox->UserSetText("He said \"yes\"\r\n\r\nlast line");
    Main().SaveButton->Click();
    const DatabaseRecord typed = program->RecordTable[0];
    EXPECT_EQ(typed.Field[0], "the ''Ka'' small");
    EXPECT_EQ(typed.Memo, "He said ''yes''\r\n\r\nlast line");
    Main().SaveDBButtonClick(nullptr);
    const std::string saved = File("folivex.db");

    Main().ReloadDatabase();
    ASSERT_EQ(program->RecordCount, 1);
    EXPECT_EQ(program->RecordTable[0].Field[0], typed.Field[0]);
    EXPECT_EQ(program->RecordTable[0].Memo, typed.Memo);
    EXPECT_EQ(Main().ScrollBox->Text(), typed.Memo);
    program->DatabaseModified = 1;
    Main().SaveDBButtonClick(nullptr);
    EXPECT_EQ(File("folivex.db"), saved);
}

// A database that has just been created takes 100 bytes per field; once saved and opened again its fields
// take 300 bytes: 300 plain letters, or 150 letters of two bytes each.
TEST_F(DatabaseLoadTest, ANewDatabasesFieldsTakeTheirFullLengthOnceSavedAndOpenedAgain) {
    const std::string plain(320, 'a');
    std::string accented;
    for (int i = 0; i < 155; ++i) accented += "\xC3\xA9";
    Main().Category->SetItems({"Car"});
    Main().AddButton->Click();
    Main().Category->UserSelect(0);
    Main().DBEdit[0]->UserSetText(plain);
    Main().DBEdit[1]->UserSetText(accented);
    EXPECT_EQ(Main().DBEdit[0]->Text(), plain.substr(0, 100));
    EXPECT_EQ(Main().DBEdit[1]->Text(), accented.substr(0, 100));
    Main().SaveButton->Click();
    Main().SaveDBButtonClick(nullptr);

    Open("folivex.db");
    ASSERT_EQ(program->RecordCount, 1);
    Main().DBEdit[0]->UserSetText(plain);
    Main().DBEdit[1]->UserSetText(accented);
    EXPECT_EQ(Main().DBEdit[0]->Text(), plain.substr(0, 300));
    EXPECT_EQ(Main().DBEdit[1]->Text(), accented.substr(0, 300));  // 150 letters
    Main().SaveButton->Click();
    EXPECT_EQ(program->RecordTable[0].Field[0].size(), 300u);
    EXPECT_EQ(program->RecordTable[0].Field[1].size(), 300u);
}

TEST_F(DatabaseLoadTest, TheCountLineIsOnlyAClaim) {
    std::string row = "\"Cat\"" + std::string(25, '\t') + "\r\n";
    Write("folivex.db", "5\r\n" + row + row + row);
    Open("folivex.db");
    EXPECT_EQ(program->RecordCount, 3);
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The database file says it holds 5 records, but 3 were found. The records found are loaded."});

    Messages().ClearLog();
    Write("empty.db", "0\r\n");
    app->OnModal = [](Form&) { FAIL() << "an empty database of our own needs no wizard"; };
    Open("empty.db");
    EXPECT_EQ(program->RecordCount, 0);
    EXPECT_EQ(Main().DBGroup->Caption(), "Record (0) of (0)");
}

TEST_F(DatabaseLoadTest, ALoadOverAFullerDatabaseKeepsNothingOfIt) {
    // Rows are read into the places the last database's records held: a short row and the places past
    // the new count must come out empty.
    auto full = [](const std::string& category) {
        std::string row = "\"" + category + "\"";
        for (int f = 1; f <= 24; ++f) row += "\t\"text " + std::to_string(f) + "\"";
        return row + "\t\"memo\"\r\n";
    };
    Write("big.db", "3\r\n" + full("A") + full("B") + full("C"));
    Open("big.db");
    ASSERT_EQ(program->RecordCount, 3);
    ASSERT_EQ(program->RecordTable[1].Field[19], "text 20");

    Write("small.db", "2\r\n" + full("D") + "\"E\"\t\"only\"\r\n");
    Open("small.db");
    ASSERT_EQ(program->RecordCount, 2);
    const DatabaseRecord& shortRow = program->RecordTable[1];
    EXPECT_EQ(shortRow.Category, "E");
    EXPECT_EQ(shortRow.Field[0], "only");
    for (int f = 1; f < FieldCount; ++f) EXPECT_EQ(shortRow.Field[std::size_t(f)], "") << "field " << f + 1;
    for (const std::string& image : shortRow.Image) EXPECT_EQ(image, "");
    EXPECT_EQ(shortRow.Memo, "");
    const DatabaseRecord& past = program->RecordTable[2];
    EXPECT_EQ(past.Category, "");
    EXPECT_EQ(past.Field[0], "");
    EXPECT_EQ(past.Memo, "");
}

TEST_F(DatabaseLoadTest, ACsvFileGoesThroughTheWizard) {
    Write("cars.csv", "Ford,Ka,5000\nMini,Cooper,15000\nLotus,Elise,40000");  // LF only, no last line end
    ScriptWizard({"1", "2", "3"});
    Open("cars.csv");
    EXPECT_EQ(wizardDelimiter, "44");
    ASSERT_EQ(program->RecordCount, 3);
    EXPECT_EQ(program->RecordTable[2].Field[0], "Lotus");
    EXPECT_EQ(program->RecordTable[2].Field[2], "40000");
    EXPECT_EQ(program->ImportPending, 1);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(File("cars.csv"), "Ford,Ka,5000\nMini,Cooper,15000\nLotus,Elise,40000");  // never touched
}

// The first save of an import may name a new database: its configuration and republish flags go beside it
// under its name, not beside the import file, so that loading it again finds them.
TEST_F(DatabaseLoadTest, AnImportSavedUnderANewNameKeepsAllItsFilesUnderThatName) {
    Write("cars.csv", Csv(2));
    ScriptWizard({"1", "2"});
    Open("cars.csv");
    ASSERT_EQ(program->ImportPending, 1);
    program->RecordTable[0].NeedsPublishing = 0;  // as if published already
    app->OnModal = [this](Form& f) {
        ASSERT_EQ(&f, program->OverwriteForm);
        TOverwriteForm& o = *program->OverwriteForm;
        o.NewFileName->UserSetText("fleet");
        o.NewFileNameButton->Click();
    };
    ASSERT_TRUE(Main().SaveDatabase());
    EXPECT_EQ(program->Files(), (DatabaseFiles{"fleet.db", "fleet.cfg", "fleet.cht", "fleet.rep"}));
    EXPECT_EQ(File("fleet.rep"), std::string("\x00\x01", 2));
    for (const char* other : {"cars.cfg", "cars.rep", "cars.db"}) EXPECT_EQ(File(other), "<missing>") << other;
    EXPECT_EQ(File("cars.csv"), Csv(2));

    app->OnModal = nullptr;
    Open("fleet.db");
    EXPECT_EQ(program->RecordCount, 2);
    EXPECT_EQ(program->RecordTable[1].Field[0], "Make 2");
    // The flags saved with it: a missing flag file would mark every record.
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RecordTable[1].NeedsPublishing, 1);
}

// The program started with no database at all: the first import must still show the user its rows.
TEST_F(DatabaseLoadTest, TheFirstImportAfterAnEmptyStartPreviewsTheFile) {
    ASSERT_EQ(program->RecordCount, 0);
    Write("cars.csv", "Ford,Ka\r\nMini,Cooper\r\n");
    ScriptWizard({"1", "2"});
    Open("cars.csv");
    EXPECT_EQ(wizardPreview, (std::vector<std::string>{"Ford", "Ka", "Mini"}));
    EXPECT_EQ(program->RecordCount, 2);
    EXPECT_EQ(program->ReadingConfig, 0);
}

// A foreign file's quoted values hold its delimiter and doubled quotes; the wizard's preview and the import
// read them as one value each, and no later column shifts.
TEST_F(DatabaseLoadTest, QuotedValuesOfAForeignFileStayWhole) {
    Write("lamps.csv", "\"Floor lamp, tall\",\"12\"\" shade\",40\r\nDesk lamp,\"small, \"\"green\"\"\",15\r\n");
    ScriptWizard({"1", "2", "3"});
    Open("lamps.csv");
    EXPECT_EQ(wizardDelimiter, "44");
    EXPECT_EQ(wizardPreview, (std::vector<std::string>{"Floor lamp, tall", "12\" shade", "Desk lamp"}));
    ASSERT_EQ(program->RecordCount, 2);
    const auto& first = program->RecordTable[0].Field;
    const auto& second = program->RecordTable[1].Field;
    EXPECT_EQ(first[0], "Floor lamp, tall");
    EXPECT_EQ(first[1], "12'' shade");  // a double quote is stored as two single quotes, as when typed
    EXPECT_EQ(first[2], "40");
    EXPECT_EQ(second[1], "small, ''green''");
    EXPECT_EQ(second[2], "15");
}

TEST_F(DatabaseLoadTest, ACancelledWizardKeepsTheOpenDatabaseAndItsNames) {
    Write("folivex.db", *ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db"));
    Open("folivex.db");
    Write("cars.csv", Csv(2));
    ScriptWizard({"1"}, false);
    Open("cars.csv");
    EXPECT_EQ(program->RecordCount, 3);
    EXPECT_EQ(program->RecordTable[0].Field[0], "Jaguar XJ");
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
    EXPECT_EQ(program->ConfigFileName, "folivex.cfg");
    EXPECT_EQ(program->IsLoading, 0);
    EXPECT_EQ(CurrentDirectory(), dir.Path());
}

// Pictures that are gone are reported once for the whole load, not in one message per picture, and
// their paths stay in the records.
TEST_F(DatabaseLoadTest, MissingImagesAreListedInOneMessage) {
    std::string records = "23\r\n";
    std::string expected = "These image files have not been located:";
    for (int i = 1; i <= 23; ++i) {
        const std::string path = dir.File("gone" + std::to_string(i) + ".jpg");
        records += "\"Car\"" + std::string(21, '\t') + "\"" + path + "\"\t\t\t\t\r\n";
        if (i <= 20) expected += "\r\n" + path;
    }
    expected += "\r\n... and 3 more";
    Write("folivex.db", records);
    Open("folivex.db");
    ASSERT_EQ(program->RecordCount, 23);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{expected});
    EXPECT_EQ(program->RecordTable[22].Image[3], dir.File("gone23.jpg"));  // in the slot left free
}

TEST_F(DatabaseLoadTest, TheTableHoldsFiveThousandRecords) {
    Write("big.csv", Csv(5001));
    ScriptWizard({"1"});
    Open("big.csv");
    EXPECT_EQ(program->RecordCount, 5000);
    EXPECT_EQ(program->RecordTable[4999].Field[0], "Make 5000");
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"The number of records will be restricted to 5000."});

    // An append of 20 rows to 4990 records adds 10.
    program->RecordCount = 4990;
    program->DatabaseFileName = "folivex.db";
    Messages().ClearLog();
    Write("more.csv", Csv(20));
    ScriptWizard({"1"}, true, true);
    Open("more.csv");
    EXPECT_EQ(program->RecordCount, 5000);
    EXPECT_EQ(program->RecordTable[4990].Field[0], "Make 1");
    EXPECT_EQ(program->RecordTable[4999].Field[0], "Make 10");
    EXPECT_EQ(program->RecordTable[4999].NeedsPublishing, 1);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"The number of records will be restricted to 5000."});
    // An append goes into the database that was open, under its names.
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
}

TEST_F(DatabaseLoadTest, AnOdbcQueryWithTheLastImportSettings) {
    TestOdbc odbc;
    FOLIVEX_REQUIRE_ODBC(odbc);
    odbc.Run(FixtureSql());
    TDBForm& form = *program->DBForm;
    form.AliasName->SetText(TestDataSource);
    form.TableName->SetText("cars");
    form.ImportName->SetText("cars");
    form.FastODBCImport->SetChecked(true);
    // Labels from the column names, in the title style; no configuration exists for "cars.db".
    form.UseODBClabels->SetChecked(true);
    form.ODBCfieldConversionType->SetText("Convert Database Field Names to this Style");
    TImportWizardForm& w = *program->ImportWizardForm;
    w.MapToDB[0]->SetText("1");
    w.MapToDB[1]->SetText("2");
    w.MapToDB[2]->SetText("3");
    app->OnModal = [](Form&) { FAIL() << "the last import settings need no wizard"; };
    form.GoButtonClick(nullptr);
    ASSERT_EQ(program->OdbcImport, 1);
    Main().LoadDatabase(nullptr);
    ASSERT_EQ(program->RecordCount, 4);
    EXPECT_EQ(program->RecordTable[0].Field[0], "Defender");
    EXPECT_EQ(program->RecordTable[0].Field[1], "3");
    EXPECT_EQ(program->RecordTable[1].Field[0], "Golf ''GTI''");  // a double quote kept as two single quotes
    EXPECT_EQ(program->RecordTable[3].Field[0], "");           // NULL
    EXPECT_EQ(program->DatabaseFileName, "cars.db");
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(Main().DBLabel[0]->Text(), "Name");
    EXPECT_EQ(Main().DBLabel[2]->Text(), "Price");
    EXPECT_EQ(Main().DBLabel[3]->Text(), "Photo");
    EXPECT_EQ(Main().DBLabel[4]->Text(), "....");  // mapped beyond the query's four columns
}

}  // namespace
}  // namespace fv::testing
