// Cutting UTF-8 text to a number of bytes, decoding it and checking it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/utf8.h"

namespace fv {
namespace {

TEST(Utf8Truncate, CutsToTheByteLimitButNeverInsideACharacter) {
    const std::string eAcute = "\xC3\xA9";        // two bytes
    const std::string euro = "\xE2\x82\xAC";      // three bytes
    const std::string clef = "\xF0\x9D\x84\x9E";  // four bytes
    struct Case {
        std::string text;
        std::size_t maxBytes;
        std::string cut;
    };
    const std::vector<Case> cases = {
        {"abc", 3, "abc"},
        {"abc", 10, "abc"},
        {"abcdef", 4, "abcd"},
        {"abc", 0, ""},
        {"", 5, ""},
        {"a" + eAcute, 2, "a"},           // the second byte of the character would be cut off
        {"a" + eAcute, 3, "a" + eAcute},
        {euro + euro, 5, euro},
        {euro + euro, 4, euro},
        {clef + "x", 3, ""},              // nothing of a character that does not fit whole
        {clef + "x", 4, clef},
        {eAcute + "b" + euro, 4, eAcute + "b"},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8Truncate(c.text, c.maxBytes), c.cut) << c.text << " / " << c.maxBytes;
}

// One case per way a byte sequence is or is not a character, read by the decoder of whole texts and by
// the check of stored texts alike.
TEST(Utf8Decode, ReadsWellFormedSequencesAndRefusesEveryMalformedOne) {
    struct Case {
        std::string text;
        std::u32string decoded;
        bool valid;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"", U"", true, "nothing to read"},
        {"az", U"az", true, "plain ASCII"},
        {"\xC3\xA9", U"\u00E9", true, "two bytes"},
        {"\xE2\x82\xAC", U"\u20AC", true, "three bytes"},
        {"\xF0\x9D\x84\x9E", U"\U0001D11E", true, "four bytes"},
        {"\xF4\x8F\xBF\xBF", U"\U0010FFFF", true, "the last character there is"},
        {"a\x80" "b", U"a\uFFFDb", false, "a continuation byte with no start"},
        {"\xC3", U"\uFFFD", false, "a sequence cut short by the end of the text"},
        {"\xC3(", U"\uFFFD(", false, "a start byte followed by no continuation"},
        {"\xC0\xAF", U"\uFFFD\uFFFD", false, "an overlong '/': each byte becomes one replacement"},
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD", false, "a surrogate is no character"},
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD", false, "past U+10FFFF"},
        {"\xFF", U"\uFFFD", false, "a byte that starts nothing"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.text), c.decoded) << c.reason;
        EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.reason;
    }
}

}  // namespace
}  // namespace fv
