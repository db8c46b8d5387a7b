#include "color/ContrastRatio.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

constexpr TColor Grey(std::uint8_t level) {
    return MakeColor(level, level, level);
}

TEST(ContrastRatioTest, PublishedAndTrickyPairs) {
    struct TRow {
        const char* name;
        TColor a;
        TColor b;
        const char* text;
        bool aaNormal, aaLarge, aaaNormal, aaaLarge;
    };
    const TRow rows[] = {
        {"black on white", clBlack, clWhite, "21:1", true, true, true, true},
        {"767676 on white", Grey(0x76), clWhite, "4.54:1", true, true, false, true},
        {"777777 on white", Grey(0x77), clWhite, "4.48:1", false, true, false, false},
        {"595959 on white", Grey(0x59), clWhite, "7:1", true, true, true, true},
        {"same colour", Grey(0x80), Grey(0x80), "1:1", false, false, false, false},
        {"red on white", MakeColor(255, 0, 0), clWhite, "4:1", false, true, false, false},
        {"blue on black", MakeColor(0, 0, 255), clBlack, "2.44:1", false, false, false, false},
        {"lime on black", MakeColor(0, 255, 0), clBlack, "15.3:1", true, true, true, true},
        // Grey 10 lies below the 0.04045 knee and is divided by 12.92, grey 11 above it.
        {"grey 10 on black", Grey(10), clBlack, "1.06:1", false, false, false, false},
        {"grey 11 on black", Grey(11), clBlack, "1.07:1", false, false, false, false},
        // Just short of a level: rounding would show the level, so the text is cut instead.
        {"4.4996 on white", MakeColor(169, 104, 0), clWhite, "4.49:1", false, true, false, false},
        {"2.9998 on white", MakeColor(127, 161, 0), clWhite, "2.99:1", false, false, false, false},
        {"6.9998 on white", MakeColor(177, 24, 0), clWhite, "6.99:1", true, true, false, true},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        const double ratio = ContrastRatio(row.a, row.b);
        EXPECT_DOUBLE_EQ(ContrastRatio(row.b, row.a), ratio);
        EXPECT_EQ(ContrastRatioText(ratio), row.text);
        const TContrastVerdicts v = ContrastVerdicts(ratio);
        EXPECT_EQ(v.AANormal, row.aaNormal);
        EXPECT_EQ(v.AALarge, row.aaLarge);
        EXPECT_EQ(v.AAANormal, row.aaaNormal);
        EXPECT_EQ(v.AAALarge, row.aaaLarge);
    }
}

TEST(ContrastRatioTest, LuminanceWeightsTheChannels) {
    EXPECT_DOUBLE_EQ(RelativeLuminance(clBlack), 0.0);
    EXPECT_NEAR(RelativeLuminance(clWhite), 1.0, 1e-12);
    EXPECT_NEAR(RelativeLuminance(MakeColor(255, 0, 0)), 0.2126, 1e-12);
    EXPECT_NEAR(RelativeLuminance(MakeColor(0, 255, 0)), 0.7152, 1e-12);
    EXPECT_NEAR(RelativeLuminance(MakeColor(0, 0, 255)), 0.0722, 1e-12);
    // Bits 24-31 are no part of the colour.
    EXPECT_DOUBLE_EQ(RelativeLuminance(clNone), RelativeLuminance(clNone & clWhite));
}

} // namespace
} // namespace tintora
