// The FTP client against a real vsftpd on 127.0.0.1 (scripts/start-ftp-server.sh, run by ctest as a
// fixture), directly and through the Dante SOCKS proxies (scripts/start-socks-server.sh). Without the
// servers the tests skip and say why. Every test works in a folder of its own on the server, so the
// tests may run side by side.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "net/ftp_test_support.h"
#include "net/server_settings.h"
#include "net/socks4a_relay.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using namespace fv::testing;

class VsftpdTest : public ::testing::Test {
protected:
    // The value of a setting, or empty with the reason to skip in skipReason.
    std::string Need(const ServerSettings& s, const std::string& name, const char* what) {
        std::string v = s.Get(name);
        if (v.empty() && skipReason.empty())
            skipReason = name + " is not set: no " + what + " for this test (run it through ctest, which starts it)";
        return v;
    }
    // Logs in on the given control port and makes and enters a folder of this test's own.
    void Login(const std::string& port, bool passive) {
        rec.Target(port, ftpSettings.Get("FOLIVEX_FTP_USER"), ftpSettings.Get("FOLIVEX_FTP_PASSWORD"));
        ftp().SetPassive(passive);
        ASSERT_TRUE(ftp().Connect()) << rec.Log();
        folder = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid()) + "-" + std::to_string(++serial);
        std::replace(folder.begin(), folder.end(), '/', '-');
        ftp().SetHostFileName(folder);
        ASSERT_TRUE(ftp().Mkd()) << rec.Log();
        ftp().SetHostDirName(folder);
        ASSERT_TRUE(ftp().Cwd()) << rec.Log();
        ASSERT_TRUE(ftp().TypeBinary()) << rec.Log();
    }
    std::string OnServer(const std::string& name) const {
        return ftpSettings.Get("FOLIVEX_FTP_ROOT") + "/" + folder + "/" + name;
    }
    bool Put(const std::string& local, const std::string& remote) {
        ftp().SetLocalFileName(dir.File(local));
        ftp().SetHostFileName(remote);
        return ftp().Put();
    }
    bool Get(const std::string& remote, const std::string& local) {
        ftp().SetLocalFileName(dir.File(local));
        ftp().SetHostFileName(remote);
        return ftp().Get();
    }
    std::string Listing() {
        ftp().SetLocalFileName(dir.File("FILELIST.TXT"));
        ftp().SetHostFileName("");
        if (!ftp().Ls()) return "failed: " + ftp().ErrorMessage();
        return ReadFile(dir.File("FILELIST.TXT"));
    }
    TFtpClient& ftp() { return *rec.ftp; }

    ServerSettings ftpSettings{"FOLIVEX_FTP_ENV_FILE"};
    ServerSettings socksSettings{"FOLIVEX_SOCKS_ENV_FILE", FOLIVEX_SOCKS_ENV_DEFAULT};
    std::string skipReason;
    TempDir dir;
    FtpRecorder rec;
    std::string folder;
    int serial = 0;
};

#define NEED(var, settings, name, what)               \
    std::string var = Need(settings, name, what);     \
    if (var.empty()) GTEST_SKIP() << skipReason

TEST_F(VsftpdTest, LoginMakeAndChangeDirectoryAndQuit) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_PORT", "vsftpd");
    Login(port, false);
    EXPECT_TRUE(std::filesystem::is_directory(ftpSettings.Get("FOLIVEX_FTP_ROOT") + "/" + folder));
    // An existing directory is an error for MKD; the next command still works.
    ftp().SetHostFileName("sub");
    EXPECT_TRUE(ftp().Mkd());
    EXPECT_FALSE(ftp().Mkd());
    EXPECT_EQ(ftp().RequestError(), 550);
    ftp().SetHostDirName("sub");
    EXPECT_TRUE(ftp().Cwd()) << rec.Log();
    EXPECT_TRUE(ftp().Pwd());
    EXPECT_EQ(ftp().DirResult().substr(ftp().DirResult().size() - folder.size() - 4), folder + "/sub");
    EXPECT_TRUE(ftp().Quit()) << rec.Log();
    EXPECT_FALSE(ftp().Connected());
    EXPECT_EQ(rec.sessions, (std::vector<std::string>{"connected 0", "closed 0"}));
}

TEST_F(VsftpdTest, TransfersActiveAndPassive) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_PORT", "vsftpd");
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        rec.Renew();
        Login(port, passive);
        const std::string payload = Pattern(3 * 1000 * 1000 + 17);
        WriteFile(dir.File("site.bin"), payload);
        WriteFile(dir.File("empty.txt"), "");
        ASSERT_TRUE(Put("site.bin", "site.bin")) << rec.Log();
        EXPECT_EQ(ReadFile(OnServer("site.bin")), payload);
        ASSERT_TRUE(Put("empty.txt", "empty.txt")) << rec.Log();
        EXPECT_EQ(ReadFile(OnServer("empty.txt")), "");
        std::string names = Listing();
        EXPECT_NE(names.find("site.bin\r\n"), std::string::npos) << names;
        EXPECT_NE(names.find("empty.txt\r\n"), std::string::npos) << names;
        ASSERT_TRUE(Get("site.bin", "back.bin")) << rec.Log();
        EXPECT_EQ(ReadFile(dir.File("back.bin")), payload);
        EXPECT_FALSE(Get("missing.bin", "none.bin"));
        EXPECT_EQ(ftp().RequestError(), 550);
        for (const char* name : {"site.bin", "empty.txt"}) {
            ftp().SetHostFileName(name);
            EXPECT_TRUE(ftp().Dele()) << rec.Log();
        }
        EXPECT_EQ(Listing(), "");
        EXPECT_TRUE(ftp().Quit());
        std::string port0 = passive ? "PASV" : "PORT 127,0,0,1,";
        bool used = false;
        for (const auto& l : rec.log) used |= l.rfind("> " + port0, 0) == 0;
        EXPECT_TRUE(used) << rec.Log();
    }
}

// A whole file stored in binary type is confirmed by the server's size: the client asks SIZE after the
// 226 and gets the size it sent, active and passive, and the request still reports the 226.
TEST_F(VsftpdTest, AWholeStoreIsConfirmedByTheServersSize) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_PORT", "vsftpd");
    for (bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        rec.Renew();
        Login(port, passive);
        const std::string payload = Pattern(2 * 1000 * 1000 + 5);
        WriteFile(dir.File("whole.bin"), payload);
        ASSERT_TRUE(Put("whole.bin", "whole.bin")) << rec.Log();
        EXPECT_EQ(ReadFile(OnServer("whole.bin")), payload);
        EXPECT_TRUE(rec.Logged("> SIZE whole.bin")) << rec.Log();
        EXPECT_TRUE(rec.Logged("< 213 " + std::to_string(payload.size()))) << rec.Log();
        EXPECT_EQ(ftp().ReplyCode(), 226) << ftp().ReplyText();
        EXPECT_TRUE(ftp().Quit());
    }
}

// REST: a get that resumes where the local file ends fetches only the rest.
TEST_F(VsftpdTest, ResumeGetFetchesOnlyTheRest) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_PORT", "vsftpd");
    Login(port, true);
    const std::string payload = Pattern(2 * 1000 * 1000);
    WriteFile(dir.File("whole.bin"), payload);
    ASSERT_TRUE(Put("whole.bin", "whole.bin"));
    WriteFile(dir.File("part.bin"), payload.substr(0, 700000));
    ftp().SetLocalFileName(dir.File("part.bin"));
    ftp().SetHostFileName("whole.bin");
    EXPECT_TRUE(ftp().ResumeGet()) << rec.Log();
    EXPECT_EQ(ReadFile(dir.File("part.bin")), payload);
    EXPECT_TRUE(rec.Logged("> REST 700000")) << rec.Log();
    EXPECT_EQ(ftp().ByteCount(), std::int64_t(payload.size() - 700000));
    EXPECT_EQ(ftp().ResumeAt(), 0);
}

// The slow server: progress comes block by block, and an abort from OnProgress fails the transfer with
// 426 while the control connection stays usable.
TEST_F(VsftpdTest, ThrottledTransferWithProgressAndAbort) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_SLOW_PORT", "slow vsftpd");
    Login(port, true);
    const std::string payload = Pattern(400000);
    WriteFile(dir.File("slow.bin"), payload);
    std::vector<std::int64_t> counts;
    ftp().OnProgress = [&](Component*, std::int64_t count, bool&) { counts.push_back(count); };
    ASSERT_TRUE(Put("slow.bin", "slow.bin")) << rec.Log();
    EXPECT_EQ(ReadFile(OnServer("slow.bin")), payload);
    EXPECT_GE(counts.size(), payload.size() / TFtpClient::SendBlockSize);
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));

    ftp().OnProgress = [&](Component*, std::int64_t count, bool& abort) { abort = count >= 100000; };
    EXPECT_FALSE(Get("slow.bin", "aborted.bin")) << rec.Log();
    EXPECT_EQ(ftp().ErrorMessage(), "426 Transfer aborted");
    EXPECT_TRUE(rec.Logged("! Abort requested"));
    EXPECT_LT(ReadFile(dir.File("aborted.bin")).size(), payload.size());
    ftp().OnProgress = nullptr;
    EXPECT_TRUE(ftp().Pwd()) << rec.Log();
    EXPECT_TRUE(ftp().Quit());
}

// Both connections through a SOCKS proxy; the proxy sees one connection per transfer.
TEST_F(VsftpdTest, ThroughSocksProxies) {
    NEED(port, ftpSettings, "FOLIVEX_FTP_PORT", "vsftpd");
    NEED(noauth, socksSettings, "FOLIVEX_SOCKS_NOAUTH_PORT", "Dante proxy");
    Socks4ARelay relay4a;
    struct Case {
        TFtpConnectionType type;
        std::string proxyPort;
        std::string log;  // the proxy's log file, empty for the 4A relay
        std::string user, password;
    };
    std::vector<Case> cases = {
        {ftpSocks4, noauth, socksSettings.Folder() + "/danted-noauth.log", "", ""},
        {ftpSocks5, noauth, socksSettings.Folder() + "/danted-noauth.log", "", ""},
        {ftpSocks4A, relay4a.PortText(), "", "", ""},
    };
    std::string authPort = socksSettings.Get("FOLIVEX_SOCKS5_AUTH_PORT");
    if (!authPort.empty())
        cases.push_back({ftpSocks5, authPort, socksSettings.Folder() + "/danted-auth.log",
                         socksSettings.Get("FOLIVEX_SOCKS_USER"), socksSettings.Get("FOLIVEX_SOCKS_PASSWORD")});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.type)) + " via port " + c.proxyPort);
        rec.Renew();
        // The local port of every connection, to find it in the proxy's log.
        std::vector<int> localPorts;
        for (TAsyncSocket* s : {ftp().ControlSocket(), ftp().DataSocket()}) {
            s->OnChangeState = [s, &localPorts](Component*, TSocketState, TSocketState now) {
                sock::Address a;
                if (now == wsConnected && s->GetSockName(a) == 0) localPorts.push_back(a.Port);
            };
        }
        ftp().SetConnectionType(c.type);
        ftp().SetSocksServer("127.0.0.1");
        ftp().SetSocksPort(c.proxyPort);
        ftp().SetSocksUserCode(c.user);
        ftp().SetSocksPassword(c.password);
        if (c.user.empty()) {
            // This connection type offers user and password only; the proxy without accounts wants neither.
            ftp().ControlSocket()->SetSocksAuthentication(socksNoAuthentication);
            ftp().DataSocket()->SetSocksAuthentication(socksNoAuthentication);
        }
        ASSERT_NO_FATAL_FAILURE(Login(port, true));
        EXPECT_TRUE(ftp().Passive());
        const std::string payload = Pattern(500000);
        WriteFile(dir.File("proxied.bin"), payload);
        ASSERT_TRUE(Put("proxied.bin", "proxied.bin")) << rec.Log();
        EXPECT_EQ(ReadFile(OnServer("proxied.bin")), payload);
        EXPECT_EQ(Listing(), "proxied.bin\r\n");
        ASSERT_TRUE(Get("proxied.bin", "back.bin")) << rec.Log();
        EXPECT_EQ(ReadFile(dir.File("back.bin")), payload);
        EXPECT_TRUE(ftp().Quit());
        // The control connection and three data connections, each once.
        ASSERT_EQ(localPorts.size(), 4u);
        if (c.log.empty()) {
            EXPECT_EQ(relay4a.Destinations().size(), 4u) << ::testing::PrintToString(relay4a.Destinations());
            EXPECT_EQ(relay4a.Destinations().front(), "127.0.0.1:" + port);
            continue;
        }
        for (int local : localPorts) {
            std::string needle = "127.0.0.1." + std::to_string(local) + " 127.0.0.1." + c.proxyPort + " -> ";
            std::size_t seen = 0;
            // The proxy writes its log on its own time.
            for (int i = 0; i < 50; ++i) {
                std::string log = ReadFile(c.log);
                seen = 0;
                for (std::size_t at = log.find(needle); at != std::string::npos; at = log.find(needle, at + 1)) ++seen;
                if (seen > 0) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            EXPECT_EQ(seen, 1u) << "connection from local port " << local;
        }
    }
}

}  // namespace
}  // namespace fv
