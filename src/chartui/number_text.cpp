// Reading and writing the numbers of the editor's edits.
#include "chartui/number_text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace fv {

bool TryStrToFloat(const std::string& text, double& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    double v = 0;
    auto [end, error] = std::from_chars(first, last, v);
    if (first == last || error != std::errc() || end != last || !std::isfinite(v)) return false;
    value = v;
    return true;
}

double StrToFloat(const std::string& text) {
    double v = 0;
    if (!TryStrToFloat(text, v)) throw std::invalid_argument("'" + text + "' is not a valid floating point value");
    return v;
}

std::string FloatToStr(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string s(buffer, error == std::errc() ? end : buffer);
    if (auto e = s.find('e'); e != std::string::npos) s[e] = 'E';
    return s;
}

}  // namespace fv
