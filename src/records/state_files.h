// The two small state files: the republish-flag file beside each database (one byte per record, 1 = the
// record's pages must be written again) and the last-use file "qlxlast.cfg" in the start directory
// (which database was open, the browser choice and the sizes of the resizable windows).
#pragma once

#include <array>
#include <cstddef>
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

// The longest line the last-use reader takes; the rest of a longer line becomes the next line.
constexpr std::size_t LastUseLineLimit = 1000;

// The 26 lines, each ended by CR LF; an empty text is written "(null)". A text of LastUseLineLimit bytes
// or more is written "(null)" too: the reader could not take it back whole, and its line end would be
// read as a line of its own, moving every later line (a path that long is forgotten, not cut).
std::string LastUseText(const LastUse& last);
// Reads the lines that are there (each at most LastUseLineLimit bytes); missing lines read as empty texts
// and sizes of 0. "(null)" reads as the empty text; a size that is not a number reads as 0.
LastUse ParseLastUse(const std::string& bytes);

}  // namespace fv
