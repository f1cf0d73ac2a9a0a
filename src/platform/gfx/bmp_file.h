// The BMP file format of pictures saved from charts: 24 bits a pixel, bottom-up rows padded to four bytes,
// no compression, 96 dots per inch. Reading takes the uncompressed 24 and 32-bit kinds, bottom-up or
// top-down, which is what the program's own pictures are.
#pragma once

#include <string>
#include <string_view>

#include "platform/gfx/bitmap.h"

namespace fv {

// The whole file. An empty bitmap gives a valid 0 x 0 file.
std::string EncodeBmp24(const Bitmap& picture);

// The picture of a whole file, opaque. False, with `picture` untouched, for anything else: another
// kind of BMP, a header that does not hold together, or fewer bytes than the header promises.
bool DecodeBmp(std::string_view file, Bitmap& picture);

}  // namespace fv
