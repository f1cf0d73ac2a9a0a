// Texts placed into the generated search pages: as a JavaScript string inside an HTML script element, and
// as HTML that one result row writes into a page it shares with other rows.
#pragma once

#include <string>
#include <string_view>

namespace fv {

// The text as it may stand between the double (or single) quotes of a JavaScript string inside an HTML
// script element, so that the string's value is the text byte for byte and nothing in it can end the
// string, the line or the script element, nor switch the HTML parser's script states:
//   backslash -> \\   "  -> \"   '  -> \'   <  -> \x3C   >  -> \x3E
//   CR -> \r   LF -> \n   other control bytes (0x00-0x1F, 0x7F) -> \xHH
//   U+2028, U+2029 (line terminators of older script engines) -> \u2028, \u2029
// Every other byte (also the bytes of UTF-8 letters) is kept.
std::string ScriptStringText(std::string_view text);

// A piece of the user's HTML (a field label shown on a result page) fit to stand among other pieces of one
// page: the markup stays, but nothing in it can swallow what follows it. A comment it opens and does not
// close is closed at its end, and the start or end tag of an element whose content the browser reads as
// raw text (script, style, textarea, title, xmp, plaintext, iframe, noembed, noframes, noscript) is shown
// as text ("<" written "&lt;").
std::string ContainedHTML(std::string_view html);

// The same rule in the browser, as a script function `ContainedHTML(s)` for the values the search script
// writes into the result page (they stay raw in its data, where they are searched).
extern const char* const ContainedHTMLScript;

}  // namespace fv
