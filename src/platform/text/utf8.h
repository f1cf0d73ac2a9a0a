// UTF-8 in byte-counted places: text is std::string holding UTF-8, and a length limit counts bytes.
#pragma once

#include <cstddef>
#include <string>

namespace fv {

// The text cut to at most maxBytes bytes, never inside a UTF-8 sequence: a character that does not fit
// whole is left out.
std::string Utf8Truncate(const std::string& text, std::size_t maxBytes);

// The characters of a UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);

}  // namespace fv
