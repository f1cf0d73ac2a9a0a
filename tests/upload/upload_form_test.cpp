// The upload dialog without a server: its controls and texts, the ends that never connect (nothing to
// send, the count question declined, "Exit" while idle), a server that cannot be reached, and the log's
// batches.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <netinet/in.h>

#include "upload/upload_fixture.h"

namespace fv::testing {
namespace {

class UploadFormTest : public UploadFixture {};

TEST_F(UploadFormTest, ControlsCarryTheirCaptionsAndStartHidden) {
    TUploadForm& u = Upload();
    EXPECT_EQ(u.Caption(), "Upload to Web Site");
    const std::pair<Control*, const char*> captions[] = {
        {u.SendButton, "S E N D"},
        {u.ExitButton, "Exit"},
        {u.Tick, "Ok"},
        {u.Abort, "Fail"},
        {u.Label1, "Status Messages"},
        {u.HeaderText1, "           WebSite Upload"},
        {u.HeaderText2, "                 Manager"},
        {u.StatusBar1, "Not Connected to Web Site"},
    };
    for (auto [control, caption] : captions) EXPECT_EQ(control->Caption(), caption) << control->Name();
    EXPECT_FALSE(u.Tick->Visible());
    EXPECT_FALSE(u.Abort->Visible());
    EXPECT_FALSE(u.FilesAtSite->Visible());
    EXPECT_EQ(u.Tick->ModalResult, MrOk);
    EXPECT_EQ(u.Abort->ModalResult, MrAbort);
    EXPECT_TRUE(u.FileNow->ReadOnly());
    EXPECT_FALSE(u.FileNow->Enabled());
    EXPECT_TRUE(u.DisplayMemo->ReadOnly());
    ASSERT_EQ(u.StatusBar1->Panels().size(), 1u);
    EXPECT_EQ(u.StatusBar1->Panels()[0].Text, "FTP Status");
    EXPECT_EQ(u.StatusBar1->Panels()[0].Width, 100);
    // The client as the dialog sets it up.
    EXPECT_EQ(u.FtpClient1->Timeout(), 90);
    EXPECT_TRUE(u.FtpClient1->Binary());
    EXPECT_EQ(u.FtpClient1->ConnectionType(), ftpDirect);
    EXPECT_EQ(u.FtpClient1->ShareMode(), ftpShareExclusive);
    EXPECT_EQ(u.FtpClient1->Options(), TFtpOptions(ftpAcceptLF));
    EXPECT_EQ(static_cast<const TCustomFtpClient&>(*u.FtpClient1).Port(), "ftp") << "the port as a service name";
}

TEST_F(UploadFormTest, AnEmptyPublishFolderClosesTheDialogWithoutConnecting) {
    Target("1", "qlx");
    Send();
    EXPECT_EQ(Notices(), std::vector<std::string>{"No Uploads files present. Upload not necessary this time."});
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(Upload().ModalResult(), MrOk);
    EXPECT_EQ(Upload().StatusBar1->SimpleText(), "Not Connected to Web Site");
    EXPECT_FALSE(Logged("Attempting to Connect to Site...."));
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
}

TEST_F(UploadFormTest, TheCountQuestionCountsEveryFileAndANoSendsNothing) {
    Publish("qlx_index.htm", "index");
    Publish("FILELIST.TXT", "a listing left behind");
    Publish("style.css", "css");
    Target("1", "qlx");
    Messages().Answer(IdNo);
    Send();
    // The listing's name is counted, though it is never sent.
    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 3 ] Files to Upload. Continue ?"});
    EXPECT_EQ(Upload().ModalResult(), MrOk);
    EXPECT_FALSE(Upload().SendButton->Enabled()) << "one upload per opening";
    EXPECT_EQ(Upload().UploadRunning, 0);
    EXPECT_FALSE(Logged("Attempting to Connect to Site...."));
    EXPECT_EQ(Published().size(), 3u);
}

TEST_F(UploadFormTest, AWritersTemporaryFileIsNeitherCountedNorSent) {
    // A publish that ended during a write left the page's temporary beside it.
    Publish("qlx_index.htm", "index");
    Publish("qlx_index.htm.tmp4242-17", "half a page");
    Target("1", "qlx");
    Messages().Answer(IdNo);
    Send();
    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 1 ] Files to Upload. Continue ?"});
    EXPECT_EQ(Published().size(), 2u) << "nothing is removed by the upload";
}

TEST_F(UploadFormTest, ExitWhileIdleClosesTheDialogWithOk) {
    ASSERT_TRUE(ChangeDirectory(dir.Path()));
    Upload().ExitButton->Click();
    EXPECT_EQ(Upload().ModalResult(), MrOk);
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
}

TEST_F(UploadFormTest, AServerThatCannotBeReachedFailsTheConnectAndEndsTheUpload) {
    // A port of this machine that nobody listens on: bound, never listening.
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    Publish("qlx_index.htm", "index");
    Publish("atsite-not-a-folder.txt", "x");
    Target(std::to_string(ntohs(a.sin_port)), "qlx");
    Messages().Answer(IdYes);
    Send();
    ::close(s);
    EXPECT_TRUE(Logged("Attempting to Connect to Site....")) << LogText();
    EXPECT_TRUE(Logged("Command FAILED.")) << LogText();
    EXPECT_TRUE(Upload().Abort->Visible());
    EXPECT_FALSE(Upload().Tick->Visible());
    EXPECT_EQ(Upload().UploadRunning, 0);
    EXPECT_TRUE(Upload().SendButton->Enabled()) << "another try is possible";
    EXPECT_EQ(Upload().ModalResult(), MrNone) << "the dialog stays open with Fail shown";
    EXPECT_EQ(Messages().Beeps().back(), BeepKind::Exclamation);
    EXPECT_EQ(Published().size(), 2u);
    EXPECT_TRUE(Mirrored().empty());
}

TEST_F(UploadFormTest, TheLogReachesTheMemoInBatchesAndKeepsTheLatestLines) {
    TUploadForm& u = Upload();
    u.AddLogLine("first");
    EXPECT_EQ(u.DisplayMemo->Text(), "") << "a line waits for its batch";
    loop.AdvanceBy(UploadLog::FlushIntervalMs);
    EXPECT_EQ(u.DisplayMemo->Text(), "first\r\n");
    for (std::size_t i = 0; i < UploadLog::MaxLines + 5; ++i) u.AddLogLine("line " + std::to_string(i));
    u.FlushLog();
    const std::vector<std::string> lines = u.DisplayMemo->Lines();
    ASSERT_EQ(lines.size(), UploadLog::MaxLines);
    EXPECT_EQ(lines.front(), "line 5");
    EXPECT_EQ(lines.back(), "line " + std::to_string(UploadLog::MaxLines + 4));
    EXPECT_EQ(u.DisplayMemo->SelStart(), int(u.DisplayMemo->Text().size())) << "the newest line is in view";
    // Cleared from outside, as before each opening: the log goes on from the empty memo.
    u.DisplayMemo->Clear();
    u.AddLogLine("again");
    u.FlushLog();
    EXPECT_EQ(u.DisplayMemo->Text(), "again\r\n");
}

}  // namespace
}  // namespace fv::testing
