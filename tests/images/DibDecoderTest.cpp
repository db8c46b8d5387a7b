// Reading device-independent bitmaps from BMP files and from plug-in blocks.

#include "images/DibDecoder.h"

#include "ImageTestSupport.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using test::Append;
using test::ColorTable;
using test::InfoHeader;
using test::TBytes;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

TBytes Concat(TBytes a, const TBytes& b) {
    Append(a, b);
    return a;
}

struct TGoodRow {
    const char* Name;
    TBytes Info;
    TBytes Bits;
    // Pixels of the 2 × 2 picture from the top: (0,0), (1,0), (0,1), (1,1).
    std::uint32_t Pixels[4];
};

TEST(DecodeDib, ReadsEveryDepthAndEncoding) {
    const TBytes palette = ColorTable({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    const TGoodRow rows[] = {
        // Rows are stored bottom-up unless the height is negative.
        {"24-bit bottom-up",
         InfoHeader(2, 2, 24),
         {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, /**/ 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0},
         {kBlue, kWhite, kRed, kGreen}},
        {"24-bit top-down",
         InfoHeader(2, -2, 24),
         {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, /**/ 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0},
         {kRed, kGreen, kBlue, kWhite}},
        {"32-bit, the fourth byte ignored",
         InfoHeader(2, -2, 32),
         {0, 0, 0xFF, 0, 0, 0xFF, 0, 0x12, /**/ 0xFF, 0, 0, 0x34, 0, 0, 0, 0},
         {kRed, kGreen, kBlue, kBlack}},
        {"16-bit 5-5-5",
         InfoHeader(2, -2, 16),
         {0x00, 0x7C, 0xE0, 0x03, /**/ 0x1F, 0x00, 0xFF, 0x7F},
         {kRed, kGreen, kBlue, kWhite}},
        {"16-bit 5-6-5 bit fields after the header",
         Concat(InfoHeader(2, -2, 16, 3), {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}),
         {0x00, 0xF8, 0xE0, 0x07, /**/ 0x1F, 0x00, 0xFF, 0xFF},
         {kRed, kGreen, kBlue, kWhite}},
        {"8-bit with four colours",
         Concat(InfoHeader(2, -2, 8, 0, 4), palette),
         {0, 1, 0, 0, /**/ 2, 3, 0, 0},
         {kRed, kGreen, kBlue, kWhite}},
        // A colour index beyond the table is black.
        {"4-bit, high nibble first",
         Concat(InfoHeader(2, -2, 4, 0, 4), palette),
         {0x01, 0, 0, 0, /**/ 0x29, 0, 0, 0},
         {kRed, kGreen, kBlue, kBlack}},
        {"1-bit, high bit first",
         Concat(InfoHeader(2, -2, 1, 0, 2), ColorTable({0, 0xFFFFFF})),
         {0x80, 0, 0, 0, /**/ 0x40, 0, 0, 0},
         {kWhite, kBlack, kBlack, kWhite}},
        // The absolute stretch has three pixels (the third beyond the row) and a pad byte.
        {"run-length 8: a run, end of line, an absolute stretch, end",
         Concat(InfoHeader(2, 2, 8, 1, 4), palette),
         {2, 2, 0, 0, 0, 3, 0, 1, 3, 0, 0, 1},
         {kRed, kGreen, kBlue, kBlue}},
        {"run-length 4: a run of two nibbles, then a move past the rest",
         Concat(InfoHeader(2, 2, 4, 2, 4), palette),
         {2, 0x30, 0, 2, 0, 1, 0, 1},
         {kBlack, kBlack, kWhite, kRed}},
        {"core header",
         {12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 24, 0},
         {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, /**/ 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0},
         {kBlue, kWhite, kRed, kGreen}},
    };
    for (const TGoodRow& row : rows) {
        const std::optional<TDib> dib = DecodeDib(row.Info, row.Bits);
        ASSERT_TRUE(dib) << row.Name;
        ASSERT_EQ(dib->Image.Width, 2) << row.Name;
        ASSERT_EQ(dib->Image.Height, 2) << row.Name;
        EXPECT_EQ(dib->Image.Pixel(0, 0), row.Pixels[0]) << row.Name;
        EXPECT_EQ(dib->Image.Pixel(1, 0), row.Pixels[1]) << row.Name;
        EXPECT_EQ(dib->Image.Pixel(0, 1), row.Pixels[2]) << row.Name;
        EXPECT_EQ(dib->Image.Pixel(1, 1), row.Pixels[3]) << row.Name;
    }
}

TBytes Truncated(TBytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

struct TBadRow {
    const char* Name;
    TBytes Info;
    std::size_t BitsSize;
};

TEST(DecodeDib, RejectsEverySizeTheBlocksCannotHold) {
    const TBadRow rows[] = {
        {"no header", {}, 64},
        {"header size between the core and the info header", InfoHeader(2, 2, 24, 0, 0, 39), 64},
        {"header longer than its block", Truncated(InfoHeader(2, 2, 24, 0, 0, 124), 60), 64},
        {"width 0", InfoHeader(0, 2, 24), 64},
        {"negative width", InfoHeader(-2, 2, 24), 64},
        {"height 0", InfoHeader(2, 0, 24), 64},
        {"height -2^31, whose absolute value overflows", InfoHeader(2, INT32_MIN, 24), 64},
        {"huge width, rows far beyond the bits", InfoHeader(INT32_MAX, 1, 24), 64},
        {"width × height overflowing 32 bits", InfoHeader(65536, 65536, 32), 64},
        {"more pixels than any background needs", InfoHeader(16384, 16384, 1), 1u << 25},
        {"bit count 0", InfoHeader(2, 2, 0), 64},
        {"bit count 7", InfoHeader(2, 2, 7), 64},
        {"unknown compression", InfoHeader(2, 2, 24, 9), 64},
        {"run-length rows top-down", Concat(InfoHeader(2, -2, 8, 1), TBytes(1024)), 64},
        {"run-length 8 on 4-bit rows", Concat(InfoHeader(2, 2, 4, 1), TBytes(64)), 64},
        {"bit fields without their masks", InfoHeader(2, 2, 16, 3), 64},
        {"more colours than the bit count has", Concat(InfoHeader(2, 2, 4, 0, 17), TBytes(68)), 64},
        {"colour table beyond the info block", Concat(InfoHeader(2, 2, 8), TBytes(64)), 64},
        {"colour count so large that 4n overflows", InfoHeader(2, 2, 24, 0, 0x40000001), 64},
        {"bits shorter than the rows", InfoHeader(3, 2, 24), 15},
    };
    for (const TBadRow& row : rows) {
        EXPECT_FALSE(DecodeDib(row.Info, TBytes(row.BitsSize, 0x11))) << row.Name;
    }
}

TEST(DecodeBmpFile, FindsTheRowsAtTheFileHeadersOffset) {
    TBytes file = {'B', 'M'};
    Append(file, 0);
    Append(file, 0);
    Append(file, 14 + 40 + 2); // two bytes of padding before the rows
    Append(file, InfoHeader(1, 1, 24));
    Append(file, {0xEE, 0xEE, 0x00, 0x00, 0xFF, 0});
    const std::optional<TDib> dib = DecodeBmpFile(file);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->Image.Pixel(0, 0), kRed);

    TBytes beyond = file;
    test::Put(beyond, 10, static_cast<std::uint32_t>(file.size() + 1));
    EXPECT_FALSE(DecodeBmpFile(beyond));
    file[0] = 'X';
    EXPECT_FALSE(DecodeBmpFile(file));
}

} // namespace
} // namespace tintora
