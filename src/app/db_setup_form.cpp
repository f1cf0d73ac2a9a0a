// The database setup dialog: its controls and the choosing, creating and deleting of databases.
//
//   +- Database Selection -------------------------------+ +- image panel ------------+
//   | Select Active Data Source                           | | Select Default Image Dir |
//   | [drive]                                             | | [drive]                  |
//   | [directory list......]  [file list.........]       | | [directory list]         |
//   |                          FileType: [*.db]           | | [image files]            |
//   | Selected Database [......]                          | | Initial Image Directory  |
//   | [Select / Import] [NEW] [DELETE]          [Cancel]  | | [......]   [OK] [Cancel] |
//   +-----------------------------------------------------+ +--------------------------+
//   +- ODBC Data Source -----------------------------------------------------------------+
//   | four lines of text                                   [ODBC Data Source] [Help]    |
//   +------------------------------------------------------------------------------------+
#include "app/db_setup_form.h"

#include "app/folivex_form.h"
#include "import/db_form.h"
#include "platform/fs/files.h"
#include "platform/ui/bevel.h"
#include "records/database_names.h"

namespace fv {

namespace {
const char* const ImageMask = "*.gif;*.jpg;*.bmp";
}  // namespace

TDBSetupForm::TDBSetupForm(Component* owner, Program& program) : ProgramForm(owner, program, "DBSetupForm") {
    SetCaption("DB Configuration");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 684, 428);
    MainPanel->BevelOuter = BevelKind::None;
    SizeToContainer(*MainPanel);

    DatabaseGroup = Add<GroupBox>(MainPanel, "DatabaseGroup", 8, 4, 440, 300, "Database Selection");
    SourceLabel = Add<Label>(DatabaseGroup, "SourceLabel", 12, 20, 150, 13, "Select Active Data Source");
    DriveComboBox1 = Add<DriveComboBox>(DatabaseGroup, "DriveComboBox1", 12, 38, 200, 21);
    DirectoryListBox = Add<fv::DirectoryListBox>(DatabaseGroup, "DirectoryListBox", 12, 64, 200, 184);
    FileListBox = Add<fv::FileListBox>(DatabaseGroup, "FileListBox", 222, 38, 206, 182);
    FileTypeLabel = Add<Label>(DatabaseGroup, "FileTypeLabel", 222, 230, 54, 13, "FileType:");
    FilesOfType = Add<ComboBox>(DatabaseGroup, "FilesOfType", 282, 226, 146, 21);
    FilesOfType->SetItems({"*.db", "*.txt", "*.*"});
    FilesOfType->SetText("*.db");
    FilesOfType->SetHint("Folivex files have an extension of '.db'. Select another file extension to locate Import files.");
    SelectedLabel = Add<Label>(DatabaseGroup, "SelectedLabel", 12, 254, 100, 13, "Selected Database");
    SelectedDatabase = Add<Edit>(DatabaseGroup, "SelectedDatabase", 116, 250, 312, 21);
    SelectButton = Add<Button>(DatabaseGroup, "SelectButton", 12, 272, 100, 25, "Select / Import");
    SelectButton->SetHint("Click here to Select this database as the Active one");
    NewButton = Add<Button>(DatabaseGroup, "NewButton", 118, 272, 70, 25, "NEW");
    NewButton->SetHint("Enter a new database name in the box provided and click here to create a NEW database");
    DeleteButton = Add<Button>(DatabaseGroup, "DeleteButton", 194, 272, 70, 25, "DELETE");
    DeleteButton->SetHint("Click here to delete the currently selected database");
    CancelButton = AddCancelButton(DatabaseGroup, "CancelButton", 353, 272, 75, 25, {.closes = false});
    // The group grew by the button row.
    SelectedDatabase->SetTop(246);
    SelectedLabel->SetTop(250);

    ImagePanel = Add<Panel>(MainPanel, "ImagePanel", 456, 10, 220, 294);
    ImagePanel->BevelOuter = BevelKind::Lowered;
    ImageDirLabel = Add<Label>(ImagePanel, "ImageDirLabel", 8, 6, 180, 13, "Select Default Image Directory");
    DriveComboBox2 = Add<DriveComboBox>(ImagePanel, "DriveComboBox2", 8, 24, 204, 21);
    ImageDirListBox = Add<fv::DirectoryListBox>(ImagePanel, "ImageDirListBox", 8, 50, 204, 100);
    ImageFileListBox = Add<fv::FileListBox>(ImagePanel, "ImageFileListBox", 8, 154, 204, 66);
    ImageFileListBox->SetMask(ImageMask);
    InitialImageLabel = Add<Label>(ImagePanel, "InitialImageLabel", 8, 224, 130, 13, "Initial Image Directory");
    ImageDirectory = Add<Edit>(ImagePanel, "ImageDirectory", 8, 240, 204, 21);
    ImageDirectory->SetReadOnly(true);
    OKButton = AddOkButton(ImagePanel, "OKButton", 8, 264, 98, 25, {.closes = false, .takesKey = false});
    OKButton->SetHint("Click here to set the default Image directory for this Database");
    BitBtn1 = AddCancelButton(ImagePanel, "BitBtn1", 114, 264, 98, 25, {.closes = false, .takesKey = false});

    ODBCGroup = Add<GroupBox>(MainPanel, "ODBCGroup", 8, 310, 668, 112, "ODBC Data Source");
    const char* lines[] = {
        "Click here if you would like to Import Data directly from an ODBC compliant data source, such as",
        "Oracle, Informix, Sybase, Access, SQL Server, etc. You will need to ensure you have an ODBC",
        "driver provided by your Database Vendor.",
        "Click the 'Help' button for further details.",
    };
    Label** labels[] = {&ODBCLabel1, &ODBCLabel2, &ODBCLabel3, &ODBCLabel4};
    for (int i = 0; i < 4; ++i)
        *labels[i] = Add<Label>(ODBCGroup, "ODBCLabel" + std::to_string(i + 1), 12, 20 + i * 15, 560, 13, lines[i]);
    ODBCButtonPressed = Add<Button>(ODBCGroup, "ODBCButtonPressed", 12, 80, 120, 25, "ODBC Data Source");
    HelpButton = Add<Button>(ODBCGroup, "HelpButton", 140, 80, 75, 25, "Help");
    HelpButton->SetHint("Click here for a list of Help Topics");

    // The lists: drive -> directory -> files, for the databases and for the images.
    DriveComboBox1->DirList = DirectoryListBox;
    DirectoryListBox->FileList = FileListBox;
    FileListBox->SetMask("*.db");
    FileListBox->SetDirectory(DirectoryListBox->Directory());
    DriveComboBox2->DirList = ImageDirListBox;
    ImageDirListBox->FileList = ImageFileListBox;
    ImageFileListBox->SetDirectory(ImageDirListBox->Directory());
    // The directory list is the database directory; both start in the folder the program starts in.
    P.DatabaseDirectory = DirectoryListBox->Directory();
    P.SavedDatabaseDirectory = P.DatabaseDirectory;
    P.DatabaseImageDirectory = ImageDirListBox->Directory();

    DirectoryListBox->OnChange = [this](Component*) { P.DatabaseDirectory = DirectoryListBox->Directory(); };
    FileListBox->OnClick = [this](Component* s) { FileListBoxChange(s); };
    FileListBox->OnDblClick = [this](Component* s) { FileListBoxDblClick(s); };
    SelectButton->OnClick = [this](Component* s) { SelectButtonClick(s); };
    NewButton->OnClick = [this](Component* s) { NewButtonClick(s); };
    DeleteButton->OnClick = [this](Component* s) { DeleteButtonClick(s); };
    CancelButton->OnClick = [this](Component* s) { CancelButtonClick(s); };
    BitBtn1->OnClick = [this](Component* s) { CancelButtonClick(s); };
    FilesOfType->OnChange = [this](Component* s) { FilesOfTypeChange(s); };
    DriveComboBox1->OnChange = [this](Component* s) { DriveComboBox1Change(s); };
    ODBCButtonPressed->OnClick = [this](Component* s) { ODBCButtonPressedClick(s); };
    HelpButton->OnClick = [this](Component* s) { HelpButtonClick(s); };
    ImageDirListBox->OnChange = [this](Component* s) { ImageFileListBoxChange(s); };
    ImageDirListBox->OnClick = [this](Component* s) { ImageFileListBoxChange(s); };
    ImageDirListBox->OnDblClick = [this](Component* s) { ImageFileListBoxChange(s); };
    ImageDirListBox->OnMouseDown = [this](Component* s, MouseButton, unsigned, int, int) { ImageFileListBoxChange(s); };
    ImageDirListBox->OnKeyPress = [this](Component* s, char&) { ImageFileListBoxChange(s); };
    ImageDirListBox->OnEnter = [this](Component* s) { ImageDirListBoxEnter(s); };
    ImageDirListBox->OnExit = [this](Component* s) { ImageDirListBoxEnter(s); };
    OKButton->OnClick = [this](Component* s) { OKButtonClick(s); };
    OnShow = [this](Component* s) { FormShow(s); };
    Hide();
}

bool TDBSetupForm::SetDatabaseDirectory(const std::string& dir) {
    if (!DirectoryListBox->SetDirectory(dir)) return false;
    P.DatabaseDirectory = DirectoryListBox->Directory();
    return true;
}

void TDBSetupForm::RereadDirectory() {
    // Setting the same directory reads it and its file list again.
    DirectoryListBox->SetDirectory(DirectoryListBox->Directory());
    P.DatabaseDirectory = DirectoryListBox->Directory();
}

void TDBSetupForm::Refuse(const std::string& message) {
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage(message);
}

void TDBSetupForm::FormShow(Component*) { P.NewDatabase = 0; }

void TDBSetupForm::FileListBoxChange(Component*) { SelectedDatabase->SetText(FileNamePart(FileListBox->FileName())); }

void TDBSetupForm::FileListBoxDblClick(Component* sender) {
    // Leaving the open database this way counts as a change of it, so that leaving later asks to save.
    P.Changes.Mark(Change::OtherDatabaseChosen);
    SelectButtonClick(sender);
}

void TDBSetupForm::SelectButtonClick(Component*) {
    ReturnToDatabaseDirectory(P);
    if (FileListBox->ItemIndex() < 0) {
        Refuse("A database File has not been selected. Select one or press Cancel.");
        return;
    }
    const std::string name = FileNamePart(FileListBox->FileName());
    if (!IsReadableFile(JoinPath(P.DatabaseDirectory, name))) {
        Refuse("Unable to open the selected database. Please select again.");
        return;
    }
    // Any extension is accepted (a foreign file is imported by the load), but the name must make companion
    // names of its own.
    const std::optional<DatabaseFiles> files = DatabaseFilesFromDb(P.App, name);
    if (!files) return;
    P.Files() = *files;
    SetModalResult(MrOk);
}

void TDBSetupForm::NewButtonClick(Component*) {
    if (SelectedDatabase->Text().empty()) {
        Refuse("Please specify a database name first.");
        return;
    }
    const std::string name = WithDbSuffix(FileNamePart(SelectedDatabase->Text()));
    SelectedDatabase->SetText(name);
    // The check looks in the database directory, wherever the image lists have moved the current one.
    if (PathExistsOnDisk(JoinPath(P.DatabaseDirectory, name))) {
        Refuse("This database already exists. If you wish to re-create it, select Delete first.");
        return;
    }
    const std::optional<DatabaseFiles> files = DatabaseFilesFromDb(P.App, name);
    if (!files) return;
    P.Files() = *files;
    SetModalResult(MrOk);
    P.NewDatabase = 1;
}

void TDBSetupForm::DeleteButtonClick(Component*) {
    if (SelectedDatabase->Text().empty()) {
        Refuse("Please specify a database name first.");
        return;
    }
    const std::string path = JoinPath(P.DatabaseDirectory, WithDbSuffix(FileNamePart(SelectedDatabase->Text())));
    SelectedDatabase->SetText(path);
    if (!IsReadableFile(path)) {
        Refuse("The identified database file does not exist. Cannot delete.");
        return;
    }
    P.App.Beep(BeepKind::Question);
    if (P.App.MessageBox("Are you sure you want to delete this database ?", "Delete DATABASE?",
                         MbYesNo | MbIconQuestion) != IdYes)
        return;
    RemoveFile(path);
    // The companions; a missing one is no error. The name ends ".db", so it always makes them.
    if (const std::optional<DatabaseFiles> files = CompanionFiles(path))
        for (const std::string* companion : {&files->ConfigFileName, &files->RepublishFileName, &files->ChartFileName})
            RemoveFile(*companion);
    RereadDirectory();
}

void TDBSetupForm::CancelButtonClick(Component*) { SetModalResult(MrCancel); }

void TDBSetupForm::FilesOfTypeChange(Component*) {
    FileListBox->SetMask(FilesOfType->Text());
    if (ImportReminderPending) {
        P.App.Beep(BeepKind::Default);
        P.App.ShowMessage(
            "Remember, when Importing a database, the data must first be Exported from its native Database to a "
            "text file. Any delimiter may be used when exporting a database, e.g. comma, tab, space, etc.");
        ImportReminderPending = false;
    }
}

void TDBSetupForm::DriveComboBox1Change(Component*) {
    SetDatabaseDirectory(DriveComboBox1->Drive());
    FileListBox->SetMask(FilesOfType->Text().empty() ? "*.db" : FilesOfType->Text());
}

void TDBSetupForm::ODBCButtonPressedClick(Component*) {
    P.App.Beep(BeepKind::Default);
    // The ODBC dialog is shown alone: this dialog steps out of its way until the answer closes it.
    Hide();
    const int result = P.DBForm->ShowModal();
    if (result == MrOk) SelectedDatabase->SetText(P.DBForm->ImportName->Text());
    // An accepted import reloads at once; a cancelled one closes this dialog too.
    SetModalResult(result == MrOk ? MrOk : MrCancel);
}

void TDBSetupForm::HelpButtonClick(Component*) {
    P.ViewTarget = "#about";
    P.FolivexForm->ViewButtonClick(this);
}

void TDBSetupForm::ImageFileListBoxChange(Component*) {
    const std::string dir = ImageDirListBox->Directory();
    ImageDirectory->SetText(dir);
    P.LastImageDirectory = dir;
    P.DatabaseImageDirectory = dir;
}

void TDBSetupForm::ImageDirListBoxEnter(Component* sender) {
    ImageFileListBoxChange(sender);
    // The configuration keeps the image directory: it must be saved.
    P.Changes.Mark(Change::Settings);
}

void TDBSetupForm::OKButtonClick(Component*) {
    P.DatabaseImageDirectory = ImageDirListBox->Directory();
    P.LastImageDirectory = P.DatabaseImageDirectory;
    ImageDirectory->SetText(P.DatabaseImageDirectory);
    SetModalResult(5);
}

}  // namespace fv
