// The BMP file format of pictures saved from charts: 24 bits a pixel, bottom-up rows padded to four bytes,
// no compression, 96 dots per inch.
#pragma once

#include <string>

#include "platform/gfx/bitmap.h"

namespace fv {

// The whole file. An empty bitmap gives a valid 0 x 0 file.
std::string EncodeBmp24(const Bitmap& picture);

}  // namespace fv
