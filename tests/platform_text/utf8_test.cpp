// Cutting UTF-8 text to a number of bytes.
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

}  // namespace
}  // namespace fv
