// The HTML headers and footers dialog "HTML Page & Table Header & Footer options.": seven snippets of the
// user's own HTML for the heads and feet of the published pages and tables, each with an override switch
// that says whether it replaces the HTML the publisher writes there, a "Clear" and an "Example" button.
// OK marks every record for republishing when a switch, or a snippet whose switch is on, was changed;
// Cancel gives the snippets back the texts they had when the dialog was activated.
#pragma once

#include <array>
#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "program/program_form.h"

namespace fv {

class THTMLForm : public ProgramForm {
public:
    static constexpr int SnippetCount = 7;

    THTMLForm(Component* owner, Program& program);

    Label* IntroLabel;
    Memo* HTMLIndexPageHeader;
    Memo* HTMLIndexPageFooter;
    Memo* HTMLOtherPageHeader;
    Memo* HTMLOtherPageFooter;
    Memo* HTMLTableHeader;
    Memo* HTMLTableFooter;
    Memo* HTMLSearchBoxHeader;
    CheckBox* HTMLIndexPageHeaderOverride;
    CheckBox* HTMLIndexPageFooterOverride;
    CheckBox* HTMLOtherPageHeaderOverride;
    CheckBox* HTMLOtherPageFooterOverride;
    CheckBox* HTMLTableHeaderOverride;
    CheckBox* HTMLTableFooterOverride;
    CheckBox* HTMLSearchBoxHeaderOverride;
    // Clear buttons: BitBtn2, 3, 5, 7, 9, 11, 13; Example buttons: BitBtn1, 4, 6, 8, 10, 12, 14.
    std::array<BitBtn*, SnippetCount> ClearButtons;
    std::array<BitBtn*, SnippetCount> ExampleButtons;
    Label* FrameNote1;
    Label* FrameNote2;
    BitBtn* BitBtn15;  // OK at the top
    BitBtn* BitBtn16;  // Cancel at the top
    BitBtn* OKButton;
    BitBtn* CancelButton;

    // The seven snippets and their switches in the order of the configuration file.
    std::array<Memo*, SnippetCount> Snippets() const;
    std::array<CheckBox*, SnippetCount> Overrides() const;

    // The snippets as they were when the dialog was last activated.
    std::array<std::string, SnippetCount> HTMLSnippetCopies;
    // Since the last OK or Cancel a switch was clicked, or a snippet whose switch is on was edited.
    std::uint8_t HTMLOverrideChanged = 0;

    void FormActivate(Component* sender);
    void SnippetChange(int snippet);
    void HTMLIndexPageHeaderOverrideClick(Component* sender);
    void HTMLSearchBoxHeaderOverrideClick(Component* sender) { HTMLIndexPageHeaderOverrideClick(sender); }
    void ClearClick(int snippet);
    void ExampleClick(int snippet);
    void OKButtonClick(Component* sender);
    void CancelButtonClick(Component* sender);

    // The template an "Example" button puts into its snippet.
    static std::string ExampleText(int snippet);

private:
    // What the activation found, so that Cancel leaves no trace of what it undoes.
    DatabaseChanges::Remembered modifiedAtActivation_;
    std::array<bool, SnippetCount> overridesAtActivation_{};
};

}  // namespace fv
