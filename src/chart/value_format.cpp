// Number and date formatting from masks.
#include "chart/value_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "chart/date_steps.h"

namespace fv {

namespace {

bool IsPatternChar(char c) { return c == '0' || c == '#' || c == ',' || c == '.'; }

std::string FormatSection(double value, const std::string& mask, const ChartLocaleInfo& locale) {
    std::size_t begin = 0;
    while (begin < mask.size() && !IsPatternChar(mask[begin])) ++begin;
    std::size_t end = begin;
    while (end < mask.size() && IsPatternChar(mask[end])) ++end;
    std::string prefix = mask.substr(0, begin), suffix = mask.substr(end), pattern = mask.substr(begin, end - begin);

    std::size_t point = pattern.find('.');
    std::string intPart = pattern.substr(0, point);
    std::string fracPart = point == std::string::npos ? "" : pattern.substr(point + 1);
    bool grouping = intPart.find(',') != std::string::npos;
    int minInt = 0, minFrac = 0, maxFrac = 0;
    for (char c : intPart) minInt += c == '0';
    for (char c : fracPart) {
        if (c == '0') ++minFrac, ++maxFrac;
        else if (c == '#') ++maxFrac;
    }
    if (pattern.empty()) return prefix + suffix;

    double magnitude = std::fabs(value);
    std::vector<char> buffer(400);
    int n = std::snprintf(buffer.data(), buffer.size(), "%.*f", maxFrac, magnitude);
    if (n < 0 || std::size_t(n) >= buffer.size()) {
        buffer.resize(std::size_t(std::max(n, 0)) + 1);
        std::snprintf(buffer.data(), buffer.size(), "%.*f", maxFrac, magnitude);
    }
    std::string digits(buffer.data());
    std::size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot), frac = dot == std::string::npos ? "" : digits.substr(dot + 1);
    while (int(frac.size()) > minFrac && frac.back() == '0') frac.pop_back();
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    while (int(whole.size()) < minInt) whole.insert(whole.begin(), '0');
    bool negative = value < 0 && (whole.find_first_not_of('0') != std::string::npos ||
                                  frac.find_first_not_of('0') != std::string::npos);
    std::string text;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouping && i > 0 && (whole.size() - i) % 3 == 0) text += locale.ThousandSeparator;
        text += whole[i];
    }
    if (!frac.empty()) {
        text += locale.DecimalSeparator;
        text += frac;
    }
    if (text.empty()) text.push_back('0');
    std::string out = negative ? "-" : "";
    out += prefix;
    out += text;
    out += suffix;
    return out;
}

}  // namespace

std::string FormatNumber(double value, const std::string& mask, const ChartLocaleInfo& locale) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    std::size_t semi = mask.find(';');
    if (semi != std::string::npos && value < 0) {
        std::string negative = mask.substr(semi + 1);
        negative = negative.substr(0, negative.find(';'));
        return FormatSection(-value, negative, locale);
    }
    return FormatSection(value, mask.substr(0, semi), locale);
}

std::string FormatDateTime(double value, const std::string& mask) {
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    static const char* const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    if (!std::isfinite(value)) return {};
    double day = std::floor(value);
    long long ms = std::llround((value - day) * 86400000.0);
    if (ms >= 86400000) day += 1, ms = 0;
    int y, mo, d;
    if (!DecodeDate(day, y, mo, d)) return {};
    int hour = int(ms / 3600000), minute = int(ms / 60000 % 60), second = int(ms / 1000 % 60);
    // Day 0 (30 December 1899) was a Saturday.
    int weekday = int(((long long)day % 7 + 7 + 6) % 7);

    auto two = [](int v) { char b[8]; std::snprintf(b, sizeof b, "%02d", v); return std::string(b); };
    std::string out;
    bool afterHour = false;
    std::string lower;
    for (char c : mask) lower += char(std::tolower((unsigned char)c));
    for (std::size_t i = 0; i < mask.size();) {
        char c = lower[i];
        std::size_t run = 1;
        while (i + run < mask.size() && lower[i + run] == c) ++run;
        if (c == '"' || c == '\'') {
            std::size_t close = mask.find(mask[i], i + 1);
            if (close == std::string::npos) close = mask.size();
            out += mask.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (lower.compare(i, 5, "am/pm") == 0) {
            out += hour < 12 ? "am" : "pm";
            i += 5;
            continue;
        }
        switch (c) {
        case 'y': out += run >= 3 ? std::to_string(y) : two(y % 100); break;
        case 'd':
            if (run >= 4) out += days[weekday];
            else if (run == 3) out += std::string(days[weekday]).substr(0, 3);
            else out += run == 2 ? two(d) : std::to_string(d);
            break;
        case 'm':
            if (afterHour && run <= 2) out += run == 2 ? two(minute) : std::to_string(minute);
            else if (run >= 4) out += months[mo - 1];
            else if (run == 3) out += std::string(months[mo - 1]).substr(0, 3);
            else out += run == 2 ? two(mo) : std::to_string(mo);
            break;
        case 'h': {
            bool twelve = lower.find("am/pm") != std::string::npos;
            int h = twelve ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            out += run >= 2 ? two(h) : std::to_string(h);
            break;
        }
        case 'n': out += run >= 2 ? two(minute) : std::to_string(minute); break;
        case 's': out += run >= 2 ? two(second) : std::to_string(second); break;
        default: out += mask.substr(i, run); break;
        }
        if (c == 'h') afterHour = true;
        else if (std::isalpha((unsigned char)c)) afterHour = false;
        i += run;
    }
    return out;
}

}  // namespace fv
