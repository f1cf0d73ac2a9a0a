// Writing 24-bit BMP files and reading the uncompressed kinds.
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

std::uint32_t Get16(std::string_view in, std::size_t at) {
    return std::uint32_t(std::uint8_t(in[at])) | std::uint32_t(std::uint8_t(in[at + 1])) << 8;
}
std::uint32_t Get32(std::string_view in, std::size_t at) { return Get16(in, at) | Get16(in, at + 2) << 16; }

// Larger pictures are refused rather than allocated: no picture of the program comes near it.
constexpr std::int64_t MaxSide = 1 << 14;

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

bool DecodeBmp(std::string_view file, Bitmap& picture) {
    constexpr std::size_t FileHeader = 14;
    if (file.size() < FileHeader + 40 || file.substr(0, 2) != "BM") return false;
    const std::uint32_t offset = Get32(file, 10);
    const std::uint32_t infoSize = Get32(file, 14);
    if (infoSize < 40 || infoSize > file.size() - FileHeader) return false;
    const std::int64_t w = std::int32_t(Get32(file, 18));
    const std::int64_t h = std::int32_t(Get32(file, 22));
    const std::uint32_t planes = Get16(file, 26), bits = Get16(file, 28), compression = Get32(file, 30);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0) return false;
    const bool topDown = h < 0;
    const std::int64_t rows = topDown ? -h : h;
    if (w <= 0 || rows <= 0 || w > MaxSide || rows > MaxSide) return false;
    const std::uint64_t bytesPerPixel = bits / 8;
    const std::uint64_t stride = (std::uint64_t(w) * bytesPerPixel + 3) / 4 * 4;
    if (offset < FileHeader + infoSize || offset > file.size() || file.size() - offset < stride * std::uint64_t(rows))
        return false;
    Bitmap out(static_cast<int>(w), static_cast<int>(rows));
    for (std::int64_t y = 0; y < rows; ++y) {
        const std::size_t line = offset + std::size_t(topDown ? y : rows - 1 - y) * std::size_t(stride);
        std::uint32_t* px = out.Pixels.data() + std::size_t(y) * std::size_t(w);
        for (std::int64_t x = 0; x < w; ++x) {
            const std::size_t at = line + std::size_t(x) * std::size_t(bytesPerPixel);
            const std::uint32_t b = std::uint8_t(file[at]), g = std::uint8_t(file[at + 1]);
            const std::uint32_t r = std::uint8_t(file[at + 2]);
            px[x] = 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
    picture = std::move(out);
    return true;
}

}  // namespace fv
