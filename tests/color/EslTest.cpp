#include "color/Esl.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace tintora {

// Readable failure messages for the triples.
void PrintTo(const FineEsl& v, std::ostream* os) {
    *os << "FineEsl(" << v.hue << ", " << v.sat << ", " << v.lum << ")";
}
void PrintTo(const HsvEsl& v, std::ostream* os) {
    *os << "HsvEsl(" << v.hue << ", " << v.sat << ", " << v.lum << ")";
}
void PrintTo(const EslBytes& v, std::ostream* os) {
    *os << "EslBytes(" << int{v.Hue()} << ", " << int{v.Sat()} << ", " << int{v.Lum()} << ")";
}

namespace {

std::string Hex(TColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(ColorToRgbHex(c)));
    return IsColorValue(c) ? text : "not a colour value";
}

// The conversions are constexpr; the grey that the single-precision factor decides is the case
// most worth pinning at compile time.
static_assert(EslBytesToColor(PackEslBytes(0, 0, 120)) == RgbHexToColor(0x7F7F7F));
static_assert(ColorToFineEsl(RgbHexToColor(0xFFCC00)) == FineEsl{480, 3600, 1800});

template <typename Esl>
struct ToEslRow {
    const char* name;
    std::uint32_t rrggbb;
    Esl esl;
};

template <typename Esl>
std::string RowName(const testing::TestParamInfo<ToEslRow<Esl>>& info) {
    return info.param.name;
}

using BytesRow = ToEslRow<EslBytes>;
class ColorToEslBytesTest : public testing::TestWithParam<BytesRow> {};

TEST_P(ColorToEslBytesTest, Converts) {
    EXPECT_EQ(ColorToEslBytes(RgbHexToColor(GetParam().rrggbb)), GetParam().esl);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColorToEslBytesTest,
    testing::Values(BytesRow{"red", 0xFF0000, PackEslBytes(0, 240, 120)},
                    BytesRow{"lime", 0x00FF00, PackEslBytes(80, 240, 120)},
                    BytesRow{"blue", 0x0000FF, PackEslBytes(160, 240, 120)},
                    BytesRow{"white", 0xFFFFFF, PackEslBytes(0, 0, 240)},
                    BytesRow{"black", 0x000000, PackEslBytes(0, 0, 0)},
                    BytesRow{"grey", 0x808080, PackEslBytes(0, 0, 120)},
                    BytesRow{"ffcc00", 0xFFCC00, PackEslBytes(32, 240, 120)},
                    // 6 * 240 / 64 = 22.5
                    BytesRow{"SatHalfToEven", 0x231D1D, PackEslBytes(0, 22, 30)},
                    // 5 * 40 / 16 = 12.5
                    BytesRow{"HueHalfToEven", 0x100500, PackEslBytes(12, 240, 8)},
                    // 200 + 254 * 40 / 255 rounds to 240, the full turn
                    BytesRow{"HueWrapsToZero", 0xFF0001, PackEslBytes(0, 240, 120)},
                    // Falling sixth: 40 + (80 - 49) * 40 / 80 = 55.5 exactly. Evaluated as
                    // 1 - 49/80 in floating point it lands just below the half and gives 55.
                    BytesRow{"FallingHueHalfIsExact", 0x315000, PackEslBytes(56, 240, 38)},
                    // max + min = 254 rounds to the middle luminance, which selects the light
                    // divisor 510 - 254: 254 * 240 / 256 = 238.1.
                    BytesRow{"RoundedLumPicksDivisor", 0xFE0000, PackEslBytes(0, 238, 120)}),
    RowName<EslBytes>);

using FineRow = ToEslRow<FineEsl>;
class ColorToFineEslTest : public testing::TestWithParam<FineRow> {};

TEST_P(ColorToFineEslTest, Converts) {
    EXPECT_EQ(ColorToFineEsl(RgbHexToColor(GetParam().rrggbb)), GetParam().esl);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorToFineEslTest,
                         testing::Values(FineRow{"ffcc00", 0xFFCC00, {480, 3600, 1800}},
                                         // 3000 + 254 * 600 / 255 = 3597.6: no wrap here
                                         FineRow{
                                             "RedWithTraceOfBlue", 0xFF0001, {3598, 3600, 1800}},
                                         // 5 * 600 / 16 = 187.5
                                         FineRow{"HueHalfToEven", 0x100500, {188, 3600, 113}},
                                         FineRow{"grey", 0x808080, {0, 0, 1807}},
                                         FineRow{"cyan", 0x00FFFF, {1800, 3600, 1800}}),
                         RowName<FineEsl>);

using HsvRow = ToEslRow<HsvEsl>;
class ColorToHsvEslTest : public testing::TestWithParam<HsvRow> {};

TEST_P(ColorToHsvEslTest, Converts) {
    EXPECT_EQ(ColorToHsvEsl(RgbHexToColor(GetParam().rrggbb)), GetParam().esl);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorToHsvEslTest,
                         testing::Values(HsvRow{"ffcc00", 0xFFCC00, {48, 360, 50}},
                                         HsvRow{"HueWrapsToZero", 0xFF0001, {0, 360, 50}},
                                         HsvRow{"magenta", 0xFF00FF, {300, 360, 50}},
                                         HsvRow{"white", 0xFFFFFF, {0, 0, 100}}),
                         RowName<HsvEsl>);

TEST(ColorToEsl, OtherScalesAndIgnoredHighBits) {
    EXPECT_EQ(ColorToEsl(RgbHexToColor(0xFFCC00), 3600, 3600, 3600), (EslTriple{480, 3600, 1800}));
    EXPECT_EQ(ColorToEsl(RgbHexToColor(0x00FF00), 6, 100, 10), (EslTriple{2, 100, 5}));
    // Below six hue units there is no sixth to step through, and no division by zero either.
    EXPECT_EQ(ColorToEsl(RgbHexToColor(0x00FF00), 5, 100, 10).hue, 0);
    EXPECT_EQ(ColorToFineEsl(clNone), ColorToFineEsl(clWhite));
}

struct ToColorRow {
    const char* name;
    EslBytes esl;
    std::uint32_t rrggbb;
};

std::string ToColorRowName(const testing::TestParamInfo<ToColorRow>& row) {
    return row.param.name;
}

class EslBytesToColorTest : public testing::TestWithParam<ToColorRow> {};

TEST_P(EslBytesToColorTest, Converts) {
    EXPECT_EQ(Hex(EslBytesToColor(GetParam().esl)), Hex(RgbHexToColor(GetParam().rrggbb)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EslBytesToColorTest,
    testing::Values(ToColorRow{"yellow", PackEslBytes(40, 240, 120), 0xFFFF00},
                    ToColorRow{"LastHueBeforeRed", PackEslBytes(239, 240, 120), 0xFF0006},
                    // (3600 * f) with f = 1800 * 255 / 3600^2 rounded to float: 127.4999...
                    ToColorRow{"GreyFromFloatFactor", PackEslBytes(0, 0, 120), 0x7F7F7F},
                    ToColorRow{"lime", PackEslBytes(80, 240, 120), 0x00FF00},
                    ToColorRow{"blue", PackEslBytes(160, 240, 120), 0x0000FF},
                    ToColorRow{"white", PackEslBytes(0, 0, 240), 0xFFFFFF},
                    ToColorRow{"HueOfFullTurnIsBlack", PackEslBytes(240, 240, 120), 0x000000},
                    // Bytes above 240 are not EslBytes values, but a stored one must still give
                    // a colour value: they count as 240.
                    ToColorRow{"SatAboveFull", PackEslBytes(0, 255, 120), 0xFF0000},
                    ToColorRow{"LumAboveWhite", PackEslBytes(0, 0, 255), 0xFFFFFF}),
    ToColorRowName);

TEST(FineEslToColor, HueOutsideTheCircleIsBlack) {
    EXPECT_EQ(FineEslToColor({3600, 3600, 1800}), clBlack);
    EXPECT_EQ(FineEslToColor({5000, 0, 3600}), clBlack);
    EXPECT_EQ(FineEslToColor({-1, 3600, 1800}), clBlack);
    EXPECT_EQ(FineEslToColor({std::numeric_limits<std::int32_t>::min(), 0, 3600}), clBlack);
    // The last hue before the turn: the step 599 * 255 / 600 rounds to the full 255.
    EXPECT_EQ(Hex(FineEslToColor({3599, 3600, 1800})), "FF0000");
}

TEST(FineEslToColor, SixthsAndOutOfRangeLevels) {
    EXPECT_EQ(Hex(FineEslToColor({600, 3600, 1800})), "FFFF00");
    EXPECT_EQ(Hex(FineEslToColor({1200, 3600, 1800})), "00FF00");
    EXPECT_EQ(Hex(FineEslToColor({1800, 3600, 1800})), "00FFFF");
    EXPECT_EQ(Hex(FineEslToColor({3000, 3600, 1800})), "FF00FF");
    EXPECT_EQ(Hex(FineEslToColor({300, 3600, 1800})), "FF8000"); // 300 * 255 / 600 = 127.5
    EXPECT_EQ(Hex(FineEslToColor({900, 3600, 1800})), "7FFF00"); // falling: 255 - 128
    // Levels past the ends would otherwise give channels outside 0..255 and spill into the
    // neighbouring channel.
    EXPECT_EQ(FineEslToColor({0, 9000, 1800}), FineEslToColor({0, 3600, 1800}));
    EXPECT_EQ(FineEslToColor({0, -50, 900}), FineEslToColor({0, 0, 900}));
    EXPECT_EQ(FineEslToColor({0, 0, 4000}), clWhite);
    EXPECT_EQ(FineEslToColor({0, 3600, -4000}), clBlack);
}

TEST(EslChannelRange, SinglePrecisionFactorsDecideHalves) {
    struct Row {
        const char* name;
        std::int32_t sat;
        std::int32_t lum;
        EslChannelLevels levels;
    };
    const Row rows[] = {
        {"black", 0, 0, {0, 0}},
        {"white", 0, 3600, {255, 255}},
        {"pure colour", 3600, 1800, {0, 255}},
        // exact value 127.5; the float factor is below the exact one
        {"middle grey", 0, 1800, {127, 127}},
        // hi exact 8.5; here the float factor is above the exact one
        {"dark factor above", 1200, 90, {4, 9}},
        // lo exact 432000 * 255 / 3600^2 = 8.5; the light factor too is above
        {"light factor above", 3600, 1860, {9, 255}},
    };
    for (const Row& row : rows) {
        const EslChannelLevels got = EslChannelRange(row.sat, row.lum);
        EXPECT_EQ(int{got.lo}, int{row.levels.lo}) << row.name;
        EXPECT_EQ(int{got.hi}, int{row.levels.hi}) << row.name;
    }
}

// The channel range is computed in fixed point. This is the formula as written, in floating point
// with the two float factors; the two must agree for every saturation and luminance.
TEST(EslChannelRange, AgreesWithFloatingPointFormulaEverywhere) {
#if defined(__OPTIMIZE__)
    constexpr std::int32_t satStride = 1;
#else
    constexpr std::int32_t satStride = 7; // keeps unoptimised sanitizer builds quick
#endif
    const double lightFactor = static_cast<float>(255.0 / 12960000.0);
    for (std::int32_t lum = 0; lum <= 3600; ++lum) {
        const double darkFactor = static_cast<float>(lum * 255 / 12960000.0);
        for (std::int32_t sat = 0; sat <= 3600; sat += satStride) {
            double lo = 0;
            double hi = 0;
            if (lum <= 1800) {
                lo = (3600 - sat) * darkFactor;
                hi = (3600 + sat) * darkFactor;
            } else {
                lo = ((lum - sat) * 3600 + sat * lum) * lightFactor;
                hi = ((lum + sat) * 3600 - sat * lum) * lightFactor;
            }
            const EslChannelLevels got = EslChannelRange(sat, lum);
            ASSERT_EQ(got.lo, std::nearbyint(lo)) << "sat " << sat << " lum " << lum;
            ASSERT_EQ(got.hi, std::nearbyint(hi)) << "sat " << sat << " lum " << lum;
        }
    }
}

TEST(EslScales, FineToEslBytes) {
    EXPECT_EQ(FineToEslBytes({0, 3600, 3600}), PackEslBytes(0, 240, 240));
    EXPECT_EQ(FineToEslBytes({7, 7, 7}), PackEslBytes(0, 0, 0));
    EXPECT_EQ(FineToEslBytes({8, 8, 8}), PackEslBytes(1, 1, 1));
    EXPECT_EQ(FineToEslBytes({3592, 0, 0}).Hue(), 239);
    // Hues in the last half step round up to a full turn, which is red again, not 240 (black).
    EXPECT_EQ(FineToEslBytes({3593, 0, 0}).Hue(), 0);
    EXPECT_EQ(FineToEslBytes(ColorToFineEsl(RgbHexToColor(0xFF0001))),
              ColorToEslBytes(RgbHexToColor(0xFF0001)));
    // Out of range: a hue beyond the turn stays beyond it, and nothing spills into the next byte.
    EXPECT_EQ(FineToEslBytes({3600, 0, 0}).Hue(), 240);
    EXPECT_EQ(FineToEslBytes({99999, -5, 4000}), PackEslBytes(255, 0, 255));
}

TEST(EslScales, HsvEslToAndFromFine) {
    EXPECT_EQ(HsvEslToFine({359, 360, 100}), (FineEsl{3590, 3600, 3600}));
    EXPECT_EQ(FineToHsvEsl({3594, 3600, 3600}), (HsvEsl{359, 360, 100}));
    EXPECT_EQ(FineToHsvEsl({3595, 4, 17}), (HsvEsl{0, 0, 0}));
    EXPECT_EQ(FineToHsvEsl({5, 5, 18}), (HsvEsl{1, 1, 1}));
    EXPECT_EQ(FineToHsvEsl({-20, -1, -36}), (HsvEsl{0, 0, 0}));
    EXPECT_EQ(FineToHsvEsl({std::numeric_limits<std::int32_t>::max(), 0, 0}).hue, 214748365);
    // Products past the 32-bit range hold at its end instead of overflowing.
    constexpr std::int32_t huge = std::numeric_limits<std::int32_t>::max() / 2;
    EXPECT_EQ(HsvEslToFine({huge, -huge, 0}),
              (FineEsl{std::numeric_limits<std::int32_t>::max(),
                       std::numeric_limits<std::int32_t>::min(), 0}));
    EXPECT_EQ(HsvEslToColor({huge, 0, 0}), clBlack);
    EXPECT_EQ(Hex(HsvEslToColor({60, 360, 50})), "FFFF00");
}

} // namespace
} // namespace tintora
