#pragma once

// How the FONT page's size items scale text. The sample draws at these multiples of its base size;
// the CSS forms of the tag write them as em, so a copied span is as much bigger or smaller than
// its surroundings as the sample shows.

#include <array>
#include <optional>
#include <string_view>

namespace tintora {

// Percent of the base size for size steps 0..7: 0.5, 0.7, 0.88, 1, 1.2, 1.55, 2 and 3 times.
inline constexpr std::array<int, 8> FontSizeScalePercents = {50, 70, 88, 100, 120, 155, 200, 300};

// The scale step of a size text: "1".."7" are steps 1..7 as they stand, the signed items "-3".."+3"
// are their value plus 3 (so "+1" is step 4 like "4", and "-3" is step 0). nullopt for the empty
// item, for any text that is not an optional sign followed by digits, and for values outside the
// eight steps.
constexpr std::optional<int> FontSizeStep(std::string_view sizeText) {
    const bool signedItem = !sizeText.empty() && (sizeText[0] == '+' || sizeText[0] == '-');
    const std::string_view digits = signedItem ? sizeText.substr(1) : sizeText;
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (sizeText[0] == '-') {
        value = -value;
    }
    // Exactly two characters is what marks the signed items, as the sample reads them.
    const int step = sizeText.size() == 2 ? value + 3 : value;
    if (step < 0 || step > 7) {
        return std::nullopt;
    }
    return step;
}

} // namespace tintora
