#pragma once

// The colour value: 8-bit red, green and blue packed into one unsigned 32-bit integer, red in bits
// 0-7, green in bits 8-15, blue in bits 16-23, bits 24-31 zero. This is also the number the
// settings file stores in decimal (white 16777215, red 255, blue 16711680), so the layout is fixed.
//
// Everything here is constexpr and works on plain integers; setters return a new value.

#include <cstdint>

namespace tintora {

using TColor = std::uint32_t;

// "No colour": what a colour list reports with nothing selected. Bits 24-31 are not zero, so it
// can never be mistaken for a colour value.
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// Channels 0..255 each.
constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}

// Channel levels 0..255. Bits 24-31 are ignored.
constexpr std::uint8_t RedOf(TColor c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// c with one channel replaced; the other bits, bits 24-31 included, are kept.
constexpr TColor WithRed(TColor c, std::uint8_t red) {
    return (c & ~TColor{0xFF}) | red;
}
constexpr TColor WithGreen(TColor c, std::uint8_t green) {
    return (c & ~TColor{0xFF00}) | (TColor{green} << 8);
}
constexpr TColor WithBlue(TColor c, std::uint8_t blue) {
    return (c & ~TColor{0xFF0000}) | (TColor{blue} << 16);
}

// True for 0..0xFFFFFF, false for clNone and any other value with bits 24-31 set.
constexpr bool IsColorValue(TColor c) {
    return (c & 0xFF000000) == 0;
}

// Converts between the colour value and the number written as RRGGBB in HTML (0xFF0000 is red).
// Only the low 24 bits of the argument are used, so the result is always a colour value.
constexpr TColor RgbHexToColor(std::uint32_t rrggbb) {
    return MakeColor(static_cast<std::uint8_t>(rrggbb >> 16),
                     static_cast<std::uint8_t>(rrggbb >> 8), static_cast<std::uint8_t>(rrggbb));
}
constexpr std::uint32_t ColorToRgbHex(TColor c) {
    return (std::uint32_t{RedOf(c)} << 16) | (std::uint32_t{GreenOf(c)} << 8) | BlueOf(c);
}

// Each channel becomes 255 minus itself. Bits 24-31 pass through unchanged, so only colour values
// give colour values.
constexpr TColor NegativeColor(TColor c) {
    return c ^ 0xFFFFFF;
}

// The web-safe level nearest to one channel (0..255): 0, 51, 102, 153, 204 or 255. Remainders
// modulo 51 up to 25 go down, 26 and above go up.
constexpr std::uint8_t WebLevel(std::uint8_t v) {
    const unsigned rest = v % 51u;
    const unsigned level = v - rest + (rest > 25 ? 51u : 0u);
    return static_cast<std::uint8_t>(level);
}

} // namespace tintora
