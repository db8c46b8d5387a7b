#pragma once

// Random colours for the "random colour" command.

#include "color/Color.h"

#include <cstdint>
#include <random>

namespace tintora {

class TColorRandomizer {
public:
    // Highest colour drawn: white (0xFFFFFF) itself is never drawn.
    static constexpr TColor MaxDrawn = 0xFFFFFE;

    // Seeded from the clock, so each run of the program gives other colours.
    TColorRandomizer();
    // The same seed gives the same colours (within one build of the standard library), for tests.
    explicit TColorRandomizer(std::uint64_t seed);

    // A colour value drawn uniformly from 0..MaxDrawn.
    TColor Next();

private:
    std::mt19937_64 engine_;
    std::uniform_int_distribution<TColor> range_{0, MaxDrawn};
};

} // namespace tintora
