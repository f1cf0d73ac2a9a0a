// The image picker: its controls, the preview and the ways it closes.
//
//   +- Image File Selection ---------------------------------------+
//   | [drive......]          +-preview-+                            |
//   | [directories]          |         |                            |
//   |                        +---------+                            |
//   |                        [Scale / Original Size]                |
//   | [files......]          Current Image File [.................] |
//   |                        [OK] [Clear Image] [Cancel]            |
//   +---------------------------------------------------------------+
#include "app/image_form.h"

#include "app/full_image_form.h"
#include "platform/ui/bevel.h"
#include "records/file_warning.h"

namespace fv {

namespace {
const char* const ImageHint = "Double Click the Image for a full View";
}  // namespace

TImageForm::TImageForm(Component* owner, Program& program) : ProgramForm(owner, program, "ImageForm") {
    SetCaption("Image Selection ");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    ImageGroup = Add<GroupBox>(this, "ImageGroup", 2, 2, 462, 300, "Image File Selection");
    SizeToContainer(*ImageGroup);
    DriveComboBox1 = Add<DriveComboBox>(ImageGroup, "DriveComboBox1", 10, 20, 180, 21);
    DirList = Add<DirectoryListBox>(ImageGroup, "DirList", 10, 46, 180, 136);
    FileList = Add<FileListBox>(ImageGroup, "FileList", 10, 188, 180, 102);
    // The pictures the image service reads; JPEG and PNG under their other common names too.
    FileList->SetMask("*.gif;*.jpg;*.bmp;*.jpeg;*.png");
    Panel1 = Add<Panel>(ImageGroup, "Panel1", 200, 20, 151, 111);
    Panel1->BevelOuter = BevelKind::Lowered;
    ImageSelect = Add<Image>(Panel1, "ImageSelect", 4, 4, 143, 103);
    ImageSelect->SetStretch(true);
    ImageSelect->Proportional = true;  // scaled to the box, a picture keeps its shape
    ImageSelect->SetHint(ImageHint);
    ImageSelect->Hide();
    ScaleButton = Add<Button>(ImageGroup, "ScaleButton", 200, 136, 151, 25, "Scale / Original Size");
    ScaleButton->SetHint(
        "Click here to display Images in original size or scaled to fit. Double Click the Image for a full view.");
    CurrentImageLabel = Add<Label>(ImageGroup, "CurrentImageLabel", 200, 176, 120, 13, "Current Image File");
    CurrentImageFile = Add<Edit>(ImageGroup, "CurrentImageFile", 200, 192, 252, 21);
    CurrentImageFile->SetReadOnly(true);
    CurrentImageFile->SetHint("This is the current file specified for this Image link");
    OKButton = Add<BitBtn>(ImageGroup, "OKButton", 200, 265, 80, 25, "OK");
    OKButton->ButtonKind = BitBtn::BtnKind::Ok;
    OKButton->Default = true;
    ClearImageButton = Add<Button>(ImageGroup, "ClearImageButton", 286, 265, 80, 25, "Clear Image");
    CancelButton = Add<BitBtn>(ImageGroup, "CancelButton", 372, 265, 80, 25, "Cancel");
    CancelButton->ButtonKind = BitBtn::BtnKind::Cancel;
    CancelButton->Cancel = true;

    DriveComboBox1->DirList = DirList;
    DirList->FileList = FileList;
    FileList->SetDirectory(DirList->Directory());
    InitialImageDirectory = DirList->Directory();
    P.LastImageDirectory = InitialImageDirectory;

    auto preview = [this](Component* s, MouseButton, unsigned, int, int) { FileListPreview(s); };
    auto previewKey = [this](Component* s, int&, unsigned) { FileListPreview(s); };
    FileList->OnMouseDown = preview;
    FileList->OnMouseUp = preview;
    FileList->OnKeyDown = previewKey;
    FileList->OnKeyUp = previewKey;
    // A selection made without the mouse or keys reaching the list (the view's own row change) previews too.
    FileList->OnClick = [this](Component* s) { FileListPreview(s); };
    FileList->OnDblClick = [this](Component* s) { FileListDblClick(s); };
    OKButton->OnClick = [this](Component* s) { OKButtonClick(s); };
    CancelButton->OnClick = [this](Component* s) { CancelButtonClick(s); };
    ClearImageButton->OnClick = [this](Component* s) { ClearImageButtonClick(s); };
    ImageSelect->OnDblClick = [this](Component* s) { ImageSelectDblClick(s); };
    ScaleButton->OnClick = [this](Component* s) { ScaleButtonClick(s); };
    Hide();
}

void TImageForm::ShowPreview(const BitmapPtr& picture) {
    ImageSelect->SetPicture(picture);
    ImageSelect->SetVisible(picture != nullptr);
}

void TImageForm::ClearPreview() {
    ShowPreview(nullptr);
    LastPreviewedImage.clear();
}

void TImageForm::FileListPreview(Component*) {
    const std::string path = FileList->FileName();
    if (path == LastPreviewedImage) return;
    if (!path.empty() && FileExistsOrWarn(P.App, path)) ShowPreview(P.App.Images().LoadImage(path));
    LastPreviewedImage = path;
}

void TImageForm::Close(int result) {
    P.LastImageDirectory = DirList->Directory();
    SetModalResult(result);
}

void TImageForm::FileListDblClick(Component*) { Close(MrOk); }
void TImageForm::OKButtonClick(Component*) { Close(MrOk); }
void TImageForm::CancelButtonClick(Component*) { Close(MrCancel); }

void TImageForm::ClearImageButtonClick(Component*) {
    // No file selected: the slot is emptied by whoever opened the picker.
    FileList->SetItemIndex(-1);
    Close(ClearResult);
}

void TImageForm::ImageSelectDblClick(Component*) {
    P.FullImageForm->ShowPicture(ImageSelect->Visible() ? ImageSelect->Picture() : nullptr);
}

void TImageForm::ScaleButtonClick(Component*) {
    ImageSelect->SetStretch(!ImageSelect->Stretch());
    OKButton->SetFocus();
}

}  // namespace fv
