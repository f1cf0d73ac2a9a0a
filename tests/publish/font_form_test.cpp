// The font dialog through the control model: its controls, the system font dialog's protocol (size =
// points - 9, style words), Clear and the focus exits, the colour box and the custom colour, and the
// editing protocol its callers share.
#include <gtest/gtest.h>

#include "publish/font_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class FontFormTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
    }
    TFontForm& F() { return *program->FontForm; }
    ScriptedDialogs& Dialogs() { return app->ScriptedDialogBoxes(); }
    // Shows the dialog modally and lets act run inside it, as the user.
    int RunModal(const std::function<void()>& act) {
        app->OnModal = [&](Form& f) {
            if (&f != &F()) return;
            act();
        };
        int result = F().ShowModal();
        app->OnModal = nullptr;
        return result;
    }
};

TEST_F(FontFormTest, ControlsAsDesigned) {
    EXPECT_EQ(F().Caption(), "Publish Font Colour/Size selection");
    EXPECT_EQ(F().Label1->Caption(), "Please select the Font, style and size by clicking '>>' ");
    EXPECT_EQ(F().Label2->Caption(), "or 'Clear' for the browsers default settings.");
    EXPECT_EQ(F().FontButton->Caption(), ">>");
    EXPECT_EQ(F().ClearFontButton->Caption(), "Clear");
    EXPECT_EQ(F().CustomColourButton->Caption(), "Custom");
    EXPECT_TRUE(F().FontName->ReadOnly());
    EXPECT_EQ(F().FontName->Hint(), "Leave blank for the browsers default font");
    EXPECT_EQ(F().FontName->Text(), "");
    EXPECT_EQ(F().FontStyle->Text(), "Normal");
    EXPECT_EQ(F().FontStyle->Items(),
              (std::vector<std::string>{"Normal", "Bold", "Italic", "Underline", "Bold Italic", "Normal Italic",
                                        "Bold Underline", "Bold Italic Underline", "Italic Underline", ""}));
    EXPECT_EQ(F().FontSize->Text(), "0");
    ASSERT_EQ(F().FontSize->Items().size(), 25u);
    EXPECT_EQ(F().FontSize->Items().front(), "-12");
    EXPECT_EQ(F().FontSize->Items()[11], "-1");
    EXPECT_EQ(F().FontSize->Items()[12], "0");
    EXPECT_EQ(F().FontSize->Items()[13], "+1");
    EXPECT_EQ(F().FontSize->Items().back(), "+12");
    EXPECT_EQ(F().ColourMenu->Text(), "Black");
    ASSERT_EQ(F().ColourMenu->Items().size(), 16u);
    EXPECT_EQ(F().ColourMenu->Items()[8], "Silver");
    EXPECT_TRUE(F().ColourSwatch->ReadOnly());
    EXPECT_EQ(F().ColourSwatch->GetColor(), ClYellow);
    EXPECT_EQ(F().OKButton->ModalResult, MrOk);
    EXPECT_EQ(F().FindComponent("FontDialog"), nullptr) << "the system dialogs are services";
}

struct FontCase {
    int points;
    unsigned style;
    std::string size, words;
};

TEST_F(FontFormTest, TheSystemFontGivesTheFaceTheSizeMinusNineAndTheStyleWords) {
    const FontCase cases[] = {
        {8, 0, "-1", " "},
        {9, FsBold, "0", " Bold "},
        {10, FsBold | FsUnderline, "1", " Bold Underline "},
        {12, FsItalic, "3", " Italic "},
        {14, FsBold | FsItalic, "5", " Bold Italic "},
        {24, FsBold | FsItalic | FsUnderline | FsStrikeOut, "15", " Bold Italic Underline "},
        {6, FsStrikeOut, "-3", " "},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.points);
        Font chosen;
        chosen.Name = "DejaVu Serif";
        chosen.Size = c.points;
        chosen.Style = c.style;
        Dialogs().fonts.push_back(chosen);
        F().ColourMenu->SetText("Teal");
        F().FontButton->Click();
        EXPECT_EQ(F().FontName->Text(), "DejaVu Serif");
        EXPECT_EQ(F().FontSize->Text(), c.size);
        EXPECT_EQ(F().FontStyle->Text(), c.words);
        EXPECT_EQ(F().ColourMenu->Text(), "Teal") << "the colour is not touched";
    }
    EXPECT_EQ(Dialogs().requests, std::vector<std::string>(7, "font"));
}

TEST_F(FontFormTest, TheSystemDialogStartsFromTheFontInTheDialog) {
    F().LoadFont({"Red", "Serif", "+3", "Bold Italic"});
    EXPECT_EQ(F().CurrentSystemFont().Name, "Serif");
    EXPECT_EQ(F().CurrentSystemFont().Size, 12);
    EXPECT_EQ(F().CurrentSystemFont().Style, unsigned(FsBold | FsItalic));
    F().LoadFont({"Red", " ", "-1", " "});
    EXPECT_EQ(F().CurrentSystemFont().Size, 8);
    EXPECT_EQ(F().CurrentSystemFont().Style, 0u);
}

TEST_F(FontFormTest, CancellingTheSystemFontDialogEndsTheFontDialogWithCancel) {
    F().LoadFont({"Red", "Serif", "2", "Bold"});
    int result = RunModal([&] { F().FontButton->Click(); });  // nothing queued: the user cancels
    EXPECT_EQ(result, MrCancel);
    EXPECT_FALSE(F().Visible());
    EXPECT_EQ(F().FontName->Text(), "Serif");
    EXPECT_EQ(F().FontSize->Text(), "2");
}

TEST_F(FontFormTest, ClearThenOkKeepsTheEmptyTexts) {
    F().LoadFont({"Red", "Serif", "2", "Bold"});
    F().ClearFontButton->Click();
    EXPECT_EQ(F().FontName->Text(), "");
    EXPECT_EQ(F().FontSize->Text(), "");
    EXPECT_EQ(F().FontStyle->Text(), "");
    EXPECT_EQ(F().ColourMenu->Text(), "Red") << "the colour is kept";
    PublishFont font{"Red", "Serif", "2", "Bold"};
    F().TakeFont(font);
    EXPECT_EQ(font.Face, "");
    EXPECT_EQ(font.Size, "");
    EXPECT_EQ(font.Style, "");
    EXPECT_EQ(font.Colour, "Red");
}

TEST_F(FontFormTest, ClearThenLeavingTheFieldsGivesMinusOneNormalAndASpace) {
    F().LoadFont({"Red", "Serif", "2", "Bold"});
    int result = RunModal([&] {
        F().ClearFontButton->SetFocus();
        F().ClearFontButton->Click();
        // Focus passes through the three fields on its way to OK.
        F().FontName->SetFocus();
        F().FontStyle->SetFocus();
        F().FontSize->SetFocus();
        F().OKButton->SetFocus();
        F().OKButton->Click();
    });
    EXPECT_EQ(result, MrOk);
    EXPECT_EQ(F().FontName->Text(), " ");
    EXPECT_EQ(F().FontStyle->Text(), "Normal");
    EXPECT_EQ(F().FontSize->Text(), "-1");
    // A single space counts as empty for the style and the size; the face keeps its space.
    F().FontStyle->SetText(" ");
    F().FontSize->SetText(" ");
    F().FontName->SetText(" ");
    F().FontStyle->SetFocus();
    F().FontSize->SetFocus();
    F().FontName->SetFocus();
    F().OKButton->SetFocus();
    EXPECT_EQ(F().FontStyle->Text(), "Normal");
    EXPECT_EQ(F().FontSize->Text(), "-1");
    EXPECT_EQ(F().FontName->Text(), " ");
    // Leaving fields that hold something changes nothing.
    F().FontStyle->SetText("Bold");
    F().FontSize->SetText("+4");
    F().FontStyle->SetFocus();
    F().FontSize->SetFocus();
    F().OKButton->SetFocus();
    EXPECT_EQ(F().FontStyle->Text(), "Bold");
    EXPECT_EQ(F().FontSize->Text(), "+4");
}

TEST_F(FontFormTest, TheColourBoxColoursTheSwatchAndItsExitSetsTheHandedBackColour) {
    F().ColourMenu->UserSelect(F().ColourMenu->IndexOf("Navy"));
    EXPECT_EQ(F().ColourSwatch->GetColor(), ClNavy);
    F().ColourMenu->UserSetText("255");
    EXPECT_EQ(F().ColourSwatch->GetColor(), ClRed);
    F().ColourMenu->UserSetText("Teal");
    EXPECT_EQ(F().FontFormColour, ClBlack) << "only the exit hands the colour back";
    F().ColourMenu->SetFocus();
    F().OKButton->SetFocus();
    EXPECT_EQ(F().FontFormColour, ClTeal);
    EXPECT_EQ(F().ColourMenu->Text(), "Teal");
    F().ColourMenu->UserSetText("no colour");
    F().ColourMenuExit(nullptr);
    EXPECT_EQ(F().FontFormColour, ClBlack) << "no digits: black";
    // The activation colours the swatch from the box a caller filled.
    F().ColourMenu->SetText("Lime");
    RunModal([&] { F().CancelButton->Click(); });
    EXPECT_EQ(F().ColourSwatch->GetColor(), ClLime);
}

TEST_F(FontFormTest, CustomColourPicksAnyColourAndCancelChangesNothing) {
    Dialogs().colors.push_back(RGB(1, 2, 3));
    F().CustomColourButton->Click();
    EXPECT_EQ(F().ColourSwatch->GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(F().ColourMenu->Text(), std::to_string(RGB(1, 2, 3)));
    Dialogs().colors.push_back(ClFuchsia);
    F().ColourSwatch->DblClick();
    EXPECT_EQ(F().ColourMenu->Text(), "Fuchsia");
    Dialogs().colors.push_back(std::nullopt);
    F().CustomColourButton->Click();
    EXPECT_EQ(F().ColourMenu->Text(), "Fuchsia");
    EXPECT_EQ(F().ColourSwatch->GetColor(), ClFuchsia);
    EXPECT_EQ(Dialogs().requests, (std::vector<std::string>{"color", "color", "color"}));
}

TEST_F(FontFormTest, TheEditingProtocol) {
    PublishFont font{"Yellow", " ", "-1", " "};
    F().LoadFont(font);
    EXPECT_EQ(F().ColourMenu->Text(), "Yellow");
    EXPECT_EQ(F().FontName->Text(), " ");
    Dialogs().fonts.push_back(Font{"Serif", 10, ClBlack, FsBold | FsUnderline, 0});
    bool confirmed = false;
    app->OnModal = [&](Form&) {
        F().FontButton->Click();
        F().ColourMenu->UserSetText("255");  // typed, and the focus never left the box
        F().OKButton->Click();
    };
    confirmed = F().RunDialog();
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});
    F().TakeFont(font);
    EXPECT_EQ(font.Colour, "Red") << "255 through ColourToName";
    EXPECT_EQ(font.Face, "Serif");
    EXPECT_EQ(font.Size, "1");
    EXPECT_EQ(font.Style, " Bold Underline ");
    EXPECT_EQ(F().FontFormColour, ClRed);

    app->OnModal = [&](Form&) { F().CancelButton->Click(); };
    EXPECT_FALSE(F().RunDialog());
}

}  // namespace
}  // namespace fv::testing
