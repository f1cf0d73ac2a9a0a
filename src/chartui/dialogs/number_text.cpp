// Reading and writing the numbers of the editor's edits.
#include "chartui/dialogs/number_text.h"

#include <charconv>
#include <stdexcept>

#include "platform/text/numbers.h"

namespace fv {

bool TryStrToFloat(const std::string& text, double& value) { return ReadWholeNumber(text, value); }

double StrToFloat(const std::string& text) {
    double v = 0;
    if (!TryStrToFloat(text, v)) throw std::invalid_argument("'" + text + "' is not a valid floating point value");
    return v;
}

int StrToInt(const std::string& text) {
    int v = 0;
    if (!ReadWholeNumber(text, v)) throw std::invalid_argument("'" + text + "' is not a valid integer value");
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
