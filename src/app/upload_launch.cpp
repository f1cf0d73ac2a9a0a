// The main window's upload command ("Go !" and the upload button): the upload dialog prepared, shown
// modally, and the publishing settings' folder list put back afterwards.
#include "app/folivex_form.h"
#include "platform/ui/directory_list_box.h"
#include "publish/publish_setup_form.h"
#include "upload/upload_form.h"

namespace fv {

void TFolivexForm::UploadButton(Component*) {
    const std::string publishDirectory = P.PublishDirectory;
    // Putting the folder list back below marks the database modified through the list's change handler;
    // an upload changes nothing of the database, so the mark ends as it was: unsaved changes stay unsaved.
    const DatabaseChanges::Remembered modified = P.Changes.Remember();

    TUploadForm& upload = *P.UploadForm;
    upload.SendButton->SetEnabled(true);
    upload.FileNow->SetText("");
    upload.Tick->Hide();
    upload.Abort->Hide();
    upload.DisplayMemo->Clear();
    P.App.Beep(BeepKind::Default);
    upload.ShowModal();

    // The upload keeps its site listing in a temporary folder of its own, so there is no listing file
    // to delete here, and no file of the user's that happens to bear its name is touched.
    P.App.SetScreenCursor(Cursor::Default);
    // Setting the folder again reads it and its file list afresh.
    DirectoryListBox& folders = *P.PublishSetupForm->PublishDirectory;
    if (folders.SetDirectory(publishDirectory) && folders.FileList) folders.FileList->Update();
    P.PublishDirectory = publishDirectory;
    ReturnToDatabaseDirectory(P);
    P.Changes.Restore(modified);
}

}  // namespace fv
