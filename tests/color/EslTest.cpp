#include "color/Esl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tintora {
namespace {

constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

// Triples and colours as text, so that failures read as numbers.
std::string Str(std::int32_t h, std::int32_t s, std::int32_t l) {
    return std::to_string(h) + ", " + std::to_string(s) + ", " + std::to_string(l);
}
std::string Str(EslBytes e) {
    return Str(e.Hue(), e.Sat(), e.Lum());
}
template <typename Esl>
std::string Str(const Esl& e) {
    return Str(e.hue, e.sat, e.lum);
}
std::string Hex(TColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(ColorToRgbHex(c)));
    return IsColorValue(c) ? text : "not a colour value";
}

// Usable at compile time; the grey decided by the single-precision factor is worth pinning there.
static_assert(EslBytesToColor(PackEslBytes(0, 0, 120)) == RgbHexToColor(0x7F7F7F));
static_assert(ColorToFineEsl(RgbHexToColor(0xFFCC00)) == FineEsl{480, 3600, 1800});

TEST(ColorToEsl, Rows) {
    enum Scale { Bytes, Fine, Hsv };
    struct Row {
        const char* name;
        std::uint32_t rrggbb;
        Scale scale;
        std::string esl;
    };
    const Row rows[] = {
        {"red", 0xFF0000, Bytes, "0, 240, 120"},
        {"lime", 0x00FF00, Bytes, "80, 240, 120"},
        {"blue", 0x0000FF, Bytes, "160, 240, 120"},
        {"white", 0xFFFFFF, Bytes, "0, 0, 240"},
        {"black", 0x000000, Bytes, "0, 0, 0"},
        {"grey", 0x808080, Bytes, "0, 0, 120"},
        {"ffcc00", 0xFFCC00, Bytes, "32, 240, 120"},
        {"ffcc00", 0xFFCC00, Fine, "480, 3600, 1800"},
        {"ffcc00", 0xFFCC00, Hsv, "48, 360, 50"},
        {"sat 6 * 240 / 64 = 22.5 to even", 0x231D1D, Bytes, "0, 22, 30"},
        {"hue 5 * 40 / 16 = 12.5 to even", 0x100500, Bytes, "12, 240, 8"},
        {"hue 5 * 600 / 16 = 187.5 to even", 0x100500, Fine, "188, 3600, 113"},
        {"hue rounds up to the turn and wraps", 0xFF0001, Bytes, "0, 240, 120"},
        {"hue rounds up to the turn and wraps", 0xFF0001, Hsv, "0, 360, 50"},
        {"hue 3597.6 stays short of the turn", 0xFF0001, Fine, "3598, 3600, 1800"},
        // 40 + 31 * 40 / 80 = 55.5 exactly; 1 - 49/80 in floating point lands below the half.
        {"falling sixth half is exact", 0x315000, Bytes, "56, 240, 38"},
        // max + min = 254 rounds to the middle luminance, which picks the divisor 510 - 254.
        {"rounded luminance picks the divisor", 0xFE0000, Bytes, "0, 238, 120"},
    };
    for (const Row& row : rows) {
        const TColor c = RgbHexToColor(row.rrggbb);
        const std::string got = row.scale == Bytes  ? Str(ColorToEslBytes(c))
                                : row.scale == Fine ? Str(ColorToFineEsl(c))
                                                    : Str(ColorToHsvEsl(c));
        EXPECT_EQ(got, row.esl) << row.name;
    }
    EXPECT_EQ(ColorToEsl(RgbHexToColor(0x00FF00), 6, 100, 10), (EslTriple{2, 100, 5}));
    EXPECT_EQ(ColorToEsl(RgbHexToColor(0x00FF00), 5, 100, 10).hue, 0); // no sixths, no crash
    EXPECT_EQ(ColorToFineEsl(clNone), ColorToFineEsl(clWhite));        // bits 24-31 ignored
}

TEST(EslToColor, Rows) {
    struct Row {
        const char* name;
        EslBytes esl;
        const char* rrggbb;
    };
    const Row rows[] = {
        {"yellow", PackEslBytes(40, 240, 120), "FFFF00"},
        {"last hue before red", PackEslBytes(239, 240, 120), "FF0006"},
        {"grey: 3600 * float(1800 * 255 / 3600^2) = 127.4999", PackEslBytes(0, 0, 120), "7F7F7F"},
        {"white", PackEslBytes(0, 0, 240), "FFFFFF"},
        {"hue of a full turn is black", PackEslBytes(240, 240, 120), "000000"},
        // Not EslBytes values, but a stored one must still give a colour value.
        {"saturation byte above 240", PackEslBytes(0, 255, 120), "FF0000"},
        {"luminance byte above 240", PackEslBytes(0, 0, 255), "FFFFFF"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Hex(EslBytesToColor(row.esl)), row.rrggbb) << row.name;
    }
    EXPECT_EQ(Hex(FineEslToColor({300, 3600, 1800})), "FF8000"); // step 127.5 -> 128
    EXPECT_EQ(Hex(FineEslToColor({900, 3600, 1800})), "7FFF00"); // falling: 255 - 128
    EXPECT_EQ(Hex(FineEslToColor({3599, 3600, 1800})), "FF0000");
    for (const FineEsl outside : {FineEsl{3600, 3600, 1800}, FineEsl{-1, 3600, 1800},
                                  FineEsl{std::numeric_limits<std::int32_t>::min(), 0, 3600}}) {
        EXPECT_EQ(FineEslToColor(outside), clBlack) << Str(outside);
    }
    // Levels past the ends would give channels outside 0..255, spilling into the next channel.
    EXPECT_EQ(FineEslToColor({0, 9000, 1800}), FineEslToColor({0, 3600, 1800}));
    EXPECT_EQ(FineEslToColor({0, 3600, -4000}), clBlack);
}

// The channel range is computed in fixed point; this is the formula as written, in floating point
// with the two float factors. They must agree for every saturation and luminance.
TEST(EslChannelRange, AgreesWithFloatingPointFormulaEverywhere) {
    // Exact values 8.5 and 8.5, on which the factors for 90 and for the light side, both above
    // the exact quotient, decide (the one for 1800 lies below: the 7f7f7f grey).
    EXPECT_EQ(EslChannelRange(1200, 90), (EslChannelLevels{4, 9}));
    EXPECT_EQ(EslChannelRange(3600, 1860), (EslChannelLevels{9, 255}));
#if defined(__OPTIMIZE__)
    constexpr std::int32_t satStride = 1;
#else
    constexpr std::int32_t satStride = 7; // unoptimised sanitizer builds
#endif
    const double light = static_cast<float>(255.0 / 12960000.0);
    for (std::int32_t lum = 0; lum <= 3600; ++lum) {
        const double dark = static_cast<float>(lum * 255 / 12960000.0);
        for (std::int32_t sat = 0; sat <= 3600; sat += satStride) {
            const double lo =
                lum <= 1800 ? (3600 - sat) * dark : ((lum - sat) * 3600 + sat * lum) * light;
            const double hi =
                lum <= 1800 ? (3600 + sat) * dark : ((lum + sat) * 3600 - sat * lum) * light;
            const EslChannelLevels got = EslChannelRange(sat, lum);
            ASSERT_TRUE(got.lo == std::nearbyint(lo) && got.hi == std::nearbyint(hi))
                << "sat " << sat << " lum " << lum;
        }
    }
}

TEST(EslScales, ConversionsBetweenScales) {
    EXPECT_EQ(Str(FineToEslBytes({0, 3600, 3600})), "0, 240, 240");
    EXPECT_EQ(Str(FineToEslBytes({7, 7, 8})), "0, 0, 1");
    EXPECT_EQ(FineToEslBytes({3592, 0, 0}).Hue(), 239);
    // The last half step rounds up to the full turn: that is red again, not 240 (black).
    EXPECT_EQ(FineToEslBytes({3593, 0, 0}).Hue(), 0);
    EXPECT_EQ(Str(FineToHsvEsl({3595, 3600, 3600})), "0, 360, 100");
    EXPECT_EQ(Str(FineToHsvEsl({3594, 4, 18})), "359, 0, 1");
    // Out of range: a hue past the turn stays past it, and no component spills into the next.
    EXPECT_EQ(FineToEslBytes({3600, 0, 0}).Hue(), 240);
    EXPECT_EQ(Str(FineToEslBytes({99999, -5, 4000})), "255, 0, 255");
    EXPECT_EQ(Str(FineToHsvEsl({Max32, -1, -36})), "214748365, 0, 0");

    EXPECT_EQ(Str(EslBytesToFine(PackEslBytes(239, 240, 1))), "3585, 3600, 15");
    EXPECT_EQ(Str(HsvEslToFine({359, 360, 100})), "3590, 3600, 3600");
    // Products past the 32-bit range hold at its ends instead of overflowing.
    EXPECT_EQ(HsvEslToFine({Max32 / 2, -Max32 / 2, 0}),
              (FineEsl{Max32, std::numeric_limits<std::int32_t>::min(), 0}));
}

// Whole sweep when optimised (under a second); unoptimised sanitizer builds take every 7th colour.
#if defined(__OPTIMIZE__)
constexpr TColor SweepStride = 1;
#else
constexpr TColor SweepStride = 7;
#endif

int ChannelDistance(TColor a, TColor b) {
    return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                     std::abs(BlueOf(a) - BlueOf(b))});
}

TEST(EslSweep, EveryColourConvertsWithinRangesAndBack) {
    // Both bounds were found by running this sweep over all 16,777,216 colour values and taking
    // the largest channel difference seen.
    // The fine scale has 3600 steps where a channel has 256 levels, so the nearest fine triple
    // always leads back to the same colour: 0, and any rounding fault shows.
    constexpr int FineBound = 0;
    // The 240 scale keeps 240 hues and 241 luminances and saturations; rounding each to the
    // nearest unit moves the colour by up to 4 levels on one channel (first at fe0a00, which comes
    // back as fe0e01; 8184 colours reach it). More would mean wrong rounding, not coarse scale.
    constexpr int BytesBound = 4;

    int fineWorst = 0;
    int bytesWorst = 0;
    for (TColor c = 0; c <= clWhite; c += SweepStride) {
        const FineEsl fine = ColorToFineEsl(c);
        ASSERT_TRUE(fine.hue >= 0 && fine.hue <= 3599 && fine.sat >= 0 && fine.sat <= 3600 &&
                    fine.lum >= 0 && fine.lum <= 3600)
            << Hex(c);
        fineWorst = std::max(fineWorst, ChannelDistance(c, FineEslToColor(fine)));
        const EslBytes bytes = ColorToEslBytes(c);
        ASSERT_TRUE(bytes.Hue() <= 239 && bytes.Sat() <= 240 && bytes.Lum() <= 240) << Hex(c);
        bytesWorst = std::max(bytesWorst, ChannelDistance(c, EslBytesToColor(bytes)));
    }
    EXPECT_EQ(fineWorst, FineBound);
    if (SweepStride == 1) {
        EXPECT_EQ(bytesWorst, BytesBound);
    } else {
        EXPECT_LE(bytesWorst, BytesBound);
    }
}

} // namespace
} // namespace tintora
