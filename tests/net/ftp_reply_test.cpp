// The FTP reply reader and the texts read out of replies.
#include <gtest/gtest.h>

#include <cstring>

#include "net/ftp_reply.h"

namespace fv {
namespace {

std::vector<std::string> Feed(FtpReplyReader& r, const std::vector<std::string>& packets) {
    std::vector<std::string> lines;
    for (const std::string& p : packets) {
        std::size_t done = 0;
        while (done < p.size()) {
            int n = std::min<int>(r.SpaceLeft(), int(p.size() - done));
            std::memcpy(r.Space(), p.data() + done, std::size_t(n));
            r.Added(n);
            done += std::size_t(n);
            std::string line;
            while (r.NextLine(line)) lines.push_back(line);
        }
    }
    return lines;
}

TEST(FtpReplyReader, SplitsLinesAsTheyCome) {
    struct Case {
        const char* name;
        bool acceptLF;
        std::vector<std::string> packets;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"two replies in one packet", true, {"331 pw\r\n230 ok\r\n"}, {"331 pw", "230 ok"}},
        {"a reply split over packets", true, {"22", "0 rea", "dy\r", "\n"}, {"220 ready"}},
        {"LF alone ends a line", true, {"220 a\n221 b\n"}, {"220 a", "221 b"}},
        {"LF alone does not end a line without the option", false, {"220 a\n", "221 b\r\n"}, {"220 a\n221 b"}},
        {"trailing CRs are dropped", true, {"220 a\r\r\n"}, {"220 a"}},
        {"no line end yet", true, {"220 waiting"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FtpReplyReader r;
        r.SetAcceptLF(c.acceptLF);
        EXPECT_EQ(Feed(r, c.packets), c.lines);
    }
}

// A line longer than the buffer is cut to what fits; the lines after it come out whole.
TEST(FtpReplyReader, CutsOverLongLinesAndGoesOn) {
    for (bool acceptLF : {true, false}) {
        FtpReplyReader r;
        r.SetAcceptLF(acceptLF);
        std::string longLine = "250-" + std::string(10000, 'y');
        auto lines = Feed(r, {longLine.substr(0, 3000), longLine.substr(3000) + "\r", "\n250 end\r\n"});
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], longLine.substr(0, FtpReplyReader::BufferSize - 1));
        EXPECT_EQ(lines[1], "250 end");
    }
}

TEST(FtpReplyTracker, MultiLineRepliesEndOnlyAtTheirOwnCode) {
    FtpReplyTracker t;
    const std::pair<const char*, FtpLineKind> lines[] = {
        {"230-Welcome", FtpLineKind::Continuation},
        {"220 looks final but belongs to the text", FtpLineKind::Continuation},
        {"text", FtpLineKind::Continuation},
        {"2301 not our code", FtpLineKind::Continuation},
        {"230 Logged in", FtpLineKind::Final},
        {"not a reply", FtpLineKind::Continuation},
        {"200 ok", FtpLineKind::Final},
        {"211-Features", FtpLineKind::Continuation},
        {"211", FtpLineKind::Final},
    };
    for (const auto& [line, kind] : lines) EXPECT_EQ(t.Classify(line), kind) << line;
    EXPECT_FALSE(t.InMultiLine());
}

TEST(FtpReplyTexts, CodesNumbersAndNames) {
    EXPECT_EQ(FtpReplyCode("226 done"), 226);
    EXPECT_EQ(FtpReplyCode("  550 x"), 550);
    EXPECT_EQ(FtpReplyCode("none"), 0);
    EXPECT_EQ(FtpReplyCode("99999999999999999999"), 999999999);
    EXPECT_EQ(FtpNumberAfterCode("213 5000000000"), 5000000000LL);
    EXPECT_EQ(FtpNumberAfterCode("213 "), -1);
    EXPECT_EQ(FtpNumberAfterCode("213 99999999999999999999999"), -1);
    EXPECT_EQ(FtpQuotedName("257 \"/pub/site\" created"), "/pub/site");
    EXPECT_EQ(FtpQuotedName("257 \"say \"\"hi\"\"\" created"), "say \"hi\"");
    EXPECT_EQ(FtpQuotedName("250 no quotes"), "");
    EXPECT_EQ(FtpQuotedName("257 \"unterminated"), "unterminated");
}

TEST(FtpReplyTexts, PasvRepliesAndPortCommands) {
    struct Case {
        const char* text;
        bool ok;
        int port;
    };
    const Case cases[] = {
        {"227 Entering Passive Mode (192,168,1,2,19,137).", true, 19 * 256 + 137},
        {"227 =10,0,0,1,0,21", true, 21},
        {"227 Entering Passive Mode 1,2,3,4,255,255", true, 65535},
        {"227 Mode 5 (1, 2, 3, 4, 1, 2)", true, 258},
        {"227 (1,2,3,4,5)", false, 0},
        {"227 (1,2,3,4,256,1)", false, 0},
        {"227 (1,2,3,4,0,0)", false, 0},
        {"227 (1,2,3,4,1000,1)", false, 0},
        {"227 Entering Passive Mode", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        std::uint32_t ip = 0;
        int port = 0;
        EXPECT_EQ(ParsePasvReply(c.text, ip, port), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(port, c.port) << c.text;
        }
    }
    std::uint32_t ip = 0;
    int port = 0;
    ASSERT_TRUE(ParsePasvReply("227 (192,168,1,2,19,137)", ip, port));
    EXPECT_EQ(FormatPortCommand(ip, port), "PORT 192,168,1,2,19,137");
}

}  // namespace
}  // namespace fv
