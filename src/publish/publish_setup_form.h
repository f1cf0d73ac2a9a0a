// The publishing settings dialog "General Publishing Setup Rules": the publish folder, page and table
// colours or background images (each image with a drive box, folder list, file list and preview), the table
// heading, the instruction and header fonts, image and button sizes, the table widths and column
// percentages of the detail and quick-view pages, the cell alignments, the quick-view fields and the
// publishing switches. The controls are the settings: the publisher and the upload read them, the
// configuration file saves and restores them.
#pragma once

#include <array>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
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

class TPublishSetupForm : public ProgramForm {
public:
    TPublishSetupForm(Component* owner, Program& program);

    Panel* MainPanel;

    // Page background: a colour or an image.
    GroupBox* PageBackgroundGroup;
    Label* PageColourLabel;
    ComboBox* PageBackgroundColour;  // "Image" or a colour
    Edit* PageBackgroundSwatch;
    Label* PageImageLabel;
    Edit* PageBackgroundImageFile;
    Image* OlePageBackground;  // preview, hidden until an image is picked
    Label* InstructionLabel;   // "Instruction Text Settings"
    Edit* InstructionColour;   // colour of InstructionFont; double click edits the font
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBackground;
    FileListBox* FileListBackground;

    // Table heading: an image, else the heading text; HeaderColour edits the header font.
    GroupBox* TableHeadingGroup;
    Label* HeaderColourLabel;
    ComboBox* TableHeaderColour;  // "Image" or a colour
    Edit* HeaderColour;           // colour of HeaderFont; double click edits the font
    Label* TableHeaderLabel;
    Edit* TableHeader;
    Label* HeadingImageLabel;
    Edit* TableHeadingImageFile;
    Image* OleTableHeading;
    DriveComboBox* DriveComboBox2;
    DirectoryListBox* DirectoryListHeader;
    FileListBox* FileListHeader;

    // Table background: none, an image or a colour; and the two colours of alternating rows.
    GroupBox* TableBackgroundGroup;
    Label* TableColourLabel;
    ComboBox* TableBackgroundColour;  // "None", "Image" or a colour
    Edit* TableBackgroundSwatch;
    Label* TableImageLabel;
    Edit* TableBackgroundImageFile;
    Image* OleTableBackground;
    Label* C1Label;
    ComboBox* Alt1TableBackgroundColour;  // "None" or a colour
    Edit* C1Swatch;
    Label* C2Label;
    ComboBox* Alt2TableBackgroundColour;
    Edit* C2Swatch;
    DriveComboBox* DriveComboBox3;
    DirectoryListBox* DirectoryListTableBackground;
    FileListBox* FileListTableBackground;

    // Detail pages (and the index page's table width).
    GroupBox* DetailGroup;
    Label* DetailWidthLabel;
    Edit* DetailPageTableWidth;
    Label* DetailColumnHeading;
    Label* DetailPercentHeading;
    Label* DetailHAlignHeading;
    Label* DetailVAlignHeading;
    Label* DetailLabelRowLabel;
    Label* DetailDataRowLabel;
    Label* DetailImageRowLabel;
    Edit* DetailPageColumnWidthLABEL;
    Edit* DetailPageColumnWidthDATA;
    Edit* DetailPageColumnWidthIMAGE;
    ComboBox* DETAILLabelHAlign;
    ComboBox* DETAILLabelVAlign;
    ComboBox* DETAILDataHAlign;
    ComboBox* DETAILDataVAlign;
    ComboBox* DETAILImageHAlign;
    ComboBox* DETAILImageVAlign;

    // Quick-view pages (and the search result pages' alignment).
    GroupBox* QuickViewGroup;
    Label* QuickWidthLabel;
    Edit* QuickViewPageTableWidth;
    Label* QuickColumnsLabel;
    std::array<Edit*, 10> QuickViewPageColumnWidth;  // [0] is QuickViewPageColumnWidth1
    Label* QuickFieldsLabel;
    Edit* QuickViewFields;
    Label* QuickAlignLabel;
    ComboBox* QUICKHAlign;
    ComboBox* QUICKVAlign;

    // Sizes and switches.
    GroupBox* SizesGroup;
    Label* ImageWidthLabel;
    Edit* ImageWidth;
    Label* ImageHeightLabel;
    Edit* ImageHeight;
    Label* ButtonWidthLabel;
    Edit* ButtonWidth;
    Label* ButtonHeightLabel;
    Edit* ButtonHeight;
    CheckBox* ScaleImages;
    CheckBox* LinkImagesAtUpload;
    CheckBox* ForcePublish;

    // The publish folder and its published files.
    GroupBox* PublishGroup;  // "Publish from:"
    DriveComboBox* DriveComboBox4;
    DirectoryListBox* PublishDirectory;
    FileListBox* PublishFileList;  // hidden, mask "qlx*.*"

    Label* PatchHint1;
    Label* PatchHint2;
    Button* OKButton;

    // Handlers.
    void PageBackgroundColourChange(Component* sender);
    void TableHeaderColourChange(Component* sender);
    void AltTableBackgroundColourChange(Component* sender);
    void Alt1TableBackgroundColourChange(Component* sender);
    void Alt2TableBackgroundColourChange(Component* sender);
    void SelectSwatchColour(Component* sender);
    void TableBackgroundSwatchDblClick(Component* sender);
    void C1SwatchDblClick(Component* sender);
    void C2SwatchDblClick(Component* sender);
    void InstructionColourDblClick(Component* sender);
    void HeaderColourDblClick(Component* sender);
    void FileListBackgroundClick(Component* sender);
    void FileListHeaderClick(Component* sender);
    void FileListTableBackgroundClick(Component* sender);
    void PublishDirectoryClick(Component* sender);
    void PublishDirectoryChange(Component* sender);
    void OKButtonClick(Component* sender);
    void FormActivate(Component* sender);
    void FormDestroy(Component* sender);

    // The two sums of percentages: each text read by the leading-integer rule, whole (nothing is cut).
    // False after the exclamation beep and the message when the sum is not 100.
    bool ValidateDetailColumnWidths(const std::string& label, const std::string& data, const std::string& image);
    bool ValidateQuickViewColumnWidths(const std::array<std::string, 10>& widths);

    // Gives the swatches the colours their boxes name (what every activation does). Only a setting that
    // really changes by it - the colour text of the header font following TableHeaderColour - marks the
    // database as modified and every record for republishing.
    void ApplyColourBoxes();

    // The publishing settings of a database that has no configuration file yet: the swatch colours, the
    // publish folder "publish" below the start folder (made when it is not there), the image lists in the
    // start folder, and the page and table settings with the shipped "stone.gif" as table background.
    // Ends in the database's folder.
    void SetNewDatabaseDefaults(Component* sender);

private:
    enum class BoxKind { PageBackground, TableHeader, TableBackground, Alt1, Alt2 };
    // A colour box's change: the swatch takes the box's colour unless the box holds its keyword.
    // userChange: a change of the setting itself, which always counts; otherwise only a real change of
    // the header font's colour text does.
    void ColourBoxChanged(BoxKind kind, bool userChange);
    void PickSwatchColour(Edit* swatch, ComboBox* box, BoxKind kind);
    void PickImage(FileListBox* files, Edit* imageFile, Image* preview);
    void EditPatchFont(PublishFont& font, Edit* patch, bool headerFont);
};

}  // namespace fv
