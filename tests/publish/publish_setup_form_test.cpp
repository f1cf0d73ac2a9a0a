// The publishing settings dialog through the control model: its controls and initial values, the colour
// boxes and patches, the font patches, the image pickers, the publish folder, the percentage sums checked
// at OK, an activation that marks records only when a setting really changes, and the settings of a new
// database.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/files.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/image.h"
#include "publish/font_form.h"
#include "publish/publish_setup_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class PublishSetupFormTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->DatabaseDirectory = dir.Path();
        program->RecordCount = 3;
    }
    TPublishSetupForm& F() { return *program->PublishSetupForm; }
    ScriptedDialogs& Dialogs() { return app->ScriptedDialogBoxes(); }
    bool AllMarked() {
        for (int i = 0; i < program->RecordCount; ++i)
            if (!program->RecordTable[std::size_t(i)].NeedsPublishing) return false;
        return program->RepublishAll == 1;
    }
    bool NoneMarked() {
        for (int i = 0; i < program->RecordCount; ++i)
            if (program->RecordTable[std::size_t(i)].NeedsPublishing) return false;
        return program->RepublishAll == 0;
    }
    void ClearFlags() {
        for (int i = 0; i < program->RecordCount; ++i) program->RecordTable[std::size_t(i)].NeedsPublishing = 0;
        program->RepublishAll = 0;
        program->DatabaseModified = 0;
        Messages().ClearLog();
    }
    void Select(ComboBox* box, const std::string& item) { box->UserSelect(box->IndexOf(item)); }
};

TEST_F(PublishSetupFormTest, ControlsAndTheirInitialValues) {
    EXPECT_EQ(F().Caption(), "General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)");
    struct TextCase {
        const char* name;
        std::string text;
        int maxLength;
    };
    const TextCase texts[] = {
        {"PageBackgroundColour", "Image", 0},   {"TableHeaderColour", "Image", 0},
        {"TableHeader", "Folivex", 0},          {"TableBackgroundColour", "Image", 0},
        {"Alt1TableBackgroundColour", "None", 0}, {"Alt2TableBackgroundColour", "None", 0},
        {"PageBackgroundImageFile", "", 0},     {"TableHeadingImageFile", "", 0},
        {"TableBackgroundImageFile", "", 0},    {"ImageWidth", "120", 4},
        {"ImageHeight", "80", 4},               {"ButtonWidth", "18", 2},
        {"ButtonHeight", "18", 2},              {"DetailPageTableWidth", "500", 4},
        {"DetailPageColumnWidthLABEL", "20", 2}, {"DetailPageColumnWidthDATA", "45", 2},
        {"DetailPageColumnWidthIMAGE", "35", 2}, {"QuickViewPageTableWidth", "500", 4},
        {"QuickViewFields", "1,2,3,4,5,6,7,8", 60}, {"DETAILLabelHAlign", "left", 0},
        {"DETAILDataHAlign", "left", 0},        {"DETAILImageHAlign", "center", 0},
        {"DETAILLabelVAlign", "middle", 0},     {"DETAILDataVAlign", "middle", 0},
        {"DETAILImageVAlign", "middle", 0},     {"QUICKHAlign", "left", 0},
        {"QUICKVAlign", "middle", 0},
    };
    for (const TextCase& c : texts) {
        SCOPED_TRACE(c.name);
        Control* control = F().Find<Control>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Text(), c.text);
        if (auto* e = dynamic_cast<Edit*>(control)) {
            EXPECT_EQ(e->MaxLength(), c.maxLength);
        }
    }
    for (int k = 1; k <= 10; ++k) {
        auto* e = F().Find<Edit>("QuickViewPageColumnWidth" + std::to_string(k));
        ASSERT_NE(e, nullptr) << k;
        EXPECT_EQ(e->Text(), k <= 5 ? "20" : "0");
        EXPECT_EQ(e->MaxLength(), 2);
    }
    EXPECT_EQ(F().PageBackgroundColour->Items().size(), 17u);
    EXPECT_EQ(F().PageBackgroundColour->Items()[0], "Image");
    EXPECT_EQ(F().PageBackgroundColour->Items()[16], "White");
    EXPECT_EQ(F().TableBackgroundColour->Items().size(), 18u);
    EXPECT_EQ(F().TableBackgroundColour->Items()[0], "None");
    EXPECT_EQ(F().TableBackgroundColour->Items()[1], "Image");
    EXPECT_EQ(F().Alt1TableBackgroundColour->Items().size(), 17u);
    EXPECT_EQ(F().Alt1TableBackgroundColour->Items()[0], "None");
    EXPECT_EQ(F().DETAILLabelHAlign->Items(), (std::vector<std::string>{"none", "left", "center", "right"}));
    EXPECT_EQ(F().QUICKVAlign->Items(), (std::vector<std::string>{"none", "top", "middle", "bottom"}));
    EXPECT_TRUE(F().ForcePublish->Checked());
    EXPECT_EQ(F().ForcePublish->Caption(), "Force Publish of ALL Pages every time.");
    EXPECT_FALSE(F().LinkImagesAtUpload->Checked());
    EXPECT_EQ(F().LinkImagesAtUpload->Caption(), "Link Images ONLY at Upload time");
    EXPECT_FALSE(F().ScaleImages->Checked());
    EXPECT_EQ(F().ScaleImages->Caption(), "Publish Images to Scale");
    EXPECT_EQ(F().PublishGroup->Caption(), "Publish from:");
    EXPECT_EQ(F().TableHeadingGroup->Caption(), "Table Heading (Image or Text)");
    EXPECT_EQ(F().C1Label->Caption(), "C1");
    EXPECT_EQ(F().C2Label->Caption(), "C2");
    EXPECT_EQ(F().InstructionLabel->Caption(), "Instruction Text Settings");
    EXPECT_FALSE(F().PublishFileList->Visible());
    EXPECT_EQ(F().PublishFileList->Mask(), "qlx*.*");
    EXPECT_EQ(F().FileListBackground->Mask(), "*.jpg;*.gif");
    EXPECT_EQ(F().FileListHeader->Mask(), "*.jpg;*.gif");
    EXPECT_EQ(F().FileListTableBackground->Mask(), "*.gif;*.jpg");
    for (Image* preview : {F().OlePageBackground, F().OleTableHeading, F().OleTableBackground})
        EXPECT_FALSE(preview->Visible()) << preview->Name();
    EXPECT_EQ(F().DirectoryListBackground->FileList, F().FileListBackground);
    EXPECT_EQ(F().DriveComboBox2->DirList, F().DirectoryListHeader);
    EXPECT_EQ(F().PublishDirectory->FileList, F().PublishFileList);
    EXPECT_TRUE(F().OKButton->Default);
    EXPECT_EQ(F().OKButton->Caption(), "OK");
}

TEST_F(PublishSetupFormTest, ValidPercentagesCloseTheDialogAndMarkEveryRecordEvenWithoutAChange) {
    ChangeDirectory("/");
    F().Show();
    ClearFlags();
    F().OKButton->Click();
    EXPECT_FALSE(F().Visible());
    EXPECT_EQ(F().ModalResult(), MrOk);
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(CurrentDirectory(), dir.Path());
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(PublishSetupFormTest, ADetailSumOtherThanAHundredIsRefusedBeforeTheQuickViewIsLookedAt) {
    F().Show();
    F().DetailPageColumnWidthDATA->UserSetText("46");
    F().QuickViewPageColumnWidth[0]->UserSetText("99");
    ClearFlags();
    F().OKButton->Click();
    EXPECT_TRUE(F().Visible());
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The Detail Page column precentages must all add up to 100%"});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_TRUE(NoneMarked());
    EXPECT_EQ(F().DetailPageColumnWidthDATA->Text(), "46") << "the values stay for correction";
}

TEST_F(PublishSetupFormTest, AQuickViewSumOtherThanAHundredIsRefused) {
    F().Show();
    F().QuickViewPageColumnWidth[4]->UserSetText("2x");  // reads 2: 82
    ClearFlags();
    F().OKButton->Click();
    EXPECT_TRUE(F().Visible());
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The QuickView Page column precentages must all add up to 100%"});
    F().QuickViewPageColumnWidth[4]->UserSetText("x");  // a letter counts as 0: 80
    F().QuickViewPageColumnWidth[9]->UserSetText("20");
    Messages().ClearLog();
    F().OKButton->Click();
    EXPECT_FALSE(F().Visible());
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(PublishSetupFormTest, PercentageTextsAreReadWholeAndNeverCut) {
    // A configuration file may restore texts longer than the edits let anyone type.
    F().DetailPageColumnWidthLABEL->SetText("100");
    F().DetailPageColumnWidthDATA->SetText("  -0");
    F().DetailPageColumnWidthIMAGE->SetText("");
    for (std::size_t k = 0; k < 10; ++k) F().QuickViewPageColumnWidth[k]->SetText(k == 0 ? "+100" : "000");
    EXPECT_TRUE(F().ValidateDetailColumnWidths("100", "0", ""));
    EXPECT_FALSE(F().ValidateDetailColumnWidths("1000", "0", "0"));
    EXPECT_FALSE(F().ValidateDetailColumnWidths("10000000000000000000", "0", "0"));
    EXPECT_TRUE(F().ValidateDetailColumnWidths(" 50", "25", "25 %"));
    Messages().ClearLog();
    F().Show();
    F().OKButton->Click();
    EXPECT_FALSE(F().Visible());
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(PublishSetupFormTest, OkAlsoEndsAModalShowing) {
    app->OnModal = [&](Form&) { F().OKButton->Click(); };
    EXPECT_EQ(F().ShowModal(), MrOk);
}

TEST_F(PublishSetupFormTest, ChoosingImageChangesNothingAndAColourColoursThePatchAndMarksEveryRecord) {
    ClearFlags();
    F().PageBackgroundSwatch->SetColor(ClWhite);
    Select(F().PageBackgroundColour, "Image");
    EXPECT_EQ(F().PageBackgroundSwatch->GetColor(), ClWhite);
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_TRUE(NoneMarked());

    Select(F().PageBackgroundColour, "Navy");
    EXPECT_EQ(F().PageBackgroundSwatch->GetColor(), ClNavy);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(ReadWholeFile(dir.File(program->RepublishFileName)), std::string(3, '\x01'));

    struct BoxCase {
        ComboBox* box;
        Edit* patch;
        const char* keyword;
    };
    const BoxCase boxes[] = {
        {F().TableBackgroundColour, F().TableBackgroundSwatch, "Image"},
        {F().Alt1TableBackgroundColour, F().C1Swatch, "None"},
        {F().Alt2TableBackgroundColour, F().C2Swatch, "None"},
    };
    for (const BoxCase& b : boxes) {
        SCOPED_TRACE(b.box->Name());
        ClearFlags();
        Select(b.box, "Maroon");
        EXPECT_EQ(b.patch->GetColor(), ClMaroon);
        EXPECT_TRUE(AllMarked());
        ClearFlags();
        Select(b.box, b.keyword);
        EXPECT_EQ(b.patch->GetColor(), ClMaroon);
        EXPECT_TRUE(NoneMarked());
        // A typed decimal colour works too, and a long text is taken whole.
        b.box->UserSetText("32768");
        EXPECT_EQ(b.patch->GetColor(), ClGreen);
        b.box->UserSetText("000000000000000000000000000000065280");
        EXPECT_EQ(b.patch->GetColor(), ClLime);
    }
}

TEST_F(PublishSetupFormTest, TheTableHeadingColourIsAlsoTheColourOfTheHeaderFont) {
    program->HeaderFont = {"Red", " ", "+2", "Bold"};
    ClearFlags();
    Select(F().TableHeaderColour, "Blue");
    EXPECT_EQ(F().HeaderColour->GetColor(), ClBlue);
    EXPECT_EQ(program->HeaderFont.Colour, "Blue");
    EXPECT_EQ(program->HeaderFont.Size, "+2");
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(program->DatabaseModified, 1);
    ClearFlags();
    Select(F().TableHeaderColour, "Image");
    EXPECT_EQ(program->HeaderFont.Colour, "Blue");
    EXPECT_TRUE(NoneMarked());
}

TEST_F(PublishSetupFormTest, AnActivationMarksNothingWhenNoSettingChanges) {
    Select(F().PageBackgroundColour, "Navy");
    Select(F().TableHeaderColour, "Red");
    Select(F().TableBackgroundColour, "Silver");
    Select(F().Alt1TableBackgroundColour, "Red");
    Select(F().Alt2TableBackgroundColour, "Blue");
    ClearFlags();
    for (int round = 0; round < 3; ++round) {
        F().Show();
        F().Hide();
    }
    EXPECT_TRUE(NoneMarked());
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(PublishSetupFormTest, AnActivationColoursThePatchesOfRestoredBoxes) {
    // As a configuration file restores them: texts set, no change handler.
    program->IsLoading = 1;
    F().PageBackgroundColour->SetText("Olive");
    F().TableBackgroundColour->SetText("Teal");
    F().Alt1TableBackgroundColour->SetText("Aqua");
    F().Alt2TableBackgroundColour->SetText("None");
    program->IsLoading = 0;
    ClearFlags();
    F().C2Swatch->SetColor(ClWhite);
    F().Show();
    EXPECT_EQ(F().PageBackgroundSwatch->GetColor(), ClOlive);
    EXPECT_EQ(F().TableBackgroundSwatch->GetColor(), ClTeal);
    EXPECT_EQ(F().C1Swatch->GetColor(), ClAqua);
    EXPECT_EQ(F().C2Swatch->GetColor(), ClWhite);
    EXPECT_TRUE(NoneMarked()) << "the patches only show the settings";
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(PublishSetupFormTest, AnActivationThatChangesTheHeaderFontMarksEveryRecord) {
    program->HeaderFont = {"Red", " ", "+2", "Bold"};
    F().TableHeaderColour->SetText("Purple");  // no change handler ran
    ClearFlags();
    F().Show();
    EXPECT_EQ(program->HeaderFont.Colour, "Purple");
    EXPECT_EQ(F().HeaderColour->GetColor(), ClPurple);
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(program->DatabaseModified, 1);
    F().Hide();
    ClearFlags();
    F().Show();
    EXPECT_TRUE(NoneMarked()) << "the next activation finds nothing to change";
}

TEST_F(PublishSetupFormTest, APatchDoubleClickPicksAColourForItsBox) {
    struct PatchCase {
        Edit* patch;
        ComboBox* box;
    };
    const PatchCase patches[] = {
        {F().PageBackgroundSwatch, F().PageBackgroundColour},
        {F().TableBackgroundSwatch, F().TableBackgroundColour},
        {F().C1Swatch, F().Alt1TableBackgroundColour},
        {F().C2Swatch, F().Alt2TableBackgroundColour},
    };
    for (const PatchCase& c : patches) {
        SCOPED_TRACE(c.patch->Name());
        ClearFlags();
        Dialogs().colors.push_back(ClYellow);
        c.patch->DblClick();
        EXPECT_EQ(c.patch->GetColor(), ClYellow);
        EXPECT_EQ(c.box->Text(), "Yellow");
        EXPECT_EQ(program->DatabaseModified, 1);
        EXPECT_TRUE(AllMarked()) << "the box's colour is a setting of every page";
        EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});

        ClearFlags();
        Dialogs().colors.push_back(RGB(10, 20, 30));
        c.patch->DblClick();
        EXPECT_EQ(c.box->Text(), std::to_string(RGB(10, 20, 30)));

        ClearFlags();
        Dialogs().colors.push_back(std::nullopt);
        c.patch->DblClick();
        EXPECT_EQ(c.box->Text(), std::to_string(RGB(10, 20, 30)));
        EXPECT_EQ(program->DatabaseModified, 1) << "a cancelled colour dialog still counts";
        EXPECT_TRUE(NoneMarked());
    }
}

TEST_F(PublishSetupFormTest, TheHeaderPatchEditsTheHeaderFontAndTheHeadingColour) {
    program->HeaderFont = {"Red", " ", "+2", "Bold"};
    F().HeaderColour->SetColor(ClRed);
    TFontForm& font = *program->FontForm;
    ClearFlags();
    app->OnModal = [&](Form& f) {
        ASSERT_EQ(&f, &font);
        EXPECT_EQ(font.ColourMenu->Text(), "Red");
        EXPECT_EQ(font.ColourSwatch->GetColor(), ClRed);
        EXPECT_EQ(font.FontSize->Text(), "+2");
        EXPECT_EQ(font.FontStyle->Text(), "Bold");
        font.ColourMenu->UserSelect(font.ColourMenu->IndexOf("Green"));
        font.FontSize->UserSetText("+3");
        font.OKButton->Click();
    };
    F().HeaderColour->DblClick();
    EXPECT_EQ(program->HeaderFont.Colour, "Green");
    EXPECT_EQ(program->HeaderFont.Size, "+3");
    EXPECT_EQ(program->HeaderFont.Style, "Bold");
    EXPECT_EQ(F().HeaderColour->GetColor(), ClGreen);
    EXPECT_EQ(F().TableHeaderColour->Text(), "Green");
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});

    // Cancel leaves the font, the patch and the flags.
    ClearFlags();
    app->OnModal = [&](Form&) {
        font.ColourMenu->UserSelect(font.ColourMenu->IndexOf("Navy"));
        font.CancelButton->Click();
    };
    F().HeaderColour->DblClick();
    EXPECT_EQ(program->HeaderFont.Colour, "Green");
    EXPECT_EQ(F().HeaderColour->GetColor(), ClGreen);
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_TRUE(NoneMarked());
}

TEST_F(PublishSetupFormTest, TheInstructionPatchEditsTheInstructionFont) {
    program->InstructionFont = {"Silver", " ", "-1", "Bold Italic"};
    TFontForm& font = *program->FontForm;
    ClearFlags();
    app->OnModal = [&](Form&) {
        EXPECT_EQ(font.ColourMenu->Text(), "Silver");
        font.OKButton->Click();  // confirms without a change
    };
    F().InstructionColour->DblClick();
    EXPECT_EQ(program->InstructionFont.Colour, "Silver");
    EXPECT_EQ(F().InstructionColour->GetColor(), ClSilver);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(NoneMarked()) << "nothing changed that a page shows";

    ClearFlags();
    Dialogs().fonts.push_back(Font{"Serif", 11, ClBlack, FsItalic, 0});
    app->OnModal = [&](Form&) {
        font.FontButton->Click();
        font.OKButton->Click();
    };
    F().InstructionColour->DblClick();
    EXPECT_EQ(program->InstructionFont.Face, "Serif");
    EXPECT_EQ(program->InstructionFont.Size, "2");
    EXPECT_EQ(program->InstructionFont.Style, " Italic ");
    EXPECT_TRUE(AllMarked());
}

TEST_F(PublishSetupFormTest, PickingAnImageNamesItPreviewsItAndMarksEveryRecord) {
    ASSERT_TRUE(MakeDirectory(dir.File("pics")));
    ASSERT_TRUE(WriteWholeFile(dir.File("pics/back.gif"), "GIF89a"));
    ASSERT_TRUE(WriteWholeFile(dir.File("pics/head.jpg"), "JPEG"));
    ASSERT_TRUE(WriteWholeFile(dir.File("pics/notes.txt"), "text"));
    struct PickerCase {
        DirectoryListBox* folders;
        FileListBox* files;
        Edit* name;
        Image* preview;
    };
    const PickerCase pickers[] = {
        {F().DirectoryListBackground, F().FileListBackground, F().PageBackgroundImageFile, F().OlePageBackground},
        {F().DirectoryListHeader, F().FileListHeader, F().TableHeadingImageFile, F().OleTableHeading},
        {F().DirectoryListTableBackground, F().FileListTableBackground, F().TableBackgroundImageFile,
         F().OleTableBackground},
    };
    for (const PickerCase& c : pickers) {
        SCOPED_TRACE(c.files->Name());
        ASSERT_TRUE(c.folders->SetDirectory(dir.File("pics")));
        EXPECT_EQ(c.files->Items(), (std::vector<std::string>{"back.gif", "head.jpg"}));
        ClearFlags();
        c.files->UserSelect(1);
        EXPECT_EQ(c.name->Text(), "head.jpg");
        EXPECT_TRUE(c.preview->Visible());
        EXPECT_NE(c.preview->Picture(), nullptr);
        EXPECT_EQ(app->ScriptedImageLoader().loaded.back(), dir.File("pics/head.jpg"));
        EXPECT_EQ(program->DatabaseModified, 1);
        EXPECT_TRUE(AllMarked());
    }
    // A file that has gone since the list was read: named, warned about, not previewed.
    ASSERT_TRUE(F().DirectoryListBackground->SetDirectory(dir.File("pics")));
    F().OlePageBackground->Hide();
    ASSERT_TRUE(RemoveFile(dir.File("pics/back.gif")));
    Messages().ClearLog();
    F().FileListBackground->UserSelect(0);
    EXPECT_EQ(F().PageBackgroundImageFile->Text(), "back.gif");
    EXPECT_FALSE(F().OlePageBackground->Visible());
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The File [" + dir.File("pics/back.gif") + "] has not been located."});
}

TEST_F(PublishSetupFormTest, ThePublishFolderIsTheListsFolder) {
    ASSERT_TRUE(MakeDirectory(dir.File("site")));
    ASSERT_TRUE(WriteWholeFile(dir.File("site/qlx_index.htm"), "<HTML>"));
    ASSERT_TRUE(WriteWholeFile(dir.File("site/other.htm"), "<HTML>"));
    ClearFlags();
    ASSERT_TRUE(F().PublishDirectory->SetDirectory(dir.File("site")));
    EXPECT_EQ(program->PublishDirectory, dir.File("site"));
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(NoneMarked());
    EXPECT_EQ(F().PublishFileList->Items(), std::vector<std::string>{"qlx_index.htm"});
    program->PublishDirectory = "none";
    F().PublishDirectory->UserSelect(0);
    EXPECT_EQ(program->PublishDirectory, dir.File("site"));
}

TEST_F(PublishSetupFormTest, SettingsOfEveryPageMarkEveryRecordAndTheSwitchesCountAsChanges) {
    for (Edit* e : {F().TableHeader, F().ImageWidth, F().ButtonHeight, F().DetailPageTableWidth,
                    F().DetailPageColumnWidthIMAGE, F().QuickViewPageTableWidth, F().QuickViewPageColumnWidth[7],
                    F().QuickViewFields, F().TableBackgroundImageFile}) {
        SCOPED_TRACE(e->Name());
        ClearFlags();
        e->UserSetText("9");
        EXPECT_TRUE(AllMarked());
        EXPECT_EQ(program->DatabaseModified, 1);
    }
    ClearFlags();
    Select(F().DETAILImageVAlign, "bottom");
    EXPECT_TRUE(AllMarked());
    ClearFlags();
    F().ScaleImages->Click();
    EXPECT_TRUE(AllMarked());
    for (CheckBox* box : {F().ForcePublish, F().LinkImagesAtUpload}) {
        SCOPED_TRACE(box->Name());
        ClearFlags();
        box->Click();
        EXPECT_EQ(program->DatabaseModified, 1) << "the exit offers to save the switch";
        EXPECT_TRUE(NoneMarked());
    }
    // While a database loads, restored settings neither mark nor count as changes.
    ClearFlags();
    program->IsLoading = 1;
    F().TableHeader->SetText("Restored");
    F().ForcePublish->SetChecked(false);
    program->IsLoading = 0;
    EXPECT_TRUE(NoneMarked());
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(PublishSetupFormTest, ANewDatabasePublishesBelowTheStartFolderOnStone) {
    program->ProgramDirectory = dir.Path();
    ASSERT_TRUE(CopyFileBytes(std::string(FOLIVEX_SOURCE_DIR) + "/resources/stone.gif", dir.File("stone.gif")));
    ChangeDirectory("/");
    F().SetNewDatabaseDefaults(nullptr);
    EXPECT_TRUE(IsDirectory(dir.File("publish")));
    EXPECT_EQ(program->PublishDirectory, dir.File("publish"));
    EXPECT_EQ(F().PublishDirectory->Directory(), dir.File("publish"));
    for (DirectoryListBox* list : {F().DirectoryListBackground, F().DirectoryListHeader, F().DirectoryListTableBackground})
        EXPECT_EQ(list->Directory(), dir.Path()) << list->Name();
    EXPECT_EQ(F().PageBackgroundColour->Text(), "White");
    EXPECT_EQ(F().TableBackgroundColour->Text(), "Image");
    EXPECT_EQ(F().TableHeaderColour->Text(), "Red");
    EXPECT_EQ(F().TableHeader->Text(), "== Folivex ==");
    EXPECT_EQ(F().TableBackgroundImageFile->Text(), "stone.gif");
    EXPECT_TRUE(F().OleTableBackground->Visible());
    EXPECT_TRUE(F().ScaleImages->Checked());
    EXPECT_EQ(F().HeaderColour->GetColor(), ClRed);
    EXPECT_EQ(F().InstructionColour->GetColor(), ClSilver);
    EXPECT_EQ(CurrentDirectory(), dir.Path()) << "it ends in the database's folder";
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});

    // Without the shipped picture the name stays, with the missing-file warning and no preview.
    std::filesystem::remove(dir.File("stone.gif"));
    F().OleTableBackground->Hide();
    F().SetNewDatabaseDefaults(nullptr);
    EXPECT_EQ(F().TableBackgroundImageFile->Text(), "stone.gif");
    EXPECT_FALSE(F().OleTableBackground->Visible());
    EXPECT_EQ(Messages().Messages().size(), 1u);
}

TEST_F(PublishSetupFormTest, TheEndReturnsToTheDatabaseFolder) {
    ChangeDirectory("/");
    F().FormDestroy(&F());
    EXPECT_EQ(CurrentDirectory(), dir.Path());
}

}  // namespace
}  // namespace fv::testing
