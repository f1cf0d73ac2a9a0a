// The database text file and the record text reader.
//
// The file: a count line, then one line per record of 26 slots (category, 20 fields, 4 image paths, memo),
// each non-empty slot in double quotes, a TAB after each of the first 25, CR LF at the end. Inside the memo
// a line break is stored as a TAB, a TAB as a space and a double quote as two single quotes (the reader
// drops double quotes); read back, the memo's TAB-separated pieces are joined with CR LF, so a memo comes
// back as the text it was, empty lines and a last line without a line break included.
//
// The reader serves the program's own file and foreign delimited text alike: lines end at a CR and values
// are separated by one delimiter character. In the program's own file double quotes are simply dropped
// (they protect nothing, and the file has always been written that way). Foreign files follow the usual
// convention of the programs that export them: a value that begins with a double quote runs to its closing
// quote, so a delimiter inside it is part of the value, and "" inside it stands for one double quote; a
// double quote anywhere else in a value is part of the value.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "records/database_state.h"
#include "records/text_stream.h"

namespace fv {

constexpr int TabDelimiter = 9;
constexpr std::size_t MaxSlotLength = 300;

// The whole database text file for the records of the table, handed to sink the count line first, then
// a record line at a time.
void DatabaseTextTo(const DatabaseState& db, const std::function<void(std::string_view)>& sink);
std::string DatabaseText(const DatabaseState& db);
// Writes the database text file through the whole-file writer: the old file stays until all is written.
bool WriteDatabaseFile(const DatabaseState& db, const std::string& path, std::string* error = nullptr);

// Reads one line of at most maxChars bytes. A CR ends the line and the byte after it is skipped; any other
// byte, LF included, is kept. The rest of an over-long line is left for the next call.
std::string ReadTextLine(TextStream& s, std::size_t maxChars);

// Field reading under one delimiter, with the end-of-record flag its callers share.
enum class QuotedValues { Dropped, Protected };

class RecordTextReader {
public:
    RecordTextReader(TextStream& s, int delimiter, QuotedValues quoted = QuotedValues::Dropped)
        : s_(s), delimiter_(static_cast<unsigned char>(delimiter)), protectQuoted_(quoted == QuotedValues::Protected) {}

    // Reads one field into `field`: its text with double quotes dropped (protected quotes: read as above),
    // then the delimiter or CR that ended it. Past maxChars kept bytes the rest is skipped up to that
    // ending byte. At the end of the stream it returns at once and leaves `field` as it was.
    void ReadQuotedField(std::string& field, std::size_t maxChars = MaxSlotLength);
    // One slot: what ReadQuotedField reads, cut at its ending byte, with EndOfRecord set when that was
    // a CR. Into a string of the caller's (emptied first, its storage reused); true when the row ended
    // with it: a CR or the end of the stream.
    bool ReadField(std::string& into, std::size_t maxChars = MaxSlotLength);
    std::string ReadSlot(std::size_t maxChars = MaxSlotLength);

    bool EndOfRecord = false;
    TextStream& Stream() { return s_; }

private:
    // The field's text into field and its ending byte (the delimiter or CR) as the answer, or -1 when the
    // stream ended first. The stream must not be at its end yet.
    int ReadText(std::string& field, std::size_t maxChars);

    // With protected quotes, a value that begins with a double quote: its text up to the closing quote
    // into field, with the stream position after that quote; the line's CR, or the stream's end, ends it
    // too (rows stay lines). Returns the ending byte when the value ended there, else 0.
    int ReadQuotedPart(std::string& field, std::size_t maxChars, std::size_t& p);

    TextStream& s_;
    unsigned char delimiter_;  // compared as an unsigned byte, so codes 128 to 255 work too
    bool protectQuoted_;
};

// Reads the count line: true when the file is in the program's own format (a first line of digits only;
// "0" is an empty database), with the count.
bool ReadCountLine(TextStream& s, std::int32_t& count);

// Number of CR bytes in the stream; the stream is left at its start.
int CountLines(TextStream& s);
// Columns of the first data line under the delimiter code: delimiters up to the first CR, plus one.
// With skipFirstLine the bytes up to and including the first LF are skipped first. Left at its start.
int CountColumns(TextStream& s, int delimiterCode, bool skipFirstLine);

// The most frequent of the eight delimiter candidates in the first 4096 bytes (TAB on a tie or when there
// is none; spaces inside double quotes are not counted): its character code and its index in the import
// wizard's delimiter list. Left at its start.
struct DelimiterChoice {
    int Code = 9;
    int ComboIndex = 0;
};
DelimiterChoice DelimiterGuess(TextStream& s);

// The eight candidates, in their order of precedence: code and the delimiter list's entry text.
struct DelimiterCandidate {
    int Code;
    const char* Name;
};
extern const DelimiterCandidate DelimiterCandidates[8];

bool HasNonDigit(const std::string& text);
std::string StripQuotes(const std::string& text);

// Makes a text safe to store in one slot of the file: TAB, CR and LF become spaces and a double quote
// becomes two single quotes, then the text is held to maxBytes without cutting a UTF-8 character.
std::string CleanSlotText(const std::string& text, std::size_t maxBytes = MaxSlotLength);
// The same in place, for values that as a rule hold none of those characters.
void CleanSlotInPlace(std::string& text, std::size_t maxBytes = MaxSlotLength);
// The memo as the file stores it, between its quotes: line breaks (CR LF, or a CR or LF alone) become TABs,
// a TAB a space, a double quote two single quotes.
void AppendMemoSlotText(std::string& out, const std::string& memo);
// A typed memo as it will read back: a TAB becomes a space, a double quote two single quotes, every line
// break CR LF; at most the memo's length.
std::string CleanMemoText(const std::string& text);

}  // namespace fv
