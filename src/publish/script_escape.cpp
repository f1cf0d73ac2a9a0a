#include "publish/script_escape.h"

#include <array>
#include <cctype>

namespace fv {

namespace {

constexpr std::array<std::string_view, 10> RawTextElements = {"script",  "style",   "textarea", "title",   "xmp",
                                                              "plaintext", "iframe", "noembed",  "noframes", "noscript"};

bool StartsRawTextTag(std::string_view html, std::size_t lt) {
    std::size_t i = lt + 1;
    if (i < html.size() && html[i] == '/') ++i;
    for (std::string_view name : RawTextElements) {
        if (html.size() - i < name.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(html[i + k])) == name[k];
        if (!same) continue;
        // The name must end there: "<scripts" is no script tag, "<script>", "<script " and "<script/" are.
        const std::size_t after = i + name.size();
        if (after == html.size()) return true;
        const char c = html[after];
        if (c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') return true;
    }
    return false;
}

}  // namespace

std::string ScriptStringText(std::string_view text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '\\': out += "\\\\"; continue;
        case '"': out += "\\\""; continue;
        case '\'': out += "\\'"; continue;
        case '<': out += "\\x3C"; continue;
        case '>': out += "\\x3E"; continue;
        case '\r': out += "\\r"; continue;
        case '\n': out += "\\n"; continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
            continue;
        }
        if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
            (static_cast<unsigned char>(text[i + 2]) == 0xA8 || static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
            i += 2;
            continue;
        }
        out += char(c);
    }
    return out;
}

std::string ContainedHTML(std::string_view html) {
    std::string out;
    out.reserve(html.size() + 8);
    bool inComment = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (inComment) {
            if (html.compare(i, 3, "-->") == 0) {
                out += "-->";
                i += 2;
                inComment = false;
            } else {
                out += html[i];
            }
            continue;
        }
        if (html.compare(i, 4, "<!--") == 0) {
            out += "<!--";
            i += 3;
            inComment = true;
            continue;
        }
        if (html[i] == '<' && StartsRawTextTag(html, i)) {
            out += "&lt;";
            continue;
        }
        out += html[i];
    }
    if (inComment) out += "-->";
    return out;
}

const char* const ContainedHTMLScript =
    "function ContainedHTML(s)\r\n{\r\n"
    "  var out=\"\"; var i=0;\r\n"
    "  while (i<s.length) {\r\n"
    "    var c=s.indexOf(\"\\x3C!--\", i);\r\n"
    "    var part=(c==-1) ? s.substring(i) : s.substring(i, c);\r\n"
    "    out+=part.replace(/\\x3C(\\/?(script|style|textarea|title|xmp|plaintext|iframe|noembed|noframes|noscript)"
    "([\\s\\/\\x3E]|$))/gi, \"&lt;$1\");\r\n"
    "    if (c==-1) break;\r\n"
    "    var e=s.indexOf(\"--\\x3E\", c+4);\r\n"
    "    if (e==-1) { out+=s.substring(c)+\"--\\x3E\"; break; }\r\n"
    "    out+=s.substring(c, e+3); i=e+3;\r\n"
    "  }\r\n"
    "  return out;\r\n"
    "}\r\n\r\n";

}  // namespace fv
