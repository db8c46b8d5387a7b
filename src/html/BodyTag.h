#pragma once

// The BODY tag: the five page colours, each only when chosen, and the background picture's file
// name.

#include "color/Color.h"
#include "html/CharCase.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tintora {

// The attribute bits of the DefBodyAttrib option and of the copy dialog's check boxes.
enum TBodyAttribBits : std::uint8_t {
    baBgcolor = 1,
    baText = 2,
    baLink = 4,
    baVlink = 8,
    baAlink = 16,
};
inline constexpr std::uint8_t AllBodyAttribs = 31;

// The five BODY swatches, at their initial colours.
struct TBodyColors {
    TColor Bgcolor = MakeColor(255, 255, 255);
    TColor Text = MakeColor(0, 0, 0);
    TColor Link = MakeColor(0, 0, 255);
    TColor Vlink = MakeColor(128, 0, 128);
    TColor Alink = MakeColor(255, 0, 0);
    friend constexpr bool operator==(const TBodyColors&, const TBodyColors&) = default;
};

// Which attributes go into the tag: the copy dialog's six check boxes.
struct TBodyCopyChoice {
    std::uint8_t Attribs = AllBodyAttribs; // TBodyAttribBits; other bits are ignored
    bool UseBackground = false;
    friend constexpr bool operator==(const TBodyCopyChoice&, const TBodyCopyChoice&) = default;
};

// The boxes as the dialog opens (and as the copy without the dialog uses them): the colour boxes
// from the DefBodyAttrib bits, the background box exactly when a background picture is set.
constexpr TBodyCopyChoice DefaultBodyCopyChoice(std::uint8_t defBodyAttrib,
                                                std::string_view bgImageFile) {
    return TBodyCopyChoice{static_cast<std::uint8_t>(defBodyAttrib & AllBodyAttribs),
                           !bgImageFile.empty()};
}

struct TBodyTagInput {
    TBodyColors Colors;
    TBodyCopyChoice Choice;
    std::string BgImageFile; // full path; only its file name goes into the tag
    TCharCases Cases;
};

// The part of a path after its last "/" (the whole path when it has none). Only "/" separates
// folders here; a backslash is part of a Linux file name.
std::string_view FileNamePart(std::string_view path);

// <body bgcolor="#ffffff" text="#000000" ... background="back.gif">, the chosen colours in the
// order bgcolor, text, link, vlink, alink. A chosen background with no picture set gives an empty
// value. The file name is written as it stands.
std::string MakeBodyTag(const TBodyTagInput& input);

} // namespace tintora
