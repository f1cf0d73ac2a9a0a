// Writing 24-bit BMP files.
#include "platform/gfx/bmp_file.h"

#include <cstdint>
#include <stdexcept>

namespace fv {

namespace {

void Put16(std::string& out, unsigned v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string EncodeBmp24(const Bitmap& picture) {
    const std::uint64_t w = picture.Empty() ? 0 : std::uint64_t(picture.Width);
    const std::uint64_t h = picture.Empty() ? 0 : std::uint64_t(picture.Height);
    const std::uint64_t stride = (w * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = stride * h;
    // The sizes are 32-bit fields: a picture too large for them cannot be a BMP file.
    if (imageSize > 0xFFFFFFFFull - 54) throw std::length_error("picture too large for a BMP file");
    std::string out;
    out.reserve(std::size_t(54 + imageSize));
    out += "BM";
    Put32(out, std::uint32_t(54 + imageSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);  // BITMAPINFOHEADER
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(h));  // positive: rows from the bottom up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // no compression
    Put32(out, std::uint32_t(imageSize));
    Put32(out, 3780);  // 96 dots per inch in dots per metre
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (std::uint64_t row = h; row-- > 0;) {
        const std::uint32_t* px = picture.Pixels.data() + row * w;
        for (std::uint64_t x = 0; x < w; ++x) {
            out += char(px[x] & 0xFF);          // blue
            out += char((px[x] >> 8) & 0xFF);   // green
            out += char((px[x] >> 16) & 0xFF);  // red
        }
        out.append(std::size_t(stride - w * 3), '\0');
    }
    return out;
}

}  // namespace fv
