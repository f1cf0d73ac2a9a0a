// The font dialog: its controls, the system font and colour dialogs behind its buttons, the focus exits
// that fill empty fields, and the editing protocol its callers share.
//
//   Please select the Font, style and size by clicking '>>'
//   or 'Clear' for the browsers default settings.
//   Font:   [FontName...............] [>>] [ Clear  ]
//   Style:  [FontStyle.......v]  Size: [FontSize..v]
//   Colour: [ColourMenu......v] [##] [  Custom    ]
//                                     [  OK  ] [Cancel]
#include "publish/font_form.h"

#include "platform/gfx/colour_names.h"
#include "platform/text/numbers.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "publish/publish_helpers.h"

namespace fv {

namespace {

const std::vector<std::string> StyleItems = {"Normal",         "Bold",        "Italic",
                                             "Underline",      "Bold Italic", "Normal Italic",
                                             "Bold Underline", "Bold Italic Underline", "Italic Underline",
                                             ""};

std::vector<std::string> SizeItems() {
    std::vector<std::string> items;
    for (int n = -12; n <= 12; ++n) items.push_back(n > 0 ? "+" + std::to_string(n) : std::to_string(n));
    return items;
}

}  // namespace

TFontForm::TFontForm(Component* owner, Program& program) : ProgramForm(owner, program, "FontForm") {
    SetCaption("Publish Font Colour/Size selection");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 360, 188);
    SizeToContainer(*MainPanel);

    Label1 = Add<Label>(MainPanel, "Label1", 10, 10, 340, 13, "Please select the Font, style and size by clicking '>>' ");
    Label2 = Add<Label>(MainPanel, "Label2", 10, 26, 300, 13, "or 'Clear' for the browsers default settings.");

    FaceLabel = Add<Label>(MainPanel, "FaceLabel", 10, 56, 40, 13, "Font:");
    FontName = Add<Edit>(MainPanel, "FontName", 58, 52, 176, 21);
    FontName->SetReadOnly(true);
    FontName->SetHint("Leave blank for the browsers default font");
    FontButton = Add<Button>(MainPanel, "FontButton", 240, 50, 36, 25, ">>");
    FontButton->SetHint("Pick the font from the fonts of this computer");
    ClearFontButton = Add<Button>(MainPanel, "ClearFontButton", 282, 50, 68, 25, "Clear");
    ClearFontButton->SetHint("Use the browsers default font, size and style");

    StyleLabel = Add<Label>(MainPanel, "StyleLabel", 10, 88, 40, 13, "Style:");
    FontStyle = Add<ComboBox>(MainPanel, "FontStyle", 58, 84, 140, 21);
    FontStyle->SetItems(StyleItems);
    FontStyle->SetText("Normal");
    SizeLabel = Add<Label>(MainPanel, "SizeLabel", 210, 88, 32, 13, "Size:");
    FontSize = Add<ComboBox>(MainPanel, "FontSize", 246, 84, 104, 21);
    FontSize->SetItems(SizeItems());
    FontSize->SetText("0");

    ColourLabel = Add<Label>(MainPanel, "ColourLabel", 10, 120, 44, 13, "Colour:");
    ColourMenu = Add<ComboBox>(MainPanel, "ColourMenu", 58, 116, 140, 21);
    ColourMenu->SetItems(StandardColourNames());
    ColourMenu->SetText("Black");
    ColourSwatch = Add<Edit>(MainPanel, "ColourSwatch", 204, 116, 36, 21);
    ColourSwatch->SetReadOnly(true);
    ColourSwatch->SetTabStop(false);
    ColourSwatch->SetColor(ClYellow);
    ColourSwatch->SetHint("Double Click to pick any colour");
    CustomColourButton = Add<Button>(MainPanel, "CustomColourButton", 246, 114, 104, 25, "Custom");
    CustomColourButton->SetHint("Pick any colour");

    OKButton = Add<BitBtn>(MainPanel, "OKButton", 194, 154, 75, 25, "OK");
    OKButton->ButtonKind = BitBtn::BtnKind::Ok;
    OKButton->ModalResult = MrOk;
    OKButton->Default = true;
    CancelButton = Add<BitBtn>(MainPanel, "CancelButton", 275, 154, 75, 25, "Cancel");
    CancelButton->ButtonKind = BitBtn::BtnKind::Cancel;
    CancelButton->Cancel = true;

    NumberTabOrder(*this);
    OnActivate = [this](Component* s) { FormActivate(s); };
    ColourMenu->OnChange = [this](Component* s) { ColourMenuChange(s); };
    ColourMenu->OnExit = [this](Component* s) { ColourMenuExit(s); };
    CustomColourButton->OnClick = [this](Component* s) { CustomColourButtonClick(s); };
    ColourSwatch->OnDblClick = [this](Component* s) { ColourSwatchDblClick(s); };
    FontButton->OnClick = [this](Component* s) { FontButtonClick(s); };
    ClearFontButton->OnClick = [this](Component* s) { ClearFontButtonClick(s); };
    FontName->OnExit = [this](Component* s) { FontNameExit(s); };
    FontStyle->OnExit = [this](Component* s) { FontStyleExit(s); };
    FontSize->OnExit = [this](Component* s) { FontSizeExit(s); };
    CancelButton->OnClick = [this](Component* s) { CancelButtonClick(s); };
}

void TFontForm::FormActivate(Component* sender) { ColourMenuChange(sender); }

void TFontForm::ColourMenuChange(Component*) { ColourSwatch->SetColor(NameToColour(ColourMenu->Text())); }

void TFontForm::ColourMenuExit(Component*) { FontFormColour = NameToColour(ColourMenu->Text()); }

void TFontForm::CustomColourButtonClick(Component*) {
    std::optional<Color> chosen = P.App.Dialogs().ChooseColor(ColourSwatch->GetColor());
    if (!chosen) return;
    ColourSwatch->SetColor(*chosen);
    ColourMenu->SetText(ColourToName(*chosen));
}

Font TFontForm::CurrentSystemFont() const {
    Font font;
    const std::string& face = FontName->Text();
    if (face.find_first_not_of(' ') != std::string::npos) font.Name = face;
    font.Size = LeadingInteger(FontSize->Text()) + 9;
    if (font.Size < 1) font.Size = 10;
    font.FontColor = NameToColour(ColourMenu->Text());
    const std::string& style = FontStyle->Text();
    font.Style = (style.find("Bold") != std::string::npos ? FsBold : 0u) |
                 (style.find("Italic") != std::string::npos ? FsItalic : 0u) |
                 (style.find("Underline") != std::string::npos ? FsUnderline : 0u);
    return font;
}

void TFontForm::FontButtonClick(Component*) {
    std::optional<Font> chosen = P.App.Dialogs().ChooseFont(CurrentSystemFont());
    if (!chosen) {
        // Cancelling the system dialog ends the font dialog too: the caller keeps its font.
        if (Modal()) SetModalResult(MrCancel);
        else Close();
        return;
    }
    FontName->SetText(chosen->Name);
    FontSize->SetText(std::to_string(chosen->Size - 9));
    std::string style = " ";
    if (chosen->Style & FsBold) style += "Bold ";
    if (chosen->Style & FsItalic) style += "Italic ";
    if (chosen->Style & FsUnderline) style += "Underline ";
    FontStyle->SetText(style);
}

void TFontForm::ClearFontButtonClick(Component*) {
    FontName->SetText("");
    FontSize->SetText("");
    FontStyle->SetText("");
}

void TFontForm::FontNameExit(Component*) {
    if (FontName->Text().empty()) FontName->SetText(" ");
}

void TFontForm::FontStyleExit(Component*) {
    if (FontStyle->Text().empty() || FontStyle->Text() == " ") FontStyle->SetText("Normal");
}

void TFontForm::FontSizeExit(Component*) {
    if (FontSize->Text().empty() || FontSize->Text() == " ") FontSize->SetText("-1");
}

void TFontForm::CancelButtonClick(Component*) {
    if (Modal()) SetModalResult(MrCancel);
    else Close();
}

void TFontForm::LoadFont(const PublishFont& font) {
    FontName->SetText(font.Face);
    FontSize->SetText(font.Size);
    FontStyle->SetText(font.Style);
    ColourMenu->SetText(font.Colour);
}

bool TFontForm::RunDialog() {
    P.App.Beep(BeepKind::Default);
    return ShowModal() != MrCancel;
}

void TFontForm::TakeFont(PublishFont& font) {
    ColourMenuExit(this);
    font.Colour = ColourToName(FontFormColour);
    font.Face = FontName->Text();
    font.Size = FontSize->Text();
    font.Style = FontStyle->Text();
}

}  // namespace fv
