#include "html/GrdColor.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tintora {

namespace {

// Pi to the precision of the extended type (64-bit mantissa on x86-64).
constexpr long double PiExtended = 3.141592653589793238462643383279502884L;

std::uint8_t LerpChannel(std::int64_t p, std::int64_t lo, std::int64_t hi, std::uint8_t from,
                         std::uint8_t to) {
    const std::int64_t span = hi - lo;
    if (span == 0) {
        return from;
    }
    const std::int64_t value = from + (std::int64_t{to} - from) * (p - lo) / span;
    return static_cast<std::uint8_t>(value & 0xFF);
}

// R(d * f) for d in -255..255 and f in 0..1, exactly and without floating-point rounding: f is
// m * 2^-shift with a 53-bit m, so d * m fits in 64 bits and the rounding is integer work.
std::int64_t RoundedProduct(int d, double f) {
    const auto bits = std::bit_cast<std::uint64_t>(f);
    const auto exponent = static_cast<int>(bits >> 52); // the sign bit is clear
    if (exponent == 0) {
        return 0; // zero or subnormal
    }
    const int shift = 1075 - exponent; // 52 for 1.0, larger below
    if (shift >= 62) {
        return 0; // |d * f| < 2^61 * 2^-62
    }
    const auto mantissa =
        static_cast<std::int64_t>((bits & 0xFFFFFFFFFFFFFu) | (std::uint64_t{1} << 52));
    const std::int64_t scaled = d * mantissa;
    const std::int64_t below = scaled >> shift; // rounds toward minus infinity
    const std::int64_t rest = scaled & ((std::int64_t{1} << shift) - 1);
    const std::int64_t half = std::int64_t{1} << (shift - 1);
    return rest > half || (rest == half && (below & 1) != 0) ? below + 1 : below;
}

std::uint8_t WaveChannel(std::uint8_t start, std::uint8_t end, double f) {
    return static_cast<std::uint8_t>((end + RoundedProduct(int{start} - int{end}, f)) & 0xFF);
}

TColor RainbowFromEsl(EslBytes startEsl, std::int64_t k) {
    return EslBytesToColor(
        PackEslBytes(RainbowHue(startEsl.Hue(), k), startEsl.Sat(), startEsl.Lum()));
}

} // namespace

TColor LerpColor(std::int64_t p, std::int64_t lo, std::int64_t hi, TColor from, TColor to) {
    return MakeColor(LerpChannel(p, lo, hi, RedOf(from), RedOf(to)),
                     LerpChannel(p, lo, hi, GreenOf(from), GreenOf(to)),
                     LerpChannel(p, lo, hi, BlueOf(from), BlueOf(to)));
}

std::int64_t WaveStep(std::size_t i, std::int32_t waveCount, std::size_t n) {
    if (n == 0) {
        return 0;
    }
    return static_cast<std::int64_t>(i) * waveCount / static_cast<std::int64_t>(n);
}

std::uint8_t RainbowHue(std::uint8_t startHue, std::int64_t k) {
    // % keeps the sign of the dividend, as the hue arithmetic always has.
    std::int64_t hue = (k * 239 / 100 + startHue) % 239;
    if (hue < 0) {
        hue += 239;
    }
    return static_cast<std::uint8_t>(hue);
}

TColor RainbowColor(TColor start, std::int16_t waveCount, std::size_t i, std::size_t n) {
    return RainbowFromEsl(ColorToEslBytes(start), WaveStep(i, waveCount, n));
}

double WaveBlendFactor(std::int64_t phase) {
    const long double angle = static_cast<long double>(phase) * PiExtended / 50.0L;
    const long double f = (std::cos(angle) + 1.0L) / 2.0L;
    return static_cast<double>(f);
}

TColor WaveBlend(TColor start, TColor end, double f) {
    // Also turns NaN into 0.
    f = f > 0.0 ? std::min(f, 1.0) : 0.0;
    return MakeColor(WaveChannel(RedOf(start), RedOf(end), f),
                     WaveChannel(GreenOf(start), GreenOf(end), f),
                     WaveChannel(BlueOf(start), BlueOf(end), f));
}

TColor WaveColor(TColor start, TColor end, std::int16_t waveCount, std::uint8_t waveShift,
                 std::size_t i, std::size_t n) {
    return WaveBlend(start, end, WaveBlendFactor(WaveStep(i, waveCount, n) + waveShift));
}

TGrdColorizer::TGrdColorizer(const TGrdParams& params, std::size_t charCount)
    : params_(params), n_(charCount), startEsl_(ColorToEslBytes(params.Start)) {}

TColor TGrdColorizer::ColorAt(std::size_t i) {
    const auto index = static_cast<std::int64_t>(i);
    const std::int64_t d = static_cast<std::int64_t>(n_) - 1;
    switch (params_.Type) {
    case TGrdType::gtNone:
        return params_.Start & 0xFFFFFF;
    case TGrdType::gtTwo:
        if (n_ == 1) {
            return MidColor(params_.Start, params_.End);
        }
        return LerpColor(index, 0, d, params_.Start, params_.End);
    case TGrdType::gtThree: {
        const std::int64_t p = 2 * index;
        if (p < d) {
            return LerpColor(p, 0, d, params_.Start, params_.Mid);
        }
        if (p == d) {
            return params_.Mid & 0xFFFFFF;
        }
        return LerpColor(p, d, 2 * d, params_.Mid, params_.End);
    }
    case TGrdType::gtRainBow:
        return RainbowFromEsl(startEsl_, WaveStep(i, params_.WaveCount, n_));
    case TGrdType::gtWave: {
        const std::int64_t phase = WaveStep(i, params_.WaveCount, n_) + params_.WaveShift;
        if (!haveFactor_ || phase != factorPhase_) {
            factor_ = WaveBlendFactor(phase);
            factorPhase_ = phase;
            haveFactor_ = true;
        }
        return WaveBlend(params_.Start, params_.End, factor_);
    }
    }
    return clBlack;
}

} // namespace tintora
