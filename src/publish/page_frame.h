// The blocks every published page is built from: the comment line with the publishing date, the page head
// (the standard one or the user's snippet), the table opening with the table background, the page end,
// font elements around styled texts, the alternating row colours and the cell alignment attributes. The
// page writers append these to the text of a page, which is then written whole.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "records/database_state.h"

namespace fv {

struct Program;
class TPublishSetupForm;

// The size attributes of one publish run, worked out once at its start.
struct PublishRunAttributes {
    std::string ButtonSize;        // ` HEIGHT="h" WIDTH="w"`, empty when either text is "(null)"
    std::string ScriptButtonSize;  // the same with a backslash before each quote, for script strings
    std::string ImageSize;         // ` HEIGHT="h" WIDTH="w" ` (trailing blank)
};
PublishRunAttributes WorkOutRunAttributes(const TPublishSetupForm& setup);

// "<!Folivex from host v2.4 (Dec/08/2026 14:03:59)>" CR LF, in local time. The month names are always
// the English ones, whatever the locale says.
std::string CommentLine(std::time_t when);

// `<FONT FACE="face" SIZE="size" COLOR="colour">`.
std::string FontOpen(const PublishFont& font);
// The font element of a text: FontOpen, the style's open tags, the text, its close tags, "</FONT>".
std::string FontElement(const PublishFont& font, std::string_view text);

// The kinds of page whose heads and feet the HTML headers and footers dialog can replace.
enum class PageKind { Index, Other };

// The page head: the kind's header snippet when its override is checked, else the standard head with
// the page background, the charset and the page header.
void AppendPageHead(std::string& page, Program& p, PageKind kind);
// The table opening with the table background; cellPadding gives the quick-view variant. On quick-view
// and detail pages a checked table header override writes its snippet instead (tableSnippets).
void AppendTableOpening(std::string& page, Program& p, const std::string& width, bool cellPadding,
                        bool tableSnippets);
// Closes the table and the page, with the kind's footer snippet when its override is checked.
void AppendPageEnd(std::string& page, Program& p, PageKind kind);

// The row colour attribute written into the TD tags of table rows, and its toggle.
struct RowColours {
    std::string Attribute = " ";
    bool Toggle = false;
    // Updates the attribute for the next row from the two alternate colour settings.
    void NextRow(const std::string& alt1, const std::string& alt2);
};

// ` ALIGN="left"` for a horizontal alignment box, or a single blank for "none"; likewise VALIGN.
std::string HorizontalAttribute(const std::string& boxText);
std::string VerticalAttribute(const std::string& boxText);

}  // namespace fv
