#include "color/ColorText.h"

namespace tintora {
namespace {

constexpr int HexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return -1;
}

} // namespace

std::string ColorToHexString(TColor c, TCharCaseMode valueCase) {
    return std::string(ColorToHexText(c, valueCase).View());
}

std::optional<TColor> HexTextToColor(std::string_view text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    std::uint32_t rrggbb = 0;
    for (const char ch : text) {
        const int digit = HexDigitValue(ch);
        if (digit < 0) {
            return std::nullopt;
        }
        rrggbb = (rrggbb << 4) | static_cast<std::uint32_t>(digit);
    }
    return RgbHexToColor(rrggbb);
}

} // namespace tintora
