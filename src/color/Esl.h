#pragma once

// Hue, saturation and luminance ("Equ, Sat, Lum": ESL) in the three scales the program keeps, and
// the conversions between them and the colour value.
//
//   FineEsl   hue 0..3599, saturation 0..3600, luminance 0..3600. What the gradient bars hold.
//             Hue 600 units per sixth of the circle: 0 red, 600 yellow, 1200 green, 1800 cyan,
//             2400 blue, 3000 magenta. Saturation 0 grey, 3600 full. Luminance 0 black,
//             1800 the pure colour, 3600 white.
//   EslBytes  hue 0..239, saturation 0..240, luminance 0..240, one byte each in one integer. The
//             scale of the default number fields; one unit is 15 FineEsl units.
//   HsvEsl    hue 0..359, saturation 0..360, luminance 0..100. The scale of the HSV number fields;
//             one hue or saturation unit is 10 FineEsl units, one luminance unit 36.
//
// The rounding is part of the contract: the number fields show these triples, so one colour must
// give the same numbers every time, down to which way a half goes. "Rounded" below means to the
// nearest integer with exact halves going to the even neighbour. Nothing here allocates or keeps
// state. The fixed scales are inline and constexpr: the gradient bars convert once per pixel
// column, and out of line g++ passes the triples through memory, at a third of the speed.

#include "color/Color.h"
#include "color/EslArithmetic.h"

#include <cstddef>
#include <cstdint>

namespace tintora {

// A triple at whatever maxima ColorToEsl was given.
struct EslTriple {
    std::int32_t hue = 0;
    std::int32_t sat = 0;
    std::int32_t lum = 0;
    friend constexpr bool operator==(const EslTriple&, const EslTriple&) = default;
};

// Hue 0..3599, saturation 0..3600, luminance 0..3600.
struct FineEsl {
    std::int32_t hue = 0;
    std::int32_t sat = 0;
    std::int32_t lum = 0;
    friend constexpr bool operator==(const FineEsl&, const FineEsl&) = default;
};

// Hue 0..359 (degrees), saturation 0..360, luminance 0..100.
struct HsvEsl {
    std::int32_t hue = 0;
    std::int32_t sat = 0;
    std::int32_t lum = 0;
    friend constexpr bool operator==(const HsvEsl&, const HsvEsl&) = default;
};

// Hue in bits 0-7 (0..239), saturation in bits 8-15 (0..240), luminance in bits 16-23 (0..240),
// bits 24-31 zero. A distinct type so that it is never passed where a colour value is expected;
// `packed` is the integer as stored.
struct EslBytes {
    std::uint32_t packed = 0;

    constexpr std::uint8_t Hue() const { return static_cast<std::uint8_t>(packed & 0xFF); }
    constexpr std::uint8_t Sat() const { return static_cast<std::uint8_t>((packed >> 8) & 0xFF); }
    constexpr std::uint8_t Lum() const { return static_cast<std::uint8_t>((packed >> 16) & 0xFF); }
    friend constexpr bool operator==(const EslBytes&, const EslBytes&) = default;
};

constexpr EslBytes PackEslBytes(std::uint8_t hue, std::uint8_t sat, std::uint8_t lum) {
    return EslBytes{std::uint32_t{hue} | (std::uint32_t{sat} << 8) | (std::uint32_t{lum} << 16)};
}

// The lowest and highest channel level (0..255 each, lo <= hi) of the colours that share one
// saturation and luminance.
struct EslChannelLevels {
    std::uint8_t lo = 0;
    std::uint8_t hi = 0;
    friend constexpr bool operator==(const EslChannelLevels&, const EslChannelLevels&) = default;
};

// The colour's hue, saturation and luminance at the given maxima: hue 0..hueMax - 1 (a hue that
// rounds up to a full turn is 0), saturation 0..satMax, luminance 0..lumMax. hueMax is meant to be
// a multiple of 6 (one sixth per primary and secondary colour); below 6 every hue is 0. Greys have
// hue 0 and saturation 0. Bits 24-31 of c are ignored. With maxima up to 65535 every intermediate
// product fits in 32 bits, so the result is exact for any maxima the type admits.
EslTriple ColorToEsl(TColor c, std::uint16_t hueMax, std::uint16_t satMax, std::uint16_t lumMax);

// ColorToEsl at 3600, 3600, 3600. Yellow ffcc00 is (480, 3600, 1800).
constexpr FineEsl ColorToFineEsl(TColor c) {
    const auto raw = esl_detail::ColorToEslAt(c, 3600u, 3600u, 3600u);
    return FineEsl{static_cast<std::int32_t>(raw.hue), static_cast<std::int32_t>(raw.sat),
                   static_cast<std::int32_t>(raw.lum)};
}

// ColorToEsl at 240, 240, 240, packed. Yellow ffcc00 is (32, 240, 120).
constexpr EslBytes ColorToEslBytes(TColor c) {
    const auto raw = esl_detail::ColorToEslAt(c, 240u, 240u, 240u);
    return PackEslBytes(static_cast<std::uint8_t>(raw.hue), static_cast<std::uint8_t>(raw.sat),
                        static_cast<std::uint8_t>(raw.lum));
}

// ColorToEsl at 360, 360, 100. Yellow ffcc00 is (48, 360, 50).
constexpr HsvEsl ColorToHsvEsl(TColor c) {
    const auto raw = esl_detail::ColorToEslAt(c, 360u, 360u, 100u);
    return HsvEsl{static_cast<std::int32_t>(raw.hue), static_cast<std::int32_t>(raw.sat),
                  static_cast<std::int32_t>(raw.lum)};
}

// Channel levels for FineEsl saturation and luminance (0..3600 each; values outside are taken as
// the nearest end of that range):
//   lum <= 1800: f = lum * 255 / 3600^2 as a float; lo = (3600 - sat) * f, hi = (3600 + sat) * f
//   lum >  1800: c = 255 / 3600^2 as a float; lo = ((lum - sat) * 3600 + sat * lum) * c,
//                hi = ((lum + sat) * 3600 - sat * lum) * c
// each rounded. The single-precision factors are deliberate; see EslArithmetic.h.
constexpr EslChannelLevels EslChannelRange(std::int32_t sat, std::int32_t lum) {
    using namespace esl_detail;
    const std::int32_t s = ClampFine(sat);
    const std::int32_t l = ClampFine(lum);
    // Both forms are computed and one is picked: a sweep over colours crosses the middle
    // luminance unpredictably. The light brackets are positive for l > 1800 and s <= 3600.
    const bool dark = l <= FineHalf;
    const std::uint64_t factor = dark ? DarkFactors[static_cast<std::size_t>(l)] : LightFactor;
    const std::int32_t lowBracket = dark ? FineMax - s : (l - s) * FineMax + s * l;
    const std::int32_t highBracket = dark ? FineMax + s : (l + s) * FineMax - s * l;
    // Within 0..3600 both results lie in 0..255: the float factors' error rounds away.
    return EslChannelLevels{
        static_cast<std::uint8_t>(RoundFixed(static_cast<std::uint64_t>(lowBracket) * factor)),
        static_cast<std::uint8_t>(RoundFixed(static_cast<std::uint64_t>(highBracket) * factor))};
}

// The colour of a FineEsl triple. A hue outside 0..3599 gives black; saturation and luminance
// outside 0..3600 are taken as the nearest end of that range, so the result is always a colour
// value.
constexpr TColor FineEslToColor(FineEsl esl) {
    using namespace esl_detail;
    if (esl.hue < 0 || esl.hue >= FineMax) {
        return clBlack;
    }
    const auto [lo, hi] = EslChannelRange(esl.sat, esl.lum);
    const auto sixth = static_cast<std::size_t>(esl.hue / FineSixth);
    const auto hueInSixth = static_cast<std::uint32_t>(esl.hue % FineSixth);
    const auto spread = static_cast<std::uint32_t>(hi - lo);
    const std::uint32_t step = RoundDiv(hueInSixth * spread, 600u);
    // Within a sixth one channel moves: up from lo on the even sixths, down from hi on the odd.
    //   sixth  0       1       2       3       4       5
    //   red    hi      moving  lo      lo      moving  hi
    //   green  moving  hi      hi      moving  lo      lo
    //   blue   lo      lo      moving  hi      hi      moving
    const std::uint32_t moving = (sixth & 1) == 0 ? lo + step : hi - step;
    return (TColor{hi} << HiShift[sixth]) | (TColor{moving} << MovingShift[sixth]) |
           (TColor{lo} << LoShift[sixth]);
}

// Each component times 15: hue 0..3825, saturation and luminance 0..3825 (3600 for bytes within the
// EslBytes ranges).
constexpr FineEsl EslBytesToFine(EslBytes esl) {
    return FineEsl{esl.Hue() * 15, esl.Sat() * 15, esl.Lum() * 15};
}

// Each component (x + 7) div 15, so 7 gives 0, 8 gives 1 and 3600 gives 240. A hue that rounds up
// to the full turn (3593..3599) is 0. Components are first held to 0..3825 so that each one fits
// its byte; an out-of-range hue stays out of range (240..255) and so still means black.
constexpr EslBytes FineToEslBytes(FineEsl esl) {
    using namespace esl_detail;
    std::uint8_t hue = FineToEslByte(esl.hue);
    if (hue == 240 && esl.hue < FineMax) {
        hue = 0;
    }
    return PackEslBytes(hue, FineToEslByte(esl.sat), FineToEslByte(esl.lum));
}

// Hue and saturation times 10, luminance times 36. Products beyond the 32-bit range are held at its
// ends; out-of-range results are dealt with by FineEslToColor.
constexpr FineEsl HsvEslToFine(HsvEsl esl) {
    using namespace esl_detail;
    return FineEsl{SaturatingMul(esl.hue, 10), SaturatingMul(esl.sat, 10),
                   SaturatingMul(esl.lum, 36)};
}

// (hue + 5) div 10, (saturation + 5) div 10, (luminance + 18) div 36. A hue that rounds up to the
// full turn (3595..3599) is 0. Negative components count as 0.
constexpr HsvEsl FineToHsvEsl(FineEsl esl) {
    using namespace esl_detail;
    std::int32_t hue = RoundedQuotient(esl.hue, 5, 10);
    if (hue == 360 && esl.hue < FineMax) {
        hue = 0;
    }
    return HsvEsl{hue, RoundedQuotient(esl.sat, 5, 10), RoundedQuotient(esl.lum, 18, 36)};
}

// FineEslToColor(EslBytesToFine(esl)). (40, 240, 120) is ffff00, (0, 0, 120) is 7f7f7f.
constexpr TColor EslBytesToColor(EslBytes esl) {
    return FineEslToColor(EslBytesToFine(esl));
}

// FineEslToColor(HsvEslToFine(esl)).
constexpr TColor HsvEslToColor(HsvEsl esl) {
    return FineEslToColor(HsvEslToFine(esl));
}

} // namespace tintora
