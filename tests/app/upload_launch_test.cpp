// The main window's upload command ("Go !", Ctrl+G, and the upload button): the dialog prepared afresh,
// shown modally, and the tidying afterwards that puts the publishing settings' folder list back and leaves
// the user's files and the database's modified mark alone.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
#include "platform/fs/files.h"
#include "platform/ui/directory_list_box.h"
#include "publish/publish_setup_form.h"
#include "support/program_fixture.h"
#include "upload/upload_form.h"

namespace fv::testing {
namespace {

class UploadLaunchTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        ASSERT_TRUE(MakeDirectory(dir.File("db")));
        program->DatabaseDirectory = dir.File("db");
        ASSERT_TRUE(ChangeDirectory(program->DatabaseDirectory));
        publishDirectory = program->PublishDirectory;
        ASSERT_TRUE(IsDirectory(publishDirectory));
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TUploadForm& Upload() { return *program->UploadForm; }

    std::string publishDirectory;
};

TEST_F(UploadLaunchTest, GoAndTheUploadButtonOpenTheDialogPreparedAfresh) {
    EXPECT_TRUE(Main().GO2->Enabled());
    EXPECT_TRUE(Main().UploadItButton->Enabled());
    EXPECT_EQ(Main().MainMenu1->FindByShortCut("Ctrl+G"), Main().GO2);
    const std::function<void()> opens[] = {
        [&] { Main().GO2->Click(); },
        [&] { Main().UploadItButton->Click(); },
        [&] { Main().PressShortCut("Ctrl+G"); },
    };
    for (const auto& open : opens) {
        // What an earlier opening left behind.
        Upload().SendButton->SetEnabled(false);
        Upload().FileNow->SetText("qlx_index.htm (1 of 1 files)");
        Upload().Tick->Show();
        Upload().Abort->Show();
        Upload().DisplayMemo->SetText("Command ok.\r\n");
        Messages().ClearLog();
        int opened = 0;
        app->OnModal = [&](Form& f) {
            ASSERT_EQ(&f, &Upload());
            ++opened;
            EXPECT_TRUE(Upload().SendButton->Enabled());
            EXPECT_EQ(Upload().FileNow->Text(), "");
            EXPECT_FALSE(Upload().Tick->Visible());
            EXPECT_FALSE(Upload().Abort->Visible());
            EXPECT_EQ(Upload().DisplayMemo->Text(), "");
            Upload().ExitButton->Click();
        };
        open();
        EXPECT_EQ(opened, 1);
        ASSERT_FALSE(Messages().Log().empty());
        EXPECT_EQ(Messages().Log()[0].What, ServiceEvent::Kind::Beep) << "a plain beep before the dialog";
        EXPECT_EQ(Messages().Log()[0].Beep, BeepKind::Default);
        EXPECT_FALSE(Upload().Visible());
    }
}

TEST_F(UploadLaunchTest, AfterTheDialogTheFolderListIsBackAndNothingOfTheUsersIsTouched) {
    // Files of the user's that bear the listing's name, here and in the folder above.
    ASSERT_TRUE(WriteWholeFile(JoinPath(program->DatabaseDirectory, "FILELIST.TXT"), "mine"));
    ASSERT_TRUE(WriteWholeFile(dir.File("FILELIST.TXT"), "mine too"));
    for (std::uint8_t modified : {0, 1}) {
        SCOPED_TRACE(int(modified));
        program->DatabaseModified = modified;
        app->OnModal = [&](Form&) {
            // Whatever folder the dialog leaves in the list, and wherever it leaves the current directory.
            ASSERT_TRUE(program->PublishSetupForm->PublishDirectory->SetDirectory(dir.Path()));
            app->SetScreenCursor(Cursor::HourGlass);
            Upload().SetModalResult(MrCancel);
        };
        Main().UploadButton(nullptr);
        EXPECT_EQ(program->PublishSetupForm->PublishDirectory->Directory(), publishDirectory);
        EXPECT_EQ(program->PublishDirectory, publishDirectory);
        EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
        EXPECT_EQ(app->ScreenCursor(), Cursor::Default);
        // Unsaved changes stay unsaved; a saved database is not made to look changed.
        EXPECT_EQ(program->DatabaseModified, modified);
        EXPECT_EQ(ReadWholeFile(JoinPath(program->DatabaseDirectory, "FILELIST.TXT")), "mine");
        EXPECT_EQ(ReadWholeFile(dir.File("FILELIST.TXT")), "mine too");
    }
}

}  // namespace
}  // namespace fv::testing
