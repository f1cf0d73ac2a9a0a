// The FTP reply reader and the texts read out of replies.
#include "net/ftp_reply.h"

#include <cstring>

namespace fv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void StripLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
}

// Reads one number of 1 to 3 digits at text[i] (not part of a longer run of digits); false otherwise.
bool ReadByteNumber(const std::string& text, std::size_t& i, int& value) {
    std::size_t start = i;
    value = 0;
    while (i < text.size() && IsDigit(text[i]) && i - start < 4) value = value * 10 + (text[i++] - '0');
    std::size_t digits = i - start;
    return digits >= 1 && digits <= 3 && value <= 255;
}

void SkipBlanks(const std::string& text, std::size_t& i) {
    while (i < text.size() && text[i] == ' ') ++i;
}

// Six comma-separated numbers of 0 to 255 starting at text[i].
bool ReadSixNumbers(const std::string& text, std::size_t i, int (&n)[6]) {
    for (int k = 0; k < 6; ++k) {
        if (k > 0) {
            SkipBlanks(text, i);
            if (i >= text.size() || text[i] != ',') return false;
            ++i;
            SkipBlanks(text, i);
        }
        if (!ReadByteNumber(text, i, n[k])) return false;
    }
    return true;
}

}  // namespace

// --- FtpReplyReader -----------------------------------------------------------------------------------

void FtpReplyReader::Added(int n) {
    if (n <= 0) return;
    count_ += n;
    if (count_ > BufferSize - 1) count_ = BufferSize - 1;
    buffer_[count_] = '\0';
}

void FtpReplyReader::Clear() {
    count_ = 0;
    buffer_[0] = '\0';
    cutting_ = false;
    cutLine_.clear();
}

bool FtpReplyReader::FindLineEnd(int from, int& length, int& consumed) const {
    const char* start = buffer_ + from;
    int n = count_ - from;
    if (n <= 0) return false;
    if (acceptLF_) {
        const void* lf = std::memchr(start, '\n', std::size_t(n));
        if (!lf) return false;
        length = int(static_cast<const char*>(lf) - start);
        consumed = length + 1;
        return true;
    }
    for (int i = 0; i + 1 < n; ++i) {
        if (start[i] == '\r' && start[i + 1] == '\n') {
            length = i;
            consumed = i + 2;
            return true;
        }
    }
    return false;
}

bool FtpReplyReader::NextLine(std::string& line) {
    int length = 0, consumed = 0;
    if (cutting_) {
        if (!FindLineEnd(0, length, consumed)) {
            // Drop the rest of the long line, but keep a last CR: it may be the first half of its CR LF.
            bool keepCr = count_ > 0 && buffer_[count_ - 1] == '\r';
            count_ = 0;
            if (keepCr) buffer_[count_++] = '\r';
            buffer_[count_] = '\0';
            return false;
        }
        std::memmove(buffer_, buffer_ + consumed, std::size_t(count_ - consumed + 1));
        count_ -= consumed;
        cutting_ = false;
        line = std::move(cutLine_);
        cutLine_.clear();
        StripLineEnd(line);
        return true;
    }
    if (count_ == 0) return false;
    if (FindLineEnd(0, length, consumed)) {
        line.assign(buffer_, std::size_t(length));
        std::memmove(buffer_, buffer_ + consumed, std::size_t(count_ - consumed + 1));
        count_ -= consumed;
        StripLineEnd(line);
        return true;
    }
    if (SpaceLeft() > 0) return false;
    // The buffer is full and holds no line end: the line is longer than any reply line should be. Its
    // start is kept as the line, the rest is dropped as it comes, so the connection goes on.
    int keep = count_;
    if (buffer_[count_ - 1] == '\r') --keep;
    cutLine_.assign(buffer_, std::size_t(keep));
    std::memmove(buffer_, buffer_ + keep, std::size_t(count_ - keep + 1));
    count_ -= keep;
    cutting_ = true;
    return NextLine(line);
}

// --- FtpReplyTracker ----------------------------------------------------------------------------------

FtpLineKind FtpReplyTracker::Classify(const std::string& line) {
    if (!openCode_.empty()) {
        if (line.compare(0, openCode_.size(), openCode_) == 0 &&
            (line.size() == openCode_.size() || line[openCode_.size()] == ' ')) {
            openCode_.clear();
            return FtpLineKind::Final;
        }
        return FtpLineKind::Continuation;
    }
    if (!FtpLineHasCode(line)) return FtpLineKind::Continuation;
    std::size_t i = 0;
    while (i < line.size() && IsDigit(line[i])) ++i;
    if (i < line.size() && line[i] == '-') {
        openCode_ = line.substr(0, i);
        return FtpLineKind::Continuation;
    }
    return FtpLineKind::Final;
}

// --- texts of replies -----------------------------------------------------------------------------------

int FtpReplyCode(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    long long value = 0;
    while (i < line.size() && IsDigit(line[i])) {
        value = value * 10 + (line[i++] - '0');
        if (value > 999999999) value = 999999999;
    }
    return int(negative ? -value : value);
}

bool ParsePasvReply(const std::string& text, std::uint32_t& hostIp, int& port) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]) || (i > 0 && IsDigit(text[i - 1]))) continue;
        int n[6];
        if (!ReadSixNumbers(text, i, n)) continue;
        port = n[4] * 256 + n[5];
        if (port == 0) return false;
        unsigned char bytes[4] = {static_cast<unsigned char>(n[0]), static_cast<unsigned char>(n[1]),
                                  static_cast<unsigned char>(n[2]), static_cast<unsigned char>(n[3])};
        std::memcpy(&hostIp, bytes, 4);
        return true;
    }
    return false;
}

std::string FormatPortCommand(std::uint32_t ip, int port) {
    unsigned char b[4];
    std::memcpy(b, &ip, 4);
    return "PORT " + std::to_string(b[0]) + "," + std::to_string(b[1]) + "," + std::to_string(b[2]) + "," +
           std::to_string(b[3]) + "," + std::to_string((port >> 8) & 255) + "," + std::to_string(port & 255);
}

std::string FtpQuotedName(const std::string& reply) {
    std::size_t i = 0;
    while (i < reply.size() && IsDigit(reply[i])) ++i;
    i = reply.find('"', i);
    if (i == std::string::npos) return {};
    std::string name;
    for (++i; i < reply.size(); ++i) {
        if (reply[i] != '"') {
            name += reply[i];
            continue;
        }
        if (i + 1 < reply.size() && reply[i + 1] == '"') {
            name += '"';
            ++i;
            continue;
        }
        break;
    }
    return name;
}

std::int64_t FtpNumberAfterCode(const std::string& reply) {
    std::size_t i = 0;
    while (i < reply.size() && IsDigit(reply[i])) ++i;
    SkipBlanks(reply, i);
    if (i >= reply.size() || !IsDigit(reply[i])) return -1;
    std::int64_t value = 0;
    while (i < reply.size() && IsDigit(reply[i])) {
        if (value > (INT64_MAX - 9) / 10) return -1;
        value = value * 10 + (reply[i++] - '0');
    }
    return value;
}

}  // namespace fv
