#include "color/Color.h"

#include "color/ColorRandomizer.h"
#include "color/ColorText.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace tintora {
namespace {

// The byte order is what the settings file stores; getting it backwards would still look right in
// any test that only converts there and back.
TEST(ColorValue, LayoutMatchesStoredNumbers) {
    EXPECT_EQ(MakeColor(255, 0, 0), 255u);
    EXPECT_EQ(MakeColor(0, 0, 255), 16711680u);
    EXPECT_EQ(MakeColor(255, 255, 255), 16777215u);
    EXPECT_EQ(RgbHexToColor(0xFFCC00), MakeColor(0xFF, 0xCC, 0x00));
    EXPECT_EQ(ColorToRgbHex(MakeColor(0x12, 0x34, 0x56)), 0x123456u);

    constexpr TColor c = MakeColor(0x12, 0x34, 0x56);
    static_assert(RedOf(c) == 0x12 && GreenOf(c) == 0x34 && BlueOf(c) == 0x56);
    EXPECT_EQ(WithRed(c, 0xAB), MakeColor(0xAB, 0x34, 0x56));
    EXPECT_EQ(WithGreen(c, 0xAB), MakeColor(0x12, 0xAB, 0x56));
    EXPECT_EQ(WithBlue(c, 0xAB), MakeColor(0x12, 0x34, 0xAB));
    EXPECT_FALSE(IsColorValue(clNone));
    EXPECT_TRUE(IsColorValue(clWhite));
}

TEST(ColorValue, NegativeInvertsEachChannel) {
    EXPECT_EQ(NegativeColor(clBlack), clWhite);
    EXPECT_EQ(NegativeColor(RgbHexToColor(0xFFCC00)), RgbHexToColor(0x0033FF));
    EXPECT_EQ(NegativeColor(NegativeColor(RgbHexToColor(0x123456))), RgbHexToColor(0x123456));
}

TEST(ColorValue, WebLevelRoundsRemaindersFrom26Up) {
    struct Row {
        std::uint8_t in;
        std::uint8_t out;
    };
    for (const Row row : {Row{0, 0}, Row{25, 0}, Row{26, 51}, Row{51, 51}, Row{76, 51},
                          Row{77, 102}, Row{229, 204}, Row{230, 255}, Row{255, 255}}) {
        EXPECT_EQ(WebLevel(row.in), row.out) << "channel " << int{row.in};
    }
    for (int v = 0; v <= 255; ++v) {
        const int level = WebLevel(static_cast<std::uint8_t>(v));
        EXPECT_EQ(level % 51, 0) << v;
        EXPECT_LE(level > v ? level - v : v - level, 25) << v;
    }
}

TEST(ColorHexText, DigitsAreRrggbbAndUpperOnlyForUpperCase) {
    const TColor red = RgbHexToColor(0xFF0000);
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccLower).View(), "ff0000");
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccUpper).View(), "FF0000");
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccInitialUpper).View(), "ff0000");
    // A byte the settings file may hold without naming a mode.
    EXPECT_EQ(ColorToHexText(red, static_cast<TCharCaseMode>(7)).View(), "ff0000");

    EXPECT_EQ(ColorToHexText(RgbHexToColor(0x0A1B2C), TCharCaseMode::ccUpper).View(), "0A1B2C");
    EXPECT_STREQ(ColorToHexText(RgbHexToColor(0xABCDEF), TCharCaseMode::ccLower).CStr(), "abcdef");
    EXPECT_EQ(ColorToHexString(clBlack, TCharCaseMode::ccLower), "000000");
    static_assert(ColorToHexText(0xFF, TCharCaseMode::ccUpper).View() == "FF0000");
}

TEST(ColorHexText, ReadsExactlySixHexDigits) {
    struct Row {
        const char* name;
        std::string_view text;
        std::optional<TColor> color;
    };
    const Row rows[] = {
        {"red", "ff0000", RgbHexToColor(0xFF0000)},
        {"blue in the high byte", "0000ff", TColor{0xFF0000}},
        {"mixed case", "FfCc0a", RgbHexToColor(0xFFCC0A)},
        {"white", "FFFFFF", clWhite},
        {"with sharp", "#ff0000", std::nullopt},
        {"five digits", "ff000", std::nullopt},
        {"seven digits", "ff00000", std::nullopt},
        {"not hex", "ff00g0", std::nullopt},
        {"leading space", " ff000", std::nullopt},
        {"trailing space", "ff000 ", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HexTextToColor(row.text), row.color) << row.name;
    }
}

TEST(ColorHexText, ReadsBackWhatItWrites) {
    for (TColor c = 0; c <= clWhite; c += 4099) {
        for (const auto mode : {TCharCaseMode::ccLower, TCharCaseMode::ccUpper}) {
            ASSERT_EQ(HexTextToColor(ColorToHexText(c, mode).View()), c);
        }
    }
}

TEST(ColorRandomizer, DrawsBelowWhiteAcrossTheWholeRange) {
    TColorRandomizer random(20240601);
    TColor lowest = clWhite;
    TColor highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const TColor c = random.Next();
        ASSERT_LE(c, TColorRandomizer::MaxDrawn);
        lowest = std::min(lowest, c);
        highest = std::max(highest, c);
    }
    // A million uniform draws come within a few hundred of both ends; a draw that only filled
    // some channels would not.
    EXPECT_LT(lowest, 0x1000u);
    EXPECT_GT(highest, 0xFFF000u);
}

TEST(ColorRandomizer, SameSeedSameColours) {
    TColorRandomizer a(7);
    TColorRandomizer b(7);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.Next(), b.Next());
    }
    TColorRandomizer clockSeeded;
    EXPECT_LE(clockSeeded.Next(), TColorRandomizer::MaxDrawn);
}

} // namespace
} // namespace tintora
