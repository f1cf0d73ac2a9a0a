// The leading-integer rule and the digit readers.
#include "platform/text/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fv {

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) return std::int32_t(-value);
    return std::int32_t(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

namespace {

template <class T> bool ReadWhole(const std::string& text, T& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    T v{};
    auto [end, error] = std::from_chars(first, last, v);
    if (first == last || error != std::errc() || end != last) return false;
    value = v;
    return true;
}

}  // namespace

bool ReadWholeNumber(const std::string& text, int& value) { return ReadWhole(text, value); }

bool ReadWholeNumber(const std::string& text, double& value) {
    double v = 0;
    if (!ReadWhole(text, v) || !std::isfinite(v)) return false;
    value = v;
    return true;
}

namespace {

double DigitsValue(const std::string& text, double none) {
    std::string digits;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == '.') {
            if (digits.size() >= 300) break;
            digits += c;
        }
    }
    if (digits.empty()) return none;
    double value = 0;
    // from_chars stops at the first character that cannot continue the number ("1.2.3" reads 1.2)
    // and reads nothing from a lone point, which leaves 0.
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

double DigitsToNumber(const std::string& text) { return DigitsValue(text, 0); }

double DigitsToSortNumber(const std::string& text) { return DigitsValue(text, -99999); }

}  // namespace fv
