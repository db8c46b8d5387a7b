#pragma once

// Integer arithmetic behind the ESL conversions in color/Esl.h. Not for use elsewhere: the names
// and the fixed-point layout may change.

#include "color/Color.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace tintora {

namespace esl_detail {

// hue 0..hueMax - 1, sat 0..satMax, lum 0..lumMax.
struct RawEsl {
    std::uint32_t hue;
    std::uint32_t sat;
    std::uint32_t lum;
};

// n / d rounded, halves to even, in integers: exact where a floating-point quotient would have to
// be trusted to land precisely on .5. d > 0. Written without branches: the conversions run over
// whole gradients, where a mispredicted rounding branch would cost more than the division.
constexpr std::uint32_t RoundDiv(std::uint32_t n, std::uint32_t d) {
    const std::uint32_t q = n / d;
    const std::uint32_t twiceRest = 2 * (n - q * d);
    // Above d rounds up; exactly d (a half) rounds up only from an odd q.
    return q + (twiceRest + (q & 1) > d ? 1u : 0u);
}

inline constexpr std::int32_t FineMax = 3600;
inline constexpr std::int32_t FineSixth = 600;
inline constexpr std::int32_t FineHalf = 1800;

// The channel-range factors are single precision on purpose: rounding 255 / 3600^2 (and L times
// it) to float moves results that lie on a half. EslBytes (0, 0, 120) is grey 7f7f7f because the
// float factor is a little under the exact one; the exact factor would give 808080.
//
// Every such float other than 0 is at least 2^-16, so it is an integer multiple of 2^-39 (below
// 2^36 in those units), and its products with the integer brackets (below 2^25) fit in 64 bits.
// Rounding then is an integer shift: the result is the same as forming the product in double and
// rounding that, without depending on the floating-point rounding mode and without the cost of
// converting to and from double.
inline constexpr int FactorShift = 39;

constexpr std::uint64_t FixedFactor(float factor) {
    const double scaled =
        static_cast<double>(factor) * static_cast<double>(std::uint64_t{1} << FactorShift);
    const auto fixed = static_cast<std::uint64_t>(scaled);
    if (static_cast<double>(fixed) != scaled) {
        throw "factor is not a multiple of 2^-39"; // stops compilation: tables are constexpr
    }
    return fixed;
}

// L * 255 / 12960000 in double, narrowed to float: for every L here that is the correctly rounded
// float of the exact quotient.
inline constexpr std::array<std::uint64_t, FineHalf + 1> DarkFactors = [] {
    std::array<std::uint64_t, FineHalf + 1> factors{};
    for (std::int32_t lum = 0; lum <= FineHalf; ++lum) {
        const double exact = static_cast<double>(lum * 255) / 12960000.0;
        factors[static_cast<std::size_t>(lum)] = FixedFactor(static_cast<float>(exact));
    }
    return factors;
}();

inline constexpr std::uint64_t LightFactor = FixedFactor(static_cast<float>(255.0 / 12960000.0));

// product / 2^FactorShift rounded, halves to even.
constexpr std::uint32_t RoundFixed(std::uint64_t product) {
    constexpr std::uint64_t halfUnit = std::uint64_t{1} << (FactorShift - 1);
    const std::uint64_t oddWhole = (product >> FactorShift) & 1;
    return static_cast<std::uint32_t>((product + halfUnit - 1 + oddWhole) >> FactorShift);
}

// The base hue, in sixths of the circle, for each outcome of the three ordering tests
// (bit 0: g <= r, bit 1: r >= b, bit 2: g >= b); four bits per entry. The tests and their
// meaning for ties between equal channels:
//   g <= r, r >= b, g >= b: 0 (max r, mid g, min b)    g > r, r >= b:          1 (g, r, b)
//   g > r, r < b, g >= b:   2 (g, b, r)                g > r, r < b, g < b:    3 (b, g, r)
//   g <= r, r < b:          4 (b, r, g)                g <= r, r >= b, g < b:  5 (r, b, g)
// In each case max, mid and min are simply the sorted channels; only the sixth depends on the
// tests. The table stands in for a chain of branches, which neighbouring colours of a gradient
// send different ways too often to predict.
inline constexpr std::uint32_t SixthByOrder = 0x01425143;

// Where FineEslToColor puts its three levels, as bit positions in the colour value, by sixth.
inline constexpr std::array<std::uint8_t, 6> HiShift = {0, 8, 8, 16, 16, 0};
inline constexpr std::array<std::uint8_t, 6> MovingShift = {8, 0, 16, 8, 0, 16};
inline constexpr std::array<std::uint8_t, 6> LoShift = {16, 16, 0, 0, 8, 8};

// The hue, saturation and luminance of one colour at the given maxima; see ColorToEsl. Inlined into
// each fixed-scale caller, so that the maxima become constants there.
constexpr RawEsl ChannelsToEsl(std::uint32_t r, std::uint32_t g, std::uint32_t b,
                               std::uint32_t hueMax, std::uint32_t satMax, std::uint32_t lumMax) {
    const std::uint32_t sector = hueMax / 6;
    const std::uint32_t half = lumMax / 2;

    const std::uint32_t max = std::max({r, g, b});
    const std::uint32_t min = std::min({r, g, b});
    const std::uint32_t mid = r + g + b - max - min;
    const std::uint32_t order = (g <= r ? 1u : 0u) | (r >= b ? 2u : 0u) | (g >= b ? 4u : 0u);
    const std::uint32_t sixth = (SixthByOrder >> (4 * order)) & 0xF;

    const std::uint32_t lum = RoundDiv((max + min) * half, 255);

    std::uint32_t sat = 0;
    if (max != 0 && min != 255) {
        // The branch follows the rounded luminance, not max + min: at the 240 scale max + min = 254
        // rounds to the half and takes the second denominator.
        const std::uint32_t divisor = lum < half ? max + min : 510 - max - min;
        sat = RoundDiv((max - min) * satMax, divisor);
    }

    std::uint32_t hue = 0;
    if (max != min) {
        // On the falling sixths the hue is base + (1 - (mid - min) / (max - min)) * sector, which
        // is the exact quotient (max - mid) * sector / (max - min): taking it in integers keeps
        // the halves exact, where 1 - x in floating point would leave them to representation error
        // (0x315000 is 56 at the 240 scale, 15.5 rounded to even; in double it comes out 55).
        const std::uint32_t rise = (sixth & 1) == 0 ? mid - min : max - mid;
        hue = sixth * sector + RoundDiv(rise * sector, max - min);
        if (hue == hueMax) {
            hue = 0;
        }
    }

    return RawEsl{hue, sat, lum};
}

constexpr RawEsl ColorToEslAt(TColor c, std::uint32_t hueMax, std::uint32_t satMax,
                              std::uint32_t lumMax) {
    return ChannelsToEsl(RedOf(c), GreenOf(c), BlueOf(c), hueMax, satMax, lumMax);
}

constexpr std::int32_t ClampFine(std::int32_t v) {
    return std::clamp(v, 0, FineMax);
}

// FineEsl components as bytes of EslBytes: 0..3825 fits, and is what EslBytesToFine can give.
constexpr std::uint8_t FineToEslByte(std::int32_t v) {
    const std::int32_t held = std::clamp(v, 0, 255 * 15);
    return static_cast<std::uint8_t>((held + 7) / 15);
}

constexpr std::int32_t SaturatingMul(std::int32_t v, std::int32_t factor) {
    const std::int64_t product = std::int64_t{v} * factor;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(product, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

constexpr std::int32_t RoundedQuotient(std::int32_t v, std::int32_t halfDivisor,
                                       std::int32_t divisor) {
    const std::int64_t held = std::max<std::int64_t>(v, 0);
    return static_cast<std::int32_t>((held + halfDivisor) / divisor);
}

} // namespace esl_detail
} // namespace tintora
