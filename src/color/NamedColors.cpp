#include "color/NamedColors.h"

#include "color/ColorText.h"

#include <cstdint>
#include <cstdio>

namespace tintora {
namespace {

constexpr bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

TColor ParseColorValueText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool hex = false;
    bool negative = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return clNone;
    }
    // Refusing as soon as the value passes 0xFFFFFF keeps the accumulator far from overflow.
    const std::uint32_t base = hex ? 16 : 10;
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) {
            return clNone;
        }
        value = value * base + static_cast<std::uint32_t>(digit);
        if (value > clWhite) {
            return clNone;
        }
    }
    // "-0" is still black; any other negative number is no colour value.
    if (negative && value != 0) {
        return clNone;
    }
    return value;
}

std::string CustomColorName(TColor c) {
    char name[12];
    std::snprintf(name, sizeof name, "$%.6X", static_cast<unsigned>(c));
    return name;
}

} // namespace tintora
