#pragma once

// A colour that stands out against a given one, for marks drawn on top of a colour (the dot pointer
// of the gradient bars).

#include "color/Color.h"

namespace tintora {

// White when every channel of c lies within 49 of 127 (78..176): there the negative would be
// another mid grey, as hard to see as the colour itself. Otherwise the negative of c. Bits 24-31
// of c are ignored, so the result is always a colour value.
constexpr TColor ContrastColor(TColor c) {
    constexpr auto nearMiddle = [](std::uint8_t level) { return level > 77 && level < 177; };
    if (nearMiddle(RedOf(c)) && nearMiddle(GreenOf(c)) && nearMiddle(BlueOf(c))) {
        return clWhite;
    }
    return NegativeColor(c & clWhite);
}

} // namespace tintora
