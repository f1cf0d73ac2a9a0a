// The main window's publishing side: the font swatches of the fields, labels and memo (with "Apply Font to
// ALL ?"), and the menu entries that open the publishing settings and the shopping-cart setup.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
#include "platform/ui/edit.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class MainWindowPublishingTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        program->DatabaseDirectory = dir.Path();
        program->RecordCount = 2;
        for (PublishFont& f : program->FieldFonts) f = {"Yellow", " ", "-1", " "};
        program->LabelFont = {"White", " ", "-1", " "};
        program->ScrollFont = {"Silver", " ", "-1", " "};
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TFontForm& Font() { return *program->FontForm; }
    bool AllMarked() {
        return program->RecordTable[0].NeedsPublishing && program->RecordTable[1].NeedsPublishing &&
               program->RepublishAll;
    }
    // The user's answer in the font dialog: a blue bold font of size 2.
    void AnswerBlueBold() {
        app->OnModal = [this](Form& f) {
            ASSERT_EQ(&f, &Font());
            Font().ColourMenu->UserSelect(Font().ColourMenu->IndexOf("Blue"));
            Font().FontStyle->UserSetText("Bold");
            Font().FontSize->UserSetText("2");
            Font().OKButton->Click();
        };
    }
};

TEST_F(MainWindowPublishingTest, AFieldSwatchEditsItsOwnFieldWhenTheAnswerIsNo) {
    Main().Colour[6]->SetFocus();
    std::string shownColour;
    AnswerBlueBold();
    Messages().Answer(IdNo);
    Main().Colour[6]->DblClick();
    EXPECT_EQ(program->FieldFonts[6].Colour, "Blue");
    EXPECT_EQ(program->FieldFonts[6].Style, "Bold");
    EXPECT_EQ(program->FieldFonts[6].Size, "2");
    EXPECT_EQ(Main().Colour[6]->GetColor(), ClBlue);
    for (int i : {0, 5, 7, 19}) {
        EXPECT_EQ(program->FieldFonts[std::size_t(i)].Colour, "Yellow") << i;
        EXPECT_EQ(Main().Colour[std::size_t(i)]->GetColor(), ClYellow) << i;
    }
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(AllMarked());
    const auto& log = Messages().Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].What, ServiceEvent::Kind::Beep) << "a plain beep before the font dialog";
    EXPECT_EQ(log[0].Beep, BeepKind::Default);
    EXPECT_EQ(log[1].Text, "Do you want this Font setting to be applied to ALL data fields ?");
    EXPECT_EQ(log[1].Caption, "Apply Font to ALL ?");
    EXPECT_EQ(log[1].Flags & MbButtonMask, unsigned(MbYesNo));
}

TEST_F(MainWindowPublishingTest, TheDialogStartsFromTheFieldsFont) {
    program->FieldFonts[2] = {"Red", "Serif", "+1", "Italic"};
    app->OnModal = [this](Form&) {
        EXPECT_EQ(Font().ColourMenu->Text(), "Red");
        EXPECT_EQ(Font().ColourSwatch->GetColor(), ClRed) << "the activation colours the swatch";
        EXPECT_EQ(Font().FontName->Text(), "Serif");
        EXPECT_EQ(Font().FontSize->Text(), "+1");
        EXPECT_EQ(Font().FontStyle->Text(), "Italic");
        Font().CancelButton->Click();
    };
    Main().Colour[2]->DblClick();
}

TEST_F(MainWindowPublishingTest, YesAppliesTheFontToAllTwentyFields) {
    AnswerBlueBold();
    Messages().Answer(IdYes);
    Main().Colour[12]->DblClick();
    for (int i = 0; i < TFolivexForm::FieldCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(program->FieldFonts[std::size_t(i)].Colour, "Blue");
        EXPECT_EQ(program->FieldFonts[std::size_t(i)].Face, " ");
        EXPECT_EQ(program->FieldFonts[std::size_t(i)].Size, "2");
        EXPECT_EQ(program->FieldFonts[std::size_t(i)].Style, "Bold");
        EXPECT_EQ(Main().Colour[std::size_t(i)]->GetColor(), ClBlue);
    }
}

TEST_F(MainWindowPublishingTest, ASwatchWithoutTheSenderIsFoundByTheFocusElseFieldOne) {
    AnswerBlueBold();
    Messages().Answer(IdNo);
    Main().Colour[9]->SetFocus();
    Main().Colour1DblClick(nullptr);
    EXPECT_EQ(program->FieldFonts[9].Colour, "Blue");
    Main().DBEdit[0]->SetFocus();
    AnswerBlueBold();
    Messages().Answer(IdNo);
    program->FieldFonts[0].Colour = "Yellow";
    Main().Colour1DblClick(nullptr);
    EXPECT_EQ(program->FieldFonts[0].Colour, "Blue");
}

TEST_F(MainWindowPublishingTest, CancelLeavesEverythingAsItWas) {
    app->OnModal = [this](Form&) {
        Font().ColourMenu->UserSelect(Font().ColourMenu->IndexOf("Red"));
        Font().CancelButton->Click();
    };
    for (Edit* swatch : {Main().Colour[0], Main().LabelColour, Main().ScrollColour}) swatch->DblClick();
    EXPECT_EQ(program->FieldFonts[0].Colour, "Yellow");
    EXPECT_EQ(program->LabelFont.Colour, "White");
    EXPECT_EQ(program->ScrollFont.Colour, "Silver");
    EXPECT_EQ(Main().Colour[0]->GetColor(), ClYellow);
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RepublishAll, 0);
    EXPECT_TRUE(Messages().Messages().empty()) << "no question after a cancel";
}

TEST_F(MainWindowPublishingTest, ALabelAndAMemoSwatchEditTheirFontsWithoutAQuestion) {
    AnswerBlueBold();
    Main().LabelColour->DblClick();
    EXPECT_EQ(program->LabelFont.Colour, "Blue");
    EXPECT_EQ(Main().LabelColour->GetColor(), ClBlue);
    EXPECT_TRUE(AllMarked());
    program->RecordTable[0].NeedsPublishing = 0;
    app->OnModal = [this](Form&) {
        Font().ColourMenu->UserSetText("255");
        Font().OKButton->Click();
    };
    Main().ScrollColour->DblClick();
    EXPECT_EQ(program->ScrollFont.Colour, "Red");
    EXPECT_EQ(Main().ScrollColour->GetColor(), ClRed);
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 1) << "even a font that keeps every value marks";
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(MainWindowPublishingTest, AConfirmedChangeWhileLoadingMarksNothing) {
    program->IsLoading = 1;
    AnswerBlueBold();
    Main().LabelColour->DblClick();
    EXPECT_EQ(program->LabelFont.Colour, "Blue");
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RepublishAll, 0);
}

TEST_F(MainWindowPublishingTest, TheSettingsEntriesOpenTheirDialogs) {
    Main().G1->Click();
    EXPECT_TRUE(program->PublishSetupForm->Visible());
    EXPECT_FALSE(program->PublishSetupForm->Modal()) << "not modal: it stays open while publishing";
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});

    struct ModalCase {
        const char* shortCut;
        Form* form;
    };
    const ModalCase cases[] = {
        {"Ctrl+H", program->HTMLForm},
        {"Ctrl+E", program->SearchSetup},
        {"Ctrl+L", program->LangForm},
    };
    for (const ModalCase& c : cases) {
        SCOPED_TRACE(c.shortCut);
        Messages().ClearLog();
        Form* shown = nullptr;
        app->OnModal = [&](Form& f) {
            shown = &f;
            f.SetModalResult(MrOk);
        };
        EXPECT_TRUE(Main().PressShortCut(c.shortCut));
        EXPECT_EQ(shown, c.form);
        EXPECT_FALSE(c.form->Visible());
        EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});
    }

    Messages().ClearLog();
    Main().KarvoSetup1->Click();
    EXPECT_TRUE(program->KarvoForm->Visible());
    EXPECT_FALSE(program->KarvoForm->Modal());
    EXPECT_TRUE(Messages().Log().empty());
}

}  // namespace
}  // namespace fv::testing
