// The upload dialog against a real vsftpd on 127.0.0.1 (scripts/start-ftp-server.sh, run by ctest as the
// fixture ftp_servers): the user's answers are scripted, and after each upload the site folder, the
// "atsite" mirror and the publish folder are compared byte for byte with what they must hold. Every test
// uploads into a folder of its own on the server, so the tests may run side by side.
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

#include "net/server_settings.h"
#include "upload/upload_fixture.h"

namespace fv::testing {
namespace {

// Bytes that show where a piece went missing or came twice.
std::string Pattern(std::size_t n, char seed) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char(seed + (i * 7 + i / 251) % 26);
    return s;
}

class UploadVsftpdTest : public UploadFixture {
protected:
    void SetUp() override {
        UploadFixture::SetUp();
        if (settings.Get("FOLIVEX_FTP_PORT").empty())
            GTEST_SKIP() << "FOLIVEX_FTP_PORT is not set: no vsftpd for this test (run it through ctest, which starts it)";
        folder = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid());
        To("FOLIVEX_FTP_PORT");
    }
    void TearDown() override {
        if (poll_) loop.StopTimer(poll_);
        UploadFixture::TearDown();
    }

    // The server to upload to, by the variable that names its port.
    void To(const char* portVariable) {
        Target(settings.Get(portVariable), folder, settings.Get("FOLIVEX_FTP_USER"),
               settings.Get("FOLIVEX_FTP_PASSWORD"));
    }
    std::string Site() const { return settings.Get("FOLIVEX_FTP_ROOT") + "/" + folder; }
    FileMap OnSite() const { return FilesIn(Site()); }
    void PutOnSite(const std::string& name, const std::string& bytes) {
        MakeDirectory(Site());
        ASSERT_TRUE(WriteWholeFile(JoinPath(Site(), name), bytes));
    }
    // Runs the action once, from the loop, as soon as the file is being sent: its first bytes are out and
    // the dialog shows it in the log and in the file box. When the dialog never shows it during the
    // transfer, the action never runs.
    void WhileSending(const std::string& name, std::function<void()> action) {
        poll_ = loop.StartTimer(5, [this, name, action] {
            TUploadForm& u = Upload();
            if (u.FileNow->Text().rfind(name + " (", 0) != 0 || u.FtpClient1->ByteCount() == 0 ||
                u.DisplayMemo->Text().find("File: " + name + "\r\n") == std::string::npos)
                return;
            loop.StopTimer(poll_);
            poll_ = 0;
            action();
        });
    }

    // A small page, a big picture to be in the middle of, and another small page, to the slow server.
    void ThreeFilesToTheSlowServer(const std::string& big) {
        To("FOLIVEX_FTP_SLOW_PORT");
        Publish("qlx_1.htm", "one");
        Publish("qlx_2.gif", big);
        Publish("qlx_3.htm", "three");
        Messages().Answer(IdYes);
    }

    ServerSettings settings{"FOLIVEX_FTP_ENV_FILE"};
    std::string folder;
    MessageLoop::TimerId poll_ = 0;
};

TEST_F(UploadVsftpdTest, AFirstUploadSendsEveryFileAsItIsAndKeepsTheUsersOwnFiles) {
    const FileMap site = {
        {"qlx_index.htm", "<HTML>\r\nindex\r\n</HTML>\r\n"},
        {"qlx1_1_1.gif", BinaryBytes("GIF89a")},
        {"style.css", "body { }\n"},
    };
    for (const auto& [name, bytes] : site) Publish(name, bytes);
    Messages().Answer(IdYes);
    Send();

    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 3 ] Files to Upload. Continue ?"});
    EXPECT_EQ(OnSite(), site) << "every file, in binary, and the probe deleted again\n" << LogText();
    EXPECT_EQ(Mirrored(), site);
    // The published files go once they are at the site; a file of the user's own stays for the next time.
    EXPECT_EQ(Published(), (FileMap{{"style.css", "body { }\n"}}));
    EXPECT_TRUE(Upload().Tick->Visible());
    EXPECT_FALSE(Upload().Abort->Visible());
    EXPECT_FALSE(Upload().SendButton->Enabled()) << "one upload per opening";
    EXPECT_EQ(Upload().ModalResult(), MrNone) << "the dialog waits for Ok";
    EXPECT_EQ(Upload().UploadRunning, 0);
    EXPECT_EQ(Upload().FileNow->Text(), "style.css (3 of 3 files)");
    EXPECT_EQ(Upload().StatusBar1->SimpleText(), "Not Connected to Web Site");
    EXPECT_EQ(Upload().FtpClient1->Timeout(), 20) << "120 s for the connect, 20 s from the host folder on";
    for (const char* line : {"Attempting to Connect to Site....", "File: qlx_index.htm", "File: qlx1_1_1.gif",
                             "Command ok.", "Request 17 Done.", "No error"})
        EXPECT_TRUE(Logged(line)) << line << "\n" << LogText();
    EXPECT_FALSE(Logged("Command FAILED."));
    EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
    EXPECT_EQ(program->DatabaseModified, 0);

    // The next upload sends only what waits in the publish folder and leaves the rest of the site alone.
    Publish("qlx_index.htm", "<HTML>\r\nnew index\r\n</HTML>\r\n");
    Messages().ClearLog();
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 2 ] Files to Upload. Continue ?"});
    FileMap expected = site;
    expected["qlx_index.htm"] = "<HTML>\r\nnew index\r\n</HTML>\r\n";
    EXPECT_EQ(OnSite(), expected);
    EXPECT_EQ(Mirrored(), expected);
}

TEST_F(UploadVsftpdTest, FilesNoLongerPublishedGoAtOnceWhenTheyAreOursAndAfterAQuestionOtherwise) {
    PutOnSite("qlx_old.htm", "old page");
    PutOnSite("notes.txt", "the user's notes");
    PutOnSite("dummy.txt", "not the probe");
    Publish("qlx_index.htm", "index");
    Messages().Answer(IdYes);
    Messages().Answer(IdNo);
    Messages().Answer(IdNo);
    Send();
    std::vector<std::string> asked = Questions();
    ASSERT_EQ(asked.size(), 3u) << LogText();
    std::sort(asked.begin() + 1, asked.end());
    EXPECT_EQ(asked[1], "Old File found at Site [dummy.txt] - Delete it ?");
    EXPECT_EQ(asked[2], "Old File found at Site [notes.txt] - Delete it ?");
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_index.htm", "index"}, {"notes.txt", "the user's notes"},
                                 {"dummy.txt", "not the probe"}}));
    EXPECT_TRUE(Upload().Tick->Visible());

    // Asked again on the next upload; a yes deletes them.
    Publish("qlx_index.htm", "index 2");
    Messages().ClearLog();
    for (int i = 0; i < 3; ++i) Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Questions().size(), 3u);
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_index.htm", "index 2"}}));
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_index.htm", "index 2"}}));
}

TEST_F(UploadVsftpdTest, ARefusedUploadAsksNothingDeletesNothingAndDoesNotWorkFromTheLastListing) {
    // A first upload lists the user's file and keeps it.
    PutOnSite("notes.txt", "the user's notes");
    Publish("qlx_a.htm", "a");
    Messages().Answer(IdYes);
    Messages().Answer(IdNo);
    Send();
    ASSERT_TRUE(Upload().Tick->Visible()) << LogText();

    // The same folder on a server that takes no file: the probe is refused.
    To("FOLIVEX_FTP_READONLY_PORT");
    Publish("qlx_b.htm", "b");
    Publish("qlx_c.htm", "c");
    Messages().ClearLog();
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 2 ] Files to Upload. Continue ?"});
    EXPECT_TRUE(Logged("Command FAILED.")) << LogText();
    EXPECT_TRUE(Upload().Abort->Visible());
    EXPECT_FALSE(Upload().Tick->Visible());
    EXPECT_EQ(Published(), (FileMap{{"qlx_b.htm", "b"}, {"qlx_c.htm", "c"}}));
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_a.htm", "a"}}));
    EXPECT_EQ(OnSite(), (FileMap{{"notes.txt", "the user's notes"}, {"qlx_a.htm", "a"}}));
    EXPECT_EQ(Upload().FilesAtSite->Items().size(), 0u) << "this run never listed the site";
}

TEST_F(UploadVsftpdTest, AFileWhoseMirrorCopyFailsStaysInThePublishFolderAndAtTheSite) {
    PutOnSite("qlx_a.htm", "old a");
    // The mirror cannot take a file of that name: a folder is in its place.
    ASSERT_TRUE(MakeDirectory(JoinPath(Mirror(), "qlx_a.htm")));
    Publish("qlx_a.htm", "new a");
    Publish("qlx_b.htm", "b");
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Notices(), std::vector<std::string>{"Unable to locate file '" + JoinPath(program->PublishDirectory, "qlx_a.htm") + "'"});
    EXPECT_EQ(Published(), (FileMap{{"qlx_a.htm", "new a"}})) << "deleted only after a sure copy";
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_b.htm", "b"}}));
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_a.htm", "new a"}, {"qlx_b.htm", "b"}})) << "a name sent in this run stays";
}

TEST_F(UploadVsftpdTest, WithoutAMirrorFolderNothingPublishedIsDeletedAtTheSite) {
    ASSERT_TRUE(RemoveFile(Mirror()) || std::filesystem::remove(Mirror()));
    PutOnSite("qlx_old.htm", "old page");
    Publish("qlx_index.htm", "index");
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_index.htm", "index"}, {"qlx_old.htm", "old page"}})) << "the probe goes all the same";
    EXPECT_EQ(Published(), (FileMap{{"qlx_index.htm", "index"}}));
}

TEST_F(UploadVsftpdTest, ALinkedImageInAFolderWithADotGoesUnderItsOwnExtensionAndSurvivesTheNextCleanUp) {
    const std::string pictures = dir.File("pics.v2");
    ASSERT_TRUE(MakeDirectory(pictures));
    const std::string photo = BinaryBytes("JFIF");
    ASSERT_TRUE(WriteWholeFile(JoinPath(pictures, "photo.jpg"), photo));
    Publish("qlx1_1_1.img", JoinPath(pictures, "photo.jpg") + "\r\n");
    Publish("qlx_index.htm", "index");
    Messages().Answer(IdYes);
    Send();
    const FileMap site = {{"qlx1_1_1.jpg", photo}, {"qlx_index.htm", "index"}};
    EXPECT_EQ(OnSite(), site) << LogText();
    EXPECT_EQ(Mirrored(), site) << "the mirror holds the site's names";
    EXPECT_TRUE(Published().empty());
    EXPECT_EQ(ReadWholeFile(JoinPath(pictures, "photo.jpg")), photo) << "the image stays where it is";
    EXPECT_TRUE(Logged("File: " + JoinPath(pictures, "photo.jpg")));

    Publish("qlx_index.htm", "index 2");
    Messages().ClearLog();
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(OnSite(), (FileMap{{"qlx1_1_1.jpg", photo}, {"qlx_index.htm", "index 2"}}));
}

TEST_F(UploadVsftpdTest, ALinkToAMissingImageIsLoggedKeptAndFailsTheUpload) {
    Publish("qlx1_1_1.img", dir.File("gone.jpg") + "\r\n");
    Publish("qlx_index.htm", "index");
    Messages().Answer(IdYes);
    Send();
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_index.htm", "index"}}));
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_index.htm", "index"}}));
    EXPECT_EQ(Published(), (FileMap{{"qlx1_1_1.img", dir.File("gone.jpg") + "\r\n"}}));
    EXPECT_NE(LogText().find("[" + dir.File("gone.jpg") + "]"), std::string::npos) << LogText();
    EXPECT_TRUE(Logged("1 file(s) could not be sent and are kept for the next upload."));
    EXPECT_TRUE(Upload().Abort->Visible());
    EXPECT_FALSE(Upload().Tick->Visible());
}

TEST_F(UploadVsftpdTest, TheProbeAndTheListingNeverTouchAFileOfTheUser) {
    ASSERT_TRUE(WriteWholeFile(JoinPath(program->DatabaseDirectory, "dummy"), "mine"));
    ASSERT_TRUE(WriteWholeFile(JoinPath(program->DatabaseDirectory, "FILELIST.TXT"), "my list"));
    const FileMap before = FilesIn(program->DatabaseDirectory);
    Publish("qlx_index.htm", "index");
    Messages().Answer(IdYes);
    Send();
    ASSERT_TRUE(Upload().Tick->Visible()) << LogText();
    EXPECT_EQ(FilesIn(program->DatabaseDirectory), before);
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_index.htm", "index"}}));
}

TEST_F(UploadVsftpdTest, ExitOnceLetsTheTransferInHandEndAndStopsBeforeTheNextFile) {
    const std::string big = Pattern(768 * 1024, 'a');
    ThreeFilesToTheSlowServer(big);
    WhileSending("qlx_2.gif", [&] {
        Messages().Answer(IdYes);
        Upload().ExitButton->Click();
    });
    Send();
    EXPECT_EQ(Questions(), (std::vector<std::string>{"[ 3 ] Files to Upload. Continue ?", "Do you want to Exit now ?"}));
    EXPECT_EQ(Upload().ModalResult(), MrCancel);
    EXPECT_EQ(Upload().UploadRunning, 0);
    EXPECT_TRUE(Upload().SendButton->Enabled());
    EXPECT_FALSE(Upload().Abort->Visible());
    EXPECT_FALSE(Logged("Command FAILED."));
    // The clean-up did not run: the probe is still there until the next upload.
    EXPECT_EQ(OnSite(), (FileMap{{"dummy", "dummy"}, {"qlx_1.htm", "one"}, {"qlx_2.gif", big}}));
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_1.htm", "one"}, {"qlx_2.gif", big}}));
    EXPECT_EQ(Published(), (FileMap{{"qlx_3.htm", "three"}}));
}

TEST_F(UploadVsftpdTest, ExitTwiceBreaksTheTransferInHandOff) {
    // More than the socket buffers on both sides hold, so the break finds most of it unsent.
    const std::string big = Pattern(16u << 20, 'k');
    ThreeFilesToTheSlowServer(big);
    WhileSending("qlx_2.gif", [&] {
        Messages().Answer(IdYes);
        Messages().Answer(IdYes);
        Upload().ExitButton->Click();
        Upload().ExitButton->Click();
    });
    Send();
    EXPECT_EQ(Questions(), (std::vector<std::string>{"[ 3 ] Files to Upload. Continue ?", "Do you want to Exit now ?",
                                                     "Do you want to Exit now ?"}));
    EXPECT_EQ(Upload().ModalResult(), MrCancel);
    EXPECT_EQ(Upload().UploadRunning, 0);
    EXPECT_TRUE(Upload().SendButton->Enabled());
    EXPECT_FALSE(Upload().Abort->Visible()) << "breaking off is no failure";
    EXPECT_FALSE(Logged("Command FAILED.")) << LogText();
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_1.htm", "one"}}));
    EXPECT_EQ(Published(), (FileMap{{"qlx_2.gif", big}, {"qlx_3.htm", "three"}}));
    // At the site at most a beginning of the broken-off file, which the next upload sends again.
    const FileMap site = OnSite();
    EXPECT_EQ(site.at("qlx_1.htm"), "one");
    EXPECT_EQ(site.count("qlx_3.htm"), 0u);
    if (site.count("qlx_2.gif")) {
        const std::string& part = site.at("qlx_2.gif");
        EXPECT_LT(part.size(), big.size());
        EXPECT_EQ(part, big.substr(0, part.size()));
    }
}

// The client reaches the site through a SOCKS 5 proxy (a real Dante) when it is set up so, though the
// dialog has no setting for it: every connection, control and data, goes to the proxy, and the site,
// the mirror and the publish folder end as after a direct upload.
TEST_F(UploadVsftpdTest, AnUploadThroughASocks5ProxyEndsAsADirectOne) {
    const ServerSettings socks{"FOLIVEX_SOCKS_ENV_FILE", FOLIVEX_BINARY_DIR "/tests/net/socks-proxy/socks.env"};
    struct Proxy {
        const char* name;
        std::string port, user, password;
    };
    std::vector<Proxy> proxies;
    if (!socks.Get("FOLIVEX_SOCKS5_AUTH_PORT").empty())
        proxies.push_back({"with user and password", socks.Get("FOLIVEX_SOCKS5_AUTH_PORT"), socks.Get("FOLIVEX_SOCKS_USER"),
                           socks.Get("FOLIVEX_SOCKS_PASSWORD")});
    if (!socks.Get("FOLIVEX_SOCKS_NOAUTH_PORT").empty())
        proxies.push_back({"without authentication", socks.Get("FOLIVEX_SOCKS_NOAUTH_PORT"), "", ""});
    if (proxies.empty()) GTEST_SKIP() << "no Dante proxy for this test (run it through ctest, which starts it)";
    int round = 0;
    for (const Proxy& proxy : proxies) {
        SCOPED_TRACE(proxy.name);
        TFtpClient& ftp = *Upload().FtpClient1;
        ftp.SetConnectionType(ftpSocks5);
        ftp.SetSocksServer("127.0.0.1");
        ftp.SetSocksPort(proxy.port);
        ftp.SetSocksUserCode(proxy.user);
        ftp.SetSocksPassword(proxy.password);
        // Where each connection went, by its peer's port once connected.
        std::vector<int> peers;
        for (TAsyncSocket* socket : {ftp.ControlSocket(), ftp.DataSocket()}) {
            if (proxy.user.empty()) socket->SetSocksAuthentication(socksNoAuthentication);
            socket->OnChangeState = [socket, &peers](Component*, TSocketState, TSocketState now) {
                sock::Address a;
                if (now == wsConnected && socket->GetPeerName(a) == 0) peers.push_back(a.Port);
            };
        }
        const std::string big = Pattern(1500000, char('a' + round));
        const std::string page = "page " + std::to_string(++round);
        Publish("qlx_index.htm", page);
        Publish("qlx_1.gif", big);
        Messages().ClearLog();
        Messages().Answer(IdYes);
        Send();
        EXPECT_TRUE(Upload().Tick->Visible()) << LogText();
        const FileMap site = {{"qlx_1.gif", big}, {"qlx_index.htm", page}};
        EXPECT_EQ(OnSite(), site);
        EXPECT_EQ(Mirrored(), site);
        EXPECT_TRUE(Published().empty());
        // The control connection and the data connections of the probe, the listing and two files.
        EXPECT_EQ(peers.size(), 5u);
        for (int peer : peers) EXPECT_EQ(std::to_string(peer), proxy.port);
        for (TAsyncSocket* socket : {ftp.ControlSocket(), ftp.DataSocket()}) socket->OnChangeState = nullptr;
    }
}

TEST_F(UploadVsftpdTest, ASecondClickWhileTheUploadRunsDoesNothing) {
    To("FOLIVEX_FTP_SLOW_PORT");
    const std::string big = Pattern(512 * 1024, 'c');
    Publish("qlx_1.gif", big);
    Publish("qlx_2.htm", "two");
    Messages().Answer(IdYes);
    bool enabledDuringRun = true;
    WhileSending("qlx_1.gif", [&] {
        enabledDuringRun = Upload().SendButton->Enabled();
        // The button as the user clicks it, and the handler as Enter on the default button reaches it.
        Upload().SendButton->Click();
        Upload().SendButtonClick(Upload().SendButton);
    });
    Send();
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(Questions(), std::vector<std::string>{"[ 2 ] Files to Upload. Continue ?"});
    EXPECT_TRUE(Upload().Tick->Visible()) << LogText();
    EXPECT_FALSE(Logged("Command FAILED."));
    EXPECT_EQ(OnSite(), (FileMap{{"qlx_1.gif", big}, {"qlx_2.htm", "two"}}));
    EXPECT_TRUE(Published().empty());
}

}  // namespace
}  // namespace fv::testing
