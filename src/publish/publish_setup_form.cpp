// The publishing settings dialog: controls, layout and handlers.
//
// Layout of the 916 x 532 panel: three image pickers along the top, the detail page, quick-view page and
// size settings below them, the publish folder at the bottom left and the OK button at the bottom right.
//
//   +- Page Background -----+ +- Table Heading --------+ +- Table Background -----+
//   | Colour [....v][#] [pre-| | Colour [....v][#] [pre-| | Colour [....v][#] [pre-|
//   | Image  [.........] view]| | Text   [.........] view]| | Image  [.........] view]|
//   | Instruction Text    [#] | | Image  [.........]      | | C1 [...v][#] C2 [...v][#]
//   | [drive v]  [files.....] | | [drive v]  [files.....] | | [drive v]  [files.....] |
//   | [folders]  [.........] | | [folders]  [.........] | | [folders]  [.........] |
//   +------------------------+ +------------------------+ +------------------------+
//   +- Detail Page ----------+ +- Quick View Page ------+ +- Images and Buttons ----+
//   +- Publish from: -------------------------------------+  patch hints
//   | [drive v]  [folders of the publish directory......] |             [  OK  ]
#include "publish/publish_setup_form.h"

#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "platform/text/numbers.h"
#include "program/republish_file.h"
#include "publish/font_form.h"
#include "publish/publish_helpers.h"
#include "records/file_warning.h"

namespace fv {

namespace {

constexpr int GroupWidth = 296;
constexpr int PickerHeight = 234;
constexpr int SettingsHeight = 150;
constexpr int Column1 = 8, Column2 = 310, Column3 = 612;
constexpr int TopRow = 8, MiddleRow = TopRow + PickerHeight + 6, BottomRow = MiddleRow + SettingsHeight + 6;

const std::vector<std::string> HAlignItems = {"none", "left", "center", "right"};
const std::vector<std::string> VAlignItems = {"none", "top", "middle", "bottom"};

std::vector<std::string> WithColours(std::vector<std::string> first) {
    const std::vector<std::string>& names = StandardColourNames();
    first.insert(first.end(), names.begin(), names.end());
    return first;
}

bool SameFont(const PublishFont& a, const PublishFont& b) {
    return a.Colour == b.Colour && a.Face == b.Face && a.Size == b.Size && a.Style == b.Style;
}

const char* const SwatchHint = "Double Click to select the colour";
const char* const ImageListHint = "Click an image to use it";

}  // namespace

TPublishSetupForm::TPublishSetupForm(Component* owner, Program& program)
    : ProgramForm(owner, program, "PublishSetupForm") {
    SetCaption("General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 916, 532);
    SizeToContainer(*MainPanel);

    auto label = [&](Control* parent, const std::string& name, int left, int top, int width, const std::string& text) {
        return Add<Label>(parent, name, left, top + 4, width, 13, text);
    };
    auto edit = [&](Control* parent, const std::string& name, int left, int top, int width, int maxLength,
                    const std::string& text) {
        Edit* e = Add<Edit>(parent, name, left, top, width, 21);
        if (maxLength > 0) e->SetMaxLength(maxLength);
        e->SetText(text);
        return e;
    };
    auto combo = [&](Control* parent, const std::string& name, int left, int top, int width,
                     const std::vector<std::string>& items, const std::string& text) {
        ComboBox* c = Add<ComboBox>(parent, name, left, top, width, 21);
        c->SetItems(items);
        c->SetText(text);
        return c;
    };
    auto swatch = [&](Control* parent, const std::string& name, int left, int top, Color colour,
                      const std::string& hint) {
        Edit* s = Add<Edit>(parent, name, left, top, 22, 21);
        s->SetReadOnly(true);
        s->SetTabStop(false);
        s->SetColor(colour);
        s->SetHint(hint);
        return s;
    };
    auto preview = [&](Control* parent, const std::string& name) {
        Image* i = Add<Image>(parent, name, 212, 20, 76, 48);
        i->SetStretch(true);
        i->Proportional = true;  // a wide banner stays a banner in the small preview
        i->Hide();
        return i;
    };
    // A drive box above a folder list on the left and a file list on the right, linked to each other.
    auto picker = [&](Control* parent, const std::string& drive, const std::string& folders, const std::string& files,
                      const std::string& mask, DriveComboBox*& d, DirectoryListBox*& dl, FileListBox*& fl) {
        d = Add<DriveComboBox>(parent, drive, 8, 100, 136, 21);
        dl = Add<DirectoryListBox>(parent, folders, 8, 126, 136, 100);
        fl = Add<FileListBox>(parent, files, 150, 100, 138, 126);
        fl->SetMask(mask);
        fl->SetHint(ImageListHint);
        d->DirList = dl;
        dl->FileList = fl;
        fl->SetDirectory(dl->Directory());
        DirectoryListBox* list = dl;
        DriveComboBox* box = d;
        d->OnChange = [list, box](Component*) { list->SetDirectory(box->Drive()); };
    };

    // Page background.
    PageBackgroundGroup = Add<GroupBox>(MainPanel, "PageBackgroundGroup", Column1, TopRow, GroupWidth, PickerHeight,
                                        "Page Background");
    PageColourLabel = label(PageBackgroundGroup, "PageColourLabel", 8, 20, 44, "Colour");
    PageBackgroundColour = combo(PageBackgroundGroup, "PageBackgroundColour", 56, 20, 120, WithColours({"Image"}), "Image");
    PageBackgroundColour->SetHint("Pick a colour, or 'Image' for the background image below");
    PageBackgroundSwatch = swatch(PageBackgroundGroup, "PageBackgroundSwatch", 182, 20, ClWhite, SwatchHint);
    PageImageLabel = label(PageBackgroundGroup, "PageImageLabel", 8, 46, 44, "Image");
    PageBackgroundImageFile = edit(PageBackgroundGroup, "PageBackgroundImageFile", 56, 46, 148, 0, "");
    OlePageBackground = preview(PageBackgroundGroup, "OlePageBackground");
    InstructionLabel = label(PageBackgroundGroup, "InstructionLabel", 8, 72, 150, "Instruction Text Settings");
    InstructionColour = swatch(PageBackgroundGroup, "InstructionColour", 182, 72, ClSilver,
                               "Double Click to select the Font Settings of the instruction texts");
    picker(PageBackgroundGroup, "DriveComboBox1", "DirectoryListBackground", "FileListBackground", "*.jpg;*.gif",
           DriveComboBox1, DirectoryListBackground, FileListBackground);

    // Table heading.
    TableHeadingGroup = Add<GroupBox>(MainPanel, "TableHeadingGroup", Column2, TopRow, GroupWidth, PickerHeight,
                                      "Table Heading (Image or Text)");
    HeaderColourLabel = label(TableHeadingGroup, "HeaderColourLabel", 8, 20, 44, "Colour");
    TableHeaderColour = combo(TableHeadingGroup, "TableHeaderColour", 56, 20, 120, WithColours({"Image"}), "Image");
    TableHeaderColour->SetHint("Pick 'Image' for the heading image below, or a colour for the heading text");
    HeaderColour = swatch(TableHeadingGroup, "HeaderColour", 182, 20, ClRed,
                          "Double Click to select the Font Settings of the headings");
    TableHeaderLabel = label(TableHeadingGroup, "TableHeaderLabel", 8, 46, 44, "Text");
    TableHeader = edit(TableHeadingGroup, "TableHeader", 56, 46, 148, 0, "Folivex");
    HeadingImageLabel = label(TableHeadingGroup, "HeadingImageLabel", 8, 72, 44, "Image");
    TableHeadingImageFile = edit(TableHeadingGroup, "TableHeadingImageFile", 56, 72, 148, 0, "");
    OleTableHeading = preview(TableHeadingGroup, "OleTableHeading");
    picker(TableHeadingGroup, "DriveComboBox2", "DirectoryListHeader", "FileListHeader", "*.jpg;*.gif", DriveComboBox2,
           DirectoryListHeader, FileListHeader);

    // Table background and alternating rows.
    TableBackgroundGroup = Add<GroupBox>(MainPanel, "TableBackgroundGroup", Column3, TopRow, GroupWidth, PickerHeight,
                                         "Table Background");
    TableColourLabel = label(TableBackgroundGroup, "TableColourLabel", 8, 20, 44, "Colour");
    TableBackgroundColour =
        combo(TableBackgroundGroup, "TableBackgroundColour", 56, 20, 120, WithColours({"None", "Image"}), "Image");
    TableBackgroundColour->SetHint("Pick a colour, 'Image' for the background image below, or 'None'");
    TableBackgroundSwatch = swatch(TableBackgroundGroup, "TableBackgroundSwatch", 182, 20, ClWhite, SwatchHint);
    TableImageLabel = label(TableBackgroundGroup, "TableImageLabel", 8, 46, 44, "Image");
    TableBackgroundImageFile = edit(TableBackgroundGroup, "TableBackgroundImageFile", 56, 46, 148, 0, "");
    OleTableBackground = preview(TableBackgroundGroup, "OleTableBackground");
    C1Label = label(TableBackgroundGroup, "C1Label", 8, 72, 14, "C1");
    Alt1TableBackgroundColour =
        combo(TableBackgroundGroup, "Alt1TableBackgroundColour", 26, 72, 92, WithColours({"None"}), "None");
    Alt1TableBackgroundColour->SetHint("First colour of alternating table rows ('None' for no alternating colours)");
    C1Swatch = swatch(TableBackgroundGroup, "C1Swatch", 122, 72, ClWhite, SwatchHint);
    C2Label = label(TableBackgroundGroup, "C2Label", 152, 72, 14, "C2");
    Alt2TableBackgroundColour =
        combo(TableBackgroundGroup, "Alt2TableBackgroundColour", 170, 72, 92, WithColours({"None"}), "None");
    Alt2TableBackgroundColour->SetHint("Second colour of alternating table rows");
    C2Swatch = swatch(TableBackgroundGroup, "C2Swatch", 266, 72, ClWhite, SwatchHint);
    picker(TableBackgroundGroup, "DriveComboBox3", "DirectoryListTableBackground", "FileListTableBackground",
           "*.gif;*.jpg", DriveComboBox3, DirectoryListTableBackground, FileListTableBackground);

    // Detail pages.
    DetailGroup = Add<GroupBox>(MainPanel, "DetailGroup", Column1, MiddleRow, GroupWidth, SettingsHeight, "Detail Page");
    DetailWidthLabel = label(DetailGroup, "DetailWidthLabel", 8, 20, 70, "Table Width");
    DetailPageTableWidth = edit(DetailGroup, "DetailPageTableWidth", 84, 20, 44, 4, "500");
    DetailPageTableWidth->SetHint("Width in pixels of the table of the Detail pages and of the Index page");
    DetailColumnHeading = Add<Label>(DetailGroup, "DetailColumnHeading", 8, 48, 44, 13, "Column");
    DetailPercentHeading = Add<Label>(DetailGroup, "DetailPercentHeading", 84, 48, 46, 13, "Width %");
    DetailHAlignHeading = Add<Label>(DetailGroup, "DetailHAlignHeading", 136, 48, 70, 13, "Horizontal");
    DetailVAlignHeading = Add<Label>(DetailGroup, "DetailVAlignHeading", 216, 48, 60, 13, "Vertical");
    struct DetailRow {
        const char* Caption;
        const char* LabelName;
        const char* Width;
        const char* HAlign;
        const char* VAlign;
        const char* Percent;
        const char* HValue;
    };
    const DetailRow rows[] = {
        {"Label", "DetailLabelRowLabel", "DetailPageColumnWidthLABEL", "DETAILLabelHAlign", "DETAILLabelVAlign", "20", "left"},
        {"Data", "DetailDataRowLabel", "DetailPageColumnWidthDATA", "DETAILDataHAlign", "DETAILDataVAlign", "45", "left"},
        {"Image", "DetailImageRowLabel", "DetailPageColumnWidthIMAGE", "DETAILImageHAlign", "DETAILImageVAlign", "35", "center"},
    };
    Label* rowLabels[3];
    Edit* widths[3];
    ComboBox* hAligns[3];
    ComboBox* vAligns[3];
    for (int r = 0; r < 3; ++r) {
        const int top = 64 + r * 26;
        rowLabels[r] = label(DetailGroup, rows[r].LabelName, 8, top, 44, rows[r].Caption);
        widths[r] = edit(DetailGroup, rows[r].Width, 84, top, 32, 2, rows[r].Percent);
        widths[r]->SetHint("Percentage of the table width (the three must add up to 100)");
        hAligns[r] = combo(DetailGroup, rows[r].HAlign, 136, top, 74, HAlignItems, rows[r].HValue);
        vAligns[r] = combo(DetailGroup, rows[r].VAlign, 216, top, 72, VAlignItems, "middle");
    }
    DetailLabelRowLabel = rowLabels[0], DetailDataRowLabel = rowLabels[1], DetailImageRowLabel = rowLabels[2];
    DetailPageColumnWidthLABEL = widths[0], DetailPageColumnWidthDATA = widths[1], DetailPageColumnWidthIMAGE = widths[2];
    DETAILLabelHAlign = hAligns[0], DETAILDataHAlign = hAligns[1], DETAILImageHAlign = hAligns[2];
    DETAILLabelVAlign = vAligns[0], DETAILDataVAlign = vAligns[1], DETAILImageVAlign = vAligns[2];

    // Quick-view pages.
    QuickViewGroup =
        Add<GroupBox>(MainPanel, "QuickViewGroup", Column2, MiddleRow, GroupWidth, SettingsHeight, "Quick View Page");
    QuickWidthLabel = label(QuickViewGroup, "QuickWidthLabel", 8, 20, 70, "Table Width");
    QuickViewPageTableWidth = edit(QuickViewGroup, "QuickViewPageTableWidth", 84, 20, 44, 4, "500");
    QuickViewPageTableWidth->SetHint("Width in pixels of the table of the Quick View pages");
    QuickColumnsLabel = Add<Label>(QuickViewGroup, "QuickColumnsLabel", 8, 48, 280, 13,
                                   "Column widths % (leave unused columns as 0)");
    for (int k = 0; k < 10; ++k) {
        QuickViewPageColumnWidth[std::size_t(k)] =
            edit(QuickViewGroup, "QuickViewPageColumnWidth" + std::to_string(k + 1), 8 + k * 28, 64, 26, 2,
                 k < 5 ? "20" : "0");
        QuickViewPageColumnWidth[std::size_t(k)]->SetHint("Percentage of the table width taken by column " +
                                                          std::to_string(k + 1) + " (all ten must add up to 100)");
    }
    QuickFieldsLabel = label(QuickViewGroup, "QuickFieldsLabel", 8, 90, 44, "Fields");
    QuickViewFields = edit(QuickViewGroup, "QuickViewFields", 56, 90, 232, 60, "1,2,3,4,5,6,7,8");
    QuickViewFields->SetHint("The field numbers shown on the Quick View pages, separated by commas");
    QuickAlignLabel = label(QuickViewGroup, "QuickAlignLabel", 8, 116, 44, "Align");
    QUICKHAlign = combo(QuickViewGroup, "QUICKHAlign", 56, 116, 112, HAlignItems, "left");
    QUICKHAlign->SetHint("Horizontal alignment of the cells of the Quick View and Search result pages");
    QUICKVAlign = combo(QuickViewGroup, "QUICKVAlign", 176, 116, 112, VAlignItems, "middle");
    QUICKVAlign->SetHint("Vertical alignment of the cells of the Quick View and Search result pages");

    // Sizes and switches.
    SizesGroup = Add<GroupBox>(MainPanel, "SizesGroup", Column3, MiddleRow, GroupWidth, SettingsHeight,
                               "Images and Buttons");
    ImageWidthLabel = label(SizesGroup, "ImageWidthLabel", 8, 20, 76, "Image Width");
    ImageWidth = edit(SizesGroup, "ImageWidth", 88, 20, 44, 4, "120");
    ImageHeightLabel = label(SizesGroup, "ImageHeightLabel", 150, 20, 40, "Height");
    ImageHeight = edit(SizesGroup, "ImageHeight", 196, 20, 44, 4, "80");
    ButtonWidthLabel = label(SizesGroup, "ButtonWidthLabel", 8, 46, 76, "Button Width");
    ButtonWidth = edit(SizesGroup, "ButtonWidth", 88, 46, 44, 2, "18");
    ButtonHeightLabel = label(SizesGroup, "ButtonHeightLabel", 150, 46, 40, "Height");
    ButtonHeight = edit(SizesGroup, "ButtonHeight", 196, 46, 44, 2, "18");
    ImageWidth->SetHint("Width in pixels of the published images");
    ImageHeight->SetHint("Height in pixels of the published images");
    ButtonWidth->SetHint("Width in pixels of the navigation buttons");
    ButtonHeight->SetHint("Height in pixels of the navigation buttons");
    ScaleImages = Add<CheckBox>(SizesGroup, "ScaleImages", 8, 76, 280, 17, "Publish Images to Scale");
    ScaleImages->SetHint("Checked: images are published at the width and height above; unchecked: at their own size");
    LinkImagesAtUpload = Add<CheckBox>(SizesGroup, "LinkImagesAtUpload", 8, 98, 280, 17, "Link Images ONLY at Upload time");
    LinkImagesAtUpload->SetHint("Images are not copied when publishing: the Upload sends them from where they are");
    ForcePublish = Add<CheckBox>(SizesGroup, "ForcePublish", 8, 120, 280, 17, "Force Publish of ALL Pages every time.");
    ForcePublish->SetHint("Every Publish writes every page again, not only the pages of changed records");
    ForcePublish->SetChecked(true);

    // The publish folder.
    PublishGroup = Add<GroupBox>(MainPanel, "PublishGroup", Column1, BottomRow, 598, 120, "Publish from:");
    DriveComboBox4 = Add<DriveComboBox>(PublishGroup, "DriveComboBox4", 8, 20, 150, 21);
    PublishFileList = Add<FileListBox>(PublishGroup, "PublishFileList", 8, 48, 150, 64);
    PublishFileList->Hide();
    PublishDirectory = Add<DirectoryListBox>(PublishGroup, "PublishDirectory", 164, 20, 426, 92);
    PublishDirectory->SetHint("The folder the web pages are published into and uploaded from (Double Click to open)");
    PublishFileList->SetMask("qlx*.*");
    DriveComboBox4->DirList = PublishDirectory;
    PublishDirectory->FileList = PublishFileList;
    PublishFileList->SetDirectory(PublishDirectory->Directory());
    DriveComboBox4->OnChange = [this](Component*) { PublishDirectory->SetDirectory(DriveComboBox4->Drive()); };

    PatchHint1 = Add<Label>(MainPanel, "PatchHint1", Column3, BottomRow + 6, 296, 13,
                            "Double Click a colour patch to change its colour");
    PatchHint2 = Add<Label>(MainPanel, "PatchHint2", Column3, BottomRow + 22, 296, 13,
                            "(the Instruction and Header patches: the font)");
    OKButton = Add<Button>(MainPanel, "OKButton", 833, 499, 75, 25, "OK");
    OKButton->Default = true;

    // Handlers, wired once the design values are in place.
    PageBackgroundColour->OnChange = [this](Component* s) { PageBackgroundColourChange(s); };
    TableHeaderColour->OnChange = [this](Component* s) { TableHeaderColourChange(s); };
    TableBackgroundColour->OnChange = [this](Component* s) { AltTableBackgroundColourChange(s); };
    Alt1TableBackgroundColour->OnChange = [this](Component* s) { Alt1TableBackgroundColourChange(s); };
    Alt2TableBackgroundColour->OnChange = [this](Component* s) { Alt2TableBackgroundColourChange(s); };
    PageBackgroundSwatch->OnDblClick = [this](Component* s) { SelectSwatchColour(s); };
    TableBackgroundSwatch->OnDblClick = [this](Component* s) { TableBackgroundSwatchDblClick(s); };
    C1Swatch->OnDblClick = [this](Component* s) { C1SwatchDblClick(s); };
    C2Swatch->OnDblClick = [this](Component* s) { C2SwatchDblClick(s); };
    InstructionColour->OnDblClick = [this](Component* s) { InstructionColourDblClick(s); };
    HeaderColour->OnDblClick = [this](Component* s) { HeaderColourDblClick(s); };
    FileListBackground->OnClick = [this](Component* s) { FileListBackgroundClick(s); };
    FileListHeader->OnClick = [this](Component* s) { FileListHeaderClick(s); };
    FileListTableBackground->OnClick = [this](Component* s) { FileListTableBackgroundClick(s); };
    PublishDirectory->OnClick = [this](Component* s) { PublishDirectoryClick(s); };
    PublishDirectory->OnDblClick = [this](Component* s) { PublishDirectoryClick(s); };
    PublishDirectory->OnChange = [this](Component* s) { PublishDirectoryChange(s); };

    // Every other setting of the form shapes every published page.
    auto marksAll = [this](Component*) { SettingChanged(P, true); };
    for (Edit* e : {PageBackgroundImageFile, TableHeadingImageFile, TableBackgroundImageFile, TableHeader, ImageWidth,
                    ImageHeight, ButtonWidth, ButtonHeight, DetailPageTableWidth, DetailPageColumnWidthLABEL,
                    DetailPageColumnWidthDATA, DetailPageColumnWidthIMAGE, QuickViewPageTableWidth, QuickViewFields})
        e->OnChange = marksAll;
    for (Edit* e : QuickViewPageColumnWidth) e->OnChange = marksAll;
    for (ComboBox* c : {DETAILLabelHAlign, DETAILLabelVAlign, DETAILDataHAlign, DETAILDataVAlign, DETAILImageHAlign,
                        DETAILImageVAlign, QUICKHAlign, QUICKVAlign})
        c->OnChange = marksAll;
    ScaleImages->OnClick = marksAll;
    // The two switches change how the next publish works, not what the pages hold; they are still settings
    // the configuration file keeps, so leaving the program must offer to save them.
    ForcePublish->OnClick = [this](Component*) { SettingChanged(P, false); };
    LinkImagesAtUpload->OnClick = [this](Component*) { SettingChanged(P, false); };
    OKButton->OnClick = [this](Component* s) { OKButtonClick(s); };
    NumberTabOrder(*this);
    OnActivate = [this](Component* s) { FormActivate(s); };
    OnDestroy = [this](Component* s) { FormDestroy(s); };
}

// ---- colour boxes and swatches

void TPublishSetupForm::ColourBoxChanged(BoxKind kind, bool userChange) {
    ComboBox* box = nullptr;
    Edit* patch = nullptr;
    const char* keyword = "Image";
    switch (kind) {
    case BoxKind::PageBackground: box = PageBackgroundColour, patch = PageBackgroundSwatch; break;
    case BoxKind::TableHeader: box = TableHeaderColour, patch = HeaderColour; break;
    case BoxKind::TableBackground: box = TableBackgroundColour, patch = TableBackgroundSwatch; break;
    case BoxKind::Alt1: box = Alt1TableBackgroundColour, patch = C1Swatch, keyword = "None"; break;
    case BoxKind::Alt2: box = Alt2TableBackgroundColour, patch = C2Swatch, keyword = "None"; break;
    }
    if (box->Text() == keyword) return;
    const Color colour = NameToColour(box->Text());
    patch->SetColor(colour);
    bool changed = userChange;
    if (kind == BoxKind::TableHeader) {
        // A heading colour is also the colour of the header font.
        std::string name = ColourToName(colour);
        if (P.HeaderFont.Colour != name) {
            P.HeaderFont.Colour = name;
            changed = true;
        }
    }
    if (changed) SettingChanged(P, true);
}

void TPublishSetupForm::PageBackgroundColourChange(Component*) { ColourBoxChanged(BoxKind::PageBackground, true); }
void TPublishSetupForm::TableHeaderColourChange(Component*) { ColourBoxChanged(BoxKind::TableHeader, true); }
void TPublishSetupForm::AltTableBackgroundColourChange(Component*) { ColourBoxChanged(BoxKind::TableBackground, true); }
void TPublishSetupForm::Alt1TableBackgroundColourChange(Component*) { ColourBoxChanged(BoxKind::Alt1, true); }
void TPublishSetupForm::Alt2TableBackgroundColourChange(Component*) { ColourBoxChanged(BoxKind::Alt2, true); }

void TPublishSetupForm::ApplyColourBoxes() {
    for (BoxKind kind : {BoxKind::PageBackground, BoxKind::TableHeader, BoxKind::TableBackground, BoxKind::Alt1,
                         BoxKind::Alt2})
        ColourBoxChanged(kind, false);
}

void TPublishSetupForm::PickSwatchColour(Edit* patch, ComboBox* box, BoxKind kind) {
    P.App.Beep(BeepKind::Default);
    if (std::optional<Color> chosen = P.App.Dialogs().ChooseColor(patch->GetColor())) {
        patch->SetColor(*chosen);
        std::string name = ColourToName(*chosen);
        // The box's text is the setting: a new colour there is a change like one picked in the box.
        if (box->Text() != name) {
            box->SetText(name);
            ColourBoxChanged(kind, true);
        }
    }
    P.Changes.Mark(Change::Settings);
}

void TPublishSetupForm::SelectSwatchColour(Component*) {
    PickSwatchColour(PageBackgroundSwatch, PageBackgroundColour, BoxKind::PageBackground);
}
void TPublishSetupForm::TableBackgroundSwatchDblClick(Component*) {
    PickSwatchColour(TableBackgroundSwatch, TableBackgroundColour, BoxKind::TableBackground);
}
void TPublishSetupForm::C1SwatchDblClick(Component*) {
    PickSwatchColour(C1Swatch, Alt1TableBackgroundColour, BoxKind::Alt1);
}
void TPublishSetupForm::C2SwatchDblClick(Component*) {
    PickSwatchColour(C2Swatch, Alt2TableBackgroundColour, BoxKind::Alt2);
}

// ---- the two font patches

void TPublishSetupForm::EditPatchFont(PublishFont& font, Edit* patch, bool headerFont) {
    TFontForm& dialog = *P.FontForm;
    dialog.LoadFont(font);
    if (headerFont) {
        dialog.ColourSwatch->SetColor(HeaderColour->GetColor());
        dialog.ColourMenu->SetText(ColourToName(HeaderColour->GetColor()));
    }
    if (!dialog.RunDialog()) return;
    const PublishFont before = font;
    const std::string headingBefore = TableHeaderColour->Text();
    dialog.TakeFont(font);
    patch->SetColor(dialog.FontFormColour);
    if (headerFont) TableHeaderColour->SetText(font.Colour);
    P.Changes.Mark(Change::Settings);
    // The font styles every page. Since an activation no longer marks every record, a font that really
    // changed marks them here, so a window closed without OK still publishes the change.
    if (!SameFont(before, font) || TableHeaderColour->Text() != headingBefore) MarkAllForRepublish(P);
}

void TPublishSetupForm::InstructionColourDblClick(Component*) { EditPatchFont(P.InstructionFont, InstructionColour, false); }
void TPublishSetupForm::HeaderColourDblClick(Component*) { EditPatchFont(P.HeaderFont, HeaderColour, true); }

// ---- image pickers and the publish folder

void TPublishSetupForm::PickImage(FileListBox* files, Edit* imageFile, Image* preview) {
    const std::string path = files->FileName();
    imageFile->SetText(BaseName(path));
    if (!path.empty() && FileExistsOrWarn(P.App, path)) {
        preview->SetPicture(P.App.Images().LoadImage(path));
        preview->Show();
    }
    P.Changes.Mark(Change::Settings);
}

void TPublishSetupForm::FileListBackgroundClick(Component*) {
    PickImage(FileListBackground, PageBackgroundImageFile, OlePageBackground);
}
void TPublishSetupForm::FileListHeaderClick(Component*) {
    PickImage(FileListHeader, TableHeadingImageFile, OleTableHeading);
}
void TPublishSetupForm::FileListTableBackgroundClick(Component*) {
    PickImage(FileListTableBackground, TableBackgroundImageFile, OleTableBackground);
}

void TPublishSetupForm::PublishDirectoryClick(Component*) {
    P.PublishDirectory = PublishDirectory->Directory();
    P.Changes.Mark(Change::Settings);
}
void TPublishSetupForm::PublishDirectoryChange(Component* sender) { PublishDirectoryClick(sender); }

// ---- OK, activation, end

bool TPublishSetupForm::ValidateDetailColumnWidths(const std::string& label, const std::string& data,
                                                   const std::string& image) {
    const std::int64_t sum = std::int64_t(LeadingInteger(label)) + LeadingInteger(data) + LeadingInteger(image);
    if (sum == 100) return true;
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage("The Detail Page column precentages must all add up to 100%");
    return false;
}

bool TPublishSetupForm::ValidateQuickViewColumnWidths(const std::array<std::string, 10>& widths) {
    std::int64_t sum = 0;
    for (const std::string& w : widths) sum += LeadingInteger(w);
    if (sum == 100) return true;
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage("The QuickView Page column precentages must all add up to 100%");
    return false;
}

void TPublishSetupForm::OKButtonClick(Component*) {
    if (!ValidateDetailColumnWidths(DetailPageColumnWidthLABEL->Text(), DetailPageColumnWidthDATA->Text(),
                                    DetailPageColumnWidthIMAGE->Text()))
        return;
    std::array<std::string, 10> widths;
    for (std::size_t k = 0; k < widths.size(); ++k) widths[k] = QuickViewPageColumnWidth[k]->Text();
    if (!ValidateQuickViewColumnWidths(widths)) return;
    SetModalResult(MrOk);
    MarkAllForRepublish(P);
    ReturnToDatabaseDirectory(P);
    Hide();
}

void TPublishSetupForm::FormActivate(Component*) { ApplyColourBoxes(); }

void TPublishSetupForm::FormDestroy(Component*) { ReturnToDatabaseDirectory(P); }

void TPublishSetupForm::SetNewDatabaseDefaults(Component* sender) {
    InstructionColour->SetColor(ClSilver);
    HeaderColour->SetColor(ClRed);
    ScaleImages->SetChecked(true);

    // The published pages go below the start folder; the folder is made when it is not there yet.
    const std::string start = P.ProgramDirectory.empty() ? CurrentDirectory() : P.ProgramDirectory;
    const std::string publishDir = JoinPath(start, "publish");
    MakeDirectory(publishDir);
    if (PublishDirectory->SetDirectory(publishDir)) P.PublishDirectory = PublishDirectory->Directory();
    for (DirectoryListBox* list : {DirectoryListBackground, DirectoryListHeader, DirectoryListTableBackground})
        list->SetDirectory(start);
    PageBackgroundColour->SetText("White");
    PageBackgroundImageFile->SetText("");
    TableHeadingImageFile->SetText("");
    TableBackgroundColour->SetText("Image");
    TableHeaderColour->SetText("Red");
    TableHeader->SetText("== Folivex ==");
    FileListTableBackgroundClick(sender);
    TableBackgroundImageFile->SetText("stone.gif");
    const std::string sample = JoinPath(DirectoryListTableBackground->Directory(), "stone.gif");
    if (FileExistsOrWarn(P.App, sample)) {
        OleTableBackground->SetPicture(P.App.Images().LoadImage(sample));
        OleTableBackground->Show();
    }
    ReturnToDatabaseDirectory(P);
}

}  // namespace fv
