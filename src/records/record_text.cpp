// Writing the database text file and reading record text.
#include "records/record_text.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/fs/files.h"
#include "platform/text/utf8.h"
#include "records/byte_scan.h"

namespace fv {

namespace {
constexpr int CR = 13;
constexpr std::size_t BlockSize = 4096;
}  // namespace

const DelimiterCandidate DelimiterCandidates[8] = {
    {9, "Tab"}, {44, "Comma (,)"}, {124, "VerticalBar (|)"}, {47, "ForwardSlash(/)"},
    {32, "Space"}, {58, "Colon(:)"}, {59, "SemiColon(;)"}, {33, "Exclamation(!)"},
};

void DatabaseTextTo(const DatabaseState& db, const std::function<void(std::string_view)>& sink) {
    // One record line at a time in a reused buffer: a full database never sits in memory twice.
    std::string out = std::to_string(db.RecordCount) + "\r\n";
    sink(out);  // the count line alone, then one call per record line
    out.clear();
    auto slot = [&out](const std::string& text) {
        if (!text.empty()) {
            out += '"';
            out += text;
            out += '"';
        }
        out += '\t';
    };
    for (int i = 0; i < db.RecordCount; ++i) {
        const DatabaseRecord& r = db.RecordTable[std::size_t(i)];
        slot(r.Category);
        for (const std::string& f : r.Field) slot(f);
        for (const std::string& img : r.Image) slot(img);
        if (!r.Memo.empty()) {
            out += '"';
            AppendMemoSlotText(out, r.Memo);
            out += '"';
        }
        out += "\r\n";
        sink(out);
        out.clear();
    }
}

std::string DatabaseText(const DatabaseState& db) {
    std::string text;
    DatabaseTextTo(db, [&text](std::string_view line) { text.append(line); });
    return text;
}

bool WriteDatabaseFile(const DatabaseState& db, const std::string& path, std::string* error) {
    WholeFileWriter writer(path);
    DatabaseTextTo(db, [&writer](std::string_view line) { writer.Write(line); });
    return writer.Commit(error);
}

std::string ReadTextLine(TextStream& s, std::size_t maxChars) {
    // The run up to the CR, maxChars or the end is taken in one step; the stream then stands as a read
    // byte by byte would leave it.
    const std::string& b = s.Bytes();
    const std::size_t start = s.Position();
    const std::size_t limit = start + std::min(maxChars, b.size() - start);
    const void* cr = std::memchr(b.data() + start, CR, limit - start);
    const std::size_t end = cr ? std::size_t(static_cast<const char*>(cr) - b.data()) : limit;
    std::string line(b, start, end - start);
    s.SetPosition(end);
    if (cr) {
        s.Get();  // the CR
        s.Get();  // and the byte after it, whatever it is
    } else if (end - start < maxChars) {
        s.Get();  // the read that runs into the end
    }
    return line;
}

int RecordTextReader::ReadText(std::string& field, std::size_t maxChars) {
    field.clear();
    // The rule is byte by byte (quotes dropped, the rest kept up to maxChars, then skipped up to the
    // ending delimiter or CR); it is done here in runs between the bytes that matter.
    const std::string& b = s_.Bytes();
    const char* d = b.data();
    const std::size_t n = b.size();
    const char delimiter = static_cast<char>(delimiter_);
    auto ends = [delimiter](char c) { return c == delimiter || c == '\r'; };
    std::size_t p = s_.Position();
    if (protectQuoted_ && p < n && d[p] == '"') {
        if (const int ending = ReadQuotedPart(field, maxChars, p)) return ending;
    } else if (p < n && d[p] == '"') {
        // The common field of the program's own file, "text" and its ending byte, in one step.
        const std::size_t q = FirstOfThree(d, p + 1, n, delimiter, '\r', '"');
        if (q + 1 < n && d[q] == '"' && ends(d[q + 1])) {
            field.assign(d + p + 1, std::min(q - p - 1, maxChars));
            s_.SetPosition(q + 2);
            return static_cast<unsigned char>(d[q + 1]);
        }
    }
    // Outside a quoted beginning a foreign value keeps its double quotes (they are stored as the editor
    // stores a typed one); the program's own file drops them wherever they stand.
    const char quote = protectQuoted_ ? '\r' : '"';
    for (;;) {
        // Quotes and delimiters usually sit side by side, so the byte at hand is looked at first.
        const bool here = p < n && (ends(d[p]) || d[p] == quote);
        const std::size_t q = here ? p : FirstOfThree(d, p, n, delimiter, '\r', quote);
        if (field.size() < maxChars) field.append(d + p, std::min(q - p, maxChars - field.size()));
        if (q == n) {
            s_.SetPosition(n);
            s_.MarkEof();
            return -1;
        }
        if (ends(d[q])) {
            s_.SetPosition(q + 1);
            return static_cast<unsigned char>(d[q]);
        }
        p = q + 1;  // a double quote, dropped
    }
}

int RecordTextReader::ReadQuotedPart(std::string& field, std::size_t maxChars, std::size_t& p) {
    const std::string& b = s_.Bytes();
    const char* d = b.data();
    const std::size_t n = b.size();
    auto keep = [&](const char* from, std::size_t count) {
        if (field.size() < maxChars) field.append(from, std::min(count, maxChars - field.size()));
    };
    for (std::size_t i = p + 1;;) {
        const std::size_t q = FirstOfThree(d, i, n, '"', '\r', '"');
        keep(d + i, q - i);
        if (q == n) {
            s_.SetPosition(n);
            s_.MarkEof();
            return -1;
        }
        if (d[q] == '\r') {
            s_.SetPosition(q + 1);
            return CR;
        }
        if (q + 1 < n && d[q + 1] == '"') {
            keep(d + q, 1);  // "" is one double quote
            i = q + 2;
            continue;
        }
        p = q + 1;  // after the closing quote; the rest of the value is read as usual
        return 0;
    }
}

void RecordTextReader::ReadQuotedField(std::string& field, std::size_t maxChars) {
    if (s_.Eof()) return;
    const int ending = ReadText(field, maxChars);
    if (ending >= 0) field += static_cast<char>(ending);
}

std::string RecordTextReader::ReadSlot(std::size_t maxChars) {
    std::string field;
    ReadField(field, maxChars);
    return field;
}

bool RecordTextReader::ReadField(std::string& into, std::size_t maxChars) {
    if (s_.Eof()) {
        into.clear();
        EndOfRecord = false;
        return true;
    }
    EndOfRecord = ReadText(into, maxChars) == CR;
    return EndOfRecord || s_.Eof();
}

bool ReadCountLine(TextStream& s, std::int32_t& count) {
    std::string line = ReadTextLine(s, 301);
    if (line.empty() || HasNonDigit(line)) return false;
    // Digits only; a count beyond the table is still a count line, the load holds it to the limit.
    std::int64_t value = 0;
    for (char c : line) {
        value = value * 10 + (c - '0');
        if (value > 1000000000) value = 1000000000;
    }
    // "0" is an empty database of the program's own, so that deleting the last record and saving sticks.
    count = std::int32_t(value);
    return true;
}

int CountLines(TextStream& s) {
    s.Rewind();
    int count = 0;
    for (unsigned char c : s.Bytes())
        if (c == CR) ++count;
    s.Rewind();
    return count;
}

int CountColumns(TextStream& s, int delimiterCode, bool skipFirstLine) {
    s.Rewind();
    const std::string& b = s.Bytes();
    std::size_t i = 0;
    if (skipFirstLine) {
        while (i < b.size() && b[i] != '\n') ++i;
        if (i < b.size()) ++i;
    }
    const unsigned char delimiter = static_cast<unsigned char>(delimiterCode);
    int count = 0;
    for (; i < b.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(b[i]);
        if (c == CR) break;
        if (c == delimiter) ++count;
    }
    s.Rewind();
    return count + 1;
}

DelimiterChoice DelimiterGuess(TextStream& s) {
    s.Rewind();
    const std::string& b = s.Bytes();
    std::array<int, 8> counts{};
    bool inQuotes = false;
    for (std::size_t i = 0; i < b.size() && i < BlockSize; ++i) {
        char c = b[i];
        if (c == '"') {
            inQuotes = !inQuotes;
            continue;
        }
        for (std::size_t k = 0; k < counts.size(); ++k) {
            if (c != char(DelimiterCandidates[k].Code)) continue;
            if (c == ' ' && inQuotes) continue;
            ++counts[k];
        }
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < counts.size(); ++k)
        if (counts[k] > counts[best]) best = k;
    s.Rewind();
    return DelimiterChoice{DelimiterCandidates[best].Code, int(best)};
}

bool HasNonDigit(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9') return true;
    return false;
}

std::string StripQuotes(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '"') out += c;
    return out;
}

void AppendMemoSlotText(std::string& out, const std::string& memo) {
    const std::size_t n = memo.size();
    for (std::size_t k = 0; k < n;) {
        std::size_t special = k;
        while (special < n && memo[special] != '\t' && memo[special] != '\r' && memo[special] != '\n' &&
               memo[special] != '"')
            ++special;
        out.append(memo, k, special - k);
        if (special == n) break;
        const char c = memo[special];
        k = special + 1;
        if (c == '\t') {
            out += ' ';
        } else if (c == '"') {
            out += "''";
        } else {
            // CR LF, or a CR or LF alone: one line break, one TAB.
            out += '\t';
            if (c == '\r' && k < n && memo[k] == '\n') ++k;
        }
    }
}

std::string CleanMemoText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '\t') {
            out += ' ';
        } else if (c == '"') {
            out += "''";
        } else if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') ++k;
        } else {
            out += c;
        }
    }
    return Utf8Truncate(out, MaxMemoLength);
}

void CleanSlotInPlace(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes && text.find_first_of("\t\r\n\"") == std::string::npos) return;
    text = CleanSlotText(text, maxBytes);
}

std::string CleanSlotText(const std::string& text, std::size_t maxBytes) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t' || c == '\r' || c == '\n') out += ' ';
        else if (c == '"') out += "''";
        else out += c;
    }
    return Utf8Truncate(out, maxBytes);
}

}  // namespace fv
