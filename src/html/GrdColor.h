#pragma once

// The colour of each character of a gradient text.
//
// Colours are worked per channel (red bits 0-7, green 8-15, blue 16-23). Integer divisions
// truncate toward zero, as the program has always computed them, so a channel running downwards
// steps differently from one running upwards (100 - 100/3 is 67). Products are formed in
// 64 bits: for every text whose products fit in 32 bits (all texts of up to about four million
// characters) that is the same value, and longer texts do not overflow. Every result is a colour
// value (bits 24-31 zero); bits 24-31 of the input colours are ignored.

#include "color/Color.h"
#include "color/Esl.h"

#include <cstddef>
#include <cstdint>

namespace tintora {

// The gradient type. Stored in FONT templates as a byte, so it may hold values outside the five
// named ones; such a type colours every character black.
enum class TGrdType : std::uint8_t {
    gtNone = 0,    // one colour: the start colour
    gtTwo = 1,     // start to end
    gtThree = 2,   // start to middle to end
    gtRainBow = 3, // round the hue circle from the start colour
    gtWave = 4,    // start and end colours alternating in a cosine wave
};

constexpr bool IsKnownGrdType(TGrdType type) {
    return static_cast<std::uint8_t>(type) <= static_cast<std::uint8_t>(TGrdType::gtWave);
}

// The ranges of the page's wave spin controls.
inline constexpr std::int16_t WaveCountMin = -4000;
inline constexpr std::int16_t WaveCountMax = 4000;
inline constexpr std::uint8_t WaveShiftMax = 99;

// What the colour of a character depends on, at the FONT page's initial values.
struct TGrdParams {
    TGrdType Type = TGrdType::gtThree;
    TColor Start = MakeColor(255, 0, 0); // the only colour of gtNone; the base hue of gtRainBow
    TColor Mid = MakeColor(0, 255, 0);   // gtThree only
    TColor End = MakeColor(0, 0, 255);   // gtTwo, gtThree, gtWave
    // Hundredths of one full cycle across the whole text (100: the rainbow goes once round the hue
    // circle, the wave runs one full wave). The page's spin control holds WaveCountMin..Max.
    std::int16_t WaveCount = 100;
    // Sideways shift of the wave in hundredths of a wave; 0..99 on the page, any byte from a
    // template. gtWave only.
    std::uint8_t WaveShift = 0;
    friend bool operator==(const TGrdParams&, const TGrdParams&) = default;
};

// Per channel from + ((to - from) * (p - lo)) / (hi - lo), reduced to 8 bits. With lo <= p <= hi
// each channel lies between those of from and to. hi == lo gives from.
TColor LerpColor(std::int64_t p, std::int64_t lo, std::int64_t hi, TColor from, TColor to);

// Per channel (a + b) / 2, rounded down.
constexpr TColor MidColor(TColor a, TColor b) {
    return MakeColor(static_cast<std::uint8_t>((RedOf(a) + RedOf(b)) / 2),
                     static_cast<std::uint8_t>((GreenOf(a) + GreenOf(b)) / 2),
                     static_cast<std::uint8_t>((BlueOf(a) + BlueOf(b)) / 2));
}

// k = (i * waveCount) / n: where character i of n stands in the cycle, in hundredths. n = 0 gives
// 0 (an empty text has no character to colour).
std::int64_t WaveStep(std::size_t i, std::int32_t waveCount, std::size_t n);

// The rainbow's hue 0..238 for step k: ((k * 239) / 100 + startHue) mod 239, brought into range
// when the remainder is negative. The circle has 239 units, so hue 239 never results.
std::uint8_t RainbowHue(std::uint8_t startHue, std::int64_t k);

// Character i of n in gtRainBow: the start colour's hue, saturation and luminance on the 240
// scale, the hue moved by RainbowHue, back to a colour. Even character 0 goes through both
// conversions, so it may differ slightly from the start colour.
TColor RainbowColor(TColor start, std::int16_t waveCount, std::size_t i, std::size_t n);

// The wave's blend factor for phase k + s: (cos(phase * pi / 50) + 1) / 2, worked in extended
// precision and then stored as a double, which is what makes phase 25 exactly one half. Phase 0
// gives 1 (the start colour), 50 gives 0 (the end colour); one wave spans 100.
double WaveBlendFactor(std::int64_t phase);

// Per channel end + R((start - end) * f), reduced to 8 bits, where R rounds the exact product to
// the nearest integer with halves to the even neighbour (no intermediate rounding can make or
// break a half). f is 0..1; a value outside is taken as the nearest end, NaN as 0.
TColor WaveBlend(TColor start, TColor end, double f);

// Character i of n in gtWave.
TColor WaveColor(TColor start, TColor end, std::int16_t waveCount, std::uint8_t waveShift,
                 std::size_t i, std::size_t n);

// The colours of the characters of one text of charCount characters, for a loop over them: what
// depends only on the parameters is worked out once, and the wave factor, whose cosine costs more
// than everything else of a character together, only when the step changes (in a loop over the
// characters it changes at most |WaveCount| times). Results do not depend on the order of the
// calls. i is meant to be 0..charCount - 1; outside that range the formulas run on without
// dividing by zero and still give colour values.
class TGrdColorizer {
public:
    TGrdColorizer(const TGrdParams& params, std::size_t charCount);

    std::size_t CharCount() const { return n_; }
    TColor ColorAt(std::size_t i);

private:
    TGrdParams params_;
    std::size_t n_;
    EslBytes startEsl_;
    bool haveFactor_ = false;
    std::int64_t factorPhase_ = 0;
    double factor_ = 0.0;
};

// The colour of character i of a text of charCount characters.
inline TColor CharGrdColor(const TGrdParams& params, std::size_t charCount, std::size_t i) {
    return TGrdColorizer(params, charCount).ColorAt(i);
}

} // namespace tintora
