// The main window's commands that open the database, image and FTP dialogs: the database setup dialog
// with the reload it leads to, the image picker of each image slot, the scale toggle and the full view
// of the record's picture, and the FTP server settings.
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/full_image_form.h"
#include "app/image_form.h"
#include "platform/fs/files.h"
#include "platform/ui/radio_button.h"
#include "records/file_warning.h"
#include "upload/ftp_form.h"

namespace fv {

void TFolivexForm::WireDatabaseCommands() {
    Image1Button->OnClick = [this](Component* s) { Image1ButtonClick(s); };
    Image2Button->OnClick = [this](Component* s) { Image2ButtonClick(s); };
    Image3Button->OnClick = [this](Component* s) { ImageButton3Click(s); };
    Image4Button->OnClick = [this](Component* s) { ImageButton4Click(s); };
    ScaleButton->OnClick = [this](Component* s) { ScaleButtonClick(s); };
    TheImage->OnDblClick = [this](Component* s) { TheImageDblClick(s); };
}

void TFolivexForm::DBSetupButtonClick(Component* sender) {
    TDBSetupForm& setup = *P.DBSetupForm;
    P.OdbcImport = 0;
    P.SavedFiles = P.Files();
    // A chart edited in the open chart window is a change of this database too: the question notes it.
    if (P.Changes.SaveOfferedBeforeOpening()) {
        P.App.Beep(BeepKind::Question);
        if (P.App.MessageBox("Do you want to Save your recent changes ?", "Save Changes?", MbYesNo | MbIconQuestion) ==
            IdYes)
            SaveDBButtonClick(sender);
    }
    // A vanished directory is replaced by the root before the dialog shows.
    if (!PathExistsOnDisk(P.DatabaseDirectory) || !setup.SetDatabaseDirectory(P.DatabaseDirectory))
        setup.SetDatabaseDirectory("/");
    setup.RereadDirectory();
    if (!PathExistsOnDisk(P.DatabaseImageDirectory) || !setup.ImageDirListBox->SetDirectory(P.DatabaseImageDirectory)) {
        setup.ImageDirListBox->SetDirectory("/");
        P.DatabaseImageDirectory = setup.ImageDirListBox->Directory();
    }
    setup.ImageDirListBox->SetDirectory(setup.ImageDirListBox->Directory());

    // The dialog's directory list is the database folder while the user browses: what it was is kept
    // for when no other database is opened after all.
    P.SavedDatabaseDirectory = P.DatabaseDirectory;

    P.App.Beep(BeepKind::Default);
    const int result = setup.ShowModal();
    Repaint();
    if (result != MrOk) RestoreDatabaseDirectory();
    // Browsing the image directories moved the current directory.
    ReturnToDatabaseDirectory(P);
    if (result == MrOk) {
        P.Changes.Clear(Settled::OtherDatabaseOpening);
        ReloadDatabase();
    }
}

void TFolivexForm::ReloadDatabase() { LoadDatabase(this); }

void TFolivexForm::RestoreDatabaseDirectory() {
    if (!P.DBSetupForm->SetDatabaseDirectory(P.SavedDatabaseDirectory)) P.DatabaseDirectory = P.SavedDatabaseDirectory;
}


void TFolivexForm::FTPWebServersettings1Click(Component*) {
    P.App.Beep(BeepKind::Default);
    P.FTPForm->ShowModal();
}

void TFolivexForm::PickRecordImage(int slot) {
    if (P.RecordCount == 0) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("You must have at least 1 Record to use this option. Click on '+' to add a new record.");
        return;
    }
    RadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    RadioButton* radio = radios[slot - 1];
    radio->SetChecked(true);
    ShowImage(slot);

    TImageForm& picker = *P.ImageForm;
    if (!picker.DirList->SetDirectory(P.LastImageDirectory)) picker.DirList->SetDirectory(P.DatabaseDirectory);
    picker.DirList->SetDirectory(picker.DirList->Directory());  // read it again
    picker.CurrentImageFile->SetText("");
    // The slot as it is on screen: during an insert or an edit the table entry is not the record shown.
    const std::string current = P.EditImagePaths[std::size_t(slot - 1)];
    if (!current.empty() && FileExistsOrWarn(P.App, current)) {
        picker.ShowPreview(P.App.Images().LoadImage(current));
        picker.CurrentImageFile->SetText(current);
        picker.FileList->SelectFile(current);
        if (DirName(current) != picker.DirList->Directory()) picker.FileList->SetItemIndex(-1);
    } else {
        // No picture in this slot: the preview of whatever file the picker showed last would pass for it.
        picker.ClearPreview();
    }

    P.App.Beep(BeepKind::Default);
    const int result = picker.ShowModal();
    ReturnToDatabaseDirectory(P);
    if (result != MrOk && result != TImageForm::ClearResult) {
        picker.DirList->SetDirectory(picker.InitialImageDirectory);
        ReturnToDatabaseDirectory(P);
        return;
    }
    DBRecordChange(this);
    P.EditImagePaths[std::size_t(slot - 1)] = picker.FileList->FileName();
    radio->SetVisible(!P.EditImagePaths[std::size_t(slot - 1)].empty());
    // The record's pages show the new picture: they must be published again.
    if (P.CurrentRecord >= 1 && P.CurrentRecord <= P.RecordCount)
        P.RecordTable[std::size_t(P.CurrentRecord - 1)].NeedsPublishing = 1;
    ShowImage(slot);
}

void TFolivexForm::ScaleButtonClick(Component*) {
    TheImage->SetStretch(!TheImage->Stretch());
    HelpButton->SetFocus();
}

void TFolivexForm::TheImageDblClick(Component*) {
    P.FullImageForm->ShowPicture(TheImage->Visible() ? TheImage->Picture() : nullptr);
}

}  // namespace fv
