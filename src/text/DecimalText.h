#pragma once

// Short decimal numbers for display and CSS, without trailing zeros.

#include <string>

namespace tintora {

// A count of hundredths as a decimal: 120 gives "1.2", 88 "0.88", 2100 "21", 454 "4.54".
// Non-negative counts only.
inline std::string HundredthsText(long hundredths) {
    std::string text = std::to_string(hundredths / 100);
    if (const long fraction = hundredths % 100; fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text;
}

} // namespace tintora
