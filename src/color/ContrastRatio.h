#pragma once

// Contrast between two colours as accessibility guidelines measure it (WCAG 2.2): the relative
// luminance of each sRGB colour, their ratio from 1:1 to 21:1, and the levels a ratio meets.

#include "color/Color.h"

#include <string>

namespace tintora {

// 0 for black to 1 for white: 0.2126 R + 0.7152 G + 0.0722 B of the linearised channels, where a
// channel c = level / 255 is c / 12.92 up to 0.04045 and ((c + 0.055) / 1.055) ^ 2.4 above.
double RelativeLuminance(TColor c);

// (lighter + 0.05) / (darker + 0.05): the same whichever colour comes first.
double ContrastRatio(TColor a, TColor b);

// The minimum ratios: normal text 4.5 (AA) and 7 (AAA), large text 3 (AA) and 4.5 (AAA).
inline constexpr double ContrastAANormal = 4.5;
inline constexpr double ContrastAALarge = 3.0;
inline constexpr double ContrastAAANormal = 7.0;
inline constexpr double ContrastAAALarge = 4.5;

struct TContrastVerdicts {
    bool AANormal = false;
    bool AALarge = false;
    bool AAANormal = false;
    bool AAALarge = false;
};

// Judged on the unrounded ratio: 4.499 does not meet 4.5.
TContrastVerdicts ContrastVerdicts(double ratio);

// The ratio to two decimals with trailing zeros dropped: "4.54:1", "4.5:1", "21:1". Rounded to the
// nearest hundredth, except that a ratio just short of a level is cut rather than rounded up to
// it, so the text never shows a level the verdicts deny ("4.49:1", not "4.5:1", for 4.497).
std::string ContrastRatioText(double ratio);

} // namespace tintora
