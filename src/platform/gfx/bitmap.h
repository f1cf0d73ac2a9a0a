// A picture in memory: 32-bit pixels, 0xAARRGGBB, row by row from the top.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace fv {

struct Bitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    Bitmap() = default;
    Bitmap(int w, int h, std::uint32_t fill = 0xFFFFFFFFu)
        : Width(w), Height(h), Pixels(std::size_t(w > 0 ? w : 0) * std::size_t(h > 0 ? h : 0), fill) {}
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

using BitmapPtr = std::shared_ptr<const Bitmap>;

}  // namespace fv
