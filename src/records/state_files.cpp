// Republish-flag and last-use files.
#include "records/state_files.h"

#include "platform/text/numbers.h"
#include "records/record_text.h"

namespace fv {

std::string RepublishBytes(const DatabaseState& db) {
    std::string out;
    out.reserve(std::size_t(db.RecordCount));
    for (int i = 0; i < db.RecordCount; ++i) out += char(db.RecordTable[std::size_t(i)].NeedsPublishing);
    return out;
}

void ApplyRepublishBytes(DatabaseState& db, const std::optional<std::string>& bytes) {
    for (int i = 0; i < db.RecordCount; ++i) {
        std::size_t k = std::size_t(i);
        bool inFile = bytes && k < bytes->size();
        // A record the file does not cover has no proof it was published: publish it.
        db.RecordTable[k].NeedsPublishing = inFile ? ((*bytes)[k] != 0 ? 1 : 0) : 1;
    }
}

std::string LastUseText(const LastUse& last) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text.empty() || text.size() >= LastUseLineLimit ? std::string(NullText) : text;
        out += "\r\n";
    };
    line(last.DatabaseDirectory);
    line(last.DatabaseFileName);
    line(last.BrowserDirectory);
    line(last.BrowserProgram);
    for (int v : last.Sizes) out += std::to_string(v) + "\r\n";
    return out;
}

LastUse ParseLastUse(const std::string& bytes) {
    TextStream s(bytes);
    auto text = [&s] {
        std::string t = ReadTextLine(s, LastUseLineLimit);
        return t == NullText ? std::string() : t;
    };
    LastUse last;
    last.DatabaseDirectory = text();
    last.DatabaseFileName = text();
    last.BrowserDirectory = text();
    last.BrowserProgram = text();
    for (int& v : last.Sizes) v = LeadingInteger(ReadTextLine(s, LastUseLineLimit));
    return last;
}

}  // namespace fv
