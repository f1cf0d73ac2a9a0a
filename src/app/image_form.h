// The image picker "Image Selection ": drive, directory and file lists with a preview of the chosen
// picture. Results: 1 a file was chosen, 2 cancelled, 5 "Clear Image".
#pragma once

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TImageForm : public ProgramForm {
public:
    static constexpr int ClearResult = 5;

    TImageForm(Component* owner, Program& program);

    GroupBox* ImageGroup;
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirList;
    FileListBox* FileList;
    Panel* Panel1;
    Image* ImageSelect;
    Button* ScaleButton;
    Label* CurrentImageLabel;
    Edit* CurrentImageFile;
    BitBtn* OKButton;
    Button* ClearImageButton;
    BitBtn* CancelButton;

    // The picker's directory when the program started; the file whose preview shows last.
    std::string InitialImageDirectory;
    std::string LastPreviewedImage;

    // The preview of the selected file, run on the mouse and key events of the file list.
    void FileListPreview(Component* sender);
    void FileListDblClick(Component* sender);
    void OKButtonClick(Component* sender);
    void CancelButtonClick(Component* sender);
    void ClearImageButtonClick(Component* sender);
    void ImageSelectDblClick(Component* sender);
    void ScaleButtonClick(Component* sender);
    // Shows a picture in the preview (null hides it).
    void ShowPreview(const BitmapPtr& picture);
    // No preview, and no file counts as previewed: a click on any file shows it.
    void ClearPreview();

private:
    void Close(int result);
};

}  // namespace fv
