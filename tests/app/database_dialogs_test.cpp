// The database setup dialog, the record images and the FTP settings, driven as a user drives them: NEW,
// DELETE and Select with the names they set, the image picker's three results and the record's image
// paths, the FTP dialog's Cancel, and the current directory after every dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/browser_form.h"
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/full_image_form.h"
#include "app/image_form.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/ui/button.h"
#include "records/record_text.h"
#include "support/database_files_printer.h"
#include "support/program_fixture.h"
#include "upload/ftp_form.h"

namespace fv::testing {
namespace {

class DatabaseDialogsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TDBSetupForm& SetupForm() { return *program->DBSetupForm; }
    // Runs the setup dialog from the main window with the user's actions; an import wizard that the
    // load then shows is cancelled.
    void RunSetup(const std::function<void(TDBSetupForm&)>& act) {
        wizardShown = false;
        app->OnModal = [&](Form& f) {
            if (&f == program->DBSetupForm) act(SetupForm());
            else if (&f == program->ImportWizardForm) {
                wizardShown = true;
                f.SetModalResult(MrCancel);
            }
        };
        Main().OpenButton->Click();
    }
    bool wizardShown = false;
    void Touch(const std::string& name) { ASSERT_TRUE(WriteWholeFile(dir.File(name), "x")); }
    bool Exists(const std::string& name) { return std::filesystem::exists(dir.File(name)); }
};

TEST_F(DatabaseDialogsTest, NewStockGivesStockDbAndStockCfg) {
    RunSetup([](TDBSetupForm& s) {
        s.SelectedDatabase->UserSetText("stock");
        s.NewButton->Click();
    });
    EXPECT_EQ(program->DatabaseFileName, "stock.db");
    EXPECT_EQ(program->ConfigFileName, "stock.cfg");
    // The new database is loaded at once: empty, under its name.
    EXPECT_EQ(program->NewDatabase, 0);
    EXPECT_EQ(program->RecordCount, 0);
    EXPECT_EQ(Main().CurrentDatabase->Text(), "stock.db");
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);

    // ".dbx" is not ".db": the suffix is added, and the companions follow the full name.
    RunSetup([](TDBSetupForm& s) {
        s.SelectedDatabase->UserSetText("stock.dbx");
        s.NewButton->Click();
    });
    EXPECT_EQ(program->DatabaseFileName, "stock.dbx.db");
    EXPECT_EQ(program->ConfigFileName, "stock.dbx.cfg");
}

// The name typed for NEW names the database and, with it, its configuration, chart settings and republish
// flags, which the load then reads and the next save writes.
TEST_F(DatabaseDialogsTest, NewNamesTheDatabaseWithAllItsFiles) {
    struct Case {
        std::string typed;
        DatabaseFiles files;
        const char* why;
    };
    const Case cases[] = {
        {"shop", {"shop.db", "shop.cfg", "shop.cht", "shop.rep"}, "the database extension is added"},
        {"BOOKS.DB", {"BOOKS.DB", "BOOKS.cfg", "BOOKS.cht", "BOOKS.rep"}, "an upper-case .db is .db"},
        {"my.shop", {"my.shop.db", "my.shop.cfg", "my.shop.cht", "my.shop.rep"}, "a dot inside the name stays"},
        {"/elsewhere/x.y/tools", {"tools.db", "tools.cfg", "tools.cht", "tools.rep"},
         "a typed folder is dropped: the database goes in the database folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + ": " + c.why);
        Messages().ClearLog();
        RunSetup([&](TDBSetupForm& s) {
            s.SelectedDatabase->UserSetText(c.typed);
            s.NewButton->Click();
        });
        EXPECT_EQ(program->Files(), c.files);
        EXPECT_EQ(Main().CurrentDatabase->Text(), c.files.DatabaseFileName);
        EXPECT_TRUE(Messages().Messages().empty());
    }
}

TEST_F(DatabaseDialogsTest, NewRefusesAnExistingOrEmptyOrUnderivableName) {
    Touch("stock.db");
    RunSetup([](TDBSetupForm& s) {
        s.NewButton->Click();
        s.SelectedDatabase->UserSetText("stock");
        s.NewButton->Click();
        s.SelectedDatabase->UserSetText(".db");
        s.NewButton->Click();
        EXPECT_EQ(s.ModalResult(), MrNone);
        s.CancelButton->Click();
    });
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{"Please specify a database name first.",
                                        "This database already exists. If you wish to re-create it, select Delete first.",
                                        "This file does not have a .db extension."}));
    EXPECT_EQ(program->NewDatabase, 0);
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
}

TEST_F(DatabaseDialogsTest, DeleteRemovesTheDatabaseAndItsCompanionsOnly) {
    for (const char* f : {"old.db", "old.cfg", "old.rep", "old.cht", "old.txt", "older.db", "other.cfg"}) Touch(f);
    Messages().Answer(IdNo);
    Messages().Answer(IdYes);
    RunSetup([&](TDBSetupForm& s) {
        s.SelectedDatabase->UserSetText("old");
        s.DeleteButton->Click();
        EXPECT_TRUE(Exists("old.db"));
        s.DeleteButton->Click();
        EXPECT_EQ(s.FileListBox->IndexOf("old.db"), -1);
        EXPECT_NE(s.FileListBox->IndexOf("older.db"), -1);
        s.DeleteButton->Click();
        s.CancelButton->Click();
    });
    for (const char* gone : {"old.db", "old.cfg", "old.rep", "old.cht"}) EXPECT_FALSE(Exists(gone)) << gone;
    for (const char* kept : {"old.txt", "older.db", "other.cfg"}) EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_EQ(Messages().Messages(), (std::vector<std::string>{
                                         "Are you sure you want to delete this database ?",
                                         "Are you sure you want to delete this database ?",
                                         "The identified database file does not exist. Cannot delete."}));
    EXPECT_EQ(SetupForm().SelectedDatabase->Text(), JoinPath(program->DatabaseDirectory, "old.db"));
}

TEST_F(DatabaseDialogsTest, SelectTakesTheListedFileAndAnyExtensionThatMakesCompanions) {
    Touch("list.txt");
    Touch("README");
    RunSetup([](TDBSetupForm& s) {
        s.SelectedDatabase->UserSetText("list.txt");
        s.SelectButton->Click();  // typed, not selected
        s.FilesOfType->UserSelect(2);
        s.FileListBox->UserSelect(s.FileListBox->IndexOf("README"));
        s.SelectButton->Click();
        s.FileListBox->UserSelect(s.FileListBox->IndexOf("list.txt"));
        EXPECT_EQ(s.SelectedDatabase->Text(), "list.txt");
        s.SelectButton->Click();
    });
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{
                  "A database File has not been selected. Select one or press Cancel.",
                  "Remember, when Importing a database, the data must first be Exported from its native Database to a "
                  "text file. Any delimiter may be used when exporting a database, e.g. comma, tab, space, etc.",
                  "This file does not have a .db extension."}));
    // The foreign file goes to the import wizard; cancelling it keeps the database that was open, under
    // its own names, so that a save cannot overwrite the file offered for import.
    EXPECT_TRUE(wizardShown);
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
    EXPECT_EQ(program->ConfigFileName, "folivex.cfg");
    EXPECT_EQ(program->Files(), DatabaseFiles{});
}

// An import file in another folder than the open database: the setup dialog browses there, so the
// database folder moves with it. A cancelled import or an append must leave the open database where it was,
// with its names and its settings; a save then writes beside it, never over the other folder's database.
class ImportFromAnotherFolderTest : public DatabaseDialogsTest {
protected:
    void SetUp() override {
        DatabaseDialogsTest::SetUp();
        // The database lives in a folder of its own, not the folder the program started in.
        std::filesystem::create_directories(dir.File("shop"));
        ASSERT_TRUE(WriteWholeFile(dir.File("shop/folivex.db"),
                                   *ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db")));
        RunSetup([this](TDBSetupForm& s) {
            ASSERT_TRUE(s.DirectoryListBox->SetDirectory(dir.File("shop")));
            s.FileListBox->UserSelect(s.FileListBox->IndexOf("folivex.db"));
            s.SelectButton->Click();
        });
        ASSERT_EQ(program->DatabaseDirectory, shop);
        ASSERT_EQ(program->RecordCount, 3);
        Main().DBLabel[0]->UserSetText("Model");
        program->DatabaseModified = 1;
        Main().SaveDBButtonClick(nullptr);
        loop.AdvanceBy(1000);
        std::filesystem::create_directories(dir.File("imports"));
        ASSERT_TRUE(WriteWholeFile(dir.File("imports/cars.csv"), "Ford,Ka\r\nMini,Cooper\r\n"));
        ASSERT_TRUE(WriteWholeFile(dir.File("imports/folivex.db"), unrelated));
        // A setting changed and not saved: the user answers No when the dialog offers to save it.
        Main().DBLabel[1]->UserSetText("Unsaved");
        program->DatabaseModified = 1;
        publishDirectory = program->PublishDirectory;
        Messages().ClearLog();
    }
    // Opens imports/cars.csv through the setup dialog; the wizard maps its two columns and imports or
    // appends, or is cancelled.
    enum class Wizard { Cancel, Append };
    void ImportFromTheOtherFolder(Wizard choice) {
        Messages().Answer(IdNo);
        app->OnModal = [this, choice](Form& f) {
            if (&f == program->DBSetupForm) {
                TDBSetupForm& s = SetupForm();
                ASSERT_TRUE(s.DirectoryListBox->SetDirectory(dir.File("imports")));
                s.FilesOfType->UserSelect(2);
                s.FileListBox->UserSelect(s.FileListBox->IndexOf("cars.csv"));
                s.SelectButton->Click();
                return;
            }
            ASSERT_EQ(&f, program->ImportWizardForm);
            TImportWizardForm& w = *program->ImportWizardForm;
            if (choice == Wizard::Cancel) {
                w.BitBtn2->Click();
                return;
            }
            w.MapToDB[0]->UserSetText("1");
            w.MapToDB[1]->UserSetText("2");
            w.ImportMode->UserSelect(1);
            w.GoImportButton->Click();
        };
        Main().OpenButton->Click();
    }
    void ExpectTheOpenDatabaseWhereItWas() {
        EXPECT_EQ(program->DatabaseDirectory, shop);
        EXPECT_EQ(SetupForm().DirectoryListBox->Directory(), shop);
        EXPECT_EQ(CurrentDirectory(), shop);
        EXPECT_EQ(program->DatabaseFileName, "folivex.db");
        EXPECT_EQ(program->ConfigFileName, "folivex.cfg");
        EXPECT_EQ(program->Files(), DatabaseFiles{});
        EXPECT_EQ(program->PublishDirectory, publishDirectory);
        EXPECT_EQ(Main().DBLabel[0]->Text(), "Model");
        EXPECT_EQ(Main().DBLabel[1]->Text(), "Unsaved");
        EXPECT_EQ(program->DatabaseModified, 1);  // leaving still offers to save
        EXPECT_EQ(program->ImportPending, 0);
    }
    void SaveAndCheckTheFiles() {
        Main().SaveDBButtonClick(nullptr);
        EXPECT_EQ(ReadWholeFile(dir.File("shop/folivex.db")), DatabaseText(*program));
        EXPECT_NE(ReadWholeFile(dir.File("shop/folivex.cfg")).value_or("").find("Unsaved"), std::string::npos);
        EXPECT_EQ(ReadWholeFile(dir.File("imports/folivex.db")), unrelated);
        EXPECT_FALSE(std::filesystem::exists(dir.File("imports/folivex.cfg")));
    }
    const std::string unrelated = "1\r\n\"Someone else's\"" + std::string(25, '\t') + "\r\n";
    const std::string shop = dir.File("shop");
    std::string publishDirectory;
};

TEST_F(ImportFromAnotherFolderTest, ACancelledImportLeavesTheDatabaseItsFolderAndItsSettings) {
    ASSERT_NE(publishDirectory, "none");
    ImportFromTheOtherFolder(Wizard::Cancel);
    ExpectTheOpenDatabaseWhereItWas();
    EXPECT_EQ(program->RecordCount, 3);
    EXPECT_EQ(program->RecordTable[0].Field[0], "Jaguar XJ");
    SaveAndCheckTheFiles();
}

TEST_F(ImportFromAnotherFolderTest, AnAppendGoesIntoTheOpenDatabaseWhereItIs) {
    ImportFromTheOtherFolder(Wizard::Append);
    ExpectTheOpenDatabaseWhereItWas();
    ASSERT_EQ(program->RecordCount, 5);
    EXPECT_EQ(program->RecordTable[0].Field[0], "Jaguar XJ");
    EXPECT_EQ(program->RecordTable[4].Field[0], "Mini");
    EXPECT_EQ(program->RecordTable[4].Field[1], "Cooper");
    SaveAndCheckTheFiles();
}

TEST_F(ImportFromAnotherFolderTest, ACancelledDialogLeavesTheDatabaseFolderWhereItWas) {
    Messages().Answer(IdNo);
    RunSetup([this](TDBSetupForm& s) {
        ASSERT_TRUE(s.DirectoryListBox->SetDirectory(dir.File("imports")));
        s.CancelButton->Click();
    });
    EXPECT_EQ(program->DatabaseDirectory, shop);
    EXPECT_EQ(SetupForm().DirectoryListBox->Directory(), shop);
    EXPECT_EQ(CurrentDirectory(), shop);
    SaveAndCheckTheFiles();
}

TEST_F(DatabaseDialogsTest, UnsavedChangesAreOfferedForSavingFirst) {
    program->DatabaseModified = 1;
    Messages().Answer(IdNo);
    RunSetup([](TDBSetupForm& s) { s.CancelButton->Click(); });
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Do you want to Save your recent changes ?"});
}

TEST_F(DatabaseDialogsTest, TheImageDirectoryOkClosesWithFiveAndThePickerOpensThere) {
    std::filesystem::create_directories(dir.File("pictures/cars"));
    const std::string pictures = dir.File("pictures");
    RunSetup([&](TDBSetupForm& s) {
        s.ImageDirListBox->SetDirectory(pictures);
        s.OKButton->Click();
        EXPECT_EQ(s.ModalResult(), 5);
    });
    EXPECT_EQ(program->DatabaseImageDirectory, pictures);
    EXPECT_EQ(program->LastImageDirectory, pictures);
    EXPECT_EQ(SetupForm().ImageDirectory->Text(), pictures);
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory) << "the image lists moved it; the dialog's end restores it";
}

TEST_F(DatabaseDialogsTest, AClickOrAKeyOnTheImageFoldersShowsTheFolderTheyAreIn) {
    const std::vector<std::pair<const char*, std::function<void(Control&)>>> actions = {
        {"mouse down", [](Control& c) { c.MouseDown(MouseButton::Left, SsLeft, 5, 5); }},
        {"key press", [](Control& c) { char key = 'c'; c.KeyPress(key); }},
    };
    for (const auto& [what, act] : actions) {
        RunSetup([&, act = act](TDBSetupForm& s) {
            s.ImageDirectory->SetText("elsewhere");
            program->DatabaseImageDirectory = "elsewhere";
            act(*s.ImageDirListBox);
            EXPECT_EQ(s.ImageDirectory->Text(), s.ImageDirListBox->Directory()) << what;
            EXPECT_EQ(program->DatabaseImageDirectory, s.ImageDirListBox->Directory()) << what;
            s.CancelButton->Click();
        });
    }
}

class RecordImagesTest : public DatabaseDialogsTest {
protected:
    void SetUp() override {
        DatabaseDialogsTest::SetUp();
        std::filesystem::create_directories(dir.File("pics"));
        for (const char* f : {"pics/a.jpg", "pics/b.gif", "pics/notes.txt"}) Touch(f);
        program->RecordCount = 2;
        program->RecordTable[0].Field[0] = "one";
        program->RecordTable[1].Field[0] = "two";
        program->RecordTable[0].Image[1] = dir.File("pics/b.gif");
        program->CurrentRecord = 1;
        Main().CopyRecordToScreen(nullptr, 0);
        program->LastImageDirectory = dir.File("pics");
        for (auto& r : program->RecordTable) r.NeedsPublishing = 0;
        Messages().ClearLog();
    }
    int Pick(Button* slotButton, const std::function<void(TImageForm&)>& act) {
        int result = -1;
        app->OnModal = [&](Form& f) {
            act(*program->ImageForm);
            result = f.ModalResult();
        };
        slotButton->Click();
        return result;
    }
};

TEST_F(RecordImagesTest, OkSetsTheSlotToTheFullPathAndShowsIt) {
    EXPECT_EQ(Pick(Main().Image1Button, [](TImageForm& p) {
                  EXPECT_EQ(p.FileList->Items(), (std::vector<std::string>{"a.jpg", "b.gif"}));
                  p.FileList->UserSelect(0);
                  p.OKButton->Click();
              }),
              1);
    EXPECT_EQ(program->EditImagePaths[0], dir.File("pics/a.jpg"));
    EXPECT_TRUE(Main().RadioButton1->Visible());
    EXPECT_TRUE(Main().RadioButton1->Checked());
    EXPECT_TRUE(Main().TheImage->Visible());
    EXPECT_EQ(program->RecordModified, 1);
    EXPECT_EQ(program->RecordTable[0].Image[0], "") << "the record changes when it is saved";
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 1);
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
    Main().SaveButton->Click();
    EXPECT_EQ(program->RecordTable[0].Image[0], dir.File("pics/a.jpg"));
}

TEST_F(RecordImagesTest, CancelChangesNothingAndMarksNothing) {
    EXPECT_EQ(Pick(Main().Image2Button, [](TImageForm& p) {
                  EXPECT_EQ(p.CurrentImageFile->Text(), p.FileList->FileName());
                  EXPECT_TRUE(p.ImageSelect->Visible());
                  p.DirList->SetDirectory("/");
                  p.CancelButton->Click();
              }),
              2);
    EXPECT_EQ(program->EditImagePaths[1], dir.File("pics/b.gif"));
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RecordModified, 0);
    EXPECT_EQ(program->LastImageDirectory, "/") << "the picker opens where it was last closed";
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
}

TEST_F(RecordImagesTest, ClearImageEmptiesTheSlotAndHidesItsButton) {
    EXPECT_EQ(Pick(Main().Image2Button, [](TImageForm& p) { p.ClearImageButton->Click(); }), 5);
    EXPECT_EQ(program->EditImagePaths[1], "");
    EXPECT_FALSE(Main().RadioButton2->Visible());
    EXPECT_EQ(program->RecordModified, 1);
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 1);
}

TEST_F(RecordImagesTest, DuringAnInsertThePickerShowsTheNewRecordsSlotNotAStaleEntry) {
    program->RecordTable[2].Image[0] = dir.File("pics/a.jpg");  // left over in the unused entry
    Main().AddButton->Click();
    Pick(Main().Image1Button, [](TImageForm& p) {
        EXPECT_EQ(p.CurrentImageFile->Text(), "");
        p.FileList->UserSelect(1);
        p.OKButton->Click();
    });
    EXPECT_EQ(program->EditImagePaths[0], dir.File("pics/b.gif"));
    EXPECT_EQ(program->Inserting, 1);
}

TEST_F(RecordImagesTest, ASlotWithoutAPictureOpensThePickerWithoutTheLastOnesPreview) {
    // Slot 2 shows b.gif in the preview; slot 1 has no image, slot 3 names a file that is gone.
    Pick(Main().Image2Button, [](TImageForm& p) {
        EXPECT_TRUE(p.ImageSelect->Visible());
        p.CancelButton->Click();
    });
    program->EditImagePaths[2] = dir.File("pics/gone.gif");
    for (Button* slot : {Main().Image1Button, Main().Image3Button}) {
        Pick(Main().Image2Button, [](TImageForm& p) { p.CancelButton->Click(); });
        Pick(slot, [&](TImageForm& p) {
            EXPECT_FALSE(p.ImageSelect->Visible()) << slot->Name() << ": no picture of another slot";
            EXPECT_EQ(p.ImageSelect->Picture(), nullptr) << slot->Name();
            EXPECT_EQ(p.CurrentImageFile->Text(), "") << slot->Name();
            // The file shown before is a new choice here: selecting it shows it again.
            app->ScriptedImageLoader().loaded.clear();
            p.FileList->UserSelect(p.FileList->IndexOf("b.gif"));
            EXPECT_EQ(app->ScriptedImageLoader().loaded, std::vector<std::string>{dir.File("pics/b.gif")});
            EXPECT_TRUE(p.ImageSelect->Visible()) << slot->Name();
            p.CancelButton->Click();
        });
    }
}

TEST_F(RecordImagesTest, NoRecordNoPickerAndPreviewLoadsAFileOnce) {
    program->RecordCount = 0;
    Main().Image3Button->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{
        "You must have at least 1 Record to use this option. Click on '+' to add a new record."});

    TImageForm& p = *program->ImageForm;
    p.DirList->SetDirectory(dir.File("pics"));
    app->ScriptedImageLoader().loaded.clear();
    p.FileList->UserSelect(0);
    p.FileList->MouseDown(MouseButton::Left, 0, 1, 1);
    p.FileList->MouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(app->ScriptedImageLoader().loaded, std::vector<std::string>{dir.File("pics/a.jpg")});

    // The arrow keys move through the list: the picture follows when the key comes up.
    int key = KeyDown;
    p.FileList->KeyDown(key, 0);
    p.FileList->UserSelect(1);
    p.FileList->KeyUp(key, 0);
    EXPECT_EQ(app->ScriptedImageLoader().loaded,
              (std::vector<std::string>{dir.File("pics/a.jpg"), dir.File("pics/b.gif")}));
}

TEST_F(RecordImagesTest, ScaleTogglesAndTheFullViewShowsACopy) {
    EXPECT_TRUE(Main().TheImage->Stretch());
    Main().ScaleButton->Click();
    EXPECT_FALSE(Main().TheImage->Stretch());
    EXPECT_TRUE(Main().HelpButton->Focused());
    Main().RadioButton2->Click();
    ASSERT_TRUE(Main().TheImage->Visible());
    bool shown = false;
    app->OnModal = [&](Form& f) {
        shown = &f == program->FullImageForm;
        TFullImageForm& full = *program->FullImageForm;
        ASSERT_NE(full.Image->Picture(), nullptr);
        EXPECT_NE(full.Image->Picture(), Main().TheImage->Picture());
        EXPECT_EQ(full.Image->Picture()->Width, Main().TheImage->Picture()->Width);
        full.BitBtn1->Click();
    };
    Main().TheImage->DblClick();
    EXPECT_TRUE(shown);
}

TEST_F(DatabaseDialogsTest, FtpSettingsCancelRestoresTheTextsAndTheModifiedMark) {
    TFTPForm& ftp = *program->FTPForm;
    EXPECT_EQ(ftp.FTPAccountID->Text(), "anonymous");
    EXPECT_EQ(ftp.FTPPassword->PasswordChar(), '*');
    EXPECT_EQ(ftp.FTPPort->MaxLength(), 5);
    EXPECT_EQ(ftp.FTPhost->MaxLength(), 199);
    for (std::uint8_t before : {0, 1}) {
        program->DatabaseModified = before;
        app->OnModal = [&](Form&) {
            ftp.FTPHostDir->UserSetText("www");
            ftp.FTPPort->UserSetText("2121x");
            EXPECT_EQ(ftp.FTPPort->Text(), "2121x");
            EXPECT_EQ(program->DatabaseModified, 1);
            ftp.CancelButton->Click();
        };
        Main().FTPWebServersettings1->Click();
        EXPECT_EQ(ftp.FTPHostDir->Text(), "qlx");
        EXPECT_EQ(ftp.FTPPort->Text(), "21");
        EXPECT_EQ(program->DatabaseModified, before);
    }
    app->OnModal = [&](Form&) {
        ftp.FTPHostDir->UserSetText("");
        ftp.OKButton->Click();
    };
    program->DatabaseModified = 0;
    Main().FTPWebServersettings1->Click();
    EXPECT_EQ(ftp.FTPHostDir->Text(), "");
    EXPECT_EQ(program->DatabaseModified, 1);
}

TEST_F(DatabaseDialogsTest, TheHelpButtonsOpenTheHelpPageThroughTheBrowserChoice) {
    program->BrowserForm->CheckBox->SetChecked(true);  // "Don't ask me again this session"
    struct Case {
        std::function<void()> press;
        const char* target;
    };
    const Case cases[] = {
        {[&] { SetupForm().HelpButton->Click(); }, "#about"},
        {[&] { program->DBForm->HelpButton->Click(); }, "#odbc"},
    };
    for (const Case& c : cases) {
        app->ScriptedShellOpener().opened.clear();
        c.press();
        EXPECT_EQ(program->ViewTarget, c.target);
        ASSERT_FALSE(app->ScriptedShellOpener().opened.empty()) << c.target;
        EXPECT_NE(app->ScriptedShellOpener().opened.back().second.find("folivex.htm"), std::string::npos) << c.target;
    }
}

}  // namespace
}  // namespace fv::testing
