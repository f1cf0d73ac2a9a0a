// UTF-8 in byte-counted places: text is std::string holding UTF-8, and a length limit counts bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fv {

// The text cut to at most maxBytes bytes, never inside a UTF-8 sequence: a character that does not fit
// whole is left out.
std::string Utf8Truncate(const std::string& text, std::size_t maxBytes);

// The character whose sequence starts at byte `at` of the text, and the sequence's length in bytes; 0 when
// no well-formed sequence starts there (a stray or missing continuation byte, an overlong form, a
// surrogate, a value past U+10FFFF, or the end of the text).
std::size_t DecodeUtf8Char(std::string_view text, std::size_t at, char32_t& c);

// The characters of a UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace fv
