// The FTP client's control connection against a scripted server: greetings, replies in odd shapes,
// the sequencer's steps, usage errors, time-outs, and the faults the client mends (each case says which).
#include <gtest/gtest.h>

#include <chrono>

#include "net/ftp_test_support.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using namespace fv::testing;
using Session = ScriptedFtpServer::Session;

Millis Elapsed(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since).count();
}

using FtpControlTest = ScriptedFtpTest;

// Greetings as servers send them: each must connect exactly once, on its last line, or fail as it says.
TEST_F(FtpControlTest, GreetingsConnectOnceOnTheirFinalLine) {
    struct Case {
        const char* name;
        std::string greeting;
        bool trickle;
        bool connects;
    };
    const Case cases[] = {
        {"one line", "220 ready\r\n", false, true},
        {"multi-line", "220-Welcome\r\n220-to the test\r\n220 ready\r\n", false, true},
        {"text lines without a code inside", "220-Welcome\r\n  no code here\r\n220 ready\r\n", false, true},
        // A line inside a multi-line reply may start with another code and a blank: it is still text.
        // Taking it for the final line would read the greeting as code 230 and fail the connect.
        {"a continuation that looks final", "220-Welcome\r\n230 is only text here\r\n220 ready\r\n", false, true},
        {"byte by byte", "220-Welcome\r\n220 ready\r\n", true, true},
        {"LF-only lines", "220-Welcome\n220 ready\n", false, true},
        {"refused", "421 Too many users, try later\r\n", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FtpRecorder local;
        ScriptedFtpServer srv([&](Session& s) {
            if (c.trickle) s.Trickle(c.greeting);
            else s.Send(c.greeting);
            if (!c.connects) return;
            s.Answer("331 password please\r\n");
            s.Answer("230 logged in\r\n");
        });
        local.Target(srv.PortText());
        EXPECT_EQ(local.ftp->Connect(), c.connects) << local.Log();
        if (c.connects) {
            EXPECT_EQ(local.sessions, std::vector<std::string>{"connected 0"});
            EXPECT_EQ(local.ftp->State(), ftpStateReady);
        } else {
            EXPECT_EQ(local.ftp->ErrorMessage(), "421 Too many users, try later");
            EXPECT_EQ(local.ftp->RequestError(), 421);
            EXPECT_FALSE(local.ftp->Connected());
        }
        local.ftp.reset();
    }
}

TEST_F(FtpControlTest, WithoutAcceptLFAReplyWaitsForItsCrLf) {
    std::atomic<bool> earlyUser{false};
    Serve([&](Session& s) {
        s.Send("220 ready\n");
        // The client must not take the greeting before its CR LF: no USER may come yet.
        earlyUser = !s.Command(700).empty();
        s.Send("\r\n");
        s.Answer("230 no password needed\r\n");
    });
    ftp().SetOptions(0);
    EXPECT_TRUE(ftp().Connect()) << rec.Log();
    EXPECT_FALSE(earlyUser);
}

TEST_F(FtpControlTest, UserAnswered230SkipsPass) {
    Serve([](Session& s) {
        s.Send("220 ready\r\n");
        s.Answer("230 welcome, no password needed\r\n");
    });
    EXPECT_TRUE(ftp().Connect()) << rec.Log();
    rec.Settle();
    EXPECT_EQ(server->Commands(), std::vector<std::string>{"USER user"});
    EXPECT_EQ(rec.done, std::vector<std::string>{"5 0"});
}

// The password goes to the server but never into the log.
TEST_F(FtpControlTest, PassIsSentAndShownMasked) {
    Serve([](Session& s) { s.Login(); });
    ASSERT_TRUE(ftp().Connect()) << rec.Log();
    EXPECT_EQ(server->Commands(), (std::vector<std::string>{"USER user", "PASS secret"}));
    EXPECT_TRUE(rec.Logged("> PASS ********")) << rec.Log();
    EXPECT_EQ(rec.Log().find("secret"), std::string::npos) << rec.Log();
}

// An empty password met after USER was answered 331 ends the request at once with its text, instead of
// leaving it running until the time-out.
TEST_F(FtpControlTest, EmptyPasswordAfter331EndsTheConnectAtOnce) {
    Serve([](Session& s) {
        s.Send("220 ready\r\n");
        s.Answer("331 password please\r\n");
        s.Command(5000);
    });
    ftp().SetPassWord("");
    ftp().SetTimeout(60);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ftp().Connect());
    EXPECT_LT(Elapsed(start), 20000);
    EXPECT_EQ(ftp().ErrorMessage(), "Password emtpy");
    rec.Settle();
    EXPECT_EQ(rec.done, std::vector<std::string>{"5 500"});
}

// A control connection that closes before the request got its final reply fails the request.
TEST_F(FtpControlTest, CloseBeforeTheFinalReplyFailsTheRequest) {
    struct Case {
        const char* name;
        std::function<void(Session&)> script;
        std::function<bool(TFtpClient&)> call;
    };
    const Case cases[] = {
        {"close before the greeting", [](Session& s) { s.Close(); }, [](TFtpClient& f) { return f.Connect(); }},
        {"close after a first greeting line",
         [](Session& s) {
             s.Send("220-Welcome\r\n");
             s.Close();
         },
         [](TFtpClient& f) { return f.Connect(); }},
        {"close during MKD",
         [](Session& s) {
             s.Login();
             s.Command();
             s.Close();
         },
         [](TFtpClient& f) { return f.Connect() && f.Mkd(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FtpRecorder local;
        ScriptedFtpServer srv(c.script);
        local.Target(srv.PortText());
        local.ftp->SetHostFileName("newdir");
        EXPECT_FALSE(c.call(*local.ftp)) << local.Log();
        EXPECT_EQ(local.ftp->ErrorMessage().substr(0, 4), "426 ") << local.ftp->ErrorMessage();
        EXPECT_FALSE(local.ftp->Connected());
        local.ftp.reset();
    }
}

// The time-out measures silence: a server that says nothing fails the call after Timeout seconds, with
// "426 Timeout", and the connection is closed.
TEST_F(FtpControlTest, SilenceEndsTheCallAtItsTimeout) {
    Serve([](Session& s) {
        s.Login();
        s.Command();
        s.WaitForClose(30000);  // silent until the client gives up and closes
    });
    ASSERT_TRUE(ftp().Connect()) << rec.Log();
    ftp().SetTimeout(1);
    ftp().SetHostFileName("newdir");
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ftp().Mkd());
    Millis took = Elapsed(start);
    EXPECT_GE(took, 1000);
    // Only the client's time-out can end the call before the server's 30 s: the ceiling is far from
    // the second waited, so a loaded machine does not reach it.
    EXPECT_LT(took, 20000);
    EXPECT_EQ(ftp().ErrorMessage(), "426 Timeout");
    EXPECT_EQ(ftp().ReplyCode(), 426);
    EXPECT_FALSE(ftp().Connected());
    EXPECT_EQ(rec.done.back(), "21 426") << "OnRequestDone runs before the call returns";
}

// A time-out is named before anyone hears of the request's end: OnRequestDone already sees
// "426 Timeout" and code 426, not the text of an abort by the user. A QUIT the server never answers
// fails the same way, although the connection is gone as a QUIT leaves it.
TEST_F(FtpControlTest, ATimeOutIsNamedToTheRequestDoneEvent) {
    struct Case {
        const char* name;
        TFtpRequest request;
        std::function<void(Session&)> script;  // after the login: silence at the command under test
        std::function<bool(TFtpClient&)> call;
    };
    const Case cases[] = {
        {"silence at STOR", ftpRqPut,
         [](Session& s) {
             s.Answer(s.Passive());
             s.Command();
             s.AcceptData();
         },
         [](TFtpClient& f) { return f.Put(); }},
        {"silence at QUIT", ftpRqQuit, [](Session& s) { s.Command(); }, [](TFtpClient& f) { return f.Quit(); }},
        // The broken data connection was noted first; the request still ends by the time-out.
        {"silence after a broken data connection", ftpRqPut,
         [](Session& s) {
             s.Answer(s.Passive());
             s.Command();
             s.Send("150 Ok to send data.\r\n");
             if (s.AcceptData()) s.ResetData();
         },
         [](TFtpClient& f) { return f.Put(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        WriteFile(folder.File("x"), "x");
        FtpRecorder local;
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            c.script(s);
            // Says nothing until the client gives up and closes.
            s.WaitForClose();
        });
        local.Target(srv.PortText());
        local.ftp->SetPassive(true);
        local.ftp->SetLocalFileName(folder.File("x"));
        local.ftp->SetHostFileName("x");
        std::vector<std::string> seen;
        local.ftp->OnRequestDone = [&](Component*, TFtpRequest rq, int e) {
            seen.push_back(std::to_string(int(rq)) + " " + std::to_string(e) + " " +
                           std::to_string(local.ftp->ReplyCode()) + " " + local.ftp->ErrorMessage());
        };
        ASSERT_TRUE(local.ftp->Connect());
        local.ftp->SetTimeout(1);
        EXPECT_FALSE(c.call(*local.ftp)) << local.Log();
        EXPECT_EQ(seen.back(), std::to_string(int(c.request)) + " 426 426 426 Timeout");
        EXPECT_EQ(local.ftp->ErrorMessage(), "426 Timeout");
        EXPECT_FALSE(local.ftp->Connected());
        local.ftp.reset();
    }
}

// Each request reports its own failure: the text of an earlier failed request does not stay behind.
TEST_F(FtpControlTest, EachRequestReportsItsOwnError) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("550 Directory exists\r\n");
        s.Answer("550 No such directory\r\n");
        s.Answer("250 Directory changed\r\n");
    });
    ASSERT_TRUE(ftp().Connect());
    ftp().SetHostFileName("site");
    EXPECT_FALSE(ftp().Mkd());
    EXPECT_EQ(ftp().ErrorMessage(), "550 Directory exists");
    ftp().SetHostDirName("missing");
    EXPECT_FALSE(ftp().Cwd());
    EXPECT_EQ(ftp().ErrorMessage(), "550 No such directory");
    ftp().SetHostDirName("site");
    EXPECT_TRUE(ftp().Cwd());
    EXPECT_EQ(ftp().ErrorMessage(), "");
    EXPECT_EQ(ftp().RequestError(), 0);
}

// A name holding CR or LF would carry a second command to the server: it is refused before anything is
// sent, and the connection stays usable.
TEST_F(FtpControlTest, NamesWithLineBreaksAreRefused) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("257 \"safe\" created\r\n");
    });
    ASSERT_TRUE(ftp().Connect());
    for (const char* name : {"a\r\nDELE important", "a\nDELE important", "a\rDELE important"}) {
        ftp().SetHostFileName(name);
        EXPECT_THROW(ftp().MkdAsync(), FtpException);
        EXPECT_FALSE(ftp().Mkd());
    }
    ftp().SetHostFileName("safe");
    EXPECT_TRUE(ftp().Mkd()) << rec.Log();
    EXPECT_EQ(ftp().DirResult(), "safe");
    EXPECT_EQ(server->Commands().back(), "MKD safe");
    for (const auto& c : server->Commands()) EXPECT_EQ(c.find("DELE"), std::string::npos) << c;
}

// OnCommand may change a command after the client checked it: a line break the handler puts in is
// refused all the same, before anything goes out, and the connection stays usable. A change without a
// line break is what the server gets.
TEST_F(FtpControlTest, ALineBreakPutInByOnCommandIsRefused) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("257 \"other\" created\r\n");
        s.Answer("257 \"safe\" created\r\n");
    });
    ASSERT_TRUE(ftp().Connect());
    std::string change;
    ftp().OnCommand = [&](Component*, std::string& cmd) {
        if (!change.empty()) cmd = change;
    };
    ftp().SetHostFileName("safe");
    for (const char* smuggled : {"MKD a\r\nDELE important", "MKD a\nDELE important", "MKD a\rDELE important"}) {
        SCOPED_TRACE(smuggled);
        change = smuggled;
        EXPECT_FALSE(ftp().Mkd());
        EXPECT_EQ(ftp().ErrorMessage(), TCustomFtpClient::LineBreakError);
        EXPECT_EQ(rec.done.back(), "21 500");
        EXPECT_EQ(ftp().State(), ftpStateReady);
    }
    change = "MKD other";
    EXPECT_TRUE(ftp().Mkd()) << rec.Log();
    change.clear();
    EXPECT_TRUE(ftp().Mkd()) << rec.Log();
    EXPECT_EQ(server->Commands(), (std::vector<std::string>{"USER user", "PASS secret", "MKD other", "MKD safe"}));
}

// A reply line longer than the reply buffer is cut, the rest of it dropped; the connection goes on.
TEST_F(FtpControlTest, OverLongReplyLinesAreCut) {
    const std::string longText(9000, 'x');
    Serve([&](Session& s) {
        s.Login();
        s.Answer("257-" + longText + "\r\n257 \"made\" created\r\n");
        s.Answer("250 " + longText + "\r\n");
        s.Answer("257 \"/made\" is the current directory\r\n");
    });
    ASSERT_TRUE(ftp().Connect());
    ftp().SetHostFileName("made");
    EXPECT_TRUE(ftp().Mkd()) << rec.Log().substr(0, 400);
    EXPECT_EQ(ftp().DirResult(), "made");
    ftp().SetHostDirName("made");
    EXPECT_TRUE(ftp().Cwd());
    EXPECT_EQ(ftp().ReplyCode(), 250);
    EXPECT_LT(ftp().ReplyText().size(), std::size_t(FtpReplyReader::BufferSize));
    EXPECT_TRUE(ftp().Pwd());
    EXPECT_EQ(ftp().DirResult(), "/made");
    EXPECT_TRUE(ftp().Connected());
}

// Direct means direct: switching back from SOCKS clears the proxy of both sockets.
TEST_F(FtpControlTest, DirectConnectionTypeLeavesNoSocksServerBehind) {
    Serve([](Session& s) { s.Login(); });
    ftp().SetConnectionType(ftpSocks5);
    ftp().SetSocksServer("127.0.0.1");
    ftp().SetSocksPort(std::to_string(UnusedPort()));
    EXPECT_TRUE(ftp().Passive());
    ftp().SetConnectionType(ftpDirect);
    EXPECT_EQ(ftp().SocksServer(), "");
    EXPECT_EQ(ftp().DataSocket()->SocksServer(), "");
    EXPECT_TRUE(ftp().Connect()) << rec.Log();
}

TEST_F(FtpControlTest, ProxyModeConnectsToTheProxyAndNamesTheHostInUser) {
    Serve([](Session& s) { s.Login(); });
    ftp().SetConnectionType(ftpProxy);
    ftp().SetProxyServer("127.0.0.1");
    ftp().SetHostName("ftp.invalid");
    EXPECT_TRUE(ftp().Connect()) << rec.Log();
    EXPECT_EQ(server->Commands().front(), "USER user@ftp.invalid");
    EXPECT_TRUE(ftp().Passive());
}

TEST_F(FtpControlTest, UsageErrors) {
    Serve([](Session& s) {
        s.Login();
        s.WaitForClose();
    });
    // Not connected yet.
    ftp().SetHostFileName("x");
    EXPECT_THROW(
        {
            try {
                ftp().MkdAsync();
            } catch (const FtpException& e) {
                EXPECT_STREQ(e.what(), "FTP component not connected");
                throw;
            }
        },
        FtpException);
    // A second request while one runs.
    ftp().ConnectAsync();
    std::vector<std::string> errors;
    ftp().OnFtpError = [&](Component*, std::string& m) { errors.push_back(m); };
    ftp().ConnectAsync();
    EXPECT_FALSE(ftp().Mkd()) << "a usage error that went to OnFtpError starts nothing";
    EXPECT_EQ(errors, (std::vector<std::string>{"FTP component not ready", "FTP component not ready"}));
    ASSERT_TRUE(rec.loop.RunUntil([&] { return !rec.done.empty(); }, 10000));
    EXPECT_EQ(rec.done, std::vector<std::string>{"5 0"});
    ftp().SetHostDirName("");
    EXPECT_FALSE(ftp().Cwd());
    EXPECT_EQ(errors.back(), "HostDirName emtpy");
    ftp().OnFtpError = nullptr;
    EXPECT_THROW(ftp().SetConnectionType(ftpSocks5), FtpException);
    EXPECT_EQ(ftp().ConnectionType(), ftpDirect) << "refused while connected";
}

// The synchronous call waits for its own request: a handler that starts the next request from
// OnRequestDone does not make the first call look unfinished or failed.
TEST_F(FtpControlTest, SynchronousCallWaitsForItsOwnRequest) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("257 \"d\" created\r\n");
        s.Answer("257 \"/d\" is current\r\n");
    });
    ASSERT_TRUE(ftp().Connect());
    bool chained = false;
    ftp().OnRequestDone = [&](Component*, TFtpRequest rq, int e) {
        rec.done.push_back(std::to_string(int(rq)) + " " + std::to_string(e));
        if (rq == ftpRqMkd && !chained) {
            chained = true;
            ftp().PwdAsync();
        }
    };
    ftp().SetHostFileName("d");
    EXPECT_TRUE(ftp().Mkd());
    EXPECT_EQ(rec.done.back(), "21 0");
    EXPECT_EQ(ftp().State(), ftpStateWaitReply) << "the chained PWD runs";
    ASSERT_TRUE(rec.loop.RunUntil([&] { return rec.done.size() == 3; }, 10000));
    EXPECT_EQ(rec.done.back(), "31 0");
    EXPECT_EQ(ftp().DirResult(), "/d");
}

TEST_F(FtpControlTest, QuitEndsWhenTheConnectionCloses) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("221 bye\r\n");
        s.WaitForClose();
    });
    ASSERT_TRUE(ftp().Connect());
    std::vector<int> states;
    ftp().OnStateChange = [&](Component*) { states.push_back(ftp().State()); };
    EXPECT_TRUE(ftp().Quit()) << rec.Log();
    EXPECT_FALSE(ftp().Connected());
    EXPECT_EQ(rec.sessions, (std::vector<std::string>{"connected 0", "closed 0"}));
    EXPECT_EQ(states, (std::vector<int>{ftpStateWaitReply, ftpStateClosed, ftpStateStepDone, ftpStateReady}));
    EXPECT_EQ(rec.done.back(), "15 0");
}

TEST_F(FtpControlTest, SessionRequestRunsItsStepsInOrderAndReportsTheReplyBeforeQuit) {
    Serve([](Session& s) {
        s.Login();
        s.Answer("250 ok\r\n");       // CWD
        s.Answer("213 123456789012\r\n");  // SIZE
        s.Answer("221 bye\r\n");
        s.WaitForClose();
    });
    ftp().SetHostDirName("pub");
    ftp().SetHostFileName("big.bin");
    EXPECT_TRUE(ftp().SessionSize()) << rec.Log();
    EXPECT_EQ(server->Commands(),
              (std::vector<std::string>{"USER user", "PASS secret", "CWD pub", "SIZE big.bin", "QUIT"}));
    EXPECT_EQ(ftp().SizeResult(), 123456789012LL);
    EXPECT_EQ(ftp().ReplyText(), "213 123456789012");
}

}  // namespace
}  // namespace fv
