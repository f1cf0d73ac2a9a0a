// Existence tests, colour conversions and digit readers.
#include "records/helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

#include "platform/app/application.h"
#include "platform/fs/files.h"

namespace fv {

bool PathExists(const std::string& path) { return PathExistsOnDisk(path); }

bool FileExistsQuiet(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    // On this system a directory opens for reading too; it is still not a file.
    bool isFile = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return isFile;
}

bool FileExistsOrWarn(Application& app, const std::string& path) {
    if (FileExistsQuiet(path)) return true;
    app.Beep(BeepKind::Exclamation);
    app.ShowMessage("The File [" + path + "] has not been located.");
    return false;
}

std::int32_t LeadingInteger(const std::string& text) {
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

struct NamedColour {
    const char* Name;
    std::int32_t Number;
};

constexpr std::array<NamedColour, 16> StandardColours{{
    {"Black", 0}, {"Maroon", 0x80}, {"Green", 0x8000}, {"Olive", 0x8080},
    {"Navy", 0x800000}, {"Purple", 0x800080}, {"Teal", 0x808000}, {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF}, {"Lime", 0xFF00}, {"Yellow", 0xFFFF},
    {"Blue", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
}};

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

const std::vector<std::string>& StandardColourNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const NamedColour& c : StandardColours) list.push_back(c.Name);
        return list;
    }();
    return names;
}

std::string ColourToName(std::int32_t colour) {
    for (const NamedColour& c : StandardColours)
        if (c.Number == colour) return c.Name;
    return std::to_string(colour);
}

std::int32_t NameToColour(const std::string& text) {
    for (const NamedColour& c : StandardColours)
        if (text == c.Name) return c.Number;
    return LeadingInteger(text);
}

std::string ColourToHTML(const std::string& text) {
    std::int32_t value = LeadingInteger(text);
    if (value == 0) return text;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", value & 255, (value >> 8) & 255, (value >> 16) & 255);
    return buf;
}

double DigitsToNumber(const std::string& text) { return DigitsValue(text, 0); }

double DigitsToSortNumber(const std::string& text) { return DigitsValue(text, -99999); }

}  // namespace fv
