// The upload against a scripted site that misbehaves as real servers and networks may: a store cut short
// that the server still calls complete, silence at STOR, silence at QUIT. After each upload the publish
// folder, the "atsite" mirror and the site's files are compared with what they must hold.
#include <gtest/gtest.h>

#include <algorithm>

#include "upload/scripted_site.h"
#include "upload/upload_fixture.h"

namespace fv::testing {
namespace {

// Bytes that show where a piece went missing.
std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char('a' + (i * 7 + i / 251) % 26);
    return s;
}

class UploadScriptedSiteTest : public UploadFixture {
protected:
    void To(ScriptedSite& site, bool passive = false) {
        Target(site.PortText(), "site");
        Upload().FtpClient1->SetPassive(passive);
    }
    // The peers say nothing more once this command went out: the client's time-out then takes no time.
    void SilentAfter(const std::string& command) {
        Upload().FtpClient1->OnCommand = [this, command](Component*, std::string& cmd) {
            if (cmd == command) loop.SetPeersSilent(true);
        };
    }
    // The four lines the dialog logs for the last end of a request, from "Request <n> Done." on.
    std::vector<std::string> RequestEnd(int request) {
        const std::vector<std::string> lines = Log();
        auto at = std::find(lines.rbegin(), lines.rend(), "Request " + std::to_string(request) + " Done.");
        if (at == lines.rend() || at - lines.rbegin() < 3) return {};
        auto first = at.base() - 1;
        return std::vector<std::string>(first, first + 4);
    }
};

struct CutCase {
    const char* name;
    bool passive;
    SiteScript::Cut cut;
    bool sizeKnown;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class UploadCutShortTest : public UploadScriptedSiteTest, public ::testing::WithParamInterface<CutCase> {};

// A site that cuts a file's store short and still answers 226 never gets that file counted as sent: the
// upload fails, the file stays in the publish folder and out of the mirror, and the next upload sends it
// whole. The file is bigger than the bytes the server reads but fits into the socket buffers, so the
// last byte leaves this side before the server's end of the connection arrives.
TEST_P(UploadCutShortTest, TheFileStaysForTheNextUpload) {
    const CutCase& c = GetParam();
    const std::string big = Pattern(2000000);
    Publish("qlx_big.gif", big);
    Publish("qlx_index.htm", "index");
    {
        SiteScript script;
        script.CutFile = "qlx_big.gif";
        script.CutBy = c.cut;
        script.SizeKnown = c.sizeKnown;
        ScriptedSite site(script);
        To(site, c.passive);
        Messages().Answer(IdYes);
        Send();
        EXPECT_TRUE(Logged("Command FAILED.")) << LogText();
        EXPECT_TRUE(Upload().Abort->Visible());
        EXPECT_FALSE(Upload().Tick->Visible());
        EXPECT_EQ(Published(), (FileMap{{"qlx_big.gif", big}, {"qlx_index.htm", "index"}}));
        EXPECT_TRUE(Mirrored().empty());
        EXPECT_TRUE(Messages().Sounds().empty()) << "no file-sent sound for a file the site lacks";
        ASSERT_TRUE(site.Finished());
        EXPECT_LT(site.Files()["qlx_big.gif"].size(), big.size()) << "the site really lacks bytes";
    }
    ScriptedSite whole{SiteScript{}};
    To(whole, c.passive);
    Messages().ClearLog();
    Messages().Answer(IdYes);
    Send();
    EXPECT_TRUE(Upload().Tick->Visible()) << LogText();
    const FileMap site = {{"qlx_big.gif", big}, {"qlx_index.htm", "index"}};
    ASSERT_TRUE(whole.Finished());
    EXPECT_EQ(whole.Files(), site);
    EXPECT_EQ(Mirrored(), site);
    EXPECT_TRUE(Published().empty());
    EXPECT_EQ(Messages().Sounds(), std::vector<EventSound>(2, EventSound::Complete)) << "one sound per file sent";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UploadCutShortTest,
    ::testing::Values(CutCase{"passive_close_size", true, SiteScript::Cut::Close, true},
                      CutCase{"passive_reset_size", true, SiteScript::Cut::Reset, true},
                      CutCase{"passive_close_nosize", true, SiteScript::Cut::Close, false},
                      CutCase{"passive_reset_nosize", true, SiteScript::Cut::Reset, false},
                      CutCase{"active_close_size", false, SiteScript::Cut::Close, true},
                      CutCase{"active_reset_size", false, SiteScript::Cut::Reset, true},
                      CutCase{"active_close_nosize", false, SiteScript::Cut::Close, false},
                      CutCase{"active_reset_nosize", false, SiteScript::Cut::Reset, false}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

// A whole transfer whose file the site then gives a smaller size: not counted as sent either.
TEST_F(UploadScriptedSiteTest, AFileTheSiteHoldsShortIsNotCountedAsSent) {
    Publish("qlx_1.gif", BinaryBytes("GIF89a"));
    Publish("qlx_index.htm", "index");
    SiteScript script;
    script.ShortSizeOf = "qlx_1.gif";
    ScriptedSite site(script);
    To(site, true);
    Messages().Answer(IdYes);
    Send();
    EXPECT_TRUE(Logged("Command FAILED.")) << LogText();
    const std::vector<std::string> end = RequestEnd(ftpRqPut);
    ASSERT_EQ(end.size(), 4u) << LogText();
    EXPECT_EQ(end[3].rfind("Error = 426 (426 The server holds ", 0), 0u) << end[3];
    EXPECT_EQ(Published(), (FileMap{{"qlx_1.gif", BinaryBytes("GIF89a")}, {"qlx_index.htm", "index"}}));
    EXPECT_TRUE(Mirrored().empty());
}

// Silence at STOR is a time-out, and the log says so: the request's end names "426 Timeout", not an
// abort by the user. The file stays for the next upload.
TEST_F(UploadScriptedSiteTest, SilenceAtStorIsLoggedAsATimeOut) {
    Publish("qlx_index.htm", "index");
    SiteScript script;
    script.SilentAtStorOf = "qlx_index.htm";
    ScriptedSite site(script);
    To(site);
    SilentAfter("STOR qlx_index.htm");
    Messages().Answer(IdYes);
    Send();
    const std::vector<std::string> end = RequestEnd(ftpRqPut);
    ASSERT_EQ(end.size(), 4u) << LogText();
    EXPECT_EQ(end[1], "StatusCode = 0 : 426");
    EXPECT_EQ(end[3], "Error = 426 (426 Timeout)");
    EXPECT_FALSE(Logged("Error = 426 (426 Operation aborted.)")) << LogText();
    EXPECT_TRUE(Logged("Command FAILED."));
    EXPECT_TRUE(Upload().Abort->Visible());
    EXPECT_EQ(Published(), (FileMap{{"qlx_index.htm", "index"}}));
    EXPECT_TRUE(Mirrored().empty());
}

// A server that says nothing to the closing QUIT: the quit's own failure is logged as what it is, and the
// upload, which had every file confirmed, ends "Ok" with the files in the mirror.
TEST_F(UploadScriptedSiteTest, ASilentQuitIsLoggedAndTheUploadStillEndsOk) {
    Publish("qlx_index.htm", "index");
    Publish("qlx_1.gif", BinaryBytes("GIF89a"));
    SiteScript script;
    script.SilentAtQuit = true;
    ScriptedSite site(script);
    To(site);
    SilentAfter("QUIT");
    Messages().Answer(IdYes);
    Send();
    const std::vector<std::string> end = RequestEnd(ftpRqQuit);
    ASSERT_EQ(end.size(), 4u) << LogText();
    EXPECT_EQ(end[3], "Error = 426 (426 Timeout)") << "never \"No error\" for a quit that timed out";
    EXPECT_TRUE(Logged("Quit FAILED (426 Timeout). Every file was sent.")) << LogText();
    EXPECT_FALSE(Logged("Command FAILED."));
    EXPECT_TRUE(Upload().Tick->Visible());
    EXPECT_FALSE(Upload().Abort->Visible());
    EXPECT_EQ(Upload().UploadRunning, 0);
    const FileMap sent = {{"qlx_1.gif", BinaryBytes("GIF89a")}, {"qlx_index.htm", "index"}};
    EXPECT_EQ(Mirrored(), sent);
    EXPECT_TRUE(Published().empty());
    ASSERT_TRUE(site.Finished());
    EXPECT_EQ(site.Files(), sent);
}

// A QUIT the server refuses: logged with the server's answer, the connection closed by this side, and
// the upload ends "Ok".
TEST_F(UploadScriptedSiteTest, ARefusedQuitIsLoggedTheConnectionClosedAndTheUploadEndsOk) {
    Publish("qlx_index.htm", "index");
    SiteScript script;
    script.QuitReply = "500 Unknown command.";
    ScriptedSite site(script);
    To(site);
    Messages().Answer(IdYes);
    Send();
    EXPECT_TRUE(Logged("Quit FAILED (500 Unknown command.). Every file was sent.")) << LogText();
    EXPECT_FALSE(Logged("Command FAILED."));
    EXPECT_TRUE(Upload().Tick->Visible());
    EXPECT_FALSE(Upload().FtpClient1->Connected());
    EXPECT_EQ(Upload().StatusBar1->SimpleText(), "Not Connected to Web Site");
    EXPECT_EQ(Mirrored(), (FileMap{{"qlx_index.htm", "index"}}));
    EXPECT_TRUE(Published().empty());
    ASSERT_TRUE(site.Finished());
}

}  // namespace
}  // namespace fv::testing
