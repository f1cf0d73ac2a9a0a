// Imports as a user goes through them, from the Open button to the files on disk: a cancelled import
// leaves the open database, the record on screen with its pictures and the wizard's choices whole, so
// that the next edit and save keep everything; an append's new category joins the list, and the next
// publish writes a page for every record.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "publish/publish_message_form.h"
#include "publish/search_setup_form.h"
#include "support/program_fixture.h"
#include "support/test_odbc.h"

namespace fv::testing {
namespace {

// One line of the database text file, written here from its layout: 26 slots, the non-empty ones in
// quotes, a TAB after each of the first 25, CR LF.
std::string RecordLine(const std::string& category, const std::vector<std::string>& fields,
                       const std::vector<std::string>& images, const std::string& memo) {
    std::vector<std::string> slots{category};
    for (int i = 0; i < 20; ++i) slots.push_back(std::size_t(i) < fields.size() ? fields[std::size_t(i)] : "");
    for (int i = 0; i < 4; ++i) slots.push_back(std::size_t(i) < images.size() ? images[std::size_t(i)] : "");
    slots.push_back(memo);
    std::string line;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!slots[i].empty()) line += "\"" + slots[i] + "\"";
        if (i < 25) line += "\t";
    }
    return line + "\r\n";
}

class ImportJourneyTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        std::filesystem::create_directories(dir.File("imports"));
        for (const char* picture : {"front.jpg", "back.jpg"}) ASSERT_TRUE(WriteWholeFile(dir.File(picture), "picture"));
        front = dir.File("front.jpg");
        back = dir.File("back.jpg");
        ASSERT_TRUE(WriteWholeFile(dir.File("folivex.db"),
                                   "2\r\n" + RecordLine("Sport", {"Jaguar", "XJ"}, {front, back}, "Fast") +
                                       RecordLine("Family", {"Volvo", "V70"}, {}, "")));
        Open([this](TDBSetupForm& s) {
            s.FileListBox->UserSelect(s.FileListBox->IndexOf("folivex.db"));
            s.SelectButton->Click();
        });
        ASSERT_EQ(program->RecordCount, 2);
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TImportWizardForm& Wizard() { return *program->ImportWizardForm; }

    // Open, the setup dialog with the user's choice, GO in the ODBC dialog, and the wizard when the load
    // shows it.
    void Open(const std::function<void(TDBSetupForm&)>& choose,
              const std::function<void(TImportWizardForm&)>& wizard = nullptr) {
        app->OnModal = [this, choose, wizard](Form& f) {
            if (&f == program->DBSetupForm) {
                choose(*program->DBSetupForm);
                return;
            }
            if (&f == program->DBForm) {
                program->DBForm->GoButton->Click();
                return;
            }
            ASSERT_EQ(&f, program->ImportWizardForm);
            ASSERT_TRUE(wizard) << "no wizard expected";
            wizard(Wizard());
        };
        Main().OpenButton->Click();
        app->OnModal = nullptr;
    }
    void OpenImport(const std::string& file, const std::function<void(TImportWizardForm&)>& wizard) {
        Open(
            [this, file](TDBSetupForm& s) {
                ASSERT_TRUE(s.DirectoryListBox->SetDirectory(dir.File("imports")));
                s.FilesOfType->UserSelect(2);
                s.FileListBox->UserSelect(s.FileListBox->IndexOf(file));
                s.SelectButton->Click();
            },
            wizard);
    }
    void Reopen() {
        Open([](TDBSetupForm& s) {
            ASSERT_TRUE(s.DirectoryListBox->SetDirectory(s.DirectoryListBox->Directory()));
            s.FilesOfType->UserSelect(0);
            s.FileListBox->UserSelect(s.FileListBox->IndexOf("folivex.db"));
            s.SelectButton->Click();
        });
    }

    std::string front, back;
};

TEST_F(ImportJourneyTest, ACancelledImportChangesNothingAndTheNextSaveKeepsThePictures) {
    ASSERT_EQ(program->CurrentRecord, 1);
    const TImportWizardForm::Choices before = Wizard().TakeChoices();
    // A semicolon file: the delimiter guess sets the wizard to it before it shows.
    ASSERT_TRUE(WriteWholeFile(dir.File("imports/lamps.csv"), "Lamp;tall;40\r\nDesk lamp;small;15\r\n"));
    std::string shownDelimiter;
    OpenImport("lamps.csv", [&](TImportWizardForm& w) {
        shownDelimiter = w.Delimiter->Text();
        w.MapToDB[0]->UserSetText("5");
        w.MapToDB[1]->UserSetText("");
        w.CheckImage[2]->Click();
        w.ImportCategory->UserSetText("Lamps");
        w.ImportMode->UserSelect(1);
        w.BitBtn2->Click();
    });
    EXPECT_EQ(shownDelimiter, "59");
    ASSERT_EQ(Messages().Messages().size(), 1u) << "only the setup dialog's hint for import files";
    EXPECT_EQ(Messages().Messages()[0].rfind("Remember, when Importing a database", 0), 0u);

    // The open database, the record on screen and the wizard are as they were.
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
    EXPECT_EQ(program->RecordCount, 2);
    EXPECT_EQ(program->CurrentRecord, 1);
    EXPECT_EQ(program->EditImagePaths, (std::array<std::string, 4>{front, back, "", ""}));
    EXPECT_FALSE(Main().SaveButton->Enabled());
    const TImportWizardForm::Choices after = Wizard().TakeChoices();
    EXPECT_EQ(after.Delimiter, before.Delimiter);
    EXPECT_EQ(after.Combo, before.Combo);
    EXPECT_EQ(after.MapToDB, before.MapToDB);
    EXPECT_EQ(after.Image, before.Image);
    EXPECT_EQ(after.Category, before.Category);
    EXPECT_EQ(after.CategoryField, before.CategoryField);
    EXPECT_EQ(after.Mode, before.Mode);
    EXPECT_EQ(after.Overflow, before.Overflow);

    // Edit a field of the record on screen, save the record and the database, open it again.
    Main().DBEdit[1]->SetFocus();
    Main().DBEdit[1]->UserSetText("XJ6");
    ASSERT_TRUE(Main().SaveButton->Enabled());
    Main().SaveButton->Click();
    EXPECT_EQ(program->RecordTable[0].Image, (std::array<std::string, 4>{front, back, "", ""}));
    ASSERT_TRUE(Main().SaveDatabase());
    const std::string saved = ReadWholeFile(dir.File("folivex.db")).value_or("");
    EXPECT_EQ(saved, "2\r\n" + RecordLine("Sport", {"Jaguar", "XJ6"}, {front, back}, "Fast") +
                         RecordLine("Family", {"Volvo", "V70"}, {}, ""));
    Reopen();
    ASSERT_EQ(program->RecordCount, 2);
    EXPECT_EQ(program->RecordTable[0].Field[1], "XJ6");
    EXPECT_EQ(program->RecordTable[0].Image, (std::array<std::string, 4>{front, back, "", ""}));
    EXPECT_EQ(program->EditImagePaths, (std::array<std::string, 4>{front, back, "", ""}));
}

TEST_F(ImportJourneyTest, AnAppendedCategoryJoinsTheListAndEveryRecordGetsItsPage) {
    ASSERT_EQ(Main().Category->Items(), (std::vector<std::string>{"Sport", "Family"}));
    ASSERT_TRUE(WriteWholeFile(dir.File("imports/lamps.csv"), "Floor lamp,40\r\nDesk lamp,15\r\nWall lamp,25\r\n"));
    OpenImport("lamps.csv", [](TImportWizardForm& w) {
        w.ImportCategory->UserSetText("Lamps");
        w.MapToDB[0]->UserSetText("1");
        w.MapToDB[1]->UserSetText("2");
        w.ImportMode->UserSelect(1);
        w.GoImportButton->Click();
    });
    ASSERT_EQ(program->RecordCount, 5);
    EXPECT_EQ(program->RecordTable[4].Category, "Lamps");
    EXPECT_EQ(Main().Category->Items(), (std::vector<std::string>{"Sport", "Family", "Lamps"}));

    // Saved and opened again, the list still holds it.
    ASSERT_TRUE(Main().SaveDatabase());
    Reopen();
    ASSERT_EQ(program->RecordCount, 5);
    EXPECT_EQ(Main().Category->Items(), (std::vector<std::string>{"Sport", "Family", "Lamps"}));

    // The publish writes a detail page for each of the five records: one per record of each category.
    Main().PublishClock = [] { return std::time_t(1796738639); };
    program->PublishMessageForm->DontShow->SetChecked(true);
    program->SearchSetup->EnableSearchButton->SetChecked(false);
    Messages().ClearLog();
    Main().PublishItButton->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    const std::string site = program->PublishDirectory;
    for (const char* page : {"qlx_1_1.htm", "qlx_2_1.htm", "qlx_3_1.htm", "qlx_3_2.htm", "qlx_3_3.htm"})
        EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, page))) << page << " in " << site;
    EXPECT_NE(ReadWholeFile(JoinPath(site, "qlx_3_3.htm")).value_or("").find("Wall lamp"), std::string::npos);
}

// Hostile values of every column type, imported from a real SQLite file through the ODBC window and the
// wizard, arrive as the record editor would store them typed: one line, quotes as two single quotes, at
// most 300 bytes without a broken character, nothing for NULL and for a BLOB.
TEST_F(ImportJourneyTest, HostileOdbcValuesAreStoredAsTypedOnes) {
    TestOdbc odbc;
    FOLIVEX_REQUIRE_ODBC(odbc);
    std::string accents;
    for (int i = 0; i < 1000; ++i) accents += "\xC3\xA9";  // 1000 accented letters, 2000 bytes
    odbc.Run("CREATE TABLE items (name TEXT, n INTEGER, price REAL, note TEXT, photo BLOB);"
             "INSERT INTO items VALUES ('Lamp, \"tall\" model', 42, 0.5, 'tab' || char(9) || 'here', X'89504E4700');"
             "INSERT INTO items VALUES ('two' || char(13) || char(10) || 'lines', NULL, -3.25, '(null)', NULL);"
             "INSERT INTO items VALUES ('Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e \xF0\x9F\x99\x82', 7, 1e3, '" + accents +
             "', X'00');"
             "INSERT INTO items VALUES (NULL, 0, NULL, 'say ''hi''', NULL)");
    const std::string source = ReadWholeFile(odbc.Database()).value();
    TDBForm& form = *program->DBForm;
    form.AliasName->SetText(TestDataSource);
    form.TableName->SetText("");
    form.SQL->SetText("select name, n, price, note, photo from items order by rowid");
    form.ImportName->SetText("items");
    form.FastODBCImport->SetChecked(false);
    Open([](TDBSetupForm& s) { s.ODBCButtonPressed->Click(); },
         [](TImportWizardForm& w) { w.GoImportButton->Click(); });
    ASSERT_EQ(program->DatabaseFileName, "items.db");
    ASSERT_EQ(program->RecordCount, 4);
    const std::vector<std::vector<std::string>> expected = {
        {"Lamp, ''tall'' model", "42", "0.5", "tab here", ""},
        {"two  lines", "", "-3.25", "", ""},
        {"Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e \xF0\x9F\x99\x82", "7", "1000.0", accents.substr(0, 300), ""},
        {"", "0", "", "say 'hi'", ""},
    };
    for (std::size_t r = 0; r < expected.size(); ++r)
        for (std::size_t c = 0; c < expected[r].size(); ++c)
            EXPECT_EQ(program->RecordTable[r].Field[c], expected[r][c]) << "row " << r + 1 << ", column " << c + 1;
    EXPECT_EQ(ReadWholeFile(odbc.Database()).value(), source) << "the data source is only read";
}

// "Use last Import Settings" imports without showing the wizard: a field that two of the query's columns
// would fill is refused there too, and the open database stays.
TEST_F(ImportJourneyTest, TheLastImportSettingsAreRefusedWhenTwoColumnsFillOneField) {
    TestOdbc odbc;
    FOLIVEX_REQUIRE_ODBC(odbc);
    odbc.Run(FixtureSql());
    TDBForm& form = *program->DBForm;
    form.AliasName->SetText(TestDataSource);
    form.TableName->SetText("cars");
    form.ImportName->SetText("cars");
    form.FastODBCImport->SetChecked(true);
    Wizard().MapToDB[0]->SetText("2");  // and column 2 keeps its 2
    Open([](TDBSetupForm& s) { s.ODBCButtonPressed->Click(); });
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{"BLOB objects such as images are not currently supported [photo]",
                                        "A Folivex Field takes the value of one column only: the later column would "
                                        "overwrite the earlier.\r\nField 2 would be filled by columns 1 and 2.\r\n"
                                        "Change or clear the Field box of all but one of them."}));
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
    EXPECT_EQ(program->RecordCount, 2);
    EXPECT_EQ(program->RecordTable[0].Field[0], "Jaguar");
    EXPECT_EQ(program->OdbcImport, 0);
}

}  // namespace
}  // namespace fv::testing
