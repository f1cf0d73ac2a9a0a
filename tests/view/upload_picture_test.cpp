// A picture of the upload dialog after a real upload to vsftpd (the fixture ftp_servers of tests/net),
// drawn off screen through the Qt view with the FTP client waiting on Qt's loop: the log, the file in
// hand, the status bars and the "Ok" button as the user sees them at the end.
#include <gtest/gtest.h>

#include <unistd.h>

#include "net/server_settings.h"
#include "platform/ui/directory_list_box.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class UploadPictureTest : public ViewProgramFixture {};

TEST_F(UploadPictureTest, TheDialogAfterAnUpload) {
    testing::ServerSettings settings("FOLIVEX_FTP_ENV_FILE");
    if (settings.Get("FOLIVEX_FTP_PORT").empty())
        GTEST_SKIP() << "FOLIVEX_FTP_PORT is not set: no vsftpd for this test (run it through ctest, which starts it)";
    ASSERT_TRUE(StartProgram(*program));
    program->DatabaseDirectory = dir.Path();
    program->PublishDirectory = dir.File("publish");
    ASSERT_TRUE(MakeDirectory(program->PublishDirectory));
    ASSERT_TRUE(MakeDirectory(JoinPath(program->PublishDirectory, "atsite")));
    for (const char* name : {"qlx_index.htm", "qlx_1_s.htm", "qlx_1_1.htm", "qlx1_1_1.gif"})
        ASSERT_TRUE(WriteWholeFile(JoinPath(program->PublishDirectory, name), std::string(name) + " published"));
    TFTPForm& f = *program->FTPForm;
    f.FTPhost->SetText("127.0.0.1");
    f.FTPPort->SetText(settings.Get("FOLIVEX_FTP_PORT"));
    f.FTPAccountID->SetText(settings.Get("FOLIVEX_FTP_USER"));
    f.FTPPassword->SetText(settings.Get("FOLIVEX_FTP_PASSWORD"));
    f.FTPHostDir->SetText("picture-" + std::to_string(::getpid()));

    TUploadForm& upload = *program->UploadForm;
    app.Scripted().Answer(IdYes);
    upload.Show();
    view->Refresh();
    upload.SendButton->Click();
    upload.FlushLog();
    view->Refresh();
    ASSERT_TRUE(upload.Tick->Visible()) << upload.DisplayMemo->Text();
    EXPECT_EQ(upload.FileNow->Text(), "qlx_index.htm (4 of 4 files)");
    SavePicture(upload, "upload_form.png");
    upload.Hide();
}

}  // namespace
}  // namespace fv
