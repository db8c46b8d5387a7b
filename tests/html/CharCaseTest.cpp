#include "html/CharCase.h"

#include "html/TextEscape.h"

#include <gtest/gtest.h>
#include <string>

namespace tintora {
namespace {

constexpr auto Lower = TCharCaseMode::ccLower;
constexpr auto Upper = TCharCaseMode::ccUpper;
constexpr auto Initial = TCharCaseMode::ccInitialUpper;

TEST(CharCaseTest, ModesConvertOnlyAsciiLetters) {
    EXPECT_EQ(ApplyCharCase(Lower, "COLOR=\"#"), "color=\"#");
    EXPECT_EQ(ApplyCharCase(Upper, "color=\"#"), "COLOR=\"#");
    EXPECT_EQ(ApplyCharCase(Initial, "COLOR=\"#"), "Color=\"#");
    EXPECT_EQ(ApplyCharCase(Initial, "bgCOLOR"), "Bgcolor");
    // UTF-8 bytes are no letters to these conversions.
    EXPECT_EQ(ApplyCharCase(Upper, "a\xC3\xA9z"), "A\xC3\xA9Z");
    EXPECT_EQ(ApplyCharCase(Lower, "\xC3\x89Z"), "\xC3\x89z");
}

TEST(CharCaseTest, CapitalizeNameLeavesLeadingNonLetterLowerCase) {
    EXPECT_EQ(CapitalizeName("#FFCC00"), "#ffcc00");
    EXPECT_EQ(CapitalizeName("1ABC"), "1abc");
    EXPECT_EQ(CapitalizeName("x"), "X");
    EXPECT_EQ(CapitalizeName(""), "");
}

TEST(CharCaseTest, UnknownModeGivesNameUnchanged) {
    EXPECT_EQ(ApplyCharCase(static_cast<TCharCaseMode>(3), "FoNt"), "FoNt");
    EXPECT_EQ(ApplyCharCase(static_cast<TCharCaseMode>(255), "FoNt"), "FoNt");
}

TEST(CharCaseTest, KindsSelectTheirOwnMode) {
    TCharCases cases{Upper, Initial, Lower};
    EXPECT_EQ(ApplyCharCase(TCaseKind::ckElement, "font", cases), "FONT");
    EXPECT_EQ(ApplyCharCase(TCaseKind::ckAttribute, "SIZE", cases), "Size");
    EXPECT_EQ(ApplyCharCase(TCaseKind::ckValue, "FF", cases), "ff");
    cases[TCaseKind::ckAttribute] = Lower;
    EXPECT_EQ(cases.Attribute, Lower);
    EXPECT_EQ(cases[TCaseKind::ckElement], Upper);
}

TEST(CharCaseTest, DialogSampleCountsEveryOtherModeAsInitialUpper) {
    EXPECT_EQ(CharCaseSampleText({Lower, Lower, Lower}), "<font color=\"#ffcc00\">");
    EXPECT_EQ(CharCaseSampleText({Upper, Upper, Upper}), "<FONT COLOR=\"#FFCC00\">");
    EXPECT_EQ(CharCaseSampleText({Initial, Initial, Initial}), "<Font Color=\"#ffcc00\">");
    EXPECT_EQ(CharCaseSampleText({Upper, Lower, Upper}), "<FONT color=\"#FFCC00\">");
    const auto odd = static_cast<TCharCaseMode>(7);
    EXPECT_EQ(CharCaseSampleText({odd, odd, odd}), "<Font Color=\"#ffcc00\">");
}

TEST(TextEscapeTest, BothSwitches) {
    struct TRow {
        char ch;
        const char* bothOn;
        const char* tokensOnly;
        const char* spaceOnly;
        const char* bothOff;
    };
    const TRow rows[] = {
        {' ', "&nbsp;", " ", "&nbsp;", " "},
        {'"', "&quot;", "&quot;", "\"", "\""},
        {'&', "&amp;", "&amp;", "&", "&"},
        {'<', "&lt;", "&lt;", "<", "<"},
        {'>', "&gt;", "&gt;", ">", ">"},
        {'\'', "'", "'", "'", "'"},
        {'a', "a", "a", "a", "a"},
        {'\t', "\t", "\t", "\t", "\t"},
        {'\xB1', "\xB1", "\xB1", "\xB1", "\xB1"}, // half-width katakana in code page 932
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(std::string(1, r.ch));
        EXPECT_EQ(EscapeTextChar(r.ch, {true, true}).View(), r.bothOn);
        EXPECT_EQ(EscapeTextChar(r.ch, {true, false}).View(), r.tokensOnly);
        EXPECT_EQ(EscapeTextChar(r.ch, {false, true}).View(), r.spaceOnly);
        EXPECT_EQ(EscapeTextChar(r.ch, {false, false}).View(), r.bothOff);
    }
    // A NUL byte is a character too and must not be lost to a C-string view.
    EXPECT_EQ(EscapeTextChar('\0', {}).View(), std::string_view("\0", 1));
}

TEST(TextEscapeTest, FontTagBreak) {
    EXPECT_EQ(FontTagBreak(true), "\r\n");
    EXPECT_EQ(FontTagBreak(false), " ");
}

} // namespace
} // namespace tintora
