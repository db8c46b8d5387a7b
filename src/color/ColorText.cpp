#include "color/ColorText.h"

namespace tintora {

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
