// The reading of an FTP server's replies: splitting the control connection's bytes into lines, telling
// the lines of a multi-line reply from its final line, and the texts read out of replies (the reply
// code, the data port of a 227 reply, a quoted directory name, the number after a code).
//
// Everything here works on bytes from the network and must hold up against any of them: lines longer than
// the buffer are cut instead of stalling the connection, and the 227 reader takes only a well-formed
// group of six numbers.
#pragma once

#include <cstdint>
#include <string>

namespace fv {

// Splits received bytes into reply lines in a buffer of fixed size.
class FtpReplyReader {
public:
    static constexpr int BufferSize = 4096;

    // With acceptLF a line ends at LF alone; otherwise only at CR LF.
    void SetAcceptLF(bool on) { acceptLF_ = on; }
    bool AcceptLF() const { return acceptLF_; }

    // Where the next receive puts its bytes, and how many it may put there (at least 1).
    char* Space() { return buffer_ + count_; }
    int SpaceLeft() const { return BufferSize - 1 - count_; }
    // Takes the n bytes just received into Space().
    void Added(int n);
    int Count() const { return count_; }

    // The next complete line, without its line end and without trailing CR and LF; false when no
    // complete line is buffered. A line that does not fit the buffer is cut to what fits: its rest is
    // dropped up to its line end.
    bool NextLine(std::string& line);
    void Clear();

private:
    // The length of the first line in buffer_ and the bytes it takes with its end; false when none ends.
    bool FindLineEnd(int from, int& length, int& consumed) const;

    char buffer_[BufferSize] = {};
    int count_ = 0;
    bool acceptLF_ = true;
    // A line that filled the buffer: its first part is kept here until its end comes.
    bool cutting_ = false;
    std::string cutLine_;
};

// Where a reply line stands in its reply.
enum class FtpLineKind {
    Final,         // the last line of a reply: it carries the reply's code
    Continuation,  // a line inside a multi-line reply, or a line without a code
};

// Follows multi-line replies: "ddd-" opens one, and only a line with the same code followed by a blank
// (or by nothing) ends it. Lines inside it that start with another code and a blank are text.
class FtpReplyTracker {
public:
    FtpLineKind Classify(const std::string& line);
    bool InMultiLine() const { return !openCode_.empty(); }
    void Reset() { openCode_.clear(); }

private:
    std::string openCode_;
};

// The decimal number at the start of a reply (leading blanks, an optional sign, digits); 0 when none.
// Large numbers are held at 999999999 instead of overflowing.
int FtpReplyCode(const std::string& line);

// True when the line starts with a digit.
inline bool FtpLineHasCode(const std::string& line) { return !line.empty() && line[0] >= '0' && line[0] <= '9'; }

// The data port of a 227 reply: the first group of six comma-separated numbers of 0 to 255 in the text
// (h1,h2,h3,h4,p1,p2), giving p1 * 256 + p2. False when the text holds no such group or the port is 0.
// The address is given too, but the client never connects to it.
bool ParsePasvReply(const std::string& text, std::uint32_t& hostIp, int& port);

// The PORT command for a local address (network order) and port: "PORT h1,h2,h3,h4,p1,p2".
std::string FormatPortCommand(std::uint32_t ip, int port);

// The first double-quoted name after the reply's code; a doubled quote inside stands for one quote.
// Empty when the reply holds none.
std::string FtpQuotedName(const std::string& reply);

// The number that follows the reply's code ("213 1234" gives 1234); -1 when there is none.
std::int64_t FtpNumberAfterCode(const std::string& reply);

}  // namespace fv
