// Any bytes as a server's replies, cut into packets of any size: the reply reader, the multi-line
// tracker and the readers of codes, 227 ports, quoted names and sizes must never crash, hang or hand out
// a line longer than the buffer, and a 227 port they accept must survive the round trip through PORT.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "net/ftp_reply.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

void ReadTexts(const std::string& line) {
    fv::FtpReplyCode(line);
    fv::FtpQuotedName(line);
    fv::FtpNumberAfterCode(line);
    std::uint32_t ip = 0;
    int port = 0;
    if (!fv::ParsePasvReply(line, ip, port)) return;
    Check(port > 0 && port <= 65535);
    std::string command = fv::FormatPortCommand(ip, port);
    std::uint32_t backIp = 0;
    int backPort = 0;
    Check(fv::ParsePasvReply(command, backIp, backPort));
    Check(backIp == ip && backPort == port);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the line end rule and the packet size.
    fv::FtpReplyReader reader;
    reader.SetAcceptLF(data[0] & 1);
    std::size_t packet = 1 + (data[0] >> 1);
    fv::FtpReplyTracker tracker;
    std::string line;
    for (std::size_t at = 1; at < size;) {
        std::size_t n = std::min({packet, size - at, std::size_t(reader.SpaceLeft())});
        Check(n > 0);
        std::memcpy(reader.Space(), data + at, n);
        reader.Added(int(n));
        at += n;
        while (reader.NextLine(line)) {
            Check(line.size() < std::size_t(fv::FtpReplyReader::BufferSize));
            tracker.Classify(line);
            ReadTexts(line);
        }
    }
    ReadTexts(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
