// The checks of what may be sent to a data source that is only read.
#include "platform/db/odbc_statement.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace fv {

namespace {

const char* const NothingSent = " Nothing was sent to the data source.";

// Words that only a statement which writes, or runs other statements, has outside its literals. REPLACE
// is also a text function: as a word followed by '(' it is let through.
constexpr std::array<std::string_view, 20> WritingWords = {
    "INSERT", "UPDATE", "DELETE",  "DROP",   "CREATE", "ALTER",  "TRUNCATE", "MERGE",   "UPSERT", "ATTACH",
    "DETACH", "PRAGMA", "GRANT",   "REVOKE", "EXEC",   "EXECUTE", "CALL",    "VACUUM",  "REINDEX", "INTO"};

bool WordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80; }

std::string Upper(std::string_view word) {
    std::string out(word);
    for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// One way of reading the quoting of SQL text. Dialects differ: most double a quote inside a literal, some
// also take a backslash as an escape; some quote names in square brackets, for others '[' is an operator.
struct Dialect {
    bool backslashEscapes;
    bool bracketNames;
};

struct Scan {
    std::vector<std::string> words;         // the words outside literals and comments, upper case
    std::vector<bool> parenAfter;           // per word: the next byte that is not a blank is '('
    bool secondStatement = false;           // something other than blanks and comments after a ';'
    bool anything = false;                  // something other than blanks, comments and ';'
};

Scan Read(const std::string& sql, Dialect dialect) {
    Scan scan;
    bool afterSemicolon = false;
    const std::size_t n = sql.size();
    auto skipQuoted = [&](std::size_t i, char close) {
        // i is just after the opening quote; returns the index after the closing one (or n).
        while (i < n) {
            const char c = sql[i];
            if (dialect.backslashEscapes && c == '\\' && close != ']') {
                i += 2;
                continue;
            }
            if (c == close) {
                if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                    i += 2;  // a doubled quote stands for itself
                    continue;
                }
                return i + 1;
            }
            ++i;
        }
        return n;
    };
    auto token = [&] {
        if (afterSemicolon) scan.secondStatement = true;
        scan.anything = true;
    };
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n' && sql[i] != '\r') ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const std::size_t end = sql.find("*/", i + 2);
            i = end == std::string::npos ? n : end + 2;
        } else if (std::isspace(c)) {
            ++i;
        } else if (c == ';') {
            afterSemicolon = true;
            ++i;
        } else if (c == '\'' || c == '"' || c == '`' || (c == '[' && dialect.bracketNames)) {
            token();
            i = skipQuoted(i + 1, c == '[' ? ']' : char(c));
        } else if (WordByte(c)) {
            token();
            const std::size_t start = i;
            while (i < n && WordByte(static_cast<unsigned char>(sql[i]))) ++i;
            scan.words.push_back(Upper(std::string_view(sql).substr(start, i - start)));
            std::size_t next = i;
            while (next < n && std::isspace(static_cast<unsigned char>(sql[next]))) ++next;
            scan.parenAfter.push_back(next < n && sql[next] == '(');
        } else {
            token();
            ++i;
        }
    }
    return scan;
}

std::optional<std::string> Refusal(const std::string& sql, Dialect dialect) {
    const Scan scan = Read(sql, dialect);
    if (!scan.anything) return "You must specify a Database Table to View or an SQL SELECT statement.";
    if (scan.secondStatement)
        return std::string("Only one statement can be run: the SQL SELECT statement holds a second statement "
                           "after a ';'.") +
               NothingSent;
    // Brackets are no words: "(select ...) union ..." begins with the word SELECT too.
    const std::string first = scan.words.empty() ? std::string() : scan.words.front();
    if (first != "SELECT" && first != "WITH")
        return std::string("Only a query that reads can be run: the SQL SELECT statement must begin with "
                           "SELECT or WITH.") +
               NothingSent;
    for (std::size_t k = 0; k < scan.words.size(); ++k) {
        const std::string& word = scan.words[k];
        bool writes = false;
        for (std::string_view w : WritingWords) writes = writes || word == w;
        if (word == "REPLACE" && !scan.parenAfter[k]) writes = true;
        if (writes)
            return "Only a query that reads can be run: the SQL SELECT statement holds the word \"" + word +
                   "\", which changes a data source." + NothingSent +
                   " A column of that name can be written in double quotes.";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> QueryRefusal(const std::string& sql) {
    // Refused when any of the usual readings of its quotes finds a reason: a text that one data source reads
    // as a literal may be a statement to another.
    for (Dialect d : {Dialect{false, true}, Dialect{true, false}})
        if (std::optional<std::string> reason = Refusal(sql, d)) return reason;
    return std::nullopt;
}

std::optional<std::string> TableNameRefusal(const std::string& name) {
    const std::string refusal =
        std::string("The Table Name must be the name of one table: letters, digits, '_' and '$', or a name in "
                    "double quotes or square brackets, with a schema name and a '.' before it if need be.") +
        NothingSent;
    std::size_t i = name.find_first_not_of(' ');
    std::size_t end = name.find_last_not_of(' ');
    if (i == std::string::npos) return refusal;
    ++end;
    for (;;) {
        // One part of the name: plain, or quoted without its closing quote inside.
        if (i >= end) return refusal;
        const char c = name[i];
        if (c == '"' || c == '[' || c == '`') {
            const char close = c == '[' ? ']' : c;
            const std::size_t q = name.find(close, i + 1);
            if (q == std::string::npos || q >= end || q == i + 1) return refusal;
            i = q + 1;
        } else {
            const std::size_t start = i;
            while (i < end && WordByte(static_cast<unsigned char>(name[i]))) ++i;
            if (i == start) return refusal;
        }
        if (i == end) return std::nullopt;
        if (name[i] != '.') return refusal;
        ++i;
    }
}

}  // namespace fv
