// The texts of the generated search pages: as JavaScript strings inside a script element (every hostile
// text comes back whole when the string is read, and none can end the string, the line or the element,
// nor open a comment), and as HTML pieces that cannot swallow the rest of a result page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publish/script_escape.h"

namespace fv::testing {
namespace {

struct EscapeCase {
    std::string in, out, why;
};

TEST(ScriptStringTextTest, EachHostileCharacterHasItsEscape) {
    const std::vector<EscapeCase> cases = {
        {"plain words 123", "plain words 123", "ordinary text is kept"},
        {"caf\xc3\xa9 \xe2\x82\xac", "caf\xc3\xa9 \xe2\x82\xac", "UTF-8 letters are kept byte for byte"},
        {"say \"hi\"", "say \\\"hi\\\"", "a double quote would end the string"},
        {"it's", "it\\'s", "a single quote would end a single-quoted string"},
        {"a\\b", "a\\\\b", "a backslash would escape what follows"},
        {"\\", "\\\\", "a lone backslash would escape the closing quote"},
        {"</script>", "\\x3C/script\\x3E", "would end the script element"},
        {"</SCRIPT >", "\\x3C/SCRIPT \\x3E", "the end tag in capitals, too"},
        {"<script>", "\\x3Cscript\\x3E", "with <!-- before it would hide the end tag"},
        {"<!--", "\\x3C!--", "would switch the parser into its escaped script state"},
        {"-->", "--\\x3E", "closes that state"},
        {"two\r\nlines", "two\\r\\nlines", "a line break ends a string literal"},
        {"\x01\x1f\x7f", "\\x01\\x1F\\x7F", "control characters"},
        {std::string("nul\0x", 5), "nul\\x00x", "a NUL byte"},
        {"a\xe2\x80\xa8" "b\xe2\x80\xa9" "c", "a\\u2028b\\u2029c", "line terminators of older script engines"},
        {"\xe2\x80\xa7\xe2\x80\xaa", "\xe2\x80\xa7\xe2\x80\xaa", "their neighbours are ordinary letters"},
        {"\xe2\x80", "\xe2\x80", "a cut sequence at the end is kept"},
        {"", "", "empty"},
    };
    for (const EscapeCase& c : cases) EXPECT_EQ(ScriptStringText(c.in), c.out) << c.why;
}

// Reads a string literal's body back as JavaScript would (the escapes ScriptStringText writes).
std::string ReadBack(const std::string& body) {
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\') {
            out += body[i];
            continue;
        }
        const char n = body[++i];
        if (n == 'r') out += '\r';
        else if (n == 'n') out += '\n';
        else if (n == 'x') {
            out += char(std::stoi(body.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (n == 'u') {
            out += body.substr(i + 1, 4) == "2028" ? "\xe2\x80\xa8" : "\xe2\x80\xa9";
            i += 4;
        } else {
            out += n;
        }
    }
    return out;
}

TEST(ScriptStringTextTest, EveryByteComesBackAndNothingBreaksTheElement) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += char(c);
    every += "</script><!--<script>-->\xe2\x80\xa8\xe2\x80\xa9\\";
    const std::string escaped = ScriptStringText(every);
    EXPECT_EQ(ReadBack(escaped), every);
    for (char bad : {'<', '>', '\r', '\n', '\0'}) EXPECT_EQ(escaped.find(bad), std::string::npos) << int(bad);
    // Every quote stands behind a backslash of its own: none ends the string.
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\') ++i;
        else EXPECT_TRUE(escaped[i] != '"' && escaped[i] != '\'') << "bare quote at " << i;
    }
    EXPECT_EQ(escaped.find("\xe2\x80\xa8"), std::string::npos);
    EXPECT_EQ(escaped.find("\xe2\x80\xa9"), std::string::npos);
}

TEST(ContainedHTMLTest, NothingSwallowsWhatFollows) {
    const std::vector<EscapeCase> cases = {
        {"<b>bold</b> & <i>it</i>", "<b>bold</b> & <i>it</i>", "ordinary markup stays"},
        {"a <!-- note --> b", "a <!-- note --> b", "a closed comment stays"},
        {"a <!-- open", "a <!-- open-->", "an open comment is closed at the end"},
        {"<!-- x --> <!-- y", "<!-- x --> <!-- y-->", "the last one counts"},
        {"a --> b", "a --> b", "a lone comment end is text"},
        {"<script>alert(1)</script>", "&lt;script>alert(1)&lt;/script>", "no script runs, none opens"},
        {"<SCRIPT src=x>", "&lt;SCRIPT src=x>", "in capitals, with attributes"},
        {"<scripts> <scriptx", "<scripts> <scriptx", "other names are other elements"},
        {"<textarea><title><style><xmp><plaintext><iframe><noscript><noframes><noembed>",
         "&lt;textarea>&lt;title>&lt;style>&lt;xmp>&lt;plaintext>&lt;iframe>&lt;noscript>&lt;noframes>&lt;noembed>",
         "every element whose content is raw text"},
        {"<!-- <script> -->", "<!-- <script> -->", "inside a comment nothing is read as a tag"},
        {"x<script", "x&lt;script", "the tag cut at the end"},
        {"", "", "empty"},
    };
    for (const EscapeCase& c : cases) EXPECT_EQ(ContainedHTML(c.in), c.out) << c.why;
}

}  // namespace
}  // namespace fv::testing
