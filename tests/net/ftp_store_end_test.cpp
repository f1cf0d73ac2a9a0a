// The end of a stored file against a scripted server: a store counts only when the server took every
// byte. The data connection's end is checked after the last byte (a reset, or a close that leaves bytes
// unacknowledged, fails the store), and in binary type the size the server gives must be the size sent.
#include <gtest/gtest.h>

#include <algorithm>

#include "net/ftp_test_support.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using namespace fv::testing;
using Session = ScriptedFtpServer::Session;

// How the scripted server ends the data connection of a STOR.
enum class DataEnd {
    CloseAfterSome,  // reads the first bytes, then closes as a server that stops reading does
    ResetAfterSome,  // reads the first bytes, then resets (SO_LINGER 0)
    ResetAtOnce,     // resets before reading any byte, and answers 226 at once
};

constexpr std::size_t ReadBeforeEnd = 60000;

// The data connection of one transfer, opened as the client asked: PASV or PORT.
struct DataRoute {
    bool passive;
    std::string port;  // the PORT command (active)
    bool Open(Session& s) const { return passive ? s.AcceptData() : s.ConnectActive(port); }
};

// Greeting, login, TYPE I and the PASV or PORT of the store.
DataRoute StartStore(Session& s, bool passive) {
    s.Login();
    s.Answer("200 Switching to Binary mode.\r\n");
    DataRoute route{passive, {}};
    if (passive) s.Answer(s.Passive());
    else route.port = s.Answer("200 PORT command successful\r\n");
    return route;
}

// A server that breaks the data connection off and still says 226 never gets a store counted as sent,
// passive or active, whether or not it answers SIZE. A 2 MB file fits into the socket buffers of both
// sides, so the last byte leaves this side before the server's reset arrives: only the wait for the
// server's end of the connection sees it. A small file reset before any byte is read is the same case.
TEST(FtpStoreEndTest, AStoreTheServerCutShortFailsWhateverTheFinalReply) {
    struct End {
        const char* name;
        DataEnd end;
        std::size_t fileSize;
    };
    const End ends[] = {
        {"close after the first bytes", DataEnd::CloseAfterSome, 2000000},
        {"reset after the first bytes", DataEnd::ResetAfterSome, 2000000},
        {"reset before any byte, 226 at once", DataEnd::ResetAtOnce, 5000},
    };
    for (const End& e : ends) {
        for (bool passive : {true, false}) {
            for (bool sizeKnown : {true, false}) {
                SCOPED_TRACE(std::string(e.name) + (passive ? ", passive" : ", active") +
                             (sizeKnown ? ", SIZE answered" : ", SIZE not implemented"));
                TempDir local;
                FtpRecorder r;
                WriteFile(local.File("up.bin"), Pattern(e.fileSize));
                ScriptedFtpServer srv([&](Session& s) {
                    DataRoute route = StartStore(s, passive);
                    s.Command();
                    s.Send("150 Ok to send data.\r\n");
                    if (!route.Open(s)) return;
                    std::size_t got = 0;
                    if (e.end == DataEnd::ResetAtOnce) {
                        s.ResetData();
                    } else {
                        got = s.ReadDataBytes(ReadBeforeEnd).size();
                        if (e.end == DataEnd::CloseAfterSome) s.CloseData();
                        else s.ResetData();
                    }
                    s.Send("226 Transfer complete.\r\n");
                    // Should the client ask, the server tells what it holds.
                    std::string next = s.Command();
                    if (next.rfind("SIZE", 0) == 0)
                        s.Send(sizeKnown ? "213 " + std::to_string(got) + "\r\n" : "502 SIZE not implemented.\r\n");
                });
                r.Target(srv.PortText());
                r.ftp->SetPassive(passive);
                r.ftp->SetLocalFileName(local.File("up.bin"));
                r.ftp->SetHostFileName("up.bin");
                ASSERT_TRUE(r.ftp->Connect());
                ASSERT_TRUE(r.ftp->TypeBinary());
                EXPECT_FALSE(r.ftp->Put()) << r.Log();
                EXPECT_EQ(r.done.back(), "17 426") << r.Log();
                EXPECT_EQ(r.ftp->ErrorMessage().rfind("426 ", 0), 0u) << r.ftp->ErrorMessage();
                EXPECT_EQ(r.ftp->State(), ftpStateReady);
                EXPECT_EQ(r.ftp->DataSocket()->State(), wsClosed);
                EXPECT_TRUE(r.ftp->Connected()) << "the session goes on\n" << r.Log();
                r.ftp.reset();
                ASSERT_TRUE(srv.Finished());
                EXPECT_LT(srv.Data().size(), e.fileSize) << "the server really lacks bytes";
            }
        }
    }
}

// After a whole transfer the size the server gives decides: the size sent passes, another size fails
// the store, and a server that does not answer SIZE leaves the data connection's end to decide. Only a
// store in binary type is compared: in text type the server may store other line ends.
TEST(FtpStoreEndTest, TheSizeAtTheServerConfirmsAWholeStore) {
    const std::string payload = Pattern(300000);
    const std::string size = std::to_string(payload.size());
    struct Case {
        const char* name;
        bool binary;
        std::string sizeReply;  // empty: the client must not ask
        bool stored;
    };
    const Case cases[] = {
        {"the size sent", true, "213 " + size, true},
        {"fewer bytes at the server", true, "213 " + std::to_string(payload.size() - 1000), false},
        {"more bytes at the server", true, "213 " + std::to_string(payload.size() + 1), false},
        {"SIZE not implemented", true, "502 Command not implemented.", true},
        {"SIZE unknown", true, "500 Unknown command.", true},
        {"text type", false, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir local;
        FtpRecorder r;
        WriteFile(local.File("up.bin"), payload);
        ScriptedFtpServer srv([&](Session& s) {
            s.Login();
            s.Answer(c.binary ? "200 Switching to Binary mode.\r\n" : "200 Switching to ASCII mode.\r\n");
            s.Answer(s.Passive());
            s.Command();
            s.Send("150 Ok to send data.\r\n");
            if (!s.AcceptData()) return;
            s.ReadData();
            s.CloseData();
            s.Send("226 Transfer complete.\r\n");
            if (c.sizeReply.empty()) return;
            s.Answer(c.sizeReply + "\r\n");
        });
        r.Target(srv.PortText());
        r.ftp->SetPassive(true);
        r.ftp->SetLocalFileName(local.File("up.bin"));
        r.ftp->SetHostFileName("up.bin");
        ASSERT_TRUE(r.ftp->Connect());
        ASSERT_TRUE(c.binary ? r.ftp->TypeBinary() : r.ftp->TypeAscii());
        EXPECT_EQ(r.ftp->Put(), c.stored) << r.Log();
        EXPECT_EQ(r.done.back(), c.stored ? "17 0" : "17 426");
        if (!c.stored) {
            EXPECT_EQ(r.ftp->ErrorMessage().rfind("426 The server holds ", 0), 0u) << r.ftp->ErrorMessage();
        }
        // The request reports the store's own final reply.
        EXPECT_EQ(r.ftp->ReplyText(), "226 Transfer complete.");
        r.ftp.reset();
        ASSERT_TRUE(srv.Finished());
        EXPECT_EQ(srv.Data(), payload);
        const std::vector<std::string> commands = srv.Commands();
        const bool asked = std::find(commands.begin(), commands.end(), "SIZE up.bin") != commands.end();
        EXPECT_EQ(asked, !c.sizeReply.empty());
    }
}

}  // namespace
}  // namespace fv
