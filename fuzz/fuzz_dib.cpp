// Any header and bits handed back by a plug-in: no crash, and a picture only when the blocks hold
// every row the header promises.

#include "images/SPIBitmap.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

std::int32_t Field(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

} // namespace

// The first two bytes give the length of the header block; the rest after it are the bits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t infoSize = std::min<std::size_t>(size - 2, data[0] | data[1] << 8);
    // Copies, so that the sanitizer sees the exact ends of both blocks.
    const std::vector<std::uint8_t> info(data + 2, data + 2 + infoSize);
    const std::vector<std::uint8_t> bits(data + 2 + infoSize, data + size);

    // Large pictures only cost the time to fill them; the unit tests hold the size limits.
    if (info.size() >= 40 && Field(info, 0) >= 40 &&
        std::abs(std::int64_t{Field(info, 4)} * Field(info, 8)) > (1 << 20)) {
        return 0;
    }

    tintora::TSPIBitmap bitmap;
    bool result = false;
    bitmap.ReceiveDIB(info, bits, nullptr, result, {});
    const tintora::TPixelImage& image = bitmap.Image();
    Check(result == !image.Empty(), "a picture exactly when the receiver takes it");
    if (!result) {
        return 0;
    }
    Check(image.Width > 0 && image.Height > 0, "positive size");
    Check(image.Pixels.size() == std::size_t(image.Width) * std::size_t(image.Height),
          "pixels for the size");
    if (info.size() >= 40 && Field(info, 0) >= 40) {
        const std::int32_t height = Field(info, 8);
        Check(Field(info, 4) == image.Width, "the header's width");
        Check((height < 0 ? -std::int64_t{height} : height) == image.Height, "the header's height");
        const std::uint16_t bitCount = static_cast<std::uint16_t>(info[14] | info[15] << 8);
        const std::int32_t compression = Field(info, 16);
        const std::uint64_t stride = (std::uint64_t(image.Width) * bitCount + 31) / 32 * 4;
        Check(compression == 1 || compression == 2 ||
                  stride * std::uint64_t(image.Height) <= bits.size(),
              "rows within the bits");
    }
    return 0;
}
