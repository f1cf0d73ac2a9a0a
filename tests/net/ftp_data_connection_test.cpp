// TFtpDataConnection on its own: the local file of a get and a put, the blocks over a loopback connection,
// the judgement of a put's end, the display lines and the statistics line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "net/ftp_data_connection.h"
#include "net/loopback_peer.h"
#include "net/socket_recorder.h"

namespace fv {
namespace {

using namespace fv::testing;
using Outcome = TFtpDataConnection::Outcome;

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char('a' + (i * 7 + i / 251) % 26);
    return s;
}

// --- the end of a put -------------------------------------------------------------------------------

struct EndCase {
    const char* why;
    bool endOfFile;
    int error;
    int unacknowledged;
    const char* problem;
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.why; }

class StoreEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(StoreEnd, NamesWhatLeavesTheFileUnconfirmed) {
    const EndCase& c = GetParam();
    EXPECT_EQ(TFtpDataConnection::StoreEndProblem(c.endOfFile, c.error, c.unacknowledged), c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoreEnd,
    ::testing::Values(
        EndCase{"all taken", true, 0, 0, ""},
        EndCase{"all taken, the FIN on its way", true, 0, 1, ""},
        EndCase{"bytes left unacknowledged", true, 0, 2,
                "426 Data connection closed before the server took the whole file"},
        EndCase{"the system cannot tell", true, 0, -1, "426 Data connection closed before the server took the whole file"},
        EndCase{"closed before the last byte", false, 0, 0, "426 Data connection closed before the whole file was sent"},
        EndCase{"closed early with an error", false, 10054, 0,
                "426 Data connection closed before the whole file was sent"},
        EndCase{"broken after the last byte", true, 10054, 0,
                "426 Data connection broken after the last byte, error #10054"}));

// --- display lines and statistics -------------------------------------------------------------------

struct LinesCase {
    const char* why;
    std::string block;
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.why; }

class DisplayLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DisplayLines, EachRunOfLineEndsEndsOneLine) {
    const LinesCase& c = GetParam();
    std::vector<std::string> lines;
    TFtpDataConnection::SplitLines(c.block.data(), int(c.block.size()), [&](std::string l) { lines.push_back(l); });
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DisplayLines,
    ::testing::Values(LinesCase{"nothing", "", {}},
                      LinesCase{"CRLF lines", "a.txt\r\nb.txt\r\n", {"a.txt", "b.txt"}},
                      LinesCase{"LF lines, last one cut", "one\ntwo\nthr", {"one", "two", "thr"}},
                      LinesCase{"blank lines fold into one end", "x\r\n\r\n\ny\r", {"x", "y"}},
                      LinesCase{"a leading end gives an empty line", "\r\nz", {"", "z"}}));

TEST(DataConnectionStats, LineNamesBytesSecondsAndRate) {
    EXPECT_EQ(TFtpDataConnection::StatsLine(1000, 0), "! 1000 bytes received/sent in 0 seconds");
    EXPECT_EQ(TFtpDataConnection::StatsLine(1000, 500), "! 1000 bytes received/sent in 0 seconds (2000 Bytes/sec)");
    EXPECT_EQ(TFtpDataConnection::StatsLine(10'000'000, 2500),
              "! 10000000 bytes received/sent in 2 seconds (4000000 Bytes/sec)");
}

// --- the local file and the blocks --------------------------------------------------------------------

class DataConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("fv-data-connection-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        if (peer >= 0) ::close(peer);
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void ConnectPeer() {
        s().SetAddr("127.0.0.1");
        s().SetPort(listener.PortText());
        s().Connect();
        peer = listener.Accept(30000);
        ASSERT_GE(peer, 0);
        ASSERT_TRUE(rec.RunUntilEvent("connected 0", 30000));
        ASSERT_TRUE(rec.RunUntilEvent("sent 0", 30000));
    }
    TAsyncSocket& s() { return *rec.socket; }

    std::filesystem::path dir;
    HeadlessLoop loop{true};
    SocketRecorder rec{loop};
    PlainListener listener;
    int peer = -1;
};

TEST_F(DataConnectionTest, AMissingFileDoesNotOpenForAPut) {
    TFtpDataConnection data(s());
    EXPECT_FALSE(data.OpenForSend((dir / "missing").string(), 0));
    EXPECT_FALSE(data.FileOpen());
    EXPECT_EQ(TFtpDataConnection::LocalFileSize((dir / "missing").string()), -1);
    EXPECT_EQ(TFtpDataConnection::LocalFileSize(""), -1);
    WriteFile(dir / "f", "abc");
    EXPECT_EQ(TFtpDataConnection::LocalFileSize((dir / "f").string()), 3);
    EXPECT_TRUE(data.OpenForSend((dir / "f").string(), 0));
    EXPECT_TRUE(data.FileOpen());
    EXPECT_TRUE(data.CloseFile());
    EXPECT_FALSE(data.FileOpen());
    EXPECT_TRUE(data.CloseFile());
}

TEST_F(DataConnectionTest, APutSendsTheFileFromItsResumePositionThenShutsTheSendingSide) {
    ConnectPeer();
    const std::string content = Pattern(5 * TFtpDataConnection::SendBlockSize * TFtpDataConnection::BlocksPerTurn / 2 + 77);
    const std::int64_t resumeAt = 1000;
    WriteFile(dir / "put.bin", content);
    TFtpDataConnection data(s());
    ASSERT_TRUE(data.OpenForSend((dir / "put.bin").string(), resumeAt));
    std::future<std::string> got = std::async(std::launch::async, [fd = peer] {
        int error = 0;
        return ReadToEnd(fd, error, 30000);
    });
    std::vector<Outcome> outcomes;
    int asked = 0;
    auto turn = [&] {
        outcomes.push_back(data.SendBlocks([&] { return ++asked > 0; }));
    };
    s().OnDataSent = [&](Component*, int) {
        if (!data.EndOfFile()) turn();
    };
    turn();
    ASSERT_TRUE(rec.RunUntil([&] { return data.EndOfFile(); }, 30000));
    EXPECT_EQ(outcomes.back(), Outcome::EndOfFile);
    EXPECT_FALSE(data.FileOpen());
    EXPECT_EQ(data.ByteCount(), std::int64_t(content.size()) - resumeAt);
    EXPECT_GT(asked, 0);
    ASSERT_EQ(got.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    EXPECT_EQ(got.get(), content.substr(std::size_t(resumeAt)));
    // The peer read everything: at most the FIN is unacknowledged, so the put's end is sound.
    ASSERT_TRUE(rec.RunUntil([&] { return data.StoreEndProblem(0).empty(); }, 30000));
}

TEST_F(DataConnectionTest, ACallerCheckStopsTheTurnAfterTheFirstBlock) {
    ConnectPeer();
    WriteFile(dir / "put.bin", Pattern(3 * TFtpDataConnection::SendBlockSize));
    TFtpDataConnection data(s());
    ASSERT_TRUE(data.OpenForSend((dir / "put.bin").string(), 0));
    EXPECT_EQ(data.SendBlocks([] { return false; }), Outcome::Stopped);
    EXPECT_EQ(data.ByteCount(), TFtpDataConnection::SendBlockSize);
    EXPECT_FALSE(data.EndOfFile());
    EXPECT_TRUE(data.FileOpen());
    EXPECT_EQ(data.StoreEndProblem(0), "426 Data connection closed before the whole file was sent");
}

TEST_F(DataConnectionTest, AGetWritesEachBlockAtTheResumePosition) {
    ConnectPeer();
    WriteFile(dir / "get.bin", "0123456789");
    const std::string sent = Pattern(600 * 1024);
    TFtpDataConnection data(s());
    ASSERT_TRUE(data.OpenForReceive((dir / "get.bin").string(), 4));
    std::vector<Outcome> outcomes;
    std::size_t largest = 0;
    s().OnDataAvailable = [&](Component*, int) {
        const char* block = nullptr;
        int n = 0;
        outcomes.push_back(data.ReceiveBlock(block, n));
        if (outcomes.back() == Outcome::Moved) {
            EXPECT_NE(block, nullptr);
            largest = std::max(largest, std::size_t(n));
        }
    };
    std::thread writer([&] {
        WriteAll(peer, sent);
        ::shutdown(peer, SHUT_WR);
    });
    ASSERT_TRUE(rec.RunUntil([&] { return data.ByteCount() == std::int64_t(sent.size()); }, 30000));
    writer.join();
    EXPECT_LE(largest, std::size_t(TFtpDataConnection::ReceiveBlockSize));
    EXPECT_TRUE(data.CloseFile());
    EXPECT_EQ(ReadFile(dir / "get.bin"), "0123" + sent);
}

TEST_F(DataConnectionTest, AGetFromTheStartReplacesTheFileWithItsPermissions) {
    ConnectPeer();
    WriteFile(dir / "get.bin", "old content that is longer");
    std::filesystem::permissions(dir / "get.bin", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    TFtpDataConnection data(s());
    ASSERT_TRUE(data.OpenForReceive((dir / "get.bin").string(), 0));
    s().OnDataAvailable = [&](Component*, int) {
        const char* block = nullptr;
        int n = 0;
        data.ReceiveBlock(block, n);
    };
    WriteAll(peer, "new");
    ASSERT_TRUE(rec.RunUntil([&] { return data.ByteCount() == 3; }, 30000));
    EXPECT_TRUE(data.CloseFile());
    EXPECT_EQ(ReadFile(dir / "get.bin"), "new");
    EXPECT_EQ(std::filesystem::status(dir / "get.bin").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
}  // namespace fv
