// Any bytes as a BMP file (the series type pictures are read from files a user may replace): the reader
// must never crash, read past the bytes or allocate without bound, must leave the picture alone when it
// refuses, and what it accepts must be a picture of its stated size that writes and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/gfx/bmp_file.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    fv::Bitmap picture(1, 1, 0xFF123456u);
    if (!fv::DecodeBmp(file, picture)) {
        Check(picture.Width == 1 && picture.Height == 1 && picture.Pixels.at(0) == 0xFF123456u);
        return 0;
    }
    Check(picture.Width > 0 && picture.Height > 0);
    Check(picture.Pixels.size() == std::size_t(picture.Width) * std::size_t(picture.Height));
    for (std::uint32_t px : picture.Pixels) Check((px >> 24) == 0xFF);
    fv::Bitmap again;
    Check(fv::DecodeBmp(fv::EncodeBmp24(picture), again));
    Check(again.Width == picture.Width && again.Height == picture.Height && again.Pixels == picture.Pixels);
    return 0;
}
