#include "color/NamedColors.h"

#include "color/ColorText.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace tintora {
namespace {

std::string_view NameOf(std::string_view line) {
    return line.substr(0, line.find('='));
}

// The extended line with this name, or an empty view.
std::string_view LineFor(std::string_view name) {
    for (const std::string_view line : ExtendedColorLines) {
        if (NameOf(line) == name) {
            return line;
        }
    }
    return {};
}

// The colour a line's value stands for, written RRGGBB.
std::string RrggbbOf(std::string_view name) {
    const std::string_view line = LineFor(name);
    if (line.empty()) {
        return "missing";
    }
    return ColorToHexString(ParseColorValueText(line.substr(line.find('=') + 1)),
                            TCharCaseMode::ccUpper);
}

TEST(ExtendedColors, AlphabeticalLinesOfNameAndSixDigitValue) {
    const auto& lines = ExtendedColorLines;
    ASSERT_EQ(lines.size(), 140u);
    std::set<std::string_view> names;
    for (const std::string_view line : lines) {
        const std::string_view name = NameOf(line);
        const std::string_view value = line.substr(name.size());
        EXPECT_TRUE(!name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
            return ch >= 'a' && ch <= 'z';
        })) << line;
        EXPECT_TRUE(value.size() == 8 && value.substr(0, 2) == "=$" &&
                    std::all_of(value.begin() + 2, value.end(),
                                [](char ch) {
                                    return std::isdigit(static_cast<unsigned char>(ch)) ||
                                           (ch >= 'A' && ch <= 'F');
                                }))
            << line;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 140u) << "names repeat";
    EXPECT_TRUE(
        std::is_sorted(lines.begin(), lines.end(), [](std::string_view a, std::string_view b) {
            return NameOf(a) < NameOf(b);
        }));
    EXPECT_EQ(NameOf(lines.front()), "aliceblue");
    EXPECT_EQ(NameOf(lines.back()), "yellowgreen");
}

TEST(ExtendedColors, StoredWithRedInTheLowByte) {
    for (const std::string_view line :
         {"black=$000000", "red=$0000FF", "lightgrey=$D3D3D3", "yellowgreen=$32CD9A",
          "aliceblue=$FFF8F0", "navy=$800000"}) {
        EXPECT_EQ(LineFor(NameOf(line)), line);
    }
}

TEST(ExtendedColors, ValuesOfTheCssKeywords) {
    struct Row {
        std::string_view name;
        std::string_view rrggbb;
    };
    for (const Row row :
         {Row{"aliceblue", "F0F8FF"}, Row{"cornflowerblue", "6495ED"},
          Row{"darkgoldenrod", "B8860B"}, Row{"gray", "808080"}, Row{"green", "008000"},
          Row{"mediumspringgreen", "00FA9A"}, Row{"palevioletred", "DB7093"},
          Row{"rosybrown", "BC8F8F"}, Row{"cyan", "00FFFF"}, Row{"aqua", "00FFFF"},
          Row{"magenta", "FF00FF"}, Row{"fuchsia", "FF00FF"}}) {
        EXPECT_EQ(RrggbbOf(row.name), row.rrggbb) << row.name;
    }
    // Only one spelling of each grey is kept, and nothing beyond the Level 3 list.
    for (const std::string_view absent :
         {"grey", "darkgrey", "dimgrey", "darkslategrey", "lightslategrey", "slategrey",
          "lightgray", "rebeccapurple"}) {
        EXPECT_TRUE(LineFor(absent).empty()) << absent;
    }
}

TEST(BasicColors, SixteenInListOrderMatchingTheirExtendedNames) {
    ASSERT_EQ(BasicColors.size(), 16u);
    EXPECT_EQ(BasicColors.front().englishName, "Black");
    EXPECT_EQ(BasicColors[9].englishName, "Red");
    EXPECT_EQ(BasicColors[9].color, RgbHexToColor(0xFF0000));
    EXPECT_EQ(BasicColors.back().englishName, "White");
    // The names are UTF-8 bytes whatever the compiler's execution character set would be.
    EXPECT_EQ(BasicColors[0].japaneseName, "\xE9\xBB\x92"); // 黒
    EXPECT_EQ(BasicColors[3].japaneseName,
              "\xE3\x82\xAA\xE3\x83\xAA\xE3\x83\xBC\xE3\x83\x96"); // オリーブ

    // Every basic colour is also an extended keyword with the same value.
    for (const TBasicColor& basic : BasicColors) {
        std::string name(basic.englishName);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        EXPECT_EQ(RrggbbOf(name), ColorToHexString(basic.color, TCharCaseMode::ccUpper)) << name;
    }
}

TEST(ParseColorValueText, IntegerTextRules) {
    struct Row {
        const char* name;
        std::string_view text;
        TColor color;
    };
    const Row rows[] = {
        {"hex", "$0000FF", RgbHexToColor(0xFF0000)},
        {"lower-case hex", "$fff8f0", RgbHexToColor(0xF0F8FF)},
        {"hex with leading zeros", "$000000000FF", 0xFF},
        {"leading spaces", "   $FF", 0xFF},
        {"decimal", "16711680", RgbHexToColor(0x0000FF)},
        {"decimal white", "16777215", clWhite},
        {"plus sign", " +255", 0xFF},
        {"minus zero", "-0", clBlack},
        {"empty", "", clNone},
        {"only spaces", "   ", clNone},
        {"dollar alone", "$", clNone},
        {"sign alone", "-", clNone},
        {"sign before dollar", "-$FF", clNone},
        {"sign after dollar", "$-FF", clNone},
        {"trailing space", "255 ", clNone},
        {"tab", "\t255", clNone},
        {"C hex", "0xFF", clNone},
        {"not a number", "red", clNone},
        {"negative", "-1", clNone},
        {"above white, hex", "$1000000", clNone},
        {"above white, decimal", "16777216", clNone},
        {"far past 32 bits", "999999999999999999999", clNone},
        {"no colour itself", "$1FFFFFFF", clNone},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ParseColorValueText(row.text), row.color) << row.name;
    }
}

TEST(CustomColorName, DollarAndAtLeastSixUpperCaseDigits) {
    EXPECT_EQ(CustomColorName(RgbHexToColor(0xFF0000)), "$0000FF");
    EXPECT_EQ(CustomColorName(clBlack), "$000000");
    EXPECT_EQ(CustomColorName(0xABCDEF), "$ABCDEF");
    EXPECT_EQ(CustomColorName(clNone), "$1FFFFFFF");
    EXPECT_EQ(ParseColorValueText(CustomColorName(0x0A0B0C)), 0x0A0B0Cu);
}

} // namespace
} // namespace tintora
