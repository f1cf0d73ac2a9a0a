// Cutting UTF-8 text on character boundaries.
#include "platform/text/utf8.h"

namespace fv {

std::string Utf8Truncate(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    // Step back over continuation bytes so the cut falls on the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0 && i + std::size_t(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char n = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((n & 0xC0) != 0x80) ok = false;
            else c = (c << 6) | (n & 0x3F);
        }
        // Overlong forms, surrogates and values past the last character are not characters.
        static constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (c < least[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += std::size_t(extra) + 1;
    }
    return out;
}

}  // namespace fv
