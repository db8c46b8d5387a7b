#pragma once

// The colour value as the six hexadecimal digits RRGGBB of HTML, and back.

#include "color/Color.h"
#include "text/Ascii.h"
#include "text/CharCaseMode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// Six digits and a terminating NUL, held by value so that painting code can format colours without
// touching the heap.
struct TColorHexText {
    std::array<char, 7> chars{};

    constexpr std::string_view View() const { return std::string_view(chars.data(), 6); }
    const char* CStr() const { return chars.data(); }
};

// RRGGBB, the HTML order (the reverse of the colour value's byte order), without "#". Digits a-f
// are upper case only for ccUpper; ccLower, ccInitialUpper and any other stored byte give lower
// case. Bits 24-31 of c are ignored.
constexpr TColorHexText ColorToHexText(TColor c, TCharCaseMode valueCase) {
    const char* digits =
        valueCase == TCharCaseMode::ccUpper ? "0123456789ABCDEF" : "0123456789abcdef";
    const std::uint32_t rrggbb = ColorToRgbHex(c);
    TColorHexText text;
    for (std::size_t i = 0; i < 6; ++i) {
        text.chars[5 - i] = digits[(rrggbb >> (4 * i)) & 0xF];
    }
    return text;
}

// ColorToHexText as a string, for callers that keep the text.
std::string ColorToHexString(TColor c, TCharCaseMode valueCase);

// Reads RRGGBB as typed into the RGB field: exactly six characters, each 0-9, A-F or a-f. Anything
// else (a "#", spaces, five or seven digits) gives no value.
std::optional<TColor> HexTextToColor(std::string_view text);

} // namespace tintora
