#include "color/Color.h"

#include "color/ColorRandomizer.h"
#include "color/ColorText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace tintora {
namespace {

// The byte order is what the settings file stores; a test that only converts there and back
// would not notice it reversed.
TEST(ColorValue, LayoutNegativeAndWebLevels) {
    EXPECT_EQ(MakeColor(255, 0, 0), 255u);
    EXPECT_EQ(MakeColor(0, 0, 255), 16711680u);
    EXPECT_EQ(RgbHexToColor(0x123456), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(WithGreen(RgbHexToColor(0x123456), 0xAB), RgbHexToColor(0x12AB56));
    EXPECT_EQ(NegativeColor(RgbHexToColor(0xFFCC00)), RgbHexToColor(0x0033FF));

    const std::uint8_t levels[][2] = {{0, 0},    {25, 0},    {26, 51},   {76, 51},
                                      {77, 102}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& [in, out] : levels) {
        EXPECT_EQ(WebLevel(in), out) << int{in};
    }
}

TEST(ColorHexText, RrggbbUpperOnlyForUpperCase) {
    const TColor red = RgbHexToColor(0xFF0000);
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccLower).View(), "ff0000");
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccUpper).View(), "FF0000");
    EXPECT_EQ(ColorToHexText(red, TCharCaseMode::ccInitialUpper).View(), "ff0000");
    EXPECT_EQ(ColorToHexText(red, static_cast<TCharCaseMode>(7)).View(), "ff0000"); // stray byte
    EXPECT_STREQ(ColorToHexText(RgbHexToColor(0x0A1B2C), TCharCaseMode::ccUpper).CStr(), "0A1B2C");
    EXPECT_EQ(ColorToHexString(RgbHexToColor(0xABCDEF), TCharCaseMode::ccLower), "abcdef");
}

TEST(ColorHexText, ReadsExactlySixHexDigits) {
    EXPECT_EQ(HexTextToColor("ff0000"), RgbHexToColor(0xFF0000));
    EXPECT_EQ(HexTextToColor("0000ff"), TColor{0xFF0000});
    EXPECT_EQ(HexTextToColor("FfCc0a"), RgbHexToColor(0xFFCC0A));
    for (const std::string_view bad : {"#ff0000", "ff000", "ff00000", "ff00g0", " ff000", ""}) {
        EXPECT_EQ(HexTextToColor(bad), std::nullopt) << '"' << bad << '"';
    }
}

TEST(ColorRandomizer, DrawsUniformlyBelowWhite) {
    TColorRandomizer random(20240601);
    TColorRandomizer same(20240601);
    TColor lowest = clWhite;
    TColor highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const TColor c = random.Next();
        ASSERT_LE(c, 0xFFFFFEu);
        ASSERT_EQ(same.Next(), c);
        lowest = std::min(lowest, c);
        highest = std::max(highest, c);
    }
    // A million uniform draws come within a few hundred of both ends; a draw that filled only
    // some channels, or stopped short of the top, would not.
    EXPECT_LT(lowest, 0x1000u);
    EXPECT_GT(highest, 0xFFF000u);
    EXPECT_LE(TColorRandomizer().Next(), 0xFFFFFEu);
}

} // namespace
} // namespace tintora
