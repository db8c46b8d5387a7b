#include "color/NamedColors.h"

#include "color/ColorText.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tintora {
namespace {

std::string_view NameOf(std::string_view line) {
    return line.substr(0, line.find('='));
}

// The colour of the extended line with this name, written RRGGBB.
std::string RrggbbOf(std::string_view name) {
    for (const std::string_view line : ExtendedColorLines) {
        if (NameOf(line) == name) {
            const TColor c = ParseColorValueText(line.substr(name.size() + 1));
            return ColorToHexString(c, TCharCaseMode::ccUpper);
        }
    }
    return "missing";
}

TEST(ExtendedColors, AlphabeticalCssKeywordsStoredRedInLowByte) {
    const auto& lines = ExtendedColorLines;
    EXPECT_TRUE(std::adjacent_find(lines.begin(), lines.end(), [](auto a, auto b) {
                    return NameOf(a) >= NameOf(b);
                }) == lines.end());
    // Six digits each: a short value would still parse, to the wrong colour.
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](std::string_view line) {
        return line.size() == NameOf(line).size() + 8 && line[NameOf(line).size() + 1] == '$';
    }));
    for (const std::string_view line : {"black=$000000", "red=$0000FF", "lightgrey=$D3D3D3",
                                        "yellowgreen=$32CD9A", "aliceblue=$FFF8F0"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    const char* const cssValues[][2] = {
        {"cornflowerblue", "6495ED"}, {"darkgoldenrod", "B8860B"},
        {"gray", "808080"},           {"mediumspringgreen", "00FA9A"},
        {"cyan", "00FFFF"},           {"aqua", "00FFFF"},
        {"magenta", "FF00FF"}};
    for (const auto& [name, rrggbb] : cssValues) {
        EXPECT_EQ(RrggbbOf(name), rrggbb) << name;
    }
    for (const char* absent : {"grey", "darkgrey", "lightgray", "slategrey", "rebeccapurple"}) {
        EXPECT_EQ(RrggbbOf(absent), "missing") << absent;
    }
}

TEST(BasicColors, ListOrderAndSameValuesAsTheirKeywords) {
    EXPECT_EQ(BasicColors[9].englishName, "Red");
    EXPECT_EQ(BasicColors[9].color, RgbHexToColor(0xFF0000));
    // UTF-8 bytes whatever the compiler's execution character set would be.
    EXPECT_EQ(BasicColors[0].japaneseName, "\xE9\xBB\x92"); // 黒
    for (const TBasicColor& basic : BasicColors) {
        std::string name(basic.englishName);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        EXPECT_EQ(RrggbbOf(name), ColorToHexString(basic.color, TCharCaseMode::ccUpper)) << name;
    }
}

TEST(ParseColorValueText, IntegerTextThatIsAColourValue) {
    EXPECT_EQ(ParseColorValueText("$0000FF"), RgbHexToColor(0xFF0000));
    EXPECT_EQ(ParseColorValueText("$fff8f0"), RgbHexToColor(0xF0F8FF));
    EXPECT_EQ(ParseColorValueText("$000000000FF"), 0xFFu);
    EXPECT_EQ(ParseColorValueText("   $FF"), 0xFFu);
    EXPECT_EQ(ParseColorValueText(" +255"), 0xFFu);
    EXPECT_EQ(ParseColorValueText("16777215"), clWhite);
    EXPECT_EQ(ParseColorValueText("-0"), clBlack);
    for (const std::string_view bad :
         {"", "   ", "$", "-", "-$FF", "$-FF", "255 ", "\t255", "0xFF", "red", "-1", "$1000000",
          "16777216", "99999999999999999999", "$1FFFFFFF"}) {
        EXPECT_EQ(ParseColorValueText(bad), clNone) << '"' << bad << '"';
    }
}

TEST(CustomColorName, DollarAndAtLeastSixUpperCaseDigits) {
    EXPECT_EQ(CustomColorName(RgbHexToColor(0xFF0000)), "$0000FF");
    EXPECT_EQ(CustomColorName(0xABCDEF), "$ABCDEF");
    EXPECT_EQ(CustomColorName(clNone), "$1FFFFFFF");
}

} // namespace
} // namespace tintora
