// The language texts dialog "Multi-Lingual support settings...": every fixed English text the publisher
// writes into the pages, each as a row of the built-in text (Text_key), a "default" button and the text to
// publish (Real_key), which the publisher reads and the configuration file keeps.
#pragma once

#include <array>
#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "program/program_form.h"

namespace fv {

struct LanguageText {
    const char* Key;       // "pleaseselect": the controls are Text_pleaseselect and Real_pleaseselect
    const char* BuiltIn;   // "Please Select:"
    const char* Button;    // name of the row's "default" button
};

constexpr int LanguageTextCount = 27;
// The 27 rows in screen order.
extern const std::array<LanguageText, LanguageTextCount> LanguageTexts;

class TLangForm : public ProgramForm {
public:
    TLangForm(Component* owner, Program& program);

    Label* Label1;
    Label* Label2;
    Label* Label3;
    Label* Label4;
    Label* PageTextsHeading;
    Label* PagePublishHeading;
    Label* SearchTextsHeading;
    Label* SearchPublishHeading;
    BitBtn* BitBtn1;  // OK at the top
    BitBtn* BitBtn2;  // OK at the bottom

    // Row r (screen order) of LanguageTexts.
    std::array<Edit*, LanguageTextCount> TextEdits;
    std::array<Button*, LanguageTextCount> DefaultButtons;
    std::array<Edit*, LanguageTextCount> RealEdits;

    // The text to publish for a key ("pleaseselect", "SrchGo"...): the edit Real_<key>; null for an
    // unknown key.
    Edit* Real(const std::string& key) const;

    // A "default" button: the row's publish text becomes its built-in text.
    void RestoreDefault(int row);
    // Shared change handler of the 27 publish texts.
    void Real_pleaseselectChange(Component* sender);
    void BitBtn1Click(Component* sender);
    void BitBtn2Click(Component* sender) { BitBtn1Click(sender); }
};

}  // namespace fv
