#pragma once

// The one reader of device-independent bitmaps: BMP files (a file header followed by a DIB) and
// the header and bits an import plug-in hands back. Every size in a header is checked against the
// bytes that are really there before anything is read, with arithmetic that cannot overflow.

#include "color/Color.h"
#include "images/PixelImage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tintora {

struct TDib {
    TPixelImage Image;
    std::uint16_t BitCount = 0;
    // The colour table of a 1-, 4- or 8-bit picture (its colours-used count, or 2^BitCount when
    // that is 0), as colour values; empty for deeper pictures.
    std::vector<TColor> ColorTable;
};

// The largest picture accepted, in pixels (256 MiB of 32-bit pixels).
inline constexpr std::uint64_t MaxDibPixels = std::uint64_t{1} << 26;

// `info` starts with a BITMAPCOREHEADER (12 bytes) or a BITMAPINFOHEADER (40 bytes or one of its
// longer successors), followed by the colour masks of BI_BITFIELDS when the header does not hold
// them and the colour table; `bits` holds the rows. Reads 1, 4, 8, 16, 24 and 32 bits per pixel,
// BI_RGB, BI_BITFIELDS, BI_RLE8 and BI_RLE4; rows bottom-up, or top-down for a negative height.
// Nothing when the header is not one of these, a size is zero, negative or too large, or the
// header, masks, table or rows need more bytes than `info` and `bits` hold.
//
// `adoptBits`, when given, may hand over the memory behind `bits` for a picture whose rows are
// already 32-bit pixels with the usual colour masks: it is called with the number of pixels and
// returns the block as a pixel buffer (or an empty one to decline), and the picture is then
// finished where it lies instead of copied.
using TBitsAdopter = std::function<TPixelBuffer(std::size_t pixels)>;
std::optional<TDib> DecodeDib(std::span<const std::uint8_t> info,
                              std::span<const std::uint8_t> bits,
                              const TBitsAdopter& adoptBits = nullptr);

// A BMP file image: "BM", the 14-byte file header whose bits offset locates the rows, then the DIB.
std::optional<TDib> DecodeBmpFile(std::span<const std::uint8_t> file);

} // namespace tintora
