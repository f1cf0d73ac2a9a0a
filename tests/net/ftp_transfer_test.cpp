// The FTP client's data connection against a scripted server: passive replies in every shape, the
// preliminary and final replies in either order with the data close, failures in the middle of a
// transfer, strangers on the PORT port, and the local failures that must never count as success.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "net/ftp_test_support.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using namespace fv::testing;
using Session = ScriptedFtpServer::Session;

class FtpTransferTest : public ScriptedFtpTest {
protected:    // Connects passive or active, with the local file in the temporary folder.
    void ConnectFor(bool passive, const std::string& local = "local.bin") {
        ftp().SetPassive(passive);
        ftp().SetLocalFileName(dir.File(local));
        ASSERT_TRUE(ftp().Connect()) << rec.Log();
    }

    TempDir dir;
};

// The data port is read from the first group of six numbers of the 227 reply; the data connection goes
// to the control connection's server whatever address the reply names. A reply without such a group
// (or a 200 to PASV) fails clearly instead of connecting to an empty or stale port.
TEST_F(FtpTransferTest, PassiveRepliesInEveryShape) {
    struct Case {
        const char* name;
        std::function<std::string(int port)> reply;
        bool works;
    };
    auto numbers = [](int port) { return std::to_string(port / 256) + "," + std::to_string(port % 256); };
    const Case cases[] = {
        {"usual", [&](int p) { return "227 Entering Passive Mode (127,0,0,1," + numbers(p) + ")."; }, true},
        {"without brackets", [&](int p) { return "227 Entering Passive Mode 127,0,0,1," + numbers(p); }, true},
        {"after an equals sign", [&](int p) { return "227 =127,0,0,1," + numbers(p); }, true},
        {"blanks after the commas", [&](int p) { return "227 Ok (127, 0, 0, 1, " + std::to_string(p / 256) + ", " +
                                                         std::to_string(p % 256) + ")"; }, true},
        {"another host named", [&](int p) { return "227 Entering Passive Mode (10,9,8,7," + numbers(p) + ")"; }, true},
        {"numbers before the group", [&](int p) { return "227 Mode 2 of 3 (127,0,0,1," + numbers(p) + ")"; }, true},
        {"no numbers", [](int) { return std::string("227 Entering Passive Mode"); }, false},
        {"a number above 255", [](int) { return std::string("227 Entering Passive Mode (127,0,0,1,300,1)"); }, false},
        {"200 instead of 227", [](int) { return std::string("200 PASV command successful"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        FtpRecorder r;
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Passive();
            s.Answer(c.reply(s.PassivePort()) + "\r\n");
            if (!c.works) return;
            s.Answer("150 Opening data connection\r\n");
            if (!s.AcceptData()) return;
            s.SendData("passive data");
            s.CloseData();
            s.Send("226 Transfer complete\r\n");
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetHostFileName("file.txt");
        r.ftp->SetLocalFileName(local.File("got.txt"));
        ASSERT_TRUE(r.ftp->Connect());
        EXPECT_EQ(r.ftp->Get(), c.works) << r.Log();
        if (c.works) {
            EXPECT_EQ(ReadFile(local.File("got.txt")), "passive data");
        } else {
            EXPECT_EQ(r.ftp->ErrorMessage().rfind("550 No data port in the reply to PASV", 0), 0u)
                << r.ftp->ErrorMessage();
        }
        r.ftp.reset();
    }
}

// The step ends once, at the later of the final reply and the data close, whichever order they come in.
TEST_F(FtpTransferTest, FinalReplyAndDataCloseInEitherOrder) {
    enum Order { ReplyFirst, CloseFirst, BothRepliesInOnePacket };
    for (Order order : {ReplyFirst, CloseFirst, BothRepliesInOnePacket}) {
        SCOPED_TRACE(int(order));
        TempDir local;
        FtpRecorder r;
        const std::string payload = Pattern(300000);
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(s.Passive());
            s.Command();
            if (order == BothRepliesInOnePacket) s.Send("125 Data connection open\r\n226 Done\r\n");
            else s.Send("150 Opening data connection\r\n");
            if (!s.AcceptData()) return;
            s.SendData(payload);
            if (order == ReplyFirst) {
                s.Send("226 Done\r\n");
                Session::Sleep(200);
                s.CloseData();
            } else {
                s.CloseData();
                Session::Sleep(200);
                if (order == CloseFirst) s.Send("226 Done\r\n");
            }
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetLocalFileName(local.File("got.bin"));
        r.ftp->SetHostFileName("f.bin");
        ASSERT_TRUE(r.ftp->Connect());
        EXPECT_TRUE(r.ftp->Get()) << r.Log();
        r.Settle();
        EXPECT_EQ(ReadFile(local.File("got.bin")), payload);
        EXPECT_EQ(r.done, (std::vector<std::string>{"5 0", "10 0"}));
        EXPECT_EQ(r.ftp->ByteCount(), std::int64_t(payload.size()));
        r.ftp.reset();
    }
}

// Replies that end a transfer badly: each fails the call with the server's code and closes the file.
TEST_F(FtpTransferTest, RejectedAndBrokenTransfersFail) {
    struct Case {
        const char* name;
        bool put;
        std::function<void(Session&)> afterCommand;
        int code;
        // What a put sends. The early close needs more than the kernel can take in flight without the
        // server reading (the sender's buffer grows to 4 MB): otherwise, on a busy machine, the whole file
        // may leave before the reset arrives, and then the put really did end well on this side.
        std::size_t putSize = 2000000;
    };
    const Case cases[] = {
        {"553 to STOR", true, [](Session& s) { s.Send("553 Could not create file\r\n"); }, 553},
        {"451 in the middle of RETR", false,
         [](Session& s) {
             s.Send("150 Opening data connection\r\n");
             if (!s.AcceptData()) return;
             s.SendData(Pattern(50000));
             s.Send("451 Local error in processing\r\n");
         },
         451},
        {"550 to RETR", false, [](Session& s) { s.Send("550 No such file\r\n"); }, 550},
        // A drop of the control connection after 150 is no success, though no error reply came.
        {"drop after 150 to STOR", true,
         [](Session& s) {
             s.Send("150 Ok to send data\r\n");
             s.AcceptData();
             Session::Sleep(100);
             s.Close();
         },
         426},
        {"drop after 150 to RETR", false,
         [](Session& s) {
             s.Send("150 Opening data connection\r\n");
             if (!s.AcceptData()) return;
             s.SendData("partial");
             s.CloseData();
             s.Close();
         },
         426},
        // The server closes the data connection before it had the whole file, then claims success.
        {"early close of a STOR data connection", true,
         [](Session& s) {
             s.Send("150 Ok to send data\r\n");
             if (!s.AcceptData()) return;
             ResetAndClose(s.DataFd());
             Session::Sleep(300);
             s.Send("226 Transfer complete\r\n");
         },
         426, 16000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        FtpRecorder r;
        WriteFile(local.File("up.bin"), Pattern(c.putSize));
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(s.Passive());
            s.Command();
            c.afterCommand(s);
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetLocalFileName(local.File(c.put ? "up.bin" : "down.bin"));
        r.ftp->SetHostFileName("f.bin");
        ASSERT_TRUE(r.ftp->Connect());
        EXPECT_FALSE(c.put ? r.ftp->Put() : r.ftp->Get()) << r.Log();
        EXPECT_EQ(r.done.back(), (c.put ? "17 " : "10 ") + std::to_string(c.code)) << r.Log();
        EXPECT_EQ(r.ftp->State(), ftpStateReady);
        EXPECT_EQ(r.ftp->DataSocket()->State(), wsClosed);
        EXPECT_EQ(r.ftp->ResumeAt(), 0);
        r.ftp.reset();
    }
}

// Failures on this side never count as a transfer: the data connection is reset, the final reply is
// still read, and the call fails with 426 even when the server answers 226.
TEST_F(FtpTransferTest, LocalFailuresFailTheTransferWhateverTheServerSays) {
    struct Case {
        const char* name;
        bool put;
        std::string localFile;  // empty: the file in the temporary folder
        bool abortFromProgress;
        std::string error;
    };
    const Case cases[] = {
        {"abort from OnProgress during a put", true, "", true, "426 Transfer aborted"},
        {"abort from OnProgress during a get", false, "", true, "426 Transfer aborted"},
        {"a local file that cannot be written", false, "/dev/full", false, "426 Error writing local file"},
        {"a local file that cannot be read", true, "DIR", false, "426 Error reading local file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.localFile == "/dev/full" && ::access("/dev/full", W_OK) != 0) continue;
        TempDir local;
        FtpRecorder r;
        WriteFile(local.File("up.bin"), Pattern(4000000));
        ::mkdir(local.File("folder").c_str(), 0700);
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(s.Passive());
            s.Command();
            s.Send("150 Opening data connection\r\n");
            if (!s.AcceptData()) return;
            if (c.put) s.ReadData();
            else s.SendData(Pattern(4000000));
            s.CloseData();
            s.Send("226 Transfer complete\r\n");
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        std::string file = c.localFile == "DIR" ? local.File("folder")
                           : c.localFile.empty() ? local.File(c.put ? "up.bin" : "down.bin")
                                                 : c.localFile;
        r.ftp->SetLocalFileName(file);
        r.ftp->SetHostFileName("f.bin");
        if (c.abortFromProgress)
            r.ftp->OnProgress = [](Component*, std::int64_t count, bool& abort) { abort = count > 200000; };
        ASSERT_TRUE(r.ftp->Connect());
        EXPECT_FALSE(c.put ? r.ftp->Put() : r.ftp->Get()) << r.Log();
        EXPECT_EQ(r.ftp->ErrorMessage().rfind(c.error, 0), 0u) << r.ftp->ErrorMessage();
        EXPECT_EQ(r.done.back(), c.put ? "17 426" : "10 426");
        if (c.put && c.abortFromProgress) {
            EXPECT_LT(srv.Data().size(), std::size_t(4000000));
        }
        r.ftp.reset();
    }
}

// The user's Abort while a put runs (a click handled while the call waits, or a call straight from the
// progress handler) ends the put with 426: it never returns true for a file the server did not get.
TEST_F(FtpTransferTest, AbortDuringARunningPutFailsThePut) {
    for (bool fromProgress : {false, true}) {
        SCOPED_TRACE(fromProgress ? "from the progress handler" : "from a posted click");
        TempDir local;
        FtpRecorder r;
        WriteFile(local.File("up.bin"), Pattern(8000000));
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(s.Passive());
            s.Command();
            s.Send("150 Ok to send data\r\n");
            if (!s.AcceptData()) return;
            s.ReadData();
            s.Send("226 Transfer complete\r\n");
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetLocalFileName(local.File("up.bin"));
        r.ftp->SetHostFileName("up.bin");
        ASSERT_TRUE(r.ftp->Connect());
        bool clicked = false;
        r.ftp->OnProgress = [&](Component*, std::int64_t count, bool&) {
            if (clicked || count < 300000) return;
            clicked = true;
            if (fromProgress) r.ftp->Abort();
            else r.loop.Post([&] { r.ftp->Abort(); });
        };
        EXPECT_FALSE(r.ftp->Put()) << r.Log();
        EXPECT_EQ(r.ftp->ErrorMessage(), "426 Operation aborted.");
        EXPECT_EQ(r.done.back(), "17 426");
        EXPECT_FALSE(r.ftp->Connected());
        EXPECT_EQ(r.ftp->State(), ftpStateReady);
        r.ftp.reset();
    }
}

// In active mode the listener takes the data connection only from the server's address; a stranger that
// comes first is turned away and the real data still arrives.
TEST_F(FtpTransferTest, ActiveModeRefusesStrangersOnThePortPort) {
    std::atomic<bool> intruderRefused{false};
    Serve([&](Session& s) {
        s.Login();
        std::string port = s.Answer("200 PORT command successful\r\n");
        s.Command();
        int n[6] = {};
        std::sscanf(port.c_str(), "PORT %d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5]);
        int intruder = Session::ConnectFrom("127.0.0.2", std::uint16_t(n[4] * 256 + n[5]));
        if (intruder >= 0) {
            WriteAll(intruder, "forged listing\r\n");
            int error = 0;
            ReadToEnd(intruder, error, 5000);
            intruderRefused = true;
            ::close(intruder);
        }
        s.Send("150 Opening data connection\r\n");
        if (!s.ConnectActive(port)) return;
        s.SendData("real.html\r\n");
        s.CloseData();
        s.Send("226 Transfer complete\r\n");
    });
    ConnectFor(false, "FILELIST.TXT");
    EXPECT_TRUE(ftp().Ls()) << rec.Log();
    EXPECT_TRUE(intruderRefused);
    EXPECT_EQ(ReadFile(dir.File("FILELIST.TXT")), "real.html\r\n");
    EXPECT_TRUE(rec.Logged("! Data connection from 127.0.0.2 refused")) << rec.Log();
    EXPECT_EQ(server->Commands()[2].rfind("PORT 127,0,0,1,", 0), 0u) << server->Commands()[2];
}

TEST_F(FtpTransferTest, ActivePutSendsTheWholeFile) {
    const std::string payload = Pattern(1000000);
    WriteFile(dir.File("up.bin"), payload);
    Serve([&](Session& s) {
        s.Login();
        std::string port = s.Answer("200 PORT command successful\r\n");
        s.Command();
        s.Send("150 Ok to send data\r\n");
        if (!s.ConnectActive(port)) return;
        s.ReadData();
        s.CloseData();
        s.Send("226 Transfer complete\r\n");
    });
    ConnectFor(false, "up.bin");
    std::int64_t lastProgress = 0;
    int progressCalls = 0;
    ftp().OnProgress = [&](Component*, std::int64_t count, bool&) {
        EXPECT_GE(count, lastProgress);
        lastProgress = count;
        ++progressCalls;
    };
    ftp().SetHostFileName("up.bin");
    EXPECT_TRUE(ftp().Put()) << rec.Log();
    EXPECT_EQ(server->Data(), payload);
    EXPECT_EQ(server->Commands()[3], "STOR up.bin");
    EXPECT_GE(progressCalls, int(payload.size() / TFtpClient::SendBlockSize));
    EXPECT_EQ(ftp().ByteCount(), std::int64_t(payload.size()));
    EXPECT_EQ(rec.done.back(), "17 0");
    EXPECT_EQ(rec.log.back().rfind("! 1000000 bytes received/sent in ", 0), 0u) << rec.Log();
}

TEST_F(FtpTransferTest, ZeroByteFileIsStored) {
    WriteFile(dir.File("empty.txt"), "");
    Serve([&](Session& s) {
        s.Login();
        s.Answer(s.Passive());
        s.Command();
        s.Send("150 Ok to send data\r\n");
        if (!s.AcceptData()) return;
        s.ReadData();
        s.CloseData();
        s.Send("226 Transfer complete\r\n");
    });
    ConnectFor(true, "empty.txt");
    ftp().SetHostFileName("empty.txt");
    EXPECT_TRUE(ftp().Put()) << rec.Log();
    EXPECT_EQ(server->Data(), "");
}

TEST_F(FtpTransferTest, ReadyToTransmitCanRefuseAPut) {
    WriteFile(dir.File("up.bin"), "x");
    Serve([](Session& s) {
        s.Login();
        s.Answer(s.Passive());
    });
    ConnectFor(true, "up.bin");
    ftp().OnReadyToTransmit = [](Component*, bool& cancel) { cancel = true; };
    EXPECT_FALSE(ftp().Put());
    EXPECT_EQ(ftp().ErrorMessage(), "426 Transmit cancelled by application");
    EXPECT_EQ(rec.done.back(), "17 426");
}

TEST_F(FtpTransferTest, ListingToTheDisplayEventComesLineByLine) {
    Serve([](Session& s) {
        s.Login();
        s.Answer(s.Passive());
        s.Command();
        s.Send("150 Here comes the listing\r\n");
        if (!s.AcceptData()) return;
        s.SendData("first.html\r\nsecond.html\r\n");
        s.CloseData();
        s.Send("226 Directory send OK\r\n");
    });
    ConnectFor(true);
    std::vector<std::string> lines;
    ftp().OnDisplayFile = [&](Component*, std::string& m) { lines.push_back(m); };
    ftp().SetDisplayFileFlag(true);
    ftp().SetLocalFileName("");
    EXPECT_TRUE(ftp().Dir()) << rec.Log();
    EXPECT_EQ(lines, (std::vector<std::string>{"first.html", "second.html"}));
    EXPECT_EQ(server->Commands().back(), "LIST");
}

// Data blocks keep a long transfer alive: the time-out counts silence, not the whole transfer.
TEST_F(FtpTransferTest, DataBlocksKeepASlowTransferAlive) {
    Serve([](Session& s) {
        s.Login();
        s.Answer(s.Passive());
        s.Command();
        s.Send("150 Opening data connection\r\n");
        if (!s.AcceptData()) return;
        for (int i = 0; i < 8; ++i) {
            s.SendData(std::string(1000, char('0' + i)));
            Session::Sleep(400);
        }
        s.CloseData();
        s.Send("226 Transfer complete\r\n");
    });
    ConnectFor(true);
    ftp().SetTimeout(2);
    ftp().SetHostFileName("slow.bin");
    EXPECT_TRUE(ftp().Get()) << rec.Log();
    EXPECT_EQ(ReadFile(dir.File("local.bin")).size(), 8000u);
}

// A get over an existing file of this user's replaces it with a new file of the same permissions instead
// of emptying it in place (emptying a file just written makes the disk wait for it, once per file); a
// symbolic link and a file with a second name are written through, as before.
TEST_F(FtpTransferTest, GetOverAnExistingFileReplacesOnlyAPlainFile) {
    enum Kind { Plain, Link, TwoNames };
    struct Case {
        const char* name;
        Kind kind;
    };
    const Case cases[] = {
        {"a plain file is replaced, keeping its permissions", Plain},
        {"a symbolic link still leads to its file, which gets the bytes", Link},
        {"a file with a second name gets the bytes under both names", TwoNames},
    };
    const std::string payload = Pattern(5000);
    const std::string old = Pattern(9000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        const std::string got = local.File("got.bin"), other = local.File("other.bin");
        if (c.kind == Plain) {
            WriteFile(got, old);
            ASSERT_EQ(::chmod(got.c_str(), 0640), 0);
        } else {
            WriteFile(other, old);
            ASSERT_EQ(c.kind == Link ? ::symlink(other.c_str(), got.c_str()) : ::link(other.c_str(), got.c_str()), 0);
        }
        // The file the name led to before, held open: it keeps its bytes only if it was replaced.
        const int held = ::open(got.c_str(), O_RDONLY);
        ASSERT_GE(held, 0);
        FtpRecorder r;
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(s.Passive());
            s.Command();
            s.Send("150 Opening data connection\r\n");
            if (!s.AcceptData()) return;
            s.SendData(payload);
            s.CloseData();
            s.Send("226 Transfer complete\r\n");
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetHostFileName("f.bin");
        r.ftp->SetLocalFileName(got);
        ASSERT_TRUE(r.ftp->Connect());
        EXPECT_TRUE(r.ftp->Get()) << r.Log();
        EXPECT_EQ(ReadFile(got), payload);
        std::string kept(old.size() + 1, '\0');
        const long n = ::pread(held, kept.data(), kept.size(), 0);
        ::close(held);
        kept.resize(std::size_t(std::max(0L, n)));
        struct stat now {};
        ASSERT_EQ(::lstat(got.c_str(), &now), 0);
        if (c.kind == Plain) {
            EXPECT_TRUE(kept == old) << "emptied in place";
            EXPECT_EQ(now.st_mode & 07777, 0640u);
        } else {
            EXPECT_TRUE(kept == payload) << "the name was replaced instead of written through";
            EXPECT_EQ(ReadFile(other), payload);
            EXPECT_EQ(S_ISLNK(now.st_mode), c.kind == Link);
        }
        r.ftp.reset();
    }
}

}  // namespace
}  // namespace fv
