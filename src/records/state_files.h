// The two small state files: the republish-flag file beside each database (one byte per record, 1 = the
// record's pages must be written again) and the last-use file "qlxlast.cfg" in the start directory
// (which database was open, the browser choice and the sizes of the resizable windows).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "records/database_state.h"

namespace fv {

constexpr const char* LastUseFileName = "qlxlast.cfg";
constexpr const char* NullText = "(null)";

// Exactly RecordCount bytes, record 1 first.
std::string RepublishBytes(const DatabaseState& db);
// Applies a republish-flag file to the loaded records: byte k marks record k+1 (any non-zero byte is 1).
// Records the file does not reach, and every record when there is no file, are marked for publishing.
void ApplyRepublishBytes(DatabaseState& db, const std::optional<std::string>& bytes);

struct LastUse {
    std::string DatabaseDirectory;
    std::string DatabaseFileName;
    std::string BrowserDirectory;
    std::string BrowserProgram;  // full path of the chosen browser; empty for none
    // Width and height of: HTML form, import wizard, language form, main form, chart window, and on the
    // chart window its chart, MainPanel, RozizAView, Panel1, Panel2 and ChartScrollBar1.
    std::array<int, 22> Sizes{};
};

// The 26 lines, each ended by CR LF; an empty text is written "(null)".
std::string LastUseText(const LastUse& last);
// Reads the lines that are there (each at most 1000 bytes); missing lines read as empty texts and sizes
// of 0. "(null)" reads as the empty text; a size that is not a number reads as 0.
LastUse ParseLastUse(const std::string& bytes);

}  // namespace fv
