#include "html/GrdColor.h"

#include "color/Esl.h"
#include "html/FontTag.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tintora {
namespace {

constexpr TColor Red = MakeColor(255, 0, 0);
constexpr TColor Lime = MakeColor(0, 255, 0);
constexpr TColor Blue = MakeColor(0, 0, 255);
constexpr TColor Yellow = MakeColor(255, 255, 0);

TGrdParams Params(TGrdType type, TColor start, TColor mid, TColor end) {
    TGrdParams p;
    p.Type = type;
    p.Start = start;
    p.Mid = mid;
    p.End = end;
    return p;
}

std::vector<TColor> Colors(const TGrdParams& p, std::size_t n) {
    TGrdColorizer colorizer(p, n);
    std::vector<TColor> colors;
    for (std::size_t i = 0; i < n; ++i) {
        colors.push_back(colorizer.ColorAt(i));
    }
    return colors;
}

using TColors = std::vector<TColor>;

TEST(GrdColorTest, NoneGivesTheStartColourEverywhere) {
    const TGrdParams p = Params(TGrdType::gtNone, 0x1F123456, Lime, Blue);
    EXPECT_EQ(Colors(p, 3), (TColors{0x123456, 0x123456, 0x123456}));
}

TEST(GrdColorTest, MidColorRoundsDown) {
    EXPECT_EQ(MidColor(Red, Blue), MakeColor(127, 0, 127));
    EXPECT_EQ(MidColor(MakeColor(1, 2, 3), MakeColor(2, 4, 6)), MakeColor(1, 3, 4));
}

// A channel that falls steps by truncated quotients of negative numbers: 100 - 100/3 is 67, not
// the 66 that rounding down would give.
TEST(GrdColorTest, TwoColoursTruncateTowardZeroBothWays) {
    const TGrdParams p = Params(TGrdType::gtTwo, MakeColor(100, 0, 7), Lime, MakeColor(0, 100, 7));
    EXPECT_EQ(Colors(p, 4), (TColors{MakeColor(100, 0, 7), MakeColor(67, 33, 7),
                                     MakeColor(34, 66, 7), MakeColor(0, 100, 7)}));
    EXPECT_EQ(Colors(Params(TGrdType::gtTwo, Red, Lime, Blue), 1), TColors{MidColor(Red, Blue)});
}

TEST(GrdColorTest, ThreeColoursMeetTheMiddleExactly) {
    const TColor start = MakeColor(100, 0, 0);
    const TColor mid = MakeColor(0, 100, 0);
    const TColor end = MakeColor(0, 0, 100);
    const TGrdParams p = Params(TGrdType::gtThree, start, mid, end);
    // d = 3: the middle falls between characters 1 and 2.
    EXPECT_EQ(Colors(p, 4), (TColors{start, MakeColor(34, 66, 0), MakeColor(0, 67, 33), end}));
    // d = 4: character 2 is the middle.
    EXPECT_EQ(Colors(p, 5), (TColors{start, MakeColor(50, 50, 0), mid, MakeColor(0, 50, 50), end}));
    EXPECT_EQ(Colors(p, 1), TColors{mid});
}

TEST(GrdColorTest, LongTextsEndExactlyOnTheirColours) {
    const TColor start = MakeColor(201, 13, 77);
    const TColor mid = MakeColor(3, 250, 128);
    const TColor end = MakeColor(90, 4, 255);
    for (const std::size_t n : {std::size_t{10000}, std::size_t{10001}}) {
        SCOPED_TRACE(n);
        const TColors two = Colors(Params(TGrdType::gtTwo, start, mid, end), n);
        EXPECT_EQ(two.front(), start);
        EXPECT_EQ(two.back(), end);
        const TColors three = Colors(Params(TGrdType::gtThree, start, mid, end), n);
        EXPECT_EQ(three.front(), start);
        EXPECT_EQ(three.back(), end);
        if (n % 2 == 1) {
            EXPECT_EQ(three[n / 2], mid);
        }
        // Each channel moves one way only: red falls all along the two-colour text.
        for (std::size_t i = 1; i < n; ++i) {
            ASSERT_LE(RedOf(two[i]), RedOf(two[i - 1])) << i;
        }
    }
}

TEST(GrdColorTest, LerpWithEmptySpanGivesFrom) {
    EXPECT_EQ(LerpColor(5, 3, 3, Red, Blue), Red);
}

TEST(GrdColorTest, RainbowHueTruncatesAndWrapsIntoTheCircle) {
    // -25 * 239 / 100 is -59 (not -60), and -59 mod 239 is 180.
    EXPECT_EQ(RainbowHue(0, -25), 180);
    EXPECT_EQ(RainbowHue(0, 100), 0);
    EXPECT_EQ(RainbowHue(238, 1), 1);
    EXPECT_EQ(RainbowHue(5, -100), 5);
    EXPECT_EQ(RainbowHue(239, 0), 0);
    for (int hue = 0; hue <= 239; ++hue) {
        for (std::int64_t k = -4000; k <= 4000; k += 7) {
            ASSERT_LE(RainbowHue(static_cast<std::uint8_t>(hue), k), 238) << hue << " " << k;
        }
    }
}

TEST(GrdColorTest, RainbowWalksTheHueCircle) {
    TGrdParams p = Params(TGrdType::gtRainBow, Red, Lime, Blue);
    const TColors colors = Colors(p, 100);
    EXPECT_EQ(colors[0], Red);
    EXPECT_EQ(colors[17], Yellow); // k = 17: hue 40
    EXPECT_EQ(colors[67], Blue);   // k = 67: hue 160
    // Backwards: k = -25 lands on hue 180, blue with half red.
    p.WaveCount = -100;
    EXPECT_EQ(Colors(p, 100)[25], EslBytesToColor(PackEslBytes(180, 240, 120)));
    EXPECT_EQ(RainbowColor(Red, -100, 25, 100), Colors(p, 100)[25]);
}

TEST(GrdColorTest, RainbowWithoutWavesGivesTheStartColourThroughTheHueScale) {
    const TColor start = MakeColor(10, 200, 77);
    const TColor roundTripped = EslBytesToColor(ColorToEslBytes(start));
    ASSERT_NE(roundTripped, start);
    TGrdParams p = Params(TGrdType::gtRainBow, start, Lime, Blue);
    p.WaveCount = 0;
    EXPECT_EQ(Colors(p, 3), (TColors{roundTripped, roundTripped, roundTripped}));
    p.WaveCount = 100;
    EXPECT_EQ(Colors(p, 1), TColors{roundTripped});
}

TEST(GrdColorTest, WaveFactorIsExactAtQuarterWaves) {
    EXPECT_EQ(WaveBlendFactor(0), 1.0);
    EXPECT_EQ(WaveBlendFactor(25), 0.5);
    EXPECT_EQ(WaveBlendFactor(50), 0.0);
    EXPECT_EQ(WaveBlendFactor(75), 0.5);
    EXPECT_EQ(WaveBlendFactor(100), 1.0);
    EXPECT_EQ(WaveBlendFactor(-25), 0.5);
    EXPECT_NEAR(WaveBlendFactor(10), 0.9045084971874737, 1e-15);
}

TEST(GrdColorTest, WaveRoundsHalvesToEven) {
    // 127.5 -> 128, 126.5 -> 126, -127.5 -> -128.
    EXPECT_EQ(WaveBlend(MakeColor(255, 253, 0), MakeColor(0, 0, 255), 0.5),
              MakeColor(128, 126, 127));
    EXPECT_EQ(WaveBlend(Red, Blue, 1.5), Red);
    EXPECT_EQ(WaveBlend(Red, Blue, -0.25), Blue);
    EXPECT_EQ(WaveBlend(Red, Blue, std::nan("")), Blue);
}

// Against the plain reading: the product in extended precision, where an 8-bit integer times a
// double is exact, rounded by the default (ties-to-even) mode.
TEST(GrdColorTest, WaveBlendMatchesExactProductRounding) {
    std::vector<double> factors = {0.0,
                                   1.0,
                                   0.5,
                                   0.25,
                                   0.75,
                                   0.375,
                                   0.125,
                                   1 / 3.,
                                   2 / 3.,
                                   1e-300,
                                   5e-324,
                                   0.9999999999999999,
                                   std::nextafter(0.5, 0.0),
                                   std::nextafter(0.5, 1.0)};
    for (int phase = 0; phase < 100; ++phase) {
        factors.push_back(WaveBlendFactor(phase));
    }
    for (const double f : factors) {
        for (int start = 0; start <= 255; ++start) {
            for (const int end : {0, 1, 100, 254, 255}) {
                const long double exact = static_cast<long double>(start - end) * f;
                const auto expected = static_cast<std::uint8_t>(
                    (end + static_cast<int>(std::nearbyint(exact))) & 0xFF);
                const auto start8 = static_cast<std::uint8_t>(start);
                const auto end8 = static_cast<std::uint8_t>(end);
                ASSERT_EQ(WaveBlend(MakeColor(start8, 0, 0), MakeColor(end8, 0, 0), f),
                          MakeColor(expected, 0, 0))
                    << "f " << f << " start " << start << " end " << end;
            }
        }
    }
}

TEST(GrdColorTest, WaveAlternatesBetweenStartAndEnd) {
    TGrdParams p = Params(TGrdType::gtWave, Red, Lime, Blue);
    const TColor half = MakeColor(128, 0, 127);
    EXPECT_EQ(Colors(p, 4), (TColors{Red, half, Blue, half}));
    p.WaveCount = -100;
    EXPECT_EQ(Colors(p, 4), (TColors{Red, half, Blue, half}));
    EXPECT_EQ(WaveColor(Red, Blue, -100, 0, 1, 4), half);

    p.WaveCount = 0;
    p.WaveShift = 50;
    EXPECT_EQ(Colors(p, 3), (TColors{Blue, Blue, Blue}));
    p.WaveShift = 25;
    EXPECT_EQ(Colors(p, 2), (TColors{half, half}));
    p.WaveCount = 100;
    p.WaveShift = 0;
    EXPECT_EQ(Colors(p, 1), TColors{Red});
}

TEST(GrdColorTest, UnknownTypeIsBlackAndEmptyTextsDoNotDivideByZero) {
    EXPECT_EQ(Colors(Params(static_cast<TGrdType>(5), Red, Lime, Blue), 2), (TColors{0, 0}));
    for (const auto type :
         {TGrdType::gtTwo, TGrdType::gtThree, TGrdType::gtRainBow, TGrdType::gtWave}) {
        TGrdColorizer empty(Params(type, Red, Lime, Blue), 0);
        EXPECT_TRUE(IsColorValue(empty.ColorAt(0)));
        TGrdColorizer one(Params(type, Red, Lime, Blue), 1);
        EXPECT_TRUE(IsColorValue(one.ColorAt(3)));
    }
}

TEST(GrdColorTest, CharGrdColorCountsMultiByteCharactersOnce) {
    TFontTagInput input;
    input.Type = TGrdType::gtTwo;
    input.Start = Red;
    input.End = Blue;
    input.Text = "\xE3\x81\x82\xE3\x81\x84z"; // two hiragana and z: three characters
    EXPECT_EQ(CharGrdColor(input, 0), Red);
    EXPECT_EQ(CharGrdColor(input, 1), MakeColor(128, 0, 127));
    EXPECT_EQ(CharGrdColor(input, 2), Blue);
    input.CodePage = TCodePage::cp932;
    input.Text = "\x82\xA0z"; // hiragana a in code page 932, then z
    EXPECT_EQ(CharGrdColor(input, 1), Blue);
}

} // namespace
} // namespace tintora
