// The leading-integer rule and numbers read from the digits of a field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/text/numbers.h"

namespace fv {
namespace {

TEST(LeadingInteger, BlanksSignThenDigitsUpToTheFirstOtherCharacter) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::string text;
        std::int32_t value;
    };
    const std::vector<Case> cases = {
        {" -12ab", -12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"  +42", 42},
        {"007", 7},
        {"12 34", 12},
        {"3.9", 3},
        {"- 5", 0},
        {"2147483647", Max},
        {"-2147483648", Min},
        {"2147483648", Max},
        {"99999999999999999999999", Max},
        {"-99999999999999999999999", Min},
    };
    for (const Case& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(DigitsToNumber, ReadsTheDigitsAndPointsOfTheTextInOrder) {
    struct Case {
        std::string text;
        double number, sortNumber;
    };
    const std::vector<Case> cases = {
        {"12.5 kg", 12.5, 12.5},
        {"1.2.3", 1.2, 1.2},
        {"-7", 7, 7},
        {"1,250", 1250, 1250},
        {"ab12cd34", 1234, 1234},
        {".", 0, 0},
        {"..5", 0, 0},
        {".5", 0.5, 0.5},
        {"$ 3.", 3, 3},
        {"", 0, -99999},
        {"n/a", 0, -99999},
        {"  - , ", 0, -99999},
        {"0", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DigitsToNumber(c.text), c.number) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(DigitsToSortNumber(c.text), c.sortNumber) << '"' << c.text << '"';
    }
    // A very long run of digits is read from its first 300 characters and stays finite.
    double big = DigitsToNumber(std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(big));
    EXPECT_GT(big, 1e298);
    EXPECT_LT(big, 1e301);
}

}  // namespace
}  // namespace fv
