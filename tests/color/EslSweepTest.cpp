// Properties over every colour value.

#include "color/Esl.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>

namespace tintora {
namespace {

// The full sweep takes about a second when optimised; unoptimised sanitizer builds look at every
// 7th colour (all channel values still occur, in every combination of neighbours that matters
// less), which keeps them to a few seconds.
#if defined(__OPTIMIZE__)
constexpr TColor Stride = 1;
#else
constexpr TColor Stride = 7;
#endif

int ChannelDistance(TColor a, TColor b) {
    return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                     std::abs(BlueOf(a) - BlueOf(b))});
}

bool InRange(std::int32_t v, std::int32_t max) {
    return v >= 0 && v <= max;
}

TEST(EslSweep, EveryColourConvertsWithinRangesAndBack) {
    // Both bounds were found by running this sweep over all 16,777,216 colour values and taking
    // the largest channel difference seen.
    //
    // The fine scale has 3600 steps where a channel has 256 levels, so the nearest fine triple
    // always leads back to the same colour: the bound is 0, and any rounding fault shows.
    constexpr int FineBound = 0;
    // The 240 scale keeps only 240 hues and 241 luminances. Rounding each component to the
    // nearest unit moves the result by up to half a unit in each of the three; the largest
    // combined effect is 4 levels on one channel (first at fe0a00, which comes back as fe0e01;
    // 8184 colours reach it). More than 4 would mean a conversion rounds wrongly, not coarsely.
    constexpr int BytesBound = 4;

    int fineWorst = 0;
    int bytesWorst = 0;
    for (TColor c = 0; c <= clWhite; c += Stride) {
        const FineEsl fine = ColorToFineEsl(c);
        ASSERT_TRUE(InRange(fine.hue, 3599) && InRange(fine.sat, 3600) && InRange(fine.lum, 3600))
            << std::hex << c;
        fineWorst = std::max(fineWorst, ChannelDistance(c, FineEslToColor(fine)));

        const EslBytes bytes = ColorToEslBytes(c);
        ASSERT_TRUE(bytes.Hue() <= 239 && bytes.Sat() <= 240 && bytes.Lum() <= 240)
            << std::hex << c;
        ASSERT_EQ(bytes.packed >> 24, 0u) << std::hex << c;
        bytesWorst = std::max(bytesWorst, ChannelDistance(c, EslBytesToColor(bytes)));
    }

    EXPECT_EQ(fineWorst, FineBound);
    if (Stride == 1) {
        EXPECT_EQ(bytesWorst, BytesBound);
    } else {
        EXPECT_LE(bytesWorst, BytesBound);
    }
}

} // namespace
} // namespace tintora
