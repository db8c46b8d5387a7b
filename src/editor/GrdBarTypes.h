#pragma once

// What a gradient bar shows, which three bars the set shows, and how the pointer looks. The three
// are kept in the settings file as integers.

#include <cstdint>

namespace tintora {

// The component of the selected colour a bar runs through.
enum class TGrdElement : std::uint8_t {
    geEqu = 0, // hue, one column per value 0..239
    geSat = 1, // saturation 0..240, in steps of 4
    geLum = 2, // luminance 0..240: black, the pure colour at 120, white
    geRed = 3,
    geGreen = 4,
    geBlue = 5,
};

enum class TGrdBarsMode : std::uint8_t {
    gbmESL = 0, // hue, saturation, luminance
    gbmRGB = 1, // red, green, blue
};

// The pointer looks, in the order the options offer them. The setting is a byte that may hold
// any value: a value without a name draws no pointer.
enum class TPointerType : std::uint8_t {
    ptPanel = 0,     // a raised button
    ptGroove = 1,    // a broad frame shaded from the colour under it
    ptStruckOut = 2, // a small raised square with the ramp showing through
    ptDugOut = 3,    // a sunken square filled with the negative of the colour under it
    ptDot = 4,       // a dot in a colour that stands out
};

} // namespace tintora
