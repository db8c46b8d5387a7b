#pragma once

// A decoded picture as the core keeps it: opaque pixels, row by row from the top.

#include <cstdint>
#include <vector>

namespace tintora {

struct TPixelImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Width × Height pixels, each 0xFFRRGGBB (alpha always opaque), the layout of a 32-bit
    // screen image on a little-endian machine.
    std::vector<std::uint32_t> Pixels;

    bool Empty() const { return Pixels.empty(); }
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

} // namespace tintora
