// Cutting, decoding and checking UTF-8 text.
#include "platform/text/utf8.h"

namespace fv {

std::string Utf8Truncate(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    // Step back over continuation bytes so the cut falls on the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

std::size_t DecodeUtf8Char(std::string_view text, std::size_t at, char32_t& c) {
    if (at >= text.size()) return 0;
    const unsigned char b = static_cast<unsigned char>(text[at]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || text.size() - at <= std::size_t(extra)) return 0;
    char32_t v = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra; ++k) {
        const unsigned char n = static_cast<unsigned char>(text[at + std::size_t(k)]);
        if ((n & 0xC0) != 0x80) return 0;
        v = (v << 6) | (n & 0x3F);
    }
    // Overlong forms, surrogates and values past the last character are not characters.
    static constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (v < least[extra] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    c = v;
    return std::size_t(extra) + 1;
}

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t n = DecodeUtf8Char(text, i, c);
        out += n ? c : U'\uFFFD';
        i += n ? n : 1;
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    char32_t c = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = DecodeUtf8Char(text, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

}  // namespace fv
