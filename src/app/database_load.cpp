// Bringing a database into memory: the last-use file on the first load, the records of the database text
// file or of an import, the configuration (or the defaults of a new database), the republish flags, and
// record 1 on screen.
#include <algorithm>
#include <cmath>

#include "app/browser_form.h"
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "chartui/window/chart_window.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/fs/files.h"
#include "platform/text/numbers.h"
#include "platform/ui/edit.h"
#include "platform/ui/radio_button.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "records/configuration.h"
#include "records/configuration_reader.h"
#include "records/database_names.h"
#include "records/import_fill.h"
#include "records/new_database_defaults.h"
#include "records/state_files.h"

namespace fv {

namespace {

constexpr const char* NewImportMode = "New Import (Create a new Folivex database)";

}  // namespace

void TFolivexForm::InitialLoadTimerHit(Component* sender) { LoadDatabase(sender); }

void TFolivexForm::ApplyLastUse() {
    auto bytes = ReadWholeFile(JoinPath(P.ProgramDirectory, LastUseFileName));
    if (!bytes) return;
    LastUse last = ParseLastUse(*bytes);
    std::string dir = DirectoryOrRoot(P.App, last.DatabaseDirectory, "Your last used DataBase directory is Invalid :");
    P.DBSetupForm->SetDatabaseDirectory(dir);
    P.DatabaseDirectory = P.DBSetupForm->DirectoryListBox->Directory();
    if (!last.DatabaseFileName.empty()) {
        if (const std::optional<DatabaseFiles> files = DatabaseFilesFromDb(P.App, last.DatabaseFileName))
            P.Files() = *files;
    }
    if (!last.BrowserDirectory.empty() || !last.BrowserProgram.empty()) {
        std::string browserDir =
            DirectoryOrRoot(P.App, last.BrowserDirectory, "Your last specified Browser directory is Invalid :");
        P.BrowserForm->DirectoryListBox1->SetDirectory(browserDir);
        P.BrowserDirectory = P.BrowserForm->DirectoryListBox1->Directory();
        if (!last.BrowserProgram.empty()) {
            P.BrowserForm->FileListBox1->SelectFile(last.BrowserProgram);
            P.BrowserProgram = last.BrowserProgram;
        }
    }
    ReturnToDatabaseDirectory(P);
    // Sizes of 0 (or not numbers) leave a window as it is.
    Control* sized[] = {P.HTMLForm, P.ImportWizardForm, P.LangForm, this, P.RozizAForm,
                        P.RozizAForm->ChartVue, P.RozizAForm->MainPanel, P.RozizAForm->RozizAView,
                        P.RozizAForm->Panel1, P.RozizAForm->Panel2, P.RozizAForm->ChartScrollBar1};
    for (std::size_t i = 0; i < std::size(sized); ++i) {
        int width = last.Sizes[2 * i], height = last.Sizes[2 * i + 1];
        if (width != 0) sized[i]->SetWidth(width);
        if (height != 0) sized[i]->SetHeight(height);
    }
    // The chart window lays its parts out again for the size it was given.
    P.RozizAForm->SizesRestored();
}

ImportMapping TFolivexForm::WizardMapping() const {
    const TImportWizardForm& w = *P.ImportWizardForm;
    ImportMapping m;
    m.CategoryColumn = std::max(0, int(LeadingInteger(w.ImportCategoryField->Text())));
    m.FixedCategory = w.ImportCategory->Text();
    for (std::size_t i = 0; i < m.MapToDB.size(); ++i) {
        m.MapToDB[i] = w.MapToDB[i]->Text();
        m.CheckImage[i] = w.CheckImage[i]->Checked();
    }
    m.OverflowFields = w.OverflowFields->Text();
    m.Delimiter = w.DelimiterCode();
    return m;
}

void TFolivexForm::EndLoad() {
    P.LoadForm->Hide();
    P.App.SetScreenCursor(Cursor::Default);
    P.IsLoading = 0;
    P.ReadingConfig = 0;
}

void TFolivexForm::ReadConfigurationFile(Component* sender, TextStream& config, bool importSource) {
    Application& app = P.App;
    unreadConfigFile_.clear();
    const std::vector<const ConfigItem*> missing = MissingConfigurationItems(config.Bytes());
    // What the file does not hold takes the defaults a database without configuration gets; what it holds
    // is read over them.
    if (!missing.empty()) {
        InitialiseFontStructure(P);
        InitialiseForEmptyConfig(sender);
    }
    P.ReadingConfig = 1;
    ReadConfiguration(app, P, config, importSource);
    if (missing.empty()) return;
    unreadConfigFile_ = P.ConfigFileName;
    keptConfigFile_ = KeptConfigurationName(P.ConfigFileName);
    app.Beep(BeepKind::Exclamation);
    app.ShowMessage(EndedEarlyMessage(app, P.ConfigFileName, missing, keptConfigFile_));
}

void TFolivexForm::LoadDatabase(Component* sender) {
    Application& app = P.App;
    InitialLoadTimer->SetEnabled(false);
    // What a cancelled import or an append must put back. The database folder is the one from before the
    // database setup dialog: the dialog's directory list has already moved to the import file's folder.
    const std::string oldPublishDirectory = P.PublishDirectory;
    const DatabaseChanges::Remembered oldModified = P.Changes.Remember();
    const std::uint8_t oldImportPending = P.ImportPending;
    // The record on screen: a save after a cancelled import stores its pictures from here.
    const std::array<std::string, ImageCount> oldImagePaths = P.EditImagePaths;
    const bool oldSaveEnabled = SaveButton->Enabled(), oldCancelEnabled = CancelButton->Enabled();
    P.PublishDirectory = "none";
    P.ImportPending = 0;
    P.IsLoading = 1;
    app.SetScreenCursor(Cursor::HourGlass);
    TLoadForm& loadForm = *P.LoadForm;
    loadForm.LoadProgressBar->SetPosition(0);
    loadForm.Show();
    P.EditImagePaths = {};
    SaveButton->SetEnabled(false);
    CancelButton->SetEnabled(false);

    if (P.FirstLoad) {
        ApplyLastUse();
        P.FirstLoad = 0;
    }
    Repaint();
    loadForm.Repaint();
    ReturnToDatabaseDirectory(P);
    bool configExists = IsReadableFile(P.ConfigFileName);
    bool importSource = false, append = false, configRead = false;
    int importedFrom = 0, importedTo = 0;  // the table entries an import filled
    std::vector<std::string> missingImages;

    std::optional<TextStream> file;
    if (!P.OdbcImport) file = TextStream::Open(P.DatabaseFileName);
    if (!P.OdbcImport && !file) {
        if (P.NewDatabase) {
            P.RecordCount = 0;
            P.CurrentRecord = 0;
            ScrollBox->Clear();
            TheImage->Hide();
            for (RadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) r->SetChecked(false);
            for (Edit* e : DBEdit) e->SetText("");
            P.NewDatabase = 0;
        }
    } else {
        std::int32_t declared = 0;
        std::optional<TextStream> foreign;
        int count = 0;
        if (P.OdbcImport) {
            importSource = true;
            count = P.DBForm->Query.RecordCount();
        } else if (file->Size() == 0) {
            // An empty file is an empty database of our own; the user's file is never truncated.
        } else if (!ReadCountLine(*file, declared)) {
            importSource = true;
            foreign.emplace(NormaliseLineEnds(file->Bytes()));
            count = CountLines(*foreign);
        }

        if (importSource) {
            TImportWizardForm& wizard = *P.ImportWizardForm;
            const TImportWizardForm::Choices oldChoices = wizard.TakeChoices();
            if (foreign) {
                DelimiterChoice guess = DelimiterGuess(*foreign);
                wizard.Delimiter->SetText(std::to_string(guess.Code));
                wizard.ImportCombo->SetItemIndex(guess.ComboIndex);
            }
            app.Beep(BeepKind::Default);
            wizard.ImportCombo->SetEnabled(!P.OdbcImport);
            wizard.Delimiter->SetEnabled(!P.OdbcImport);
            const bool fast = P.OdbcImport && P.DBForm->FastODBCImport->Checked();
            // The last import settings are used unseen: a field that two of the query's columns would fill
            // is refused as the wizard's Import button refuses it.
            const std::optional<std::string> clash = fast ? wizard.FieldClash() : std::nullopt;
            if (clash) {
                app.Beep(BeepKind::Exclamation);
                app.ShowMessage(*clash);
            }
            if (!fast || clash) {
                int result = MrCancel;
                if (!clash) {
                    wizard.ImportFile = foreign ? &*foreign : nullptr;
                    result = wizard.ShowModal();
                    wizard.ImportFile = nullptr;
                }
                if (result == MrCancel) {
                    // Nothing was read: the open database, its names, its folders, its unsaved state, the
                    // record on screen with its pictures and the wizard's choices stay as they were, so that a
                    // save cannot overwrite the file that was offered for import or drop the pictures, and
                    // leaving still offers to save what was changed before.
                    P.Files() = P.SavedFiles;
                    P.PublishDirectory = oldPublishDirectory;
                    P.Changes.Restore(oldModified);
                    P.ImportPending = oldImportPending;
                    P.EditImagePaths = oldImagePaths;
                    SaveButton->SetEnabled(oldSaveEnabled);
                    CancelButton->SetEnabled(oldCancelEnabled);
                    wizard.PutBackChoices(oldChoices);
                    RestoreDatabaseDirectory();
                    ReturnToDatabaseDirectory(P);
                    P.OdbcImport = 0;
                    EndLoad();
                    return;
                }
            }
            app.SetScreenCursor(Cursor::HourGlass);
            // The wizard's preview read the first rows: the import starts from the top again.
            if (foreign) foreign->Rewind();
            append = wizard.ImportMode->Text() != NewImportMode;
            if (configExists && !append && !fast) {
                app.Beep(BeepKind::Question);
                std::string question = "An old '" + P.ConfigFileName +
                                       "' Folivex config file exists and will be associated with this Import. Do you "
                                       "want to remove the old file so a new one is created automatically for this "
                                       "Import ?";
                if (app.MessageBox(question, "Remove old .cfg file ?", MbYesNo | MbIconQuestion) == IdYes) {
                    RemoveFile(P.ConfigFileName);
                    configExists = false;
                }
            }
        }

        // Where the rows go.
        int first = 0;
        if (append) {
            first = P.RecordCount;
            P.CurrentRecord = P.RecordCount;
        } else {
            // Each row read empties its place first; the places past the new count are emptied after.
            P.CurrentRecord = 0;
            P.RecordCount = 0;
        }
        // The table's limit; the program's own file is read to its end whatever its count line says.
        const int room = MaxRecords - first;
        const int expected = importSource ? count : declared;
        if (expected > room) {
            app.Beep(BeepKind::Exclamation);
            app.ShowMessage("The number of records will be restricted to " + std::to_string(MaxRecords) + ".");
        }
        for (Edit* e : DBEdit) e->SetMaxLength(int(MaxSlotLength));
        ShowRecordCaption();
        Repaint();

        const ImportMapping mapping = importSource ? WizardMapping() : ImportMapping{};
        P.ImportDelimiter = importSource && !P.OdbcImport ? mapping.Delimiter : TabDelimiter;
        TextStream* rows = foreign ? &*foreign : file ? &*file : nullptr;
        std::optional<RecordTextReader> reader;
        // A foreign file's quoted values may hold the delimiter; our own file keeps its plain rule.
        if (rows) reader.emplace(*rows, P.ImportDelimiter, foreign ? QuotedValues::Protected : QuotedValues::Dropped);
        if (P.OdbcImport) P.DBForm->Query.First();
        const int progressOf = std::max(1, std::min(expected, room));
        int read = 0;
        bool moreRows = false;
        const ImportRoutes routes(mapping);
        DatabaseRecord beyondTheLimit;
        for (;;) {
            // Rows are read straight into their places in the table (a reload reuses the texts' storage);
            // a row past the limit only tells that there was one.
            DatabaseRecord& next = read < room ? P.RecordTable[std::size_t(first + read)] : beyondTheLimit;
            bool got = false;
            if (P.OdbcImport) {
                if (!P.DBForm->Query.Eof()) {
                    // A BLOB column gives the empty text, as the wizard's preview shows it: its bytes are
                    // no text for a field (the ODBC window says BLOBs are not supported).
                    const OdbcQuery& query = P.DBForm->Query;
                    std::vector<std::string> values;
                    for (int k = 0; k < query.ColumnCount(); ++k)
                        values.push_back(query.Columns()[std::size_t(k)].Type == ColumnType::Blob
                                             ? std::string()
                                             : OdbcImportText(query.Value(k)));
                    FillFromValues(values, mapping, routes, next, &missingImages);
                    P.DBForm->Query.Next();
                    got = true;
                }
            } else if (importSource) {
                got = ReadForeignRow(*reader, mapping, routes, next, &missingImages);
            } else if (file->Size() > 0) {
                got = ReadOwnRecord(*reader, next, &missingImages);
            }
            if (!got) break;
            if (read == room) {
                moreRows = true;
                break;
            }
            if (append) next.NeedsPublishing = 1;
            ++read;
            int percent = std::min(100, read * 100 / progressOf);
            if (percent > loadForm.LoadProgressBar->Position()) {
                loadForm.LoadProgressBar->SetPosition(percent);
                loadForm.LoadProgressBar->Repaint();
            }
        }
        P.RecordCount = first + read;
        importedFrom = first;
        importedTo = P.RecordCount;
        for (std::size_t k = std::size_t(P.RecordCount); k < P.RecordTable.size(); ++k) P.RecordTable[k].Clear();
        if (moreRows && expected <= room) {
            app.Beep(BeepKind::Exclamation);
            app.ShowMessage("The number of records will be restricted to " + std::to_string(MaxRecords) + ".");
        }
        if (!importSource && file->Size() > 0 && read != declared && !moreRows) {
            // The count line is only a claim: the rows that are there are what the database holds.
            app.Beep(BeepKind::Exclamation);
            app.ShowMessage("The database file says it holds " + std::to_string(declared) + " records, but " +
                            std::to_string(read) + " were found. The records found are loaded.");
        }
        P.CurrentRecord = P.RecordCount > 0 ? 1 : 0;
        if (append) {
            // The rows went into the open database: it keeps its names, its folder and its settings as they
            // are in memory (also those not saved yet), so its configuration is neither read again nor reset.
            P.Files() = P.SavedFiles;
            P.PublishDirectory = oldPublishDirectory;
            RestoreDatabaseDirectory();
            P.ImportPending = 0;
        }
        ReturnToDatabaseDirectory(P);
        if (append) {
            configRead = true;
        } else if (auto config = TextStream::Open(P.ConfigFileName)) {
            ReadConfigurationFile(sender, *config, importSource);
            configRead = true;
        } else {
            unreadConfigFile_.clear();
        }
        P.ReadingConfig = 0;
    }

    if (!configRead) {
        unreadConfigFile_.clear();
        InitialiseFontStructure(P);
        InitialiseForEmptyConfig(sender);
    }
    if (importSource) {
        // The site's pages are made per listed category: every category the imported records carry (a
        // fixed one of an append too) joins the list, which the configuration read or kept may lack.
        const std::vector<std::string> list = ListWithImportedCategories(Category->Items(), P, importedFrom, importedTo);
        if (list != Category->Items()) Category->SetItems(list);
    }
    // The flag stands for the reading of a configuration only; left set after a load that read none (the
    // empty start), it would keep the import wizard's preview blank on the first import.
    P.ReadingConfig = 0;
    ReturnToDatabaseDirectory(P);
    ShowRecordCaption();
    CurrentDatabase->SetText(P.DatabaseFileName);
    CurrentDatabase->Repaint();
    // The republish flags are those of the database's own file (its names changed together); after an
    // append the flags in memory stay, with the appended rows flagged.
    if (!append) ApplyRepublishBytes(P, ReadWholeFile(P.RepublishFileName));
    if (!missingImages.empty()) {
        // One message for all of them; the paths stay in the records for when the pictures come back.
        std::string list;
        for (std::size_t i = 0; i < missingImages.size() && i < 20; ++i) list += "\r\n" + missingImages[i];
        if (missingImages.size() > 20) list += "\r\n... and " + std::to_string(missingImages.size() - 20) + " more";
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("These image files have not been located:" + list);
    }
    Repaint();
    loadForm.Hide();
    RewindButtonClick(sender);
    if (P.RecordCount == 0) ShowRecordCaption();
    SetBrowseState(true);
    P.Inserting = 0;
    P.RecordModified = 0;
    if (importSource) P.Changes.Mark(Change::Import);
    else P.Changes.Clear(Settled::Loaded);
    // The chart window reads the chart file of the database it now shows; rows appended to the open
    // database keep the chart as it is.
    if (!append && P.RozizAForm) P.RozizAForm->DatabaseLoaded();
    app.SetScreenCursor(Cursor::Default);
    P.IsLoading = 0;
}

}  // namespace fv
