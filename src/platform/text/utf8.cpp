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

}  // namespace fv
