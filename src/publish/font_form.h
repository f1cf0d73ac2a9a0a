// The font dialog "Publish Font Colour/Size selection": the one modal dialog in which every publication
// font (field fonts, labels, memo, instruction and header texts) is edited. Its controls keep the last
// edited font between uses; each caller fills them first, shows the dialog and takes the result back
// (LoadFont, RunDialog, TakeFont: the editing protocol).
#pragma once

#include "platform/gfx/font.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TFontForm : public ProgramForm {
public:
    TFontForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* Label1;  // "Please select the Font, style and size by clicking '>>' "
    Label* Label2;  // "or 'Clear' for the browsers default settings."
    Label* FaceLabel;
    Label* StyleLabel;
    Label* SizeLabel;
    Label* ColourLabel;
    Button* FontButton;       // ">>"
    Edit* FontName;           // read-only face text
    Button* ClearFontButton;  // "Clear"
    ComboBox* FontStyle;
    ComboBox* FontSize;
    ComboBox* ColourMenu;
    Edit* ColourSwatch;  // read-only, shows the colour
    Button* CustomColourButton;
    BitBtn* OKButton;
    BitBtn* CancelButton;

    // The colour through which the dialog hands the chosen colour back to whichever form opened it;
    // written only by ColourMenuExit.
    Color FontFormColour = ClBlack;

    void FormActivate(Component* sender);
    void ColourMenuChange(Component* sender);
    void ColourMenuExit(Component* sender);
    void CustomColourButtonClick(Component* sender);
    void ColourSwatchDblClick(Component* sender) { CustomColourButtonClick(sender); }
    void FontButtonClick(Component* sender);
    void ClearFontButtonClick(Component* sender);
    void FontNameExit(Component* sender);
    void FontStyleExit(Component* sender);
    void FontSizeExit(Component* sender);
    void CancelButtonClick(Component* sender);

    // The editing protocol. LoadFont puts the font's face, size, style and colour texts into the dialog;
    // RunDialog beeps, shows it modally and says whether it closed with OK; TakeFont runs ColourMenuExit
    // (so a typed colour counts too) and stores ColourToName of FontFormColour and the face, size and
    // style texts into the font. The caller colours its own swatch with FontFormColour.
    void LoadFont(const PublishFont& font);
    bool RunDialog();
    void TakeFont(PublishFont& font);

    // The system font dialog's starting font, from the texts in the dialog (size = points - 9).
    Font CurrentSystemFont() const;
};

}  // namespace fv
