#include "images/DibDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

namespace tintora {

namespace {

using TBytes = std::span<const std::uint8_t>;

constexpr std::uint32_t kOpaque = 0xFF000000u;

enum : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiAlphaBitfields = 6,
};

constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;

// Whether `length` bytes from `offset` lie inside `bytes`; never overflows.
bool Fits(TBytes bytes, std::uint64_t offset, std::uint64_t length) {
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

std::uint16_t ReadU16(TBytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t ReadU32(TBytes bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::int32_t ReadI32(TBytes bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

struct THeader {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    bool TopDown = false;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = kBiRgb;
    std::uint32_t Masks[3] = {};
    std::size_t TableOffset = 0;
    std::size_t EntrySize = 4;
    std::uint32_t Colors = 0;
};

bool ReadCoreHeader(TBytes info, THeader& header) {
    if (!Fits(info, 0, kCoreHeaderSize)) {
        return false;
    }
    header.Width = ReadU16(info, 4);
    header.Height = ReadU16(info, 6);
    header.BitCount = ReadU16(info, 10);
    header.TableOffset = kCoreHeaderSize;
    header.EntrySize = 3;
    return true;
}

bool ReadInfoHeader(TBytes info, std::uint32_t size, THeader& header) {
    if (!Fits(info, 0, size)) {
        return false;
    }
    const std::int32_t width = ReadI32(info, 4);
    const std::int32_t height = ReadI32(info, 8);
    // The absolute value of the smallest height does not exist.
    if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
        return false;
    }
    header.Width = static_cast<std::uint32_t>(width);
    header.TopDown = height < 0;
    header.Height = static_cast<std::uint32_t>(header.TopDown ? -height : height);
    header.BitCount = ReadU16(info, 14);
    header.Compression = ReadU32(info, 16);
    header.Colors = ReadU32(info, 32);
    header.TableOffset = size;
    if (header.Compression == kBiBitfields || header.Compression == kBiAlphaBitfields) {
        // Longer headers hold the masks; after the 40-byte one they follow it.
        if (size < kInfoHeaderSize + 12) {
            const std::size_t maskBytes = header.Compression == kBiAlphaBitfields ? 16 : 12;
            if (!Fits(info, kInfoHeaderSize, maskBytes)) {
                return false;
            }
            header.TableOffset = kInfoHeaderSize + maskBytes;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            header.Masks[i] = ReadU32(info, kInfoHeaderSize + 4 * i);
        }
    }
    return true;
}

bool KnownEncoding(const THeader& header) {
    switch (header.Compression) {
    case kBiRgb:
        return header.BitCount == 1 || header.BitCount == 4 || header.BitCount == 8 ||
               header.BitCount == 16 || header.BitCount == 24 || header.BitCount == 32;
    case kBiRle8:
        return header.BitCount == 8 && !header.TopDown;
    case kBiRle4:
        return header.BitCount == 4 && !header.TopDown;
    case kBiBitfields:
    case kBiAlphaBitfields:
        return header.BitCount == 16 || header.BitCount == 32;
    default:
        return false;
    }
}

std::optional<THeader> ReadHeader(TBytes info) {
    if (!Fits(info, 0, 4)) {
        return std::nullopt;
    }
    const std::uint32_t size = ReadU32(info, 0);
    THeader header;
    const bool read = size == kCoreHeaderSize   ? ReadCoreHeader(info, header)
                      : size >= kInfoHeaderSize ? ReadInfoHeader(info, size, header)
                                                : false;
    if (!read || header.Width == 0 || header.Height == 0 || !KnownEncoding(header) ||
        std::uint64_t{header.Width} * header.Height > MaxDibPixels) {
        return std::nullopt;
    }
    if (header.BitCount <= 8) {
        const std::uint32_t entries = 1u << header.BitCount;
        if (header.Colors == 0) {
            header.Colors = entries;
        } else if (header.Colors > entries) {
            return std::nullopt;
        }
    }
    if (!Fits(info, header.TableOffset, std::uint64_t{header.Colors} * header.EntrySize)) {
        return std::nullopt;
    }
    return header;
}

std::uint64_t Stride(const THeader& header) {
    return (std::uint64_t{header.Width} * header.BitCount + 31) / 32 * 4;
}

bool RunLength(const THeader& header) {
    return header.Compression == kBiRle8 || header.Compression == kBiRle4;
}

// A colour channel of a mask: its value scaled to 0..255.
class TChannel {
public:
    explicit TChannel(std::uint32_t mask)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask >> shift_) {}

    std::uint32_t Scale(std::uint32_t value) const {
        if (max_ == 0) {
            return 0;
        }
        const std::uint64_t level = (value & mask_) >> shift_;
        return static_cast<std::uint32_t>((level * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

class TDibReader {
public:
    TDibReader(const THeader& header, TBytes info) : header_(header) {
        palette_.fill(kOpaque);
        const std::uint8_t* table = info.data() + header.TableOffset;
        for (std::uint32_t i = 0; i < header.Colors && i < palette_.size(); ++i) {
            const std::uint8_t* entry = table + std::size_t{i} * header.EntrySize;
            palette_[i] =
                kOpaque | std::uint32_t{entry[2]} << 16 | std::uint32_t{entry[1]} << 8 | entry[0];
            if (header.BitCount <= 8) {
                dib_.ColorTable.push_back(MakeColor(entry[2], entry[1], entry[0]));
            }
        }
        dib_.BitCount = header.BitCount;
        dib_.Image.Width = static_cast<std::int32_t>(header.Width);
        dib_.Image.Height = static_cast<std::int32_t>(header.Height);
    }

    std::size_t PixelCount() const { return std::size_t{header_.Width} * header_.Height; }

    // Rows that are screen pixels already, but for the alpha byte and perhaps their order.
    bool Plain32() const {
        const auto masks = RowMasks();
        return header_.BitCount == 32 && masks[0] == 0xFF0000u && masks[1] == 0xFF00u &&
               masks[2] == 0xFFu;
    }

    void Allocate() {
        dib_.Image.Pixels = TPixelBuffer::Allocate(PixelCount());
        if (RunLength(header_)) {
            std::fill_n(dib_.Image.Pixels.data(), PixelCount(), kOpaque);
        }
    }

    // Finishes 32-bit rows in their own memory: top row first, alpha opaque.
    void FinishInPlace(TPixelBuffer pixels) {
        dib_.Image.Pixels = std::move(pixels);
        if (!header_.TopDown) {
            for (std::uint32_t top = 0, bottom = header_.Height - 1; top < bottom;
                 ++top, --bottom) {
                std::swap_ranges(Row(top), Row(top) + header_.Width, Row(bottom));
            }
        }
        std::uint32_t* pixel = dib_.Image.Pixels.data();
        for (std::size_t i = 0; i < PixelCount(); ++i) {
            pixel[i] |= kOpaque;
        }
    }

    // Needs Stride(header) × height bytes of bits.
    void ReadRows(TBytes bits) {
        const std::uint64_t stride = Stride(header_);
        const auto masks = RowMasks();
        const TChannel red(masks[0]), green(masks[1]), blue(masks[2]);
        const bool plain32 = Plain32();
        for (std::uint32_t r = 0; r < header_.Height; ++r) {
            const std::uint8_t* src = bits.data() + r * stride;
            std::uint32_t* dst = Row(header_.TopDown ? r : header_.Height - 1 - r);
            if (header_.BitCount <= 8) {
                ReadIndexedRow(src, dst);
            } else if (header_.BitCount == 24) {
                for (std::uint32_t x = 0; x < header_.Width; ++x, src += 3) {
                    dst[x] =
                        kOpaque | std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
                }
            } else if (plain32) {
                std::memcpy(dst, src, std::size_t{header_.Width} * 4);
                for (std::uint32_t x = 0; x < header_.Width; ++x) {
                    dst[x] |= kOpaque;
                }
            } else {
                const std::size_t bytes = header_.BitCount / 8;
                for (std::uint32_t x = 0; x < header_.Width; ++x, src += bytes) {
                    const std::uint32_t v =
                        bytes == 2 ? std::uint32_t{ReadU16({src, 2}, 0)} : ReadU32({src, 4}, 0);
                    dst[x] = kOpaque | red.Scale(v) << 16 | green.Scale(v) << 8 | blue.Scale(v);
                }
            }
        }
    }

    // Run-length rows: runs, absolute stretches and moves, bottom-up. Pixels the data never
    // reaches stay black; data that ends early leaves the rest of the picture so.
    void ReadRunLengthRows(TBytes bits) {
        const bool rle4 = header_.Compression == kBiRle4;
        std::uint32_t x = 0, y = 0;
        std::size_t pos = 0;
        while (pos + 2 <= bits.size() && y < header_.Height) {
            const std::uint8_t count = bits[pos];
            const std::uint8_t value = bits[pos + 1];
            pos += 2;
            if (count > 0) {
                for (std::uint32_t i = 0; i < count; ++i, ++x) {
                    Put(x, y, rle4 ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
                }
            } else if (value == 0) {
                x = 0;
                ++y;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                if (pos + 2 > bits.size()) {
                    return;
                }
                x += bits[pos];
                y += bits[pos + 1];
                pos += 2;
            } else {
                const std::size_t bytes = rle4 ? (value + 1u) / 2 : value;
                if (!Fits(bits, pos, bytes)) {
                    return;
                }
                for (std::uint32_t i = 0; i < value; ++i, ++x) {
                    const std::uint8_t b = bits[pos + (rle4 ? i / 2 : i)];
                    Put(x, y, rle4 ? (i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
                }
                pos += (bytes + 1) & ~std::size_t{1};
            }
        }
    }

    TDib Take() { return std::move(dib_); }

private:
    std::uint32_t* Row(std::uint32_t y) {
        return dib_.Image.Pixels.data() + std::size_t{y} * header_.Width;
    }

    void Put(std::uint32_t x, std::uint32_t yFromBottom, unsigned index) {
        if (x < header_.Width && yFromBottom < header_.Height) {
            Row(header_.Height - 1 - yFromBottom)[x] = palette_[index];
        }
    }

    void ReadIndexedRow(const std::uint8_t* src, std::uint32_t* dst) const {
        const unsigned bitCount = header_.BitCount;
        const unsigned perByte = 8 / bitCount;
        const unsigned mask = (1u << bitCount) - 1;
        for (std::uint32_t x = 0; x < header_.Width; ++x) {
            const unsigned shift = 8 - bitCount * (x % perByte + 1);
            dst[x] = palette_[(src[x / perByte] >> shift) & mask];
        }
    }

    std::array<std::uint32_t, 3> RowMasks() const {
        if (header_.Compression == kBiBitfields || header_.Compression == kBiAlphaBitfields) {
            return {header_.Masks[0], header_.Masks[1], header_.Masks[2]};
        }
        if (header_.BitCount == 16) {
            return {0x7C00u, 0x03E0u, 0x001Fu};
        }
        return {0xFF0000u, 0xFF00u, 0xFFu};
    }

    THeader header_;
    std::array<std::uint32_t, 256> palette_;
    TDib dib_;
};

} // namespace

std::optional<TDib> DecodeDib(TBytes info, TBytes bits, const TBitsAdopter& adoptBits) {
    const std::optional<THeader> header = ReadHeader(info);
    if (!header) {
        return std::nullopt;
    }
    if (!RunLength(*header) && !Fits(bits, 0, Stride(*header) * header->Height)) {
        return std::nullopt;
    }
    TDibReader reader(*header, info);
    if (adoptBits && reader.Plain32()) {
        TPixelBuffer pixels = adoptBits(reader.PixelCount());
        if (!pixels.empty()) {
            reader.FinishInPlace(std::move(pixels));
            return reader.Take();
        }
    }
    reader.Allocate();
    if (RunLength(*header)) {
        reader.ReadRunLengthRows(bits);
    } else {
        reader.ReadRows(bits);
    }
    return reader.Take();
}

std::optional<TDib> DecodeBmpFile(TBytes file) {
    if (!Fits(file, 0, kFileHeaderSize) || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t bitsOffset = ReadU32(file, 10);
    if (bitsOffset < kFileHeaderSize || bitsOffset > file.size()) {
        return std::nullopt;
    }
    return DecodeDib(file.subspan(kFileHeaderSize), file.subspan(bitsOffset));
}

} // namespace tintora
