// The published search engine: the frameset, the search form page, the search script page with the record
// data and the search functions, and the result page (empty on disk; after a search the result frame
// loads the search script page with the query, which searches there and writes the result page). PublishSearchEngine (publisher.h) writes them all; the builders below return page texts.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/database_state.h"

namespace fv {

struct Program;

// Which fields the search pages carry, worked out once from the settings.
struct SearchFieldSets {
    std::vector<int> ViewItems;              // the view list items as read (any number, also outside 1..20)
    std::array<bool, FieldCount> View{};     // field n-1 is listed
    std::array<bool, FieldCount> Searched{};  // field n-1 is searched
    int ViewColumns = 0;                     // listed fields, each counted once
    int SearchedCount = 0;
    bool HasArray(int n) const { return View[std::size_t(n - 1)] || Searched[std::size_t(n - 1)]; }
};
SearchFieldSets WorkOutSearchFieldSets(const Program& p);

// The four cell alignment attributes of the result table, from the quick-view alignment boxes.
struct SearchCellAlignment {
    std::string ScriptH, ScriptV;  // quotes written \" for script strings
    std::string PlainH, PlainV;
};
SearchCellAlignment WorkOutSearchCellAlignment(const Program& p);

// A text as it may stand inside a double-quoted string of a script element (ScriptStringText,
// script_escape.h): "<" as \x3C and so on, so that no text can end the string or the element.
std::string ScriptText(std::string_view text);

// A header or footer snippet as one script string: line breaks dropped, double quotes made single quotes,
// then escaped as ScriptText.
std::string FlattenForScript(std::string_view snippet);

// The value of a record's field in the search data: escaped, "(null)" as empty, link values as an anchor.
std::string SearchEntryValue(const std::string& fieldText);

// One record on a search script page: its table entry, category position j (from 1) and position within
// its category m (from 1).
struct SearchEntry {
    int Record;
    int Category;
    int Position;
};

// The search script page of one engine (engine 0: the one engine of the whole site). step is called before
// each record with the number written so far; it returns false to stop (the page so far is returned).
struct SearchScriptInput {
    const SearchFieldSets& Fields;
    const SearchCellAlignment& Alignment;
    const std::string& ScriptButtonSize;
    const std::string& ButtonSize;
    std::time_t When;
};
bool BuildSearchScriptPage(std::string& page, Program& p, const SearchScriptInput& in,
                           const std::vector<SearchEntry>& entries, const std::function<bool(int)>& step);

// The six functions that write a result page into the document of the frame "main", where they run.
void AppendResultPageFunctions(std::string& page, Program& p, const SearchFieldSets& fields,
                               const SearchCellAlignment& alignment, const std::string& scriptButtonSize);

// "qlx_srche.htm": the result page with its head rows and no results.
std::string EmptyResultPage(Program& p, const SearchFieldSets& fields, const SearchCellAlignment& alignment,
                            std::time_t when);

// The BODY tag of the standard page head (text colours and page background), CR LF.
std::string SearchBodyTag(const Program& p);

// The charset line of the search pages, so that record texts and typed queries travel as UTF-8.
inline constexpr const char* SearchCharsetLine =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n";

}  // namespace fv
