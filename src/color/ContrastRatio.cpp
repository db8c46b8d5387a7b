#include "color/ContrastRatio.h"

#include "text/DecimalText.h"

#include <algorithm>
#include <cmath>

namespace tintora {

namespace {

double LinearChannel(std::uint8_t level) {
    const double c = level / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(TColor c) {
    return 0.2126 * LinearChannel(RedOf(c)) + 0.7152 * LinearChannel(GreenOf(c)) +
           0.0722 * LinearChannel(BlueOf(c));
}

double ContrastRatio(TColor a, TColor b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TContrastVerdicts ContrastVerdicts(double ratio) {
    return {ratio >= ContrastAANormal, ratio >= ContrastAALarge, ratio >= ContrastAAANormal,
            ratio >= ContrastAAALarge};
}

std::string ContrastRatioText(double ratio) {
    auto hundredths = static_cast<long>(std::nearbyint(ratio * 100.0));
    for (const double level : {ContrastAALarge, ContrastAANormal, ContrastAAANormal}) {
        const auto levelHundredths = static_cast<long>(level * 100.0);
        if (ratio < level && hundredths >= levelHundredths) {
            hundredths = levelHundredths - 1;
        }
    }
    return HundredthsText(hundredths) + ":1";
}

} // namespace tintora
